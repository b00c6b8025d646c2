// The curve window's controls and events.

#include "cycle/Kurven_Userinterface.h"
#include "platform/sprache/textmarke.h"

#include "cycle/CanvasFunktionen.h"
#include "cycle/Kurven_Bereich.h"
#include "cycle/Kurven_Com.h"
#include "cycle/Kurven_Datei.h"
#include "cycle/Kurven_Funktionen.h"
#include "cycle/Kurven_Pruefen.h"
#include "cycle/Kurven_Schutz.h"
#include "cycle/Kurven_Verlauf.h"
#include "cycle/Kurvenarrays.h"
#include "device/Gemeinsam_Pruefen.h"
#include "errors/VKR_errorV3.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "scrollbar/Scrollbar.h"
#include "scrollbar/scroll_edited.h"
#include "shell/Plm1_Beenden.h"
#include "shell/Plm1_GemeinsameFunktionen.h"

namespace {

int ctrlAn(int control) {
    int wert = 0;
    GetCtrlVal(gKurvenPanel, control, &wert);
    return wert;
}

void fehlerZeigen(Fehlercode f) {
    if (f != KEIN_FEHLER) VKR_Fehlerpopup(f);
}

// After the cycle was replaced (new, file, unit): canvases from the first step, controls from the model.
void nachErsetzen() {
    Canvas_AlleKurvenNeuZeichnen();
    KurvenGui_ArrayToGui();
}

void neu() {
    if (!KurvenSchutz_Weiter()) return;
    Kurvenarrays_Freigeben();
    fehlerZeigen(Kurvenarrays_Initialisieren());
    KurvenDatei_DateinameZuruecksetzen();
    KurvenDatei_FenstertitelSetzen();
    // Scroll bar and first visible step follow the fresh 10 steps (this also redraws).
    Kurven_FensterAnpassen(gKurven[0].count);
    KurvenGui_ArrayToGui();
    KurvenVerlauf_Leeren();
}

void laden() {
    if (!KurvenSchutz_Weiter()) return;
    const Fehlercode f = KurvenDatei_Laden();
    fehlerZeigen(f);
    std::string angepasst;
    if (f == KEIN_FEHLER) {
        KurvenVerlauf_Leeren();
        // A file may hold anything; the window works only on values the unit can take.
        angepasst = KurvenBereich_Einpassen(gKurveneckdaten, gKurven);
        if (!angepasst.empty()) KurvenDatei_WurdeGeaendert();
    }
    nachErsetzen();
    if (!angepasst.empty())
        MessagePopup(WERTEBEREICH_HINWEIS_TITEL,
                     Wertebereich_Hinweis(angepasst, WERTEBEREICH_HINWEIS_ZEILEN).c_str());
}

} // namespace

void KurvenGui_ArrayToGui() {
    if (gKurvenPanel <= 0) return;
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        SetCtrlVal(gKurvenPanel, gKurvencontrols[i], gKurveneckdaten[i]);
    KurvenGui_Dimmen();
}

void KurvenGui_GuiToArray() {
    if (gKurvenPanel <= 0) return;
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i) {
        int wert = 0;
        if (GetCtrlVal(gKurvenPanel, gKurvencontrols[i], &wert) >= 0) gKurveneckdaten[i] = wert;
    }
}

void KurvenGui_DimmenUndWerteKorrigieren() {
    KurvenGui_Dimmen();
}

void KurvenGui_Dimmen() {
    if (gKurvenPanel <= 0) return;
    static constexpr int PAARE[][2] = {{KURVPANEL_DRUCKHIGH1CHECK, KURVPANEL_DRUCKHIGH1},
                                       {KURVPANEL_DRUCKLOW1CHECK, KURVPANEL_DRUCKLOW1},
                                       {KURVPANEL_DRUCKHIGH2CHECK, KURVPANEL_DRUCKHIGH2},
                                       {KURVPANEL_DRUCKLOW2CHECK, KURVPANEL_DRUCKLOW2}};
    for (const auto& paar : PAARE)
        SetCtrlAttribute(gKurvenPanel, paar[1], ATTR_DIMMED, ctrlAn(paar[0]) ? 0 : 1);
    SetCtrlAttribute(gKurvenPanel, KURVPANEL_ZYKLEN, ATTR_DIMMED, ctrlAn(KURVPANEL_ZYKLENUNBEGRENZT) ? 1 : 0);
}

void KurvenGui_CallbacksRegistrieren() {
    UI_CallbackRegistrieren("Callback_KurvenPanel", &Callback_KurvenPanel);
    UI_CallbackRegistrieren("Callback_Kurven_Canvas", &Callback_Kurven_Canvas);
    UI_CallbackRegistrieren("Callback_Kurven_Button_Zurueck", &Callback_Kurven_Button_Zurueck);
    UI_CallbackRegistrieren("Callback_Kurven_Buttons", &Callback_Kurven_Buttons);
    UI_CallbackRegistrieren("Callback_Kurven_Controls", &Callback_Kurven_Controls);
    UI_CallbackRegistrieren("Callback_Kurven_Graph_Scrollbar", &Callback_Kurven_Graph_Scrollbar);
    UI_CallbackRegistrieren("Menu_Kurven_Datei", &Menu_Kurven_Datei);
    UI_CallbackRegistrieren("Menu_Kurven_Hilfe", &Menu_Kurven_Hilfe);
    UI_CallbackRegistrieren("Menu_Kurven_Bearbeiten", &Menu_Kurven_Bearbeiten);
}

int Callback_KurvenPanel(int /*panel*/, int event, void*, int, int) {
    if (event == EVENT_CLOSE) Beenden_Anfordern();
    return 0;
}

