// Values and attributes of every control kind, panel attributes, labels and the resource loader.

#include "ui_testhilfe.h"

#include "platform/ui/ui_lage.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

using namespace testui;

namespace {

enum : int {
    KNOPF = 1,
    SCHALTER,
    CHECKBOX,
    LED,
    ZAHL,
    KOMMA,
    SIEBEN,
    EINGABE,
    ANZEIGE,
    MELDUNG,
    RING,
    BILDRING,
    TIMER,
    CANVAS,
    GRAPH,
    RAHMEN,
    BILD,
    ZAHL_FREI
};

PanelDef allePanel() {
    PanelDef p;
    p.id = 99;
    p.title = "Alle Arten";
    p.width = 640;
    p.height = 420;
    p.ctrls.push_back(ctrlDef(RAHMEN, CtrlArt::Rahmen, 8, 8, 300, 400, "Gruppe"));
    p.ctrls.push_back(ctrlDef(KNOPF, CtrlArt::Knopf, 30, 20, 120, 28, "Start"));
    CtrlDef s = ctrlDef(SCHALTER, CtrlArt::Schalter, 90, 20, 100, 26, "Pumpe");
    s.textAn = "Ein";
    s.textAus = "Aus";
    p.ctrls.push_back(s);
    p.ctrls.push_back(ctrlDef(CHECKBOX, CtrlArt::Checkbox, 130, 20, 20, 20, "Grenze aktiv"));
    CtrlDef led = ctrlDef(LED, CtrlArt::Led, 160, 20, 20, 20, "Fehler");
    led.farbeAn = 0xFF0000;
    p.ctrls.push_back(led);
    CtrlDef z = ctrlDef(ZAHL, CtrlArt::Numerisch, 210, 20, 100, 24, "Druck [mbar]");
    z.min = -100;
    z.max = 100;
    z.schritt = 10;
    p.ctrls.push_back(z);
    CtrlDef k = ctrlDef(KOMMA, CtrlArt::Numerisch, 260, 20, 100, 24, "Zeit [s]");
    k.ganzzahl = false;
    k.nachkommastellen = 2;
    k.min = 0;
    k.max = 60;
    p.ctrls.push_back(k);
    CtrlDef sieben = ctrlDef(SIEBEN, CtrlArt::Anzeige7Segment, 310, 20, 120, 40, "Ist-Druck");
    sieben.min = -2000;
    sieben.max = 2000;
    p.ctrls.push_back(sieben);
    p.ctrls.push_back(ctrlDef(EINGABE, CtrlArt::Text, 30, 330, 200, 24, "Name"));
    CtrlDef a = ctrlDef(ANZEIGE, CtrlArt::Text, 80, 330, 280, 40, "Meldung");
    a.anzeige = true;
    p.ctrls.push_back(a);
    p.ctrls.push_back(ctrlDef(MELDUNG, CtrlArt::TextMeldung, 130, 330, 200, 20, "Hinweistext"));
    CtrlDef r = ctrlDef(RING, CtrlArt::Auswahl, 180, 330, 120, 24, "Ventilart");
    r.eintraege = {{"n.v.", 0}, {"NO", 1}, {"NC", 2}};
    p.ctrls.push_back(r);
    p.ctrls.push_back(ctrlDef(BILDRING, CtrlArt::Verbindungsbild, 220, 330, 150, 40));
    CtrlDef t = ctrlDef(TIMER, CtrlArt::Timer, 0, 0, 0, 0);
    t.intervall = 0.5;
    t.aktiv = false;
    p.ctrls.push_back(t);
    p.ctrls.push_back(ctrlDef(CANVAS, CtrlArt::Canvas, 280, 330, 120, 60));
    p.ctrls.push_back(ctrlDef(GRAPH, CtrlArt::Graph, 280, 460, 120, 60));
    p.ctrls.push_back(ctrlDef(BILD, CtrlArt::Bild, 360, 460, 40, 40));
    CtrlDef frei = ctrlDef(ZAHL_FREI, CtrlArt::Numerisch, 360, 330, 110, 24, "Fehlernummer");
    frei.anzeige = true;
    p.ctrls.push_back(frei);
    return p;
}

class UiWerte : public ::testing::Test {
  protected:
    void SetUp() override {
        panel = UI_PanelDefLaden(allePanel());
        ASSERT_GT(panel, 0);
    }
    void TearDown() override { DiscardPanel(panel); }
    int panel = 0;
};

TEST_F(UiWerte, ArtUndGanzzahligeWerteJeArt) {
    struct Fall {
        int control, stil, setzen, erwartet;
    };
    const Fall faelle[] = {
        {SCHALTER, CTRL_TOGGLE_SWITCH, 5, 1},
        {SCHALTER, CTRL_TOGGLE_SWITCH, 0, 0},
        {CHECKBOX, CTRL_CHECK_BOX, 1, 1},
        {LED, CTRL_ROUND_LED, 7, 1},
        {LED, CTRL_ROUND_LED, 0, 0},
        {ZAHL, CTRL_NUMERIC, 150, 100},
        {ZAHL, CTRL_NUMERIC, -150, -100},
        {ZAHL, CTRL_NUMERIC, 42, 42},
        {KOMMA, CTRL_NUMERIC, 99, 60},
        {SIEBEN, CTRL_NUMERIC_DISPLAY_7SEG, -1234, -1234},
        {SIEBEN, CTRL_NUMERIC_DISPLAY_7SEG, 9999, 2000},
        {RING, CTRL_RING, 2, 2},
        {BILDRING, CTRL_PICTURE_RING, 3, 3},
        {BILDRING, CTRL_PICTURE_RING, 0, 0},
        {ZAHL_FREI, CTRL_NUMERIC, -122304, -122304},
    };
    for (const Fall& f : faelle) {
        int stil = -1;
        EXPECT_EQ(GetCtrlAttribute(panel, f.control, ATTR_CTRL_STYLE, &stil), 0);
        EXPECT_EQ(stil, f.stil) << f.control;
        EXPECT_EQ(SetCtrlVal(panel, f.control, f.setzen), 0) << f.control;
        int wert = -99;
        EXPECT_EQ(GetCtrlVal(panel, f.control, &wert), 0);
        EXPECT_EQ(wert, f.erwartet) << "control " << f.control << " set " << f.setzen;
    }
    const std::pair<int, int> stile[] = {{KNOPF, CTRL_COMMAND_BUTTON}, {EINGABE, CTRL_STRING},
                                         {MELDUNG, CTRL_TEXT_MSG},     {TIMER, CTRL_TIMER},
                                         {CANVAS, CTRL_CANVAS},        {GRAPH, CTRL_GRAPH},
                                         {RAHMEN, CTRL_DECORATION},    {BILD, CTRL_PICTURE}};
    for (auto [c, s] : stile) {
        int stil = -1;
        EXPECT_EQ(GetCtrlAttribute(panel, c, ATTR_CTRL_STYLE, &stil), 0);
        EXPECT_EQ(stil, s) << c;
    }
    EXPECT_LT(SetCtrlVal(panel, 777, 1), 0);
    EXPECT_LT(SetCtrlVal(12345, ZAHL, 1), 0);
    EXPECT_LT(SetCtrlVal(panel, KNOPF, "x"), 0);
    EXPECT_LT(SetCtrlVal(panel, EINGABE, 3), 0);
}

TEST_F(UiWerte, KommazahlenUndGrenzen) {
    double d = 0;
    EXPECT_EQ(SetCtrlVal(panel, KOMMA, 1.234), 0);
    EXPECT_EQ(GetCtrlVal(panel, KOMMA, &d), 0);
    EXPECT_DOUBLE_EQ(d, 1.23); // two shown digits
    EXPECT_EQ(SetCtrlVal(panel, ZAHL, 12.6), 0);
    int i = 0;
    EXPECT_EQ(GetCtrlVal(panel, ZAHL, &i), 0);
    EXPECT_EQ(i, 13);
    // New limits clamp the present value.
    EXPECT_EQ(SetCtrlAttribute(panel, ZAHL, ATTR_MAX_VALUE, 10), 0);
    EXPECT_EQ(GetCtrlVal(panel, ZAHL, &i), 0);
    EXPECT_EQ(i, 10);
    EXPECT_EQ(GetCtrlAttribute(panel, ZAHL, ATTR_MAX_VALUE, &i), 0);
    EXPECT_EQ(i, 10);
    EXPECT_EQ(GetCtrlAttribute(panel, ZAHL, ATTR_MIN_VALUE, &d), 0);
    EXPECT_DOUBLE_EQ(d, -100);
    EXPECT_EQ(GetCtrlAttribute(panel, ZAHL, ATTR_INCR_VALUE, &i), 0);
    EXPECT_EQ(i, 10);
    EXPECT_EQ(SetCtrlVal(panel, SIEBEN, 12.5), 0);
    EXPECT_EQ(GetCtrlVal(panel, SIEBEN, &d), 0);
    EXPECT_DOUBLE_EQ(d, 13); // integer display
    EXPECT_LT(SetCtrlAttribute(panel, KNOPF, ATTR_MAX_VALUE, 3), 0);
    // Values that are no numbers are refused and change nothing.
    EXPECT_LT(SetCtrlVal(panel, KOMMA, std::nan("")), 0);
    EXPECT_LT(SetCtrlVal(panel, ZAHL, HUGE_VAL), 0);
    EXPECT_LT(SetCtrlAttribute(panel, ZAHL, ATTR_MIN_VALUE, std::nan("")), 0);
    EXPECT_EQ(GetCtrlVal(panel, KOMMA, &d), 0);
    EXPECT_DOUBLE_EQ(d, 1.23);
    // Far-off plot points and timer intervals stay harmless.
    EXPECT_GT(PlotLine(panel, GRAPH, -1e300, 0, 1e300, 1e300, VAL_BLACK), 0);
    EXPECT_FALSE(UI_CtrlWidget(panel, GRAPH)->grab().isNull());
    EXPECT_EQ(SetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, 1e300), 0);
}

