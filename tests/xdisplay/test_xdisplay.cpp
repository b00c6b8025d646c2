// The program on a real X server, driven by real input events (xdotool) against the paced simulated unit:
// the progress bar is on the screen and advances, clicks made during an upload start nothing afterwards, a
// numeric field takes a number beyond its range and brings it into range, undo and redo typed after a
// stroke drawn with the mouse.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "sim/plm1sim_server.h"
#include "xdisplay_hilfen.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace xanzeige {

constexpr int WERKZEUG_MS = 10000; // longest run of one xdotool call
constexpr int FENSTER_MS = 20000;  // longest wait for a window to appear

QString programmPfad() {
    const QString pfad = qEnvironmentVariable("PLM1_STEUERUNG");
    return pfad.isEmpty() ? pfad : QFileInfo(pfad).absoluteFilePath(); // the program runs in its own folder
}

QString xdotool(const QStringList& argumente) {
    QProcess p;
    p.start("xdotool", argumente);
    if (!p.waitForFinished(WERKZEUG_MS)) {
        p.kill();
        p.waitForFinished(1000);
        ADD_FAILURE() << "xdotool " << argumente.join(' ').toStdString() << " did not finish";
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The first visible window whose title matches, 0 when none is there.
qulonglong fensterFinden(const QString& titel) {
    const QStringList ids =
        xdotool({"search", "--onlyvisible", "--name", titel}).split('\n', Qt::SkipEmptyParts);
    return ids.isEmpty() ? 0 : ids.first().toULongLong();
}

qulonglong fensterAbwarten(const QString& titel, int ms = FENSTER_MS) {
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < ms) {
        if (const qulonglong id = fensterFinden(titel)) return id;
        QThread::msleep(50);
    }
    return 0;
}

QRect geometrie(qulonglong fenster) {
    const QString s = xdotool({"getwindowgeometry", "--shell", QString::number(fenster)});
    auto zahl = [&](const char* name) {
        const auto m = QRegularExpression(QString("%1=(-?\\d+)").arg(name)).match(s);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    return QRect(zahl("X"), zahl("Y"), zahl("WIDTH"), zahl("HEIGHT"));
}

// Writes a settings file with every key (a missing one would greet with a popup) into the test's folder
// and starts the program there on the simulated unit's line as COM 1, never with the operator's settings.
bool programmStarten(QProcess& programm, const QTemporaryDir& ordner, const std::string& simPfad) {
    QFile ini(ordner.filePath("plm1Steuerung.ini"));
    if (!ini.open(QIODevice::WriteOnly)) return false;
    QByteArray inhalt = "[konfig]\r\nadresse = 49\r\ncom = 1\r\nlcom = 1\r\n";
    for (int v = 1; v <= 11; ++v)
        inhalt += "v" + QByteArray::number(v) + " = 2\r\n";
    ini.write(inhalt);
    ini.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PLM1_COM1", QString::fromStdString(simPfad));
    env.insert("HOME", ordner.path());
    env.insert("XDG_CONFIG_HOME", ordner.filePath("config"));
    env.remove("QT_QPA_PLATFORM");
    programm.setProcessEnvironment(env);
    programm.setWorkingDirectory(ordner.path());
    programm.setProcessChannelMode(QProcess::ForwardedChannels);
    programm.start(programmPfad(), {});
    return true;
}

const CtrlDef& ctrlDef(int panelKonstante, int id) {
    static const CtrlDef leer;
    if (const PanelDef* p = Resource_Panel(panelKonstante))
        for (const CtrlDef& c : p->ctrls)
            if (c.id == id) return c;
    ADD_FAILURE() << "control " << id << " not in panel " << panelKonstante;
    return leer;
}

// A point inside a control of a shown panel: the content sits below the menu bar, at the window's bottom.
QPoint punktIn(qulonglong fenster, int panelKonstante, int id, int dx = -1) {
    const QRect g = geometrie(fenster);
    const PanelDef* p = Resource_Panel(panelKonstante);
    const int oben = g.height() - (p ? p->height : 0);
    const CtrlDef& c = ctrlDef(panelKonstante, id);
    return {g.x() + c.left + (dx >= 0 ? dx : c.width / 2), g.y() + oben + c.top + c.height / 2};
}

// A control's rectangle on the screen.
QRect rechteckVon(qulonglong fenster, int panelKonstante, int id) {
    const QRect g = geometrie(fenster);
    const PanelDef* p = Resource_Panel(panelKonstante);
    const int oben = g.height() - (p ? p->height : 0);
    const CtrlDef& c = ctrlDef(panelKonstante, id);
    return {g.x() + c.left, g.y() + oben + c.top, c.width, c.height};
}

QImage bildVon(const QRect& r) {
    return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

// Pixels that differ between two captures of the same size.
int unterschiede(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// Waits until the window's title is `titel`; false when it did not come within `ms`.
bool titelAbwarten(qulonglong fenster, const QString& titel, int ms = 5000) {
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < ms) {
        if (xdotool({"getwindowname", QString::number(fenster)}).trimmed() == titel) return true;
        QThread::msleep(50);
    }
    ADD_FAILURE() << "title stayed " << xdotool({"getwindowname", QString::number(fenster)}).toStdString();
    return false;
}

// Waits until the screen shows `bild` in `r` (gleich) or anything else (!gleich).
bool bildAbwarten(const QRect& r, const QImage& bild, bool gleich, int ms = 5000) {
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < ms) {
        if ((bildVon(r) == bild) == gleich) return true;
        QThread::msleep(50);
    }
    return false;
}

void klicken(QPoint p, int anzahl = 1) {
    xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "--repeat",
             QString::number(anzahl), "--delay", "80", "1"});
}

