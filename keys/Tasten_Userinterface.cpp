// Key window: controls <-> gTaste, dimming, value correction, visibility and callbacks.

#include "keys/Tasten_Userinterface.h"

#include "device/Gemeinsam_Pruefen.h"
#include "device/Speicherbild.h"
#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Bereich.h"
#include "keys/Tasten_Com.h"
#include "keys/Tasten_Datei.h"
#include "keys/Tasten_Main.h"
#include "keys/Tasten_Pruefen.h"
#include "keys/Tasten_Schutz.h"
#include "keys/Tasten_Verlauf.h"
#include "keys/Tastenarrays.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "shell/Plm1_Beenden.h"
#include "shell/Plm1_GemeinsameFunktionen.h"

#include <algorithm>

namespace {
constexpr int PUMPEN_FELDER[2] = {TASTE_PUMPE1, TASTE_PUMPE2};
constexpr int CHECKB_FELDER[2] = {TASTE_DRUCK1CHECKB, TASTE_DRUCK2CHECKB};
constexpr int DRUCK_FELDER[2] = {TASTE_DRUCK1, TASTE_DRUCK2};

int ctrl(int taste, int feld) {
    return gTastencontrols[taste][feld];
}

void dateiLaden() {
    if (!TastenSchutz_Weiter()) return;
    const Fehlercode fehler = TastenDatei_Laden();
    if (fehler != 0) VKR_Fehlerpopup(fehler);
    std::string angepasst;
    if (fehler == 0) {
        TastenVerlauf_Leeren();
        // A file may hold anything; the window works only on values the unit can take.
        angepasst = TastenBereich_Einpassen(gTaste);
        if (!angepasst.empty()) TastenDatei_WurdeGeaendert();
    }
    TastenGui_ArrayToGui();
    if (!angepasst.empty())
        MessagePopup(WERTEBEREICH_HINWEIS_TITEL,
                     Wertebereich_Hinweis(angepasst, WERTEBEREICH_HINWEIS_ZEILEN).c_str());
}

void dateiSpeichern(unsigned char immerFragen) {
    const Fehlercode fehler = TastenDatei_Speichern(immerFragen);
    if (fehler != 0) VKR_Fehlerpopup(fehler);
}
} // namespace

void TastenGui_ArrayToGui() {
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k)
            SetCtrlVal(tastenPanelHandle, ctrl(n, k), gTaste[n][k]);
    TastenGui_Dimmen();
}

void TastenGui_GuiToArray() {
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k)
            GetCtrlVal(tastenPanelHandle, ctrl(n, k), &gTaste[n][k]);
}

void TastenGui_Dimmen() {
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int p = 0; p < 2; ++p) {
            int aktiv = 0;
            GetCtrlVal(tastenPanelHandle, ctrl(n, CHECKB_FELDER[p]), &aktiv);
            SetCtrlAttribute(tastenPanelHandle, ctrl(n, DRUCK_FELDER[p]), ATTR_DIMMED, aktiv ? 0 : 1);
        }
}

int TastenGui_PumpeKorrigieren(int v, int alt) {
    return Speicherbild_PumpenwertKorrigieren(v, alt);
}

void TastenGui_WerteKorrigieren() {
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int feld : PUMPEN_FELDER) {
            int v = 0;
            GetCtrlVal(tastenPanelHandle, ctrl(n, feld), &v);
            SetCtrlVal(tastenPanelHandle, ctrl(n, feld), TastenGui_PumpeKorrigieren(v, gTaste[n][feld]));
        }
}

void TastenGui_DimmenUndWerteKorrigieren() {
    TastenGui_Dimmen();
    TastenGui_WerteKorrigieren();
}

void TastenGui_VentilSichtbarUnsichtbar(int ventil, int sichtbar) {
    if (ventil < 0 || ventil >= ANZAHL_VENTILE) return;
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        SetCtrlAttribute(tastenPanelHandle, ctrl(n, TASTE_VENTIL1 + ventil), ATTR_VISIBLE, sichtbar ? 1 : 0);
    SetCtrlAttribute(tastenPanelHandle, TASTPANEL_VENTILNAME1 + ventil, ATTR_VISIBLE, sichtbar ? 1 : 0);
}

int Callback_TastenPanel(int, int event, void*, int, int) {
    if (event == EVENT_CLOSE) Beenden_Anfordern();
    return 0;
}

int Callback_Tasten_Controls(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    const TastenTabelle vorher = gTaste;
    TastenGui_DimmenUndWerteKorrigieren();
    TastenGui_GuiToArray();
    TastenVerlauf_Aenderung(vorher);
    return 0;
}

int Callback_Tasten_Button_Zurueck(int panel, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) GemFunc_SwitchPanels(panel, GemFunc_MainpanelGet());
    return 0;
}

int Callback_Tasten_Buttons(int, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    switch (control) {
    case TASTPANEL_LADEN:
        dateiLaden();
        break;
    case TASTPANEL_SPEICHERN:
        dateiSpeichern(0);
        break;
    case TASTPANEL_DOWNLOAD: {
        if (!TastenSchutz_Weiter()) break;
        const Fehlercode fehler = TastenCom_Plm1Download();
        if (fehler != 0) VKR_Fehlerpopup(fehler);
        // The table no longer belongs to a file, also when the read failed.
        TastenDatei_DateinameZuruecksetzen();
        TastenDatei_FenstertitelSetzen();
        TastenVerlauf_Leeren();
        TastenGui_ArrayToGui();
        break;
    }
    case TASTPANEL_UPLOAD: {
        const Fehlercode fehler = TastenPruefen_Plm1Upload(GemPruefen_Eingeschaltet());
        if (fehler != 0) VKR_Fehlerpopup(fehler);
        break;
    }
    default:
        break;
    }
    return 0;
}

void Menu_Tasten_Datei(int, int menuItem, void*, int) {
    switch (menuItem) {
    case MENUTASTEN_DATEI_NEU:
        if (!TastenSchutz_Weiter()) break;
        Tastenarrays_Initialisieren();
        TastenDatei_DateinameZuruecksetzen();
        TastenDatei_FenstertitelSetzen();
        TastenVerlauf_Leeren();
        TastenGui_ArrayToGui();
        break;
    case MENUTASTEN_DATEI_LADEN:
        dateiLaden();
        break;
    case MENUTASTEN_DATEI_SPEICHERN:
        dateiSpeichern(0);
        break;
    case MENUTASTEN_DATEI_SPEICHERNUNTER:
        dateiSpeichern(1);
        break;
    default:
        break;
    }
}

void Menu_Tasten_Bearbeiten(int, int menuItem, void*, int) {
    if (menuItem == MENUTASTEN_BEARBEITEN_RUECKGAENGIG)
        TastenVerlauf_Rueckgaengig();
    else if (menuItem == MENUTASTEN_BEARBEITEN_WIEDERHOLEN)
        TastenVerlauf_Wiederholen();
}
