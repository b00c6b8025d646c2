// Panel TASTPANEL "Tasten-Programmierung" and its menu bar MENUTASTEN.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

PanelDef Resource_TastenPanel() {
    PanelDef p{.id = TASTPANEL, .name = "TASTPANEL", .title = "Tasten-Programmierung", .width = 800, .height = 600, .menuBar = MENUTASTEN};
    return p;
}

MenuBarDef Resource_MenuTasten() {
    return MenuBarDef{.id = MENUTASTEN, .name = "MENUTASTEN"};
}