void tippen(const QString& text) {
    xdotool({"key", "--delay", "40", "ctrl+a"});
    xdotool({"type", "--delay", "40", text});
    xdotool({"key", "Return"});
}

// Percentage the bar of a captured dialog shows: in a row through the bar, the part in the palette's
// highlight colour (Fusion style) against the whole field (highlight, then white).
int balkenProzent(const QImage& bild) {
    auto hervorgehoben = [](QColor c) {
        return std::abs(c.red() - 0x30) < 16 && std::abs(c.green() - 0x8c) < 16 &&
               std::abs(c.blue() - 0xc6) < 16;
    };
    for (int y = 0; y + 1 < bild.height(); ++y) {
        int links = -1;
        for (int x = 0; x < bild.width() && links < 0; ++x)
            if (hervorgehoben(bild.pixelColor(x, y))) links = x;
        if (links < 0) continue;
        const int zeile = y + 1; // below the field's frame, above the centred text
        int voll = links, ende = links;
        while (voll < bild.width() && hervorgehoben(bild.pixelColor(voll, zeile)))
            ++voll;
        ende = voll;
        while (ende < bild.width() && qGray(bild.pixel(ende, zeile)) > 245)
            ++ende;
        return (voll - links) * 100 / std::max(1, ende - links);
    }
    return 0;
}

class EchtesX : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(programmPfad().isEmpty()) << "PLM1_STEUERUNG names the program";
        ASSERT_TRUE(ordner.isValid());
        ASSERT_TRUE(sim.starten({plm1sim::Einheit{'1', "VKR-PLM1-SIM"}}, true));
        ASSERT_TRUE(programmStarten(programm, ordner, sim.pfad()));
        ASSERT_TRUE(programm.waitForStarted(WERKZEUG_MS));
        haupt = fensterAbwarten("^PLM-1 Steuerung$");
        ASSERT_NE(haupt, 0u) << "main window did not appear";
    }

    void TearDown() override {
        if (programm.state() != QProcess::NotRunning) {
            programm.terminate();
            if (!programm.waitForFinished(WERKZEUG_MS)) {
                programm.kill();
                programm.waitForFinished(WERKZEUG_MS);
            }
        }
        sim.stoppen();
    }

    // Opens the cycle window with `schritte` steps.
    qulonglong zyklusfenster(int schritte) {
        klicken(punktIn(haupt, MAINPANEL, MAINPANEL_ZYKLUSPROG));
        const qulonglong f = fensterAbwarten("^Zyklus");
        if (!f) return 0;
        klicken(punktIn(f, KURVPANEL, KURVPANEL_ANZAHLSCHRITTE, 12));
        tippen(QString::number(schritte));
        QThread::msleep(300);
        return f;
    }

    std::vector<std::string> schreibzeilen() const {
        std::vector<std::string> z;
        for (const std::string& s : sim.bus().empfangeneZeilen())
            if (s.find("BDW") != std::string::npos) z.push_back(s);
        return z;
    }

    // Waits until no write has reached the unit for `ruhe` ms.
    void ruheAbwarten(int ruhe, int grenze = 60000) {
        QElapsedTimer uhr, still;
        uhr.start();
        still.start();
        size_t n = schreibzeilen().size();
        while (uhr.elapsed() < grenze && still.elapsed() < ruhe) {
            QThread::msleep(100);
            const size_t jetzt = schreibzeilen().size();
            if (jetzt != n) {
                n = jetzt;
                still.restart();
            }
        }
    }

    QTemporaryDir ordner;
    mutable plm1sim::Server sim;
    QProcess programm;
    qulonglong haupt = 0;
};

