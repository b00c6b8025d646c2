// Shared set-up of the direct-operation tests.

#include "tests/direct/direkt_testumgebung.h"

#include "device/VkrCom_Userinterface.h"
#include "device/Vkr_Com.h"
#include "direct/Direkt_Main.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "valves/Konfigarray.h"

int DirektTest_Panel() {
    static const int panel = [] {
        GemFunc_Initialisieren();
        const int r = DirektMain_Initialisieren();
        return r == 0 ? gDirektPanelHandle : -1;
    }();
    return panel;
}

void DirektGeraet::SetUp() {
    panel = DirektTest_Panel();
    ASSERT_GT(panel, 0);
    // Ticks only where a test asks for them.
    SetCtrlAttribute(panel, DIREKTPNL_TIMER, ATTR_ENABLED, 0);
    ASSERT_TRUE(server.starten());
    Rs232_GeraetepfadSetzen(TEST_PORT, server.pfad());
    VkrCom_Zuruecksetzen();
    VkrCom_RegisterFehlerControls(panel, DIREKTPNL_FEHLERLED, DIREKTPNL_FEHLERSTRING, DIREKTPNL_FEHLERNUMMER);
    ASSERT_EQ(VkrCom_Open(TEST_PORT), 0);
    ASSERT_EQ(VkrCom_AdresseSet('1'), 0);
    Konfigarray_Initialisieren();
    Direktarrays_Initialisieren();
    DirektGui_ArrayToGui(0);
    server.bus().protokollLeeren();
}

void DirektGeraet::TearDown() {
    VkrCom_Zuruecksetzen();
    server.stoppen();
    Rs232_GeraetepfadSetzen(TEST_PORT, "");
}

std::vector<std::string> DirektGeraet::zeilen() {
    std::vector<std::string> z = server.bus().empfangeneZeilen();
    server.bus().protokollLeeren();
    for (auto& s : z)
        if (!s.empty() && s.back() == '\r') s.pop_back();
    return z;
}

int DirektGeraet::fehlernummer() const {
    return ctrlInt(DIREKTPNL_FEHLERNUMMER);
}

int DirektGeraet::ctrlInt(int control) const {
    int v = -12345;
    GetCtrlVal(panel, control, &v);
    return v;
}

double DirektGeraet::ctrlDouble(int control) const {
    double v = -12345;
    GetCtrlVal(panel, control, &v);
    return v;
}
