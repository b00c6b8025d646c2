#pragma once
// Key window "Tasten-Programmierung": the operations the program shell calls.

#include "platform/files/inifile.h"

extern int tastenPanelHandle; // TASTPANEL once loaded, 0 before

int TastenMain_Initialisieren();
void TastenMain_Freigeben();
void TastenMain_DisplayPanel(int fromPanel);
void TastenMain_KonfigUebernehmen();
[[nodiscard]] int TastenMain_ReadIni(IniText ini);
void TastenMain_WriteIni(IniText ini);
