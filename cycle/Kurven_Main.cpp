// Cycle window "Zyklus-Programmierung": set-up, display, valve configuration and release.

#include "cycle/Kurven_Main.h"
#include "platform/sprache/textmarke.h"

#include "cycle/CanvasFunktionen.h"
#include "cycle/Kurven_Datei.h"
#include "cycle/Kurven_Funktionen.h"
#include "cycle/Kurven_Pruefen.h"
#include "cycle/Kurven_Schutz.h"
#include "cycle/Kurven_Userinterface.h"
#include "cycle/Kurven_Verlauf.h"
#include "cycle/Kurvenarrays.h"
#include "device/Gemeinsam_Mehrere.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/VkrCom_Userinterface.h"
#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "scrollbar/Scrollbar.h"
#include "scrollbar/scroll_edited.h"
#include "shell/Plm1_Beenden.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "valves/Konfig_Main.h"

namespace {
void titelZeigen(const char* titel) {
    if (gKurvenPanel <= 0) return;
    SetPanelAttribute(gKurvenPanel, ATTR_TITLE, titel);
    // Saved or loaded, also from the unsaved-work question: the history marks this state as the clean one.
    KurvenVerlauf_DateistandUebernehmen();
}
} // namespace

int KurvenMain_Initialisieren() {
    KurvenGui_CallbacksRegistrieren();
    const int panel = LoadPanel(0, "Plm1SteuerungGui.uir", KURVPANEL);
    if (panel < 0) return -1;
    gKurvenPanel = panel;
    GemFunc_PanelZurListeHinzufuegen(panel, QT_TRANSLATE_NOOP("Plm1", "Zyklus"), MENUKURVEN_FENSTER);
    if (const Fehlercode f = Kurvenarrays_Initialisieren(); f != KEIN_FEHLER) {
        VKR_Fehlerpopup(f);
        return -1;
    }
    Kurven_FensterAnpassenSetzen(&Kurven_FensterAnpassen);
    KurvenDatei_TitelAnzeigeSetzen(&titelZeigen);
    KurvenVerlauf_Einrichten();
    Kurven_PanelsInitialisieren();
    Canvas_Initialisieren();
    Scrollbar_Initialisieren(panel);
    KurvenGui_ArrayToGui();
    KurvenDatei_DateinameZuruecksetzen();
    KurvenDatei_FenstertitelSetzen();
    VkrCom_RegisterPictureringControl(panel, KURVPANEL_COMPICTURERING);
    VkrCom_RegisterFehlerControls(panel, KURVPANEL_FEHLERLED, KURVPANEL_FEHLERSTRING, KURVPANEL_FEHLERNUMMER);
    GemPruefen_MenuEintragHinzufuegen(panel, MENUKURVEN_DATEI);
    GemMehrere_MenuEintragHinzufuegen(panel, MENUKURVEN_DATEI, &KurvenPruefen_Plm1Upload);
    Beenden_FrageRegistrieren(&KurvenSchutz_Weiter);
    return 0;
}

void KurvenMain_Freigeben() {
    Kurven_FensterAnpassenSetzen(nullptr);
    KurvenDatei_TitelAnzeigeSetzen(nullptr);
    if (gKurvenPanel > 0) {
        ScrollBar_RevertToGraph(gKurvenPanel, KURVPANEL_SCROLLBAR);
        DiscardPanel(gKurvenPanel);
    }
    gKurvenPanel = 0;
    Kurvenarrays_Freigeben();
}

void KurvenMain_DisplayPanel(int fromPanel) {
    GemFunc_SwitchPanels(fromPanel, gKurvenPanel);
}

void KurvenMain_KonfigUebernehmen() {
    int ventil = 0;
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        if (!Canvas_IstVentildiagramm(k)) continue;
        Canvas_SichtbarUnsichtbar(k, KonfigMain_VentilVorhanden(ventil) ? 1 : 0);
        ++ventil;
    }
    Canvas_AlleKurvenNeuZeichnen();
}

int KurvenMain_ReadIni(IniText ini) {
    GemPruefen_ReadIni(ini);
    return 0;
}

void KurvenMain_WriteIni(IniText ini) {
    GemPruefen_WriteIni(ini);
}
