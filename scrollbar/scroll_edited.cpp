// Scroll bar control drawn inside a graph control.

#include "scrollbar/scroll_edited.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace {

constexpr int CURSOR = 1;

std::function<ScrollBarUhr::time_point()>& uhr() {
    static std::function<ScrollBarUhr::time_point()> u;
    return u;
}

ScrollBarUhr::time_point jetzt() {
    return uhr() ? uhr()() : ScrollBarUhr::now();
}

// Records by (panel, control); the registry owns them, the graph keeps a pointer as its callback data.
// Guards the registry itself (lookups may come from another thread); each record has its own lock.
std::mutex& registerLock() {
    static std::mutex m;
    return m;
}

std::map<std::pair<int, int>, std::unique_ptr<ScrollBarInfo>>& records() {
    static std::map<std::pair<int, int>, std::unique_ptr<ScrollBarInfo>> r;
    return r;
}

int runden(double v) {
    return static_cast<int>(std::lround(v));
}

// position + d kept within int; the caller clamps to the range.
int verschoben(int position, long long d) {
    return static_cast<int>(std::clamp<long long>(position + d, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

ScrollBarMasse masse(const ScrollBarInfo& s) {
    return {.vertikal = (s.flags & SCROLLBAR_FLAG_VERTIKAL) != 0,
            .proportional = (s.flags & SCROLLBAR_FLAG_PROPORTIONAL) != 0,
            .width = s.width,
            .height = s.height,
            .pageSize = s.pageSize,
            .minimum = s.minimum,
            .maximum = s.maximum,
            .position = s.position};
}

// ---- drawing ---------------------------------------------------------------------------------------------
// Plot units are pixels: x 0 .. width-3, y 1 .. height-2 (y grows upward). `a` runs along the bar, `b`
// across it.
struct Zeichner {
    const ScrollBarInfo& s;
    bool ok = true;
    bool vertikal() const { return (s.flags & SCROLLBAR_FLAG_VERTIKAL) != 0; }
    double bMin() const { return vertikal() ? 0 : 1; }
    double bMax() const { return vertikal() ? s.width - 3 : s.height - 2; }
    void rechteck(double a1, double a2, double b1, double b2, int farbe) {
        const int r = vertikal() ? PlotRectangle(s.panel, s.control, b1, a1, b2, a2, farbe, farbe)
                                 : PlotRectangle(s.panel, s.control, a1, b1, a2, b2, farbe, farbe);
        ok = ok && r >= 0;
    }
    void linie(double a1, double b1, double a2, double b2, int farbe) {
        const int r = vertikal() ? PlotLine(s.panel, s.control, b1, a1, b2, a2, farbe)
                                 : PlotLine(s.panel, s.control, a1, b1, a2, b2, farbe);
        ok = ok && r >= 0;
    }
    // Raised (or pressed) bevel around a1..a2 across the whole bar. The light edge is at the top / left.
    void bevel(double a1, double a2, bool gedrueckt) {
        int hell = 0, dunkel = 0;
        GetHiliteAndShade(s.colour, &hell, &dunkel);
        if (gedrueckt) std::swap(hell, dunkel);
        double lo = bMin(), hi = bMax();
        if (!gedrueckt) {
            rahmen(a1, a2, lo, hi, VAL_BLACK);
            ++lo, --hi;
            ++a1, --a2;
        }
        // Light edge: top and left; dark edge: bottom and right. Along a horizontal bar b is y (up).
        if (vertikal()) {
            linie(a1, lo, a2, lo, hell);   // left (x = lo)
            linie(a2, lo, a2, hi, hell);   // top (y = a2)
            linie(a1, hi, a2, hi, dunkel); // right
            linie(a1, lo, a1, hi, dunkel); // bottom
        } else {
            linie(a1, lo, a1, hi, hell);   // left
            linie(a1, hi, a2, hi, hell);   // top
            linie(a2, lo, a2, hi, dunkel); // right
            linie(a1, lo, a2, lo, dunkel); // bottom
        }
    }
    void rahmen(double a1, double a2, double b1, double b2, int farbe) {
        linie(a1, b1, a2, b1, farbe);
        linie(a1, b2, a2, b2, farbe);
        linie(a1, b1, a1, b2, farbe);
        linie(a2, b1, a2, b2, farbe);
    }
    // Small black triangle in the button a1..a2 pointing toward the minimum (richtung -1) or maximum (+1)
    // end along the axis; in plot units the minimum end of a vertical bar is the high y.
    void pfeil(double a1, double a2, int richtung) {
        const double mitteA = (a1 + a2) / 2, mitteB = (bMin() + bMax()) / 2;
        const double halb = std::max(2.0, std::min(4.0, (bMax() - bMin()) / 2 - 3));
        for (int i = 0; i <= static_cast<int>(halb); ++i) {
            const double a = mitteA + richtung * (halb / 2 - i);
            linie(a, mitteB - i, a, mitteB + i, VAL_BLACK);
        }
    }
};

int dunkler(int farbe) {
    int erg = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int c = (farbe >> shift) & 0xFF;
        if (c > 0x10) c -= 0x10;
        erg |= c << shift;
    }
    return erg;
}

void DrawScrollBarThumb(ScrollBarInfo& s, Zeichner& z) {
    const bool vertikal = (s.flags & SCROLLBAR_FLAG_VERTIKAL) != 0;
    const int L = vertikal ? s.height : s.width;
    // Track between the buttons (axis units: horizontal 16 .. width-19, vertical 17 .. height-18).
    const double spurA1 = vertikal ? 17 : 16, spurA2 = vertikal ? L - 18 : L - 19;
    z.rechteck(spurA1, spurA2, z.bMin(), z.bMax(), s.colour);
    s.thumbHigh = s.thumbLow = -1;
    const ScrollBarDaumen d = ScrollBar_DaumenBerechnen(masse(s));
    s.travel = d.travel;
    s.travelStart = d.travelStart;
    if (!d.vorhanden) return;
    s.thumbHigh = d.hoch;
    s.thumbLow = d.tief;
    z.rechteck(d.tief, d.hoch, z.bMin(), z.bMax(), dunkler(s.colour));
    z.bevel(d.tief, d.hoch, false);
}

int DrawScrollBar(ScrollBarInfo& s) {
    const bool vertikal = (s.flags & SCROLLBAR_FLAG_VERTIKAL) != 0;
    Zeichner z{s};
    if (DeleteGraphPlot(s.panel, s.control, -1, VAL_DELAYED_DRAW) < 0) z.ok = false;
    const int L = vertikal ? s.height : s.width;
    const double aMin = vertikal ? 1 : 0, aMax = vertikal ? L - 2 : L - 3;
    z.rechteck(aMin, aMax, z.bMin(), z.bMax(), s.colour);
    // Buttons: the minimum end is the left of a horizontal bar and the top (high y) of a vertical one.
    const double minA1 = vertikal ? L - 17 : 0, minA2 = vertikal ? L - 2 : 15;
    const double maxA1 = vertikal ? 1 : L - 18, maxA2 = vertikal ? 16 : L - 3;
    z.bevel(minA1, minA2, s.pressedPart == SCROLLBAR_TEIL_KNOPF_MIN);
    z.pfeil(minA1, minA2, vertikal ? 1 : -1);
    z.bevel(maxA1, maxA2, s.pressedPart == SCROLLBAR_TEIL_KNOPF_MAX);
    z.pfeil(maxA1, maxA2, vertikal ? -1 : 1);
    DrawScrollBarThumb(s, z);
    if (RefreshGraph(s.panel, s.control) < 0) z.ok = false;
    return z.ok ? 0 : -1;
}

// ---- position --------------------------------------------------------------------------------------------

void SetScrollBarValue(ScrollBarInfo& s, int neu, int event) {
    neu = std::clamp(neu, s.minimum, s.maximum);
    if (s.userCallback) {
        const int vorher = s.position;
        const int verweigert = s.userCallback(s.panel, s.control, event, s.userData, neu, 0);
        if (verweigert) return;
        // A callback that set the position itself (ScrollBar_SetAttribute) keeps its choice.
        if (s.position != vorher) return;
    }
    s.position = std::clamp(neu, s.minimum, s.maximum);
    DrawScrollBar(s);
}

double mausKoordinate(const ScrollBarInfo& s) {
    double x = 0, y = 0;
    GetGraphCursor(s.panel, s.control, CURSOR, &x, &y);
    return (s.flags & SCROLLBAR_FLAG_VERTIKAL) ? y : x;
}

void UpdateScrollBarPosition(ScrollBarInfo& s, int teil) {
    const ScrollBarMasse m = masse(s);
    const ScrollBarDaumen d = ScrollBar_DaumenBerechnen(m);
    const double a = mausKoordinate(s);
    if (teil != SCROLLBAR_TEIL_DAUMEN && ScrollBar_Trefferpruefung(m, d, a) != teil) return;
    switch (teil) {
    case SCROLLBAR_TEIL_KNOPF_MIN:
        SetScrollBarValue(s, verschoben(s.position, -1), SCROLLBAR_EVENT_SCHRITT_MIN);
        break;
    case SCROLLBAR_TEIL_KNOPF_MAX:
        SetScrollBarValue(s, verschoben(s.position, 1), SCROLLBAR_EVENT_SCHRITT_MAX);
        break;
    case SCROLLBAR_TEIL_SPUR_MIN:
        SetScrollBarValue(s, verschoben(s.position, -static_cast<long long>(s.pageSize)),
                          SCROLLBAR_EVENT_SEITE_MIN);
        break;
    case SCROLLBAR_TEIL_SPUR_MAX:
        SetScrollBarValue(s, verschoben(s.position, s.pageSize), SCROLLBAR_EVENT_SEITE_MAX);
        break;
    case SCROLLBAR_TEIL_DAUMEN: {
        if (!d.vorhanden) return;
        const int neu = ScrollBar_DaumenPosition(m, d, a, s.grabOffset);
        if (neu != s.position) SetScrollBarValue(s, neu, SCROLLBAR_EVENT_SPRUNG);
        break;
    }
    default:
        break;
    }
}

void WiederholungStoppen(ScrollBarInfo& s) {
    if (s.repeatTimer) s.repeatTimer->stop();
}

void WiederholungStarten(ScrollBarInfo& s) {
    if (!s.repeatTimer) {
        s.repeatTimer = std::make_unique<QTimer>();
        s.repeatTimer->setTimerType(Qt::PreciseTimer);
        s.repeatTimer->setInterval(SCROLLBAR_WIEDERHOLUNG_INTERVALL / 2);
        const int panel = s.panel, control = s.control;
        QObject::connect(s.repeatTimer.get(), &QTimer::timeout,
                         [panel, control] { ScrollBar_WiederholungTick(panel, control); });
    }
    s.repeatTimer->start();
}

void DiscardScrollBarInfo(int panel, int control);

int GraphCallback(int panel, int control, int event, void* callbackData, int eventData1, int /*eventData2*/) {
    auto* s = static_cast<ScrollBarInfo*>(callbackData);
    if (!s || GetScrollBarPtr(panel, control) != s) return 0;
    if (event == EVENT_DISCARD) {
        DiscardScrollBarInfo(panel, control);
        return 0;
    }
    std::unique_lock<std::recursive_mutex> halt(s->lock);
    if (!s->valid) return 0;
    int gedimmt = 0;
    GetCtrlAttribute(panel, control, ATTR_DIMMED, &gedimmt);
    switch (event) {
    case EVENT_VAL_CHANGED: {
        if (gedimmt) return 0;
        if (s->pressedPart == SCROLLBAR_TEIL_KEINER) {
            const ScrollBarMasse m = masse(*s);
            const ScrollBarDaumen d = ScrollBar_DaumenBerechnen(m);
            const double a = mausKoordinate(*s);
            s->pressTime = jetzt();
            s->repeatsDone = 1;
            s->pressedPart = ScrollBar_Trefferpruefung(m, d, a);
            s->grabOffset = d.mitte - runden(a);
            if (s->pressedPart == SCROLLBAR_TEIL_KEINER) return 0;
            UpdateScrollBarPosition(*s, s->pressedPart);
            if (s->pressedPart != SCROLLBAR_TEIL_DAUMEN) {
                DrawScrollBar(*s); // the held button looks pressed
                WiederholungStarten(*s);
            }
        } else if (s->pressedPart == SCROLLBAR_TEIL_DAUMEN) {
            UpdateScrollBarPosition(*s, SCROLLBAR_TEIL_DAUMEN);
        }
        return 0;
    }
    case EVENT_COMMIT: {
        WiederholungStoppen(*s);
        SetGraphCursor(panel, control, CURSOR, 1, 1);
        if (s->pressedPart == SCROLLBAR_TEIL_KEINER) return 0;
        s->pressedPart = SCROLLBAR_TEIL_KEINER;
        DrawScrollBar(*s);
        if (s->userCallback) {
            const int vorher = s->position;
            s->userCallback(panel, control, SCROLLBAR_EVENT_LOSGELASSEN, s->userData, s->position, 0);
            if (s->position != vorher) DrawScrollBar(*s);
        }
        return 0;
    }
    case EVENT_KEYPRESS: {
        const ScrollBarTaste t =
            ScrollBar_TasteAuswerten(eventData1, s->position, s->minimum, s->maximum, s->pageSize);
        if (t.weitergeben) return 0;
        if (t.event == 0 || gedimmt) return 1;
        const int vorher = s->position;
        SetScrollBarValue(*s, t.position, t.event);
        if (s->position != vorher && s->userCallback)
            s->userCallback(panel, control, SCROLLBAR_EVENT_LOSGELASSEN, s->userData, s->position, 0);
        return 1;
    }
    default:
        return 0;
    }
}

ScrollBarInfo* CreateScrollBarInfo(int panel, int control) {
    std::lock_guard<std::mutex> reg(registerLock());
    auto& r = records()[{panel, control}];
    r = std::make_unique<ScrollBarInfo>();
    r->panel = panel;
    r->control = control;
    r->valid = 1;
    return r.get();
}

std::unique_ptr<ScrollBarInfo> recordEntnehmen(int panel, int control) {
    std::lock_guard<std::mutex> reg(registerLock());
    auto it = records().find({panel, control});
    if (it == records().end()) return nullptr;
    std::unique_ptr<ScrollBarInfo> s = std::move(it->second);
    records().erase(it);
    return s;
}

void recordBeenden(std::unique_ptr<ScrollBarInfo> s) {
    std::lock_guard<std::recursive_mutex> halt(s->lock);
    s->valid = 0;
    // The timer may be the one whose tick got us here: it goes when the event loop next runs.
    if (s->repeatTimer) {
        s->repeatTimer->stop();
        s->repeatTimer.release()->deleteLater();
    }
}

void DiscardScrollBarInfo(int panel, int control) {
    std::unique_ptr<ScrollBarInfo> s = recordEntnehmen(panel, control);
    if (!s) return;
    InstallCtrlCallback(panel, control, nullptr, nullptr);
    recordBeenden(std::move(s));
}

int AchsenSetzen(const ScrollBarInfo& s) {
    return SetAxisRange(s.panel, s.control, VAL_MANUAL, 0, s.width - 3, VAL_MANUAL, 1, s.height - 2);
}

} // namespace

// ---- plain functions -------------------------------------------------------------------------------------

ScrollBarDaumen ScrollBar_DaumenBerechnen(const ScrollBarMasse& m) {
    ScrollBarDaumen d;
    // 64-bit: any int range and page size are allowed.
    const long long range = static_cast<long long>(m.maximum) - m.minimum;
    const long long page = std::min<long long>(m.pageSize, range);
    const int L = m.vertikal ? m.height : m.width;
    double travel = L - 33;
    int h = 8;
    if (m.proportional && range + page != 0)
        h = std::max(8, runden(static_cast<double>(page) / (range + page) * travel / 2));
    travel -= 2 * h;
    const double start = h + (m.vertikal ? 17 : 15);
    d.h = h;
    d.travel = travel;
    d.travelStart = start;
    if (range == 0 || page == 0) return d;
    const double f = m.position > m.minimum
                         ? static_cast<double>(static_cast<long long>(m.position) - m.minimum) / range
                         : 0.0;
    int c = m.vertikal ? runden(m.height - start - f * travel) : runden(start + f * travel);
    const int unten = m.vertikal ? 16 + h : 15 + h;
    const int oben = m.vertikal ? m.height - 17 - h : m.width - 18 - h;
    c = std::max(unten, std::min(c, oben));
    d.vorhanden = true;
    d.mitte = c;
    d.hoch = c + h;
    d.tief = c - h;
    return d;
}

int ScrollBar_Trefferpruefung(const ScrollBarMasse& m, const ScrollBarDaumen& d, double a) {
    if (!d.vorhanden) return SCROLLBAR_TEIL_KEINER;
    const int p = runden(a);
    if (m.vertikal) {
        if (p > m.height - 17) return SCROLLBAR_TEIL_KNOPF_MIN;
        if (p < 16) return SCROLLBAR_TEIL_KNOPF_MAX;
        if (p >= d.tief && p <= d.hoch) return SCROLLBAR_TEIL_DAUMEN;
        return p > d.hoch ? SCROLLBAR_TEIL_SPUR_MIN : SCROLLBAR_TEIL_SPUR_MAX;
    }
    if (p < 15) return SCROLLBAR_TEIL_KNOPF_MIN;
    if (p > m.width - 18) return SCROLLBAR_TEIL_KNOPF_MAX;
    if (p >= d.tief && p <= d.hoch) return SCROLLBAR_TEIL_DAUMEN;
    return p < d.tief ? SCROLLBAR_TEIL_SPUR_MIN : SCROLLBAR_TEIL_SPUR_MAX;
}

int ScrollBar_DaumenPosition(const ScrollBarMasse& m, const ScrollBarDaumen& d, double a, int grabOffset) {
    if (d.travel <= 0) return m.minimum;
    const double weg = std::clamp(runden(a) - d.travelStart + grabOffset, 0.0, d.travel);
    const double f = m.vertikal ? 1 - weg / d.travel : weg / d.travel;
    return static_cast<int>(m.minimum +
                            static_cast<long long>(f * (static_cast<double>(m.maximum) - m.minimum)));
}

void GetHiliteAndShade(int colour, int* hilite, int* shade) {
    int hell = 0, dunkel = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int c6 = ((colour >> shift) & 0xFF) >> 2;
        hell |= ((c6 | 0xC0) & 0xFF) << shift;
        dunkel |= ((3 * c6) & 0xFF) << shift;
    }
    if (hilite) *hilite = hell;
    if (shade) *shade = dunkel;
}