TEST_F(UiWerte, TexteUndMehrzeiligeAnzeige) {
    std::string s;
    EXPECT_EQ(SetCtrlVal(panel, EINGABE, "Hub.plt"), 0);
    EXPECT_EQ(GetCtrlVal(panel, EINGABE, &s), 0);
    EXPECT_EQ(s, "Hub.plt");
    EXPECT_EQ(SetCtrlVal(panel, ANZEIGE, "Zeitüberschreitung\nV 2 (erwartet V 1)"), 0);
    EXPECT_EQ(GetCtrlVal(panel, ANZEIGE, &s), 0);
    EXPECT_EQ(s, "Zeitüberschreitung\nV 2 (erwartet V 1)");
    auto* l = dynamic_cast<QLabel*>(UI_CtrlWidget(panel, ANZEIGE));
    ASSERT_NE(l, nullptr);
    EXPECT_TRUE(l->wordWrap());
    EXPECT_EQ(l->text().count('\n'), 1);
    EXPECT_EQ(SetCtrlVal(panel, MELDUNG, "neu"), 0);
    EXPECT_EQ(GetCtrlVal(panel, MELDUNG, &s), 0);
    EXPECT_EQ(s, "neu");
    EXPECT_EQ(GetCtrlVal(panel, RING, &s), 0);
    EXPECT_EQ(s, "n.v.");
}

