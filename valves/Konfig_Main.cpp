// Window "PLM-1 Einstellungen": set-up with the connection controls, callbacks, settings keys and the
// questions every window asks about a valve.

#include "valves/Konfig_Main.h"
#include "platform/sprache/textmarke.h"

#include "device/VkrCom_Einstellungen.h"
#include "device/VkrCom_Userinterface.h"
#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "platform/files/einstellungsdatei.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "shell/Plm1_Beenden.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "valves/Konfig_Datei.h"
#include "valves/Konfig_Ports.h"
#include "valves/Konfig_Sprache.h"
#include "valves/Konfig_Userinterface.h"
#include "valves/Konfigarray.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr const char* RESSOURCE = "Plm1SteuerungGui.uir";
constexpr const char* FENSTERNAME = QT_TRANSLATE_NOOP("Plm1", "PLM-1 Einstellungen");

int gEingestellterPort = 0; // "com" as read at start

int Callback_KonfigPanel(int, int event, void*, int, int) {
    if (event == EVENT_CLOSE) Beenden_Anfordern();
    return 0;
}

int Callback_Konfig_Ventilart(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        KonfigGui_GuiToArray();
        GemFunc_AlleTeilprogrammeKonfigUebernehmen();
    }
    return 0;
}

int Callback_Konfig_Button_Zurueck(int panel, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) GemFunc_SwitchPanels(panel, GemFunc_MainpanelGet());
    return 0;
}

void Menu_Konfig_Ventile(int, int menuItem, void*, int) {
    if (menuItem == MENUKONFIG_VENTILE_LADEN) {
        const Fehlercode f = KonfigDatei_Laden();
        if (f != KEIN_FEHLER) VKR_Fehlerpopup(f);
        KonfigGui_ArrayToGui();
        GemFunc_AlleTeilprogrammeKonfigUebernehmen();
    } else if (menuItem == MENUKONFIG_VENTILE_SPEICHERNUNTE) {
        const Fehlercode f = KonfigDatei_Speichern();
        if (f != KEIN_FEHLER) VKR_Fehlerpopup(f);
    }
}

// A missing or unreadable key records its code unless an earlier one was recorded.
const std::optional<int>& vorhanden(const std::optional<int>& wert, Fehlercode code,
                                    Fehlercode* ersterFehler) {
    if (!wert && *ersterFehler == KEIN_FEHLER) *ersterFehler = code;
    return wert;
}

} // namespace

int KonfigMain_Initialisieren() {
    UI_CallbackRegistrieren("Callback_KonfigPanel", Callback_KonfigPanel);
    UI_CallbackRegistrieren("Callback_Konfig_Ventilart", Callback_Konfig_Ventilart);
    UI_CallbackRegistrieren("Callback_Konfig_Button_Zurueck", Callback_Konfig_Button_Zurueck);
    UI_CallbackRegistrieren("Menu_Konfig_Ventile", Menu_Konfig_Ventile);
    KonfigSprache_Registrieren();

    konfigPanelHandle = LoadPanel(0, RESSOURCE, KONFIGPNL);
    if (konfigPanelHandle <= 0) {
        konfigPanelHandle = 0;
        return -1;
    }
    GemFunc_PanelZurListeHinzufuegen(konfigPanelHandle, FENSTERNAME, MENUKONFIG_FENSTER);
    KonfigSprache_MenuMarkieren(konfigPanelHandle);
    gEingestellterPort = 0;

    Konfigarray_Initialisieren();
    KonfigGui_Initialisieren();
    KonfigGui_ArrayToGui();
    KonfigDatei_DateinameZuruecksetzen();

    const int p = konfigPanelHandle;
    SetCtrlVal(p, KONFIGPNL_SCANNTEXT, "");
    VkrCom_RegisterComControl(p, KONFIGPNL_COMPORT);
    KonfigPorts_ListeAktualisieren(p, KONFIGPNL_COMPORT);
    VkrCom_RegisterPictureringControl(p, KONFIGPNL_COMPICTURERING);
    VkrCom_RegisterFehlerControls(p, KONFIGPNL_FEHLERLED, KONFIGPNL_FEHLERSTRING, KONFIGPNL_FEHLERNUMMER);
    VkrCom_RegisterIdReadButton(p, KONFIGPNL_IDLESEN);
    VkrCom_RegisterIdTextdisplay(p, KONFIGPNL_ID);
    VkrCom_RegisterAdressControl(p, KONFIGPNL_ADRESSE);
    for (int led = KONFIGPNL_LED1; led <= KONFIGPNL_LED9; ++led)
        VkrCom_RegisterAdressLeds(p, led);
    VkrCom_RegisterScanButton(p, KONFIGPNL_SCANN);
    VkrCom_RegisterScanStringControl(p, KONFIGPNL_SCANNTEXT);
    return 0;
}

