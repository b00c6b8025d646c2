#pragma once
// Each window's place and size, kept in the settings file in a section of its own after the unit's
// settings (older builds ignore it) and given back at the next start, inside the screen.

#include "platform/files/inifile.h"

// Sorts after "konfig", so that the unit's settings keep their place at the top of the file.
constexpr const char* INI_SEKTION_LAGE = "Lage";

// Gives every window the place and size the file holds for it (missing or broken items: none).
void Fensterlage_Lesen(IniText ini);
// Puts every window's place and size into the file's object.
void Fensterlage_Schreiben(IniText ini);