TEST_F(UiWerte, RingEintraegeEinfuegenUndLeeren) {
    EXPECT_LT(SetCtrlVal(panel, RING, 5), 0); // no item with that value
    EXPECT_EQ(InsertListItem(panel, RING, -1, "alle", '&'), 0);
    EXPECT_EQ(InsertListItem(panel, RING, 0, "erst", 7), 0);
    EXPECT_EQ(SetCtrlVal(panel, RING, '&'), 0);
    int i = 0;
    std::string s;
    EXPECT_EQ(GetCtrlVal(panel, RING, &i), 0);
    EXPECT_EQ(i, '&');
    EXPECT_EQ(GetCtrlVal(panel, RING, &s), 0);
    EXPECT_EQ(s, "alle");
    EXPECT_EQ(SetCtrlVal(panel, RING, 7), 0);
    EXPECT_EQ(GetCtrlVal(panel, RING, &s), 0);
    EXPECT_EQ(s, "erst");
    EXPECT_EQ(ClearListCtrl(panel, RING), 0);
    EXPECT_LT(SetCtrlVal(panel, RING, 7), 0);
    EXPECT_LT(InsertListItem(panel, ZAHL, -1, "x", 1), 0);
}

TEST_F(UiWerte, DimmenSichtbarkeitLageUndLabel) {
    QWidget* z = UI_CtrlWidget(panel, ZAHL);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(SetCtrlAttribute(panel, ZAHL, ATTR_DIMMED, 1), 0);
    EXPECT_FALSE(z->isEnabled());
    int v = 0;
    EXPECT_EQ(GetCtrlAttribute(panel, ZAHL, ATTR_DIMMED, &v), 0);
    EXPECT_EQ(v, 1);
    EXPECT_EQ(SetCtrlAttribute(panel, ZAHL, ATTR_DIMMED, 0), 0);
    EXPECT_TRUE(z->isEnabled());
    EXPECT_EQ(SetCtrlAttribute(panel, ZAHL, ATTR_VISIBLE, 0), 0);
    EXPECT_TRUE(z->isHidden());
    EXPECT_EQ(GetCtrlAttribute(panel, ZAHL, ATTR_VISIBLE, &v), 0);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(SetCtrlAttribute(panel, ZAHL, ATTR_VISIBLE, 1), 0);
    EXPECT_FALSE(z->isHidden());

    EXPECT_EQ(SetCtrlAttribute(panel, ZAHL, ATTR_TOP, 230), 0);
    EXPECT_EQ(SetCtrlAttribute(panel, ZAHL, ATTR_LEFT, 40), 0);
    EXPECT_EQ(SetCtrlAttribute(panel, ZAHL, ATTR_WIDTH, 90), 0);
    int top = 0, left = 0, w = 0, h = 0;
    GetCtrlAttribute(panel, ZAHL, ATTR_TOP, &top);
    GetCtrlAttribute(panel, ZAHL, ATTR_LEFT, &left);
    GetCtrlAttribute(panel, ZAHL, ATTR_WIDTH, &w);
    GetCtrlAttribute(panel, ZAHL, ATTR_HEIGHT, &h);
    EXPECT_EQ(QRect(left, top, w, h), QRect(40, 230, 90, 24));
    EXPECT_EQ(z->geometry(), QRect(40, 230, 90, 24));

    // The label sits above a numeric and moves with it; right of an LED.
    QLabel* label = nullptr;
    for (QLabel* l : z->parentWidget()->findChildren<QLabel*>())
        if (l->text() == "Druck [mbar]") label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry().left(), 40);
    EXPECT_LE(label->geometry().bottom(), 230);
    EXPECT_GE(label->geometry().top(), 230 - LABEL_HOEHE_OBEN);
    QLabel* ledLabel = nullptr;
    for (QLabel* l : z->parentWidget()->findChildren<QLabel*>())
        if (l->text() == "Fehler") ledLabel = l;
    ASSERT_NE(ledLabel, nullptr);
    EXPECT_EQ(ledLabel->geometry().left(), 20 + 20 + LABEL_ABSTAND_RECHTS);

    EXPECT_EQ(SetCtrlAttribute(panel, KNOPF, ATTR_LABEL_TEXT, "Stopp"), 0);
    std::string s;
    EXPECT_EQ(GetCtrlAttribute(panel, KNOPF, ATTR_LABEL_TEXT, &s), 0);
    EXPECT_EQ(s, "Stopp");
    EXPECT_EQ(dynamic_cast<QAbstractButton*>(UI_CtrlWidget(panel, KNOPF))->text(), "Stopp");
    // A check box is at least as wide as its text.
    QWidget* cb = UI_CtrlWidget(panel, CHECKBOX);
    EXPECT_GE(cb->width(), cb->sizeHint().width());
}

