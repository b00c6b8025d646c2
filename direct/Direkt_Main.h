#pragma once
// Direct-operation window "Direktbetrieb": the operations the program shell calls.

#include "shell/inifile.h"

int DirektMain_Initialisieren();
void DirektMain_Freigeben();
void DirektMain_DisplayPanel(int fromPanel);
void DirektMain_KonfigUebernehmen();
[[nodiscard]] int DirektMain_ReadIni(IniText ini);
void DirektMain_WriteIni(IniText ini);
