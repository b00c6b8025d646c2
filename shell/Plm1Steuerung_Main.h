#pragma once
// Program start and shutdown: main window, info popup, settings file "plm1Steuerung.ini", the order in
// which the working modules start, read and write their settings and are released.

#include "errors/VKR_Fehlercodes.h"
#include "platform/files/einstellungsdatei.h"

#include <string>

// The whole program as main runs it (arguments as given to main); returns 0 or -1.
int Plm1Steuerung_Starten(int argc, char** argv);
[[nodiscard]] Fehlercode Func_IniDateiLaden();
// Writes the settings file; on failure `grund` (when given) says why.
[[nodiscard]] Fehlercode Func_IniDateiSchreiben(std::string* grund = nullptr);
