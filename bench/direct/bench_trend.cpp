// The pressure trend and the recording: (1) one trend update (a point into 8 hours of history and the
// chart repainted; the process's CPU, Qt's drawing threads included) at each span, against 1 ms; (2) the
// program's CPU while the direct window polls in monitor mode and records, against the paced simulated
// unit in its own process running the example cycle, against 1 % of a core (rounds of polling alone and
// polling + recording, the median counts);
// (3) the resident memory with 8 hours of history at 2 Hz.
// Usage: bench_trend [SECONDS [ROUNDS]] (each measurement, default 20 s; rounds, default 3). On an X server
// (xvfb-run -a bench_trend) the window is shown and painted there; without one, offscreen.

#include "beispielzyklus.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "direct/Direkt_Main.h"
#include "direct/Direkt_Trend.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_streifen.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "valves/Konfigarray.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr double GRENZE_UPDATE_S = 1e-3;
constexpr double GRENZE_CPU = 0.01;
constexpr int UPDATES_JE_SPANNE = 200;
constexpr double CPU_MESSDAUER_S = 20.0;
constexpr int CPU_RUNDEN = 3;
constexpr double CPU_ANLAUF_S = 3.0;
constexpr int PORT = 1;

using Uhr = std::chrono::steady_clock;

// CPU of every thread of the process (Qt's own included), and its context switches.
struct Verbrauch {
    double cpu = 0;
    long wechsel = 0;
};
Verbrauch verbrauch() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return {r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6,
            r.ru_nvcsw + r.ru_nivcsw};
}

