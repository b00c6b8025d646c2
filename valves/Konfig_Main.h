#pragma once
// Valve configuration window "PLM-1 Einstellungen": valve kinds (n.v., NO, NC) that every window follows,
// their *.plc file and settings keys, and the connection controls.

#include "errors/VKR_Fehlercodes.h"
#include "shell/inifile.h"

constexpr int VENTILART_NV = 0;
constexpr int VENTILART_NO = 1;
constexpr int VENTILART_NC = 2;
constexpr int ANZAHL_VENTILE = 11;

int KonfigMain_Initialisieren();
void KonfigMain_Freigeben();
void KonfigMain_DisplayPanel(int fromPanel);
[[nodiscard]] Fehlercode KonfigMain_ReadIni(IniText ini);
void KonfigMain_WriteIni(IniText ini);
int KonfigMain_VentilVorhanden(int ventil); // valve index 0..10
int KonfigMain_VentilIstNO(int ventil);
