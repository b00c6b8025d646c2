// Canvas pixels and mouse events, the graph's plots, cursor and keys, and the progress dialog.

#include "ui_testhilfe.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace testui;

// These tests in a namespace of their own: other test files use the same control names for other ids.
namespace {
namespace ui_zeichnen_test {

enum : int { CANVAS = 1, GRAPH = 2, TIMER = 3 };

QRgb farbe(int rgb) {
    return qRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

class UiZeichnen : public ::testing::Test {
  protected:
    void SetUp() override {
        PanelDef p;
        p.id = 96;
        p.title = "Zeichnen";
        p.width = 400;
        p.height = 300;
        CtrlDef c = ctrlDef(CANVAS, CtrlArt::Canvas, 10, 10, 100, 60);
        c.callback = "Test_Merken";
        p.ctrls.push_back(c);
        CtrlDef g = ctrlDef(GRAPH, CtrlArt::Graph, 100, 10, 201, 17);
        g.callback = "Test_Merken";
        p.ctrls.push_back(g);
        CtrlDef t = ctrlDef(TIMER, CtrlArt::Timer, 0, 0, 0, 0);
        t.intervall = 0.001;
        t.callback = "Test_Merken";
        t.aktiv = false;
        p.ctrls.push_back(t);
        UI_CallbackRegistrieren("Test_Merken", Merken);
        panel = UI_PanelDefLaden(p);
        ASSERT_GT(panel, 0);
        DisplayPanel(panel);
        ereignisse().clear();
    }
    void TearDown() override { DiscardPanel(panel); }
    QRgb pixel(int x, int y) { return UI_CanvasBild(panel, CANVAS)->pixel(x, y); }
    QImage graphBild() {
        return UI_CtrlWidget(panel, GRAPH)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    int panel = 0;
};

TEST_F(UiZeichnen, LinienUndRechteckeTreffenGenauDiePixel) {
    const QImage* bild = UI_CanvasBild(panel, CANVAS);
    ASSERT_NE(bild, nullptr);
    EXPECT_EQ(bild->size(), QSize(100, 60));
    SetCtrlAttribute(panel, CANVAS, ATTR_PEN_COLOR, 0x408080);
    SetCtrlAttribute(panel, CANVAS, ATTR_PEN_FILL_COLOR, 0xF8F8F8);
    ASSERT_EQ(CanvasDrawRect(panel, CANVAS, MakeRect(0, 0, 60, 100), VAL_DRAW_FRAME_AND_INTERIOR), 0);
    EXPECT_EQ(pixel(0, 0), farbe(0x408080));
    EXPECT_EQ(pixel(99, 59), farbe(0x408080));
    EXPECT_EQ(pixel(1, 1), farbe(0xF8F8F8));
    EXPECT_EQ(pixel(98, 58), farbe(0xF8F8F8));

    // A filled bar of width 3 from x 10 to 12, height 4 from y 20 to 23, no outline.
    SetCtrlAttribute(panel, CANVAS, ATTR_PEN_FILL_COLOR, 0x6060FF);
    ASSERT_EQ(CanvasDrawRect(panel, CANVAS, MakeRect(20, 10, 4, 3), VAL_DRAW_INTERIOR), 0);
    for (int x = 9; x <= 13; ++x)
        for (int y = 19; y <= 24; ++y) {
            const bool innen = x >= 10 && x <= 12 && y >= 20 && y <= 23;
            EXPECT_EQ(pixel(x, y), farbe(innen ? 0x6060FF : 0xF8F8F8)) << x << "," << y;
        }

    // A line includes both end points and nothing beyond; a diagonal has no blended pixels.
    SetCtrlAttribute(panel, CANVAS, ATTR_PEN_COLOR, VAL_BLACK);
    ASSERT_EQ(CanvasDrawLine(panel, CANVAS, MakePoint(30, 40), MakePoint(35, 40)), 0);
    for (int x = 29; x <= 36; ++x)
        EXPECT_EQ(pixel(x, 40), farbe(x >= 30 && x <= 35 ? 0 : 0xF8F8F8)) << x;
    ASSERT_EQ(CanvasDrawLine(panel, CANVAS, MakePoint(50, 10), MakePoint(50, 10)), 0);
    EXPECT_EQ(pixel(50, 10), farbe(0));
    ASSERT_EQ(CanvasDrawLine(panel, CANVAS, MakePoint(60, 10), MakePoint(70, 20)), 0);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(pixel(60 + i, 10 + i), farbe(0));
    for (int x = 58; x <= 72; ++x)
        for (int y = 8; y <= 22; ++y) {
            const QRgb p = pixel(x, y);
            EXPECT_TRUE(p == farbe(0) || p == farbe(0xF8F8F8)) << x << "," << y;
        }

    // Frame only: the interior keeps what was there.
    SetCtrlAttribute(panel, CANVAS, ATTR_PEN_COLOR, VAL_RED);
    ASSERT_EQ(CanvasDrawRect(panel, CANVAS, MakeRect(19, 9, 6, 5), VAL_DRAW_FRAME), 0);
    EXPECT_EQ(pixel(9, 19), farbe(VAL_RED));
    EXPECT_EQ(pixel(13, 24), farbe(VAL_RED));
    EXPECT_EQ(pixel(11, 21), farbe(0x6060FF));
    EXPECT_LT(CanvasDrawLine(panel, GRAPH, MakePoint(0, 0), MakePoint(1, 1)), 0);
    EXPECT_LT(CanvasDrawRect(panel, CANVAS, MakeRect(0, 0, 1, 1), 9), 0);
}

TEST_F(UiZeichnen, StapelUndProcessDrawEventsZeigenDasBild) {
    QWidget* w = UI_CtrlWidget(panel, CANVAS);
    SetCtrlAttribute(panel, CANVAS, ATTR_PEN_FILL_COLOR, 0x0000FF);
    CanvasStartBatchDraw(panel, CANVAS);
    CanvasDrawRect(panel, CANVAS, MakeRect(0, 0, 60, 100), VAL_DRAW_INTERIOR);
    CanvasEndBatchDraw(panel, CANVAS);
    EXPECT_EQ(ProcessDrawEvents(), 0);
    const QImage gezeigt = w->grab().toImage();
    EXPECT_EQ(gezeigt.pixel(50, 30), farbe(0x0000FF));
    EXPECT_EQ(UI_CanvasBild(panel, CANVAS)->pixel(50, 30), farbe(0x0000FF));
}

int g_x = -1, g_y = -1, g_links = -1, g_rechts = -1, g_mod = -1;
int MausCallback(int panel, int control, int event, void* data, int d1, int d2) {
    Merken(panel, control, event, data, d1, d2);
    GetRelativeMouseState(panel, control, &g_x, &g_y, &g_links, &g_rechts, &g_mod);
    return 0;
}

TEST_F(UiZeichnen, CanvasMausereignisseMitZustand) {
    InstallCtrlCallback(panel, CANVAS, MausCallback, nullptr);
    QWidget* w = UI_CtrlWidget(panel, CANVAS);
    QTest::mousePress(w, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 30));
    ASSERT_EQ(zaehle(CANVAS, EVENT_LEFT_CLICK), 1);
    EXPECT_EQ(ereignisse().back().d1, 30);
    EXPECT_EQ(ereignisse().back().d2, 20);
    EXPECT_EQ(g_x, 20);
    EXPECT_EQ(g_y, 30);
    EXPECT_EQ(g_links, 1);
    EXPECT_EQ(g_rechts, 0);
    EXPECT_EQ(g_mod, VAL_SHIFT_MODIFIER);
    QTest::mouseMove(w, QPoint(40, 35));
    EXPECT_GE(zaehle(CANVAS, EVENT_MOUSE_POINTER_MOVE), 1);
    EXPECT_EQ(g_x, 40);
    EXPECT_EQ(g_links, 1);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(41, 35));
    EXPECT_EQ(zaehle(CANVAS, EVENT_LEFT_CLICK_UP), 1);
    EXPECT_EQ(g_links, 0);
    EXPECT_EQ(g_x, 41);
    QTest::mousePress(w, Qt::RightButton, {}, QPoint(5, 6));
    QTest::mouseRelease(w, Qt::RightButton, {}, QPoint(5, 6));
    EXPECT_EQ(zaehle(CANVAS, EVENT_RIGHT_CLICK), 1);
    EXPECT_EQ(zaehle(CANVAS, EVENT_RIGHT_CLICK_UP), 1);
}

TEST_F(UiZeichnen, GraphZeichnetInAchseneinheitenUeberDieGanzeFlaeche) {
    int stil = 0;
    GetCtrlAttribute(panel, GRAPH, ATTR_CTRL_STYLE, &stil);
    EXPECT_EQ(stil, CTRL_GRAPH);
    // Axes in pixels of the 201 x 17 control: x 0..200, y 0..16 (upward).
    ASSERT_EQ(SetAxisRange(panel, GRAPH, VAL_MANUAL, 0, 200, VAL_MANUAL, 0, 16), 0);
    SetCursorAttribute(panel, GRAPH, 1, ATTR_CURSOR_COLOR, VAL_TRANSPARENT);
    SetCtrlAttribute(panel, GRAPH, ATTR_PLOT_BGCOLOR, 0xC0C0C0);
    const int h = PlotRectangle(panel, GRAPH, 20, 2, 40, 10, VAL_TRANSPARENT, 0x404040);
    EXPECT_GT(h, 0);
    EXPECT_GT(PlotLine(panel, GRAPH, 100, 0, 100, 16, VAL_BLACK), 0);
    RefreshGraph(panel, GRAPH);
    QImage b = graphBild();
    EXPECT_EQ(b.pixel(20, 16 - 2), farbe(0x404040));
    EXPECT_EQ(b.pixel(40, 16 - 10), farbe(0x404040));
    EXPECT_EQ(b.pixel(41, 16 - 10), farbe(0xC0C0C0));
    EXPECT_EQ(b.pixel(19, 16 - 5), farbe(0xC0C0C0));
    EXPECT_EQ(b.pixel(100, 0), farbe(0));
    EXPECT_EQ(b.pixel(100, 16), farbe(0));
    EXPECT_EQ(b.pixel(150, 8), farbe(0xC0C0C0)); // no cursor, no axes
    EXPECT_EQ(DeleteGraphPlot(panel, GRAPH, h, VAL_IMMEDIATE_DRAW), 0);
    b = graphBild();
    EXPECT_EQ(b.pixel(30, 10), farbe(0xC0C0C0));
    EXPECT_EQ(DeleteGraphPlot(panel, GRAPH, -1, VAL_DELAYED_DRAW), 0);
    b = graphBild();
    EXPECT_EQ(b.pixel(100, 8), farbe(0xC0C0C0));
    EXPECT_LT(SetAxisRange(panel, GRAPH, VAL_MANUAL, 5, 5, VAL_MANUAL, 0, 1), 0);
    EXPECT_LT(PlotLine(panel, CANVAS, 0, 0, 1, 1, 0), 0);
}

TEST_F(UiZeichnen, GraphCursorFolgtDerMausUndMeldetWertUndCommit) {
    SetAxisRange(panel, GRAPH, VAL_MANUAL, 0, 200, VAL_MANUAL, 0, 16);
    QWidget* w = UI_CtrlWidget(panel, GRAPH);
    double x = 0, y = 0;
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(50, 4));
    EXPECT_EQ(zaehle(GRAPH, EVENT_VAL_CHANGED), 1);
    GetGraphCursor(panel, GRAPH, 1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 50);
    EXPECT_DOUBLE_EQ(y, 12);
    QTest::mouseMove(w, QPoint(60, 4));
    EXPECT_EQ(zaehle(GRAPH, EVENT_VAL_CHANGED), 2);
    GetGraphCursor(panel, GRAPH, 1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 60);
    EXPECT_EQ(zaehle(GRAPH, EVENT_COMMIT), 0);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(61, 4));
    EXPECT_EQ(zaehle(GRAPH, EVENT_COMMIT), 1);
    QTest::mouseMove(w, QPoint(80, 4)); // no button held: the cursor stays
    EXPECT_EQ(zaehle(GRAPH, EVENT_VAL_CHANGED), 2);
    EXPECT_EQ(SetGraphCursor(panel, GRAPH, 1, 1, 1), 0);
    GetGraphCursor(panel, GRAPH, 1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);
    EXPECT_EQ(SetGraphCursor(panel, GRAPH, 1, 500, -3), 0); // kept inside the ranges
    GetGraphCursor(panel, GRAPH, 1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 200);
    EXPECT_DOUBLE_EQ(y, 0);

