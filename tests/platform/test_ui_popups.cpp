// Popups through their hooks, installed popups, and ending the event loop (also from a signal) while a
// modal popup runs its own loop.

#include "platform/ui/ui_signale.h"
#include "ui_testhilfe.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace testui;

namespace {

// Acts on the modal popup as soon as it is open; a popup that never comes fails the test.
void wennModal(std::function<void(QWidget*)> tun, QDeadlineTimer frist = QDeadlineTimer(20000)) {
    QTimer::singleShot(20, [tun, frist] {
        if (QWidget* w = QApplication::activeModalWidget())
            tun(w);
        else if (frist.hasExpired())
            ADD_FAILURE() << "no modal popup opened";
        else
            wennModal(tun, frist);
    });
}

TEST(UiPopups, MeldungGehtAnDenAbfang) {
    std::vector<std::pair<std::string, std::string>> gesehen;
    UI_MeldungsabfangSetzen([&](const std::string& t, const std::string& m) { gesehen.push_back({t, m}); });
    EXPECT_EQ(MessagePopup("Fehler", "Serielle Schnittstelle ist nicht geöffnet"), 0);
    UI_MeldungsabfangSetzen(nullptr);
    ASSERT_EQ(gesehen.size(), 1u);
    EXPECT_EQ(gesehen[0].first, "Fehler");
    EXPECT_EQ(gesehen[0].second, "Serielle Schnittstelle ist nicht geöffnet");
}

TEST(UiPopups, DateiauswahlMeldetAbbruchVorhandeneUndNeueDatei) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const std::string dir = ordner.path().toStdString() + "/";
    const std::string vorhanden = dir + "ui_vorhanden.plt";
    std::ofstream(vorhanden) << "x";
    const std::string neu = dir + "ui_neu_gibt_es_nicht.plt";
    std::filesystem::remove(neu);
    DateiauswahlAnfrage letzte;
    std::string antwort;
    UI_DateiauswahlSetzen([&](const DateiauswahlAnfrage& a) {
        letzte = a;
        return antwort;
    });
    struct Fall {
        std::string antwort;
        int ergebnis;
    };
    const Fall faelle[] = {
        {"", VAL_NO_FILE_SELECTED},
        {vorhanden, VAL_EXISTING_FILE_SELECTED},
        {neu, VAL_NEW_FILE_SELECTED},
        {"/" + std::string(300, 'a') + ".plt", VAL_NO_FILE_SELECTED}}; // too long for the buffer
    for (const Fall& f : faelle) {
        antwort = f.antwort;
        char pfad[MAX_PATHNAME_LEN] = "unberuehrt";
        EXPECT_EQ(FileSelectPopup("/tmp/", "*.plt", "*.plt", "Speichern", VAL_SAVE_BUTTON, 0, 1, 1, 1, pfad),
                  f.ergebnis)
            << f.antwort;
        if (f.ergebnis != VAL_NO_FILE_SELECTED)
            EXPECT_EQ(std::string(pfad), f.antwort);
        else
            EXPECT_STREQ(pfad, "unberuehrt");
    }
    EXPECT_EQ(letzte.verzeichnis, "/tmp/");
    EXPECT_EQ(letzte.vorgabe, "*.plt");
    EXPECT_EQ(letzte.filter, "*.plt");
    EXPECT_EQ(letzte.titel, "Speichern");
    EXPECT_EQ(letzte.knopf, VAL_SAVE_BUTTON);
    EXPECT_EQ(letzte.neueVerzeichnisse, 1);
    UI_DateiauswahlSetzen(nullptr);
    std::filesystem::remove(vorhanden);
}

TEST(UiPopups, EchterDateidialogLiefertDieGewaehlteDatei) {
    // A folder of its own: another run deleting a shared file made the dialog refuse and wait for ever.
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const std::string dir = ordner.path().toStdString() + "/";
    const std::string vorhanden = dir + "ui_dialog.plk";
    std::ofstream(vorhanden) << "x";
    wennModal([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Öffnen"));
        // Typed into the name field as the operator would: selectFile() leaves that field alone while it
        // has the focus (once the dialog is the active window), and an empty name only opens the folder.
        auto* name = d->findChild<QLineEdit*>("fileNameEdit");
        if (name) name->setText(QString::fromStdString(vorhanden));
        if (!name || d->selectedFiles() != QStringList{QString::fromStdString(vorhanden)}) {
            ADD_FAILURE() << "the dialog did not take the name: "
                          << d->selectedFiles().join(",").toStdString();
            d->reject();
            return;
        }
        QMetaObject::invokeMethod(d, "accept");
    });
    char pfad[MAX_PATHNAME_LEN] = {};
    EXPECT_EQ(FileSelectPopup(dir.c_str(), "*.plk", "*.plk", "Öffnen", VAL_LOAD_BUTTON, 0, 1, 1, 0, pfad),
              VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(std::filesystem::canonical(pfad), std::filesystem::canonical(vorhanden));
    wennModal([](QWidget* w) { w->close(); });
    EXPECT_EQ(FileSelectPopup(dir.c_str(), "*.plk", "*.plk", "Öffnen", VAL_LOAD_BUTTON, 0, 1, 1, 0, pfad),
              VAL_NO_FILE_SELECTED);
    std::filesystem::remove(vorhanden);
}

int OkCallback(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) RemovePopup(0);
    return 0;
}