ScrollBarTaste ScrollBar_TasteAuswerten(int keyCode, int position, int minimum, int maximum, int pageSize) {
    ScrollBarTaste t;
    if (keyCode == VAL_TAB_VKEY || keyCode == (VAL_TAB_VKEY | VAL_SHIFT_MODIFIER)) {
        t.weitergeben = true;
        return t;
    }
    switch (keyCode) {
    case VAL_UP_ARROW_VKEY:
        return {false, SCROLLBAR_EVENT_SCHRITT_MIN, verschoben(position, -1)};
    case VAL_DOWN_ARROW_VKEY:
        return {false, SCROLLBAR_EVENT_SCHRITT_MAX, verschoben(position, 1)};
    case VAL_HOME_VKEY:
        return {false, SCROLLBAR_EVENT_SPRUNG, minimum};
    case VAL_END_VKEY:
        return {false, SCROLLBAR_EVENT_SPRUNG, maximum};
    case VAL_PAGE_UP_VKEY:
        return {false, SCROLLBAR_EVENT_SEITE_MIN, verschoben(position, -static_cast<long long>(pageSize))};
    case VAL_PAGE_DOWN_VKEY:
        return {false, SCROLLBAR_EVENT_SEITE_MAX, verschoben(position, pageSize)};
    default:
        return t;
    }
}

