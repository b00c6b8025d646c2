#pragma once
// Connection manager: the one open COM port, the last port and the device address; the connection
// controls registered by the windows, the error controls, identification and device search.

#include "errors/VKR_Fehlercodes.h"

#include <string>
#include <vector>

constexpr int MAX_PICTURERINGCONTROLS = 10;
constexpr int MAX_ADRESSLEDS = 15;
constexpr int MAX_FEHLERCONTROLS = 10;

void VkrCom_RegisterComControl(int panel, int control);
void VkrCom_RegisterAdressControl(int panel, int control);
void VkrCom_RegisterPictureringControl(int panel, int control);
void VkrCom_RegisterIdReadButton(int panel, int control);
void VkrCom_RegisterIdTextdisplay(int panel, int control);
void VkrCom_RegisterAdressLeds(int panel, int control);
void VkrCom_RegisterScanButton(int panel, int control);
void VkrCom_RegisterScanStringControl(int panel, int control);
void VkrCom_RegisterFehlerControls(int panel, int lampControl, int textControl, int numberControl);

[[nodiscard]] Fehlercode VkrCom_Open(int port);
[[nodiscard]] Fehlercode VkrCom_Close();
int VkrCom_ComPortGet();
int VkrCom_LastComPortGet();
// The port last asked for through VkrCom_Open, also when it could not be opened (0 before any).
int VkrCom_GewaehlterPortGet();
[[nodiscard]] Fehlercode VkrCom_LastComPortSet(int port);
char VkrCom_AdresseGet();
[[nodiscard]] Fehlercode VkrCom_AdresseSet(char address);
[[nodiscard]] Fehlercode VkrCom_Umschalten();
void VkrCom_PortAnzeigen(int port);

[[nodiscard]] Fehlercode VkrCom_IdAnzeigen();
[[nodiscard]] Fehlercode VkrCom_GeraeteSuchen();
struct VkrComGeraet {
    char adresse;
    std::string id;
};
// The PLM-1 units the last search found, in address order.
std::vector<VkrComGeraet> VkrCom_GefundeneGeraete();

// Shows a code in every registered error control (0 clears them).
void VkrCom_FehlermeldungSet(int code);
// Shows a code with an extra line in every registered error control (the window that started the
// operation may be any of them). Without registered controls the extra text stays pending.
void VkrCom_FehlermeldungMitZusatzSet(int code, const char* zusatz);
// Clears the error controls and shows a status text (such as "geprüft") in their text fields.
void VkrCom_StatusSet(const char* text);
// The code last passed to VkrCom_FehlermeldungSet (for callers without windows, such as the command line).
int VkrCom_LetzterFehlerGet();
// Its message as the first error control shows it ("" for 0 or without registered controls).
const char* VkrCom_LetzteFehlermeldungGet();

// Back to the start state with nothing registered (tests).
void VkrCom_Zuruecksetzen();
