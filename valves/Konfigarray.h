#pragma once
// The valve configuration table: kinds of valves 1..11 and the identifiers of their selectors.

#include "errors/VKR_Fehlercodes.h"
#include "platform/files/inifile.h"
#include "valves/Ventilarten.h"

constexpr int KONFIG_WORTE = 2 * ANZAHL_VENTILE;
extern int gKonfig[KONFIG_WORTE]; // 0..10 valve kinds (0 n.v., 1 NO, 2 NC), 11..21 selector ids 3..13

void Konfigarray_Initialisieren();

// Reads the kinds "v1".."v11" of the settings section into arten (the program and the command-line tool):
// a kind outside 0..2 leaves its entry as it was. FEHLER_INI_VENTIL_FEHLT when a key is missing or
// unreadable (the others are read all the same), else 0.
[[nodiscard]] Fehlercode Konfigarray_IniLesen(IniText ini, Ventilarten& arten);
