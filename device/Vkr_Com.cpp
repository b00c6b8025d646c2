// Connection manager: open port, last port and device address, the connection controls of the windows
// with their callbacks, the error controls, identification and device search.

#include "device/Vkr_Com.h"

#include "device/vkrplm1.h"
#include "errors/VKR_errorV3.h"
#include "platform/rs232.h"
#include "platform/rs232_portliste.h"
#include "platform/ui.h"
#include "platform/ui_test.h"

#include <QWidget>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

// No port, COM 1..8, or a port the system reported, opened by its path.
bool portGueltig(int port) {
    return port == 0 || Rs232_PortGueltig(port);
}
constexpr int GRUEN = 0x00FF00; // PLM-1 unit found
constexpr int ROT = 0xFF0000;   // another unit answered
constexpr const char* PLM1_ID_PREFIX = "VKR-PLM1-";
constexpr const char* SUCHTEXT = "Suche nach Gerät x";

struct Ctrl {
    int panel = 0;
    int control = 0;
    bool gesetzt() const { return panel > 0; }
};

struct FehlerCtrls {
    int panel = 0, lampe = 0, text = 0, nummer = 0;
};

struct Zustand {
    int offenerPort = 0;
    int letzterPort = 0;
    int gewaehlterPort = 0; // the port last asked for, opened or not
    char adresse = '1';
    Ctrl portAuswahl, adressAuswahl, idKnopf, idText, scanKnopf, scanText;
    std::array<Ctrl, MAX_PICTURERINGCONTROLS> ringe{};
    int anzahlRinge = 0;
    std::array<Ctrl, MAX_ADRESSLEDS> leds{};
    int anzahlLeds = 0;
    std::array<FehlerCtrls, MAX_FEHLERCONTROLS> fehler{};
    int anzahlFehler = 0;
    int letzterFehler = 0;
    std::string letzteMeldung;          // the message built for letzterFehler
    std::vector<VkrComGeraet> gefunden; // PLM-1 units of the last search
};

Zustand z;

// Draws a control at once: the search runs without dispatching events, yet its progress must be seen.
void sofortZeichnen(const Ctrl& c) {
    if (QWidget* w = UI_CtrlWidget(c.panel, c.control)) w->repaint();
}

void textSetzen(const Ctrl& c, const char* text) {
    if (c.gesetzt()) SetCtrlVal(c.panel, c.control, text);
}

int Callback_ComPortEinstellen(int panel, int control, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        int wert = 0;
        GetCtrlVal(panel, control, &wert);
        VkrCom_FehlermeldungSet(VkrCom_Open(wert));
    }
    return 0;
}

int Callback_ComPortUmschalten(int, int, int event, void*, int, int) {
    if (event == EVENT_LEFT_CLICK || event == EVENT_LEFT_DOUBLE_CLICK)
        VkrCom_FehlermeldungSet(VkrCom_Umschalten());
    return 0;
}

int Callback_ComPortAdresse(int panel, int control, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        int wert = 0;
        GetCtrlVal(panel, control, &wert);
        VkrCom_FehlermeldungSet(VkrCom_AdresseSet(static_cast<char>(wert & 0xFF)));
    }
    return 0;
}

int Callback_IdLesen(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    UI_Warten warten;
    VkrCom_FehlermeldungSet(VkrCom_IdAnzeigen());
    return 0;
}

int Callback_Scan(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    UI_Warten warten;
    VkrCom_FehlermeldungSet(VkrCom_GeraeteSuchen());
    return 0;
}

// What was learnt about the unit on a line belongs to that line: identification and search lamps go
// when the port closes or changes.
void geraeteanzeigeLeeren() {
    textSetzen(z.idText, "");
    for (int i = 0; i < z.anzahlLeds; ++i)
        SetCtrlVal(z.leds[i].panel, z.leds[i].control, 0);
}

