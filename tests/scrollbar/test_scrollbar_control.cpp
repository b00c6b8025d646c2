// Scroll bar on a real graph control (offscreen): attributes, mouse gestures, keys, auto-repeat with a
// controlled clock, and the curve window's use of it.

#include "resources/Plm1SteuerungGui.h"
#include "scrollbar/Scrollbar.h"
#include "scrollbar/scroll_edited.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace std::chrono_literals;

namespace {

struct Ereignis {
    int event, position;
    bool operator==(const Ereignis&) const = default;
};
std::vector<Ereignis> gEreignisse;
int gVerweigern = 0;   // user callback refuses changes
int gUmlenkenAuf = -1; // user callback sets this position itself

int aufzeichnen(int panel, int control, int event, void*, int position, int) {
    gEreignisse.push_back({event, position});
    if (gUmlenkenAuf >= 0) {
        const int ziel = gUmlenkenAuf;
        gUmlenkenAuf = -1;
        EXPECT_EQ(ScrollBar_SetAttribute(panel, control, SCROLLBAR_ATTR_POSITION, ziel), 0);
    }
    return gVerweigern;
}

ScrollBarUhr::time_point gJetzt{};

class ScrollBarControl : public ::testing::Test {
  protected:
    void SetUp() override {
        gEreignisse.clear();
        gVerweigern = 0;
        gUmlenkenAuf = -1;
        gJetzt = ScrollBarUhr::time_point{} + 1h;
        ScrollBar_UhrSetzen([] { return gJetzt; });
        panel = LoadPanel(0, "Plm1SteuerungGui.uir", KURVPANEL);
        ASSERT_GT(panel, 0);
        bar = ScrollBar_Create(panel, 10, 10, 0, aufzeichnen, nullptr);
        ASSERT_GT(bar, 0);
        ASSERT_EQ(ScrollBar_SetAttribute(panel, bar, SCROLLBAR_ATTR_WIDTH, 200), 0);
        ASSERT_EQ(ScrollBar_SetAttribute(panel, bar, SCROLLBAR_ATTR_POSITION, 50), 0); // thumb 91..107
    }
    void TearDown() override {
        ScrollBar_UhrSetzen({});
        DiscardPanel(panel);
    }
    // The graph reports the mouse through its cursor: a drag is a value change, the release a commit.
    int maus(int event, double x, int taste = 0) {
        SetGraphCursor(panel, bar, 1, x, 8);
        CtrlCallbackPtr fn = nullptr;
        void* daten = nullptr;
        GetCtrlAttribute(panel, bar, ATTR_CALLBACK_FUNCTION_POINTER, &fn);
        GetCtrlAttribute(panel, bar, ATTR_CALLBACK_DATA, &daten);
        EXPECT_NE(fn, nullptr);
        return fn ? fn(panel, bar, event, daten, taste, 0) : -99;
    }
    int taste(int code) { return maus(EVENT_KEYPRESS, 1, code); }
    int position() {
        int p = -1;
        EXPECT_EQ(ScrollBar_GetAttribute(panel, bar, SCROLLBAR_ATTR_POSITION, &p), 0);
        return p;
    }
    void ticken(std::chrono::milliseconds seitDruck) {
        gJetzt = ScrollBarUhr::time_point{} + 1h + seitDruck;
        ScrollBar_WiederholungTick(panel, bar);
    }
    int panel = 0, bar = 0;
};

} // namespace

