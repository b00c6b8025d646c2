// Panel KURVPANEL QT_TRANSLATE_NOOP("Plm1", "Zyklus-Programmierung") and its menu bar MENUKURVEN: 13 curve
// canvases stacked with their names, the time axis and scroll bar under them, the cycle's key data and
// buttons at the right.

#include "cycle/Kurven_Bereich.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "valves/Ventilarten.h"

// The layout of this panel (the panel files share their names for margins and sizes).
namespace {
namespace kurven_lage {

constexpr int BREITE = 1240, HOEHE = 720;
constexpr int RAND = 12;
constexpr int NAMEN_BREITE = 60;
constexpr int CANVAS_LINKS = RAND + NAMEN_BREITE + 4;
constexpr int CANVAS_BREITE = 50 * 18 + 11; // 18 pixels per step
constexpr int PUMPE_TOP = 34, PUMPE_HOEHE = 110, PUMPE_ABSTAND = 6;
constexpr int VENTIL_HOEHE = 28, VENTIL_RASTER = 31;
constexpr int VENTIL_TOP = PUMPE_TOP + 2 * (PUMPE_HOEHE + PUMPE_ABSTAND);
constexpr int ACHSE_TOP = VENTIL_TOP + 10 * VENTIL_RASTER + VENTIL_HOEHE + 4;
constexpr int SCROLL_TOP = ACHSE_TOP + 22;
constexpr int RECHTS_LINKS = CANVAS_LINKS + CANVAS_BREITE + 16;
constexpr int RECHTS_BREITE = BREITE - RAND - RECHTS_LINKS;

// The name at the left of each canvas has the canvas's id plus this offset, so that the window can hide
// it together with the canvas of a valve that is not fitted.
constexpr int NAMEN_ID_VERSATZ = 100;

void canvas(PanelDef& p, int id, const char* name, const char* titel, int top, int hoehe) {
    p.ctrls.push_back({.id = id + NAMEN_ID_VERSATZ,
                       .art = CtrlArt::TextMeldung,
                       .top = top + hoehe / 2 - 9,
                       .left = RAND,
                       .width = NAMEN_BREITE,
                       .height = 18,
                       .label = titel});
    CtrlDef c{.id = id,
              .name = name,
              .art = CtrlArt::Canvas,
              .top = top,
              .left = CANVAS_LINKS,
              .width = CANVAS_BREITE,
              .height = hoehe,
              .callback = "Callback_Kurven_Canvas"};
    c.tooltip = QT_TRANSLATE_NOOP("Plm1", "Linke Maustaste: Punkte setzen, rechte Maustaste: Punkte löschen");
    p.ctrls.push_back(c);
}

CtrlDef checkbox(int id, const char* name, const char* text, int top, int left) {
    return {.id = id,
            .name = name,
            .art = CtrlArt::Checkbox,
            .top = top,
            .left = left,
            .width = 120,
            .height = 22,
            .label = text,
            .callback = "Callback_Kurven_Controls"};
}

CtrlDef zahl(int id, const char* name, int top, int left, double min, double max, const char* tip) {
    CtrlDef c{.id = id,
              .name = name,
              .art = CtrlArt::Numerisch,
              .top = top,
              .left = left,
              .width = 80,
              .height = 24,
              .callback = "Callback_Kurven_Controls",
              .min = min,
              .max = max};
    c.tooltip = tip;
    return c;
}

void pumpengruppe(PanelDef& p, const char* titel, int top, int highCheck, const char* highCheckName, int high,
                  const char* highName, int lowCheck, const char* lowCheckName, int low,
                  const char* lowName) {
    const int x = RECHTS_LINKS;
    p.ctrls.push_back({.id = 0,
                       .art = CtrlArt::Rahmen,
                       .top = top,
                       .left = x,
                       .width = RECHTS_BREITE,
                       .height = 92,
                       .label = titel});
    const char* tip = QT_TRANSLATE_NOOP("Plm1", "Druckgrenze in mbar");
    p.ctrls.push_back(
        checkbox(highCheck, highCheckName, QT_TRANSLATE_NOOP("Plm1", "Obergrenze"), top + 26, x + 10));
    p.ctrls.push_back(zahl(high, highName, top + 25, x + RECHTS_BREITE - 90, KURVEN_BEREICH_DRUCK.min,
                           KURVEN_BEREICH_DRUCK.max, tip));
    p.ctrls.push_back(
        checkbox(lowCheck, lowCheckName, QT_TRANSLATE_NOOP("Plm1", "Untergrenze"), top + 58, x + 10));
    p.ctrls.push_back(zahl(low, lowName, top + 57, x + RECHTS_BREITE - 90, KURVEN_BEREICH_DRUCK.min,
                           KURVEN_BEREICH_DRUCK.max, tip));
}

CtrlDef knopf(int id, const char* name, const char* text, int top, int left, int breite, const char* tip) {
    CtrlDef c{.id = id,
              .name = name,
              .art = CtrlArt::Knopf,
              .top = top,
              .left = left,
              .width = breite,
              .height = 30,
              .label = text,
              .callback = "Callback_Kurven_Buttons"};
    c.tooltip = tip;
    return c;
}

} // namespace kurven_lage
} // namespace

