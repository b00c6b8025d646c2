#pragma once
// The connection controls of the windows: port selector, address selector, connection picture rings,
// "ID lesen" with its text, the search button with its lamps and text, and the error controls. Each
// window registers its own; the connection manager shows its state in all of them.

#include "platform/sprache/textmarke.h"

constexpr int MAX_PICTURERINGCONTROLS = 10;
constexpr int MAX_ADRESSLEDS = 15;
constexpr int MAX_FEHLERCONTROLS = 10;
// The port selector's entry "Netzwerk…": choosing it asks for a device server's address and opens it.
constexpr int VKRCOM_PORT_NETZWERK = -2;
constexpr const char* VKRCOM_NETZWERK_EINTRAG = QT_TRANSLATE_NOOP("Plm1", "Netzwerk…");

void VkrCom_RegisterComControl(int panel, int control);
void VkrCom_RegisterAdressControl(int panel, int control);
void VkrCom_RegisterPictureringControl(int panel, int control);
void VkrCom_RegisterIdReadButton(int panel, int control);
void VkrCom_RegisterIdTextdisplay(int panel, int control);
void VkrCom_RegisterAdressLeds(int panel, int control);
void VkrCom_RegisterScanButton(int panel, int control);
void VkrCom_RegisterScanStringControl(int panel, int control);
void VkrCom_RegisterFehlerControls(int panel, int lampControl, int textControl, int numberControl);