double lastSchnitt() {
    std::ifstream f("/proc/loadavg");
    double l = -1;
    f >> l;
    return l;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

long rssKiB() {
    std::ifstream f("/proc/self/status");
    for (std::string z; std::getline(f, z);)
        if (z.rfind("VmRSS:", 0) == 0) return std::atol(z.c_str() + 6);
    return -1;
}

// The values a running cycle gives: pressures stepping every few seconds, limits switching on and off.
void punktVon(long i, double (&w)[MESSREIHE_SPUREN]) {
    const double t = i * DIREKTMESSREIHE_TAKT_S;
    w[MESSREIHE_DRUCK1] = 800 * std::sin(t / 37.0) + 20 * std::sin(t * 3.1);
    w[MESSREIHE_DRUCK2] = -400 + 300 * std::cos(t / 23.0);
    w[MESSREIHE_OBEN1] = (i / 40) % 2 ? 700.0 : NAN;
    w[MESSREIHE_UNTEN1] = NAN;
    w[MESSREIHE_OBEN2] = NAN;
    w[MESSREIHE_UNTEN2] = (i / 60) % 3 ? -600.0 : NAN;
}

// plm1-sim --paced in its own process; returns its pid and the device path.
pid_t simStarten(std::string& pfad) {
    int rohr[2];
    if (pipe(rohr) != 0) return -1;
    posix_spawn_file_actions_t a;
    posix_spawn_file_actions_init(&a);
    posix_spawn_file_actions_adddup2(&a, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&a, rohr[0]);
    const char* argv[] = {PLM1_SIM_PROGRAMM, "--paced", "--step-time", "1", nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, PLM1_SIM_PROGRAMM, &a, nullptr, const_cast<char* const*>(argv), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&a);
    close(rohr[1]);
    char c;
    while (pid > 0 && read(rohr[0], &c, 1) == 1 && c != '\n')
        pfad += c;
    close(rohr[0]);
    return pid;
}

// Ends the simulated unit's process however the bench ends.
struct SimEnde {
    pid_t pid;
    ~SimEnde() {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
};

// One measurement: the event loop runs for `sekunden` after a start-up; the process's CPU share.
double messen(double sekunden, bool aufzeichnung) {
    Verbrauch v0;
    Uhr::time_point t0;
    long zeilen0 = 0;
    const double last0 = lastSchnitt();
    QTimer::singleShot(int(CPU_ANLAUF_S * 1000), [&] {
        v0 = verbrauch();
        t0 = Uhr::now();
        zeilen0 = DirektTrend_Aufzeichnung().zeilen();
    });
    QTimer::singleShot(int((CPU_ANLAUF_S + sekunden) * 1000), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    const Verbrauch v = verbrauch();
    const double wand = std::chrono::duration<double>(Uhr::now() - t0).count();
    const double anteil = (v.cpu - v0.cpu) / wand;
    std::printf("  %-22s %5.1f s: CPU %.3f s = %.2f %% of one core, %.0f context switches/s",
                aufzeichnung ? "polling + recording" : "polling alone", wand, v.cpu - v0.cpu, anteil * 100,
                (v.wechsel - v0.wechsel) / wand);
    if (aufzeichnung) std::printf(", %ld lines", DirektTrend_Aufzeichnung().zeilen() - zeilen0);
    std::printf("; load average %.2f .. %.2f\n", last0, lastSchnitt());
    return anteil;
}

void aufzeichnen(int panel, int an) {
    SetCtrlVal(panel, DIREKTPNL_AUFZEICHNEN, an);
    Callback_Direkt_Aufzeichnen(panel, DIREKTPNL_AUFZEICHNEN, EVENT_COMMIT, nullptr, 0, 0);
}

} // namespace

int main(int argc, char** argv) {
    const double sekunden = argc > 1 ? std::atof(argv[1]) : CPU_MESSDAUER_S;
    const int runden = argc > 2 ? std::atoi(argv[2]) : CPU_RUNDEN;
    if (argc > 3 || !(sekunden > 0) || runden < 1) {
        std::fprintf(stderr, "usage: %s [SECONDS [ROUNDS]]\n", argv[0]);
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as soon as it is measured
    QApplication app(argc, argv);
    Resource_Registrieren();
    QApplication::setStyle("Fusion");
    bool gut = true;

    std::string pfad;
    const pid_t sim = simStarten(pfad);
    if (sim <= 0 || pfad.empty()) {
        std::fprintf(stderr, "plm1-sim did not start\n");
        return 1;
    }
    const SimEnde simEnde{sim};
    Rs232_GeraetepfadSetzen(PORT, pfad);
    GemFunc_Initialisieren();
    Konfigarray_Initialisieren();
    const long rssVorher = rssKiB();
    if (DirektMain_Initialisieren() != 0) return 1;
    const int panel = gDirektPanelHandle;
    DisplayPanel(panel);

    // (1) 8 hours of history, then updates at each span.
    DirektMessreihe reihe;
    double w[MESSREIHE_SPUREN];
    const double start = 1.7e9;
    long i = 0;
    for (; i < reihe.kapazitaet(); ++i) {
        punktVon(i, w);
        reihe.hinzufuegen(start + i * DIREKTMESSREIHE_TAKT_S, w);
    }
    const long rssReihe = rssKiB();
    const StripChartQuelleVon<DirektMessreihe> quelle(reihe);
    DirektTrend_Initialisieren(panel); // traces, names; then over to the bench's history
    SetStripChartSource(panel, DIREKTPNL_TREND, &quelle, MESSREIHE_SPUREN);
    QWidget* chart = UI_CtrlWidget(panel, DIREKTPNL_TREND);
    app.processEvents();
    std::printf(
        "bench_trend: trend update = one point into %ld points (8 h at 2 Hz) + repaint of the %dx%d chart\n",
        reihe.anzahl(), chart->width(), chart->height());
    for (int minuten : {1, 5, 15, 60}) {
        SetStripChartSpan(panel, DIREKTPNL_TREND, 60.0 * minuten);
        std::vector<double> zeiten, cpu;
        for (int k = 0; k < UPDATES_JE_SPANNE; ++k, ++i) {
            punktVon(i, w);
            const auto t0 = Uhr::now();
            const double c0 = verbrauch().cpu; // Qt's drawing threads included
            reihe.hinzufuegen(start + i * DIREKTMESSREIHE_TAKT_S, w);
            RefreshStripChart(panel, DIREKTPNL_TREND);
            chart->repaint();
            cpu.push_back(verbrauch().cpu - c0);
            zeiten.push_back(std::chrono::duration<double>(Uhr::now() - t0).count());
        }
        std::sort(zeiten.begin(), zeiten.end());
        std::sort(cpu.begin(), cpu.end());
        const double median = zeiten[zeiten.size() / 2], maximum = zeiten.back();
        const double cpuMedian = cpu[cpu.size() / 2];
        // CPU time is what an update costs; wall time also holds the waits of a busy machine.
        std::printf(
            "  span %2d min: CPU median %.3f ms (ratio to the %.1f ms limit %.3f); wall median %.3f ms, "
            "max %.3f ms\n",
            minuten, cpuMedian * 1e3, GRENZE_UPDATE_S * 1e3, cpuMedian / GRENZE_UPDATE_S, median * 1e3,
            maximum * 1e3);
        gut = gut && cpuMedian <= GRENZE_UPDATE_S;
    }
    std::printf("  resident memory: %ld KiB before the window, %ld KiB with it and 8 h of history "
                "(history %.1f MiB: %ld points)\n",
                rssVorher, rssReihe, reihe.kapazitaet() * 32.0 / (1 << 20), reihe.anzahl());

    // (2) Polling in monitor mode against the unit running the example cycle, timer-driven as in the program.
    DirektTrend_Initialisieren(panel); // back to the program's history
    SetStripChartSpan(panel, DIREKTPNL_TREND, 60.0 * 60);
    if (VkrCom_Open(PORT) != 0 || VkrCom_AdresseSet('1') != 0) return 1;
    if (!beispiel::beispielzyklusSenden() || VKRPLM1_DeviceFunction(PORT, '1', "start") != 0) {
        std::fprintf(stderr, "the example cycle did not start\n");
        return 1;
    }
    gDirekt.abfragen = 1;
    gDirekt.monitorModus = 1;
    DirektGui_ArrayToGui(0);
    QTemporaryDir dir;
    const std::string datei = dir.filePath("bench.csv").toStdString();
    UI_DateiauswahlSetzen([&](const DateiauswahlAnfrage&) { return datei; });
    std::printf(
        "  the program's CPU (monitor mode, 12 transactions a tick at 2 Hz, plm1-sim --paced running the "
        "example cycle in its own process), %d rounds:\n",
        runden);
    std::vector<double> allein, mitAufzeichnung;
    for (int r = 0; r < runden; ++r) {
        allein.push_back(messen(sekunden, false));
        aufzeichnen(panel, 1);
        const long zeilen0 = DirektTrend_Aufzeichnung().zeilen();
        mitAufzeichnung.push_back(messen(sekunden, true));
        const long zeilen = DirektTrend_Aufzeichnung().zeilen() - zeilen0;
        if (!DirektTrend_Aufzeichnung().laeuft() || zeilen < long(sekunden / DIREKTMESSREIHE_TAKT_S) / 2) {
            std::fprintf(stderr, "recording did not keep up (%ld lines)\n", zeilen);
            gut = false;
        }
        aufzeichnen(panel, 0);
    }
    const double anteil = median(mitAufzeichnung);
    std::printf("  median: polling alone %.2f %%, polling + recording %.2f %% of one core; limit %.0f %%; "
                "ratio %.3f\n",
                median(allein) * 100, anteil * 100, GRENZE_CPU * 100, anteil / GRENZE_CPU);
    gut = gut && anteil < GRENZE_CPU;
    std::printf("  resident memory at the end: %ld KiB\n", rssKiB());

    (void)VkrCom_Close();
    DirektMain_Freigeben();
    return gut ? 0 : 1;
}
