// Curve editor canvases: state, coordinate rules, full redraw, scrolling, mouse editing, time axis.

#include "cycle/CanvasFunktionen.h"

#include "cycle/CanvasZeichnen.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "scrollbar/Scrollbar.h"

#include <algorithm>
#include <cmath>
#include <string>

KurvenCanvas gKurvenCanvas[KURVEN_ANZAHL];

namespace {

constexpr int LABELS[CANVAS_ZEITACHSE_LABELS] = {
    KURVPANEL_TEXT_ZEITACHSE_LABEL1, KURVPANEL_TEXT_ZEITACHSE_LABEL2, KURVPANEL_TEXT_ZEITACHSE_LABEL3,
    KURVPANEL_TEXT_ZEITACHSE_LABEL4, KURVPANEL_TEXT_ZEITACHSE_LABEL5, KURVPANEL_TEXT_ZEITACHSE_LABEL6};

// The gesture in progress: the channel whose canvas holds the mouse, and which button.
struct Mausgeste {
    int kanal = -1;
    int rechts = 0;
    bool vorher = false; // the pointer position of the last poll is known
    int vorX = 0, vorY = 0;
};
Mausgeste gGeste;

int kanalVonControl(int control) {
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        if (gKurvenCanvas[k].control == control) return k;
    return -1;
}

int anzahlSchritte(const KurvenCanvas& c) {
    return c.curve ? c.curve->count : 0;
}

// Last step of the run of equal values that starts at i (at most bis).
int laufende(const KurvenCanvas& c, int i, int bis) {
    int j = i;
    while (j < bis && c.curve->values[j + 1] == c.curve->values[i])
        ++j;
    return j;
}

void kanalZeichnen(int k) {
    KurvenCanvas& c = gKurvenCanvas[k];
    const int ctrl = c.control;
    Zeichnen_Rahmen(k);
    const CanvasBereich b = Canvas_SichtbarerBereich(c);
    CanvasStartBatchDraw(gKurvenPanel, ctrl);
    for (int i = b.first; i <= b.last;) {
        const int j = laufende(c, i, b.last);
        Zeichnen_KurvenpunktRechteckLauf(k, i, j);
        i = j + 1;
    }
    CanvasEndBatchDraw(gKurvenPanel, ctrl);
    CanvasStartBatchDraw(gKurvenPanel, ctrl);
    for (int p = 0; p <= CANVAS_SICHTBARE_SCHRITTE; ++p)
        Zeichnen_VertikaleGitterlinie(k, p);
    CanvasEndBatchDraw(gKurvenPanel, ctrl);
    Zeichnen_Nulllinie(k);
    CanvasStartBatchDraw(gKurvenPanel, ctrl);
    for (int i = b.first; i <= b.last;) {
        const int j = laufende(c, i, b.last);
        Zeichnen_KurvenpunktLinieLauf(k, i, j);
        i = j + 1;
    }
    CanvasEndBatchDraw(gKurvenPanel, ctrl);
}

void wertanzeigeVerstecken() {
    if (gKurvenPanel > 0) SetCtrlAttribute(gKurvenPanel, KURVPANEL_YWERTANZEIGE, ATTR_VISIBLE, 0);
}

// The value a step takes under the pointer height y: the top for a valve, the zero line for the right
// button.
int wertUnter(const KurvenCanvas& c, int y) {
    if (gGeste.rechts) return 0;
    return c.max - c.min == 1 ? c.max : Canvas_WertAusYKoordinate(c, y);
}

void schrittSetzen(int k, int i, int wert, bool setzen) {
    KurvenCanvas& c = gKurvenCanvas[k];
    Zeichnen_KurvenpunktLinieLoeschen(k, i);
    Zeichnen_KurvenpunktRechteckLoeschen(k, i);
    if (setzen) c.curve->values[i] = wert;
    Zeichnen_KurvenpunktRechteck(k, i);
    Zeichnen_VertikaleGitterlinienUmPunkt(k, i);
    Zeichnen_Nulllinienteil(k, i);
    Zeichnen_KurvenpunktLinie(k, i);
}

void gesteBeenden() {
    gGeste = Mausgeste{};
    wertanzeigeVerstecken();
}

// The stroke goes on to the pointer at (x, y): every visible step it passed since the last position takes
// the value on the straight line between the two, the step under the pointer the value under it.
void strichBis(int x, int y, int modifier) {
    const int k = gGeste.kanal;
    KurvenCanvas& c = gKurvenCanvas[k];
    const int i = Canvas_SchrittAusXKoordinate(c, x);
    const CanvasBereich sichtbar = Canvas_SichtbarerBereich(c);
    const bool setzen = modifier != VAL_SHIFT_MODIFIER;
    auto schrittBei = [&](int px) {
        return static_cast<int>(std::floor((px - c.marginLeft) / c.xScale)) + c.first;
    };
    const int bis = schrittBei(x);
    const int von = gGeste.vorher ? schrittBei(gGeste.vorX) : bis;
    const int erster = std::max(std::min(von, bis), sichtbar.first);
    const int letzter = std::min(std::max(von, bis), sichtbar.last);
    if (c.xScale > 0 && erster <= letzter) {
        CanvasStartBatchDraw(gKurvenPanel, c.control);
        for (int s = erster; s <= letzter; ++s) {
            int ys = y;
            if (s == von && von != bis) {
                ys = gGeste.vorY;
            } else if (s != bis) {
                const double mitte = c.marginLeft + (s - c.first + 0.5) * c.xScale;
                const double t = std::clamp((mitte - gGeste.vorX) / (x - gGeste.vorX), 0.0, 1.0);
                ys = static_cast<int>(std::lround(gGeste.vorY + t * (y - gGeste.vorY)));
            }
            schrittSetzen(k, s, wertUnter(c, ys), setzen);
        }
        CanvasEndBatchDraw(gKurvenPanel, c.control);
    }
    gGeste.vorher = true;
    gGeste.vorX = x;
    gGeste.vorY = y;
    if (i >= 0 && i <= c.first + CANVAS_SICHTBARE_SCHRITTE - 1) {
        int breite = 0;
        GetCtrlAttribute(gKurvenPanel, KURVPANEL_YWERTANZEIGE, ATTR_WIDTH, &breite);
        const int links_ = static_cast<int>(c.left + Canvas_XGitterKoordinate(c, i + 1 - c.first) -
                                            breite / 2.0 - c.xScale / 2 + 0.5);
        SetCtrlAttribute(gKurvenPanel, KURVPANEL_YWERTANZEIGE, ATTR_LEFT, links_);
        ProcessDrawEvents();
        SetCtrlVal(gKurvenPanel, KURVPANEL_YWERTANZEIGE, c.curve->values[i]);
    }
}

// One poll of the gesture: the stroke goes on to the pointer.
void abfragen() {
    const KurvenCanvas& c = gKurvenCanvas[gGeste.kanal];
    int x = 0, y = 0, links = 0, rechts = 0, modifier = 0;
    GetRelativeMouseState(gKurvenPanel, c.control, &x, &y, &links, &rechts, &modifier);
    strichBis(x, y, modifier);
    const int gehalten = gGeste.rechts ? rechts : links;
    if (!gehalten) gesteBeenden();
}

} // namespace

