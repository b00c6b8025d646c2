#pragma once
// Test bench of the connection manager: the settings window's panel with its connection controls
// registered in the window's order, popups caught, simulated units on a pseudo-terminal at COM 1.

#include "device/VkrCom_Userinterface.h"
#include "device/Vkr_Com.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "sim/plm1sim_server.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

inline int wertVon(int panel, int ctrl) {
    int v = -12345;
    GetCtrlVal(panel, ctrl, &v);
    return v;
}

inline std::string textVon(int panel, int ctrl) {
    std::string s;
    GetCtrlVal(panel, ctrl, &s);
    return s;
}

inline int farbeAn(int panel, int ctrl) {
    int f = -1;
    GetCtrlAttribute(panel, ctrl, ATTR_ON_COLOR, &f);
    return f;
}

// Sends an event to the callback that is installed on the control, as the windows layer does.
inline void ereignis(int panel, int ctrl, int event) {
    CtrlCallbackPtr cb = nullptr;
    GetCtrlAttribute(panel, ctrl, ATTR_CALLBACK_FUNCTION_POINTER, &cb);
    ASSERT_NE(cb, nullptr) << "no callback on control " << ctrl;
    cb(panel, ctrl, event, nullptr, 0, 0);
}

class VkrComBank : public ::testing::Test {
  protected:
    void SetUp() override {
        VkrCom_Zuruecksetzen();
        UI_MeldungsabfangSetzen(
            [this](const std::string& t, const std::string& m) { popups.emplace_back(t, m); });
        panel = neuesPanel();
        registrieren(panel);
    }

    void TearDown() override {
        VkrCom_Zuruecksetzen();
        for (int p : panels)
            DiscardPanel(p);
        UI_MeldungsabfangSetzen(nullptr);
        UI_FortschrittsbeobachterSetzen(nullptr);
        for (int port = 1; port <= 2; ++port)
            Rs232_GeraetepfadSetzen(port, "");
        if (server) server->stoppen();
    }

    int neuesPanel() {
        const int p = LoadPanel(0, "Plm1SteuerungGui.uir", KONFIGPNL);
        EXPECT_GT(p, 0);
        panels.push_back(p);
        return p;
    }

    // The settings window's registrations, in its order.
    static void registrieren(int p) {
        SetCtrlVal(p, KONFIGPNL_SCANNTEXT, "");
        VkrCom_RegisterComControl(p, KONFIGPNL_COMPORT);
        VkrCom_RegisterPictureringControl(p, KONFIGPNL_COMPICTURERING);
        VkrCom_RegisterFehlerControls(p, KONFIGPNL_FEHLERLED, KONFIGPNL_FEHLERSTRING, KONFIGPNL_FEHLERNUMMER);
        VkrCom_RegisterIdReadButton(p, KONFIGPNL_IDLESEN);
        VkrCom_RegisterIdTextdisplay(p, KONFIGPNL_ID);
        VkrCom_RegisterAdressControl(p, KONFIGPNL_ADRESSE);
        for (int led = KONFIGPNL_LED1; led <= KONFIGPNL_LED9; ++led)
            VkrCom_RegisterAdressLeds(p, led);
        VkrCom_RegisterScanButton(p, KONFIGPNL_SCANN);
        VkrCom_RegisterScanStringControl(p, KONFIGPNL_SCANNTEXT);
    }

    // Simulated units on COM 1; COM 2 names a device that does not exist.
    void einheitenStarten(std::vector<plm1sim::Einheit> einheiten) {
        server = std::make_unique<plm1sim::Server>();
        ASSERT_TRUE(server->starten(std::move(einheiten)));
        Rs232_GeraetepfadSetzen(1, server->pfad());
        Rs232_GeraetepfadSetzen(2, "/nonexistent/plm1-tty");
    }

    int panel = 0;
    std::vector<int> panels;
    std::vector<std::pair<std::string, std::string>> popups;
    std::unique_ptr<plm1sim::Server> server;
};
