// Main window MAINPANEL (the program's name over six large buttons), the info popup INFOPANEL, and the
// panels of the resource that the program never loads.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

// The layout of this panel (the panel files share their names for margins and sizes).
namespace {
namespace haupt_lage {

constexpr int RAND = 24;
constexpr int KNOPF_BREITE = 240;
constexpr int KNOPF_HOEHE = 64;
constexpr int ABSTAND = 16;
constexpr int TITEL_HOEHE = 48;
constexpr int HAUPT_BREITE = 2 * RAND + 2 * KNOPF_BREITE + ABSTAND;
constexpr int ERSTE_REIHE = RAND + TITEL_HOEHE + ABSTAND;
constexpr int HAUPT_HOEHE = ERSTE_REIHE + 3 * KNOPF_HOEHE + 2 * ABSTAND + RAND;

CtrlDef knopf(int id, const char* name, const char* label, int reihe, int spalte, const char* tooltip) {
    CtrlDef c = Resource_Ctrl(id, name, CtrlArt::Knopf, ERSTE_REIHE + reihe * (KNOPF_HOEHE + ABSTAND),
                              RAND + spalte * (KNOPF_BREITE + ABSTAND), KNOPF_BREITE, KNOPF_HOEHE, label);
    c.callback = "Callback_Buttons_Mainbuttons";
    c.tooltip = tooltip;
    return c;
}

} // namespace haupt_lage
} // namespace

PanelDef Resource_HauptPanel() {
    using namespace haupt_lage;
    PanelDef p{.id = MAINPANEL,
               .name = "MAINPANEL",
               .title = QT_TRANSLATE_NOOP("Plm1", "PLM-1 Steuerung"),
               .width = HAUPT_BREITE,
               .height = HAUPT_HOEHE,
               .callback = "Callback_Panel_Mainpanel"};
    p.ctrls.push_back(Resource_Ctrl(MAINPANEL_TEXTMSG, "TEXTMSG", CtrlArt::TextMeldung, RAND, RAND,
                                    HAUPT_BREITE - 2 * RAND, TITEL_HOEHE,
                                    QT_TRANSLATE_NOOP("Plm1", "PLM-1 Steuerung")));
    p.ctrls.push_back(knopf(MAINPANEL_TASTATURPROG, "TASTATURPROG",
                            QT_TRANSLATE_NOOP("Plm1", "Tasten-Programmierung"), 0, 0,
                            QT_TRANSLATE_NOOP("Plm1", "Die Tasten 1 bis 9 des PLM-1 belegen")));
    p.ctrls.push_back(knopf(MAINPANEL_ZYKLUSPROG, "ZYKLUSPROG",
                            QT_TRANSLATE_NOOP("Plm1", "Zyklus-Programmierung"), 0, 1,
                            QT_TRANSLATE_NOOP("Plm1", "Den Druckzyklus als Kurven zeichnen")));
    p.ctrls.push_back(
        knopf(MAINPANEL_DIREKTBETRIEB, "DIREKTBETRIEB", QT_TRANSLATE_NOOP("Plm1", "Direktbetrieb"), 1, 0,
              QT_TRANSLATE_NOOP("Plm1", "Ventile und Pumpen von Hand schalten, Istwerte beobachten")));
    p.ctrls.push_back(knopf(MAINPANEL_KONFIGURATION, "KONFIGURATION",
                            QT_TRANSLATE_NOOP("Plm1", "PLM-1 Einstellungen"), 1, 1,
                            QT_TRANSLATE_NOOP("Plm1", "Ventilarten, COM-Port und Geräteadresse")));
    p.ctrls.push_back(knopf(MAINPANEL_INFO, "INFO", QT_TRANSLATE_NOOP("Plm1", "Info"), 2, 0,
                            QT_TRANSLATE_NOOP("Plm1", "Version des Programms")));
    p.ctrls.push_back(knopf(MAINPANEL_BEENDEN, "BEENDEN", QT_TRANSLATE_NOOP("Plm1", "Beenden"), 2, 1,
                            QT_TRANSLATE_NOOP("Plm1", "Einstellungen speichern und beenden")));
    return p;
}

PanelDef Resource_InfoPanel() {
    using namespace haupt_lage;
    constexpr int breite = 320, hoehe = 170;
    PanelDef p{.id = INFOPANEL,
               .name = "INFOPANEL",
               .title = QT_TRANSLATE_NOOP("Plm1", "Info"),
               .width = breite,
               .height = hoehe,
               .callback = "Callback_Panel_Info"};
    p.ctrls.push_back(Resource_Ctrl(INFOPANEL_TEXTMSG, "TEXTMSG", CtrlArt::TextMeldung, 12, 16, breite - 32,
                                    36, QT_TRANSLATE_NOOP("Plm1", "PLM-1 Steuerung")));
    CtrlDef version = Resource_Ctrl(INFOPANEL_VERSION, "VERSION", CtrlArt::Text, 80, 16, 136, 24,
                                    QT_TRANSLATE_NOOP("Plm1", "Version"));
    version.anzeige = true;
    p.ctrls.push_back(version);
    CtrlDef datum = Resource_Ctrl(INFOPANEL_DATUM, "DATUM", CtrlArt::Text, 80, 168, 136, 24,
                                  QT_TRANSLATE_NOOP("Plm1", "Datum"));
    datum.anzeige = true;
    p.ctrls.push_back(datum);
    CtrlDef ok =
        Resource_Ctrl(INFOPANEL_OK, "OK", CtrlArt::Knopf, hoehe - 44, breite - 16 - 100, 100, 30, "OK");
    ok.callback = "Callback_Info_Button_Ok";
    p.ctrls.push_back(ok);
    return p;
}

PanelDef Resource_UngenutztesPanel(int id, const char* name) {
    return PanelDef{.id = id, .name = name, .title = name, .width = 200, .height = 100};
}
