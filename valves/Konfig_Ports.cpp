// Port selector and stable-path settings keys of "PLM-1 Einstellungen". "com" and "lcom" keep meaning
// COM 1..8 (0 for anything else), so a file written here still loads in a build without these keys.

#include "valves/Konfig_Ports.h"
#include "platform/sprache/textmarke.h"

#include "device/VkrCom_Userinterface.h"
#include "device/Vkr_Com.h"
#include "platform/files/einstellungsdatei.h"
#include "platform/line/leitung_netz.h"
#include "platform/line/rs232.h"
#include "platform/line/rs232_portliste.h"
#include "platform/ui/ui.h"

#include <string>

namespace {

constexpr const char* NICHT_GEOEFFNET = QT_TRANSLATE_NOOP("Plm1", "nicht geöffnet");

// The device port of a saved path, or 0 when there is none or no number is free.
int gespeicherterGeraeteport(const std::string& pfad) {
    return pfad.empty() ? 0 : Rs232_GeraeteportVergeben(pfad);
}

void ungelistetEinfuegen(int panel, int control, int port) {
    if (!Rs232_IstGeraeteport(port)) return;
    const std::string pfad = Rs232_StabilerPfadVon(port);
    (void)InsertListItem(panel, control, -1, Rs232_Listenname(pfad).c_str(), port);
}

// The saved adapter that could not be opened at start: while the operator asks for no other port, the exit
// writes it back instead of forgetting it (VkrCom_ZuSpeichernderPort, as for "com").
int gNichtGeoeffnet = 0;

void schreiben(IniText ini, int port, const char* comSchluessel, const char* pfadSchluessel) {
    if (!Rs232_IstGeraeteport(port)) return;
    (void)Ini_PutInt(ini, INI_SEKTION, comSchluessel, 0);
    (void)Ini_PutString(ini, INI_SEKTION, pfadSchluessel, Rs232_StabilerPfadVon(port).c_str());
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
    (void)UI_ListeGanzZeigen(panel, control);
}

Fehlercode KonfigPorts_ReadIni(const VkrComEinstellungen& e) {
    Fehlercode ergebnis = KEIN_FEHLER;
    gNichtGeoeffnet = 0;
    if (const int port = gespeicherterGeraeteport(e.geraetepfad()); port != 0) {
        ergebnis = VkrCom_Open(port);
        // An adapter that is missing does not stop the start; the failure shows in the error controls.
        if (ergebnis != KEIN_FEHLER) {
            VkrCom_FehlermeldungSet(ergebnis);
            gNichtGeoeffnet = port;
        }
    }
    if (const int port = gespeicherterGeraeteport(e.letzterGeraetepfad()); port != 0)
        (void)VkrCom_LastComPortSet(port);
    return ergebnis;
}

void KonfigPorts_WriteIni(IniText ini) {
    schreiben(ini, VkrCom_ZuSpeichernderPort(gNichtGeoeffnet), "com", "compfad");
    schreiben(ini, VkrCom_LastComPortGet(), "lcom", "lcompfad");
}
