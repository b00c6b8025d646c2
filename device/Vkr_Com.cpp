// Connection manager: open port, last port and device address, the last error, identification and device
// search; the windows see it through the registered VkrComAnzeige.

#include "device/Vkr_Com.h"

#include "device/vkrplm1.h"
#include "errors/VKR_errorV3.h"
#include "platform/line/rs232.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// No port, COM 1..8, or a port the system reported, opened by its path.
bool portGueltig(int port) {
    return port == 0 || Rs232_PortGueltig(port);
}
constexpr const char* PLM1_ID_PREFIX = "VKR-PLM1-";
constexpr const char* SUCHTEXT = "Suche nach Gerät x";

struct Zustand {
    int offenerPort = 0;
    int letzterPort = 0;
    int gewaehlterPort = 0; // the port last asked for, opened or not
    char adresse = '1';
    int letzterFehler = 0;
    std::string letzteMeldung;          // the message built for letzterFehler
    std::vector<VkrComGeraet> gefunden; // PLM-1 units of the last search
};

Zustand z;
const VkrComAnzeige* g_anzeige = nullptr;

template <class F, class... A> void zeigen(F VkrComAnzeige::*eintrag, A... werte) {
    if (g_anzeige && g_anzeige->*eintrag) (g_anzeige->*eintrag)(werte...);
}

} // namespace

void VkrCom_AnzeigeSetzen(const VkrComAnzeige* anzeige) {
    g_anzeige = anzeige;
}

// ---- connection and address ------------------------------------------------------------------------------

Fehlercode VkrCom_Open(int port) {
    if (!portGueltig(port)) return FEHLER_PORT_UNGUELTIG;
    z.gewaehlterPort = port;
    if (port == z.offenerPort) return KEIN_FEHLER;
    // What was learnt about the unit on a line belongs to that line: identification and search lamps go
    // when the port closes or changes.
    zeigen(&VkrComAnzeige::geraetLeeren);
    z.gefunden.clear();
    if (z.offenerPort != 0) {
        (void)VKRPLM1_Close(z.offenerPort); // a port that fails to close is given up all the same
        z.letzterPort = z.offenerPort;
        z.offenerPort = 0;
    }
    Fehlercode ergebnis = KEIN_FEHLER;
    if (port != 0) {
        ergebnis = VKRPLM1_Open(port, VKRPLM1_BAUDRATE);
        if (ergebnis == KEIN_FEHLER) {
            z.offenerPort = port;
            (void)VKRPLM1_Timeout(port, VKRPLM1_TIMEOUT_S);
        }
    }
    VkrCom_PortAnzeigen(z.offenerPort);
    return ergebnis;
}

Fehlercode VkrCom_Close() {
    return VkrCom_Open(0);
}

int VkrCom_ComPortGet() {
    return z.offenerPort;
}

int VkrCom_GewaehlterPortGet() {
    return z.gewaehlterPort;
}

int VkrCom_LastComPortGet() {
    return z.letzterPort;
}

Fehlercode VkrCom_LastComPortSet(int port) {
    if (!portGueltig(port)) return FEHLER_LETZTER_PORT_UNGUELTIG;
    z.letzterPort = port;
    return KEIN_FEHLER;
}

char VkrCom_AdresseGet() {
    return z.adresse;
}

bool VkrCom_AdresseGueltig(int zeichen) {
    return (zeichen >= VKRCOM_ERSTE_ADRESSE && zeichen <= VKRCOM_LETZTE_ADRESSE) ||
           zeichen == VKRPLM1_BROADCAST;
}

Fehlercode VkrCom_AdresseSet(char address) {
    if (!VkrCom_AdresseGueltig(address)) return FEHLER_ADRESSE_UNGUELTIG;
    if (address != z.adresse) {
        // The identification shown belongs to the selected unit: the one the last search found at the new
        // address, else none until it is read.
        std::string id;
        for (const VkrComGeraet& g : z.gefunden)
            if (g.adresse == address) id = g.id;
        zeigen(&VkrComAnzeige::id, id.c_str());
    }
    z.adresse = address;
    zeigen(&VkrComAnzeige::adresse, address);
    return KEIN_FEHLER;
}

