// A verified upload of a 600-step cycle started with the "Upload" button of the cycle window, against the
// simulated unit paced at 9600 baud: time against the wire time of each phase (sending, reading back) and of
// the whole, limit 1.01; and where the rest goes: opening and closing the progress dialogs, and their
// updates (each one timed on a dialog of its own). On an X server (xvfb-run -a bench_zyklusfenster) with a
// window manager started here when openbox is installed, as on a desktop; without one, offscreen.

#include "zyklus_bench.h"

#include "cycle/CanvasFunktionen.h"
#include "cycle/Kurven_Main.h"
#include "cycle/Kurven_Pruefen.h"
#include "cycle/Kurven_Userinterface.h"
#include "cycle/Kurvenarrays.h"
#include "device/Vkr_Com.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_fragen.h"
#include "platform/ui/ui_melden.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "sim/plm1sim_server.h"
#include "valves/Konfigarray.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int PORT = 1;
constexpr int SCHRITTE = 600;
constexpr double GRENZE = 1.01;
constexpr int ANLAUF_MS = 10000;   // longest wait for the window manager and the window
constexpr int UPDATE_PROBEN = 200; // progress updates timed on their own

using Uhr = std::chrono::steady_clock;

// The window manager this run started, ended on every way out.
struct Fensterverwaltung {
    QProcess prozess;
    ~Fensterverwaltung() {
        if (prozess.state() != QProcess::Running) return;
        prozess.terminate();
        if (!prozess.waitForFinished(ANLAUF_MS)) prozess.kill();
    }
};

