// The user-interface resource "Plm1SteuerungGui.uir": every panel and menu bar of the program, by constant.

#include "resources/Plm1SteuerungGui.h"

#include "resources/panels.h"

#include <map>

namespace {

const std::map<int, PanelDef>& panels() {
    static const std::map<int, PanelDef> p = {
        {COMPANEL, Resource_UngenutztesPanel(COMPANEL, "COMPANEL")},
        {DIREKTPNL, Resource_DirektPanel()},
        {INFOPANEL, Resource_InfoPanel()},
        {INFOPANEL_, Resource_UngenutztesPanel(INFOPANEL_, "INFOPANEL_")},
        {KONFIGPNL, Resource_KonfigPanel()},
        {KURVPANEL, Resource_KurvenPanel()},
        {MAINPANEL, Resource_HauptPanel()},
        {PANEL, Resource_UngenutztesPanel(PANEL, "PANEL")},
        {TASTPANEL, Resource_TastenPanel()},
    };
    return p;
}

const std::map<int, MenuBarDef>& menuBars() {
    static const std::map<int, MenuBarDef> m = {
        {MENUKURVEN, Resource_MenuKurven()},
        {MENUTASTEN, Resource_MenuTasten()},
        {MENUDIREKT, Resource_MenuDirekt()},
        {MENUKONFIG, Resource_MenuKonfig()},
    };
    return m;
}

} // namespace

const PanelDef* Resource_Panel(int panelConstant) {
    auto it = panels().find(panelConstant);
    return it == panels().end() ? nullptr : &it->second;
}

const MenuBarDef* Resource_MenuBar(int menuBarConstant) {
    auto it = menuBars().find(menuBarConstant);
    return it == menuBars().end() ? nullptr : &it->second;
}

void Resource_Registrieren() {
    static const UiRessource ressource{RESSOURCE_DATEINAME, Resource_Panel, Resource_MenuBar};
    UI_RessourceSetzen(&ressource);
}

void Resource_FusszeileHinzufuegen(PanelDef& panel, const FusszeileIds& ids) {
    const int y = panel.height - FUSSZEILE_HOEHE + 12;
    CtrlDef ring{.id = ids.ring,
                 .name = "COMPICTURERING",
                 .art = CtrlArt::Verbindungsbild,
                 .top = y - 4,
                 .left = 12,
                 .width = 180,
                 .height = 40};
    ring.tooltip = QT_TRANSLATE_NOOP("Plm1", "Klicken: Verbindung öffnen oder schließen");
    panel.ctrls.push_back(ring);
    panel.ctrls.push_back({.id = ids.led,
                           .name = "FEHLERLED",
                           .art = CtrlArt::Led,
                           .top = y + 6,
                           .left = 204,
                           .width = 20,
                           .height = 20,
                           .label = QT_TRANSLATE_NOOP("Plm1", "Fehler"),
                           .farbeAn = 0xFF0000});
    panel.ctrls.push_back({.id = ids.text,
                           .name = "FEHLERSTRING",
                           .art = CtrlArt::Text,
                           .top = y - 2,
                           .left = 278,
                           .width = panel.width - 278 - 12 - 200 - 12 - 110,
                           .height = 40,
                           .anzeige = true});
    panel.ctrls.push_back({.id = ids.nummer,
                           .name = "FEHLERNUMMER",
                           .art = CtrlArt::Numerisch,
                           .top = y + 4,
                           .left = panel.width - 12 - 200 - 12 - 100,
                           .width = 100,
                           .height = 24,
                           .anzeige = true});
    panel.ctrls.push_back({.id = ids.zurueck,
                           .name = "ZURUECK",
                           .art = CtrlArt::Knopf,
                           .top = y,
                           .left = panel.width - 12 - 200,
                           .width = 200,
                           .height = 32,
                           .label = QT_TRANSLATE_NOOP("Plm1", "Zurück zum Hauptfenster"),
                           .callback = ids.zurueckCallback});
}
