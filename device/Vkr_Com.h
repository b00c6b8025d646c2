#pragma once
// Connection manager: the one open COM port, the last port and the device address, the last error,
// identification and device search. What the windows show of it goes through VkrComAnzeige (the
// connection controls in device/VkrCom_Userinterface); no windows here.

#include "errors/VKR_Fehlercodes.h"

#include <string>
#include <vector>

[[nodiscard]] Fehlercode VkrCom_Open(int port);
[[nodiscard]] Fehlercode VkrCom_Close();
int VkrCom_ComPortGet();
int VkrCom_LastComPortGet();
// The port last asked for through VkrCom_Open, also when it could not be opened (0 before any).
int VkrCom_GewaehlterPortGet();
[[nodiscard]] Fehlercode VkrCom_LastComPortSet(int port);
char VkrCom_AdresseGet();
// The unit addresses the connection manager searches; as its address it also takes '&' for all units
// (the driver's commands take more, but the windows offer only these).
constexpr char VKRCOM_ERSTE_ADRESSE = '1';
constexpr char VKRCOM_LETZTE_ADRESSE = '9';
// Whether the code of a character (as the settings file keeps it) is an address VkrCom_AdresseSet takes.
bool VkrCom_AdresseGueltig(int zeichen);
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

// Outcome of asking one address during the search.
enum class SuchErgebnis { KeineAntwort, Plm1, AnderesGeraet };

// What the windows show of the connection; every entry may be nullptr.
struct VkrComAnzeige {
    void (*port)(int port);        // the open port (0: none)
    void (*adresse)(char adresse); // the address in use, or the one the search found
    // Error controls (0 clears them); with `zusatz` every control shows that extra line. Returns the message
    // the first control shows ("" without error controls, where a `zusatz` is left pending).
    std::string (*fehler)(int code, const char* zusatz);
    void (*status)(const char* text);         // a status text in the error controls' text fields
    void (*id)(const char* text);             // identification text ("" clears it)
    int (*suchadressen)();                    // how many addresses from '1' on the search asks
    void (*sucheSchritt)(const char* status); // the search's progress text ("" at the end)
    void (*sucheErgebnis)(char adresse, SuchErgebnis ergebnis);
    void (*geraetLeeren)();  // forget identification and search lamps (the port closed or changed)
    void (*zuruecksetzen)(); // forget every registered control
};
void VkrCom_AnzeigeSetzen(const VkrComAnzeige* anzeige);