Fehlercode VkrCom_Umschalten() {
    if (z.offenerPort != 0) {
        (void)VkrCom_Open(0);
        return KEIN_FEHLER;
    }
    return VkrCom_Open(z.letzterPort);
}

void VkrCom_PortAnzeigen(int port) {
    zeigen(&VkrComAnzeige::port, port);
}

// ---- identification and search ---------------------------------------------------------------------------

Fehlercode VkrCom_IdAnzeigen() {
    if (z.offenerPort == 0) return FEHLER_ID_KEIN_PORT;
    zeigen(&VkrComAnzeige::id, "");
    char id[VKRPLM1_ID_LAENGE + 1] = {};
    const Fehlercode f = VKRPLM1_IDLesen(z.offenerPort, z.adresse, id);
    if (f != KEIN_FEHLER) return f;
    id[VKRPLM1_ID_LAENGE] = '\0';
    zeigen(&VkrComAnzeige::id, static_cast<const char*>(id));
    return KEIN_FEHLER;
}

Fehlercode VkrCom_GeraeteSuchen() {
    if (z.offenerPort == 0) return FEHLER_SUCHE_KEIN_PORT;
    zeigen(&VkrComAnzeige::id, "");
    z.gefunden.clear();
    const int anzahl = g_anzeige && g_anzeige->suchadressen ? g_anzeige->suchadressen() : 0;
    std::string status = SUCHTEXT;
    for (char adresse = VKRCOM_ERSTE_ADRESSE;
         adresse <= VKRCOM_LETZTE_ADRESSE && adresse - VKRCOM_ERSTE_ADRESSE < anzahl; ++adresse) {
        status.back() = adresse;
        zeigen(&VkrComAnzeige::sucheSchritt, status.c_str());

        char id[VKRPLM1_ID_LAENGE + 1] = {};
        const Fehlercode f = VKRPLM1_IDLesen(z.offenerPort, adresse, id);
        id[VKRPLM1_ID_LAENGE] = '\0';
        if (f != KEIN_FEHLER) {
            zeigen(&VkrComAnzeige::sucheErgebnis, adresse, SuchErgebnis::KeineAntwort);
        } else if (std::strncmp(id, PLM1_ID_PREFIX, std::strlen(PLM1_ID_PREFIX)) == 0) {
            zeigen(&VkrComAnzeige::sucheErgebnis, adresse, SuchErgebnis::Plm1);
            // The search commits what it selects: commands, selector and identification name one unit.
            z.adresse = adresse;
            zeigen(&VkrComAnzeige::adresse, adresse);
            zeigen(&VkrComAnzeige::id, static_cast<const char*>(id));
            z.gefunden.push_back(VkrComGeraet{adresse, id});
        } else {
            zeigen(&VkrComAnzeige::sucheErgebnis, adresse, SuchErgebnis::AnderesGeraet);
        }
    }
    zeigen(&VkrComAnzeige::sucheSchritt, "");
    return KEIN_FEHLER;
}

// ---- errors ----------------------------------------------------------------------------------------------

void VkrCom_FehlermeldungSet(int code) {
    z.letzterFehler = code;
    z.letzteMeldung.clear();
    if (g_anzeige && g_anzeige->fehler) z.letzteMeldung = g_anzeige->fehler(code, nullptr);
}

void VkrCom_FehlermeldungMitZusatzSet(int code, const char* zusatz) {
    z.letzterFehler = code;
    z.letzteMeldung.clear();
    if (g_anzeige && g_anzeige->fehler)
        z.letzteMeldung = g_anzeige->fehler(code, zusatz);
    else // without error controls the extra text stays pending for whoever prints the code
        VKR_Fehleruserstring(zusatz);
}

void VkrCom_StatusSet(const char* text) {
    VkrCom_FehlermeldungSet(0);
    zeigen(&VkrComAnzeige::status, text);
}

std::vector<VkrComGeraet> VkrCom_GefundeneGeraete() {
    return z.gefunden;
}

const char* VkrCom_LetzteFehlermeldungGet() {
    return z.letzteMeldung.c_str();
}

int VkrCom_LetzterFehlerGet() {
    return z.letzterFehler;
}

void VkrCom_Zuruecksetzen() {
    if (z.offenerPort != 0) (void)VKRPLM1_Close(z.offenerPort);
    z = Zustand{};
    zeigen(&VkrComAnzeige::zuruecksetzen);
}
