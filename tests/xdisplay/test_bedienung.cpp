// The program on a real X server with a window manager (openbox, started on the test's own display), driven
// as an operator drives it: a fast stroke on a canvas sets every step it passes, saving over an existing
// file asks first, and after a search on a line with two units an upload reaches the unit on the screen.

#include "xdisplay_hilfen.h"

#include "cycle/Kurven_Satz.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "sim/plm1sim_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xanzeige {
namespace {

constexpr int WARTEN_MS = 10000; // longest wait for anything the program does on a click
constexpr int FENSTER_MS = 20000;

// Waits until `bedingung` holds; false when it did not within `ms`.
template <class F> bool abwarten(F bedingung, int ms = WARTEN_MS) {
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < ms) {
        if (bedingung()) return true;
        QThread::msleep(50);
    }
    return bedingung();
}

// The window's content on the screen. A window manager frames the window: xwininfo gives the content's
// place on the screen, where xdotool's geometry adds the frame's offset once more.
QRect inhalt(qulonglong fenster) {
    QProcess p;
    p.start("xwininfo", {"-id", QString::number(fenster)});
    if (!p.waitForFinished(WARTEN_MS)) {
        p.kill();
        p.waitForFinished(1000);
        ADD_FAILURE() << "xwininfo did not finish";
        return {};
    }
    const QString s = QString::fromUtf8(p.readAllStandardOutput());
    auto zahl = [&](const char* name) {
        const auto m = QRegularExpression(QString("%1:\\s*(-?\\d+)").arg(name)).match(s);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    return QRect(zahl("Absolute upper-left X"), zahl("Absolute upper-left Y"), zahl("Width"), zahl("Height"));
}

// A control's rectangle on the screen: the panel sits below the menu bar, at the bottom of the content.
QRect ctrlRechteck(qulonglong fenster, int panelKonstante, int id) {
    const QRect g = inhalt(fenster);
    const PanelDef* p = Resource_Panel(panelKonstante);
    if (!p) return {};
    for (const CtrlDef& c : p->ctrls)
        if (c.id == id) return {g.x() + c.left, g.y() + g.height() - p->height + c.top, c.width, c.height};
    ADD_FAILURE() << "control " << id << " not in panel " << panelKonstante;
    return {};
}

QPoint mitte(qulonglong fenster, int panelKonstante, int id, int dx = -1) {
    const QRect r = ctrlRechteck(fenster, panelKonstante, id);
    return {dx >= 0 ? r.x() + dx : r.center().x(), r.center().y()};
}

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class MitFensterverwaltung : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(programmPfad().isEmpty()) << "PLM1_STEUERUNG names the program";
        ASSERT_TRUE(ordner.isValid());
        ASSERT_TRUE(sim.starten(
            {plm1sim::Einheit{'1', "VKR-PLM1-EINS"}, plm1sim::Einheit{'5', "VKR-PLM1-FUENF"}}, false));
        // The window manager of a real desktop: ready once it runs its start-up command.
        const QString bereit = ordner.filePath("openbox-bereit");
        fensterverwaltung.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        fensterverwaltung.start("openbox", {"--sm-disable", "--startup", "touch " + bereit});
        ASSERT_TRUE(fensterverwaltung.waitForStarted(WARTEN_MS)) << "openbox is not installed";
        ASSERT_TRUE(abwarten([&] { return QFile::exists(bereit); })) << "openbox did not start";

        ASSERT_TRUE(programmStarten(programm, ordner, sim.pfad()));
        ASSERT_TRUE(programm.waitForStarted(WARTEN_MS));
        haupt = fensterOben("^PLM-1 Steuerung$");
        ASSERT_NE(haupt, 0u) << "main window did not appear";
    }

    void TearDown() override {
        for (QProcess* p : {&programm, &fensterverwaltung}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(WARTEN_MS)) {
                p->kill();
                p->waitForFinished(WARTEN_MS);
            }
        }
        sim.stoppen();
    }

    // A window with the title, moved to the screen's top-left corner so that all of it can be clicked
    // wherever the window manager put it; 0 when it did not appear.
    qulonglong fensterOben(const QString& titel) {
        const qulonglong f = fensterAbwarten(titel, FENSTER_MS);
        if (!f) return 0;
        xdotool({"windowmove", QString::number(f), "0", "0"});
        abwarten([&] {
            const QRect g = inhalt(f);
            return g.x() == 0 && g.y() == 0;
        });
        return f;
    }

    qulonglong zyklusfenster(int schritte) {
        klicken(mitte(haupt, MAINPANEL, MAINPANEL_ZYKLUSPROG), 1);
        const qulonglong f = fensterOben("^Zyklus");
        if (!f) return 0;
        klicken(mitte(f, KURVPANEL, KURVPANEL_ANZAHLSCHRITTE, 12), 1);
        tippen(QString::number(schritte));
        return titelAbwarten(f, "Zyklus-Programmierung - [Unbenannt *]", WARTEN_MS) ? f : 0;
    }

    // "Datei" > "Speichern unter...", the path typed into the file dialog.
    void speichernUnter(qulonglong zyklus, const QString& pfad) {
        const QRect g = inhalt(zyklus);
        const PanelDef* p = Resource_Panel(KURVPANEL);
        const int leiste = g.height() - (p ? p->height : 0);
        // The menu is open once the screen below its title changes.
        const QRect unterDemTitel(g.x(), g.y() + leiste, 200, 100);
        const QImage vorher = bildVon(unterDemTitel);
        klicken(QPoint(g.x() + 20, g.y() + leiste / 2), 1);
        ASSERT_TRUE(abwarten([&] { return bildVon(unterDemTitel) != vorher; })) << "the menu did not open";
        xdotool({"key", "--delay", "80", "Down", "Down", "Down", "Down", "Return"}); // the fourth item
        ASSERT_NE(fensterAbwarten("^Speichern$", WARTEN_MS), 0u) << "no file dialog";
        xdotool({"type", "--delay", "20", pfad});
        xdotool({"key", "Return"});
    }

    std::vector<std::string> schreibzeilen() const {
        std::vector<std::string> z;
        for (const std::string& s : sim.bus().empfangeneZeilen())
            if (s.find("BDW") != std::string::npos) z.push_back(s);
        return z;
    }

    QTemporaryDir ordner;
    mutable plm1sim::Server sim;
    QProcess fensterverwaltung, programm;
    qulonglong haupt = 0;
};

