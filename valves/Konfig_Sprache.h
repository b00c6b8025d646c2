#pragma once
// The "Sprache / Language" menu of "PLM-1 Einstellungen" and the settings key of the chosen language
// (read at the next start, before the windows are built).

#include "platform/files/inifile.h"

// Title and text of the note that the chosen language takes effect at the next start (in both languages).
constexpr const char* KONFIGSPRACHE_TITEL = "Sprache / Language";
constexpr const char* KONFIGSPRACHE_HINWEIS =
    "Die Sprache wechselt beim nächsten Start des Programms.\nThe language changes at the next start of the "
    "program.";

// Registers the menu's callback; after the panel is loaded, marks the language of this run.
void KonfigSprache_Registrieren();
void KonfigSprache_MenuMarkieren(int panel);
// The key "sprache" (1 German, 2 English): kept when it is in the file, written when the operator chose.
void KonfigSprache_ReadIni(IniText ini);
void KonfigSprache_WriteIni(IniText ini);
