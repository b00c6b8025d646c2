#pragma once
// Connection manager: the one open COM port, the last port and the device address, the last error,
// identification and device search. What the windows show of it goes through VkrComAnzeige (the
// connection controls in device/VkrCom_Userinterface); no windows here.

#include "errors/VKR_Fehlercodes.h"

[[nodiscard]] Fehlercode VkrCom_Open(int port);
[[nodiscard]] Fehlercode VkrCom_Close();
int VkrCom_ComPortGet();
int VkrCom_LastComPortGet();
[[nodiscard]] Fehlercode VkrCom_LastComPortSet(int port);
char VkrCom_AdresseGet();
[[nodiscard]] Fehlercode VkrCom_AdresseSet(char address);
[[nodiscard]] Fehlercode VkrCom_Umschalten();
void VkrCom_PortAnzeigen(int port);

[[nodiscard]] Fehlercode VkrCom_IdAnzeigen();
[[nodiscard]] Fehlercode VkrCom_GeraeteSuchen();

// Shows a code in every registered error control (0 clears them).
void VkrCom_FehlermeldungSet(int code);
// The code last passed to VkrCom_FehlermeldungSet (for callers without windows, such as the command line).
int VkrCom_LetzterFehlerGet();

// Back to the start state with nothing registered (tests).
void VkrCom_Zuruecksetzen();

// Outcome of asking one address during the search.
enum class SuchErgebnis { KeineAntwort, Plm1, AnderesGeraet };

// What the windows show of the connection; every entry may be nullptr.
struct VkrComAnzeige {
    void (*port)(int port);                   // the open port (0: none)
    void (*adresse)(char adresse);            // the address in use, or the one the search found
    void (*fehler)(int code);                 // error controls (0 clears them)
    void (*id)(const char* text);             // identification text ("" clears it)
    int (*suchadressen)();                    // how many addresses from '1' on the search asks
    void (*sucheSchritt)(const char* status); // the search's progress text ("" at the end)
    void (*sucheErgebnis)(char adresse, SuchErgebnis ergebnis);
    void (*zuruecksetzen)(); // forget every registered control
};
void VkrCom_AnzeigeSetzen(const VkrComAnzeige* anzeige);
