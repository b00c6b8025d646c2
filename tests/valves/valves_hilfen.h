#pragma once
// Test bench of the settings window: the window set up as at program start, popups and file dialogs
// answered by the test, a temporary folder for *.plc files, menu items triggered as the operator would.

#include "device/Vkr_Com.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "tests/common/testdatei.h"
#include "valves/Konfig_Main.h"
#include "valves/Konfig_Userinterface.h"
#include "valves/Konfigarray.h"

#include <QAction>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

using testdatei::bytesLesen;
using testdatei::bytesSchreiben;

class KonfigBank : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(verzeichnis.isValid());
        VkrCom_Zuruecksetzen();
        GemFunc_Initialisieren();
        GemFunc_KonfigEmpfaengerSetzen(nullptr, nullptr, nullptr);
        UI_MeldungsabfangSetzen(
            [this](const std::string& t, const std::string& m) { popups.emplace_back(t, m); });
        UI_DateiauswahlSetzen([this](const DateiauswahlAnfrage& a) {
            anfragen.push_back(a);
            return antwort;
        });
        ASSERT_EQ(KonfigMain_Initialisieren(), 0);
        ASSERT_GT(konfigPanelHandle, 0);
    }

    void TearDown() override {
        KonfigMain_Freigeben();
        GemFunc_KonfigEmpfaengerSetzen(nullptr, nullptr, nullptr);
        UI_MeldungsabfangSetzen(nullptr);
        UI_DateiauswahlSetzen(nullptr);
        VkrCom_Zuruecksetzen();
        Konfigarray_Initialisieren();
    }

    std::string pfad(const char* name) const { return verzeichnis.filePath(name).toStdString(); }

    // Triggers the settings window's menu item with this text.
    void menu(const char* text) {
        for (QAction* a : UI_PanelWidget(konfigPanelHandle)->findChildren<QAction*>())
            if (a->text() == QString::fromUtf8(text)) {
                a->trigger();
                return;
            }
        FAIL() << "no menu item " << text;
    }

    std::vector<int> arten() const { return std::vector<int>(gKonfig, gKonfig + 11); }

    QTemporaryDir verzeichnis;
    std::string antwort; // path the file dialog returns, empty: cancel
    std::vector<DateiauswahlAnfrage> anfragen;
    std::vector<std::pair<std::string, std::string>> popups;
};