Ctrl registrieren(int panel, int control, CtrlCallbackPtr callback) {
    if (callback) InstallCtrlCallback(panel, control, callback, nullptr);
    return {panel, control};
}

} // namespace

// ---- registration ----------------------------------------------------------------------------------------

void VkrCom_RegisterComControl(int panel, int control) {
    z.portAuswahl = registrieren(panel, control, Callback_ComPortEinstellen);
}

void VkrCom_RegisterAdressControl(int panel, int control) {
    z.adressAuswahl = registrieren(panel, control, Callback_ComPortAdresse);
}

void VkrCom_RegisterPictureringControl(int panel, int control) {
    if (z.anzahlRinge >= MAX_PICTURERINGCONTROLS) {
        MessagePopup("Interner Fehler", "MAX_PICTURERINGCONTROLS ist zu klein");
        return;
    }
    z.ringe[z.anzahlRinge++] = registrieren(panel, control, Callback_ComPortUmschalten);
}

void VkrCom_RegisterIdReadButton(int panel, int control) {
    z.idKnopf = registrieren(panel, control, Callback_IdLesen);
}

void VkrCom_RegisterIdTextdisplay(int panel, int control) {
    z.idText = {panel, control};
}

void VkrCom_RegisterAdressLeds(int panel, int control) {
    if (z.anzahlLeds >= MAX_ADRESSLEDS) {
        MessagePopup("Interner Fehler", "MAX_ADRESSLEDS ist zu klein");
        return;
    }
    z.leds[z.anzahlLeds++] = {panel, control};
}

void VkrCom_RegisterScanButton(int panel, int control) {
    z.scanKnopf = registrieren(panel, control, Callback_Scan);
}

void VkrCom_RegisterScanStringControl(int panel, int control) {
    z.scanText = {panel, control};
}

void VkrCom_RegisterFehlerControls(int panel, int lampControl, int textControl, int numberControl) {
    if (z.anzahlFehler >= MAX_FEHLERCONTROLS) {
        MessagePopup("Interner Fehler", "MAX_FEHLERCONTROLS ist zu klein");
        return;
    }
    z.fehler[z.anzahlFehler++] = {panel, lampControl, textControl, numberControl};
}

// ---- connection and address ------------------------------------------------------------------------------

