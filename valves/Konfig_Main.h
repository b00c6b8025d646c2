#pragma once
// Valve configuration window "PLM-1 Einstellungen": valve kinds (n.v., NO, NC) that every window follows,
// their *.plc file and settings keys, and the connection controls.

#include "errors/VKR_Fehlercodes.h"
#include "platform/files/inifile.h"
#include "valves/Ventilarten.h"

int KonfigMain_Initialisieren();
void KonfigMain_Freigeben();
void KonfigMain_DisplayPanel(int fromPanel);
[[nodiscard]] Fehlercode KonfigMain_ReadIni(IniText ini);
void KonfigMain_WriteIni(IniText ini);
