// Panel KONFIGPNL QT_TRANSLATE_NOOP("Plm1", "PLM-1 Einstellungen") and its menu bar MENUKONFIG: the valve
// kinds with their explanation at the left, the connection (port, address, identification, device search) at
// the right, the footer.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "valves/Ventilarten.h"

#include <string>

// The layout of this panel (the panel files share their names for margins and sizes).
namespace {
namespace konfig_lage {

constexpr int RAND = 12;
constexpr int LABEL = 18; // room for a label above its control
constexpr int FELD_HOEHE = 24;
constexpr int KNOPF_HOEHE = 30;

// Left: frame QT_TRANSLATE_NOOP("Plm1", "Ventile") with the explanation and 4 x 3 selectors.
constexpr int VENTILE_LINKS = RAND;
constexpr int VENTILE_BREITE = 440;
constexpr int TEXT_HOEHE = 136;
constexpr int AUSWAHL_BREITE = 92;
constexpr int AUSWAHL_SPALTE = 104;
constexpr int AUSWAHL_ZEILE = LABEL + FELD_HOEHE + 14;
constexpr int AUSWAHL_OBEN = RAND + 28 + TEXT_HOEHE + 8;
constexpr int VENTILE_HOEHE = AUSWAHL_OBEN + 3 * AUSWAHL_ZEILE - RAND;

// Right: frames QT_TRANSLATE_NOOP("Plm1", "Verbindung") and QT_TRANSLATE_NOOP("Plm1", "Gerätesuche").
constexpr int RECHTS_LINKS = VENTILE_LINKS + VENTILE_BREITE + RAND;
constexpr int RECHTS_BREITE = 440;
constexpr int INNEN = RECHTS_LINKS + 16;
constexpr int VERBINDUNG_HOEHE = 150;
constexpr int SUCHE_OBEN = RAND + VERBINDUNG_HOEHE + RAND;
constexpr int SUCHE_HOEHE = VENTILE_HOEHE - VERBINDUNG_HOEHE - RAND;
constexpr int LED_GROESSE = 24;
constexpr int LED_ABSTAND = 44;

constexpr int PANEL_BREITE = RECHTS_LINKS + RECHTS_BREITE + RAND;
constexpr int PANEL_HOEHE = RAND + VENTILE_HOEHE + RAND + FUSSZEILE_HOEHE;

CtrlDef rahmen(const char* titel, int top, int left, int width, int height) {
    return Resource_Ctrl(0, "", CtrlArt::Rahmen, top, left, width, height, titel);
}

} // namespace konfig_lage
} // namespace