// Moves 36 pixels apart (two steps) with the button held, then a jump: every step in between is set.
TEST_F(MitFensterverwaltung, SchnellerStrichSetztJedenUeberstrichenenSchritt) {
    const qulonglong zyklus = zyklusfenster(30);
    ASSERT_NE(zyklus, 0u);
    const QRect canvas = ctrlRechteck(zyklus, KURVPANEL, KURVPANEL_CANVAS_V1);
    xdotool({"mousemove", "5", "5"}); // away from the canvas and its tooltip
    const QImage vorher = bildVon(canvas);
    const int mitteY = canvas.height() / 2;
    auto x = [&](int schritt) { return 5 + 18 * schritt + 9; };
    auto aufSchirm = [&](int schritt) { return QString::number(canvas.x() + x(schritt)); };
    const QString y = QString::number(canvas.y() + mitteY);
    // The gaps come from the distance between two pointer positions, not from the pace: a short pause
    // after each event lets the program see them one by one, as a hand would give them.
    QStringList strich = {"mousemove", aufSchirm(0), y, "sleep", "0.1", "mousedown", "1"};
    for (const int s : {2, 4, 6, 8, 10, 12, 21})
        strich << "sleep"
               << "0.05"
               << "mousemove" << aufSchirm(s) << y;
    strich << "sleep"
           << "0.05"
           << "mouseup"
           << "1"
           << "mousemove"
           << "5"
           << "5";
    xdotool(strich);
    QImage bild;
    ASSERT_TRUE(abwarten([&] {
        bild = bildVon(canvas);
        return bild.pixel(x(21), mitteY) != vorher.pixel(x(21), mitteY);
    })) << "the stroke's end was not drawn";
    const QRgb gesetzt = bild.pixel(x(0), mitteY);
    EXPECT_NE(gesetzt, vorher.pixel(x(0), mitteY));
    for (int s = 0; s <= 21; ++s)
        EXPECT_EQ(bild.pixel(x(s), mitteY), gesetzt) << "step " << s << " left out";
    EXPECT_EQ(bild.pixel(x(25), mitteY), vorher.pixel(x(25), mitteY));
    // One stroke, one undo step.
    xdotool({"key", "ctrl+z"});
    EXPECT_TRUE(abwarten([&] { return bildVon(canvas) == vorher; }))
        << "one undo did not take the stroke back";
}

