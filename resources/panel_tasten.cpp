// Panel TASTPANEL QT_TRANSLATE_NOOP("Plm1", "Tasten-Programmierung") and its menu bar MENUTASTEN: nine key
// columns side by side, one row per valve and per pump setting, the fixed keys, file and transfer buttons and
// the shared footer.

#include "keys/Tasten_Bereich.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "valves/Ventilarten.h"

#include <string>

// The layout of this panel (the panel files share their names for margins and sizes).
namespace {
namespace tasten_lage {
constexpr int RAND = 8;
constexpr int LABEL_LINKS = 16;
constexpr int LABEL_BREITE = 104;
constexpr int SPALTE_LINKS = 124; // first key column
constexpr int SPALTE_BREITE = 118;
constexpr int FELD_BREITE = 100;
constexpr int ZEILE = 24; // row pitch
constexpr int FELD_HOEHE = 22;
constexpr int PANEL_BREITE = SPALTE_LINKS + 9 * SPALTE_BREITE + 10;

constexpr int KOPF_Y = 8;
constexpr int VENTILE_Y = 32;                             // frame QT_TRANSLATE_NOOP("Plm1", "Ventile")
constexpr int VENTILE_ERSTE = VENTILE_Y + 20;             // first valve row
constexpr int PUMPE1_Y = VENTILE_ERSTE + 11 * ZEILE + 14; // frame QT_TRANSLATE_NOOP("Plm1", "Pumpe 1")
constexpr int PUMPE_ZEILE = 28;
constexpr int PUMPE_HOEHE = 20 + 3 * PUMPE_ZEILE + 4;
constexpr int PUMPE2_Y = PUMPE1_Y + PUMPE_HOEHE + 8;
constexpr int BAND_Y = PUMPE2_Y + PUMPE_HOEHE + 8; // fixed keys and buttons
constexpr int BAND_HOEHE = 82;
constexpr int PANEL_HOEHE = BAND_Y + BAND_HOEHE + 8 + FUSSZEILE_HOEHE;

int spalte(int taste) {
    return SPALTE_LINKS + taste * SPALTE_BREITE + (SPALTE_BREITE - FELD_BREITE) / 2;
}
int basis(int taste) {
    return TASTPANEL_TASTE1_VENTIL1 + 20 * taste;
}
std::string tastePrefix(int taste) {
    return "TASTE" + std::to_string(taste + 1) + "_";
}

CtrlDef rahmen(int id, const char* name, const char* titel, int top, int left, int width, int height) {
    return Resource_Ctrl(id, name, CtrlArt::Rahmen, top, left, width, height, titel);
}

CtrlDef zeilenLabel(const std::string& text, int top, int id = 0, const std::string& name = {}) {
    return Resource_Ctrl(id, name, CtrlArt::TextMeldung, top + 2, LABEL_LINKS, LABEL_BREITE, FELD_HOEHE - 2,
                         text);
}

CtrlDef numerisch(int id, const std::string& name, int top, int left, int width, double min, double max,
                  double schritt, const char* tooltip) {
    CtrlDef c = Resource_Ctrl(id, name, CtrlArt::Numerisch, top, left, width, FELD_HOEHE + 2, {},
                              "Callback_Tasten_Controls");
    c.min = min;
    c.max = max;
    c.schritt = schritt;
    c.tooltip = tooltip;
    return c;
}

CtrlDef knopf(int id, const char* name, int top, int left, int width, const char* label,
              const char* tooltip) {
    CtrlDef c =
        Resource_Ctrl(id, name, CtrlArt::Knopf, top, left, width, 32, label, "Callback_Tasten_Buttons");
    c.tooltip = tooltip;
    return c;
}

void pumpenGruppe(PanelDef& p, int pumpe, int y) {
    const std::string nr = std::to_string(pumpe);
    const int frame = pumpe == 1 ? TASTPANEL_PICTURE_2 : TASTPANEL_PICTURE_3;
    p.ctrls.push_back(
        rahmen(frame, pumpe == 1 ? "PICTURE_2" : "PICTURE_3",
               pumpe == 1 ? QT_TRANSLATE_NOOP("Plm1", "Pumpe 1") : QT_TRANSLATE_NOOP("Plm1", "Pumpe 2"), y,
               RAND, PANEL_BREITE - 2 * RAND, PUMPE_HOEHE));
    const int z0 = y + 20, z1 = z0 + PUMPE_ZEILE, z2 = z1 + PUMPE_ZEILE;
    p.ctrls.push_back(zeilenLabel(QT_TRANSLATE_NOOP("Plm1", "Leistung [%]"), z0));
    p.ctrls.push_back(zeilenLabel(QT_TRANSLATE_NOOP("Plm1", "Grenze [mbar]"), z1));
    p.ctrls.push_back(zeilenLabel(QT_TRANSLATE_NOOP("Plm1", "Zeit"), z2));
    // Identifiers of pump k within a key: pump, check box, limit, time.
    const int off = pumpe == 1 ? 11 : 15;
    for (int n = 0; n < 9; ++n) {
        const std::string t = tastePrefix(n);
        const int b = basis(n) + off, x = spalte(n);
        p.ctrls.push_back(numerisch(
            b, t + "PUMPE" + nr, z0, x, FELD_BREITE, TASTEN_BEREICH_PUMPE.min, TASTEN_BEREICH_PUMPE.max, 10,
            QT_TRANSLATE_NOOP("Plm1", "Pumpenleistung in %: 0 oder 30 bis 100; negativ saugt die Pumpe")));
        CtrlDef cb = Resource_Ctrl(b + 1, t + "DRUCK" + nr + "CHECKB", CtrlArt::Checkbox, z1 + 2, x, 22,
                                   FELD_HOEHE, {}, "Callback_Tasten_Controls");
        cb.tooltip = QT_TRANSLATE_NOOP("Plm1", "Druckgrenze aktiv");
        p.ctrls.push_back(cb);
        p.ctrls.push_back(numerisch(
            b + 2, t + "DRUCK" + nr, z1, x + 24, FELD_BREITE - 24, TASTEN_BEREICH_DRUCK.min,
            TASTEN_BEREICH_DRUCK.max, 10,
            QT_TRANSLATE_NOOP("Plm1", "Druckgrenze in mbar: obere Grenze beim Pumpen, untere beim Saugen")));
        p.ctrls.push_back(numerisch(b + 3, t + "ZEIT" + nr, z2, x, FELD_BREITE, TASTEN_BEREICH_ZEIT.min,
                                    TASTEN_BEREICH_ZEIT.max, 1,
                                    QT_TRANSLATE_NOOP("Plm1", "Zeit (0 bis 500)")));
    }
}
} // namespace tasten_lage
} // namespace