TEST_F(UiWerte, FarbenTimerUndCallbackAttribute) {
    int v = 0;
    EXPECT_EQ(GetCtrlAttribute(panel, LED, ATTR_ON_COLOR, &v), 0);
    EXPECT_EQ(v, 0xFF0000);
    EXPECT_EQ(SetCtrlAttribute(panel, LED, ATTR_ON_COLOR, MakeColor(0, 255, 0)), 0);
    EXPECT_EQ(GetCtrlAttribute(panel, LED, ATTR_ON_COLOR, &v), 0);
    EXPECT_EQ(v, 0x00FF00);
    EXPECT_EQ(GetCtrlAttribute(panel, LED, ATTR_OFF_COLOR, &v), 0);
    EXPECT_NE(v, 0x00FF00);

    double d = 0;
    EXPECT_EQ(GetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, &d), 0);
    EXPECT_DOUBLE_EQ(d, 0.5);
    EXPECT_EQ(GetCtrlAttribute(panel, TIMER, ATTR_ENABLED, &v), 0);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(SetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, 0.25), 0);
    EXPECT_EQ(SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 1), 0);
    EXPECT_EQ(GetCtrlAttribute(panel, TIMER, ATTR_ENABLED, &v), 0);
    EXPECT_EQ(v, 1);
    EXPECT_EQ(GetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, &d), 0);
    EXPECT_DOUBLE_EQ(d, 0.25);
    EXPECT_LT(SetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, 0.0), 0);

    int daten = 5;
    EXPECT_EQ(InstallCtrlCallback(panel, GRAPH, Merken, &daten), 0);
    CtrlCallbackPtr fn = nullptr;
    void* p = nullptr;
    EXPECT_EQ(GetCtrlAttribute(panel, GRAPH, ATTR_CALLBACK_FUNCTION_POINTER, &fn), 0);
    EXPECT_EQ(GetCtrlAttribute(panel, GRAPH, ATTR_CALLBACK_DATA, &p), 0);
    EXPECT_EQ(fn, &Merken);
    EXPECT_EQ(p, &daten);
    EXPECT_EQ(SetCtrlAttribute(panel, GRAPH, ATTR_CALLBACK_DATA, static_cast<void*>(nullptr)), 0);
    EXPECT_EQ(GetCtrlAttribute(panel, GRAPH, ATTR_CALLBACK_DATA, &p), 0);
    EXPECT_EQ(p, nullptr);
}

