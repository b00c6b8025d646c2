// Window list, "Fenster" menus and window switching.

#include "shell/Plm1_GemeinsameFunktionen.h"

#include "platform/ui/ui.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

struct Eintrag {
    int panel = 0;
    std::string name;
    int menu = 0;
    int breite = 0, hoehe = 0;  // size the window was built with
    int eigenB = 0, eigenH = 0; // its size when it was last left in the normal state
    int links = 0, oben = 0;    // its place then
    bool lageBekannt = false;   // shown or given a place since the start
};

struct Liste {
    int hauptpanel = 0;
    int anzahl = 0;
    std::array<Eintrag, MAX_FENSTER> eintraege{};
    std::array<KonfigEmpfaenger, 3> empfaenger{};
};

Liste gListe;

Eintrag* eintragZu(int panel) {
    for (int i = 0; i < gListe.anzahl; ++i)
        if (gListe.eintraege[i].panel == panel) return &gListe.eintraege[i];
    return nullptr;
}

} // namespace

void GemFunc_Initialisieren() {
    const auto empfaenger = gListe.empfaenger;
    gListe = Liste{};
    gListe.empfaenger = empfaenger;
}

void GemFunc_HauptpanelSet(int panel) {
    gListe.hauptpanel = panel;
}

int GemFunc_MainpanelGet() {
    return gListe.hauptpanel;
}

int GemFunc_PanelZurListeHinzufuegen(int panel, const char* name, int menu) {
    if (gListe.anzahl >= MAX_FENSTER) return gListe.anzahl; // the list is full: not registered
    Eintrag& e = gListe.eintraege[gListe.anzahl++];
    e.panel = panel;
    e.name = std::string(name ? name : "").substr(0, MAX_FENSTERNAME);
    e.menu = menu;
    GetPanelAttribute(panel, ATTR_WIDTH, &e.breite);
    GetPanelAttribute(panel, ATTR_HEIGHT, &e.hoehe);
    e.eigenB = e.breite;
    e.eigenH = e.hoehe;
    return gListe.anzahl;
}

int GemFunc_AnzahlGet() {
    return gListe.anzahl;
}

int GemFunc_PanelGet(int index) {
    return index >= 0 && index < gListe.anzahl ? gListe.eintraege[index].panel : 0;
}

const char* GemFunc_NameGet(int index) {
    return index >= 0 && index < gListe.anzahl ? gListe.eintraege[index].name.c_str() : "";
}

void GemFunc_FenstermenueintraegeErstellen() {
    for (int i = 0; i < gListe.anzahl; ++i) {
        const Eintrag& fenster = gListe.eintraege[i];
        if (fenster.menu == 0) continue;
        const int leiste = GetPanelMenuBar(fenster.panel);
        if (leiste <= 0) continue;
        for (int j = 0; j < gListe.anzahl; ++j) {
            const bool selbst = i == j;
            const int item = NewMenuItem(leiste, fenster.menu, gListe.eintraege[j].name.c_str(), -1, 0,
                                         selbst ? nullptr : MenuCallback_Fenster, nullptr);
            if (selbst && item > 0) SetMenuBarAttribute(leiste, item, ATTR_DIMMED, 1);
        }
    }
}

void MenuCallback_Fenster(int menuBar, int menuItem, void*, int panel) {
    std::string name;
    if (GetMenuBarAttribute(menuBar, menuItem, ATTR_ITEM_NAME, &name) < 0) return;
    // The menu bar belongs to the window in front, so its panel is the one to switch from.
    const int von = panel > 0 ? panel : GetActivePanel();
    for (int i = 0; i < gListe.anzahl; ++i)
        if (gListe.eintraege[i].name == name) GemFunc_SwitchPanels(von, gListe.eintraege[i].panel);
}

