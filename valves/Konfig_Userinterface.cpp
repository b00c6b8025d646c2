// Valve selectors of KONFIGPNL.

#include "valves/Konfig_Userinterface.h"
#include "platform/sprache/textmarke.h"

#include "platform/ui/ui.h"
#include "valves/Konfig_Main.h"
#include "valves/Konfigarray.h"

#include <string>

int konfigPanelHandle = 0;

namespace {
// The three kinds; a stored kind outside them (from a *.plc file) gets an item of its own, named by its
// number, so the selector shows it and a commit on another selector keeps it.
void eintraegeSetzen(int ctrl, int art) {
    ClearListCtrl(konfigPanelHandle, ctrl);
    InsertListItem(konfigPanelHandle, ctrl, -1, QT_TRANSLATE_NOOP("Plm1", "n.v."), VENTILART_NV);
    InsertListItem(konfigPanelHandle, ctrl, -1, "NO", VENTILART_NO);
    InsertListItem(konfigPanelHandle, ctrl, -1, "NC", VENTILART_NC);
    if (art < VENTILART_NV || art > VENTILART_NC)
        InsertListItem(konfigPanelHandle, ctrl, -1, std::to_string(art).c_str(), art);
}
} // namespace

void KonfigGui_Initialisieren() {
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        eintraegeSetzen(gKonfigAuswahl[i], VENTILART_NC);
}

void KonfigGui_ArrayToGui() {
    if (konfigPanelHandle <= 0) return;
    for (int i = 0; i < ANZAHL_VENTILE; ++i) {
        const int ctrl = gKonfigAuswahl[i];
        eintraegeSetzen(ctrl, gKonfig[i]);
        SetCtrlVal(konfigPanelHandle, ctrl, gKonfig[i]);
    }
}

void KonfigGui_GuiToArray() {
    if (konfigPanelHandle <= 0) return;
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        GetCtrlVal(konfigPanelHandle, gKonfigAuswahl[i], &gKonfig[i]);
}