int Canvas_KanalControl(int kanal) {
    static constexpr int CONTROLS[KURVEN_ANZAHL] = {
        KURVPANEL_CANVAS_P1, KURVPANEL_CANVAS_P2, KURVPANEL_CANVAS_V1, KURVPANEL_CANVAS_V2,
        KURVPANEL_CANVAS_V3, KURVPANEL_CANVAS_V4, KURVPANEL_CANVAS_V5, KURVPANEL_CANVAS_V6,
        KURVPANEL_CANVAS_V7, KURVPANEL_CANVAS_V8, KURVPANEL_CANVAS_V9, KURVPANEL_CANVAS_V10,
        KURVPANEL_CANVAS_V11};
    return kanal >= 0 && kanal < KURVEN_ANZAHL ? CONTROLS[kanal] : 0;
}

void Canvas_GeometrieSetzen(KurvenCanvas& c, int kanal, int top, int left, int height, int width) {
    const bool pumpe = Kurvenarrays_IstPumpenkanal(kanal);
    c.kind = pumpe ? CANVAS_ART_PUMPE : CANVAS_ART_VENTIL;
    c.control = Canvas_KanalControl(kanal);
    c.top = top, c.left = left, c.height = height, c.width = width;
    c.visible = 1;
    c.xScale = (width - 11) / static_cast<double>(CANVAS_SICHTBARE_SCHRITTE);
    c.marginTop = CANVAS_RAND;
    c.marginLeft = CANVAS_RAND;
    c.plotHeight = height - 10;
    c.plotWidth = width - 11;
    c.max = pumpe ? 100 : 1;
    c.min = pumpe ? -100 : 0;
    c.zeroY = static_cast<int>(c.plotHeight / static_cast<double>(c.max - c.min) * c.max + 0.5) + CANVAS_RAND;
    c.zeroLine = pumpe ? 1 : 0;
    c.first = 0;
    c.grid = pumpe ? 10 : 1;
    c.deadZone = pumpe ? 30 : 0;
    c.curve = kanal >= 0 && kanal < KURVEN_ANZAHL ? &gKurven[kanal] : nullptr;
}

