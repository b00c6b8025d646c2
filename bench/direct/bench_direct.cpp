// Times one monitor-mode polling tick (5 actual-value reads and 7 set-value reads) of the direct-operation
// window against the simulated unit paced at 9600 baud, and compares it with the 0.5 s timer interval.

#include "device/Vkr_Com.h"
#include "direct/Direkt_Com.h"
#include "direct/Direkt_Main.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "sim/plm1sim_server.h"
#include "valves/Konfigarray.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr double TIMER_INTERVALL_S = 0.5;
constexpr int DURCHLAEUFE = 20;
constexpr int PORT = 1;
} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    Resource_Registrieren();

    plm1sim::Server server;
    if (!server.starten({plm1sim::Einheit{}}, true)) {
        std::fprintf(stderr, "simulated unit did not start\n");
        return 1;
    }
    Rs232_GeraetepfadSetzen(PORT, server.pfad());
    GemFunc_Initialisieren();
    Konfigarray_Initialisieren();
    if (DirektMain_Initialisieren() != 0) {
        std::fprintf(stderr, "DIREKTPNL did not load\n");
        return 1;
    }
    SetCtrlAttribute(gDirektPanelHandle, DIREKTPNL_TIMER, ATTR_ENABLED, 0); // ticks are driven here
    if (Fehlercode f = VkrCom_Open(PORT)) {
        std::fprintf(stderr, "open failed: %d\n", f);
        return 1;
    }
    gDirekt.abfragen = 1;
    gDirekt.monitorModus = 1;

    std::vector<double> zeiten;
    for (int i = 0; i < DURCHLAEUFE; ++i) {
        server.bus().protokollLeeren();
        const auto t0 = std::chrono::steady_clock::now();
        const Fehlercode f = DirektCom_ArrayDownload();
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const std::size_t transaktionen = server.bus().empfangeneZeilen().size();
        if (f != 0 || transaktionen != 12) {
            std::fprintf(stderr, "tick failed: code %d, %zu transactions\n", f, transaktionen);
            return 1;
        }
        zeiten.push_back(s);
    }
    std::sort(zeiten.begin(), zeiten.end());
    const double median = zeiten[zeiten.size() / 2];
    const double maximum = zeiten.back();
    std::printf("bench_direct: monitor-mode tick, 12 transactions, simulated unit at 9600 baud, %d runs\n",
                DURCHLAEUFE);
    std::printf("  median %.1f ms, max %.1f ms; limit %.0f ms (timer interval)\n", median * 1e3,
                maximum * 1e3, TIMER_INTERVALL_S * 1e3);
    std::printf("  ratio median/limit %.3f, max/limit %.3f\n", median / TIMER_INTERVALL_S,
                maximum / TIMER_INTERVALL_S);
    (void)VkrCom_Close();
    DirektMain_Freigeben();
    server.stoppen();
    return maximum < TIMER_INTERVALL_S ? 0 : 1;
}
