// Panel KONFIGPNL "PLM-1 Einstellungen" and its menu bar MENUKONFIG.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

PanelDef Resource_KonfigPanel() {
    PanelDef p{.id = KONFIGPNL, .name = "KONFIGPNL", .title = "PLM-1 Einstellungen", .width = 800, .height = 600, .menuBar = MENUKONFIG};
    return p;
}

MenuBarDef Resource_MenuKonfig() {
    return MenuBarDef{.id = MENUKONFIG, .name = "MENUKONFIG"};
}
