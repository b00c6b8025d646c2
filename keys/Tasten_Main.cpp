// Key window: loading the panel, registering it with the window list and the connection manager, and the
// shell's operations.

#include "keys/Tasten_Main.h"
#include "platform/sprache/textmarke.h"

#include "device/Gemeinsam_Mehrere.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/VkrCom_Userinterface.h"
#include "device/Vkr_Com.h"
#include "keys/Tasten_Datei.h"
#include "keys/Tasten_Pruefen.h"
#include "keys/Tasten_Schutz.h"
#include "keys/Tasten_Userinterface.h"
#include "keys/Tasten_Verlauf.h"
#include "keys/Tastenarrays.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "shell/Plm1_Beenden.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "valves/Konfig_Main.h"

int tastenPanelHandle = 0;

namespace {
void titelZeigen(const char* titel) {
    if (tastenPanelHandle <= 0) return;
    SetPanelAttribute(tastenPanelHandle, ATTR_TITLE, titel);
    // Saved or loaded, also from the unsaved-work question: the history marks this state as the clean one.
    TastenVerlauf_DateistandUebernehmen();
}
} // namespace

int TastenMain_Initialisieren() {
    UI_CallbackRegistrieren("Callback_TastenPanel", &Callback_TastenPanel);
    UI_CallbackRegistrieren("Callback_Tasten_Controls", &Callback_Tasten_Controls);
    UI_CallbackRegistrieren("Callback_Tasten_Button_Zurueck", &Callback_Tasten_Button_Zurueck);
    UI_CallbackRegistrieren("Callback_Tasten_Buttons", &Callback_Tasten_Buttons);
    UI_CallbackRegistrieren("Menu_Tasten_Datei", &Menu_Tasten_Datei);
    UI_CallbackRegistrieren("Menu_Tasten_Bearbeiten", &Menu_Tasten_Bearbeiten);

    const int panel = LoadPanel(0, "Plm1SteuerungGui.uir", TASTPANEL);
    if (panel < 0) return -1;
    tastenPanelHandle = panel;
    GemFunc_PanelZurListeHinzufuegen(panel, QT_TRANSLATE_NOOP("Plm1", "Tasten"), MENUTASTEN_FENSTER);

    Tastenarrays_Initialisieren();
    TastenVerlauf_Einrichten();
    TastenDatei_TitelAnzeigeSetzen(&titelZeigen);
    TastenGui_ArrayToGui();
    TastenDatei_DateinameZuruecksetzen();
    TastenDatei_FenstertitelSetzen();

    VkrCom_RegisterPictureringControl(panel, TASTPANEL_COMPICTURERING);
    VkrCom_RegisterFehlerControls(panel, TASTPANEL_FEHLERLED, TASTPANEL_FEHLERSTRING, TASTPANEL_FEHLERNUMMER);
    GemPruefen_MenuEintragHinzufuegen(panel, MENUTASTEN_DATEI);
    GemMehrere_MenuEintragHinzufuegen(panel, MENUTASTEN_DATEI, &TastenPruefen_Plm1Upload);
    Beenden_FrageRegistrieren(&TastenSchutz_Weiter);
    return 0;
}

void TastenMain_Freigeben() {
    TastenDatei_TitelAnzeigeSetzen(nullptr);
    if (tastenPanelHandle > 0) DiscardPanel(tastenPanelHandle);
    tastenPanelHandle = 0;
}

void TastenMain_DisplayPanel(int fromPanel) {
    GemFunc_SwitchPanels(fromPanel, tastenPanelHandle);
}

void TastenMain_KonfigUebernehmen() {
    for (int v = 0; v < ANZAHL_VENTILE; ++v)
        TastenGui_VentilSichtbarUnsichtbar(v, KonfigMain_VentilVorhanden(v));
}

// The switch for verified sending is shared with the cycle window; reading it twice does no harm.
int TastenMain_ReadIni(IniText ini) {
    GemPruefen_ReadIni(ini);
    return 0;
}

void TastenMain_WriteIni(IniText ini) {
    GemPruefen_WriteIni(ini);
}