TEST_F(ScrollBarControl, AttributesAcceptAndRefuse) {
    struct Fall {
        int attribut, wert, erwartet;
    };
    const Fall faelle[] = {
        {SCROLLBAR_ATTR_MINIMUM, 100, SCROLLBAR_FEHLER_WERT}, // not below the maximum
        {SCROLLBAR_ATTR_MINIMUM, 120, SCROLLBAR_FEHLER_WERT},
        {SCROLLBAR_ATTR_MAXIMUM, 0, SCROLLBAR_FEHLER_WERT},
        {SCROLLBAR_ATTR_POSITION, -1, SCROLLBAR_FEHLER_WERT},
        {SCROLLBAR_ATTR_POSITION, 101, SCROLLBAR_FEHLER_WERT},
        {SCROLLBAR_ATTR_COLOR, 0x1000000, SCROLLBAR_FEHLER_WERT},
        {SCROLLBAR_ATTR_WIDTH, 63, SCROLLBAR_FEHLER_WERT},
        {SCROLLBAR_ATTR_HEIGHT, 15, SCROLLBAR_FEHLER_WERT},
        {SCROLLBAR_ATTR_WIDTH, 0x8000, SCROLLBAR_FEHLER_WERT},
        {99, 1, SCROLLBAR_FEHLER_ATTRIBUT},
        {0, 1, SCROLLBAR_FEHLER_ATTRIBUT},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ScrollBar_SetAttribute(panel, bar, f.attribut, f.wert), f.erwartet)
            << f.attribut << " " << f.wert;
    // Refused values leave the record as it was.
    struct Wert {
        int attribut, wert;
    };
    for (const Wert w : {Wert{SCROLLBAR_ATTR_POSITION, 50}, Wert{SCROLLBAR_ATTR_MINIMUM, 0},
                         Wert{SCROLLBAR_ATTR_MAXIMUM, 100}, Wert{SCROLLBAR_ATTR_PAGE_SIZE, 10},
                         Wert{SCROLLBAR_ATTR_COLOR, SCROLLBAR_FARBE_STANDARD},
                         Wert{SCROLLBAR_ATTR_WIDTH, 200}, Wert{SCROLLBAR_ATTR_HEIGHT, 16},
                         Wert{SCROLLBAR_ATTR_VERTICAL, 0}, Wert{SCROLLBAR_ATTR_PROPORTIONAL, 1}}) {
        int v = -1;
        EXPECT_EQ(ScrollBar_GetAttribute(panel, bar, w.attribut, &v), 0);
        EXPECT_EQ(v, w.wert) << w.attribut;
    }
    int v = 0;
    EXPECT_EQ(ScrollBar_GetAttribute(panel, bar, 42, &v), SCROLLBAR_FEHLER_ATTRIBUT);
    EXPECT_EQ(ScrollBar_SetAttribute(panel, KURVPANEL_LADEN, SCROLLBAR_ATTR_POSITION, 1),
              SCROLLBAR_FEHLER_KEIN_RECORD);
    EXPECT_EQ(ScrollBar_GetAttribute(panel, KURVPANEL_LADEN, SCROLLBAR_ATTR_POSITION, &v),
              SCROLLBAR_FEHLER_KEIN_RECORD);
    EXPECT_EQ(ScrollBar_ConvertFromGraph(panel, KURVPANEL_LADEN, aufzeichnen, nullptr),
              SCROLLBAR_FEHLER_KEIN_GRAPH);
    // Turning it vertical swaps the sizes.
    EXPECT_EQ(ScrollBar_SetAttribute(panel, bar, SCROLLBAR_ATTR_VERTICAL, 7), 0);
    EXPECT_EQ(ScrollBar_GetAttribute(panel, bar, SCROLLBAR_ATTR_HEIGHT, &v), 0);
    EXPECT_EQ(v, 200);
    int breite = 0;
    GetCtrlAttribute(panel, bar, ATTR_WIDTH, &breite);
    EXPECT_EQ(breite, 16);
    EXPECT_TRUE(gEreignisse.empty()); // attributes never call the user callback
}

TEST_F(ScrollBarControl, RevertGivesTheGraphBack) {
    EXPECT_EQ(ScrollBar_RevertToGraph(panel, bar), bar);
    EXPECT_EQ(GetScrollBarPtr(panel, bar), nullptr);
    EXPECT_EQ(ScrollBar_RevertToGraph(panel, bar), -1);
    int v = 0;
    EXPECT_EQ(ScrollBar_GetAttribute(panel, bar, SCROLLBAR_ATTR_POSITION, &v), SCROLLBAR_FEHLER_KEIN_RECORD);
}

TEST_F(ScrollBarControl, ButtonsAndTrackStepAndReleaseReports) {
    struct Fall {
        double x;
        int event, position;
    };
    const Fall faelle[] = {{190, SCROLLBAR_EVENT_SCHRITT_MAX, 51},
                           {5, SCROLLBAR_EVENT_SCHRITT_MIN, 49},
                           {150, SCROLLBAR_EVENT_SEITE_MAX, 60},
                           {40, SCROLLBAR_EVENT_SEITE_MIN, 40}};
    for (const Fall& f : faelle) {
        ASSERT_EQ(ScrollBar_SetAttribute(panel, bar, SCROLLBAR_ATTR_POSITION, 50), 0);
        gEreignisse.clear();
        maus(EVENT_VAL_CHANGED, f.x);
        EXPECT_EQ(position(), f.position) << f.x;
        EXPECT_NE(ScrollBar_GedrueckterTeil(panel, bar), SCROLLBAR_TEIL_KEINER);
        maus(EVENT_COMMIT, f.x);
        EXPECT_EQ(ScrollBar_GedrueckterTeil(panel, bar), SCROLLBAR_TEIL_KEINER);
        const std::vector<Ereignis> erwartet = {{f.event, f.position},
                                                {SCROLLBAR_EVENT_LOSGELASSEN, f.position}};
        EXPECT_EQ(gEreignisse, erwartet) << f.x;
    }
}

