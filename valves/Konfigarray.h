#pragma once
// The valve configuration table: kinds of valves 1..11, and beside it the identifiers of their selectors.

#include "errors/VKR_Fehlercodes.h"
#include "platform/files/inifile.h"
#include "valves/Ventilarten.h"

extern Ventilarten gKonfig;                // kind of valve i (0 n.v., 1 NO, 2 NC)
extern int gKonfigAuswahl[ANZAHL_VENTILE]; // control id of valve i's selector in the settings window

void Konfigarray_Initialisieren();

// Reads the kinds "v1".."v11" of the settings section into arten (the program and the command-line tool):
// a kind outside 0..2 leaves its entry as it was. FEHLER_INI_VENTIL_FEHLT when a key is missing or
// unreadable (the others are read all the same), else 0.
[[nodiscard]] Fehlercode Konfigarray_IniLesen(IniText ini, Ventilarten& arten);
