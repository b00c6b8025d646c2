// Curve canvases in the window: mouse editing through real mouse events, pixels of a pump and a valve
// canvas, scrolling and the time-axis labels.

#include "fenster_helfer.h"

#include "cycle/CanvasZeichnen.h"
#include "scrollbar/Scrollbar.h"
#include "scrollbar/scroll_edited.h"

#include <QImage>

namespace {

int pixel(int control, int x, int y) {
    const QImage* bild = UI_CanvasBild(gKurvenPanel, control);
    if (!bild || x < 0 || y < 0 || x >= bild->width() || y >= bild->height()) return -1;
    return static_cast<int>(bild->pixel(x, y) & 0xFFFFFF);
}

void wertanzeigeErwartet(int control, bool sichtbar) {
    int v = -1;
    GetCtrlAttribute(gKurvenPanel, KURVPANEL_YWERTANZEIGE, ATTR_VISIBLE, &v);
    EXPECT_EQ(v, sichtbar ? 1 : 0) << control;
}

using CanvasFenster = KurvenFenster;

} // namespace

TEST_F(CanvasFenster, GeometryFromTheWindow) {
    const KurvenCanvas& p = gKurvenCanvas[0];
    EXPECT_EQ(p.control, KURVPANEL_CANVAS_P1);
    EXPECT_EQ(p.width, 911);
    EXPECT_DOUBLE_EQ(p.xScale, 18.0);
    EXPECT_GT(p.height, gKurvenCanvas[2].height); // pump canvases taller
    for (int k = 1; k < KURVEN_ANZAHL; ++k)
        EXPECT_GT(gKurvenCanvas[k].top, gKurvenCanvas[k - 1].top) << k;
    EXPECT_EQ(gKurvenCanvas[12].control, KURVPANEL_CANVAS_V11);
}

TEST_F(CanvasFenster, LeftClickSetsValueAndShowsItAboveThePumpCanvas) {
    const KurvenCanvas& p = gKurvenCanvas[0];
    druecken(KURVPANEL_CANVAS_P1, mitteVon(3), 30);
    EXPECT_EQ(gKurven[0].values[3], 50);
    wertanzeigeErwartet(KURVPANEL_CANVAS_P1, true);
    EXPECT_EQ(ctrlWert(KURVPANEL_YWERTANZEIGE), 50);
    const int hoehe = attribut(KURVPANEL_YWERTANZEIGE, ATTR_HEIGHT),
              breite = attribut(KURVPANEL_YWERTANZEIGE, ATTR_WIDTH);
    EXPECT_EQ(attribut(KURVPANEL_YWERTANZEIGE, ATTR_TOP), p.top - hoehe - 3);
    EXPECT_EQ(attribut(KURVPANEL_YWERTANZEIGE, ATTR_LEFT),
              static_cast<int>(p.left + (5 + 18 * 4) - breite / 2.0 - 9 + 0.5));
    loslassen(KURVPANEL_CANVAS_P1, mitteVon(3), 30);
    wertanzeigeErwartet(KURVPANEL_CANVAS_P1, false);
    // The bar is in the image at once.
    EXPECT_EQ(pixel(KURVPANEL_CANVAS_P1, mitteVon(3), 45), CANVAS_FARBE_PUMPE_POSITIV);
}

