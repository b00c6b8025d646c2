// Events: commits only from the operator, callbacks bound by name, keys, clicks, focus, close, menus,
// timer ticks and the one-callback-at-a-time rule.

#include "platform/sprache/sprache.h"
#include "ui_testhilfe.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

using namespace testui;

// These tests in a namespace of their own: other test files use the same control names for other ids.
namespace {
namespace ui_ereignisse_test {

enum : int { KNOPF = 1, SCHALTER, CHECKBOX, ZAHL, EINGABE, RING, BILDRING, TIMER, LED, KOMMA };

int g_panelEreignisse = 0;
int g_letztesPanelEreignis = 0;
int PanelMerken(int, int event, void*, int, int) {
    ++g_panelEreignisse;
    g_letztesPanelEreignis = event;
    return 0;
}

PanelDef ereignisPanel() {
    PanelDef p;
    p.id = 98;
    p.title = "Ereignisse";
    p.width = 500;
    p.height = 300;
    p.callback = "Test_Panel";
    auto mit = [](CtrlDef d) {
        d.callback = "Test_Merken";
        return d;
    };
    p.ctrls.push_back(mit(ctrlDef(KNOPF, CtrlArt::Knopf, 30, 10, 100, 28, "OK")));
    CtrlDef s = ctrlDef(SCHALTER, CtrlArt::Schalter, 80, 10, 90, 26, "Pumpe");
    s.textAn = "Ein";
    s.textAus = "Aus";
    p.ctrls.push_back(mit(s));
    p.ctrls.push_back(mit(ctrlDef(CHECKBOX, CtrlArt::Checkbox, 120, 10, 100, 20, "Aktiv")));
    CtrlDef z = ctrlDef(ZAHL, CtrlArt::Numerisch, 170, 10, 100, 24, "Wert");
    z.min = 0;
    z.max = 100;
    z.schritt = 5;
    p.ctrls.push_back(mit(z));
    p.ctrls.push_back(mit(ctrlDef(EINGABE, CtrlArt::Text, 30, 200, 150, 24, "Text")));
    CtrlDef r = ctrlDef(RING, CtrlArt::Auswahl, 80, 200, 100, 24, "Port");
    r.eintraege = {{"nicht geöffnet", 0}, {"COM 1", 1}, {"COM 2", 2}};
    p.ctrls.push_back(mit(r));
    p.ctrls.push_back(mit(ctrlDef(BILDRING, CtrlArt::Verbindungsbild, 130, 200, 150, 40)));
    CtrlDef t = ctrlDef(TIMER, CtrlArt::Timer, 0, 0, 0, 0);
    t.intervall = 0.001;
    t.aktiv = false;
    p.ctrls.push_back(mit(t));
    p.ctrls.push_back(ctrlDef(LED, CtrlArt::Led, 200, 200, 16, 16, "ohne Callback"));
    CtrlDef k = ctrlDef(KOMMA, CtrlArt::Numerisch, 240, 10, 100, 24, "Komma");
    k.callback = "Test_Unbekannt"; // never registered: binds nothing
    k.ganzzahl = false;            // takes fractions
    k.nachkommastellen = 1;
    p.ctrls.push_back(k);
    return p;
}

class UiEreignisse : public ::testing::Test {
  protected:
    void SetUp() override {
        UI_CallbackRegistrieren("Test_Merken", Merken);
        UI_CallbackRegistrieren("Test_Panel", PanelMerken);
        panel = UI_PanelDefLaden(ereignisPanel());
        ASSERT_GT(panel, 0);
        DisplayPanel(panel);
        ereignisse().clear();
        g_panelEreignisse = 0;
    }
    void TearDown() override { DiscardPanel(panel); }
    QWidget* w(int c) { return UI_CtrlWidget(panel, c); }
    int commits(int c) { return zaehle(c, EVENT_COMMIT); }
    int panel = 0;
};

TEST_F(UiEreignisse, SetCtrlValLoestNieEinCommitAus) {
    SetCtrlVal(panel, SCHALTER, 1);
    SetCtrlVal(panel, CHECKBOX, 1);
    SetCtrlVal(panel, ZAHL, 50);
    SetCtrlVal(panel, EINGABE, "abc");
    SetCtrlVal(panel, RING, 2);
    SetCtrlVal(panel, BILDRING, 1);
    SetCtrlAttribute(panel, ZAHL, ATTR_MAX_VALUE, 10); // clamps the value
    QApplication::processEvents();
    for (int c : {SCHALTER, CHECKBOX, ZAHL, EINGABE, RING, BILDRING})
        EXPECT_EQ(commits(c), 0) << c;
}

TEST_F(UiEreignisse, BedienhandlungenLoesenCommitAus) {
    QTest::mouseClick(w(KNOPF), Qt::LeftButton);
    EXPECT_EQ(commits(KNOPF), 1);
    EXPECT_EQ(zaehle(KNOPF, EVENT_LEFT_CLICK), 1);

    QTest::mouseClick(w(SCHALTER), Qt::LeftButton);
    EXPECT_EQ(commits(SCHALTER), 1);
    int v = 0;
    GetCtrlVal(panel, SCHALTER, &v);
    EXPECT_EQ(v, 1);

    QTest::mouseClick(w(CHECKBOX), Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_EQ(commits(CHECKBOX), 1);
    GetCtrlVal(panel, CHECKBOX, &v);
    EXPECT_EQ(v, 1);

    // Numeric: a step key commits once with the new value; typing commits when the edit ends.
    w(ZAHL)->setFocus();
    QTest::keyClick(w(ZAHL), Qt::Key_Up);
    EXPECT_EQ(commits(ZAHL), 1);
    GetCtrlVal(panel, ZAHL, &v);
    EXPECT_EQ(v, 5);
    QTest::keyClick(w(ZAHL), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w(ZAHL), "42");
    EXPECT_EQ(commits(ZAHL), 1); // not per keystroke
    QTest::keyClick(w(ZAHL), Qt::Key_Return);
    EXPECT_EQ(commits(ZAHL), 2);
    GetCtrlVal(panel, ZAHL, &v);
    EXPECT_EQ(v, 42);

    auto* e = static_cast<QLineEdit*>(w(EINGABE));
    e->setFocus();
    QTest::keyClicks(e, "ab");
    EXPECT_EQ(commits(EINGABE), 0);
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(commits(EINGABE), 1);
    std::string s;
    GetCtrlVal(panel, EINGABE, &s);
    EXPECT_EQ(s, "ab");
    QTest::keyClick(e, Qt::Key_Return); // nothing changed: no commit
    EXPECT_EQ(commits(EINGABE), 1);

    w(RING)->setFocus();
    QTest::keyClick(w(RING), Qt::Key_Down);
    EXPECT_EQ(commits(RING), 1);
    GetCtrlVal(panel, RING, &v);
    EXPECT_EQ(v, 1);
}

// A typed number beyond the limits is taken and brought into range when the edit ends; text that is no
// number is refused key by key; a field left empty keeps its value. While typing, the field counts as
// being edited.
TEST_F(UiEreignisse, ZahlfeldNimmtGetippteZahlUndBegrenztSieBeimAbschluss) {
    struct Fall {
        const char* getippt;
        int vorher, danach;
    };
    const Fall faelle[] = {{"104", 50, 100}, {"250", 50, 100}, {"-5", 50, 0},      {"77", 50, 77},
                           {"", 50, 50},     {"abc", 50, 50},  {"99999", 50, 100}, {"7x", 50, 7}};
    QApplication::setActiveWindow(UI_PanelWidget(panel));
    for (const Fall& f : faelle) {
        SetCtrlVal(panel, ZAHL, f.vorher);
        w(ZAHL)->setFocus();
        QTest::keyClick(w(ZAHL), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w(ZAHL), Qt::Key_Delete);
        QTest::keyClicks(w(ZAHL), f.getippt);
        EXPECT_EQ(UI_CtrlWirdBearbeitet(panel, ZAHL), 1) << f.getippt;
        QTest::keyClick(w(ZAHL), Qt::Key_Return);
        int v = -1;
        GetCtrlVal(panel, ZAHL, &v);
        EXPECT_EQ(v, f.danach) << f.getippt;
        EXPECT_EQ(static_cast<QAbstractSpinBox*>(w(ZAHL))->text(), QString::number(f.danach)) << f.getippt;
        EXPECT_EQ(UI_CtrlWirdBearbeitet(panel, ZAHL), 0) << f.getippt;
    }
    EXPECT_EQ(UI_CtrlWirdBearbeitet(panel, KNOPF), 0);

    // A character that cannot be part of the field's number never appears; a field with fractions takes
    // the point, in German the comma as well, and shows its number as the language writes it, without
    // group separators.
    struct Tasten {
        Sprache sprache;
        int feld;
        const char *getippt, *sichtbar;
        double danach;
        const char* danachSichtbar;
    };
    constexpr Sprache DE = Sprache::Deutsch, EN = Sprache::Englisch;
    const Tasten tasten[] = {{DE, ZAHL, "12,5", "125", 100, "100"},
                             {DE, ZAHL, "7.5", "75", 75, "75"},
                             {DE, ZAHL, "1e3", "13", 13, "13"},
                             {DE, ZAHL, "4-2", "42", 42, "42"},
                             {DE, KOMMA, "2,5", "2,5", 2.5, "2,5"},
                             {DE, KOMMA, "-0.5", "-0.5", -0.5, "-0,5"},
                             {DE, KOMMA, "3,,5x", "3,5", 3.5, "3,5"},
                             {DE, KOMMA, "1.5,", "1.5", 1.5, "1,5"},
                             {DE, KOMMA, "12345,5", "12345,5", 12345.5, "12345,5"},
                             {EN, KOMMA, "2.5", "2.5", 2.5, "2.5"},
                             {EN, KOMMA, "2,5", "25", 25, "25.0"},
                             {EN, KOMMA, "-1234.5", "-1234.5", -1234.5, "-1234.5"},
                             {EN, ZAHL, "7.5", "75", 75, "75"}};
    for (const Tasten& t : tasten) {
        ASSERT_TRUE(Sprache_Einstellen(t.sprache));
        auto* feld = static_cast<QAbstractSpinBox*>(w(t.feld));
        SetCtrlVal(panel, t.feld, 50);
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_Delete);
        QTest::keyClicks(feld, t.getippt);
        EXPECT_EQ(feld->text(), t.sichtbar) << t.getippt;
        QTest::keyClick(feld, Qt::Key_Return);
        double v = -1;
        if (t.feld == ZAHL) {
            int ganz = -1;
            GetCtrlVal(panel, t.feld, &ganz);
            v = ganz;
        } else {
            GetCtrlVal(panel, t.feld, &v);
        }
        EXPECT_DOUBLE_EQ(v, t.danach) << t.getippt;
        EXPECT_EQ(feld->text(), t.danachSichtbar) << t.getippt;
    }
    Sprache_Einstellen(Sprache::Deutsch);
}

int g_wartendeLaeufe = 0;
bool g_warteZeiger = false;
// Works for the unit; meanwhile the operator clicks the button again and types (queued input).
int WartenderCallback(int panel, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    ++g_wartendeLaeufe;
    UI_Warten warten;
    QWidget* knopf = UI_CtrlWidget(panel, control);
    const QPointF p(5, 5);
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            knopf,
            new QMouseEvent(t, p, knopf->mapToGlobal(p), Qt::LeftButton,
                            t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
    QWidget* zahl = UI_CtrlWidget(panel, ZAHL);
    QCoreApplication::postEvent(zahl, new QKeyEvent(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, "9"));
    g_warteZeiger =
        QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    return 0;
}

TEST_F(UiEreignisse, EingabenWaehrendDesWartensVerfallen) {
    InstallCtrlCallback(panel, KNOPF, WartenderCallback, nullptr);
    SetCtrlVal(panel, ZAHL, 10);
    g_wartendeLaeufe = 0;
    QTest::mouseClick(w(KNOPF), Qt::LeftButton);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(g_wartendeLaeufe, 1); // the click made while waiting did not run afterwards
    EXPECT_TRUE(g_warteZeiger);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(static_cast<QAbstractSpinBox*>(w(ZAHL))->text(), "10");
    EXPECT_FALSE(UI_CallbackLaeuft());
    // Outside any callback the end of the wait itself drains.
    UI_WartenBeginnen();
    EXPECT_TRUE(UI_CallbackLaeuft()); // no callback while waiting
    const QPointF p(5, 5);
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            w(KNOPF),
            new QMouseEvent(t, p, w(KNOPF)->mapToGlobal(p), Qt::LeftButton,
                            t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
    UI_WartenBeenden();
    QApplication::processEvents();
    EXPECT_EQ(g_wartendeLaeufe, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Afterwards clicks work as ever.
    QTest::mouseClick(w(KNOPF), Qt::LeftButton);
    EXPECT_EQ(g_wartendeLaeufe, 2);
}

TEST_F(UiEreignisse, KlicksDoppelklicksUndFokus) {
    QTest::mouseClick(w(BILDRING), Qt::LeftButton, {}, QPoint(30, 12));
    ASSERT_EQ(zaehle(BILDRING, EVENT_LEFT_CLICK), 1);
    const Ereignis& e = ereignisse().front();
    EXPECT_EQ(e.d1, 12); // y
    EXPECT_EQ(e.d2, 30); // x
    QTest::mouseDClick(w(BILDRING), Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(zaehle(BILDRING, EVENT_LEFT_DOUBLE_CLICK), 1);
    QTest::mouseClick(w(BILDRING), Qt::RightButton);
    EXPECT_EQ(zaehle(BILDRING, EVENT_RIGHT_CLICK), 1);
    EXPECT_EQ(commits(BILDRING), 0);

    // A dimmed control takes no input.
    SetCtrlAttribute(panel, KNOPF, ATTR_DIMMED, 1);
    QTest::mouseClick(w(KNOPF), Qt::LeftButton);
    EXPECT_EQ(commits(KNOPF), 0);
    SetCtrlAttribute(panel, KNOPF, ATTR_DIMMED, 0);

    QApplication::setActiveWindow(UI_PanelWidget(panel));
    w(EINGABE)->setFocus();
    QApplication::processEvents();
    w(ZAHL)->setFocus();
    QApplication::processEvents();
    EXPECT_GE(zaehle(EINGABE, EVENT_GOT_FOCUS), 1);
    EXPECT_GE(zaehle(EINGABE, EVENT_LOST_FOCUS), 1);
    EXPECT_GE(zaehle(ZAHL, EVENT_GOT_FOCUS), 1);
}

int g_schlucken = 0;
int TastenCallback(int panel, int control, int event, void* data, int d1, int d2) {
    Merken(panel, control, event, data, d1, d2);
    return event == EVENT_KEYPRESS && (d1 & VAL_VKEY_MASK) == 'x' ? g_schlucken : 0;
}

TEST_F(UiEreignisse, TastenMitCodesUndSchlucken) {
    InstallCtrlCallback(panel, EINGABE, TastenCallback, nullptr);
    auto* e = static_cast<QLineEdit*>(w(EINGABE));
    e->setFocus();
    g_schlucken = 1;
    QTest::keyClick(e, Qt::Key_X);
    g_schlucken = 0;
    QTest::keyClick(e, Qt::Key_Y);
    QTest::keyClick(e, Qt::Key_X);
    EXPECT_EQ(e->text(), "yx"); // the first x was swallowed
    struct Fall {
        Qt::Key taste;
        Qt::KeyboardModifiers mod;
        int code;
    };
    const Fall faelle[] = {
        {Qt::Key_Up, {}, VAL_UP_ARROW_VKEY},
        {Qt::Key_PageDown, {}, VAL_PAGE_DOWN_VKEY},
        {Qt::Key_Home, {}, VAL_HOME_VKEY},
        {Qt::Key_Tab, {}, VAL_TAB_VKEY},
        {Qt::Key_Backtab, Qt::ShiftModifier, VAL_TAB_VKEY | VAL_SHIFT_MODIFIER},
        {Qt::Key_Escape, {}, VAL_ESC_VKEY},
        {Qt::Key_Return, {}, VAL_ENTER_VKEY},
        {Qt::Key_Left, Qt::ControlModifier, VAL_LEFT_ARROW_VKEY | VAL_MENUKEY_MODIFIER},
    };
    for (const Fall& f : faelle) {
        ereignisse().clear();
        e->setFocus();
        QTest::keyClick(e, f.taste, f.mod);
        ASSERT_GE(zaehle(EINGABE, EVENT_KEYPRESS), 1) << f.code;
        for (const Ereignis& x : ereignisse()) {
            if (x.event == EVENT_KEYPRESS) {
                EXPECT_EQ(x.d1, f.code);
            }
        }
    }
}

TEST_F(UiEreignisse, CallbacksNachNamenGebunden) {
    CtrlCallbackPtr fn = nullptr;
    EXPECT_EQ(GetCtrlAttribute(panel, KNOPF, ATTR_CALLBACK_FUNCTION_POINTER, &fn), 0);
    EXPECT_EQ(fn, &Merken);
    EXPECT_EQ(GetCtrlAttribute(panel, KOMMA, ATTR_CALLBACK_FUNCTION_POINTER, &fn), 0);
    EXPECT_EQ(fn, nullptr);
    EXPECT_EQ(GetCtrlAttribute(panel, LED, ATTR_CALLBACK_FUNCTION_POINTER, &fn), 0);
    EXPECT_EQ(fn, nullptr);
    // Registering later does not rebind a loaded panel; a new load picks it up.
    UI_CallbackRegistrieren("Test_Unbekannt", Merken);
    EXPECT_EQ(GetCtrlAttribute(panel, KOMMA, ATTR_CALLBACK_FUNCTION_POINTER, &fn), 0);
    EXPECT_EQ(fn, nullptr);
    const int zweites = UI_PanelDefLaden(ereignisPanel());
    EXPECT_EQ(GetCtrlAttribute(zweites, KOMMA, ATTR_CALLBACK_FUNCTION_POINTER, &fn), 0);
    EXPECT_EQ(fn, &Merken);
    DiscardPanel(zweites);
}

TEST_F(UiEreignisse, SchliessfeldMeldetCloseUndLaesstDasFensterOffen) {
    UI_PanelWidget(panel)->close();
    EXPECT_EQ(g_letztesPanelEreignis, EVENT_CLOSE);
    EXPECT_TRUE(UI_PanelWidget(panel)->isVisible());
}

TEST_F(UiEreignisse, TimerTicktMitSeinemIntervall) {
    SetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, 0.005);
    QElapsedTimer uhr;
    uhr.start();
    SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 1);
    ASSERT_TRUE(QTest::qWaitFor([] { return zaehle(TIMER, EVENT_TIMER_TICK) >= 4; }, 5000));
    SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 0);
    EXPECT_GE(uhr.elapsed(), 15) << "four ticks 5 ms apart, never early";
    const int ticks = zaehle(TIMER, EVENT_TIMER_TICK);
    // Switched off it stays silent while a timer of the same interval ticks five times.
    int vergleich = 0;
    QTimer gleicherTakt;
    gleicherTakt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&gleicherTakt, &QTimer::timeout, [&vergleich] { ++vergleich; });
    gleicherTakt.start(5);
    ASSERT_TRUE(QTest::qWaitFor([&vergleich] { return vergleich >= 5; }, 5000));
    EXPECT_EQ(zaehle(TIMER, EVENT_TIMER_TICK), ticks);
}

// ---- one callback at a time
// --------------------------------------------------------------------------------

int g_ticksImCallback = -1;
bool g_laeuftImCallback = false;
int LangerCallback(int panel, int control, int event, void* data, int d1, int d2) {
    Merken(panel, control, event, data, d1, d2);
    if (event != EVENT_COMMIT) return 0;
    g_laeuftImCallback = UI_CallbackLaeuft();
    const int vorher = zaehle(TIMER, EVENT_TIMER_TICK);
    // A callback that lets the event loop run a while (as a busy transfer might).
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 60)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    g_ticksImCallback = zaehle(TIMER, EVENT_TIMER_TICK) - vorher;
    return 0;
}

TEST_F(UiEreignisse, WaehrendEinesCallbacksLaeuftKeinZweiter) {
    InstallCtrlCallback(panel, KNOPF, LangerCallback, nullptr);
    SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 1);
    EXPECT_FALSE(UI_CallbackLaeuft());
    QTest::mouseClick(w(KNOPF), Qt::LeftButton);
    EXPECT_TRUE(g_laeuftImCallback);
    EXPECT_EQ(g_ticksImCallback, 0);
    EXPECT_FALSE(UI_CallbackLaeuft());
    // Afterwards the timer ticks again.
    EXPECT_TRUE(QTest::qWaitFor([] { return zaehle(TIMER, EVENT_TIMER_TICK) > 0; }, 5000));
    SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 0);
}

