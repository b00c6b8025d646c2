#pragma once
// The curve window's controls and events: key data controls <-> gKurveneckdaten, dimming, and the
// callbacks of buttons, canvases, scroll bar and menus.

void KurvenGui_ArrayToGui();
void KurvenGui_GuiToArray();
void KurvenGui_DimmenUndWerteKorrigieren();
void KurvenGui_Dimmen();

// Registers every callback of KURVPANEL and MENUKURVEN by name (before the panel is loaded).
void KurvenGui_CallbacksRegistrieren();

int Callback_KurvenPanel(int panel, int event, void* callbackData, int eventData1, int eventData2);
int Callback_Kurven_Canvas(int panel, int control, int event, void* callbackData, int eventData1,
                           int eventData2);
int Callback_Kurven_Button_Zurueck(int panel, int control, int event, void* callbackData, int eventData1,
                                   int eventData2);
int Callback_Kurven_Buttons(int panel, int control, int event, void* callbackData, int eventData1,
                            int eventData2);
int Callback_Kurven_Controls(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
int Callback_Kurven_Graph_Scrollbar(int panel, int control, int event, void* callbackData, int eventData1,
                                    int eventData2);
void Menu_Kurven_Datei(int menuBar, int menuItem, void* callbackData, int panel);
void Menu_Kurven_Hilfe(int menuBar, int menuItem, void* callbackData, int panel);
void Menu_Kurven_Bearbeiten(int menuBar, int menuItem, void* callbackData, int panel);
