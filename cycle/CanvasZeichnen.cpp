// Drawing of the curve canvases' elements.

#include "cycle/CanvasZeichnen.h"

#include "cycle/CanvasFunktionen.h"
#include "platform/ui/ui.h"

namespace {

bool gueltig(int kanal) {
    return kanal >= 0 && kanal < KURVEN_ANZAHL && gKurvenPanel > 0;
}

bool schrittGueltig(int kanal, int i) {
    const KurvenCanvas& c = gKurvenCanvas[kanal];
    return c.curve && i >= 0 && i < c.curve->count;
}

// Pen and fill colour each canvas was last given: only changes are passed on (a full redraw would
// otherwise set a colour before every one of its ~300 elements).
struct Farben {
    int panel = 0, stift = -1, fuellung = -1;
};
Farben gFarben[KURVEN_ANZAHL];

Farben& farben(const KurvenCanvas& c) {
    Farben& f = gFarben[&c - gKurvenCanvas];
    if (f.panel != gKurvenPanel) f = {gKurvenPanel, -1, -1};
    return f;
}

void stift(const KurvenCanvas& c, int farbe) {
    Farben& f = farben(c);
    if (f.stift == farbe) return;
    SetCtrlAttribute(gKurvenPanel, c.control, ATTR_PEN_COLOR, farbe);
    f.stift = farbe;
}

void fuellung(const KurvenCanvas& c, int farbe) {
    Farben& f = farben(c);
    if (f.fuellung == farbe) return;
    SetCtrlAttribute(gKurvenPanel, c.control, ATTR_PEN_FILL_COLOR, farbe);
    f.fuellung = farbe;
}

void linie(const KurvenCanvas& c, int x1, int y1, int x2, int y2, int farbe) {
    stift(c, farbe);
    CanvasDrawLine(gKurvenPanel, c.control, MakePoint(x1, y1), MakePoint(x2, y2));
}

// Steps i..j share one value: their lines (and bars) join into one element with the same pixels.
void wertlinie(int kanal, int i, int j, int farbe) {
    const KurvenCanvas& c = gKurvenCanvas[kanal];
    const int y = Canvas_YKoordinateAusWert(c, c.curve->values[i]);
    linie(c, Canvas_XGitterKoordinate(c, i - c.first), y, Canvas_XGitterKoordinate(c, j + 1 - c.first), y,
          farbe);
}

void balken(int kanal, int i, int j, bool loeschen) {
    const KurvenCanvas& c = gKurvenCanvas[kanal];
    const int v = c.curve->values[i];
    const int x1 = Canvas_XGitterKoordinate(c, i - c.first),
              x2 = Canvas_XGitterKoordinate(c, j + 1 - c.first);
    const int y = Canvas_YKoordinateAusWert(c, v);
    const int oben = v >= 0 ? y : c.zeroY, unten = v >= 0 ? c.zeroY : y;
    int farbe = CANVAS_FARBE_HINTERGRUND;
    if (!loeschen) {
        if (c.kind == CANVAS_ART_VENTIL)
            farbe = CANVAS_FARBE_VENTIL;
        else
            farbe = v >= 0 ? CANVAS_FARBE_PUMPE_POSITIV : CANVAS_FARBE_PUMPE_NEGATIV;
    }
    fuellung(c, farbe);
    CanvasDrawRect(gKurvenPanel, c.control, MakeRect(oben, x1, unten - oben + 1, x2 - x1 + 1),
                   VAL_DRAW_INTERIOR);
}

} // namespace

int Zeichnen_XGitterKoordinate(int kanal, int p) {
    if (kanal < 0 || kanal >= KURVEN_ANZAHL) return 0;
    return Canvas_XGitterKoordinate(gKurvenCanvas[kanal], p);
}

int Zeichnen_PunktZahlenwertAusYKoordinate(int kanal, int y) {
    if (kanal < 0 || kanal >= KURVEN_ANZAHL) return 0;
    return Canvas_WertAusYKoordinate(gKurvenCanvas[kanal], y);
}

void Zeichnen_Rahmen(int kanal) {
    if (!gueltig(kanal)) return;
    const KurvenCanvas& c = gKurvenCanvas[kanal];
    stift(c, CANVAS_FARBE_RAHMEN);
    fuellung(c, CANVAS_FARBE_HINTERGRUND);
    CanvasDrawRect(gKurvenPanel, c.control, MakeRect(0, 0, c.height, c.width), VAL_DRAW_FRAME_AND_INTERIOR);
}

void Zeichnen_VertikaleGitterlinie(int kanal, int p) {
    if (!gueltig(kanal)) return;
    const KurvenCanvas& c = gKurvenCanvas[kanal];
    const int x = Canvas_XGitterKoordinate(c, p);
    const int farbe = (c.first + p) % 10 == 0 ? CANVAS_FARBE_GITTER_ZEHNER : CANVAS_FARBE_GITTER;
    linie(c, x, c.marginTop, x, c.marginTop + c.plotHeight, farbe);
}

void Zeichnen_VertikaleGitterlinienUmPunkt(int kanal, int i) {
    if (!gueltig(kanal)) return;
    const int p = i - gKurvenCanvas[kanal].first;
    Zeichnen_VertikaleGitterlinie(kanal, p);
    Zeichnen_VertikaleGitterlinie(kanal, p + 1);
}

void Zeichnen_KurvenpunktLinie(int kanal, int i) {
    if (gueltig(kanal) && schrittGueltig(kanal, i)) wertlinie(kanal, i, i, CANVAS_FARBE_WERTLINIE);
}

void Zeichnen_KurvenpunktLinieLoeschen(int kanal, int i) {
    if (gueltig(kanal) && schrittGueltig(kanal, i)) wertlinie(kanal, i, i, CANVAS_FARBE_HINTERGRUND);
}

void Zeichnen_KurvenpunktRechteck(int kanal, int i) {
    if (gueltig(kanal) && schrittGueltig(kanal, i)) balken(kanal, i, i, false);
}

void Zeichnen_KurvenpunktRechteckLoeschen(int kanal, int i) {
    if (gueltig(kanal) && schrittGueltig(kanal, i)) balken(kanal, i, i, true);
}

void Zeichnen_Nulllinie(int kanal) {
    if (!gueltig(kanal)) return;
    const KurvenCanvas& c = gKurvenCanvas[kanal];
    if (!c.zeroLine) return;
    linie(c, Canvas_XGitterKoordinate(c, 0), c.zeroY, Canvas_XGitterKoordinate(c, CANVAS_SICHTBARE_SCHRITTE),
          c.zeroY, CANVAS_FARBE_NULLLINIE);
}

void Zeichnen_Nulllinienteil(int kanal, int i) {
    if (!gueltig(kanal)) return;
    const KurvenCanvas& c = gKurvenCanvas[kanal];
    if (!c.zeroLine) return;
    const int p = i - c.first;
    linie(c, Canvas_XGitterKoordinate(c, p), c.zeroY, Canvas_XGitterKoordinate(c, p + 1), c.zeroY,
          CANVAS_FARBE_NULLLINIE);
}

void Zeichnen_KurvenpunktRechteckLauf(int kanal, int i, int j) {
    if (gueltig(kanal) && schrittGueltig(kanal, i) && schrittGueltig(kanal, j) && i <= j)
        balken(kanal, i, j, false);
}

void Zeichnen_KurvenpunktLinieLauf(int kanal, int i, int j) {
    if (gueltig(kanal) && schrittGueltig(kanal, i) && schrittGueltig(kanal, j) && i <= j)
        wertlinie(kanal, i, j, CANVAS_FARBE_WERTLINIE);
}