PanelDef Resource_KurvenPanel() {
    using namespace kurven_lage;
    PanelDef p{.id = KURVPANEL,
               .name = "KURVPANEL",
               .title = QT_TRANSLATE_NOOP("Plm1", "Zyklus-Programmierung"),
               .width = BREITE,
               .height = HOEHE,
               .callback = "Callback_KurvenPanel",
               .menuBar = MENUKURVEN};

    canvas(p, KURVPANEL_CANVAS_P1, "CANVAS_P1", QT_TRANSLATE_NOOP("Plm1", "Pumpe 1"), PUMPE_TOP, PUMPE_HOEHE);
    canvas(p, KURVPANEL_CANVAS_P2, "CANVAS_P2", QT_TRANSLATE_NOOP("Plm1", "Pumpe 2"),
           PUMPE_TOP + PUMPE_HOEHE + PUMPE_ABSTAND, PUMPE_HOEHE);
    static const struct {
        int id;
        const char *name, *titel;
    } ventile[] = {{KURVPANEL_CANVAS_V1, "CANVAS_V1", "V1"},   {KURVPANEL_CANVAS_V2, "CANVAS_V2", "V2"},
                   {KURVPANEL_CANVAS_V3, "CANVAS_V3", "V3"},   {KURVPANEL_CANVAS_V4, "CANVAS_V4", "V4"},
                   {KURVPANEL_CANVAS_V5, "CANVAS_V5", "V5"},   {KURVPANEL_CANVAS_V6, "CANVAS_V6", "V6"},
                   {KURVPANEL_CANVAS_V7, "CANVAS_V7", "V7"},   {KURVPANEL_CANVAS_V8, "CANVAS_V8", "V8"},
                   {KURVPANEL_CANVAS_V9, "CANVAS_V9", "V9"},   {KURVPANEL_CANVAS_V10, "CANVAS_V10", "V10"},
                   {KURVPANEL_CANVAS_V11, "CANVAS_V11", "V11"}};
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        canvas(p, ventile[i].id, ventile[i].name, ventile[i].titel, VENTIL_TOP + i * VENTIL_RASTER,
               VENTIL_HOEHE);

    // Time axis: the labels are moved onto their grid lines at run time.
    static const struct {
        int id;
        const char* name;
    } labels[] = {{KURVPANEL_TEXT_ZEITACHSE_LABEL1, "TEXT_ZEITACHSE_LABEL1"},
                  {KURVPANEL_TEXT_ZEITACHSE_LABEL2, "TEXT_ZEITACHSE_LABEL2"},
                  {KURVPANEL_TEXT_ZEITACHSE_LABEL3, "TEXT_ZEITACHSE_LABEL3"},
                  {KURVPANEL_TEXT_ZEITACHSE_LABEL4, "TEXT_ZEITACHSE_LABEL4"},
                  {KURVPANEL_TEXT_ZEITACHSE_LABEL5, "TEXT_ZEITACHSE_LABEL5"},
                  {KURVPANEL_TEXT_ZEITACHSE_LABEL6, "TEXT_ZEITACHSE_LABEL6"}};
    for (int i = 0; i < 6; ++i)
        p.ctrls.push_back({.id = labels[i].id,
                           .name = labels[i].name,
                           .art = CtrlArt::TextMeldung,
                           .top = ACHSE_TOP,
                           .left = CANVAS_LINKS + i * 180,
                           .width = 0, // sized to its text, so that centring it centres the text
                           .height = 18});
    p.ctrls.push_back({.id = KURVPANEL_TEXTCANVAS11,
                       .name = "TEXTCANVAS11",
                       .art = CtrlArt::TextMeldung,
                       .top = ACHSE_TOP,
                       .left = RAND,
                       .width = NAMEN_BREITE,
                       .height = 18,
                       .label = QT_TRANSLATE_NOOP("Plm1", "Schritt")});
    CtrlDef scroll{.id = KURVPANEL_SCROLLBAR,
                   .name = "SCROLLBAR",
                   .art = CtrlArt::Graph,
                   .top = SCROLL_TOP,
                   .left = CANVAS_LINKS,
                   .width = CANVAS_BREITE,
                   .height = 18,
                   .callback = "Callback_Kurven_Graph_Scrollbar"};
    scroll.tooltip = QT_TRANSLATE_NOOP("Plm1", "Sichtbare 50 Schritte verschieben");
    p.ctrls.push_back(scroll);

    // Value under the pointer, shown above a pump canvas while the left button is held.
    p.ctrls.push_back({.id = KURVPANEL_YWERTANZEIGE,
                       .name = "YWERTANZEIGE",
                       .art = CtrlArt::Numerisch,
                       .top = PUMPE_TOP - 25,
                       .left = CANVAS_LINKS,
                       .width = 48,
                       .height = 22,
                       .anzeige = true,
                       .sichtbar = false});

    // Key data and buttons at the right.
    pumpengruppe(p, QT_TRANSLATE_NOOP("Plm1", "Pumpe 1"), PUMPE_TOP, KURVPANEL_DRUCKHIGH1CHECK,
                 "DRUCKHIGH1CHECK", KURVPANEL_DRUCKHIGH1, "DRUCKHIGH1", KURVPANEL_DRUCKLOW1CHECK,
                 "DRUCKLOW1CHECK", KURVPANEL_DRUCKLOW1, "DRUCKLOW1");
    pumpengruppe(p, QT_TRANSLATE_NOOP("Plm1", "Pumpe 2"), PUMPE_TOP + 104, KURVPANEL_DRUCKHIGH2CHECK,
                 "DRUCKHIGH2CHECK", KURVPANEL_DRUCKHIGH2, "DRUCKHIGH2", KURVPANEL_DRUCKLOW2CHECK,
                 "DRUCKLOW2CHECK", KURVPANEL_DRUCKLOW2, "DRUCKLOW2");
    const int zyklusTop = PUMPE_TOP + 208;
    const int x = RECHTS_LINKS;
    p.ctrls.push_back({.id = 0,
                       .art = CtrlArt::Rahmen,
                       .top = zyklusTop,
                       .left = x,
                       .width = RECHTS_BREITE,
                       .height = 124,
                       .label = QT_TRANSLATE_NOOP("Plm1", "Zyklus")});
    p.ctrls.push_back({.id = 0,
                       .art = CtrlArt::TextMeldung,
                       .top = zyklusTop + 28,
                       .left = x + 10,
                       .width = 110,
                       .height = 18,
                       .label = QT_TRANSLATE_NOOP("Plm1", "Anzahl Schritte")});
    p.ctrls.push_back(zahl(KURVPANEL_ANZAHLSCHRITTE, "ANZAHLSCHRITTE", zyklusTop + 25, x + RECHTS_BREITE - 90,
                           1, 600, QT_TRANSLATE_NOOP("Plm1", "1 bis 600 Schritte")));
    p.ctrls.push_back({.id = 0,
                       .art = CtrlArt::TextMeldung,
                       .top = zyklusTop + 60,
                       .left = x + 10,
                       .width = 110,
                       .height = 18,
                       .label = QT_TRANSLATE_NOOP("Plm1", "Zyklen")});
    p.ctrls.push_back(zahl(KURVPANEL_ZYKLEN, "ZYKLEN", zyklusTop + 57, x + RECHTS_BREITE - 90,
                           KURVEN_BEREICH_ZYKLEN.min, KURVEN_BEREICH_ZYKLEN.max,
                           QT_TRANSLATE_NOOP("Plm1", "Anzahl der Durchläufe")));
    p.ctrls.push_back(checkbox(KURVPANEL_ZYKLENUNBEGRENZT, "ZYKLENUNBEGRENZT",
                               QT_TRANSLATE_NOOP("Plm1", "unbegrenzt"), zyklusTop + 90, x + 10));

    const int knopfTop = zyklusTop + 140;
    const int halb = (RECHTS_BREITE - 8) / 2;
    p.ctrls.push_back(knopf(KURVPANEL_LADEN, "LADEN", QT_TRANSLATE_NOOP("Plm1", "Laden..."), knopfTop, x,
                            halb, QT_TRANSLATE_NOOP("Plm1", "Zyklus aus Datei laden")));
    p.ctrls.push_back(knopf(KURVPANEL_SPEICHERN, "SPEICHERN", QT_TRANSLATE_NOOP("Plm1", "Speichern"),
                            knopfTop, x + halb + 8, halb,
                            QT_TRANSLATE_NOOP("Plm1", "Zyklus in Datei speichern")));
    p.ctrls.push_back(knopf(KURVPANEL_DOWNLOAD, "DOWNLOAD", QT_TRANSLATE_NOOP("Plm1", "Download"),
                            knopfTop + 38, x, halb, QT_TRANSLATE_NOOP("Plm1", "Zyklus aus dem PLM-1 lesen")));
    p.ctrls.push_back(knopf(KURVPANEL_UPLOAD, "UPLOAD", QT_TRANSLATE_NOOP("Plm1", "Upload"), knopfTop + 38,
                            x + halb + 8, halb, QT_TRANSLATE_NOOP("Plm1", "Zyklus in den PLM-1 schreiben")));
    p.ctrls.push_back(
        {.id = KURVPANEL_TEXTMSG,
         .name = "TEXTMSG",
         .art = CtrlArt::TextMeldung,
         .top = knopfTop + 84,
         .left = x,
         .width = RECHTS_BREITE,
         .height = 60,
         .label = QT_TRANSLATE_NOOP(
             "Plm1", "Linke Maustaste: setzen\nRechte Maustaste: löschen\nUmschalttaste: Wert zeigen")});
    p.ctrls.push_back({.id = KURVPANEL_TEXTCANVAS12,
                       .name = "TEXTCANVAS12",
                       .art = CtrlArt::TextMeldung,
                       .top = SCROLL_TOP,
                       .left = x,
                       .width = RECHTS_BREITE,
                       .height = 18,
                       .label = QT_TRANSLATE_NOOP("Plm1", "50 Schritte sichtbar")});

    Resource_FusszeileHinzufuegen(p, {.ring = KURVPANEL_COMPICTURERING,
                                      .led = KURVPANEL_FEHLERLED,
                                      .text = KURVPANEL_FEHLERSTRING,
                                      .nummer = KURVPANEL_FEHLERNUMMER,
                                      .zurueck = KURVPANEL_ZURUECK,
                                      .zurueckCallback = "Callback_Kurven_Button_Zurueck"});
    return p;
}

