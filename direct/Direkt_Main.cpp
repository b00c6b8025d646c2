// Direct-operation window: set-up for the shell and the callbacks of DIREKTPNL.

#include "direct/Direkt_Main.h"
#include "platform/sprache/textmarke.h"

#include "device/VkrCom_Userinterface.h"
#include "device/Vkr_Com.h"
#include "direct/Direkt_Com.h"
#include "direct/Direkt_Trend.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "shell/Plm1_Beenden.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "valves/Konfig_Main.h"

namespace {
constexpr const char* RESOURCE_DATEI = "Plm1SteuerungGui.uir";
constexpr const char* FENSTERNAME = QT_TRANSLATE_NOOP("Plm1", "Direktbetrieb");

// After a polling tick: the window's controls, then the trend and a running recording.
void abgefragtAnzeigen(int nurIstwerte, int status) {
    DirektGui_ArrayToGui(nurIstwerte);
    DirektTrend_Abgefragt(status);
}
} // namespace

int DirektMain_Initialisieren() {
    UI_CallbackRegistrieren("Callback_Direkt_Controls", &Callback_Direkt_Controls);
    UI_CallbackRegistrieren("Callback_Direkt_Controls_Abfragen", &Callback_Direkt_Controls_Abfragen);
    UI_CallbackRegistrieren("Callback_Direkt_Timer", &Callback_Direkt_Timer);
    UI_CallbackRegistrieren("Callback_Direkt_Button_Zurueck", &Callback_Direkt_Button_Zurueck);
    UI_CallbackRegistrieren("Callback_DirektPanel", &Callback_DirektPanel);
    UI_CallbackRegistrieren("Callback_Direkt_Trend", &Callback_Direkt_Trend);
    UI_CallbackRegistrieren("Callback_Direkt_Aufzeichnen", &Callback_Direkt_Aufzeichnen);

    const int panel = LoadPanel(0, RESOURCE_DATEI, DIREKTPNL);
    if (panel < 0) return -1;
    gDirektPanelHandle = panel;
    GemFunc_PanelZurListeHinzufuegen(panel, FENSTERNAME, MENUDIREKT_FENSTER);
    Direktarrays_Initialisieren();
    DirektCom_AnzeigeSetzen(&abgefragtAnzeigen);
    DirektGui_ArrayToGui(0);
    DirektTrend_Initialisieren(panel);
    VkrCom_RegisterPictureringControl(panel, DIREKTPNL_COMPICTURERING);
    VkrCom_RegisterFehlerControls(panel, DIREKTPNL_FEHLERLED, DIREKTPNL_FEHLERSTRING, DIREKTPNL_FEHLERNUMMER);
    return 0;
}

void DirektMain_Freigeben() {
    DirektCom_AnzeigeSetzen(nullptr);
    DirektTrend_Freigeben();
    if (gDirektPanelHandle > 0) DiscardPanel(gDirektPanelHandle);
    gDirektPanelHandle = 0;
}

void DirektMain_DisplayPanel(int fromPanel) {
    GemFunc_SwitchPanels(fromPanel, gDirektPanelHandle);
}

void DirektMain_KonfigUebernehmen() {
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        DirektGui_VentilSichtbarUnsichtbar(i, KonfigMain_VentilVorhanden(i) ? 1 : 0);
}

int DirektMain_ReadIni(IniText) {
    return 0;
}

void DirektMain_WriteIni(IniText) {}

int Callback_Direkt_Controls(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    DirektGui_DimmenUndWerteKorrigieren();
    DirektGui_GuiToArray();
    UI_Warten warten; // the operator waits for the whole set of commands
    if (Fehlercode f = DirektCom_ArrayUpload()) VkrCom_FehlermeldungSet(f);
    return 0;
}

int Callback_Direkt_Controls_Abfragen(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    DirektGui_DimmenUndWerteKorrigieren();
    DirektGui_GuiToArray();
    return 0;
}

int Callback_Direkt_Timer(int, int, int event, void*, int, int) {
    if (event != EVENT_TIMER_TICK) return 0;
    if (Fehlercode f = DirektCom_ArrayDownload()) {
        VkrCom_FehlermeldungSet(f);
        DirektGui_AbfrageStoppen();
    }
    return 0;
}

int Callback_Direkt_Button_Zurueck(int panel, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) GemFunc_SwitchPanels(panel, GemFunc_MainpanelGet());
    return 0;
}

int Callback_DirektPanel(int, int event, void*, int, int) {
    if (event == EVENT_CLOSE) Beenden_Anfordern();
    return 0;
}