void schliesseModal(int versuche = 2000) {
    if (QWidget* m = QApplication::activeModalWidget())
        m->close();
    else if (versuche > 0)
        QTimer::singleShot(10, [versuche] { schliesseModal(versuche - 1); });
    else
        ADD_FAILURE() << "no modal popup opened";
}

int g_ticksImPopup = -1;
int PopupCallback(int panel, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT || control != KNOPF) return 0;
    const int vorher = zaehle(TIMER, EVENT_TIMER_TICK);
    // The box closes itself after a while; meanwhile the timer callback runs as usual.
    QTimer::singleShot(80, [] { schliesseModal(); });
    MessagePopup("Hinweis", "Bitte warten");
    g_ticksImPopup = zaehle(TIMER, EVENT_TIMER_TICK) - vorher;
    (void)panel;
    return 0;
}

TEST_F(UiEreignisse, ImModalenPopupEinesCallbacksTicktDerTimer) {
    InstallCtrlCallback(panel, KNOPF, PopupCallback, nullptr);
    SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 1);
    QTest::mouseClick(w(KNOPF), Qt::LeftButton);
    SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 0);
    EXPECT_GT(g_ticksImPopup, 0);
    EXPECT_FALSE(UI_CallbackLaeuft());
}

// ---- menus
// -------------------------------------------------------------------------------------------------