TEST_F(ScrollBarControl, ThumbDragJumpsAndClamps) {
    maus(EVENT_VAL_CHANGED, 95); // grabbed 4 pixels left of the centre 99: no move yet
    EXPECT_TRUE(gEreignisse.empty());
    EXPECT_FALSE(ScrollBar_WiederholungAktiv(panel, bar)); // a held thumb does not repeat
    maus(EVENT_VAL_CHANGED, 125);                          // centre at 129: 106 / 151 of the range
    EXPECT_EQ(position(), 70);
    maus(EVENT_VAL_CHANGED, 125); // same place: nothing
    maus(EVENT_VAL_CHANGED, 300); // beyond the end
    EXPECT_EQ(position(), 100);
    maus(EVENT_COMMIT, 300);
    const std::vector<Ereignis> erwartet = {
        {SCROLLBAR_EVENT_SPRUNG, 70}, {SCROLLBAR_EVENT_SPRUNG, 100}, {SCROLLBAR_EVENT_LOSGELASSEN, 100}};
    EXPECT_EQ(gEreignisse, erwartet);
    double x = 0, y = 0;
    GetGraphCursor(panel, bar, 1, &x, &y);
    EXPECT_EQ(x, 1); // the cursor goes back after the release
}

TEST_F(ScrollBarControl, CallbackMayRefuseOrSetThePositionItself) {
    gVerweigern = 1;
    maus(EVENT_VAL_CHANGED, 190);
    maus(EVENT_COMMIT, 190);
    EXPECT_EQ(position(), 50);
    gVerweigern = 0;
    gUmlenkenAuf = 77; // sets an attribute from inside the callback: the lock is taken again
    maus(EVENT_VAL_CHANGED, 190);
    maus(EVENT_COMMIT, 190);
    EXPECT_EQ(position(), 77);
}

TEST_F(ScrollBarControl, KeysSetPositionAndReportRelease) {
    struct Fall {
        int taste, rueckgabe;
        std::vector<Ereignis> ereignisse;
        int position;
    };
    const Fall faelle[] = {
        {VAL_TAB_VKEY, 0, {}, 50},
        {VAL_TAB_VKEY | VAL_SHIFT_MODIFIER, 0, {}, 50},
        {VAL_LEFT_ARROW_VKEY, 1, {}, 50},
        {VAL_DOWN_ARROW_VKEY, 1, {{2, 51}, {6, 51}}, 51},
        {VAL_UP_ARROW_VKEY, 1, {{1, 50}, {6, 50}}, 50},
        {VAL_PAGE_DOWN_VKEY, 1, {{4, 60}, {6, 60}}, 60},
        {VAL_PAGE_UP_VKEY, 1, {{3, 50}, {6, 50}}, 50},
        {VAL_END_VKEY, 1, {{5, 100}, {6, 100}}, 100},
        {VAL_END_VKEY, 1, {{5, 100}}, 100}, // no change: no release report
        {VAL_HOME_VKEY, 1, {{5, 0}, {6, 0}}, 0},
        {VAL_UP_ARROW_VKEY, 1, {{1, 0}}, 0},
    };
    for (const Fall& f : faelle) {
        gEreignisse.clear();
        EXPECT_EQ(taste(f.taste), f.rueckgabe) << std::hex << f.taste;
        EXPECT_EQ(gEreignisse, f.ereignisse) << std::hex << f.taste;
        EXPECT_EQ(position(), f.position) << std::hex << f.taste;
    }
}