int ScrollBar_WiederholungenFaellig(std::chrono::nanoseconds seitDruck) {
    if (seitDruck < SCROLLBAR_WIEDERHOLUNG_VERZOEGERUNG) return 1;
    return 2 + static_cast<int>((seitDruck - SCROLLBAR_WIEDERHOLUNG_VERZOEGERUNG) /
                                SCROLLBAR_WIEDERHOLUNG_INTERVALL);
}

// ---- the control -----------------------------------------------------------------------------------------

ScrollBarInfo* GetScrollBarPtr(int panel, int control) {
    ScrollBarInfo* s = nullptr;
    {
        std::lock_guard<std::mutex> reg(registerLock());
        auto it = records().find({panel, control});
        if (it == records().end()) return nullptr;
        s = it->second.get();
    }
    void* daten = nullptr;
    if (GetCtrlAttribute(panel, control, ATTR_CALLBACK_DATA, &daten) < 0) {
        // The control is gone (its panel was discarded): so is its record.
        if (auto alt = recordEntnehmen(panel, control)) recordBeenden(std::move(alt));
        return nullptr;
    }
    return daten == s ? s : nullptr;
}

int ScrollBar_ConvertFromGraph(int panel, int control, CtrlCallbackPtr callback, void* callbackData) {
    int stil = 0;
    if (GetCtrlAttribute(panel, control, ATTR_CTRL_STYLE, &stil) < 0) return -1;
    if (stil != CTRL_GRAPH) return SCROLLBAR_FEHLER_KEIN_GRAPH;
    if (!callback) {
        GetCtrlAttribute(panel, control, ATTR_CALLBACK_FUNCTION_POINTER, &callback);
        GetCtrlAttribute(panel, control, ATTR_CALLBACK_DATA, &callbackData);
    }
    int width = 0, height = 0, farbe = SCROLLBAR_FARBE_STANDARD;
    if (GetCtrlAttribute(panel, control, ATTR_WIDTH, &width) < 0 ||
        GetCtrlAttribute(panel, control, ATTR_HEIGHT, &height) < 0)
        return -1;
    GetCtrlAttribute(panel, control, ATTR_PLOT_BGCOLOR, &farbe);
    const bool vertikal = height >= width;
    if (vertikal) {
        width = std::max(width, 16), height = std::max(height, 64);
    } else {
        width = std::max(width, 64), height = std::max(height, 16);
    }
    if (GetScrollBarPtr(panel, control)) DiscardScrollBarInfo(panel, control);
    ScrollBarInfo* s = CreateScrollBarInfo(panel, control);
    std::unique_lock<std::recursive_mutex> halt(s->lock);
    bool ok = SetCtrlAttribute(panel, control, ATTR_WIDTH, width) >= 0 &&
              SetCtrlAttribute(panel, control, ATTR_HEIGHT, height) >= 0;
    ok = ok && SetCursorAttribute(panel, control, CURSOR, ATTR_CURSOR_COLOR, VAL_TRANSPARENT) >= 0;
    ok = ok && InstallCtrlCallback(panel, control, GraphCallback, s) >= 0;
    s->flags = SCROLLBAR_FLAG_PROPORTIONAL | (vertikal ? SCROLLBAR_FLAG_VERTIKAL : 0u);
    s->width = width;
    s->height = height;
    ok = ok && AchsenSetzen(*s) >= 0;
    s->userCallback = callback;
    s->userData = callbackData;
    s->colour = farbe & 0xFFFFFF;
    s->pageSize = 10;
    s->minimum = 0;
    s->maximum = 100;
    s->position = 0;
    s->pressedPart = SCROLLBAR_TEIL_KEINER;
    ok = ok && DrawScrollBar(*s) == 0;
    halt.unlock();
    if (!ok) {
        DiscardScrollBarInfo(panel, control);
        InstallCtrlCallback(panel, control, callback, callbackData);
        return -1;
    }
    return control;
}