double sekunden(Uhr::time_point a, Uhr::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

struct Fortschritt {
    std::string titel;
    int prozent; // 0 create, -1 discard
    Uhr::time_point zeit;
};

// Start and end of the dialogs with this title; the time between the end of one dialog and the start of
// the next goes to opening them; the number of updates.
struct Phase {
    Uhr::time_point anfang{}, ende{};
    double oeffnen = 0;
    int dialoge = 0, updates = 0;
};

Phase phase(const std::vector<Fortschritt>& f, const std::string& titel, Uhr::time_point start) {
    Phase p;
    Uhr::time_point letztesEnde = start;
    bool offen = false; // a 0 while the dialog is open is an update, not a new dialog
    for (const Fortschritt& e : f) {
        if (e.titel != titel) {
            if (e.prozent == -1) letztesEnde = e.zeit;
            continue;
        }
        if (e.prozent == 0 && !offen) {
            if (p.dialoge++ == 0) p.anfang = e.zeit;
            p.oeffnen += sekunden(letztesEnde, e.zeit);
            offen = true;
        } else if (e.prozent == -1) {
            p.ende = e.zeit;
            letztesEnde = e.zeit;
            offen = false;
        } else {
            ++p.updates;
        }
    }
    return p;
}

std::vector<std::string> mit(const std::vector<std::string>& zeilen, const char* code) {
    std::vector<std::string> r;
    for (const std::string& z : zeilen)
        if (z.size() > 5 && z.compare(2, 3, code) == 0) r.push_back(z);
    return r;
}

bool zeile(const char* name, double dauer, double leitung) {
    const double v = dauer / leitung;
    std::printf("bench_zyklusfenster: %-28s wire time %7.2f s, took %7.2f s, ratio %.4f (limit %.2f) %s\n",
                name, leitung, dauer, v, GRENZE, v <= GRENZE ? "ok" : "OVER LIMIT");
    return v <= GRENZE;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    if (!ordner.isValid()) return 2;
    qputenv("HOME", ordner.path().toUtf8()); // Qt's dialogs never touch the user's settings
    QStandardPaths::setTestModeEnabled(true);

    // A desktop has a window manager; it decides where and when windows appear.
    Fensterverwaltung wm;
    QProcess& fensterverwaltung = wm.prozess;
    const bool aufX = QGuiApplication::platformName() == "xcb";
    if (aufX && !QStandardPaths::findExecutable("openbox").isEmpty()) {
        const QString bereit = ordner.filePath("openbox-bereit");
        fensterverwaltung.start("openbox", {"--sm-disable", "--startup", "touch " + bereit});
        QElapsedTimer uhr;
        uhr.start();
        while (!QFile::exists(bereit) && uhr.elapsed() < ANLAUF_MS)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    std::printf("bench_zyklusfenster: platform %s, window manager %s\n",
                qPrintable(QGuiApplication::platformName()),
                fensterverwaltung.state() == QProcess::Running ? "openbox" : "none");

    plm1sim::Server server;
    if (!Bench_UnitAnschliessen(server, PORT)) return 2;
    UI_MeldungsabfangSetzen([](const std::string& t, const std::string& x) {
        std::fprintf(stderr, "popup: %s: %s\n", t.c_str(), x.c_str());
    });
    Resource_Registrieren();
    if (KurvenMain_Initialisieren() != 0) {
        std::fprintf(stderr, "cycle window did not load\n");
        return 2;
    }
    const int panel = gKurvenPanel;
    DisplayPanel(panel);
    QWidget* fenster = UI_PanelWidget(panel);
    QElapsedTimer uhr;
    uhr.start();
    while (fenster && (!fenster->windowHandle() || !fenster->windowHandle()->isExposed()) &&
           uhr.elapsed() < ANLAUF_MS)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    SetCtrlVal(panel, KURVPANEL_ANZAHLSCHRITTE, SCHRITTE);
    Callback_Kurven_Controls(panel, KURVPANEL_ANZAHLSCHRITTE, EVENT_COMMIT, nullptr, 0, 0);
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int i = 0; i < SCHRITTE; ++i)
            gKurven[k].values[i] = Kurvenarrays_IstVentilkanal(k) ? (i / 7 + k) % 2 : (i % 21) * 10 - 100;
    Canvas_AlleKurvenNeuZeichnen();
    QCoreApplication::processEvents();

    std::vector<Fortschritt> fortschritt;
    UI_FortschrittsbeobachterSetzen([&](const std::string& titel, int prozent) {
        fortschritt.push_back({titel, prozent, Uhr::now()});
    });
    server.bus().protokollLeeren();
    QWidget* upload = UI_CtrlWidget(panel, KURVPANEL_UPLOAD);
    const auto t0 = Uhr::now();
    QTest::mouseClick(upload, Qt::LeftButton); // the callback runs inside: the upload, then the comparison
    const auto t1 = Uhr::now();
    UI_FortschrittsbeobachterSetzen(nullptr);
    if (VkrCom_LetzterFehlerGet() != 0) {
        std::fprintf(stderr, "upload failed: %d\n", VkrCom_LetzterFehlerGet());
        return 1;
    }

    const auto zeilen = server.bus().empfangeneZeilen();
    const Phase senden = phase(fortschritt, "Daten senden", t0);
    const Phase lesen = phase(fortschritt, "Daten prüfen", senden.ende);
    const double drahtSenden = Bench_ZeichenAufDerLeitung(mit(zeilen, "BDW")) * BENCH_ZEICHENZEIT_S;
    const double drahtLesen = Bench_ZeichenAufDerLeitung(mit(zeilen, "BDR")) * BENCH_ZEICHENZEIT_S;
    const double drahtGanz = Bench_ZeichenAufDerLeitung(zeilen) * BENCH_ZEICHENZEIT_S;
    std::printf("bench_zyklusfenster: %d steps, %zu commands (%zu BDW, %zu BDR)\n", SCHRITTE, zeilen.size(),
                mit(zeilen, "BDW").size(), mit(zeilen, "BDR").size());
    bool ok = zeile("sending (\"Daten senden\")", sekunden(senden.anfang, senden.ende), drahtSenden);
    ok = zeile("reading back (\"Daten prüfen\")", sekunden(lesen.anfang, lesen.ende), drahtLesen) && ok;
    ok = zeile("click to end of callback", sekunden(t0, t1), drahtGanz) && ok;

    // Where the rest goes: opening the dialogs (between one dialog's end and the next one's start), and
    // the updates, each timed here on a dialog of its own.
    const int probe = CreateProgressDialog("Daten senden", "Daten senden", 1);
    const auto u0 = Uhr::now();
    for (int i = 0; i < UPDATE_PROBEN; ++i)
        UpdateProgressDialog(probe, i % 100);
    const double jeUpdate = sekunden(u0, Uhr::now()) / UPDATE_PROBEN;
    DiscardProgressDialog(probe);
    const int updates = senden.updates + lesen.updates;
    std::printf("bench_zyklusfenster: opening %d + %d dialogs %.3f s; %d updates at %.3f ms each %.3f s; "
                "before the first dialog %.3f s, after the last %.3f s\n",
                senden.dialoge, lesen.dialoge, senden.oeffnen + lesen.oeffnen, updates, jeUpdate * 1e3,
                updates * jeUpdate, sekunden(t0, senden.anfang), sekunden(lesen.ende, t1));

    // The same upload without the dialogs on the screen (as the command line runs it), a quarter of the
    // size, on the same machine at the same time: what is left beyond it is the window's.
    UI_MeldeFensterSetzen(nullptr);
    SetCtrlVal(panel, KURVPANEL_ANZAHLSCHRITTE, SCHRITTE / 4);
    Callback_Kurven_Controls(panel, KURVPANEL_ANZAHLSCHRITTE, EVENT_COMMIT, nullptr, 0, 0);
    server.bus().protokollLeeren();
    const auto r0 = Uhr::now();
    const Fehlercode f = KurvenPruefen_Plm1Upload(true);
    const double ohneFenster = sekunden(r0, Uhr::now());
    if (f == KEIN_FEHLER)
        zeile("same, no dialogs, 150 steps", ohneFenster,
              Bench_ZeichenAufDerLeitung(server.bus().empfangeneZeilen()) * BENCH_ZEICHENZEIT_S);

    (void)VkrCom_Close();
    server.stoppen();
    return ok ? 0 : 1;
}
