// Curve canvas coordinate rules without a window: values from pointer heights, steps from x, the
// visible range, the first visible step and the time-axis marks.

#include "cycle/CanvasFunktionen.h"

#include <gtest/gtest.h>

namespace {

// Pump canvas 911 x 110 (18 pixels per step, plot height 100, zero line at y 55) and valve canvas 911 x 28.
KurvenCanvas pumpe(Kurvenarray* kurve, int first = 0) {
    KurvenCanvas c;
    Canvas_GeometrieSetzen(c, 0, 0, 0, 110, 911);
    c.curve = kurve;
    c.first = first;
    return c;
}

KurvenCanvas ventil(Kurvenarray* kurve) {
    KurvenCanvas c;
    Canvas_GeometrieSetzen(c, 2, 0, 0, 28, 911);
    c.curve = kurve;
    return c;
}

Kurvenarray kurve(int n) {
    return Kurvenarray{n, std::vector<int32_t>(static_cast<size_t>(n), 0)};
}

} // namespace

TEST(CanvasRegeln, StateOfPumpAndValveChannels) {
    Kurvenarray k = kurve(10);
    const KurvenCanvas p = pumpe(&k), v = ventil(&k);
    EXPECT_EQ(p.kind, CANVAS_ART_PUMPE);
    EXPECT_EQ(v.kind, CANVAS_ART_VENTIL);
    EXPECT_DOUBLE_EQ(p.xScale, 18.0);
    EXPECT_EQ(p.plotHeight, 100);
    EXPECT_EQ(p.plotWidth, 900);
    EXPECT_EQ(p.zeroY, 55); // middle of the plot
    EXPECT_EQ(v.zeroY, 23); // bottom of the plot
    EXPECT_EQ(p.zeroLine, 1);
    EXPECT_EQ(v.zeroLine, 0);
    EXPECT_EQ(p.grid, 10);
    EXPECT_EQ(p.deadZone, 30);
    EXPECT_EQ(v.grid, 1);
    EXPECT_EQ(v.deadZone, 0);
    EXPECT_EQ(Canvas_IstVentildiagramm(0), 0);
    EXPECT_EQ(Canvas_IstVentildiagramm(1), 0);
    for (int kanal = 2; kanal < KURVEN_ANZAHL; ++kanal)
        EXPECT_EQ(Canvas_IstVentildiagramm(kanal), 1);
}

