// The strip chart: traces in their colours from the caller's history, gaps left out, the view following
// the newest point or held and scrolled back, and the calls' refusals.

#include "ui_testhilfe.h"

#include "platform/ui/ui_streifen.h"

#include <QApplication>
#include <QImage>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace testui;

namespace {

enum : int { STREIFEN = 1, KEIN_STREIFEN = 2 };
constexpr int ROT = 0xFF0000, BLAU = 0x0000FF, GRUEN = 0x00C000;

// 600 points one second apart: trace 0 at 100, trace 1 at -100, trace 2 never a value, trace 3 at 50 with
// no values from 1300 s to 1359 s.
constexpr double LUECKE_VON = 1300, LUECKE_BIS = 1359;
class Verlauf : public StripChartQuelle {
  public:
    long anzahl() const override { return 600; }
    double zeit(long i) const override { return 1000.0 + i; }
    double wert(long i, int spur) const override {
        switch (spur) {
        case 0:
            return 100;
        case 1:
            return -100;
        case 3:
            return zeit(i) >= LUECKE_VON && zeit(i) <= LUECKE_BIS ? NAN : 50;
        default:
            return NAN;
        }
    }
};

class UiStreifen : public ::testing::Test {
  protected:
    void SetUp() override {
        PanelDef p;
        p.id = 95;
        p.title = "Streifen";
        p.width = 500;
        p.height = 300;
        p.ctrls.push_back(ctrlDef(STREIFEN, CtrlArt::Streifenschreiber, 10, 10, 400, 200));
        p.ctrls.push_back(ctrlDef(KEIN_STREIFEN, CtrlArt::Canvas, 220, 10, 50, 50));
        panel = UI_PanelDefLaden(p);
        ASSERT_GT(panel, 0);
        DisplayPanel(panel);
    }
    void TearDown() override { DiscardPanel(panel); }
    QImage bild() {
        return UI_CtrlWidget(panel, STREIFEN)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Mostly of the colour's one channel (lines are antialiased, so not all exactly it).
    static bool hat(QRgb p, int rgb) {
        const auto kanal = [](QRgb p, int k) { return k == 0 ? qRed(p) : k == 1 ? qGreen(p) : qBlue(p); };
        const int k = rgb == ROT ? 0 : rgb == GRUEN ? 1 : 2;
        return kanal(p, k) > 120 && kanal(p, (k + 1) % 3) < 90 && kanal(p, (k + 2) % 3) < 90;
    }
    int pixelMit(int rgb) {
        const QImage b = bild();
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += hat(b.pixel(x, y), rgb);
        return n;
    }
    // Dark pixels in the corner over the value labels, where the unit goes.
    int einheitPixel() {
        const QImage b = bild();
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 48; ++x)
                n += qGray(b.pixel(x, y)) < 128;
        return n;
    }
    double ende() {
        double e = 0;
        EXPECT_EQ(GetStripChartViewEnd(panel, STREIFEN, &e), 0);
        return e;
    }
    int panel = 0;
    Verlauf verlauf;
};

} // namespace

