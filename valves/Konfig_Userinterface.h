#pragma once
// The valve selectors of the window "PLM-1 Einstellungen": their items and the copy between them and
// the valve configuration table.

// Panel handle of KONFIGPNL (set by KonfigMain_Initialisieren, 0 before).
extern int konfigPanelHandle;

void KonfigGui_Initialisieren();
void KonfigGui_ArrayToGui();
void KonfigGui_GuiToArray();