TEST_F(EchtesX, FortschrittsbalkenWaechstAufDemBildschirm) {
    const qulonglong zyklus = zyklusfenster(60);
    ASSERT_NE(zyklus, 0u);
    klicken(punktIn(zyklus, KURVPANEL, KURVPANEL_UPLOAD));

    // Screen captures while the upload runs: the bar of "Daten senden" is drawn and grows.
    const QString bilder = qEnvironmentVariable("PLM1_BILDER");
    std::vector<int> prozente;
    std::vector<qulonglong> fenster; // each part of the upload has a dialog of its own
    bool bild30 = false, bild70 = false;
    QElapsedTimer uhr;
    uhr.start();
    qulonglong dialog = fensterAbwarten("^Daten senden$", 5000);
    ASSERT_NE(dialog, 0u) << "no progress dialog";
    while (uhr.elapsed() < 60000) {
        dialog = fensterFinden("^Daten senden$");
        if (!dialog) {
            if (!prozente.empty() && prozente.back() >= 50) break; // the last part is done
            QThread::msleep(20);
            continue;
        }
        const QRect g = geometrie(dialog);
        if (g.width() <= 0) continue;
        const QImage bild =
            QGuiApplication::primaryScreen()->grabWindow(0, g.x(), g.y(), g.width(), g.height()).toImage();
        const int prozent = balkenProzent(bild);
        prozente.push_back(prozent);
        fenster.push_back(dialog);
        if (!bilder.isEmpty()) {
            const QImage schirm = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            if (!bild30 && prozent >= 28 && prozent <= 33) bild30 = schirm.save(bilder + "/upload_30.png");
            if (!bild70 && prozent >= 68 && prozent <= 73) bild70 = schirm.save(bilder + "/upload_70.png");
        }
        QThread::msleep(60);
    }
    ASSERT_GE(prozente.size(), 3u);
    std::set<int> verschieden(prozente.begin(), prozente.end());
    EXPECT_GE(verschieden.size(), 3u) << "the bar did not advance on the screen";
    for (size_t i = 1; i < prozente.size(); ++i) {
        if (fenster[i] == fenster[i - 1]) {
            EXPECT_GE(prozente[i] + 2, prozente[i - 1]) << "bar went back at capture " << i;
        }
    }
    EXPECT_GT(*verschieden.rbegin(), 50);
}

TEST_F(EchtesX, DoppelklickWaehrendDesUploadsStartetNichts) {
    const qulonglong zyklus = zyklusfenster(30);
    ASSERT_NE(zyklus, 0u);
    const QPoint upload = punktIn(zyklus, KURVPANEL, KURVPANEL_UPLOAD);
    sim.bus().protokollLeeren();
    klicken(upload);
    ASSERT_NE(fensterAbwarten("^Daten senden$", 5000), 0u);
    klicken(upload, 2); // the operator double-clicks while the upload runs
    ruheAbwarten(2500);
    const std::vector<std::string> zeilen = schreibzeilen();
    ASSERT_FALSE(zeilen.empty());
    // One upload writes every piece once; a second one would repeat them.
    const std::set<std::string> verschieden(zeilen.begin(), zeilen.end());
    EXPECT_EQ(verschieden.size(), zeilen.size())
        << zeilen.size() << " writes, " << verschieden.size() << " different: the upload ran more than once";
}

