// Valve selectors of KONFIGPNL.

#include "valves/Konfig_Userinterface.h"

#include "platform/ui.h"
#include "valves/Konfig_Main.h"
#include "valves/Konfigarray.h"

int konfigPanelHandle = 0;

void KonfigGui_Initialisieren() {
    for (int i = 0; i < ANZAHL_VENTILE; ++i) {
        const int ctrl = gKonfig[ANZAHL_VENTILE + i];
        InsertListItem(konfigPanelHandle, ctrl, -1, "n.v.", VENTILART_NV);
        InsertListItem(konfigPanelHandle, ctrl, -1, "NO", VENTILART_NO);
        InsertListItem(konfigPanelHandle, ctrl, -1, "NC", VENTILART_NC);
    }
}

void KonfigGui_ArrayToGui() {
    if (konfigPanelHandle <= 0) return;
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        SetCtrlVal(konfigPanelHandle, gKonfig[ANZAHL_VENTILE + i], gKonfig[i]);
}

void KonfigGui_GuiToArray() {
    if (konfigPanelHandle <= 0) return;
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        GetCtrlVal(konfigPanelHandle, gKonfig[ANZAHL_VENTILE + i], &gKonfig[i]);
}