TEST_F(UiStreifen, SpurenInIhrenFarbenLueckenBleibenLeer) {
    int stil = 0;
    GetCtrlAttribute(panel, STREIFEN, ATTR_CTRL_STYLE, &stil);
    EXPECT_EQ(stil, CTRL_STRIP_CHART);
    ASSERT_EQ(SetStripChartSource(panel, STREIFEN, &verlauf, 3), 0);
    ASSERT_EQ(SetStripChartTrace(panel, STREIFEN, 0, ROT, 0, ""), 0);
    ASSERT_EQ(SetStripChartTrace(panel, STREIFEN, 1, BLAU, 0, ""), 0);
    ASSERT_EQ(SetStripChartTrace(panel, STREIFEN, 2, GRUEN, 0, ""), 0);
    ASSERT_EQ(SetStripChartSpan(panel, STREIFEN, 60), 0);
    // A horizontal line across the plot area (some 340 px) in each colour that has values.
    EXPECT_GT(pixelMit(ROT), 300);
    EXPECT_GT(pixelMit(BLAU), 300);
    EXPECT_EQ(pixelMit(GRUEN), 0) << "a trace without values draws nothing";
    EXPECT_EQ(ende(), verlauf.zeit(599)) << "follows the newest point";
    // The unit is the caller's: none until one is set.
    EXPECT_EQ(einheitPixel(), 0);
    ASSERT_EQ(SetStripChartUnit(panel, STREIFEN, "bar"), 0);
    EXPECT_GT(einheitPixel(), 10);

    // Trace 3 in green over all 600 s: its line stops where values are missing and goes on after them. The
    // line's row is the one it fills most; its ends are the first and the newest point.
    ASSERT_EQ(SetStripChartSource(panel, STREIFEN, &verlauf, 4), 0);
    ASSERT_EQ(SetStripChartTrace(panel, STREIFEN, 3, GRUEN, 0, ""), 0);
    ASSERT_EQ(SetStripChartSpan(panel, STREIFEN, 600), 0);
    const QImage b = bild();
    int zeile = -1, meiste = 0;
    for (int y = 0; y < b.height(); ++y) {
        int n = 0;
        for (int x = 0; x < b.width(); ++x)
            n += hat(b.pixel(x, y), GRUEN);
        if (n > meiste) {
            meiste = n;
            zeile = y;
        }
    }
    ASSERT_GT(meiste, 200) << "the line outside the gap";
    int links = b.width(), rechts = -1;
    for (int x = 0; x < b.width(); ++x)
        if (hat(b.pixel(x, zeile), GRUEN)) {
            links = std::min(links, x);
            rechts = std::max(rechts, x);
        }
    const auto spalte = [&](double t) {
        return static_cast<int>(std::lround(links + (t - verlauf.zeit(0)) * (rechts - links) / 599.0));
    };
    const auto gruenBei = [&](int x) {
        for (int y = zeile - 2; y <= zeile + 2; ++y)
            if (hat(b.pixel(x, y), GRUEN)) return true;
        return false;
    };
    for (int x = spalte(LUECKE_VON + 3); x <= spalte(LUECKE_BIS - 3); ++x)
        EXPECT_FALSE(gruenBei(x)) << "x " << x << " lies in the gap";
    for (const double t : {LUECKE_VON - 20, LUECKE_VON - 4, LUECKE_BIS + 4, LUECKE_BIS + 20})
        EXPECT_TRUE(gruenBei(spalte(t))) << "t " << t << " has a value";
}

TEST_F(UiStreifen, AngehaltenBleibtStehenUndLaesstSichZurueckblaettern) {
    ASSERT_EQ(SetStripChartSource(panel, STREIFEN, &verlauf, 2), 0);
    ASSERT_EQ(SetStripChartSpan(panel, STREIFEN, 100), 0);
    ASSERT_EQ(SetStripChartPaused(panel, STREIFEN, 1), 0);
    EXPECT_EQ(ende(), 1599);
    // Each wheel notch away from the user moves the view back by a tenth of the span.
    QWidget* w = UI_CtrlWidget(panel, STREIFEN);
    const auto rad = [w](int grad) {
        QWheelEvent e(QPointF(50, 50), w->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, grad),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    };
    rad(120 * 3);
    EXPECT_DOUBLE_EQ(ende(), 1569);
    rad(120 * 1000); // not before the oldest point's span
    EXPECT_DOUBLE_EQ(ende(), 1100);
    rad(-120 * 1000); // not after the newest point
    EXPECT_DOUBLE_EQ(ende(), 1599);
    ASSERT_EQ(SetStripChartPaused(panel, STREIFEN, 0), 0);
    rad(120 * 3);
    EXPECT_DOUBLE_EQ(ende(), 1599) << "scrolling only while held";
}

TEST_F(UiStreifen, AufrufeMitFalschenWertenOderAnFremdenControlsScheitern) {
    EXPECT_LT(SetStripChartSpan(panel, STREIFEN, 0), 0);
    EXPECT_LT(SetStripChartSpan(panel, STREIFEN, NAN), 0);
    EXPECT_LT(SetStripChartSource(panel, STREIFEN, nullptr, 2), 0);
    EXPECT_LT(SetStripChartSource(panel, STREIFEN, &verlauf, STRIPCHART_MAX_SPUREN + 1), 0);
    ASSERT_EQ(SetStripChartSource(panel, STREIFEN, &verlauf, 2), 0);
    EXPECT_LT(SetStripChartTrace(panel, STREIFEN, 2, ROT, 0, "x"), 0);
    EXPECT_LT(SetStripChartTrace(panel, STREIFEN, -1, ROT, 0, "x"), 0);
    EXPECT_LT(SetStripChartSpan(panel, KEIN_STREIFEN, 10), 0);
    EXPECT_LT(SetStripChartUnit(panel, KEIN_STREIFEN, "mbar"), 0);
    EXPECT_LT(SetStripChartUnit(panel, STREIFEN, nullptr), 0);
    EXPECT_LT(RefreshStripChart(panel, 99), 0);
    EXPECT_EQ(SetStripChartSource(panel, STREIFEN, nullptr, 0), 0) << "no source: an empty chart";
    EXPECT_EQ(RefreshStripChart(panel, STREIFEN), 0);
}