int ScrollBar_Create(int panel, int top, int left, int vertical, CtrlCallbackPtr callback,
                     void* callbackData) {
    const int control = NewCtrl(panel, CTRL_GRAPH, "scroll bar", top, left);
    if (control < 0) return control;
    SetCtrlAttribute(panel, control, ATTR_WIDTH, vertical ? 16 : 120);
    SetCtrlAttribute(panel, control, ATTR_HEIGHT, vertical ? 120 : 16);
    SetCtrlAttribute(panel, control, ATTR_PLOT_BGCOLOR, SCROLLBAR_FARBE_STANDARD);
    const int erg = ScrollBar_ConvertFromGraph(panel, control, callback, callbackData);
    if (erg < 0) DiscardCtrl(panel, control);
    return erg;
}

int ScrollBar_RevertToGraph(int panel, int control) {
    ScrollBarInfo* s = GetScrollBarPtr(panel, control);
    if (!s) return -1;
    int farbe = 0;
    CtrlCallbackPtr cb = nullptr;
    void* daten = nullptr;
    {
        std::lock_guard<std::recursive_mutex> halt(s->lock);
        farbe = s->colour;
        cb = s->userCallback;
        daten = s->userData;
    }
    DiscardScrollBarInfo(panel, control);
    DeleteGraphPlot(panel, control, -1, VAL_IMMEDIATE_DRAW);
    SetCtrlAttribute(panel, control, ATTR_PLOT_BGCOLOR, farbe);
    InstallCtrlCallback(panel, control, cb, daten);
    return control;
}

