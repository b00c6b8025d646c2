#pragma once
// Curve editor canvases: the drawing state of each channel's canvas, the coordinate rules, scrolling,
// mouse editing and the time-axis labels of the curve window.

#include "cycle/Kurvenarrays.h"

#include <vector>

constexpr int CANVAS_ART_VENTIL = 1;
constexpr int CANVAS_ART_PUMPE = 2;
constexpr int CANVAS_SICHTBARE_SCHRITTE = 50;
constexpr int CANVAS_RAND = 5;
constexpr int CANVAS_ZEITACHSE_LABELS = 6;
// The channel's name at the left of its canvas on KURVPANEL has the canvas's id plus this offset.
constexpr int CANVAS_NAMENSLABEL_VERSATZ = 100;

// Colours 0xRRGGBB.
constexpr int CANVAS_FARBE_HINTERGRUND = 0xF8F8F8;
constexpr int CANVAS_FARBE_RAHMEN = 0x408080;
constexpr int CANVAS_FARBE_GITTER = 0xB0B0B0;
constexpr int CANVAS_FARBE_GITTER_ZEHNER = 0x0000FF;
constexpr int CANVAS_FARBE_NULLLINIE = 0xB0B0B0;
constexpr int CANVAS_FARBE_WERTLINIE = 0x000000;
constexpr int CANVAS_FARBE_VENTIL = 0xD0D0FF;
constexpr int CANVAS_FARBE_PUMPE_POSITIV = 0x6060FF;
constexpr int CANVAS_FARBE_PUMPE_NEGATIV = 0xFF6060;

// Drawing state of one channel's canvas.
struct KurvenCanvas {
    int kind = 0;    // CANVAS_ART_PUMPE or CANVAS_ART_VENTIL
    int control = 0; // canvas control on KURVPANEL
    int top = 0, left = 0, height = 0, width = 0;
    int visible = 1;
    double xScale = 0; // pixels per step
    int marginTop = CANVAS_RAND, marginLeft = CANVAS_RAND;
    int plotHeight = 0, plotWidth = 0;
    int zeroY = 0;
    int zeroLine = 0;
    int first = 0; // first visible step
    int grid = 1, deadZone = 0;
    int max = 1, min = 0;
    Kurvenarray* curve = nullptr;
};

extern KurvenCanvas gKurvenCanvas[KURVEN_ANZAHL];

// Canvas control of a channel: 0 -> CANVAS_P1, 1 -> CANVAS_P2, 2..12 -> CANVAS_V1..V11.
int Canvas_KanalControl(int kanal);
// Fills a state for a channel from its canvas geometry (first 0, curve gKurven[kanal]).
void Canvas_GeometrieSetzen(KurvenCanvas& c, int kanal, int top, int left, int height, int width);

// ---- coordinate rules ------------------------------------------------------------------------------------
int Canvas_XGitterKoordinate(const KurvenCanvas& c, int p);
int Canvas_YKoordinateAusWert(const KurvenCanvas& c, int v);
int Canvas_WertAusYKoordinate(const KurvenCanvas& c, int y);
// Step under the pointer x, or -1 when there is none.
int Canvas_SchrittAusXKoordinate(const KurvenCanvas& c, int x);
struct CanvasBereich {
    int first = 0, last = -1; // last < first: no step visible
};
CanvasBereich Canvas_SichtbarerBereich(const KurvenCanvas& c);
// First visible step for a scroll position and n steps: 0 .. max(0, n - 50).
int Canvas_ErstenSchrittBegrenzen(int position, int n);
struct Zeitachsenmarke {
    int label = 0;   // 0..5 for TEXT_ZEITACHSE_LABEL1..6
    int schritt = 0; // step boundary shown
    int x = 0;       // its grid line, relative to the canvas
};
std::vector<Zeitachsenmarke> Canvas_Zeitachsenmarken(const KurvenCanvas& c);

// ---- the canvases of the curve window ---------------------------------------------------------------------
void Canvas_KanalInitialisieren(int kanal);
void Canvas_Initialisieren();
void Canvas_AllesZeichnen();
void Canvas_AlleKurvenNeuZeichnen();
// First visible step := the scroll bar's position, kept in range; then a full redraw.
void Canvas_KurvenScrollen();
// Brings the first visible step of every channel into range for the current number of steps.
void Canvas_ErstenSchrittAnpassen(int position);
void Canvas_SichtbarUnsichtbar(int kanal, int sichtbar);
int Canvas_IstVentildiagramm(int kanal);
void Canvas_ZeitachseBeschriften();

// Mouse editing, driven by the canvas's mouse events: a press starts a gesture and is its first poll,
// every move while the button is held is one more poll, the release ends it.
void Canvas_Mausklick(int control, int rechts);
void Canvas_MausBewegt(int control);
void Canvas_MausLosgelassen(int control);
// True from a press on a canvas until its gesture ends.
bool Canvas_GesteLaeuft();