TEST_F(CanvasFenster, DragPaintsEveryPolledStepAndTheDisplayFollows) {
    druecken(KURVPANEL_CANVAS_P1, mitteVon(3), 30); // 50
    ziehen(KURVPANEL_CANVAS_P1, mitteVon(4), 20);   // 70
    EXPECT_EQ(ctrlWert(KURVPANEL_YWERTANZEIGE), 70);
    const int links4 = attribut(KURVPANEL_YWERTANZEIGE, ATTR_LEFT);
    ziehen(KURVPANEL_CANVAS_P1, mitteVon(5), 80); // -50
    EXPECT_EQ(attribut(KURVPANEL_YWERTANZEIGE, ATTR_LEFT), links4 + 18);
    ziehen(KURVPANEL_CANVAS_P1, mitteVon(7), 5);   // 100; step 6, crossed, takes 20 from halfway: dead zone
    ziehen(KURVPANEL_CANVAS_P1, mitteVon(7), -40); // above the canvas: still 100
    loslassen(KURVPANEL_CANVAS_P1, mitteVon(7), -40);
    ziehen(KURVPANEL_CANVAS_P1, mitteVon(8), 5); // hovering after the release changes nothing
    const std::vector<int32_t> erwartet = {0, 0, 0, 50, 70, -50, 0, 100, 0, 0};
    EXPECT_EQ(gKurven[0].values, erwartet);
    wertanzeigeErwartet(KURVPANEL_CANVAS_P1, false);
    EXPECT_EQ(pixel(KURVPANEL_CANVAS_P1, mitteVon(5), 62), CANVAS_FARBE_PUMPE_NEGATIV);

    // A fast stroke: every step between two polls takes the value on the straight line between them.
    druecken(KURVPANEL_CANVAS_P2, mitteVon(0), 5); // 100
    ziehen(KURVPANEL_CANVAS_P2, mitteVon(8), 105); // -100
    loslassen(KURVPANEL_CANVAS_P2, mitteVon(8), 105);
    EXPECT_EQ(gKurven[1].values, (std::vector<int32_t>{100, 70, 50, 0, 0, -30, -50, -80, -100, 0}));
    EXPECT_EQ(pixel(KURVPANEL_CANVAS_P2, mitteVon(6), 62), CANVAS_FARBE_PUMPE_NEGATIV);
    // Backwards, from outside the canvas's steps on the right, to step 6.
    druecken(KURVPANEL_CANVAS_P2, 5 + 18 * 12, 55);
    ziehen(KURVPANEL_CANVAS_P2, mitteVon(6), 55);
    loslassen(KURVPANEL_CANVAS_P2, mitteVon(6), 55);
    EXPECT_EQ(gKurven[1].values, (std::vector<int32_t>{100, 70, 50, 0, 0, -30, 0, 0, 0, 0}));
}

TEST_F(CanvasFenster, RightButtonClearsAndDragsClear) {
    for (int i = 0; i < 10; ++i)
        gKurven[1].values[i] = 60;
    Canvas_AlleKurvenNeuZeichnen();
    klicken(KURVPANEL_CANVAS_P2, mitteVon(2), 10, Qt::RightButton);
    wertanzeigeErwartet(KURVPANEL_CANVAS_P2, false);
    druecken(KURVPANEL_CANVAS_P2, mitteVon(5), 100, Qt::RightButton);
    wertanzeigeErwartet(KURVPANEL_CANVAS_P2, false); // only the left button shows the value
    ziehen(KURVPANEL_CANVAS_P2, mitteVon(6), 10, Qt::RightButton);
    loslassen(KURVPANEL_CANVAS_P2, mitteVon(6), 10, Qt::RightButton);
    const std::vector<int32_t> erwartet = {60, 60, 0, 60, 60, 0, 0, 60, 60, 60};
    EXPECT_EQ(gKurven[1].values, erwartet);
}