MenuBarDef Resource_MenuKurven() {
    using namespace kurven_lage;
    return MenuBarDef{
        .id = MENUKURVEN,
        .name = "MENUKURVEN",
        .menus = {
            {.id = MENUKURVEN_DATEI,
             .name = "DATEI",
             .label = QT_TRANSLATE_NOOP("Plm1", "Datei"),
             .items = {{MENUKURVEN_DATEI_NEU, "NEU", QT_TRANSLATE_NOOP("Plm1", "Neu"), "Menu_Kurven_Datei"},
                       {MENUKURVEN_DATEI_LADEN, "LADEN", QT_TRANSLATE_NOOP("Plm1", "Laden..."),
                        "Menu_Kurven_Datei"},
                       {MENUKURVEN_DATEI_SPEICHERN, "SPEICHERN", QT_TRANSLATE_NOOP("Plm1", "Speichern"),
                        "Menu_Kurven_Datei"},
                       {MENUKURVEN_DATEI_SPEICHERNUNTER, "SPEICHERNUNTER",
                        QT_TRANSLATE_NOOP("Plm1", "Speichern unter..."), "Menu_Kurven_Datei"}}},
            Resource_MenuBearbeiten(MENUKURVEN_BEARBEITEN, MENUKURVEN_BEARBEITEN_RUECKGAENGIG,
                                    MENUKURVEN_BEARBEITEN_WIEDERHOLEN, "Menu_Kurven_Bearbeiten"),
            {.id = MENUKURVEN_FENSTER, .name = "FENSTER", .label = QT_TRANSLATE_NOOP("Plm1", "Fenster")},
            {.id = MENUKURVEN_HILFE,
             .name = "HILFE",
             .label = QT_TRANSLATE_NOOP("Plm1", "Hilfe"),
             .items = {{MENUKURVEN_HILFE_BEARBEITEN, "BEARBEITEN",
                        QT_TRANSLATE_NOOP("Plm1", "Punkte bearbeiten"), "Menu_Kurven_Hilfe"},
                       {MENUKURVEN_HILFE_WERTE, "WERTE", QT_TRANSLATE_NOOP("Plm1", "Werte anzeigen"),
                        "Menu_Kurven_Hilfe"}}}}};
}