int Callback_Kurven_Canvas(int /*panel*/, int control, int event, void*, int, int) {
    switch (event) {
    // A stroke, press to release, is one step of the history.
    case EVENT_LEFT_CLICK:
        KurvenVerlauf_BearbeitungBeginnen();
        Canvas_Mausklick(control, 0);
        break;
    case EVENT_RIGHT_CLICK:
        KurvenVerlauf_BearbeitungBeginnen();
        Canvas_Mausklick(control, 1);
        break;
    case EVENT_MOUSE_POINTER_MOVE:
        Canvas_MausBewegt(control);
        // A release that never arrived ended the gesture here.
        if (!Canvas_GesteLaeuft()) KurvenVerlauf_BearbeitungBeenden();
        break;
    case EVENT_LEFT_CLICK_UP:
    case EVENT_RIGHT_CLICK_UP:
        Canvas_MausLosgelassen(control);
        KurvenVerlauf_BearbeitungBeenden();
        break;
    default:
        break;
    }
    return 0;
}

int Callback_Kurven_Button_Zurueck(int panel, int /*control*/, int event, void*, int, int) {
    if (event == EVENT_COMMIT) GemFunc_SwitchPanels(panel, GemFunc_MainpanelGet());
    return 0;
}

int Callback_Kurven_Buttons(int /*panel*/, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    switch (control) {
    case KURVPANEL_LADEN:
        laden();
        break;
    case KURVPANEL_SPEICHERN:
        fehlerZeigen(KurvenDatei_Speichern(0));
        break;
    case KURVPANEL_DOWNLOAD:
        if (!KurvenSchutz_Weiter()) break;
        fehlerZeigen(KurvenCom_Plm1Download());
        KurvenDatei_DateinameZuruecksetzen();
        KurvenDatei_FenstertitelSetzen();
        KurvenVerlauf_Leeren();
        nachErsetzen();
        break;
    case KURVPANEL_UPLOAD:
        fehlerZeigen(KurvenPruefen_Plm1Upload(GemPruefen_Eingeschaltet()));
        break;
    default:
        break;
    }
    return 0;
}

int Callback_Kurven_Controls(int /*panel*/, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    // One step of the history; a shortened cycle keeps the dropped values in it.
    KurvenVerlauf_BearbeitungBeginnen();
    KurvenGui_DimmenUndWerteKorrigieren();
    KurvenGui_GuiToArray();
    if (control == KURVPANEL_ANZAHLSCHRITTE) {
        const Fehlercode f = Kurven_KurvenlaengenAendern(gKurveneckdaten[KE_ANZAHLSCHRITTE]);
        if (f != KEIN_FEHLER) {
            // The curves kept their length: the control shows it again.
            SetCtrlVal(gKurvenPanel, KURVPANEL_ANZAHLSCHRITTE, gKurveneckdaten[KE_ANZAHLSCHRITTE]);
            VKR_Fehlerpopup(f);
        }
    }
    KurvenVerlauf_BearbeitungBeenden();
    return 0;
}

int Callback_Kurven_Graph_Scrollbar(int /*panel*/, int /*control*/, int event, void*, int eventData1, int) {
    if (event != SCROLLBAR_EVENT_SPRUNG && event != SCROLLBAR_EVENT_LOSGELASSEN) return 0;
    Scrollbar_PositionUebernehmen(eventData1);
    Canvas_KurvenScrollen();
    return 0;
}

void Menu_Kurven_Datei(int /*menuBar*/, int menuItem, void*, int /*panel*/) {
    switch (menuItem) {
    case MENUKURVEN_DATEI_NEU:
        neu();
        break;
    case MENUKURVEN_DATEI_LADEN:
        laden();
        break;
    case MENUKURVEN_DATEI_SPEICHERN:
        fehlerZeigen(KurvenDatei_Speichern(0));
        break;
    case MENUKURVEN_DATEI_SPEICHERNUNTER:
        fehlerZeigen(KurvenDatei_Speichern(1));
        break;
    default:
        break;
    }
}

void Menu_Kurven_Hilfe(int /*menuBar*/, int menuItem, void*, int /*panel*/) {
    if (menuItem == MENUKURVEN_HILFE_BEARBEITEN)
        MessagePopup(
            QT_TRANSLATE_NOOP("Plm1", "Kurven bearbeiten"),
            QT_TRANSLATE_NOOP(
                "Plm1", "Kurvenpunkte setzen: Linke Maustaste\nKurvenpunkte löschen: Rechte Maustaste"));
    else if (menuItem == MENUKURVEN_HILFE_WERTE)
        MessagePopup(
            QT_TRANSLATE_NOOP("Plm1", "Pumpenwerte anzeigen"),
            QT_TRANSLATE_NOOP(
                "Plm1",
                "Um die Werte vorhandener Pumpen-Kurvenpunkte anzuzeigen,\nkönnen die Punkte bei gedrückter "
                "Umschalttaste angeklickt werden."));
}

void Menu_Kurven_Bearbeiten(int /*menuBar*/, int menuItem, void*, int /*panel*/) {
    // In the middle of a stroke there is no step to take back yet. A stroke whose release never came is
    // over once a control was committed (that ended its edit): undo works at once then.
    if (Canvas_GesteLaeuft() && KurvenVerlauf_BearbeitungLaeuft()) return;
    KurvenVerlauf_BearbeitungBeenden();
    if (menuItem == MENUKURVEN_BEARBEITEN_RUECKGAENGIG)
        KurvenVerlauf_Rueckgaengig();
    else if (menuItem == MENUKURVEN_BEARBEITEN_WIEDERHOLEN)
        KurvenVerlauf_Wiederholen();
}
