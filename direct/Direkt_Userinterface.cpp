// Direct-operation window: data <-> controls, dimming and the pump value correction.

#include "direct/Direkt_Userinterface.h"

#include "device/Speicherbild.h"
#include "direct/Direktarrays.h"
#include "platform/ui/ui.h"

int gDirektPanelHandle = 0;

namespace {

int wert(int control) {
    int v = 0;
    GetCtrlVal(gDirektPanelHandle, control, &v);
    return v;
}

// A set value from the unit; a field the operator is typing in keeps what is typed until it is committed.
void sollwertSetzen(int control, int v) {
    if (!UI_CtrlWirdBearbeitet(gDirektPanelHandle, control)) SetCtrlVal(gDirektPanelHandle, control, v);
}

void dimmen(int control, bool gedimmt) {
    SetCtrlAttribute(gDirektPanelHandle, control, ATTR_DIMMED, gedimmt ? 1 : 0);
}

} // namespace

void DirektGui_ArrayToGui(int nurIstwerte) {
    const int p = gDirektPanelHandle;
    const DirektArrays& a = gDirekt;
    const DirektControls& c = gDirektCtrl;
    if (!nurIstwerte) {
        for (int i = 0; i < ANZAHL_VENTILE; ++i)
            SetCtrlVal(p, c.ventil[i], a.ventil[i]);
        for (int n = 0; n < DIREKT_KREISE; ++n) {
            sollwertSetzen(c.pumpeWert[n], a.pumpeWert[n]);
            SetCtrlVal(p, c.pumpeEin[n], a.pumpeEin[n]);
            SetCtrlVal(p, c.druckHighEin[n], a.druckHighEin[n]);
            SetCtrlVal(p, c.druckLowEin[n], a.druckLowEin[n]);
            sollwertSetzen(c.druckHigh[n], a.druckHigh[n]);
            sollwertSetzen(c.druckLow[n], a.druckLow[n]);
        }
    }
    for (int k = 0; k < DIREKT_STATUSLEDS; ++k)
        SetCtrlVal(p, c.statusLed[k], a.statusLed[k]);
    for (int n = 0; n < DIREKT_KREISE; ++n)
        SetCtrlVal(p, c.druck[n], a.druck[n]);
    SetCtrlVal(p, c.temperatur, a.temperatur);
    SetCtrlVal(p, c.spannung, a.spannung);
    SetCtrlVal(p, c.abfragen, a.abfragen);
    SetCtrlVal(p, c.monitorModus, a.monitorModus);
    DirektGui_Dimmen();
}

void DirektGui_GuiToArray() {
    const int p = gDirektPanelHandle;
    DirektArrays& a = gDirekt;
    const DirektControls& c = gDirektCtrl;
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        GetCtrlVal(p, c.ventil[i], &a.ventil[i]);
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        GetCtrlVal(p, c.pumpeWert[n], &a.pumpeWert[n]);
        GetCtrlVal(p, c.pumpeEin[n], &a.pumpeEin[n]);
        GetCtrlVal(p, c.druckHighEin[n], &a.druckHighEin[n]);
        GetCtrlVal(p, c.druckLowEin[n], &a.druckLowEin[n]);
        GetCtrlVal(p, c.druckHigh[n], &a.druckHigh[n]);
        GetCtrlVal(p, c.druckLow[n], &a.druckLow[n]);
        GetCtrlVal(p, c.druck[n], &a.druck[n]);
    }
    for (int k = 0; k < DIREKT_STATUSLEDS; ++k)
        GetCtrlVal(p, c.statusLed[k], &a.statusLed[k]);
    GetCtrlVal(p, c.temperatur, &a.temperatur);
    GetCtrlVal(p, c.spannung, &a.spannung);
    GetCtrlVal(p, c.abfragen, &a.abfragen);
    GetCtrlVal(p, c.monitorModus, &a.monitorModus);
}

void DirektGui_Dimmen() {
    const DirektControls& c = gDirektCtrl;
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        dimmen(c.druckHigh[n], !wert(c.druckHighEin[n]));
        dimmen(c.druckLow[n], !wert(c.druckLowEin[n]));
    }
    const bool keineAbfrage = !wert(c.abfragen);
    for (int n = 0; n < DIREKT_KREISE; ++n)
        dimmen(c.druck[n], keineAbfrage);
    for (int k = 0; k < DIREKT_STATUSLEDS; ++k)
        dimmen(c.statusLed[k], keineAbfrage);
    dimmen(c.temperatur, keineAbfrage);
    dimmen(c.spannung, keineAbfrage);
    dimmen(c.monitorModus, keineAbfrage);
    for (int n = 0; n < DIREKT_KREISE; ++n)
        dimmen(c.pumpeWert[n], !wert(c.pumpeEin[n]));
}

int DirektGui_PumpenwertKorrigieren(int v, int vorher) {
    return Speicherbild_PumpenwertKorrigieren(v, vorher);
}

void DirektGui_WerteKorrigieren() {
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        const int control = gDirektCtrl.pumpeWert[n];
        SetCtrlVal(gDirektPanelHandle, control,
                   DirektGui_PumpenwertKorrigieren(wert(control), gDirekt.pumpeWert[n]));
    }
}

void DirektGui_DimmenUndWerteKorrigieren() {
    DirektGui_Dimmen();
    DirektGui_WerteKorrigieren();
}

void DirektGui_VentilSichtbarUnsichtbar(int ventil, int sichtbar) {
    if (ventil < 0 || ventil >= ANZAHL_VENTILE) return;
    SetCtrlAttribute(gDirektPanelHandle, gDirektCtrl.ventil[ventil], ATTR_VISIBLE, sichtbar ? 1 : 0);
}

void DirektGui_AbfrageStoppen() {
    gDirekt.abfragen = 0;
    // Polling is off now; remembering that lets the next switch-on clear the error shown by this stop.
    gDirektAbfragenVorher = 0;
    DirektGui_ArrayToGui(0);
}