TEST_F(ScrollBarControl, AutoRepeatStepsAtOnceThenAfterHalfASecondPausesOffThePartStopsOnRelease) {
    maus(EVENT_VAL_CHANGED, 190); // t = 0: one step at once
    EXPECT_EQ(position(), 51);
    EXPECT_TRUE(ScrollBar_WiederholungAktiv(panel, bar)); // the control's timer ticks from now on
    ticken(100ms);
    ticken(499ms);
    EXPECT_EQ(position(), 51);
    ticken(500ms);
    EXPECT_EQ(position(), 52);
    ticken(520ms);
    EXPECT_EQ(position(), 52);
    ticken(550ms);
    ticken(600ms);
    EXPECT_EQ(position(), 54);
    ticken(2000ms); // a late tick makes one step, never a burst
    EXPECT_EQ(position(), 55);
    SetGraphCursor(panel, bar, 1, 150, 8); // off the button: paused
    ticken(2100ms);
    ticken(2200ms);
    EXPECT_EQ(position(), 55);
    SetGraphCursor(panel, bar, 1, 190, 8);
    ticken(2250ms);
    EXPECT_EQ(position(), 56);
    maus(EVENT_COMMIT, 190);
    EXPECT_FALSE(ScrollBar_WiederholungAktiv(panel, bar));
    ticken(3000ms);
    EXPECT_EQ(position(), 56);
    for (const Ereignis& e : gEreignisse) {
        if (&e != &gEreignisse.back()) {
            EXPECT_EQ(e.event, SCROLLBAR_EVENT_SCHRITT_MAX);
        }
    }
    EXPECT_EQ(gEreignisse.back(), (Ereignis{SCROLLBAR_EVENT_LOSGELASSEN, 56}));
}

TEST_F(ScrollBarControl, TrackRepeatStopsAtTheThumb) {
    maus(EVENT_VAL_CHANGED, 150); // track right of the thumb
    EXPECT_EQ(position(), 60);
    for (int t = 500; t <= 2000; t += 50)
        ticken(std::chrono::milliseconds(t));
    // At 80 the thumb (136..152) lies under the pointer: the track is no longer there and stepping pauses.
    EXPECT_EQ(position(), 80);
    maus(EVENT_COMMIT, 150);
}

TEST(ScrollbarKurven, CurveLengthSetsRangeOrDims) {
    const int panel = LoadPanel(0, "Plm1SteuerungGui.uir", KURVPANEL);
    ASSERT_GT(panel, 0);
    Scrollbar_Initialisieren(panel);
    ASSERT_NE(GetScrollBarPtr(panel, KURVPANEL_SCROLLBAR), nullptr);
    auto attr = [&](int a) {
        int v = -1;
        EXPECT_EQ(ScrollBar_GetAttribute(panel, KURVPANEL_SCROLLBAR, a, &v), 0);
        return v;
    };
    auto gedimmt = [&] {
        int v = -1;
        GetCtrlAttribute(panel, KURVPANEL_SCROLLBAR, ATTR_DIMMED, &v);
        return v;
    };
    EXPECT_EQ(gedimmt(), 1); // 10 steps at start
    EXPECT_EQ(attr(SCROLLBAR_ATTR_PAGE_SIZE), 50);
    EXPECT_EQ(attr(SCROLLBAR_ATTR_PROPORTIONAL), 1);
    Scrollbar_KurvenlaengeEinstellen(200);
    EXPECT_EQ(gedimmt(), 0);
    EXPECT_EQ(attr(SCROLLBAR_ATTR_MINIMUM), 0);
    EXPECT_EQ(attr(SCROLLBAR_ATTR_MAXIMUM), 150);
    EXPECT_EQ(attr(SCROLLBAR_ATTR_PAGE_SIZE), 50);
    ASSERT_EQ(ScrollBar_SetAttribute(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_POSITION, 120), 0);
    Scrollbar_PositionUebernehmen(120);
    EXPECT_EQ(Scrollbar_PositionGet(), 120);
    Scrollbar_KurvenlaengeEinstellen(100); // shorter range pulls the position back
    EXPECT_EQ(attr(SCROLLBAR_ATTR_POSITION), 50);
    EXPECT_EQ(Scrollbar_PositionGet(), 50);
    Scrollbar_KurvenlaengeEinstellen(50);
    EXPECT_EQ(gedimmt(), 1);
    EXPECT_EQ(attr(SCROLLBAR_ATTR_POSITION), 0);
    EXPECT_EQ(Scrollbar_PositionGet(), 0);
    ScrollBar_RevertToGraph(panel, KURVPANEL_SCROLLBAR);
    DiscardPanel(panel);
}
