// Panel DIREKTPNL QT_TRANSLATE_NOOP("Plm1", "Direktbetrieb") and its menu bar MENUDIREKT: the valve switches
// in a row at the top, the two pump groups side by side with their pressure displays, temperature, voltage
// and the status lamps at the right, the polling and monitor switches below, the pressure trend with its
// span, hold and recording controls, and the shared footer.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "valves/Ventilarten.h"

#include <string>

// The layout of this panel (the panel files share their names for margins and sizes).
namespace {
namespace direkt_lage {

constexpr int RAND = 12;
constexpr int ABSTAND = 12;
constexpr int PANEL_BREITE = 1000;

constexpr int VENTILE_Y = RAND;
constexpr int VENTILE_HOEHE = 92;
constexpr int VENTIL_TEILUNG = (PANEL_BREITE - 2 * RAND - 16) / ANZAHL_VENTILE;
constexpr int VENTIL_BREITE = 72;

constexpr int GRUPPEN_Y = VENTILE_Y + VENTILE_HOEHE + ABSTAND;
constexpr int PUMPE_BREITE = 360;
constexpr int PUMPE_HOEHE = 300;
constexpr int SEITE_LINKS = RAND + 2 * (PUMPE_BREITE + ABSTAND);
constexpr int SEITE_BREITE = PANEL_BREITE - RAND - SEITE_LINKS;

constexpr int ZEILE_1LABEL = 20; // height of one label line
constexpr int FELD_HOEHE = 26;
constexpr int ANZEIGE_HOEHE = 52;

constexpr int ABFRAGE_Y = GRUPPEN_Y + PUMPE_HOEHE + ABSTAND;
constexpr int ABFRAGE_HOEHE = 44;
constexpr int TREND_Y = ABFRAGE_Y + ABFRAGE_HOEHE + ABSTAND;
constexpr int TREND_HOEHE = 170;        // the window stays within 1280 x 800
constexpr int TREND_SEITE_BREITE = 220; // span, hold and recording right of the chart
constexpr int TREND_BREITE = PANEL_BREITE - 2 * RAND - TREND_SEITE_BREITE - ABSTAND;
constexpr int PANEL_HOEHE = TREND_Y + TREND_HOEHE + 2 * ABSTAND + FUSSZEILE_HOEHE;

constexpr const char* CB_CONTROLS = "Callback_Direkt_Controls";
constexpr const char* CB_ABFRAGEN = "Callback_Direkt_Controls_Abfragen";
constexpr const char* CB_TREND = "Callback_Direkt_Trend";
constexpr const char* CB_AUFZEICHNEN = "Callback_Direkt_Aufzeichnen";

CtrlDef eingabe(int id, const std::string& name, int top, int left, const char* label, int grenze,
                const char* tooltip) {
    CtrlDef c = Resource_Ctrl(id, name, CtrlArt::Numerisch, top, left, 100, FELD_HOEHE, label, CB_CONTROLS);
    c.min = -grenze;
    c.max = grenze;
    c.schritt = 10;
    c.tooltip = tooltip;
    return c;
}

// grenze also sets the number of digits the display has room for.
CtrlDef anzeige(int id, const std::string& name, int top, int left, int width, const char* label,
                int grenze) {
    CtrlDef c = Resource_Ctrl(id, name, CtrlArt::Anzeige7Segment, top, left, width, ANZEIGE_HOEHE, label);
    c.ganzzahl = false;
    c.nachkommastellen = 1;
    c.min = -grenze;
    c.max = grenze;
    c.anzeige = true;
    return c;
}

CtrlDef schalter(int id, const std::string& name, int top, int left, int width, int height, const char* an,
                 const char* aus, const char* callback, const std::string& label = {}) {
    CtrlDef c = Resource_Ctrl(id, name, CtrlArt::Schalter, top, left, width, height, label, callback);
    c.textAn = an;
    c.textAus = aus;
    return c;
}

// One pump circuit: speed with its on switch, the two limits with their check boxes, the actual pressure.
void pumpenGruppe(PanelDef& p, int n, int left) {
    const std::string s = std::to_string(n);
    const bool eins = n == 1;
    const int top = GRUPPEN_Y;
    p.ctrls.push_back(Resource_Ctrl(0, "", CtrlArt::Rahmen, top, left, PUMPE_BREITE, PUMPE_HOEHE,
                                    Resource_MitNummer(QT_TRANSLATE_NOOP("Plm1", "Pumpe %1"), n)));

    const int innen = left + 20;
    const int zeile1 = top + 28 + 2 * ZEILE_1LABEL;
    p.ctrls.push_back(
        eingabe(eins ? DIREKTPNL_PUMPE1 : DIREKTPNL_PUMPE2, "PUMPE" + s, zeile1, innen,
                QT_TRANSLATE_NOOP("Plm1", "Geschwindigkeit\n          [%]"), 100,
                QT_TRANSLATE_NOOP("Plm1", "Pumpe läuft mit 0 oder 30 bis 100 %; negativ: evakuieren")));
    p.ctrls.push_back(schalter(eins ? DIREKTPNL_PUMPE1EIN : DIREKTPNL_PUMPE2EIN, "PUMPE" + s + "EIN",
                               zeile1 - 2, innen + 170, 120, FELD_HOEHE + 4, QT_TRANSLATE_NOOP("Plm1", "Ein"),
                               QT_TRANSLATE_NOOP("Plm1", "Aus"), CB_CONTROLS));

    const int zeile2 = zeile1 + FELD_HOEHE + 16 + 3 * ZEILE_1LABEL;
    const int rechts = left + PUMPE_BREITE / 2 + 10;
    const int checkHigh = eins ? DIREKTPNL_DRUCKHIGH1CHECK : DIREKTPNL_DRUCKHIGH2CHECK;
    const int checkLow = eins ? DIREKTPNL_DRUCKLOW1CHECK : DIREKTPNL_DRUCKLOW2CHECK;
    CtrlDef high = Resource_Ctrl(checkHigh, "DRUCKHIGH" + s + "CHECK", CtrlArt::Checkbox, zeile2 + 3, innen,
                                 22, 22, {}, CB_CONTROLS);
    high.tooltip = QT_TRANSLATE_NOOP("Plm1", "Obere Druckgrenze ein");
    p.ctrls.push_back(high);
    p.ctrls.push_back(eingabe(eins ? DIREKTPNL_DRUCKHIGH1 : DIREKTPNL_DRUCKHIGH2, "DRUCKHIGH" + s, zeile2,
                              innen + 28, QT_TRANSLATE_NOOP("Plm1", "Druckgrenze\n(aufpumpen)\n     [mbar]"),
                              2000, QT_TRANSLATE_NOOP("Plm1", "Aufpumpen endet bei diesem Druck")));
    CtrlDef low = Resource_Ctrl(checkLow, "DRUCKLOW" + s + "CHECK", CtrlArt::Checkbox, zeile2 + 3, rechts, 22,
                                22, {}, CB_CONTROLS);
    low.tooltip = QT_TRANSLATE_NOOP("Plm1", "Untere Druckgrenze ein");
    p.ctrls.push_back(low);
    p.ctrls.push_back(eingabe(eins ? DIREKTPNL_DRUCKLOW1 : DIREKTPNL_DRUCKLOW2, "DRUCKLOW" + s, zeile2,
                              rechts + 28,
                              QT_TRANSLATE_NOOP("Plm1", "Druckgrenze\n(evakuieren)\n     [mbar]"), 2000,
                              QT_TRANSLATE_NOOP("Plm1", "Evakuieren endet bei diesem Druck")));

    const int zeile3 = zeile2 + FELD_HOEHE + 16 + ZEILE_1LABEL;
    p.ctrls.push_back(anzeige(eins ? DIREKTPNL_DRUCK1IST : DIREKTPNL_DRUCK2IST, "DRUCK" + s + "IST", zeile3,
                              innen, PUMPE_BREITE - 40, QT_TRANSLATE_NOOP("Plm1", "Drucksensor [mbar]"),
                              99999));
}

void seite(PanelDef& p) {
    const int left = SEITE_LINKS;
    int y = GRUPPEN_Y + 2 * ZEILE_1LABEL;
    p.ctrls.push_back(anzeige(DIREKTPNL_TEMPERATURIST, "TEMPERATURIST", y, left, SEITE_BREITE,
                              QT_TRANSLATE_NOOP("Plm1", "Kühlkörper-\nTemperatur [°C]"), 999));
    y += ANZEIGE_HOEHE + 8 + ZEILE_1LABEL;
    p.ctrls.push_back(anzeige(DIREKTPNL_SPANNUNGIST, "SPANNUNGIST", y, left, SEITE_BREITE,
                              QT_TRANSLATE_NOOP("Plm1", "Betriebsspannung [V]"), 999));

    y += ANZEIGE_HOEHE + ABSTAND;
    const int statusHoehe = ABFRAGE_Y + ABFRAGE_HOEHE - y;
    p.ctrls.push_back(Resource_Ctrl(0, "", CtrlArt::Rahmen, y, left, SEITE_BREITE, statusHoehe,
                                    QT_TRANSLATE_NOOP("Plm1", "Status")));
    struct Lampe {
        int id;
        const char* name;
        const char* text;
        int farbe;
    };
    constexpr int GELB = 0xFFC000, GRUEN = 0x00E000, ROT = 0xFF0000;
    const Lampe lampen[] = {
        {DIREKTPNL_STATUSLED1, "STATUSLED1", QT_TRANSLATE_NOOP("Plm1", "Druckabschaltung 1"), GELB},
        {DIREKTPNL_STATUSLED2, "STATUSLED2", QT_TRANSLATE_NOOP("Plm1", "Druckabschaltung 2"), GELB},
        {DIREKTPNL_STATUSLED3, "STATUSLED3", QT_TRANSLATE_NOOP("Plm1", "Kurve läuft"), GRUEN},
        {DIREKTPNL_STATUSLED4, "STATUSLED4", QT_TRANSLATE_NOOP("Plm1", "Speicherfehler"), ROT},
        {DIREKTPNL_STATUSLED5, "STATUSLED5", QT_TRANSLATE_NOOP("Plm1", "Kurve Pause"), GELB},
    };
    const int teilung = (statusHoehe - 30) / 5;
    for (int k = 0; k < 5; ++k) {
        CtrlDef led = Resource_Ctrl(lampen[k].id, lampen[k].name, CtrlArt::Led, y + 28 + k * teilung,
                                    left + 16, 20, 20, lampen[k].text);
        led.farbeAn = lampen[k].farbe;
        p.ctrls.push_back(led);
    }
}

// The trend of both pressures with its controls at its right: span, hold, recording.
void trend(PanelDef& p) {
    p.ctrls.push_back(Resource_Ctrl(DIREKTPNL_TREND, "TREND", CtrlArt::Streifenschreiber, TREND_Y, RAND,
                                    TREND_BREITE, TREND_HOEHE));
    const int left = RAND + TREND_BREITE + ABSTAND;
    int y = TREND_Y + ZEILE_1LABEL;
    constexpr int SPANNE_BREITE = 80;
    CtrlDef spanne =
        Resource_Ctrl(DIREKTPNL_TRENDSPANNE, "TRENDSPANNE", CtrlArt::Auswahl, y, left, SPANNE_BREITE,
                      FELD_HOEHE, QT_TRANSLATE_NOOP("Plm1", "Zeitraum"), CB_TREND);
    for (int minuten : {1, 5, 15, 60})
        spanne.eintraege.push_back({std::to_string(minuten) + " min", minuten});
    spanne.tooltip = QT_TRANSLATE_NOOP("Plm1", "Sichtbarer Zeitraum des Verlaufs");
    p.ctrls.push_back(spanne);
    CtrlDef anhalten =
        schalter(DIREKTPNL_TRENDANHALTEN, "TRENDANHALTEN", y - 2, left + SPANNE_BREITE + 10,
                 TREND_SEITE_BREITE - SPANNE_BREITE - 10, FELD_HOEHE + 4,
                 QT_TRANSLATE_NOOP("Plm1", "Angehalten"), QT_TRANSLATE_NOOP("Plm1", "Läuft mit"), CB_TREND);
    anhalten.tooltip =
        QT_TRANSLATE_NOOP("Plm1", "Verlauf anhalten, um zurückzublättern (ziehen oder Mausrad)");
    p.ctrls.push_back(anhalten);
    y += FELD_HOEHE + ABSTAND;
    CtrlDef aufzeichnen = schalter(DIREKTPNL_AUFZEICHNEN, "AUFZEICHNEN", y, left, TREND_SEITE_BREITE,
                                   FELD_HOEHE + 4, QT_TRANSLATE_NOOP("Plm1", "Aufzeichnen"),
                                   QT_TRANSLATE_NOOP("Plm1", "Aufzeichnen"), CB_AUFZEICHNEN);
    aufzeichnen.tooltip = QT_TRANSLATE_NOOP("Plm1", "Jede Abfrage als Zeile in eine CSV-Datei schreiben");
    p.ctrls.push_back(aufzeichnen);
    y += FELD_HOEHE + 4 + 8;
    CtrlDef text = Resource_Ctrl(DIREKTPNL_AUFZEICHNUNGSTEXT, "AUFZEICHNUNGSTEXT", CtrlArt::Text, y, left,
                                 TREND_SEITE_BREITE, TREND_Y + TREND_HOEHE - y);
    text.anzeige = true;
    text.tooltip = QT_TRANSLATE_NOOP("Plm1", "Datei und Zeilen der Aufzeichnung");
    p.ctrls.push_back(text);
}

} // namespace direkt_lage
} // namespace

