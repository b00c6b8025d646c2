// Scroll bar without pixels: thumb geometry, hit test, thumb dragging, colours, keys, repeat schedule.

#include "scrollbar/scroll_edited.h"

#include <gtest/gtest.h>

#include <limits>

using namespace std::chrono_literals;

namespace {

ScrollBarMasse waagerecht200() {
    return {.vertikal = false,
            .proportional = true,
            .width = 200,
            .height = 16,
            .pageSize = 10,
            .minimum = 0,
            .maximum = 100,
            .position = 50};
}

ScrollBarMasse senkrecht200() {
    return {.vertikal = true,
            .proportional = true,
            .width = 16,
            .height = 200,
            .pageSize = 10,
            .minimum = 0,
            .maximum = 100,
            .position = 50};
}

} // namespace

TEST(ScrollBarGeometrie, WorkedExampleHorizontal200) {
    const ScrollBarDaumen d = ScrollBar_DaumenBerechnen(waagerecht200());
    ASSERT_TRUE(d.vorhanden);
    EXPECT_EQ(d.h, 8);
    EXPECT_DOUBLE_EQ(d.travel, 151);
    EXPECT_DOUBLE_EQ(d.travelStart, 23);
    EXPECT_EQ(d.mitte, 99);
    EXPECT_EQ(d.hoch, 107);
    EXPECT_EQ(d.tief, 91);
}

TEST(ScrollBarGeometrie, ThumbSizeAndEnds) {
    struct Fall {
        const char* name;
        ScrollBarMasse m;
        int h, mitte;
    };
    ScrollBarMasse gross = waagerecht200();
    gross.pageSize = 100; // page = range: h = round(100/200 * 167/2) = 42
    ScrollBarMasse fest = waagerecht200();
    fest.proportional = false;
    fest.pageSize = 100;
    ScrollBarMasse anfang = waagerecht200();
    anfang.position = 0;
    ScrollBarMasse ende = waagerecht200();
    ende.position = 100;
    ScrollBarMasse seiteGroesser = waagerecht200();
    seiteGroesser.pageSize = 1000; // page is cut to the range
    ScrollBarMasse weit = waagerecht200();
    weit.maximum = 1000; // page 10 of 1000: the proportional size (1 pixel) is held at the minimum
    weit.position = 500;
    const Fall faelle[] = {
        {"proportional", gross, 42, 99}, // start 57, travel 83: 57 + 41.5 -> 99
        {"fixed", fest, 8, 99},
        {"at minimum", anfang, 8, 23},
        {"at maximum", ende, 8, 174},
        {"page beyond range", seiteGroesser, 42, 99},
        {"range far beyond page", weit, 8, 99},
        {"vertical, top is minimum", senkrecht200(), 8, 100}, // 200 - 25 - 75.5 = 99.5 -> 100
    };
    for (const Fall& f : faelle) {
        const ScrollBarDaumen d = ScrollBar_DaumenBerechnen(f.m);
        EXPECT_EQ(d.h, f.h) << f.name;
        EXPECT_EQ(d.mitte, f.mitte) << f.name;
        EXPECT_EQ(d.hoch - d.tief, 2 * f.h) << f.name;
    }
}

TEST(ScrollBarGeometrie, NoThumbWithoutPage) {
    ScrollBarMasse m = waagerecht200();
    m.pageSize = 0;
    const ScrollBarDaumen d = ScrollBar_DaumenBerechnen(m);
    EXPECT_FALSE(d.vorhanden);
    EXPECT_EQ(ScrollBar_Trefferpruefung(m, d, 5), SCROLLBAR_TEIL_KEINER);
    EXPECT_EQ(ScrollBar_Trefferpruefung(m, d, 99), SCROLLBAR_TEIL_KEINER);
}

