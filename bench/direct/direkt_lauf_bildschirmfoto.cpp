// Runs the example cycle on the simulated unit and shows the direct-operation window polling it in monitor
// mode, for the documentation picture: take it with `import -window root` while this runs on an X server
// (xvfb-run -a). Usage: direkt_lauf_bildschirmfoto SECONDS [OUT.png]  (OUT.png: also render the window)

#include "beispielzyklus.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "direct/Direkt_Main.h"
#include "direct/Direkt_Trend.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "sim/plm1sim_server.h"
#include "valves/Konfigarray.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int PORT = 1;
constexpr double SCHRITTZEIT_S = 2.0;
constexpr int SPANNE_MINUTEN = 1;

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || std::atof(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: %s SECONDS [OUT.png]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    Resource_Registrieren();
    QApplication::setStyle("Fusion");

    plm1sim::Server server;
    if (!server.starten()) return 1;
    server.bus().schrittzeitSetzen(SCHRITTZEIT_S);
    Rs232_GeraetepfadSetzen(PORT, server.pfad());
    GemFunc_Initialisieren();
    Konfigarray_Initialisieren();
    if (DirektMain_Initialisieren() != 0) return 1;
    const int panel = gDirektPanelHandle;
    if (VkrCom_Open(PORT) != 0 || VkrCom_AdresseSet('1') != 0) return 1;
    if (!beispiel::beispielzyklusSenden()) {
        std::fprintf(stderr, "sending the cycle failed\n");
        return 1;
    }
    if (VKRPLM1_DeviceFunction(PORT, '1', "start") != 0) return 1;

    gDirekt.abfragen = 1;
    gDirekt.monitorModus = 1;
    DirektGui_ArrayToGui(0);
    SetCtrlVal(panel, DIREKTPNL_TRENDSPANNE, SPANNE_MINUTEN);
    Callback_Direkt_Trend(panel, DIREKTPNL_TRENDSPANNE, EVENT_COMMIT, nullptr, 0, 0);
    // Recording on, into a scratch folder, so the picture shows it running.
    QTemporaryDir ablage;
    const std::string csv = ablage.filePath("beispielzyklus.csv").toStdString();
    UI_DateiauswahlSetzen([&](const DateiauswahlAnfrage&) { return csv; });
    SetCtrlVal(panel, DIREKTPNL_AUFZEICHNEN, 1);
    Callback_Direkt_Aufzeichnen(panel, DIREKTPNL_AUFZEICHNEN, EVENT_COMMIT, nullptr, 0, 0);
    DisplayPanel(panel);
    const std::string bild = argc == 3 ? argv[2] : "";
    QTimer::singleShot(int(std::atof(argv[1]) * 1000), [&] {
        if (!bild.empty()) UI_PanelAlsPngSpeichern(panel, bild.c_str());
        QCoreApplication::exit(0);
    });
    app.exec();
    (void)VkrCom_Close();
    DirektMain_Freigeben();
    server.stoppen();
    return 0;
}
