#pragma once
// Port selector of "PLM-1 Einstellungen" beyond COM 1..8: the ports the system reports, and the settings
// keys "compfad"/"lcompfad" that find a chosen adapter again by its stable path.

#include "device/VkrCom_Einstellungen.h"
#include "errors/VKR_Fehlercodes.h"
#include "platform/files/inifile.h"

// Fills the selector: "nicht geöffnet", COM 1..8, then each reported port and any device port in use
// that is no longer reported; shows the open port again.
void KonfigPorts_ListeAktualisieren(int panel, int control);

// After the "com"/"lcom" keys, from what was read of them: where "com" names no COM port, opens the port
// of "compfad"; where "lcom"
// names none, makes the port of "lcompfad" the last port. The failure to open shows in the error
// controls; it is returned as well.
Fehlercode KonfigPorts_ReadIni(const VkrComEinstellungen& e);
// After the "com"/"lcom" keys: a device port is written as "com"/"lcom" 0 plus its stable path.
void KonfigPorts_WriteIni(IniText ini);
