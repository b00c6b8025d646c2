// The connection controls of the windows: their callbacks, and the connection manager's state shown in
// them.

#include "device/VkrCom_Userinterface.h"

#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "platform/line/leitung_netz.h"
#include "platform/line/rs232.h"
#include "platform/line/rs232_portliste.h"
#include "platform/sprache/sprache.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_fragen.h"

#include <QString>
#include <array>
#include <string>

namespace {

constexpr int GRUEN = 0x00FF00; // PLM-1 unit found
constexpr int ROT = 0xFF0000;   // another unit answered

struct Ctrl {
    int panel = 0;
    int control = 0;
    bool gesetzt() const { return panel > 0; }
};

struct FehlerCtrls {
    int panel = 0, lampe = 0, text = 0, nummer = 0;
};

struct Controls {
    Ctrl portAuswahl, adressAuswahl, idKnopf, idText, scanKnopf, scanText;
    std::array<Ctrl, MAX_PICTURERINGCONTROLS> ringe{};
    int anzahlRinge = 0;
    std::array<Ctrl, MAX_ADRESSLEDS> leds{};
    int anzahlLeds = 0;
    std::array<FehlerCtrls, MAX_FEHLERCONTROLS> fehler{};
    int anzahlFehler = 0;
};

Controls z;

void textSetzen(const Ctrl& c, const char* text) {
    if (c.gesetzt()) SetCtrlVal(c.panel, c.control, text);
}

// The search runs without dispatching events, yet its progress must be seen: its controls draw at once.
void sofortZeichnen(const Ctrl& c) {
    if (c.gesetzt()) DrawCtrlNow(c.panel, c.control);
}

void portZeigen(int port) {
    if (z.portAuswahl.gesetzt()) SetCtrlVal(z.portAuswahl.panel, z.portAuswahl.control, port);
    // A reported port shows its device name; COM n and "nicht geöffnet" come from the value.
    const std::string name = Rs232_IstGeraeteport(port) ? Rs232_Kurzname(Rs232_Geraetepfad(port)) : "";
    for (int i = 0; i < z.anzahlRinge; ++i) {
        SetCtrlVal(z.ringe[i].panel, z.ringe[i].control, port);
        SetCtrlAttribute(z.ringe[i].panel, z.ringe[i].control, ATTR_LABEL_TEXT, name.c_str());
    }
}

void adresseZeigen(char adresse) {
    if (z.adressAuswahl.gesetzt())
        SetCtrlVal(z.adressAuswahl.panel, z.adressAuswahl.control, static_cast<int>(adresse));
}

std::string fehlerZeigen(int code, const char* zusatz) {
    if (zusatz) VKR_Fehleruserstring(zusatz); // pending for whoever prints the code
    if (z.anzahlFehler == 0) return {};
    // Building the message uses up a pending extra text (a hint such as the group that gives access to the
    // port): built once, it shows in every window, since the one that started the operation may be any.
    const std::string text = code != 0 || zusatz ? VKR_Fehlermeldung(code) : "";
    for (int i = 0; i < z.anzahlFehler; ++i) {
        const FehlerCtrls& e = z.fehler[i];
        SetCtrlVal(e.panel, e.lampe, code != 0 || zusatz ? 1 : 0);
        SetCtrlVal(e.panel, e.text, text.c_str());
        SetCtrlVal(e.panel, e.nummer, code);
    }
    return text;
}

void statusZeigen(const char* text) {
    for (int i = 0; i < z.anzahlFehler; ++i)
        SetCtrlVal(z.fehler[i].panel, z.fehler[i].text, text);
}

void geraetLeeren() {
    textSetzen(z.idText, "");
    for (int i = 0; i < z.anzahlLeds; ++i)
        SetCtrlVal(z.leds[i].panel, z.leds[i].control, 0);
}

void idZeigen(const char* text) {
    textSetzen(z.idText, text);
    if (*text) sofortZeichnen(z.idText);
}

int suchadressen() {
    return z.anzahlLeds;
}

void sucheSchrittZeigen(const char* status) {
    textSetzen(z.scanText, status);
    if (*status) sofortZeichnen(z.scanText);
}

void sucheErgebnisZeigen(char adresse, SuchErgebnis ergebnis) {
    const int i = adresse - '1';
    if (i < 0 || i >= z.anzahlLeds) return;
    const Ctrl& led = z.leds[i];
    if (ergebnis == SuchErgebnis::KeineAntwort) {
        SetCtrlVal(led.panel, led.control, 0);
    } else {
        SetCtrlAttribute(led.panel, led.control, ATTR_ON_COLOR, ergebnis == SuchErgebnis::Plm1 ? GRUEN : ROT);
        SetCtrlVal(led.panel, led.control, 1);
    }
    sofortZeichnen(led);
}

void zuruecksetzen() {
    z = Controls{};
}

const VkrComAnzeige ANZEIGE{portZeigen,   adresseZeigen, fehlerZeigen,       statusZeigen,
                            idZeigen,     suchadressen,  sucheSchrittZeigen, sucheErgebnisZeigen,
                            geraetLeeren, zuruecksetzen};

// "Netzwerk…": the address of a device server, kept as a device port of its own like a local adapter. The
// last address typed is offered again.
void netzwerkportWaehlen(int panel, int control) {
    static std::string adresse = RS232_SCHEMA_RFC2217;
    std::string eingabe = adresse;
    const char* titel = QT_TRANSLATE_NOOP("Plm1", "Netzwerk");
    const bool gewaehlt = UI_EingabePopup(
        titel,
        QT_TRANSLATE_NOOP("Plm1",
                          "Adresse des Geräteservers (tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT):"),
        &eingabe);
    const auto abbrechen = [titel](const char* meldung) {
        if (meldung) MessagePopup(titel, meldung);
        portZeigen(VkrCom_ComPortGet()); // the selector shows the open port again
    };
    if (!gewaehlt) return abbrechen(nullptr);
    if (!Rs232_NetzadresseLesen(eingabe, nullptr))
        return abbrechen(
            QString::fromStdString(
                Sprache_TextUtf8(QT_TRANSLATE_NOOP("Plm1", "\"%1\" ist keine Adresse der Form "
                                                           "tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT")))
                .arg(QString::fromStdString(eingabe))
                .toStdString()
                .c_str());
    // A new address is not in the selector yet (the selector lists every address that has a number).
    const bool neu = Rs232_GeraeteportSuchen(eingabe) == 0;
    const int port = Rs232_GeraeteportVergeben(eingabe);
    if (port == 0) return abbrechen(QT_TRANSLATE_NOOP("Plm1", "Keine Portnummer mehr frei"));
    adresse = eingabe;
    if (neu) (void)InsertListItem(panel, control, -1, Rs232_Listenname(eingabe).c_str(), port);
    VkrCom_FehlermeldungSet(VkrCom_Open(port));
}

int Callback_ComPortEinstellen(int panel, int control, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        int wert = 0;
        GetCtrlVal(panel, control, &wert);
        if (wert == VKRCOM_PORT_NETZWERK)
            netzwerkportWaehlen(panel, control);
        else
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

// Every registration also makes sure the connection manager shows its state here.
Ctrl registrieren(int panel, int control, CtrlCallbackPtr callback) {
    VkrCom_AnzeigeSetzen(&ANZEIGE);
    if (callback) InstallCtrlCallback(panel, control, callback, nullptr);
    return {panel, control};
}

} // namespace

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
    z.idText = registrieren(panel, control, nullptr);
}

void VkrCom_RegisterAdressLeds(int panel, int control) {
    if (z.anzahlLeds >= MAX_ADRESSLEDS) {
        MessagePopup("Interner Fehler", "MAX_ADRESSLEDS ist zu klein");
        return;
    }
    z.leds[z.anzahlLeds++] = registrieren(panel, control, nullptr);
}

void VkrCom_RegisterScanButton(int panel, int control) {
    z.scanKnopf = registrieren(panel, control, Callback_Scan);
}

void VkrCom_RegisterScanStringControl(int panel, int control) {
    z.scanText = registrieren(panel, control, nullptr);
}

void VkrCom_RegisterFehlerControls(int panel, int lampControl, int textControl, int numberControl) {
    if (z.anzahlFehler >= MAX_FEHLERCONTROLS) {
        MessagePopup("Interner Fehler", "MAX_FEHLERCONTROLS ist zu klein");
        return;
    }
    VkrCom_AnzeigeSetzen(&ANZEIGE);
    z.fehler[z.anzahlFehler++] = {panel, lampControl, textControl, numberControl};
}
