// Panel DIREKTPNL "Direktbetrieb" and its menu bar MENUDIREKT.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

PanelDef Resource_DirektPanel() {
    PanelDef p{.id = DIREKTPNL, .name = "DIREKTPNL", .title = "Direktbetrieb", .width = 800, .height = 600, .menuBar = MENUDIREKT};
    return p;
}

MenuBarDef Resource_MenuDirekt() {
    return MenuBarDef{.id = MENUDIREKT, .name = "MENUDIREKT"};
}