TEST(CanvasRegeln, ValueFromPointerHeight) {
    Kurvenarray k = kurve(10);
    const KurvenCanvas p = pumpe(&k), v = ventil(&k);
    struct Fall {
        const char* name;
        bool istPumpe;
        int y, wert;
    };
    const Fall faelle[] = {
        {"half-way up", true, 30, 50},
        {"just above the zero line", true, 54, 0},
        {"zero line", true, 55, 0},
        {"worth 24: raster 20, dead zone 0", true, 43, 0},
        {"worth 26: raster 30", true, 42, 30},
        {"worth -23: raster -20, dead zone 0", true, 67, 0},
        {"worth -29: raster -30", true, 70, -30},
        {"worth 70.5", true, 20, 70},
        {"top of the plot", true, 5, 100},
        {"above the plot", true, 0, 100},
        {"far above", true, -500, 100},
        {"bottom of the plot", true, 105, -100},
        {"below the plot", true, 109, -100},
        {"far below", true, 5000, -100},
        {"valve top", false, 5, 1},
        {"valve middle", false, 14, 1},
        {"valve low", false, 20, 0},
        {"valve above", false, -3, 1},
        {"valve below", false, 27, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Canvas_WertAusYKoordinate(f.istPumpe ? p : v, f.y), f.wert) << f.name;
}

TEST(CanvasRegeln, HeightOfValuesRoundsHalfAwayFromZero) {
    Kurvenarray k = kurve(10);
    const KurvenCanvas p = pumpe(&k), v = ventil(&k);
    struct Fall {
        bool istPumpe;
        int wert, y;
    };
    const Fall faelle[] = {{true, 0, 55},       {true, 100, 5}, {true, -100, 105}, {true, 30, 40},
                           {true, -30, 70},     {true, 1, 54},  {true, -1, 56},    {true, 1000, 5},
                           {true, -99999, 105}, {false, 1, 5},  {false, 0, 23}};
    for (const Fall& f : faelle)
        EXPECT_EQ(Canvas_YKoordinateAusWert(f.istPumpe ? p : v, f.wert), f.y) << f.wert;
}

TEST(CanvasRegeln, StepFromX) {
    Kurvenarray zehn = kurve(10), lang = kurve(120);
    const KurvenCanvas p = pumpe(&zehn), g = pumpe(&lang, 70);
    struct Fall {
        const KurvenCanvas* c;
        int x, schritt;
    };
    const Fall faelle[] = {
        {&p, 4, -1},   {&p, 5, 0},    {&p, 22, 0},    {&p, 23, 1},
        {&p, 184, 9},  {&p, 185, -1}, // right of the tenth step
        {&p, 600, -1}, {&g, 5, 70},   {&g, 904, 119}, {&g, 905, -1},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Canvas_SchrittAusXKoordinate(*f.c, f.x), f.schritt) << f.x;
}

TEST(CanvasRegeln, GridCoordinateRounds) {
    KurvenCanvas c;
    Canvas_GeometrieSetzen(c, 0, 0, 0, 110, 100); // 1.78 pixels per step
    EXPECT_EQ(Canvas_XGitterKoordinate(c, 0), 5);
    EXPECT_EQ(Canvas_XGitterKoordinate(c, 1), 7); // 6.78 + 0.5
    EXPECT_EQ(Canvas_XGitterKoordinate(c, 2), 9); // 8.56 + 0.5
    EXPECT_EQ(Canvas_XGitterKoordinate(c, 50), 94);
}

TEST(CanvasRegeln, VisibleRangeFirstStepAndTimeAxis) {
    struct Fall {
        const char* name;
        int n, position;
        int first, last;
        std::vector<int> labels; // step numbers on LABEL1..
    };
    const Fall faelle[] = {
        {"120 steps at 70", 120, 70, 70, 119, {70, 80, 90, 100, 110, 120}},
        {"120 steps at 75", 120, 75, 70, 119, {70, 80, 90, 100, 110, 120}},
        {"30 steps", 30, 0, 0, 29, {0, 10, 20, 30, 40, 50}},
        {"30 steps, position beyond", 30, 12, 0, 29, {0, 10, 20, 30, 40, 50}},
        {"200 steps at 73", 200, 73, 73, 122, {80, 90, 100, 110, 120}},
        {"negative position", 200, -4, 0, 49, {0, 10, 20, 30, 40, 50}},
        {"one step", 1, 0, 0, 0, {0, 10, 20, 30, 40, 50}},
        {"50 steps", 50, 0, 0, 49, {0, 10, 20, 30, 40, 50}},
        {"600 steps at the end", 600, 550, 550, 599, {550, 560, 570, 580, 590, 600}},
    };
    for (const Fall& f : faelle) {
        Kurvenarray k = kurve(f.n);
        const KurvenCanvas c = pumpe(&k, Canvas_ErstenSchrittBegrenzen(f.position, f.n));
        const CanvasBereich b = Canvas_SichtbarerBereich(c);
        EXPECT_EQ(b.first, f.first) << f.name;
        EXPECT_EQ(b.last, f.last) << f.name;
        const std::vector<Zeitachsenmarke> marken = Canvas_Zeitachsenmarken(c);
        ASSERT_EQ(marken.size(), f.labels.size()) << f.name;
        for (size_t i = 0; i < marken.size(); ++i) {
            EXPECT_EQ(marken[i].label, static_cast<int>(i)) << f.name;
            EXPECT_EQ(marken[i].schritt, f.labels[i]) << f.name;
            EXPECT_EQ(marken[i].x, 5 + 18 * (f.labels[i] - c.first)) << f.name;
        }
    }
}
