// Main window, info popup and the panels of the resource that the program never loads.

#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

PanelDef Resource_HauptPanel() {
    PanelDef p{.id = MAINPANEL, .name = "MAINPANEL", .title = "PLM-1 Steuerung", .width = 420, .height = 420,
               .callback = "Callback_Panel_Mainpanel"};
    return p;
}

PanelDef Resource_InfoPanel() {
    PanelDef p{.id = INFOPANEL, .name = "INFOPANEL", .title = "Info", .width = 300, .height = 160,
               .callback = "Callback_Panel_Info"};
    return p;
}

PanelDef Resource_UngenutztesPanel(int id, const char* name) {
    return PanelDef{.id = id, .name = name, .title = name, .width = 200, .height = 100};
}