PanelDef Resource_KonfigPanel() {
    using namespace konfig_lage;
    PanelDef p;
    p.id = KONFIGPNL;
    p.name = "KONFIGPNL";
    p.title = QT_TRANSLATE_NOOP("Plm1", "PLM-1 Einstellungen");
    p.width = PANEL_BREITE;
    p.height = PANEL_HOEHE;
    p.callback = "Callback_KonfigPanel";
    p.menuBar = MENUKONFIG;

    p.ctrls.push_back(
        rahmen(QT_TRANSLATE_NOOP("Plm1", "Ventile"), RAND, VENTILE_LINKS, VENTILE_BREITE, VENTILE_HOEHE));
    p.ctrls.push_back(Resource_Ctrl(
        KONFIGPNL_TEXTMSG, "TEXTMSG", CtrlArt::TextMeldung, RAND + 28, VENTILE_LINKS + 16,
        VENTILE_BREITE - 32, TEXT_HOEHE,
        QT_TRANSLATE_NOOP("Plm1",
                          "Konfiguration der Ventile.\nVentilarten sind abhängig von\nder Hardwareversion "
                          "des PLM-1.\n\nn.v. = nicht vorhanden\nNO = normaly open\nNC = normaly closed")));
    for (int i = 0; i < ANZAHL_VENTILE; ++i) {
        const std::string nummer = std::to_string(i + 1);
        CtrlDef c = Resource_Ctrl(
            KONFIGPNL_VENTILART1 + i, "", CtrlArt::Auswahl, AUSWAHL_OBEN + (i / 4) * AUSWAHL_ZEILE + LABEL,
            VENTILE_LINKS + 16 + (i % 4) * AUSWAHL_SPALTE, AUSWAHL_BREITE, FELD_HOEHE, "V" + nummer);
        c.name = "VENTILART" + nummer;
        c.callback = "Callback_Konfig_Ventilart";
        c.tooltip = Resource_MitNummer(QT_TRANSLATE_NOOP("Plm1", "Ventilart von Ventil %1"), i + 1);
        p.ctrls.push_back(c);
    }
    CtrlDef bild = Resource_Ctrl(KONFIGPNL_PICTURE, "PICTURE", CtrlArt::Bild, RAND, VENTILE_LINKS, 1, 1);
    bild.sichtbar = false;
    p.ctrls.push_back(bild);

    // Connection: the port and address selectors carry the connection manager's callbacks, installed at
    // registration.
    p.ctrls.push_back(
        rahmen(QT_TRANSLATE_NOOP("Plm1", "Verbindung"), RAND, RECHTS_LINKS, RECHTS_BREITE, VERBINDUNG_HOEHE));
    CtrlDef port = Resource_Ctrl(KONFIGPNL_COMPORT, "COMPORT", CtrlArt::Auswahl, RAND + 28 + LABEL, INNEN,
                                 180, FELD_HOEHE, QT_TRANSLATE_NOOP("Plm1", "COM-Port"));
    port.eintraege.push_back({QT_TRANSLATE_NOOP("Plm1", "nicht geöffnet"), 0});
    for (int n = 1; n <= 8; ++n)
        port.eintraege.push_back({"COM " + std::to_string(n), n});
    port.tooltip = QT_TRANSLATE_NOOP("Plm1", "Serielle Schnittstelle zum PLM-1");
    p.ctrls.push_back(port);
    CtrlDef adresse = Resource_Ctrl(KONFIGPNL_ADRESSE, "ADRESSE", CtrlArt::Auswahl, RAND + 28 + LABEL,
                                    INNEN + 200, 120, FELD_HOEHE, QT_TRANSLATE_NOOP("Plm1", "Geräteadresse"));
    for (char a = '1'; a <= '9'; ++a)
        adresse.eintraege.push_back({std::string(1, a), a});
    adresse.eintraege.push_back({QT_TRANSLATE_NOOP("Plm1", "alle"), '&'});
    adresse.tooltip =
        QT_TRANSLATE_NOOP("Plm1", "Adresse, an die die Befehle gehen (alle: nur Schreibbefehle)");
    p.ctrls.push_back(adresse);
    const int idZeile = RAND + 28 + LABEL + FELD_HOEHE + 20 + LABEL;
    p.ctrls.push_back(Resource_Ctrl(KONFIGPNL_IDLESEN, "IDLESEN", CtrlArt::Knopf, idZeile - 3, INNEN, 120,
                                    KNOPF_HOEHE, QT_TRANSLATE_NOOP("Plm1", "ID lesen")));
    CtrlDef id =
        Resource_Ctrl(KONFIGPNL_ID, "ID", CtrlArt::Text, idZeile, INNEN + 136, RECHTS_BREITE - 32 - 136,
                      FELD_HOEHE, QT_TRANSLATE_NOOP("Plm1", "Identifikation"));
    id.anzeige = true;
    p.ctrls.push_back(id);

    // Device search: one lamp per address 1..9.
    p.ctrls.push_back(rahmen(QT_TRANSLATE_NOOP("Plm1", "Gerätesuche"), SUCHE_OBEN, RECHTS_LINKS,
                             RECHTS_BREITE, SUCHE_HOEHE));
    const int scannZeile = SUCHE_OBEN + 28 + LABEL;
    p.ctrls.push_back(Resource_Ctrl(KONFIGPNL_SCANN, "SCANN", CtrlArt::Knopf, scannZeile - 3, INNEN, 120,
                                    KNOPF_HOEHE, QT_TRANSLATE_NOOP("Plm1", "Scann")));
    CtrlDef text = Resource_Ctrl(KONFIGPNL_SCANNTEXT, "SCANNTEXT", CtrlArt::Text, scannZeile, INNEN + 136,
                                 RECHTS_BREITE - 32 - 136, FELD_HOEHE, QT_TRANSLATE_NOOP("Plm1", "Status"));
    text.anzeige = true;
    p.ctrls.push_back(text);
    const int ledZeile = scannZeile + FELD_HOEHE + 24 + LABEL;
    for (int k = 0; k < 9; ++k) {
        const std::string nummer = std::to_string(k + 1);
        CtrlDef led = Resource_Ctrl(KONFIGPNL_LED1 + k, "", CtrlArt::Led, ledZeile,
                                    INNEN + 8 + k * LED_ABSTAND, LED_GROESSE, LED_GROESSE, nummer);
        led.name = "LED" + nummer;
        led.tooltip = Resource_MitNummer(
            QT_TRANSLATE_NOOP("Plm1", "Gerät an Adresse %1 (grün: PLM-1, rot: anderes Gerät)"), k + 1);
        p.ctrls.push_back(led);
    }

    const FusszeileIds fuss{KONFIGPNL_COMPICTURERING, KONFIGPNL_FEHLERLED, KONFIGPNL_FEHLERSTRING,
                            KONFIGPNL_FEHLERNUMMER,   KONFIGPNL_ZURUECK,   "Callback_Konfig_Button_Zurueck"};
    Resource_FusszeileHinzufuegen(p, fuss);
    return p;
}

MenuBarDef Resource_MenuKonfig() {
    using namespace konfig_lage;
    constexpr const char* cb = "Menu_Konfig_Ventile";
    return MenuBarDef{
        .id = MENUKONFIG,
        .name = "MENUKONFIG",
        .menus = {
            {.id = MENUKONFIG_VENTILE,
             .name = "VENTILE",
             .label = QT_TRANSLATE_NOOP("Plm1", "Ventileinstellungen"),
             .items = {{MENUKONFIG_VENTILE_LADEN, "LADEN", QT_TRANSLATE_NOOP("Plm1", "Laden..."), cb},
                       {MENUKONFIG_VENTILE_SPEICHERNUNTE, "SPEICHERNUNTE",
                        QT_TRANSLATE_NOOP("Plm1", "Speichern unter..."), cb}}},
            {.id = MENUKONFIG_FENSTER, .name = "FENSTER", .label = QT_TRANSLATE_NOOP("Plm1", "Fenster")},
            // Named in both languages, so that it is found whichever one is shown.
            {.id = MENUKONFIG_SPRACHE,
             .name = "SPRACHE",
             .label = "Sprache / Language",
             .items = {{MENUKONFIG_SPRACHE_DEUTSCH, "DEUTSCH", "Deutsch", "Menu_Konfig_Sprache"},
                       {MENUKONFIG_SPRACHE_ENGLISCH, "ENGLISCH", "English", "Menu_Konfig_Sprache"}}}}};
}