void KonfigMain_Freigeben() {
    if (konfigPanelHandle > 0) DiscardPanel(konfigPanelHandle);
    konfigPanelHandle = 0;
}

void KonfigMain_DisplayPanel(int fromPanel) {
    // Adapters come and go while the program runs.
    KonfigPorts_ListeAktualisieren(konfigPanelHandle, KONFIGPNL_COMPORT);
    GemFunc_SwitchPanels(fromPanel, konfigPanelHandle);
}

Fehlercode KonfigMain_ReadIni(IniText ini) {
    Ventilarten arten;
    std::copy_n(gKonfig, ANZAHL_VENTILE, arten);
    Fehlercode ersterFehler = Konfigarray_IniLesen(ini, arten);
    std::copy_n(arten, ANZAHL_VENTILE, gKonfig);
    KonfigGui_ArrayToGui();

    const VkrComEinstellungen e = VkrCom_EinstellungenLesen(ini);
    if (const auto& com = vorhanden(e.com, FEHLER_INI_COM_FEHLT, &ersterFehler)) {
        // A port that cannot be opened does not stop the start; the failure shows in the error controls.
        gEingestellterPort = *com;
        const Fehlercode f = VkrCom_Open(*com);
        if (f != KEIN_FEHLER) VkrCom_FehlermeldungSet(f);
    }
    if (const auto& lcom = vorhanden(e.lcom, FEHLER_INI_LCOM_FEHLT, &ersterFehler))
        (void)VkrCom_LastComPortSet(*lcom);
    // A value beyond one byte must not wrap onto a valid address character.
    if (const auto& adresse = vorhanden(e.adresse, FEHLER_INI_ADRESSE_FEHLT, &ersterFehler)) {
        if (VkrCom_AdresseGueltig(*adresse))
            (void)VkrCom_AdresseSet(static_cast<char>(*adresse));
        else
            (void)Ini_WertUnbrauchbar(ini, INI_SEKTION, "adresse");
    }
    KonfigSprache_ReadIni(ini);
    (void)KonfigPorts_ReadIni(e); // its failure is in the error controls, like that of "com"
    if (konfigPanelHandle > 0) KonfigPorts_ListeAktualisieren(konfigPanelHandle, KONFIGPNL_COMPORT);
    return ersterFehler;
}

void KonfigMain_WriteIni(IniText ini) {
    for (int i = 0; i < ANZAHL_VENTILE; ++i) {
        char schluessel[8];
        std::snprintf(schluessel, sizeof schluessel, "v%d", i + 1);
        (void)Ini_PutInt(ini, INI_SEKTION, schluessel, gKonfig[i]);
    }
    // A port whose adapter was absent stays configured as long as the operator asked for no other one.
    (void)Ini_PutInt(ini, INI_SEKTION, "com", VkrCom_ZuSpeichernderPort(gEingestellterPort));
    (void)Ini_PutInt(ini, INI_SEKTION, "lcom", VkrCom_LastComPortGet());
    (void)Ini_PutInt(ini, INI_SEKTION, "adresse", static_cast<int>(VkrCom_AdresseGet()));
    KonfigPorts_WriteIni(ini);
    KonfigSprache_WriteIni(ini);
}