struct MenuAufruf {
    int bar, item, panel;
    void* daten;
};
std::vector<MenuAufruf> g_menu;
void MenuMerken(int bar, int item, void* daten, int panel) {
    g_menu.push_back({bar, item, panel, daten});
}

TEST(UiMenu, MenueleisteFenstermenuUndDimmen) {
    UI_CallbackRegistrieren("Test_Menu", MenuMerken);
    MenuBarDef mb;
    mb.id = 1;
    mb.menus.push_back(
        MenuDef{2, "DATEI", "Datei", {{3, "NEU", "Neu", "Test_Menu"}, {4, "LADEN", "Laden...", ""}}});
    mb.menus.push_back(MenuDef{7, "FENSTER", "Fenster", {}});
    PanelDef p;
    p.id = 97;
    p.title = "Menü";
    p.width = 300;
    p.height = 200;
    p.menuBar = 1;
    const int a = UI_PanelDefLaden(p, mb);
    const int b = UI_PanelDefLaden(p, mb);
    ASSERT_GT(a, 0);
    const int barA = GetPanelMenuBar(a), barB = GetPanelMenuBar(b);
    EXPECT_GT(barA, 0);
    EXPECT_NE(barA, barB); // one bar per loaded panel
    PanelDef ohne = p;
    const int c = UI_PanelDefLaden(ohne);
    EXPECT_EQ(GetPanelMenuBar(c), 0);
    // The panel keeps its content size below the menu bar.
    int h = 0;
    GetPanelAttribute(a, ATTR_HEIGHT, &h);
    EXPECT_EQ(h, 200);

    // Fenster items as the shell builds them: all names, the own one dimmed.
    const char* namen[] = {"Hauptfenster", "Zyklus", "Tasten"};
    std::vector<int> ids;
    for (const char* n : namen)
        ids.push_back(NewMenuItem(barA, 7, n, -1, 0, nullptr, nullptr));
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), 3u);
    for (int id : ids)
        EXPECT_TRUE(id != 2 && id != 3 && id != 4 && id != 7);
    for (size_t i = 0; i < ids.size(); ++i) {
        std::string s;
        EXPECT_EQ(GetMenuBarAttribute(barA, ids[i], ATTR_ITEM_NAME, &s), 0);
        EXPECT_EQ(s, namen[i]);
    }
    QAction* tasten = UI_MenuAktion(barA, ids[2]);
    ASSERT_NE(tasten, nullptr);
    const QList<QAction*> imMenu = static_cast<QMenu*>(tasten->parent())->actions();
    ASSERT_EQ(imMenu.size(), 3);
    EXPECT_EQ(imMenu[0]->text(), "Hauptfenster");
    EXPECT_EQ(imMenu[2]->text(), "Tasten");
    EXPECT_EQ(SetMenuBarAttribute(barA, ids[2], ATTR_DIMMED, 1), 0);
    for (int i : {0, 1})
        EXPECT_EQ(SetMenuBarAttribute(barA, ids[size_t(i)], ATTR_CALLBACK_FUNCTION_POINTER, MenuMerken), 0);
    int dim = 0;
    EXPECT_EQ(GetMenuBarAttribute(barA, ids[2], ATTR_DIMMED, &dim), 0);
    EXPECT_EQ(dim, 1);

    g_menu.clear();
    UI_MenuAktion(barA, ids[2])->trigger(); // dimmed: nothing
    UI_MenuAktion(barA, ids[1])->trigger();
    UI_MenuAktion(barA, 3)->trigger(); // resource item, bound by name
    UI_MenuAktion(barA, 4)->trigger(); // no callback
    ASSERT_EQ(g_menu.size(), 2u);
    EXPECT_EQ(g_menu[0].bar, barA);
    EXPECT_EQ(g_menu[0].item, ids[1]);
    EXPECT_EQ(g_menu[0].panel, a);
    EXPECT_EQ(g_menu[1].item, 3);
    EXPECT_LT(NewMenuItem(barA, 3, "x", -1, 0, nullptr, nullptr), 0); // 3 is an item, not a menu
    EXPECT_LT(NewMenuItem(4711, 7, "x", -1, 0, nullptr, nullptr), 0);
    for (int x : {a, b, c})
        DiscardPanel(x);
}

} // namespace ui_ereignisse_test
} // namespace
