// With a window manager (openbox) in an X server of its own, on a laptop's and a desktop's screen: every
// window opens wholly inside the screen, every popup stands centred over the window that opened it and
// shows its title whole, and a window's place and size come back after a restart.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int WERKZEUG_MS = 10000; // longest run of one tool call
constexpr int FENSTER_MS = 15000;  // longest wait for a window to appear or go

struct Schirm {
    int breite, hoehe;
};

class MitFensterverwaltung : public ::testing::TestWithParam<Schirm> {
  protected:
    void SetUp() override {
        for (const char* werkzeug : {"Xvfb", "openbox", "xdotool", "xwininfo", "xprop"})
            if (QStandardPaths::findExecutable(werkzeug).isEmpty())
                GTEST_SKIP() << werkzeug << " is not installed (scripts/install-deps.sh installs it)";
        programm_ = QFileInfo(qEnvironmentVariable("PLM1_STEUERUNG")).absoluteFilePath();
        ASSERT_FALSE(qEnvironmentVariable("PLM1_STEUERUNG").isEmpty()) << "PLM1_STEUERUNG names the program";
        ASSERT_TRUE(ordner_.isValid());
        schirm_ = QRect(0, 0, GetParam().breite, GetParam().hoehe);
        // The server picks a free display and names it on standard output.
        server_.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                               QString("%1x%2x24").arg(schirm_.width()).arg(schirm_.height())});
        ASSERT_TRUE(server_.waitForStarted(WERKZEUG_MS));
        QElapsedTimer uhr;
        uhr.start();
        QByteArray ausgabe;
        while (!ausgabe.contains('\n') && uhr.elapsed() < WERKZEUG_MS) {
            server_.waitForReadyRead(200);
            ausgabe += server_.readAllStandardOutput();
        }
        ASSERT_TRUE(ausgabe.contains('\n')) << "Xvfb named no display";
        umgebung_ = QProcessEnvironment::systemEnvironment();
        umgebung_.insert("DISPLAY", ":" + QString::fromUtf8(ausgabe).trimmed());
        umgebung_.insert("HOME", ordner_.path()); // never the operator's own settings
        umgebung_.insert("XDG_CONFIG_HOME", ordner_.filePath("config"));
        umgebung_.remove("QT_QPA_PLATFORM");
        verwaltung_.setProcessEnvironment(umgebung_);
        verwaltung_.start("openbox", {});
        ASSERT_TRUE(verwaltung_.waitForStarted(WERKZEUG_MS));
        uhr.restart();
        while (!werkzeug("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id") &&
               uhr.elapsed() < WERKZEUG_MS)
            QThread::msleep(50);
        ASSERT_LT(uhr.elapsed(), WERKZEUG_MS) << "openbox did not come up";
    }

    void TearDown() override {
        for (QProcess* p : {&programm, &verwaltung_, &server_})
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(WERKZEUG_MS)) {
                    p->kill();
                    p->waitForFinished(WERKZEUG_MS);
                }
            }
    }

    void starten() {
        programm.setProcessEnvironment(umgebung_);
        programm.setWorkingDirectory(ordner_.path());
        programm.setProcessChannelMode(QProcess::ForwardedChannels);
        programm.start(programm_, {});
        ASSERT_TRUE(programm.waitForStarted(WERKZEUG_MS));
    }

    void beenden() {
        klicken(punkt(fensterAbwarten("^PLM-1 Steuerung$"), MAINPANEL, MAINPANEL_BEENDEN));
        ASSERT_TRUE(programm.waitForFinished(FENSTER_MS));
    }

    QString werkzeug(const QString& name, const QStringList& argumente) {
        QProcess p;
        p.setProcessEnvironment(umgebung_);
        p.start(name, argumente);
        if (!p.waitForFinished(WERKZEUG_MS)) {
            p.kill();
            p.waitForFinished(1000);
            ADD_FAILURE() << name.toStdString() << " did not finish";
        }
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    std::vector<qulonglong> sichtbare(const QString& titel) {
        std::vector<qulonglong> ids;
        for (const QString& s : werkzeug("xdotool", {"search", "--onlyvisible", "--name", titel})
                                    .split('\n', Qt::SkipEmptyParts))
            ids.push_back(s.toULongLong());
        return ids;
    }

    qulonglong fensterAbwarten(const QString& titel) {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < FENSTER_MS) {
            if (const auto ids = sichtbare(titel); !ids.empty()) {
                QThread::msleep(300); // the window manager places and frames it
                return ids.front();
            }
            QThread::msleep(50);
        }
        ADD_FAILURE() << "no window " << titel.toStdString();
        return 0;
    }

    void wegAbwarten(const QString& titel) {
        QElapsedTimer uhr;
        uhr.start();
        while (!sichtbare(titel).empty() && uhr.elapsed() < FENSTER_MS)
            QThread::msleep(50);
        EXPECT_TRUE(sichtbare(titel).empty()) << titel.toStdString() << " stays";
    }

    // The window's own area on the screen (without the frame).
    QRect innen(qulonglong id) {
        const QString s = werkzeug("xwininfo", {"-id", QString::number(id)});
        auto zahl = [&](const char* name) {
            const auto m = QRegularExpression(QString("%1:\\s*(-?\\d+)").arg(name)).match(s);
            return m.hasMatch() ? m.captured(1).toInt() : 0;
        };
        return QRect(zahl("Absolute upper-left X"), zahl("Absolute upper-left Y"), zahl("Width"),
                     zahl("Height"));
    }

    // The window with the frame the window manager put round it.
    QRect rahmen(qulonglong id) {
        const QString s = werkzeug("xprop", {"-id", QString::number(id), "_NET_FRAME_EXTENTS"});
        const auto m = QRegularExpression("= (\\d+), (\\d+), (\\d+), (\\d+)").match(s);
        const QRect r = innen(id);
        if (!m.hasMatch()) return r;
        return r.adjusted(-m.captured(1).toInt(), -m.captured(3).toInt(), m.captured(2).toInt(),
                          m.captured(4).toInt());
    }

    // Every window on the screen lies wholly inside it.
    void allesAufDemSchirm(const char* wo) {
        for (qulonglong id : sichtbare(".")) {
            const QRect r = rahmen(id);
            const std::string titel =
                werkzeug("xdotool", {"getwindowname", QString::number(id)}).toStdString();
            EXPECT_TRUE(schirm_.contains(r)) << wo << ": " << titel << " at " << r.x() << "," << r.y() << " "
                                             << r.width() << "x" << r.height();
        }
    }

    // A popup stands centred over its window and is wide enough for its title.
    void popupPruefen(const QString& titel, qulonglong ueber, const char* wo) {
        const qulonglong popup = fensterAbwarten(titel);
        ASSERT_NE(popup, 0u) << wo;
        const QRect p = rahmen(popup), f = rahmen(ueber);
        const QPoint abstand = p.center() - f.center();
        EXPECT_LE(abstand.manhattanLength(), 4) << wo << ": " << titel.toStdString() << " at " << p.x() << ","
                                                << p.y() << " over " << f.x() << "," << f.y();
        QFont fett;
        fett.setBold(true);
        const QString text = werkzeug("xdotool", {"getwindowname", QString::number(popup)}).trimmed();
        EXPECT_GE(p.width(), QFontMetrics(fett).horizontalAdvance(text) + 100)
            << wo << ": " << text.toStdString();
        allesAufDemSchirm(wo);
    }

    // A point inside a control of a window that shows its content whole: the content fills the window
    // below the menu bar, centred where the window is larger.
    QPoint punkt(qulonglong fenster, int panelKonstante, int id) {
        const QRect g = innen(fenster);
        const PanelDef* p = Resource_Panel(panelKonstante);
        if (!p) return {};
        for (const CtrlDef& c : p->ctrls)
            if (c.id == id)
                return {g.x() + (g.width() - p->width) / 2 + c.left + c.width / 2,
                        g.y() + g.height() - p->height + c.top + c.height / 2};
        ADD_FAILURE() << "control " << id << " not in panel " << panelKonstante;
        return {};
    }

    void klicken(QPoint p) {
        werkzeug("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    }

    // With PLM1_BILDER set: the whole screen as a small PNG (a palette of 256 colours) in that folder.
    void bildSpeichern(const char* name) {
        const QString ordner = qEnvironmentVariable("PLM1_BILDER");
        if (ordner.isEmpty() || schirm_.size() != QSize(1366, 768)) return;
        QThread::msleep(500); // painted
        werkzeug("import", {"-window", "root", "-colors", "256", "PNG8:" + ordner + "/" + name + ".png"});
    }

    QProcess programm;
    QRect schirm_;

  private:
    QTemporaryDir ordner_;
    QString programm_;
    QProcessEnvironment umgebung_;
    QProcess server_, verwaltung_;
};

TEST_P(MitFensterverwaltung, FensterUndPopupsAufDemSchirm) {
    starten();
    const qulonglong haupt = fensterAbwarten("^PLM-1 Steuerung$");
    ASSERT_NE(haupt, 0u);
    // The first start greets with a popup over the main window.
    popupPruefen("^Fehler #802201$", haupt, "first start");
    bildSpeichern("erster_start");
    werkzeug("xdotool", {"key", "Return"});
    wegAbwarten("^Fehler #802201$");
    klicken(punkt(haupt, MAINPANEL, MAINPANEL_INFO));
    popupPruefen("^Info$", haupt, "info");
    werkzeug("xdotool", {"key", "Escape"});
    wegAbwarten("^Info$");

    struct Fenster {
        const char *titel, *bild;
        int panel, knopf, zurueck;
    };
    const Fenster fenster[] = {
        {"^Zyklus-Programmierung", "zyklus", KURVPANEL, MAINPANEL_ZYKLUSPROG, KURVPANEL_ZURUECK},
        {"^Tasten-Programmierung", "tasten", TASTPANEL, MAINPANEL_TASTATURPROG, TASTPANEL_ZURUECK},
        {"^Direktbetrieb", "direktbetrieb", DIREKTPNL, MAINPANEL_DIREKTBETRIEB, DIREKTPNL_ZURUECK},
        {"^PLM-1 Einstellungen", "einstellungen", KONFIGPNL, MAINPANEL_KONFIGURATION, KONFIGPNL_ZURUECK}};
    for (const Fenster& f : fenster) {
        SCOPED_TRACE(f.titel);
        const qulonglong h = fensterAbwarten("^PLM-1 Steuerung$");
        klicken(punkt(h, MAINPANEL, f.knopf));
        const qulonglong w = fensterAbwarten(f.titel);
        ASSERT_NE(w, 0u);
        allesAufDemSchirm(f.titel);
        bildSpeichern(f.bild);
        if (f.panel == KURVPANEL) {
            klicken(punkt(w, KURVPANEL, KURVPANEL_SPEICHERN));
            popupPruefen("^Speichern$", w, "file dialog");
            bildSpeichern("zyklus_speichern");
            werkzeug("xdotool", {"key", "Escape"});
            wegAbwarten("^Speichern$");
        }
        klicken(punkt(w, f.panel, f.zurueck));
        wegAbwarten(f.titel);
        allesAufDemSchirm("back");
        if (f.panel == KURVPANEL) bildSpeichern("hauptfenster");
    }
}

// A place and size given to the main window come back at the next start, inside the screen.
TEST_P(MitFensterverwaltung, LageKommtNachDemNeustartWieder) {
    starten();
    qulonglong haupt = fensterAbwarten("^PLM-1 Steuerung$");
    ASSERT_NE(haupt, 0u);
    werkzeug("xdotool", {"key", "Return"});
    wegAbwarten("^Fehler #802201$");
    const QRect vorher = innen(haupt);
    const QPoint ziel(schirm_.width() - vorher.width() - 40, 30);
    werkzeug("xdotool",
             {"windowmove", QString::number(haupt), QString::number(ziel.x()), QString::number(ziel.y())});
    werkzeug("xdotool", {"windowsize", QString::number(haupt), QString::number(vorher.width() + 60),
                         QString::number(vorher.height() + 40)});
    QThread::msleep(500);
    const QRect gesetzt = innen(haupt);
    beenden();
    starten();
    haupt = fensterAbwarten("^PLM-1 Steuerung$");
    ASSERT_NE(haupt, 0u);
    QThread::msleep(300);
    EXPECT_EQ(innen(haupt), gesetzt);
    EXPECT_EQ(gesetzt.size(), vorher.size() + QSize(60, 40));
    allesAufDemSchirm("restart");
}

// A laptop's and a desktop's screen; with PLM1_BILDER set also the small laptop the screenshots show.
std::vector<Schirm> schirme() {
    std::vector<Schirm> s = {{1280, 800}, {1600, 1000}};
    if (!qEnvironmentVariableIsEmpty("PLM1_BILDER")) s.push_back({1366, 768});
    return s;
}

INSTANTIATE_TEST_SUITE_P(Schirme, MitFensterverwaltung, ::testing::ValuesIn(schirme()),
                         [](const ::testing::TestParamInfo<Schirm>& i) {
                             return std::to_string(i.param.breite) + "x" + std::to_string(i.param.hoehe);
                         });

} // namespace