int ScrollBar_SetAttribute(int panel, int control, int attribute, int value) {
    ScrollBarInfo* s = GetScrollBarPtr(panel, control);
    if (!s) return SCROLLBAR_FEHLER_KEIN_RECORD;
    std::lock_guard<std::recursive_mutex> halt(s->lock);
    if (!s->valid) return SCROLLBAR_FEHLER_KEIN_RECORD;
    const bool vertikal = (s->flags & SCROLLBAR_FLAG_VERTIKAL) != 0;
    switch (attribute) {
    case SCROLLBAR_ATTR_POSITION:
        if (value < s->minimum || value > s->maximum) return SCROLLBAR_FEHLER_WERT;
        s->position = value;
        break;
    case SCROLLBAR_ATTR_PAGE_SIZE:
        s->pageSize = value;
        break;
    case SCROLLBAR_ATTR_MINIMUM:
        if (value >= s->maximum) return SCROLLBAR_FEHLER_WERT;
        s->minimum = value;
        s->position = std::max(s->position, value);
        break;
    case SCROLLBAR_ATTR_MAXIMUM:
        if (value <= s->minimum) return SCROLLBAR_FEHLER_WERT;
        s->maximum = value;
        s->position = std::min(s->position, value);
        break;
    case SCROLLBAR_ATTR_COLOR:
        if (value < 0 || value > 0xFFFFFF) return SCROLLBAR_FEHLER_WERT;
        s->colour = value;
        break;
    case SCROLLBAR_ATTR_WIDTH:
        if (value < (vertikal ? 16 : 64) || value > 0x7FFF) return SCROLLBAR_FEHLER_WERT;
        s->width = value;
        SetCtrlAttribute(panel, control, ATTR_WIDTH, value);
        AchsenSetzen(*s);
        break;
    case SCROLLBAR_ATTR_HEIGHT:
        if (value < (vertikal ? 64 : 16) || value > 0x7FFF) return SCROLLBAR_FEHLER_WERT;
        s->height = value;
        SetCtrlAttribute(panel, control, ATTR_HEIGHT, value);
        AchsenSetzen(*s);
        break;
    case SCROLLBAR_ATTR_VERTICAL: {
        const bool neu = value != 0;
        if (neu == vertikal) return SCROLLBAR_OK;
        s->flags ^= SCROLLBAR_FLAG_VERTIKAL;
        std::swap(s->width, s->height);
        SetCtrlAttribute(panel, control, ATTR_WIDTH, s->width);
        SetCtrlAttribute(panel, control, ATTR_HEIGHT, s->height);
        AchsenSetzen(*s);
        break;
    }
    case SCROLLBAR_ATTR_PROPORTIONAL: {
        const bool neu = value != 0;
        if (neu == ((s->flags & SCROLLBAR_FLAG_PROPORTIONAL) != 0)) return SCROLLBAR_OK;
        s->flags ^= SCROLLBAR_FLAG_PROPORTIONAL;
        break;
    }
    default:
        return SCROLLBAR_FEHLER_ATTRIBUT;
    }
    DrawScrollBar(*s);
    return SCROLLBAR_OK;
}

