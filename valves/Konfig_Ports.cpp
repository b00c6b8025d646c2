// Port selector and stable-path settings keys of "PLM-1 Einstellungen". "com" and "lcom" keep meaning
// COM 1..8 (0 for anything else), so a file written here still loads in a build without these keys.

#include "valves/Konfig_Ports.h"

#include "device/VkrCom_Userinterface.h"
#include "device/Vkr_Com.h"
#include "platform/line/leitung_netz.h"
#include "platform/line/rs232.h"
#include "platform/line/rs232_portliste.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <string>

namespace {

constexpr const char* SEKTION = "konfig";
constexpr const char* NICHT_GEOEFFNET = "nicht geöffnet";
constexpr int LISTE_RAND = 24; // room for the frame and a scroll bar

// The device port of a saved path, or 0 when the key is missing, "com"/"lcom" names a COM port, or no
// number is free.
int gespeicherterGeraeteport(IniText ini, const char* comSchluessel, const char* pfadSchluessel) {
    int com = 0;
    if (Ini_GetInt(ini, SEKTION, comSchluessel, &com) > 0 && Rs232_IstComPort(com)) return 0;
    std::string pfad;
    if (Ini_GetString(ini, SEKTION, pfadSchluessel, &pfad) <= 0) return 0;
    return Rs232_GeraeteportVergeben(pfad);
}

void ungelistetEinfuegen(int panel, int control, int port) {
    if (!Rs232_IstGeraeteport(port)) return;
    const std::string pfad = Rs232_StabilerPfadVon(port);
    (void)InsertListItem(panel, control, -1, Rs232_Listenname(pfad).c_str(), port);
}

// The saved adapter that could not be opened at start: while the operator asks for no other port, the exit
// writes it back instead of forgetting it (the same rule as for "com").
int gNichtGeoeffnet = 0;

void schreiben(IniText ini, int port, const char* comSchluessel, const char* pfadSchluessel) {
    if (!Rs232_IstGeraeteport(port)) return;
    (void)Ini_PutInt(ini, SEKTION, comSchluessel, 0);
    (void)Ini_PutString(ini, SEKTION, pfadSchluessel, Rs232_StabilerPfadVon(port).c_str());
}

} // namespace

void KonfigPorts_ListeAktualisieren(int panel, int control) {
    (void)ClearListCtrl(panel, control);
    (void)InsertListItem(panel, control, -1, NICHT_GEOEFFNET, 0);
    bool offenGelistet = false, letzterGelistet = false;
    const int offen = VkrCom_ComPortGet(), letzter = VkrCom_LastComPortGet();
    for (const Rs232_PortInfo& p : Rs232_PortlisteBilden(Rs232_GemeldetePorts())) {
        if (p.nummer == 0) continue; // more adapters than numbers
        (void)InsertListItem(panel, control, -1, Rs232_Anzeigename(p).c_str(), p.nummer);
        offenGelistet = offenGelistet || p.nummer == offen;
        letzterGelistet = letzterGelistet || p.nummer == letzter;
    }
    // Device servers on the network that have a number in this run; the last entry asks for another.
    for (int port = RS232_ERSTER_GERAETEPORT; port < RS232_ERSTER_GERAETEPORT + RS232_MAX_GERAETEPORTE;
         ++port)
        if (Rs232_IstNetzadresse(Rs232_StabilerPfadVon(port))) {
            ungelistetEinfuegen(panel, control, port);
            offenGelistet = offenGelistet || port == offen;
            letzterGelistet = letzterGelistet || port == letzter;
        }
    // A port opened by a path the system does not list (a pseudo-terminal, an adapter just pulled) stays
    // choosable, so that the selector can show what is open.
    if (!offenGelistet) ungelistetEinfuegen(panel, control, offen);
    if (!letzterGelistet && letzter != offen) ungelistetEinfuegen(panel, control, letzter);
    (void)InsertListItem(panel, control, -1, VKRCOM_NETZWERK_EINTRAG, VKRCOM_PORT_NETZWERK);
    SetCtrlVal(panel, control, offen);
    // Descriptions and stable paths are longer than the selector: the open list shows them whole.
    if (auto* auswahl = qobject_cast<QComboBox*>(UI_CtrlWidget(panel, control)))
        auswahl->view()->setMinimumWidth(auswahl->view()->sizeHintForColumn(0) + LISTE_RAND);
}

Fehlercode KonfigPorts_ReadIni(IniText ini) {
    Fehlercode ergebnis = KEIN_FEHLER;
    gNichtGeoeffnet = 0;
    if (const int port = gespeicherterGeraeteport(ini, "com", "compfad"); port != 0) {
        ergebnis = VkrCom_Open(port);
        // An adapter that is missing does not stop the start; the failure shows in the error controls.
        if (ergebnis != KEIN_FEHLER) {
            VkrCom_FehlermeldungSet(ergebnis);
            gNichtGeoeffnet = port;
        }
    }
    if (const int port = gespeicherterGeraeteport(ini, "lcom", "lcompfad"); port != 0)
        (void)VkrCom_LastComPortSet(port);
    return ergebnis;
}

void KonfigPorts_WriteIni(IniText ini) {
    const bool unveraendert = VkrCom_ComPortGet() == 0 && VkrCom_GewaehlterPortGet() == gNichtGeoeffnet;
    schreiben(ini, unveraendert && gNichtGeoeffnet != 0 ? gNichtGeoeffnet : VkrCom_ComPortGet(), "com",
              "compfad");
    schreiben(ini, VkrCom_LastComPortGet(), "lcom", "lcompfad");
}
