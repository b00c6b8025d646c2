// Panel KURVPANEL "Zyklus-Programmierung" and its menu bar MENUKURVEN.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

PanelDef Resource_KurvenPanel() {
    PanelDef p{.id = KURVPANEL, .name = "KURVPANEL", .title = "Zyklus-Programmierung", .width = 800, .height = 600, .menuBar = MENUKURVEN};
    return p;
}

MenuBarDef Resource_MenuKurven() {
    return MenuBarDef{.id = MENUKURVEN, .name = "MENUKURVEN"};
}