PanelDef Resource_TastenPanel() {
    using namespace tasten_lage;
    PanelDef p;
    p.id = TASTPANEL;
    p.name = "TASTPANEL";
    p.title = QT_TRANSLATE_NOOP("Plm1", "Tasten-Programmierung");
    p.width = PANEL_BREITE;
    p.height = PANEL_HOEHE;
    p.callback = "Callback_TastenPanel";
    p.menuBar = MENUTASTEN;

    // Key labels over the columns: TEXTMSG for key 1, then the identifier after each key's last control.
    for (int n = 0; n < 9; ++n) {
        const int id = n == 0 ? TASTPANEL_TEXTMSG : basis(n) - 1;
        const std::string name = n == 0 ? "TEXTMSG" : "TEXTMSG_" + std::to_string(n + 1);
        p.ctrls.push_back(Resource_Ctrl(id, name, CtrlArt::TextMeldung, KOPF_Y, spalte(n), FELD_BREITE, 20,
                                        Resource_MitNummer(QT_TRANSLATE_NOOP("Plm1", "Taste %1"), n + 1)));
    }

    p.ctrls.push_back(rahmen(TASTPANEL_PICTURE, "PICTURE", QT_TRANSLATE_NOOP("Plm1", "Ventile"), VENTILE_Y,
                             RAND, PANEL_BREITE - 2 * RAND,
                             VENTILE_ERSTE - VENTILE_Y + ANZAHL_VENTILE * ZEILE + 6));
    for (int v = 0; v < ANZAHL_VENTILE; ++v) {
        const int y = VENTILE_ERSTE + v * ZEILE;
        // The row's name has an id of its own so that it hides with the row's switches.
        p.ctrls.push_back(zeilenLabel("V" + std::to_string(v + 1), y, TASTPANEL_VENTILNAME1 + v,
                                      "VENTILNAME" + std::to_string(v + 1)));
        for (int n = 0; n < 9; ++n) {
            CtrlDef s = Resource_Ctrl(basis(n) + v, tastePrefix(n) + "VENTIL" + std::to_string(v + 1),
                                      CtrlArt::Schalter, y, spalte(n), FELD_BREITE, FELD_HOEHE, {},
                                      "Callback_Tasten_Controls");
            s.textAn = QT_TRANSLATE_NOOP("Plm1", "auf");
            s.textAus = QT_TRANSLATE_NOOP("Plm1", "zu");
            p.ctrls.push_back(s);
        }
    }
    pumpenGruppe(p, 1, PUMPE1_Y);
    pumpenGruppe(p, 2, PUMPE2_Y);

    // Fixed keys, then the file and transfer buttons, in one band above the footer.
    p.ctrls.push_back(rahmen(TASTPANEL_PICTURE_4, "PICTURE_4", QT_TRANSLATE_NOOP("Plm1", "Feste Tasten"),
                             BAND_Y, RAND, 300, BAND_HOEHE));
    const char* fest[3] = {QT_TRANSLATE_NOOP("Plm1", "Taste 10    Zyklus Start"),
                           QT_TRANSLATE_NOOP("Plm1", "Taste 11    Zyklus Pause"),
                           QT_TRANSLATE_NOOP("Plm1", "Taste 12    Zyklus Stopp")};
    const int festIds[3] = {TASTPANEL_TEXTMSG_10, TASTPANEL_TEXTMSG_11, TASTPANEL_TEXTMSG_12};
    for (int i = 0; i < 3; ++i)
        p.ctrls.push_back(Resource_Ctrl(festIds[i], "TEXTMSG_" + std::to_string(10 + i), CtrlArt::TextMeldung,
                                        BAND_Y + 20 + 19 * i, LABEL_LINKS, 270, 18, fest[i]));

    const int knopfY = BAND_Y + 32;
    const int dateiLinks = 330;
    p.ctrls.push_back(rahmen(TASTPANEL_PICTURE_5, "PICTURE_5", QT_TRANSLATE_NOOP("Plm1", "Datei"), BAND_Y,
                             dateiLinks, 300, BAND_HOEHE));
    p.ctrls.push_back(knopf(TASTPANEL_LADEN, "LADEN", knopfY, dateiLinks + 12, 132,
                            QT_TRANSLATE_NOOP("Plm1", "Laden..."),
                            QT_TRANSLATE_NOOP("Plm1", "Tastenbelegung aus einer Datei laden")));
    p.ctrls.push_back(knopf(TASTPANEL_SPEICHERN, "SPEICHERN", knopfY, dateiLinks + 156, 132,
                            QT_TRANSLATE_NOOP("Plm1", "Speichern"),
                            QT_TRANSLATE_NOOP("Plm1", "Tastenbelegung in ihrer Datei speichern")));

    const int plmLinks = dateiLinks + 300 + 14;
    p.ctrls.push_back(rahmen(TASTPANEL_PICTURE_6, "PICTURE_6", QT_TRANSLATE_NOOP("Plm1", "PLM-1"), BAND_Y,
                             plmLinks, PANEL_BREITE - RAND - plmLinks, BAND_HOEHE));
    p.ctrls.push_back(knopf(TASTPANEL_DOWNLOAD, "DOWNLOAD", knopfY, plmLinks + 12, 192,
                            QT_TRANSLATE_NOOP("Plm1", "Download vom PLM-1"),
                            QT_TRANSLATE_NOOP("Plm1", "Tastenbelegung aus dem PLM-1 lesen")));
    p.ctrls.push_back(knopf(TASTPANEL_UPLOAD, "UPLOAD", knopfY, plmLinks + 216, 192,
                            QT_TRANSLATE_NOOP("Plm1", "Upload zum PLM-1"),
                            QT_TRANSLATE_NOOP("Plm1", "Tastenbelegung zum PLM-1 senden")));
    // Spare decoration of the resource, kept for its identifier.
    CtrlDef bild = Resource_Ctrl(TASTPANEL_PICTURE_7, "PICTURE_7", CtrlArt::Bild, BAND_Y, RAND, 0, 0);
    bild.sichtbar = false;
    p.ctrls.push_back(bild);

    FusszeileIds fuss{};
    fuss.ring = TASTPANEL_COMPICTURERING;
    fuss.led = TASTPANEL_FEHLERLED;
    fuss.text = TASTPANEL_FEHLERSTRING;
    fuss.nummer = TASTPANEL_FEHLERNUMMER;
    fuss.zurueck = TASTPANEL_ZURUECK;
    fuss.zurueckCallback = "Callback_Tasten_Button_Zurueck";
    Resource_FusszeileHinzufuegen(p, fuss);
    return p;
}