TEST_F(EchtesX, PumpenfeldNimmtZuGrosseZahlAn) {
    klicken(punktIn(haupt, MAINPANEL, MAINPANEL_DIREKTBETRIEB));
    const qulonglong direkt = fensterAbwarten("^Direktbetrieb");
    ASSERT_NE(direkt, 0u);
    // 104 typed into pump 1's speed (the pump is on from the start): 100 after the commit, which the pump
    // correction keeps.
    const plm1sim::Zustand z = sim.bus().zustand('1');
    klicken(punktIn(direkt, DIREKTPNL, DIREKTPNL_PUMPE1, 15));
    tippen("104");
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 10000 && sim.bus().zustand('1').pumpe[0] != 100)
        QThread::msleep(50);
    EXPECT_EQ(sim.bus().zustand('1').pumpe[0], 100) << "was " << z.pumpe[0];
    // 24 is below the speed at which the pump runs: the correction makes it 30.
    klicken(punktIn(direkt, DIREKTPNL, DIREKTPNL_PUMPE1, 15));
    tippen("24");
    uhr.restart();
    while (uhr.elapsed() < 10000 && sim.bus().zustand('1').pumpe[0] == 100)
        QThread::msleep(50);
    EXPECT_EQ(sim.bus().zustand('1').pumpe[0], 0);
}

// Undo and redo typed on the keyboard: Ctrl+Z from the step count field just committed, then after a
// stroke drawn with the mouse, Ctrl+Y and Ctrl+Shift+Z; the canvas on the screen and the title follow.
TEST_F(EchtesX, RueckgaengigUndWiederholenMitDerTastatur) {
    const qulonglong zyklus = zyklusfenster(30);
    ASSERT_NE(zyklus, 0u);
    const QString geaendert = "Zyklus-Programmierung - [Unbenannt *]";
    const QString sauber = "Zyklus-Programmierung - [Unbenannt]";
    ASSERT_TRUE(titelAbwarten(zyklus, geaendert));
    xdotool({"key", "ctrl+z"}); // the field keeps the focus; its change is committed
    ASSERT_TRUE(titelAbwarten(zyklus, sauber));

    const QRect canvas = rechteckVon(zyklus, KURVPANEL, KURVPANEL_CANVAS_V1);
    const QString ruhe[] = {"mousemove", "1270", "1015"}; // away from the canvas and its tooltip
    xdotool({ruhe[0], ruhe[1], ruhe[2]});
    QThread::msleep(300);
    const QImage leer = bildVon(canvas);
    auto x = [&](int schritt) { return QString::number(canvas.x() + 5 + 18 * schritt + 9); };
    const QString y = QString::number(canvas.y() + canvas.height() / 2);
    xdotool({"mousemove", x(2),      y,       "mousedown", "1",         "sleep", "0.1",   "mousemove",
             x(5),        y,         "sleep", "0.1",       "mousemove", x(8),    y,       "sleep",
             "0.1",       "mouseup", "1",     "sleep",     "0.1",       ruhe[0], ruhe[1], ruhe[2]});
    ASSERT_TRUE(titelAbwarten(zyklus, geaendert));
    ASSERT_TRUE(bildAbwarten(canvas, leer, false));
    QThread::msleep(300);
    const QImage gezeichnet = bildVon(canvas);
    ASSERT_GT(unterschiede(gezeichnet, leer), 100);

    struct Schritt {
        const char* taste;
        bool zurueck;
    };
    for (const Schritt s : {Schritt{"ctrl+z", true}, Schritt{"ctrl+y", false}, Schritt{"ctrl+z", true},
                            Schritt{"ctrl+shift+z", false}}) {
        SCOPED_TRACE(s.taste);
        xdotool({"key", s.taste});
        EXPECT_TRUE(titelAbwarten(zyklus, s.zurueck ? sauber : geaendert));
        if (s.zurueck) {
            EXPECT_TRUE(bildAbwarten(canvas, leer, true));
        } else {
            // Redrawn whole: a corner pixel here and there differs from the drawing made point by point.
            EXPECT_TRUE(bildAbwarten(canvas, leer, false));
            QThread::msleep(300);
            EXPECT_LT(unterschiede(bildVon(canvas), gezeichnet), 20);
        }
    }
}

} // namespace xanzeige

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // on the test's X server: takes the screen captures
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