TEST_F(CanvasFenster, ShiftAloneOnlyShowsTheValue) {
    gKurven[0].values[2] = 40;
    Canvas_AlleKurvenNeuZeichnen();
    druecken(KURVPANEL_CANVAS_P1, mitteVon(2), 5, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(gKurven[0].values[2], 40);
    wertanzeigeErwartet(KURVPANEL_CANVAS_P1, true);
    EXPECT_EQ(ctrlWert(KURVPANEL_YWERTANZEIGE), 40);
    loslassen(KURVPANEL_CANVAS_P1, mitteVon(2), 5);
    wertanzeigeErwartet(KURVPANEL_CANVAS_P1, false);
    klicken(KURVPANEL_CANVAS_P1, mitteVon(2), 5, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(gKurven[0].values[2], 100); // Shift with another modifier edits as usual
}

TEST_F(CanvasFenster, ValveCanvasesAlwaysSetOne) {
    const int kanal = 2; // V1
    const int hoehe = gKurvenCanvas[kanal].height;
    for (int y : {0, 5, hoehe / 2, hoehe - 6, hoehe - 1}) {
        gKurven[kanal].values[4] = 0;
        klicken(KURVPANEL_CANVAS_V1, mitteVon(4), y);
        EXPECT_EQ(gKurven[kanal].values[4], 1) << y;
        wertanzeigeErwartet(KURVPANEL_CANVAS_V1, false);
    }
    klicken(KURVPANEL_CANVAS_V1, mitteVon(4), 5, Qt::RightButton);
    EXPECT_EQ(gKurven[kanal].values[4], 0);
    druecken(KURVPANEL_CANVAS_V11, mitteVon(0), 3);
    for (int i = 1; i < 6; ++i)
        ziehen(KURVPANEL_CANVAS_V11, mitteVon(i), 20);
    loslassen(KURVPANEL_CANVAS_V11, mitteVon(5), 20);
    const std::vector<int32_t> erwartet = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(gKurven[12].values, erwartet);
    // A jump from step 0 to step 9 sets every step it passes.
    druecken(KURVPANEL_CANVAS_V10, mitteVon(0), 3);
    ziehen(KURVPANEL_CANVAS_V10, mitteVon(9), 20);
    loslassen(KURVPANEL_CANVAS_V10, mitteVon(9), 20);
    EXPECT_EQ(gKurven[11].values, std::vector<int32_t>(10, 1));
    // A release away from the last poll: the stroke ends where the button came up.
    druecken(KURVPANEL_CANVAS_V9, mitteVon(2), 3);
    loslassen(KURVPANEL_CANVAS_V9, mitteVon(6), 20);
    EXPECT_EQ(gKurven[10].values, (std::vector<int32_t>{0, 0, 1, 1, 1, 1, 1, 0, 0, 0}));
}

TEST_F(CanvasFenster, ClicksRightOfTheLastStepChangeNothing) {
    const QImage vorher = UI_CanvasBild(panel, KURVPANEL_CANVAS_P1)->copy();
    for (int x : {mitteVon(10), mitteVon(30), 5 + 18 * 50 + 2, 910}) {
        klicken(KURVPANEL_CANVAS_P1, x, 10);
        klicken(KURVPANEL_CANVAS_V1, x, 10);
    }
    klicken(KURVPANEL_CANVAS_P1, 2, 10); // left of the first step
    // A press whose release was lost: the next move without the button ends it and edits nothing.
    druecken(KURVPANEL_CANVAS_P1, mitteVon(40), 10);
    ziehen(KURVPANEL_CANVAS_P1, mitteVon(3), 10, Qt::NoButton);
    ziehen(KURVPANEL_CANVAS_P1, mitteVon(4), 10, Qt::LeftButton); // no gesture any more
    wertanzeigeErwartet(KURVPANEL_CANVAS_P1, false);
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int32_t v : gKurven[k].values)
            EXPECT_EQ(v, 0) << k;
    EXPECT_EQ(*UI_CanvasBild(panel, KURVPANEL_CANVAS_P1), vorher);
}

TEST_F(CanvasFenster, PumpCanvasPixels) {
    gKurven[0].values[0] = 50;
    gKurven[0].values[1] = -30;
    Canvas_AlleKurvenNeuZeichnen();
    const int P = KURVPANEL_CANVAS_P1;
    struct Fall {
        const char* name;
        int x, y, farbe;
    };
    const Fall faelle[] = {
        {"frame top left", 0, 0, CANVAS_FARBE_RAHMEN},
        {"frame bottom right", 910, 109, CANVAS_FARBE_RAHMEN},
        {"frame left", 0, 60, CANVAS_FARBE_RAHMEN},
        {"background outside the plot", 3, 60, CANVAS_FARBE_HINTERGRUND},
        {"background right of the steps", mitteVon(20), 20, CANVAS_FARBE_HINTERGRUND},
        {"bar of a positive value", mitteVon(0), 42, CANVAS_FARBE_PUMPE_POSITIV},
        {"top of the positive bar", mitteVon(0), 31, CANVAS_FARBE_PUMPE_POSITIV},
        {"above the positive bar", mitteVon(0), 29, CANVAS_FARBE_HINTERGRUND},
        {"value line of 50", mitteVon(0), 30, CANVAS_FARBE_WERTLINIE},
        {"bar of a negative value", mitteVon(1), 62, CANVAS_FARBE_PUMPE_NEGATIV},
        {"bottom of the negative bar", mitteVon(1), 69, CANVAS_FARBE_PUMPE_NEGATIV},
        {"below the negative bar", mitteVon(1), 71, CANVAS_FARBE_HINTERGRUND},
        {"value line of -30", mitteVon(1), 70, CANVAS_FARBE_WERTLINIE},
        {"value line of 0 on the zero line", mitteVon(4), 55, CANVAS_FARBE_WERTLINIE},
        {"zero line right of the steps", mitteVon(20), 55, CANVAS_FARBE_NULLLINIE},
        {"grid line at step 0", 5, 10, CANVAS_FARBE_GITTER_ZEHNER},
        {"grid line at step 1", 23, 10, CANVAS_FARBE_GITTER},
        {"grid line at step 10", 5 + 180, 100, CANVAS_FARBE_GITTER_ZEHNER},
        {"grid line at step 13", 5 + 18 * 13, 100, CANVAS_FARBE_GITTER},
        {"grid line at step 50", 905, 10, CANVAS_FARBE_GITTER_ZEHNER},
        {"grid line ends at the plot", 23, 4, CANVAS_FARBE_HINTERGRUND},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(pixel(P, f.x, f.y), f.farbe) << f.name << std::hex << " 0x" << pixel(P, f.x, f.y);
}

TEST_F(CanvasFenster, ValveCanvasPixels) {
    gKurven[2].values[0] = 1;
    Canvas_AlleKurvenNeuZeichnen();
    const int V = KURVPANEL_CANVAS_V1;
    const int unten = gKurvenCanvas[2].zeroY; // 23 for a 28 pixel canvas
    struct Fall {
        const char* name;
        int x, y, farbe;
    };
    const Fall faelle[] = {
        {"frame", 0, 0, CANVAS_FARBE_RAHMEN},
        {"frame bottom", 400, gKurvenCanvas[2].height - 1, CANVAS_FARBE_RAHMEN},
        {"open valve bar", mitteVon(0), 12, CANVAS_FARBE_VENTIL},
        {"open valve bar bottom", mitteVon(0), unten, CANVAS_FARBE_VENTIL},
        {"open valve value line", mitteVon(0), 5, CANVAS_FARBE_WERTLINIE},
        {"closed valve: line at the bottom", mitteVon(1), unten, CANVAS_FARBE_WERTLINIE},
        {"closed valve: empty above", mitteVon(1), 12, CANVAS_FARBE_HINTERGRUND},
        {"no zero line on valves", mitteVon(20), unten, CANVAS_FARBE_HINTERGRUND},
        {"grid line at step 0", 5, 12, CANVAS_FARBE_GITTER_ZEHNER},
        {"grid line at step 2", 41, 12, CANVAS_FARBE_GITTER},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(pixel(V, f.x, f.y), f.farbe) << f.name << std::hex << " 0x" << pixel(V, f.x, f.y);
}

TEST_F(CanvasFenster, ScrollingMovesStepsGridAndLabels) {
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 200;
    ASSERT_EQ(Kurven_KurvenlaengenAendern(200), 0);
    for (int i = 0; i < 200; ++i)
        gKurven[0].values[i] = i == 80 ? -100 : 0;
    ASSERT_EQ(ScrollBar_SetAttribute(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_POSITION, 73), 0);
    Callback_Kurven_Graph_Scrollbar(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_EVENT_SPRUNG, nullptr, 73, 0);
    EXPECT_EQ(gKurvenCanvas[0].first, 73);
    EXPECT_EQ(gKurvenCanvas[12].first, 73);
    const int P = KURVPANEL_CANVAS_P1;
    EXPECT_EQ(pixel(P, 5, 10), CANVAS_FARBE_GITTER);                     // step 73
    EXPECT_EQ(pixel(P, 5 + 18 * 7, 10), CANVAS_FARBE_GITTER_ZEHNER);     // step 80
    EXPECT_EQ(pixel(P, 5 + 18 * 47, 10), CANVAS_FARBE_GITTER_ZEHNER);    // step 120
    EXPECT_EQ(pixel(P, 5 + 18 * 7 + 9, 90), CANVAS_FARBE_PUMPE_NEGATIV); // step 80 is drawn at position 7
    std::vector<std::string> texte;
    for (int c : {KURVPANEL_TEXT_ZEITACHSE_LABEL1, KURVPANEL_TEXT_ZEITACHSE_LABEL2,
                  KURVPANEL_TEXT_ZEITACHSE_LABEL3, KURVPANEL_TEXT_ZEITACHSE_LABEL4,
                  KURVPANEL_TEXT_ZEITACHSE_LABEL5, KURVPANEL_TEXT_ZEITACHSE_LABEL6}) {
        std::string t;
        GetCtrlVal(panel, c, &t);
        texte.push_back(t);
    }
    EXPECT_EQ(texte, (std::vector<std::string>{"80", "90", "100", "110", "120", ""}));
    const int breite = attribut(KURVPANEL_TEXT_ZEITACHSE_LABEL1, ATTR_WIDTH);
    EXPECT_EQ(attribut(KURVPANEL_TEXT_ZEITACHSE_LABEL1, ATTR_LEFT),
              static_cast<int>(gKurvenCanvas[0].left + 5 + 18 * 7 - breite / 2.0 + 0.5));
    // The drawn digits stand centred on their grid lines (the box of a label may be wider than its text).
    const int labels[] = {KURVPANEL_TEXT_ZEITACHSE_LABEL1, KURVPANEL_TEXT_ZEITACHSE_LABEL2,
                          KURVPANEL_TEXT_ZEITACHSE_LABEL3, KURVPANEL_TEXT_ZEITACHSE_LABEL4,
                          KURVPANEL_TEXT_ZEITACHSE_LABEL5};
    for (const Zeitachsenmarke& m : Canvas_Zeitachsenmarken(gKurvenCanvas[0])) {
        QWidget* label = UI_CtrlWidget(panel, labels[m.label]);
        ASSERT_NE(label, nullptr);
        const QImage bild = label->grab().toImage();
        int links = bild.width(), rechts = -1;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (qGray(bild.pixel(x, y)) < 110) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
        ASSERT_GE(rechts, links) << m.schritt;
        const double textMitte = label->x() + (links + rechts + 1) / 2.0;
        EXPECT_NEAR(textMitte, gKurvenCanvas[0].left + m.x + 0.5, 1.5) << "label " << m.schritt;
    }
    // A click now edits the step under the pointer: position 2 is step 75.
    klicken(P, mitteVon(2), 5);
    EXPECT_EQ(gKurven[0].values[75], 100);
    // Shrinking pulls the first step back into range.
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 60;
    ASSERT_EQ(Kurven_KurvenlaengenAendern(60), 0);
    EXPECT_EQ(gKurvenCanvas[0].first, 10);
    EXPECT_EQ(Scrollbar_PositionGet(), 10);
}