int ScrollBar_GetAttribute(int panel, int control, int attribute, int* value) {
    ScrollBarInfo* s = GetScrollBarPtr(panel, control);
    if (!s || !value) return SCROLLBAR_FEHLER_KEIN_RECORD;
    std::lock_guard<std::recursive_mutex> halt(s->lock);
    if (!s->valid) return SCROLLBAR_FEHLER_KEIN_RECORD;
    switch (attribute) {
    case SCROLLBAR_ATTR_POSITION:
        *value = s->position;
        break;
    case SCROLLBAR_ATTR_PAGE_SIZE:
        *value = s->pageSize;
        break;
    case SCROLLBAR_ATTR_MINIMUM:
        *value = s->minimum;
        break;
    case SCROLLBAR_ATTR_MAXIMUM:
        *value = s->maximum;
        break;
    case SCROLLBAR_ATTR_COLOR:
        *value = s->colour;
        break;
    case SCROLLBAR_ATTR_WIDTH:
        *value = s->width;
        break;
    case SCROLLBAR_ATTR_HEIGHT:
        *value = s->height;
        break;
    case SCROLLBAR_ATTR_VERTICAL:
        *value = (s->flags & SCROLLBAR_FLAG_VERTIKAL) ? 1 : 0;
        break;
    case SCROLLBAR_ATTR_PROPORTIONAL:
        *value = (s->flags & SCROLLBAR_FLAG_PROPORTIONAL) ? 1 : 0;
        break;
    default:
        return SCROLLBAR_FEHLER_ATTRIBUT;
    }
    return SCROLLBAR_OK;
}