int PopupPanelCallback(int, int event, void*, int, int) {
    if (event == EVENT_CLOSE) RemovePopup(0);
    return 0;
}

TEST(UiPopups, InstallPopupIstModalUndKehrtSofortZurueck) {
    UI_CallbackRegistrieren("Test_PopupOk", OkCallback);
    UI_CallbackRegistrieren("Test_PopupPanel", PopupPanelCallback);
    PanelDef haupt{.id = 1, .name = "H", .title = "Haupt", .width = 200, .height = 100};
    PanelDef info{
        .id = 2, .name = "I", .title = "Info", .width = 150, .height = 80, .callback = "Test_PopupPanel"};
    CtrlDef ok = ctrlDef(4, CtrlArt::Knopf, 40, 40, 60, 24, "OK");
    ok.callback = "Test_PopupOk";
    info.ctrls.push_back(ok);
    const int h = UI_PanelDefLaden(haupt), i = UI_PanelDefLaden(info);
    DisplayPanel(h);
    EXPECT_EQ(InstallPopup(i), 0); // returns at once
    EXPECT_TRUE(UI_PanelWidget(i)->isVisible());
    EXPECT_EQ(UI_PanelWidget(i)->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(GetActivePanel(), i);
    QTest::mouseClick(UI_CtrlWidget(i, 4), Qt::LeftButton);
    EXPECT_FALSE(UI_PanelWidget(i)->isVisible());
    EXPECT_EQ(GetActivePanel(), h);
    EXPECT_EQ(RemovePopup(0), 0); // none left: harmless
    InstallPopup(i);
    QTest::keyClick(UI_PanelWidget(i), Qt::Key_Escape); // Escape asks the popup's callback to close it
    EXPECT_FALSE(UI_PanelWidget(i)->isVisible());
    InstallPopup(i);
    EXPECT_EQ(RemovePopup(1), 0);
    EXPECT_FALSE(UI_PanelWidget(i)->isVisible());
    DiscardPanel(i);
    DiscardPanel(h);
}

TEST(UiSchleife, QuitVorDemStartBeendetSofort) {
    const int info =
        UI_PanelDefLaden(PanelDef{.id = 2, .name = "I", .title = "Info", .width = 150, .height = 80});
    InstallPopup(info);
    EXPECT_EQ(QuitUserInterface(3), 0);
    EXPECT_FALSE(UI_PanelWidget(info)->isVisible()); // installed popups are taken down too
    EXPECT_NE(GetActivePanel(), info);
    EXPECT_EQ(RunUserInterface(), 3);
    DiscardPanel(info);
    // The request is used up: the next loop runs until its own quit.
    QTimer::singleShot(10, [] { QuitUserInterface(4); });
    EXPECT_EQ(RunUserInterface(), 4);
}

int g_popupZurueck = 0;
int PopupImCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_TIMER_TICK) return 0;
    SetCtrlAttribute(g_popupZurueck, 1, ATTR_ENABLED, 0);
    MessagePopup("Hinweis", "Ende folgt");
    g_popupZurueck = -1; // reached once the popup is gone
    return 0;
}

PanelDef timerPanel() {
    UI_CallbackRegistrieren("Test_PopupImCallback", PopupImCallback);
    PanelDef p{.id = 3, .name = "T", .title = "Timer", .width = 100, .height = 50};
    CtrlDef t = ctrlDef(1, CtrlArt::Timer, 0, 0, 0, 0);
    t.intervall = 0.01;
    t.callback = "Test_PopupImCallback";
    p.ctrls.push_back(t);
    return p;
}

TEST(UiSchleife, QuitWaehrendEinModalesPopupLaeuft) {
    const int p = UI_PanelDefLaden(timerPanel());
    g_popupZurueck = p;
    QTimer::singleShot(150, [] {
        EXPECT_NE(QApplication::activeModalWidget(), nullptr);
        QuitUserInterface(9);
    });
    EXPECT_EQ(RunUserInterface(), 9);
    EXPECT_EQ(g_popupZurueck, -1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    DiscardPanel(p);
}

TEST(UiSchleife, SignalBeendetDieSchleifeAuchMitOffenemPopup) {
    UI_BeendenBeiSignal();
    UI_BeendenBeiSignal(); // a second call changes nothing
    const int p = UI_PanelDefLaden(timerPanel());
    g_popupZurueck = p;
    QTimer::singleShot(150, [] { std::raise(SIGTERM); });
    EXPECT_EQ(RunUserInterface(), 0);
    EXPECT_EQ(g_popupZurueck, -1);
    DiscardPanel(p);

    // Before the loop starts (a start-up popup): the loop then does not start at all.
    QTimer::singleShot(50, [] { std::raise(SIGINT); });
    MessagePopup("Start", "Popup vor der Schleife");
    EXPECT_EQ(RunUserInterface(), 0);
}

} // namespace