PanelDef Resource_DirektPanel() {
    using namespace direkt_lage;
    PanelDef p{.id = DIREKTPNL,
               .name = "DIREKTPNL",
               .title = QT_TRANSLATE_NOOP("Plm1", "Direktbetrieb"),
               .width = PANEL_BREITE,
               .height = PANEL_HOEHE,
               .callback = "Callback_DirektPanel",
               .menuBar = MENUDIREKT,
               .ctrls = {}};

    p.ctrls.push_back(Resource_Ctrl(0, "", CtrlArt::Rahmen, VENTILE_Y, RAND, PANEL_BREITE - 2 * RAND,
                                    VENTILE_HOEHE, QT_TRANSLATE_NOOP("Plm1", "Ventile")));
    const int ventile[ANZAHL_VENTILE] = {DIREKTPNL_VENTIL1,  DIREKTPNL_VENTIL2, DIREKTPNL_VENTIL3,
                                         DIREKTPNL_VENTIL4,  DIREKTPNL_VENTIL5, DIREKTPNL_VENTIL6,
                                         DIREKTPNL_VENTIL7,  DIREKTPNL_VENTIL8, DIREKTPNL_VENTIL9,
                                         DIREKTPNL_VENTIL10, DIREKTPNL_VENTIL11};
    for (int i = 0; i < ANZAHL_VENTILE; ++i) {
        const std::string v = std::to_string(i + 1);
        const int left = RAND + 8 + i * VENTIL_TEILUNG + (VENTIL_TEILUNG - VENTIL_BREITE) / 2;
        p.ctrls.push_back(schalter(ventile[i], "VENTIL" + v, VENTILE_Y + 28 + ZEILE_1LABEL, left,
                                   VENTIL_BREITE, FELD_HOEHE + 4, QT_TRANSLATE_NOOP("Plm1", "auf"),
                                   QT_TRANSLATE_NOOP("Plm1", "zu"), CB_CONTROLS, "V" + v));
    }

    pumpenGruppe(p, 1, RAND);
    pumpenGruppe(p, 2, RAND + PUMPE_BREITE + ABSTAND);
    seite(p);

    CtrlDef verbinden = schalter(DIREKTPNL_VERBINDEN, "VERBINDEN", ABFRAGE_Y, RAND, 260, ABFRAGE_HOEHE,
                                 QT_TRANSLATE_NOOP("Plm1", "Abfragen beenden"),
                                 QT_TRANSLATE_NOOP("Plm1", "PLM-1 abfragen"), CB_ABFRAGEN);
    verbinden.tooltip = QT_TRANSLATE_NOOP("Plm1", "Istwerte alle 0,5 s abfragen");
    p.ctrls.push_back(verbinden);
    CtrlDef monitor =
        schalter(DIREKTPNL_MONITORMODUS, "MONITORMODUS", ABFRAGE_Y, RAND + 260 + ABSTAND, 200, ABFRAGE_HOEHE,
                 QT_TRANSLATE_NOOP("Plm1", "Monitor"), QT_TRANSLATE_NOOP("Plm1", "Steuern"), CB_ABFRAGEN);
    monitor.tooltip = QT_TRANSLATE_NOOP("Plm1", "Monitor: die Sollwerte des PLM-1 beim Abfragen zurücklesen");
    p.ctrls.push_back(monitor);
    p.ctrls.push_back(
        Resource_Ctrl(DIREKTPNL_TEXTMSG, "TEXTMSG", CtrlArt::TextMeldung, ABFRAGE_Y + 4,
                      RAND + 460 + 2 * ABSTAND, 2 * PUMPE_BREITE + ABSTAND - 460 - 2 * ABSTAND, 40,
                      QT_TRANSLATE_NOOP("Plm1", "Jede Änderung wird sofort\nan das PLM-1 gesendet.")));

    trend(p);

    CtrlDef timer =
        Resource_Ctrl(DIREKTPNL_TIMER, "TIMER", CtrlArt::Timer, 0, 0, 0, 0, {}, "Callback_Direkt_Timer");
    timer.intervall = 0.5;
    timer.aktiv = true;
    p.ctrls.push_back(timer);

    Resource_FusszeileHinzufuegen(p, {.ring = DIREKTPNL_COMPICTURERING,
                                      .led = DIREKTPNL_FEHLERLED,
                                      .text = DIREKTPNL_FEHLERSTRING,
                                      .nummer = DIREKTPNL_FEHLERNUMMER,
                                      .zurueck = DIREKTPNL_ZURUECK,
                                      .zurueckCallback = "Callback_Direkt_Button_Zurueck"});
    return p;
}

MenuBarDef Resource_MenuDirekt() {
    using namespace direkt_lage;
    return MenuBarDef{.id = MENUDIREKT,
                      .name = "MENUDIREKT",
                      .menus = {MenuDef{.id = MENUDIREKT_FENSTER,
                                        .name = "FENSTER",
                                        .label = QT_TRANSLATE_NOOP("Plm1", "Fenster"),
                                        .items = {}}}};
}