TEST(ScrollBarGeometrie, HitTestEveryPart) {
    const ScrollBarMasse h = waagerecht200(); // thumb 91..107
    const ScrollBarMasse v = senkrecht200();  // thumb 92..108, y grows upward, minimum at the top
    const ScrollBarDaumen dh = ScrollBar_DaumenBerechnen(h), dv = ScrollBar_DaumenBerechnen(v);
    struct Fall {
        bool vertikal;
        double a;
        int teil;
    };
    const Fall faelle[] = {
        {false, 0, SCROLLBAR_TEIL_KNOPF_MIN},   {false, 14.4, SCROLLBAR_TEIL_KNOPF_MIN},
        {false, 15, SCROLLBAR_TEIL_SPUR_MIN},   {false, 90, SCROLLBAR_TEIL_SPUR_MIN},
        {false, 91, SCROLLBAR_TEIL_DAUMEN},     {false, 99, SCROLLBAR_TEIL_DAUMEN},
        {false, 107, SCROLLBAR_TEIL_DAUMEN},    {false, 108, SCROLLBAR_TEIL_SPUR_MAX},
        {false, 182, SCROLLBAR_TEIL_SPUR_MAX},  {false, 183, SCROLLBAR_TEIL_KNOPF_MAX},
        {false, 197, SCROLLBAR_TEIL_KNOPF_MAX}, {true, 198, SCROLLBAR_TEIL_KNOPF_MIN},
        {true, 184, SCROLLBAR_TEIL_KNOPF_MIN},  {true, 183, SCROLLBAR_TEIL_SPUR_MIN},
        {true, 109, SCROLLBAR_TEIL_SPUR_MIN},   {true, 108, SCROLLBAR_TEIL_DAUMEN},
        {true, 92, SCROLLBAR_TEIL_DAUMEN},      {true, 91, SCROLLBAR_TEIL_SPUR_MAX},
        {true, 16, SCROLLBAR_TEIL_SPUR_MAX},    {true, 15, SCROLLBAR_TEIL_KNOPF_MAX},
        {true, 1, SCROLLBAR_TEIL_KNOPF_MAX},
    };
    for (const Fall& f : faelle) {
        const int teil =
            f.vertikal ? ScrollBar_Trefferpruefung(v, dv, f.a) : ScrollBar_Trefferpruefung(h, dh, f.a);
        EXPECT_EQ(teil, f.teil) << (f.vertikal ? "vertical " : "horizontal ") << f.a;
    }
}

TEST(ScrollBarGeometrie, ThumbDragPositions) {
    const ScrollBarMasse h = waagerecht200();
    const ScrollBarDaumen dh = ScrollBar_DaumenBerechnen(h);
    const ScrollBarMasse v = senkrecht200();
    const ScrollBarDaumen dv = ScrollBar_DaumenBerechnen(v);
    EXPECT_EQ(ScrollBar_DaumenPosition(h, dh, 23, 0), 0);
    EXPECT_EQ(ScrollBar_DaumenPosition(h, dh, 0, 0), 0);     // kept at the start of the travel
    EXPECT_EQ(ScrollBar_DaumenPosition(h, dh, 174, 0), 100); // end of the travel
    EXPECT_EQ(ScrollBar_DaumenPosition(h, dh, 199, 0), 100);
    EXPECT_EQ(ScrollBar_DaumenPosition(h, dh, 98.6, 0), 50); // 76 / 151 of the range, truncated
    EXPECT_EQ(ScrollBar_DaumenPosition(h, dh, 95, 4), 50);   // grabbed 4 pixels left of the centre
    EXPECT_EQ(ScrollBar_DaumenPosition(v, dv, 25, 0), 100);  // bottom of a vertical bar is the maximum
    EXPECT_EQ(ScrollBar_DaumenPosition(v, dv, 176, 0), 0);
}

TEST(ScrollBarGeometrie, HighlightAndShade) {
    struct Fall {
        int farbe, hell, dunkel;
    };
    const Fall faelle[] = {{0xC0C0C0, 0xF0F0F0, 0x909090},
                           {0x000000, 0xC0C0C0, 0x000000},
                           {0xFFFFFF, 0xFFFFFF, 0xBDBDBD},
                           {0x4080C0, 0xD0E0F0, 0x306090}};
    for (const Fall& f : faelle) {
        int hell = -1, dunkel = -1;
        GetHiliteAndShade(f.farbe, &hell, &dunkel);
        EXPECT_EQ(hell, f.hell) << std::hex << f.farbe;
        EXPECT_EQ(dunkel, f.dunkel) << std::hex << f.farbe;
    }
}