TEST_F(UiWerte, PanelAttribute) {
    std::string s;
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_TITLE, &s), 0);
    EXPECT_EQ(s, "Alle Arten");
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_TITLE, "Tasten-Programmierung - [Unbenannt]"), 0);
    EXPECT_EQ(UI_PanelWidget(panel)->windowTitle(), "Tasten-Programmierung - [Unbenannt]");
    int v = 0;
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_WIDTH, &v), 0);
    EXPECT_EQ(v, 640);
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_HEIGHT, &v), 0);
    EXPECT_EQ(v, 420);
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_VISIBLE, &v), 0);
    EXPECT_EQ(v, 0); // loaded hidden
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_TOP, 70), 0);
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_LEFT, 90), 0);
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_WIDTH, 700), 0);
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_HEIGHT, 500), 0);
    int t = 0, l = 0, w = 0, h = 0;
    GetPanelAttribute(panel, ATTR_TOP, &t);
    GetPanelAttribute(panel, ATTR_LEFT, &l);
    GetPanelAttribute(panel, ATTR_WIDTH, &w);
    GetPanelAttribute(panel, ATTR_HEIGHT, &h);
    EXPECT_EQ(QRect(l, t, w, h), QRect(90, 70, 700, 500));

    EXPECT_EQ(DisplayPanel(panel), 0);
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_VISIBLE, &v), 0);
    EXPECT_EQ(v, 1);
    EXPECT_EQ(GetActivePanel(), panel);
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_WINDOW_ZOOM, VAL_MAXIMIZE), 0);
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_WINDOW_ZOOM, &v), 0);
    EXPECT_EQ(v, VAL_MAXIMIZE);
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_WINDOW_ZOOM, VAL_NO_ZOOM), 0);
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_WINDOW_ZOOM, &v), 0);
    EXPECT_EQ(v, VAL_NO_ZOOM);
    EXPECT_EQ(HidePanel(panel), 0);
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_VISIBLE, &v), 0);
    EXPECT_EQ(v, 0);
    // Maximising a hidden panel takes effect when it is shown.
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_WINDOW_ZOOM, VAL_MAXIMIZE), 0);
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_WINDOW_ZOOM, &v), 0);
    EXPECT_EQ(v, VAL_MAXIMIZE);
    EXPECT_EQ(DisplayPanel(panel), 0);
    EXPECT_TRUE(UI_PanelWidget(panel)->windowState() & Qt::WindowMaximized);
    HidePanel(panel);
    EXPECT_LT(SetPanelAttribute(panel, ATTR_WINDOW_ZOOM, 9), 0);
    EXPECT_LT(GetPanelAttribute(4711, ATTR_WIDTH, &v), 0);
}