int Canvas_XGitterKoordinate(const KurvenCanvas& c, int p) {
    return static_cast<int>(c.marginLeft + p * c.xScale + 0.5);
}

int Canvas_YKoordinateAusWert(const KurvenCanvas& c, int v) {
    // Values read from files may lie outside the range; they are drawn at its edge.
    v = std::clamp(v, c.min, c.max);
    const double h = c.plotHeight / static_cast<double>(c.max - c.min) * v;
    return c.zeroY - static_cast<int>(h < 0 ? h - 0.5 : h + 0.5);
}

int Canvas_WertAusYKoordinate(const KurvenCanvas& c, int y) {
    // Clamped before the conversion so that no pointer position overflows; same result as clamping after.
    const double roh =
        static_cast<double>(c.max - c.min) / c.plotHeight * (c.zeroY - static_cast<double>(y)) + 0.5;
    int v = static_cast<int>(std::clamp(roh, c.min - 1.0, c.max + 1.0));
    v = std::clamp(v, c.min, c.max);
    const int g = std::max(1, c.grid);
    v = v < 0 ? static_cast<int>(v / static_cast<double>(g) - 0.5) * g
              : static_cast<int>(v / static_cast<double>(g) + 0.5) * g;
    if (std::abs(v) < c.deadZone) v = 0;
    return v;
}

int Canvas_SchrittAusXKoordinate(const KurvenCanvas& c, int x) {
    if (c.xScale <= 0) return -1;
    const double f = (x - c.marginLeft) / c.xScale + c.first;
    if (c.first <= f && f < anzahlSchritte(c)) return static_cast<int>(f);
    return -1;
}

CanvasBereich Canvas_SichtbarerBereich(const KurvenCanvas& c) {
    const int n = anzahlSchritte(c);
    CanvasBereich b{c.first, c.first - 1};
    if (n <= 0) return b;
    b.last =
        c.first + n <= CANVAS_SICHTBARE_SCHRITTE ? c.first + n - 1 : c.first + CANVAS_SICHTBARE_SCHRITTE - 1;
    b.last = std::min(b.last, n - 1); // a first not yet brought into range draws nothing beyond the curve
    return b;
}

int Canvas_ErstenSchrittBegrenzen(int position, int n) {
    return std::clamp(position, 0, std::max(0, n - CANVAS_SICHTBARE_SCHRITTE));
}

std::vector<Zeitachsenmarke> Canvas_Zeitachsenmarken(const KurvenCanvas& c) {
    std::vector<Zeitachsenmarke> marken;
    for (int j = c.first; j <= c.first + CANVAS_SICHTBARE_SCHRITTE; ++j) {
        if (j % 10 != 0) continue;
        const int label = std::min(static_cast<int>(marken.size()), CANVAS_ZEITACHSE_LABELS - 1);
        marken.push_back({label, j, Canvas_XGitterKoordinate(c, j - c.first)});
    }
    return marken;
}

void Canvas_KanalInitialisieren(int kanal) {
    if (kanal < 0 || kanal >= KURVEN_ANZAHL) return;
    const int ctrl = Canvas_KanalControl(kanal);
    int top = 0, left = 0, height = 0, width = 0;
    GetCtrlAttribute(gKurvenPanel, ctrl, ATTR_TOP, &top);
    GetCtrlAttribute(gKurvenPanel, ctrl, ATTR_LEFT, &left);
    GetCtrlAttribute(gKurvenPanel, ctrl, ATTR_HEIGHT, &height);
    GetCtrlAttribute(gKurvenPanel, ctrl, ATTR_WIDTH, &width);
    Canvas_GeometrieSetzen(gKurvenCanvas[kanal], kanal, top, left, height, width);
}

void Canvas_Initialisieren() {
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        Canvas_KanalInitialisieren(k);
    Canvas_AllesZeichnen();
}

void Canvas_AllesZeichnen() {
    if (gKurvenPanel <= 0) return;
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        if (gKurvenCanvas[k].visible) kanalZeichnen(k);
    Canvas_ZeitachseBeschriften();
}

void Canvas_AlleKurvenNeuZeichnen() {
    Canvas_AllesZeichnen();
}

void Canvas_ErstenSchrittAnpassen(int position) {
    const int first = Canvas_ErstenSchrittBegrenzen(position, gKurven[0].count);
    for (KurvenCanvas& c : gKurvenCanvas)
        c.first = first;
}

void Canvas_KurvenScrollen() {
    Canvas_ErstenSchrittAnpassen(Scrollbar_PositionGet());
    Canvas_AllesZeichnen();
}