MenuBarDef Resource_MenuTasten() {
    using namespace tasten_lage;
    constexpr const char* cb = "Menu_Tasten_Datei";
    return MenuBarDef{
        .id = MENUTASTEN,
        .name = "MENUTASTEN",
        .menus = {
            {.id = MENUTASTEN_DATEI,
             .name = "DATEI",
             .label = QT_TRANSLATE_NOOP("Plm1", "Datei"),
             .items = {{MENUTASTEN_DATEI_NEU, "NEU", QT_TRANSLATE_NOOP("Plm1", "Neu"), cb},
                       {MENUTASTEN_DATEI_LADEN, "LADEN", QT_TRANSLATE_NOOP("Plm1", "Laden..."), cb},
                       {MENUTASTEN_DATEI_SPEICHERN, "SPEICHERN", QT_TRANSLATE_NOOP("Plm1", "Speichern"), cb},
                       {MENUTASTEN_DATEI_SPEICHERNUNTER, "SPEICHERNUNTER",
                        QT_TRANSLATE_NOOP("Plm1", "Speichern unter..."), cb}}},
            Resource_MenuBearbeiten(MENUTASTEN_BEARBEITEN, MENUTASTEN_BEARBEITEN_RUECKGAENGIG,
                                    MENUTASTEN_BEARBEITEN_WIEDERHOLEN, "Menu_Tasten_Bearbeiten"),
            {.id = MENUTASTEN_FENSTER, .name = "FENSTER", .label = QT_TRANSLATE_NOOP("Plm1", "Fenster")}}};
}