TEST(UiResource, LoadPanelNimmtNurDieEigeneRessource) {
    EXPECT_LT(LoadPanel(0, "andere.uir", 7), 0);
    EXPECT_LT(LoadPanel(0, "Plm1SteuerungGui.uir", 4711), 0);
    const int p = LoadPanel(0, "Plm1SteuerungGui.uir", 7); // MAINPANEL
    ASSERT_GT(p, 0);
    std::string s;
    EXPECT_EQ(GetPanelAttribute(p, ATTR_TITLE, &s), 0);
    EXPECT_EQ(s, Resource_Panel(MAINPANEL)->title);
    EXPECT_FALSE(UI_PanelWidget(p)->isVisible());
    EXPECT_EQ(DiscardPanel(p), 0);
    EXPECT_EQ(UI_PanelWidget(p), nullptr);
    EXPECT_LT(DisplayPanel(p), 0);
}

TEST(UiResource, TabReihenfolgeFolgtDerLeserichtung) {
    PanelDef p{.id = 5, .name = "T", .title = "Tab", .width = 300, .height = 200};
    // Defined out of reading order; the second row's tops differ by a few pixels.
    p.ctrls.push_back(ctrlDef(4, CtrlArt::Text, 102, 150, 100, 24));
    p.ctrls.push_back(ctrlDef(1, CtrlArt::Text, 20, 10, 100, 24));
    p.ctrls.push_back(ctrlDef(3, CtrlArt::Text, 98, 10, 100, 24));
    p.ctrls.push_back(ctrlDef(2, CtrlArt::Text, 20, 150, 100, 24));
    const int h = UI_PanelDefLaden(p);
    QWidget* w = UI_CtrlWidget(h, 1);
    for (int naechstes : {2, 3, 4}) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(w, UI_CtrlWidget(h, naechstes));
    }
    DiscardPanel(h);
}