TEST(ScrollBarTasten, KeysAndTheirEvents) {
    struct Fall {
        int taste;
        bool weiter;
        int event, position;
    };
    // position 40, range 0..100, page 10
    const Fall faelle[] = {
        {VAL_TAB_VKEY, true, 0, 0},
        {VAL_TAB_VKEY | VAL_SHIFT_MODIFIER, true, 0, 0},
        {VAL_UP_ARROW_VKEY, false, SCROLLBAR_EVENT_SCHRITT_MIN, 39},
        {VAL_DOWN_ARROW_VKEY, false, SCROLLBAR_EVENT_SCHRITT_MAX, 41},
        {VAL_HOME_VKEY, false, SCROLLBAR_EVENT_SPRUNG, 0},
        {VAL_END_VKEY, false, SCROLLBAR_EVENT_SPRUNG, 100},
        {VAL_PAGE_UP_VKEY, false, SCROLLBAR_EVENT_SEITE_MIN, 30},
        {VAL_PAGE_DOWN_VKEY, false, SCROLLBAR_EVENT_SEITE_MAX, 50},
        {VAL_LEFT_ARROW_VKEY, false, 0, 0},
        {VAL_RIGHT_ARROW_VKEY, false, 0, 0},
        {'a', false, 0, 0},
        {VAL_DOWN_ARROW_VKEY | VAL_MENUKEY_MODIFIER, false, 0, 0},
    };
    for (const Fall& f : faelle) {
        const ScrollBarTaste t = ScrollBar_TasteAuswerten(f.taste, 40, 0, 100, 10);
        EXPECT_EQ(t.weitergeben, f.weiter) << std::hex << f.taste;
        EXPECT_EQ(t.event, f.event) << std::hex << f.taste;
        if (f.event) {
            EXPECT_EQ(t.position, f.position) << std::hex << f.taste;
        }
    }
}

TEST(ScrollBarWiederholung, ScheduleStepsAtOnceThenAfterHalfASecondThenSteadily) {
    struct Fall {
        std::chrono::milliseconds t;
        int faellig;
    };
    const Fall faelle[] = {{0ms, 1},   {10ms, 1},  {499ms, 1},   {500ms, 2},  {549ms, 2},
                           {550ms, 3}, {600ms, 4}, {1000ms, 12}, {1500ms, 22}};
    for (const Fall& f : faelle)
        EXPECT_EQ(ScrollBar_WiederholungenFaellig(f.t), f.faellig) << f.t.count();
}

TEST(ScrollBarGeometrie, ExtremeRangesStayDefined) {
    ScrollBarMasse m = waagerecht200();
    m.minimum = std::numeric_limits<int>::min();
    m.maximum = std::numeric_limits<int>::max();
    m.pageSize = std::numeric_limits<int>::max();
    m.position = std::numeric_limits<int>::max();
    const ScrollBarDaumen d = ScrollBar_DaumenBerechnen(m);
    ASSERT_TRUE(d.vorhanden);
    EXPECT_EQ(d.hoch, 200 - 18);                                   // at the maximum end
    EXPECT_EQ(ScrollBar_DaumenPosition(m, d, 1000, 0), m.maximum); // end of the travel
    EXPECT_EQ(ScrollBar_DaumenPosition(m, d, -1000, 0), m.minimum);
    const ScrollBarTaste vor = ScrollBar_TasteAuswerten(VAL_PAGE_DOWN_VKEY, m.maximum - 5, m.minimum,
                                                        m.maximum, std::numeric_limits<int>::max());
    EXPECT_EQ(vor.position, m.maximum);
    const ScrollBarTaste zurueck = ScrollBar_TasteAuswerten(VAL_PAGE_UP_VKEY, m.minimum + 5, m.minimum,
                                                            m.maximum, std::numeric_limits<int>::max());
    EXPECT_EQ(zurueck.position, m.minimum);
    EXPECT_EQ(ScrollBar_TasteAuswerten(VAL_UP_ARROW_VKEY, m.minimum, m.minimum, m.maximum, 1).position,
              m.minimum);
}
