#pragma once
// Drawing of the curve canvases' elements, one element of one channel at a time, into the canvas's
// off-screen image: background and frame, grid lines, bars, value lines and the zero line.

// x of the left edge of visible position p.
int Zeichnen_XGitterKoordinate(int kanal, int p);
// Value for a pointer height: clamped, on the channel's raster, small pump values become 0.
int Zeichnen_PunktZahlenwertAusYKoordinate(int kanal, int y);

void Zeichnen_Rahmen(int kanal);
void Zeichnen_VertikaleGitterlinie(int kanal, int p);
void Zeichnen_VertikaleGitterlinienUmPunkt(int kanal, int i);
void Zeichnen_KurvenpunktLinie(int kanal, int i);
void Zeichnen_KurvenpunktLinieLoeschen(int kanal, int i);
void Zeichnen_KurvenpunktRechteck(int kanal, int i);
void Zeichnen_KurvenpunktRechteckLoeschen(int kanal, int i);
void Zeichnen_Nulllinie(int kanal);
void Zeichnen_Nulllinienteil(int kanal, int i);

// Steps i..j that all hold the value of step i, drawn as one bar / one value line (same pixels as
// drawing them one by one); the full redraw uses these.
void Zeichnen_KurvenpunktRechteckLauf(int kanal, int i, int j);
void Zeichnen_KurvenpunktLinieLauf(int kanal, int i, int j);