// Placement rules: a window moved into the screen's free area, shrunk only where it is bigger; a popup
// centred over its window; the smallest size a window may be dragged to.
TEST(UiLage, EinpassenZentrierenMindestgroesse) {
    const QRect frei(0, 0, 1600, 1000);
    struct Einpassen {
        QRect rahmen, erwartet;
    };
    const Einpassen einpassen[] = {
        {{528, 339, 1242, 764}, {358, 236, 1242, 764}},  // the cycle window off the lower right corner
        {{368, 100, 918, 600}, {368, 100, 918, 600}},    // inside: stays
        {{-30, -20, 200, 100}, {0, 0, 200, 100}},        // off the upper left corner
        {{1400, 950, 200, 50}, {1400, 950, 200, 50}},    // touching the lower right edge: inside
        {{1401, 951, 200, 50}, {1400, 950, 200, 50}},    // one pixel past it
        {{100, 100, 1700, 1100}, {0, 0, 1600, 1000}},    // bigger than the screen: shrunk to it
        {{5000, 3000, 300, 200}, {1300, 800, 300, 200}}, // on a screen no longer there
    };
    for (const Einpassen& f : einpassen)
        EXPECT_EQ(UiLage_Einpassen(f.rahmen, frei), f.erwartet) << f.rahmen.x() << "," << f.rahmen.y();
    const QRect versetzt(1600, 24, 1280, 776); // a second screen right of it, with a panel on top
    EXPECT_EQ(UiLage_Einpassen({2700, 0, 300, 200}, versetzt), QRect(2580, 24, 300, 200));
    EXPECT_EQ(UiLage_Einpassen({10, 10, 50, 50}, QRect()), QRect(10, 10, 50, 50)); // no screen known

    struct Zentrieren {
        QSize groesse;
        QRect ueber, erwartet;
    };
    const Zentrieren zentrieren[] = {
        {{270, 100}, {528, 339, 546, 362}, {666, 470, 270, 100}}, // over the main window
        {{400, 300}, {0, 0, 200, 100}, {0, 0, 400, 300}},       // over a window in the corner: kept on screen
        {{1800, 300}, {0, 0, 1600, 1000}, {0, 350, 1600, 300}}, // wider than the screen
    };
    for (const Zentrieren& f : zentrieren)
        EXPECT_EQ(UiLage_Zentrieren(f.groesse, f.ueber, frei), f.erwartet) << f.ueber.x();

    struct Mindest {
        QSize voll;
        QRect frei;
        QMargins rand;
        QSize erwartet;
    };
    const Mindest mindest[] = {
        {{916, 520}, {0, 0, 1600, 1000}, {1, 20, 1, 5}, {916, 520}},  // all controls fit: never smaller
        {{1240, 761}, {0, 0, 1280, 800}, {1, 20, 1, 5}, {1240, 761}}, // just fits a laptop
        {{1240, 761}, {0, 0, 1024, 600}, {1, 20, 1, 5}, {1022, 575}}, // too big: down to the screen, scrolls
        {{1240, 761}, {0, 0, 1024, 600}, {}, {1024, 600}},            // no frame (no window manager)
        {{300, 200}, {}, {}, {300, 200}},                             // no screen known
        // Scrolling one way, its bar is added across while the screen has room.
        {{1000, 900}, {0, 0, 1366, 740}, {1, 20, 1, 5}, {1012, 715}}, // too high: wider by the bar
        {{1358, 900}, {0, 0, 1366, 740}, {1, 20, 1, 5}, {1364, 715}}, // no room for the bar: both ways
        {{1400, 500}, {0, 0, 1366, 740}, {1, 20, 1, 5}, {1364, 512}}, // too wide: higher by the bar
    };
    for (const Mindest& f : mindest)
        EXPECT_EQ(UiLage_Mindestgroesse(f.voll, f.frei, f.rand, 12), f.erwartet) << f.frei.width();

    EXPECT_GT(UiLage_Titelbreite(200), 200 + 100); // room for the title bar's buttons
    EXPECT_EQ(UiLage_Titelbreite(300) - UiLage_Titelbreite(200), 100);
}