Fehlercode VkrCom_Open(int port) {
    if (!portGueltig(port)) return FEHLER_PORT_UNGUELTIG;
    z.gewaehlterPort = port;
    if (port == z.offenerPort) return KEIN_FEHLER;
    geraeteanzeigeLeeren();
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

Fehlercode VkrCom_AdresseSet(char address) {
    if (!((address >= '1' && address <= '9') || address == VKRPLM1_BROADCAST))
        return FEHLER_ADRESSE_UNGUELTIG;
    z.adresse = address;
    if (z.adressAuswahl.gesetzt())
        SetCtrlVal(z.adressAuswahl.panel, z.adressAuswahl.control, static_cast<int>(address));
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
    if (z.portAuswahl.gesetzt()) SetCtrlVal(z.portAuswahl.panel, z.portAuswahl.control, port);
    // A reported port shows its device name; COM n and "nicht geöffnet" come from the value.
    const std::string name = Rs232_IstGeraeteport(port) ? Rs232_Kurzname(Rs232_Geraetepfad(port)) : "";
    for (int i = 0; i < z.anzahlRinge; ++i) {
        SetCtrlVal(z.ringe[i].panel, z.ringe[i].control, port);
        SetCtrlAttribute(z.ringe[i].panel, z.ringe[i].control, ATTR_LABEL_TEXT, name.c_str());
    }
}

// ---- identification and search ---------------------------------------------------------------------------

Fehlercode VkrCom_IdAnzeigen() {
    if (z.offenerPort == 0) return FEHLER_ID_KEIN_PORT;
    textSetzen(z.idText, "");
    char id[VKRPLM1_ID_LAENGE + 1] = {};
    const Fehlercode f = VKRPLM1_IDLesen(z.offenerPort, z.adresse, id);
    if (f != KEIN_FEHLER) return f;
    id[VKRPLM1_ID_LAENGE] = '\0';
    textSetzen(z.idText, id);
    return KEIN_FEHLER;
}

Fehlercode VkrCom_GeraeteSuchen() {
    if (z.offenerPort == 0) return FEHLER_SUCHE_KEIN_PORT;
    textSetzen(z.idText, "");
    z.gefunden.clear();
    std::string status = SUCHTEXT;
    for (char adresse = '1'; adresse <= '9' && adresse - '1' < z.anzahlLeds; ++adresse) {
        const Ctrl& led = z.leds[adresse - '1'];
        status.back() = adresse;
        textSetzen(z.scanText, status.c_str());
        sofortZeichnen(z.scanText);

        char id[VKRPLM1_ID_LAENGE + 1] = {};
        const Fehlercode f = VKRPLM1_IDLesen(z.offenerPort, adresse, id);
        id[VKRPLM1_ID_LAENGE] = '\0';
        if (f != KEIN_FEHLER) {
            SetCtrlVal(led.panel, led.control, 0);
        } else if (std::strncmp(id, PLM1_ID_PREFIX, std::strlen(PLM1_ID_PREFIX)) == 0) {
            SetCtrlAttribute(led.panel, led.control, ATTR_ON_COLOR, GRUEN);
            SetCtrlVal(led.panel, led.control, 1);
            if (z.adressAuswahl.gesetzt())
                SetCtrlVal(z.adressAuswahl.panel, z.adressAuswahl.control, static_cast<int>(adresse));
            textSetzen(z.idText, id);
            sofortZeichnen(z.idText);
            z.gefunden.push_back(VkrComGeraet{adresse, id});
        } else {
            SetCtrlAttribute(led.panel, led.control, ATTR_ON_COLOR, ROT);
            SetCtrlVal(led.panel, led.control, 1);
        }
        sofortZeichnen(led);
    }
    textSetzen(z.scanText, "");
    return KEIN_FEHLER;
}

// ---- error controls --------------------------------------------------------------------------------------

void VkrCom_FehlermeldungSet(int code) {
    z.letzterFehler = code;
    z.letzteMeldung.clear();
    for (int i = 0; i < z.anzahlFehler; ++i) {
        const FehlerCtrls& e = z.fehler[i];
        SetCtrlVal(e.panel, e.lampe, code != 0 ? 1 : 0);
        // Building the message uses up a pending extra text, so only the first entry shows it.
        const char* text = code != 0 ? VKR_Fehlermeldung(code) : "";
        if (i == 0) z.letzteMeldung = text;
        SetCtrlVal(e.panel, e.text, text);
        SetCtrlVal(e.panel, e.nummer, code);
    }
}

void VkrCom_FehlermeldungMitZusatzSet(int code, const char* zusatz) {
    z.letzterFehler = code;
    z.letzteMeldung.clear();
    // Without error controls the extra text stays pending for whoever prints the code.
    if (z.anzahlFehler == 0) VKR_Fehleruserstring(zusatz);
    for (int i = 0; i < z.anzahlFehler; ++i) {
        const FehlerCtrls& e = z.fehler[i];
        VKR_Fehleruserstring(zusatz);
        const std::string text = VKR_Fehlermeldung(code);
        if (i == 0) z.letzteMeldung = text;
        SetCtrlVal(e.panel, e.lampe, 1);
        SetCtrlVal(e.panel, e.text, text.c_str());
        SetCtrlVal(e.panel, e.nummer, code);
    }
}

void VkrCom_StatusSet(const char* text) {
    VkrCom_FehlermeldungSet(0);
    for (int i = 0; i < z.anzahlFehler; ++i)
        SetCtrlVal(z.fehler[i].panel, z.fehler[i].text, text);
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
}
