#pragma once
// Runs the whole program in the test process: in a fresh working folder, with popups caught, and with
// a body that plays the operator once the event loop runs.

#include "device/Vkr_Com.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "shell/Plm1Steuerung_Main.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "tests/common/testdatei.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct FehlerIds {
    int led, text, nummer, ring;
};

// The error controls and the picture ring of each working window, by its name in the window list.
inline const std::map<std::string, FehlerIds>& fehlerIds() {
    static const std::map<std::string, FehlerIds> ids = {
        {"Zyklus",
         {KURVPANEL_FEHLERLED, KURVPANEL_FEHLERSTRING, KURVPANEL_FEHLERNUMMER, KURVPANEL_COMPICTURERING}},
        {"Tasten",
         {TASTPANEL_FEHLERLED, TASTPANEL_FEHLERSTRING, TASTPANEL_FEHLERNUMMER, TASTPANEL_COMPICTURERING}},
        {"Direktbetrieb",
         {DIREKTPNL_FEHLERLED, DIREKTPNL_FEHLERSTRING, DIREKTPNL_FEHLERNUMMER, DIREKTPNL_COMPICTURERING}},
        {"PLM-1 Einstellungen",
         {KONFIGPNL_FEHLERLED, KONFIGPNL_FEHLERSTRING, KONFIGPNL_FEHLERNUMMER, KONFIGPNL_COMPICTURERING}},
    };
    return ids;
}

inline int panelNamens(const std::string& name) {
    for (int i = 0; i < GemFunc_AnzahlGet(); ++i)
        if (name == GemFunc_NameGet(i)) return GemFunc_PanelGet(i);
    return 0;
}

inline bool sichtbar(int panel) {
    int v = 0;
    GetPanelAttribute(panel, ATTR_VISIBLE, &v);
    return v != 0;
}

inline int panelWert(int panel, int attr) {
    int v = -1;
    GetPanelAttribute(panel, attr, &v);
    return v;
}

inline int ctrlWert(int panel, int ctrl) {
    int v = -12345;
    GetCtrlVal(panel, ctrl, &v);
    return v;
}

inline void ereignis(int panel, int ctrl, int event) {
    CtrlCallbackPtr cb = nullptr;
    GetCtrlAttribute(panel, ctrl, ATTR_CALLBACK_FUNCTION_POINTER, &cb);
    ASSERT_NE(cb, nullptr) << "no callback on control " << ctrl;
    cb(panel, ctrl, event, nullptr, 0, 0);
}

// The "Fenster" menu item of a window that names another window.
inline QAction* fensterEintrag(int panel, const std::string& name) {
    for (QAction* a : UI_PanelWidget(panel)->findChildren<QAction*>())
        if (a->text().toStdString() == name && !a->menu()) return a;
    return nullptr;
}

using testdatei::textLesen;

class ProgrammBank : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        vorher = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(ordner.path()));
        UI_MeldungsabfangSetzen(
            [this](const std::string& t, const std::string& m) { popups.emplace_back(t, m); });
    }
    void TearDown() override {
        UI_MeldungsabfangSetzen(nullptr);
        QDir::setCurrent(vorher);
    }

    // Runs the program; `bedienen` plays the operator inside the event loop and must end it.
    int starten(std::vector<std::string> argumente, std::function<void()> bedienen) {
        QTimer::singleShot(0, [bedienen] { bedienen(); });
        argumente.insert(argumente.begin(), "Plm1Steuerung");
        std::vector<char*> argv;
        for (std::string& a : argumente)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        return Plm1Steuerung_Starten(static_cast<int>(argumente.size()), argv.data());
    }

    std::string einstellungen() const {
        return textLesen(ordner.filePath("plm1Steuerung.ini").toStdString());
    }
    // The file up to the windows' places, which follow the unit's settings (and are there).
    std::string einstellungenVorLage() const {
        const std::string s = einstellungen();
        const auto lage = s.find("[Lage]\r\n");
        EXPECT_NE(lage, std::string::npos) << s;
        return s.substr(0, lage);
    }
    void einstellungenSchreiben(const std::string& text) const {
        std::ofstream(ordner.filePath("plm1Steuerung.ini").toStdString(), std::ios::binary) << text;
    }

    QTemporaryDir ordner;
    QString vorher;
    std::vector<std::pair<std::string, std::string>> popups;
};