void ScrollBar_Update(int panel, int control) {
    ScrollBarInfo* s = GetScrollBarPtr(panel, control);
    if (!s) return;
    std::lock_guard<std::recursive_mutex> halt(s->lock);
    if (s->valid) UpdateScrollBarPosition(*s, SCROLLBAR_TEIL_DAUMEN);
}

void ScrollBar_UhrSetzen(std::function<ScrollBarUhr::time_point()> u) {
    uhr() = std::move(u);
}

void ScrollBar_WiederholungTick(int panel, int control) {
    ScrollBarInfo* s = GetScrollBarPtr(panel, control);
    if (!s) return;
    std::lock_guard<std::recursive_mutex> halt(s->lock);
    if (!s->valid || s->pressedPart == SCROLLBAR_TEIL_KEINER || s->pressedPart == SCROLLBAR_TEIL_DAUMEN) {
        if (s->valid) WiederholungStoppen(*s);
        return;
    }
    // At most one step per tick: a late tick never catches up in a burst.
    const int faellig = ScrollBar_WiederholungenFaellig(jetzt() - s->pressTime);
    if (faellig <= s->repeatsDone) return;
    s->repeatsDone = faellig;
    UpdateScrollBarPosition(*s, s->pressedPart);
}

int ScrollBar_GedrueckterTeil(int panel, int control) {
    ScrollBarInfo* s = GetScrollBarPtr(panel, control);
    if (!s) return SCROLLBAR_TEIL_KEINER;
    std::lock_guard<std::recursive_mutex> halt(s->lock);
    return s->pressedPart;
}

bool ScrollBar_WiederholungAktiv(int panel, int control) {
    ScrollBarInfo* s = GetScrollBarPtr(panel, control);
    if (!s) return false;
    std::lock_guard<std::recursive_mutex> halt(s->lock);
    return s->repeatTimer && s->repeatTimer->isActive();
}
