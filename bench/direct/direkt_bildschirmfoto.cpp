// Renders the direct-operation window with polling on and typical values to a PNG (documentation picture).
// Usage: direkt_bildschirmfoto OUT.png

#include "device/Vkr_Com.h"
#include "direct/Direkt_Com.h"
#include "direct/Direkt_Main.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "sim/plm1sim_server.h"
#include "valves/Konfig_Main.h"
#include "valves/Konfigarray.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    Resource_Registrieren();

    plm1sim::Server server;
    if (!server.starten()) return 1;
    Rs232_GeraetepfadSetzen(1, server.pfad());
    GemFunc_Initialisieren();
    Konfigarray_Initialisieren();
    gKonfig[9] = VENTILART_NV; // a unit without valves 10 and 11
    gKonfig[10] = VENTILART_NV;
    gKonfig[2] = VENTILART_NO;
    if (DirektMain_Initialisieren() != 0) return 1;
    const int panel = gDirektPanelHandle;
    SetCtrlAttribute(panel, DIREKTPNL_TIMER, ATTR_ENABLED, 0);
    DirektMain_KonfigUebernehmen();
    if (VkrCom_Open(1) != 0) return 1;

    plm1sim::Zustand z = server.bus().zustand('1');
    z.istDruck[0] = 812.4;
    z.pumpe[0] = 812.4 / 20.0;
    z.istDruck[1] = -452.0;
    z.pumpe[1] = -452.0 / 20.0;
    z.spannung = 24.1;
    z.temperatur = 36.8;
    z.status = 0x0004;
    server.bus().zustandSetzen('1', z);

    DirektArrays& a = gDirekt;
    a.ventil[0] = 1;
    a.ventil[3] = 1;
    a.ventil[6] = 1;
    a.pumpeWert[0] = 60;
    a.pumpeWert[1] = -40;
    a.pumpeEin[1] = 1;
    a.druckHighEin[0] = 1;
    a.druckHigh[0] = 1200;
    a.druckLowEin[1] = 1;
    a.druckLow[1] = -800;
    a.abfragen = 1;
    DirektGui_ArrayToGui(0);
    if (Fehlercode f = DirektCom_ArrayDownload()) {
        std::fprintf(stderr, "polling failed: %d\n", f);
        return 1;
    }
    const int r = UI_PanelAlsPngSpeichern(panel, argv[1]);
    (void)VkrCom_Close();
    server.stoppen();
    return r < 0 ? 1 : 0;
}
