#pragma once
// Cycle window "Zyklus-Programmierung": the operations the program shell calls.

#include "platform/files/inifile.h"

int KurvenMain_Initialisieren();
void KurvenMain_Freigeben();
void KurvenMain_DisplayPanel(int fromPanel);
void KurvenMain_KonfigUebernehmen();
[[nodiscard]] int KurvenMain_ReadIni(IniText ini);
void KurvenMain_WriteIni(IniText ini);