// "Speichern unter..." onto an existing file: the question comes, Return keeps the file (Nein is the
// default), Ja replaces it.
TEST_F(MitFensterverwaltung, VorhandeneDateiWirdNurNachFrageErsetzt) {
    const QString pfad = ordner.filePath("vorhanden.plk");
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    const qulonglong zyklus = zyklusfenster(12);
    ASSERT_NE(zyklus, 0u);

    speichernUnter(zyklus, pfad);
    ASSERT_NE(fensterAbwarten("^Datei ersetzen$", WARTEN_MS), 0u) << "no question before replacing";
    xdotool({"key", "Return"});
    ASSERT_TRUE(abwarten([] { return fensterFinden("^Datei ersetzen$") == 0; }));
    EXPECT_TRUE(titelAbwarten(zyklus, "Zyklus-Programmierung - [Unbenannt *]", WARTEN_MS));
    EXPECT_EQ(lesen(pfad), QByteArray("alt"));

    speichernUnter(zyklus, pfad);
    ASSERT_NE(fensterAbwarten("^Datei ersetzen$", WARTEN_MS), 0u);
    xdotool({"key", "alt+j"});
    EXPECT_TRUE(titelAbwarten(zyklus, "Zyklus-Programmierung - [vorhanden.plk]", WARTEN_MS));
    EXPECT_GT(lesen(pfad).size(), 100);
}

// "Scann" finds units 1 and 5 and leaves 5 on the screen: the upload that follows goes to unit 5.
TEST_F(MitFensterverwaltung, NachDerSucheGehtDerUploadAnDasAngezeigteGeraet) {
    klicken(mitte(haupt, MAINPANEL, MAINPANEL_KONFIGURATION), 1);
    const qulonglong einstellungen = fensterOben("^PLM-1 Einstellungen");
    ASSERT_NE(einstellungen, 0u);
    sim.bus().protokollLeeren();
    const QRect status = ctrlRechteck(einstellungen, KONFIGPNL, KONFIGPNL_SCANNTEXT);
    const QImage ohneText = bildVon(status);
    klicken(mitte(einstellungen, KONFIGPNL, KONFIGPNL_SCANN), 1);
    auto gefragt = [&](char adresse) {
        for (const std::string& z : sim.bus().empfangeneZeilen())
            if (z.size() > 4 && z[1] == adresse && z.compare(2, 3, "IDR") == 0) return true;
        return false;
    };
    ASSERT_TRUE(abwarten([&] { return gefragt('9'); }, 20000)) << "the search did not reach address 9";
    // Input made while the search runs is thrown away: it is over when its status text is gone.
    ASSERT_TRUE(abwarten([&] { return bildVon(status) == ohneText; })) << "the search did not end";
    klicken(mitte(einstellungen, KONFIGPNL, KONFIGPNL_ZURUECK), 1);
    ASSERT_TRUE(abwarten([&] { return fensterFinden("^PLM-1 Einstellungen") == 0; }));
    haupt = fensterOben("^PLM-1 Steuerung$");
    ASSERT_NE(haupt, 0u);

    const qulonglong zyklus = zyklusfenster(20);
    ASSERT_NE(zyklus, 0u);
    sim.bus().protokollLeeren();
    klicken(mitte(zyklus, KURVPANEL, KURVPANEL_UPLOAD), 1);
    const int kopf = KURVENSATZ_ADRESSE_KOPF;
    const std::vector<std::uint8_t> leer(16, 0xFF);
    EXPECT_TRUE(abwarten([&] { return sim.bus().speicher('5', kopf, 16) != leer; }, 30000))
        << "unit 5 got no cycle";
    EXPECT_EQ(sim.bus().speicher('1', kopf, 16), leer) << "the cycle went to unit 1";
    for (const std::string& z : schreibzeilen())
        EXPECT_EQ(z.substr(0, 2), "#5") << z;
}

} // namespace
} // namespace xanzeige
