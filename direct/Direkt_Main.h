#pragma once
// Direct-operation window "Direktbetrieb": the operations the program shell calls.

#include "platform/files/inifile.h"

int DirektMain_Initialisieren();
void DirektMain_Freigeben();
void DirektMain_DisplayPanel(int fromPanel);
void DirektMain_KonfigUebernehmen();
[[nodiscard]] int DirektMain_ReadIni(IniText ini);
void DirektMain_WriteIni(IniText ini);

// Callbacks of DIREKTPNL, bound by name when the panel is loaded.
int Callback_Direkt_Controls(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
int Callback_Direkt_Controls_Abfragen(int panel, int control, int event, void* callbackData, int eventData1,
                                      int eventData2);
int Callback_Direkt_Timer(int panel, int control, int event, void* callbackData, int eventData1,
                          int eventData2);
int Callback_Direkt_Button_Zurueck(int panel, int control, int event, void* callbackData, int eventData1,
                                   int eventData2);
int Callback_DirektPanel(int panel, int event, void* callbackData, int eventData1, int eventData2);