void Canvas_SichtbarUnsichtbar(int kanal, int sichtbar) {
    if (kanal < 0 || kanal >= KURVEN_ANZAHL) return;
    KurvenCanvas& c = gKurvenCanvas[kanal];
    c.visible = sichtbar ? 1 : 0;
    if (gKurvenPanel <= 0) return;
    SetCtrlAttribute(gKurvenPanel, Canvas_KanalControl(kanal), ATTR_VISIBLE, c.visible);
    SetCtrlAttribute(gKurvenPanel, Canvas_KanalControl(kanal) + CANVAS_NAMENSLABEL_VERSATZ, ATTR_VISIBLE,
                     c.visible);
}

int Canvas_IstVentildiagramm(int kanal) {
    if (kanal < 0 || kanal >= KURVEN_ANZAHL) return 0;
    // Before the canvases exist the channel's kind follows from its index.
    if (gKurvenCanvas[kanal].kind == 0) return Kurvenarrays_IstVentilkanal(kanal) ? 1 : 0;
    return gKurvenCanvas[kanal].kind == CANVAS_ART_VENTIL ? 1 : 0;
}

void Canvas_ZeitachseBeschriften() {
    if (gKurvenPanel <= 0) return;
    // Labels without a mark are empty. A label is touched only when its text or place changes, since
    // every text change lays the label out again; a text message sizes itself to its text.
    std::string texte[CANVAS_ZEITACHSE_LABELS];
    int linie[CANVAS_ZEITACHSE_LABELS] = {};
    const KurvenCanvas& c = gKurvenCanvas[0];
    for (const Zeitachsenmarke& m : Canvas_Zeitachsenmarken(c)) {
        texte[m.label] = std::to_string(m.schritt);
        linie[m.label] = c.left + m.x;
    }
    for (int l = 0; l < CANVAS_ZEITACHSE_LABELS; ++l) {
        const int ctrl = LABELS[l];
        std::string alt;
        GetCtrlVal(gKurvenPanel, ctrl, &alt);
        int links = 0;
        GetCtrlAttribute(gKurvenPanel, ctrl, ATTR_LEFT, &links);
        if (alt != texte[l]) {
            SetCtrlVal(gKurvenPanel, ctrl, texte[l].c_str());
            SetCtrlAttribute(gKurvenPanel, ctrl, ATTR_LEFT, links); // takes the new text's size
        }
        if (texte[l].empty()) continue;
        int breite = 0;
        GetCtrlAttribute(gKurvenPanel, ctrl, ATTR_WIDTH, &breite);
        const int neu = static_cast<int>(linie[l] - breite / 2.0 + 0.5);
        if (neu != links) SetCtrlAttribute(gKurvenPanel, ctrl, ATTR_LEFT, neu);
    }
}

void Canvas_Mausklick(int control, int rechts) {
    const int k = kanalVonControl(control);
    if (k < 0 || gKurvenPanel <= 0 || !gKurvenCanvas[k].curve) return;
    const KurvenCanvas& c = gKurvenCanvas[k];
    gGeste = Mausgeste{};
    gGeste.kanal = k;
    gGeste.rechts = rechts ? 1 : 0;
    if (!rechts && c.max - c.min != 1) {
        int hoehe = 0;
        GetCtrlAttribute(gKurvenPanel, KURVPANEL_YWERTANZEIGE, ATTR_HEIGHT, &hoehe);
        SetCtrlAttribute(gKurvenPanel, KURVPANEL_YWERTANZEIGE, ATTR_TOP, c.top - hoehe - 3);
        SetCtrlAttribute(gKurvenPanel, KURVPANEL_YWERTANZEIGE, ATTR_VISIBLE, 1);
    }
    abfragen();
}

void Canvas_MausBewegt(int control) {
    if (gGeste.kanal < 0 || gKurvenCanvas[gGeste.kanal].control != control) return;
    // A release that never arrived (the window lost the mouse) ends the gesture here, without an edit.
    int x = 0, y = 0, links = 0, rechts = 0, modifier = 0;
    GetRelativeMouseState(gKurvenPanel, control, &x, &y, &links, &rechts, &modifier);
    if (!(gGeste.rechts ? rechts : links)) {
        gesteBeenden();
        return;
    }
    abfragen();
}

void Canvas_MausLosgelassen(int control) {
    if (gGeste.kanal < 0 || gKurvenCanvas[gGeste.kanal].control != control) return;
    // The button was held up to here: a pointer that moved on since the last poll ends the stroke where
    // it is released.
    int x = 0, y = 0, links = 0, rechts = 0, modifier = 0;
    GetRelativeMouseState(gKurvenPanel, control, &x, &y, &links, &rechts, &modifier);
    if (gGeste.vorher && (x != gGeste.vorX || y != gGeste.vorY)) strichBis(x, y, modifier);
    gesteBeenden();
}

bool Canvas_GesteLaeuft() {
    return gGeste.kanal >= 0;
}
