#pragma once
// Key window controls: copying gTaste to and from the 171 key controls, dimming the pressure limits,
// snapping the pump settings, hiding missing valves, and the window's callbacks.

void TastenGui_ArrayToGui();
void TastenGui_GuiToArray();
void TastenGui_Dimmen();
void TastenGui_WerteKorrigieren();
void TastenGui_DimmenUndWerteKorrigieren();
void TastenGui_VentilSichtbarUnsichtbar(int ventil, int sichtbar); // valve index 0..10, in all 9 keys

// Pump value v corrected against the value alt held before the edit: multiples of 10, -100..100, and the
// dead band between -30 and 30 jumped over in the direction of the step.
int TastenGui_PumpeKorrigieren(int v, int alt);

int Callback_TastenPanel(int panel, int event, void* callbackData, int eventData1, int eventData2);
int Callback_Tasten_Controls(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
int Callback_Tasten_Button_Zurueck(int panel, int control, int event, void* callbackData, int eventData1,
                                   int eventData2);
int Callback_Tasten_Buttons(int panel, int control, int event, void* callbackData, int eventData1,
                            int eventData2);
void Menu_Tasten_Datei(int menuBar, int menuItem, void* callbackData, int panel);
void Menu_Tasten_Bearbeiten(int menuBar, int menuItem, void* callbackData, int panel);
