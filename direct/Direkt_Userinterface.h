#pragma once
// Direct-operation window: copies between the data and the controls, dimming, the pump value
// correction, valve visibility and the status lamps.

extern int gDirektPanelHandle; // DIREKTPNL once loaded, else 0

// nurIstwerte 1: only the status lamps, actual values and the two polling switches.
void DirektGui_ArrayToGui(int nurIstwerte);
void DirektGui_GuiToArray();
void DirektGui_Dimmen();
void DirektGui_WerteKorrigieren();
void DirektGui_DimmenUndWerteKorrigieren();
void DirektGui_VentilSichtbarUnsichtbar(int ventil, int sichtbar);
void DirektGui_AbfrageStoppen();

// A pump runs at 0 or at 30..100 percent either way: rounds v to tens, clamps it, and moves a value in the
// dead band up to 30 (coming from below) or down to 0 (coming from above); vorher is the value before.
int DirektGui_PumpenwertKorrigieren(int v, int vorher);