    // Hidden until it has a colour; drawn as a cross through its position.
    auto roteInSpalte = [&](int spalte) {
        const QImage b = graphBild();
        int n = 0;
        for (int yy = 0; yy < b.height(); ++yy)
            n += b.pixel(spalte, yy) == farbe(VAL_RED);
        return n;
    };
    SetGraphCursor(panel, GRAPH, 1, 100, 8);
    EXPECT_EQ(roteInSpalte(100), 0);
    SetCursorAttribute(panel, GRAPH, 1, ATTR_CURSOR_COLOR, VAL_RED);
    EXPECT_GT(roteInSpalte(100), 3);
    EXPECT_EQ(roteInSpalte(90), 1); // only the horizontal line
    SetCursorAttribute(panel, GRAPH, 1, ATTR_CURSOR_COLOR, VAL_TRANSPARENT);
    EXPECT_EQ(roteInSpalte(100), 0);
    EXPECT_LT(SetGraphCursor(panel, GRAPH, 2, 1, 1), 0);

    ereignisse().clear();
    w->setFocus();
    QTest::keyClick(w, Qt::Key_PageUp);
    QTest::keyClick(w, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(zaehle(GRAPH, EVENT_KEYPRESS), 2);
    EXPECT_EQ(ereignisse()[0].d1, VAL_PAGE_UP_VKEY);
    EXPECT_EQ(ereignisse()[1].d1, VAL_TAB_VKEY | VAL_SHIFT_MODIFIER);
}

int g_discard = 0;
int DiscardCallback(int, int, int event, void*, int, int) {
    if (event == EVENT_DISCARD) ++g_discard;
    return 0;
}

TEST_F(UiZeichnen, NeuesUndVerworfenesSteuerelement) {
    const int id = NewCtrl(panel, CTRL_GRAPH, "scroll bar", 200, 20);
    ASSERT_GT(id, 0);
    EXPECT_NE(id, CANVAS);
    EXPECT_NE(id, GRAPH);
    EXPECT_NE(id, TIMER);
    int stil = 0, top = 0, left = 0;
    GetCtrlAttribute(panel, id, ATTR_CTRL_STYLE, &stil);
    GetCtrlAttribute(panel, id, ATTR_TOP, &top);
    GetCtrlAttribute(panel, id, ATTR_LEFT, &left);
    EXPECT_EQ(stil, CTRL_GRAPH);
    EXPECT_EQ(top, 200);
    EXPECT_EQ(left, 20);
    EXPECT_TRUE(UI_CtrlWidget(panel, id)->isVisible());
    // A control made while its panel is hidden shows up with the panel.
    HidePanel(panel);
    const int spaeter = NewCtrl(panel, CTRL_NUMERIC, "Wert", 240, 20);
    DisplayPanel(panel);
    EXPECT_TRUE(UI_CtrlWidget(panel, spaeter)->isVisible());
    EXPECT_EQ(DiscardCtrl(panel, spaeter), 0);
    SetCtrlAttribute(panel, id, ATTR_WIDTH, 120);
    SetCtrlAttribute(panel, id, ATTR_HEIGHT, 16);
    EXPECT_EQ(UI_CtrlWidget(panel, id)->size(), QSize(120, 16));
    InstallCtrlCallback(panel, id, DiscardCallback, nullptr);
    g_discard = 0;
    EXPECT_EQ(DiscardCtrl(panel, id), 0);
    EXPECT_EQ(g_discard, 1);
    EXPECT_EQ(UI_CtrlWidget(panel, id), nullptr);
    EXPECT_LT(DiscardCtrl(panel, id), 0);
    // Discarding a panel notifies its controls too.
    InstallCtrlCallback(panel, GRAPH, DiscardCallback, nullptr);
    const int p2 = panel;
    panel = UI_PanelDefLaden(PanelDef{.id = 1, .name = "", .title = "", .width = 10, .height = 10});
    DiscardPanel(p2);
    EXPECT_EQ(g_discard, 2);
}

// ---- progress dialog
// ---------------------------------------------------------------------------------------

TEST_F(UiZeichnen, FortschrittMeldetJedenSchrittUndVerarbeitetKeineEreignisse) {
    std::vector<std::pair<std::string, int>> gesehen;
    UI_FortschrittsbeobachterSetzen([&](const std::string& t, int p) { gesehen.push_back({t, p}); });
    SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 1);
    const int d = CreateProgressDialog("Daten senden", "Daten senden", 1);
    ASSERT_GT(d, 0);
    for (int p : {16, 37, -5, 150, 50}) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5)); // the timer is due by now
        EXPECT_EQ(UpdateProgressDialog(d, p), 0);
    }
    EXPECT_EQ(zaehle(TIMER, EVENT_TIMER_TICK), 0);
    EXPECT_EQ(DiscardProgressDialog(d), 0);
    EXPECT_EQ(zaehle(TIMER, EVENT_TIMER_TICK), 0);
    SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 0);
    const std::vector<std::pair<std::string, int>> erwartet = {
        {"Daten senden", 0},   {"Daten senden", 16}, {"Daten senden", 37}, {"Daten senden", 0},
        {"Daten senden", 100}, {"Daten senden", 50}, {"Daten senden", -1}};
    EXPECT_EQ(gesehen, erwartet);
    EXPECT_LT(UpdateProgressDialog(d, 10), 0);
    UI_FortschrittsbeobachterSetzen(nullptr);
}

} // namespace ui_zeichnen_test
} // namespace