void GemFunc_SwitchPanels(int fromPanel, int toPanel) {
    if (toPanel <= 0) return;
    int zoom = VAL_NO_ZOOM, top = 0, left = 0, breite = 0, hoehe = 0;
    const bool quelle = fromPanel > 0 && GetPanelAttribute(fromPanel, ATTR_WINDOW_ZOOM, &zoom) >= 0;
    if (quelle) {
        GetPanelAttribute(fromPanel, ATTR_TOP, &top);
        GetPanelAttribute(fromPanel, ATTR_LEFT, &left);
        GetPanelAttribute(fromPanel, ATTR_WIDTH, &breite);
        GetPanelAttribute(fromPanel, ATTR_HEIGHT, &hoehe);
        // The source keeps the size the operator gave it for the next time it is shown.
        if (Eintrag* von = eintragZu(fromPanel); von && zoom == VAL_NO_ZOOM) {
            von->eigenB = breite;
            von->eigenH = hoehe;
            von->links = left;
            von->oben = top;
            von->lageBekannt = true;
        }
        if (fromPanel != toPanel) HidePanel(fromPanel);
    }
    if (quelle && zoom == VAL_NO_ZOOM) {
        // Same place; each window its own size, never smaller than it was built, or controls would be cut.
        SetPanelAttribute(toPanel, ATTR_TOP, top);
        SetPanelAttribute(toPanel, ATTR_LEFT, left);
        if (const Eintrag* ziel = eintragZu(toPanel)) {
            SetPanelAttribute(toPanel, ATTR_WIDTH, std::max(ziel->eigenB, ziel->breite));
            SetPanelAttribute(toPanel, ATTR_HEIGHT, std::max(ziel->eigenH, ziel->hoehe));
        }
    }
    DisplayPanel(toPanel);
    if (quelle && zoom == VAL_MAXIMIZE) SetPanelAttribute(toPanel, ATTR_WINDOW_ZOOM, VAL_MAXIMIZE);
}

bool GemFunc_LageGet(int index, FensterLage* lage) {
    if (index < 0 || index >= gListe.anzahl || !lage) return false;
    const Eintrag& e = gListe.eintraege[index];
    int sichtbar = 0, zoom = VAL_NO_ZOOM;
    GetPanelAttribute(e.panel, ATTR_VISIBLE, &sichtbar);
    GetPanelAttribute(e.panel, ATTR_WINDOW_ZOOM, &zoom);
    if (sichtbar && zoom == VAL_NO_ZOOM) {
        GetPanelAttribute(e.panel, ATTR_LEFT, &lage->links);
        GetPanelAttribute(e.panel, ATTR_TOP, &lage->oben);
        GetPanelAttribute(e.panel, ATTR_WIDTH, &lage->breite);
        GetPanelAttribute(e.panel, ATTR_HEIGHT, &lage->hoehe);
        return true;
    }
    if (!e.lageBekannt) return false;
    *lage = FensterLage{e.links, e.oben, e.eigenB, e.eigenH};
    return true;
}

void GemFunc_LageSetzen(int index, const FensterLage& lage) {
    if (index < 0 || index >= gListe.anzahl || lage.breite < 1 || lage.hoehe < 1) return;
    Eintrag& e = gListe.eintraege[index];
    e = Eintrag{e.panel,     e.name,     e.menu,     e.breite,  e.hoehe,
                lage.breite, lage.hoehe, lage.links, lage.oben, true};
    int sichtbar = 0;
    if (GetPanelAttribute(e.panel, ATTR_VISIBLE, &sichtbar) < 0 || !sichtbar) return;
    SetPanelAttribute(e.panel, ATTR_LEFT, e.links);
    SetPanelAttribute(e.panel, ATTR_TOP, e.oben);
    SetPanelAttribute(e.panel, ATTR_WIDTH, std::max(e.eigenB, e.breite));
    SetPanelAttribute(e.panel, ATTR_HEIGHT, std::max(e.eigenH, e.hoehe));
    DisplayPanel(e.panel); // kept inside the screen
}

void GemFunc_KonfigEmpfaengerSetzen(KonfigEmpfaenger tasten, KonfigEmpfaenger kurven,
                                    KonfigEmpfaenger direkt) {
    gListe.empfaenger = {tasten, kurven, direkt};
}

void GemFunc_AlleTeilprogrammeKonfigUebernehmen() {
    for (KonfigEmpfaenger f : gListe.empfaenger)
        if (f) f();
}