// A shown window stands wholly on its screen, moved and where needed shrunk, and can never be made smaller
// than its controls unless the screen is: then it scrolls. Larger, it shows its controls centred.
TEST(UiLage, PanelFensterAufDemSchirm) {
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    PanelDef def{.id = 1, .title = "Lage", .width = 300, .height = 200};
    def.ctrls.push_back(ctrlDef(1, CtrlArt::Knopf, 10, 10, 80, 24, "OK"));
    PanelDef gross = def;
    gross.width = frei.width() + 200;
    gross.height = frei.height() + 100;
    PanelDef hoch = def;
    hoch.height = frei.height() + 100;
    struct Fall {
        const PanelDef* def;
        int links, oben, breite, hoehe;
        bool rollt, seitlich;
    };
    const Fall faelle[] = {
        {&def, frei.right() - 100, frei.bottom() - 50, 300, 200, false, false}, // off the lower right corner
        {&def, -400, -300, 300, 200, false, false},                             // off the upper left corner
        {&def, 20, 20, 100, 60, false, false},                                  // smaller than its controls
        {&def, 10, 10, 500, 400, false, false},                                 // larger: controls centred
        {&gross, 0, 0, gross.width, gross.height, true, true},                  // larger than the screen
        {&hoch, 0, 0, hoch.width, hoch.height, true, false}, // higher than the screen: scrolls down only
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.links);
        const int p = UI_PanelDefLaden(*f.def);
        ASSERT_GT(p, 0);
        SetPanelAttribute(p, ATTR_LEFT, f.links);
        SetPanelAttribute(p, ATTR_TOP, f.oben);
        SetPanelAttribute(p, ATTR_WIDTH, f.breite);
        SetPanelAttribute(p, ATTR_HEIGHT, f.hoehe);
        ASSERT_EQ(DisplayPanel(p), 0);
        QWidget* w = UI_PanelWidget(p);
        EXPECT_TRUE(frei.contains(w->frameGeometry()))
            << w->frameGeometry().x() << "," << w->frameGeometry().y() << " " << w->width() << "x"
            << w->height();
        int breite = 0, hoehe = 0;
        GetPanelAttribute(p, ATTR_WIDTH, &breite);
        GetPanelAttribute(p, ATTR_HEIGHT, &hoehe);
        if (!f.rollt) {
            EXPECT_EQ(breite, std::max(f.breite, f.def->width));
            EXPECT_EQ(hoehe, std::max(f.hoehe, f.def->height));
        }
        // Dragged smaller than its controls: it stays as large as they need, or as the screen is.
        w->resize(50, 40);
        const int rand = w->frameGeometry().width() - w->width();
        EXPECT_GE(w->width(), std::min(f.def->width, frei.width() - rand));
        const auto* rollen = w->findChild<QScrollArea*>();
        ASSERT_NE(rollen, nullptr);
        EXPECT_EQ(rollen->horizontalScrollBar()->maximum() > 0, f.seitlich);
        EXPECT_EQ(rollen->verticalScrollBar()->maximum() > 0, f.rollt);
        w->resize(breite, hoehe);
        const QWidget* knopf = UI_CtrlWidget(p, 1);
        const QPoint lage = knopf->mapTo(w, QPoint(0, 0));
        if (!f.rollt) {
            EXPECT_EQ(lage.x(), (w->width() - f.def->width) / 2 + 10);
        }
        DiscardPanel(p);
    }
}

TEST(UiPng, PanelAlsBildSpeichern) {
    const int p = UI_PanelDefLaden(allePanel());
    ASSERT_GT(p, 0);
    SetCtrlVal(p, LED, 1);
    SetCtrlVal(p, SCHALTER, 1);
    SetCtrlVal(p, SIEBEN, -1234);
    SetCtrlVal(p, BILDRING, 2);
    SetCtrlVal(p, ANZEIGE, "Zeitüberschreitung beim Lesen\nV 2 (erwartet V 1)");
    SetCtrlVal(p, ZAHL_FREI, -122304);
    SetCtrlAttribute(p, KOMMA, ATTR_DIMMED, 1);
    const std::string pfad = ::testing::TempDir() + "ui_alle_arten.png";
    EXPECT_GT(UI_PanelAlsPngSpeichern(p, pfad), 0);
    QImage bild(QString::fromStdString(pfad));
    EXPECT_EQ(bild.size(), QSize(640, 420));
    EXPECT_LT(UI_PanelAlsPngSpeichern(4711, pfad), 0);
    DiscardPanel(p);
}

} // namespace
