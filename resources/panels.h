#pragma once
// The panels and menu bars of the resource, one builder per window, and the footer every working window
// shares (connection picture ring, error lamp with text and number, back button).

#include "platform/ui/ui_resource.h"

#include <QtGlobal> // QT_TRANSLATE_NOOP: the resource's texts are the source texts of the English catalogue

#include <string>

// The resource's file name, its tables by constant (nullptr when unknown), and its registration with the
// windows layer, which the start code (and every window test) makes before loading a panel.
constexpr const char* RESSOURCE_DATEINAME = "Plm1SteuerungGui.uir";
const PanelDef* Resource_Panel(int panelConstant);
const MenuBarDef* Resource_MenuBar(int menuBarConstant);
void Resource_Registrieren();

PanelDef Resource_HauptPanel();                               // MAINPANEL
PanelDef Resource_InfoPanel();                                // INFOPANEL
PanelDef Resource_UngenutztesPanel(int id, const char* name); // COMPANEL, INFOPANEL_, PANEL: never loaded
PanelDef Resource_KurvenPanel();                              // KURVPANEL
PanelDef Resource_TastenPanel();                              // TASTPANEL
PanelDef Resource_DirektPanel();                              // DIREKTPNL
PanelDef Resource_KonfigPanel();                              // KONFIGPNL
MenuBarDef Resource_MenuKurven();
MenuBarDef Resource_MenuTasten();
MenuBarDef Resource_MenuDirekt();
MenuBarDef Resource_MenuKonfig();

// The "Bearbeiten" menu of the editing windows: "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y or
// Ctrl+Shift+Z), both calling `callback`.
inline MenuDef Resource_MenuBearbeiten(int menu, int rueckgaengig, int wiederholen, const char* callback) {
    return {.id = menu,
            .name = "BEARBEITEN",
            .label = QT_TRANSLATE_NOOP("Plm1", "Bearbeiten"),
            .items = {
                {rueckgaengig, "RUECKGAENGIG", QT_TRANSLATE_NOOP("Plm1", "Rückgängig"), callback, {"Ctrl+Z"}},
                {wiederholen,
                 "WIEDERHOLEN",
                 QT_TRANSLATE_NOOP("Plm1", "Wiederholen"),
                 callback,
                 {"Ctrl+Y", "Ctrl+Shift+Z"}}}};
}

// A text with a number: "%1" of the text replaced by n (the windows look up the text with "%1" in the
// number's place when the whole text has no translation).
inline std::string Resource_MitNummer(const char* vorlage, int n) {
    std::string s = vorlage;
    if (const auto stelle = s.find("%1"); stelle != std::string::npos)
        s.replace(stelle, 2, std::to_string(n));
    return s;
}

// A control of a kind at a place with its label and callback; every other field keeps its default.
inline CtrlDef Resource_Ctrl(int id, const std::string& name, CtrlArt art, int top, int left, int width,
                             int height, const std::string& label = {}, const std::string& callback = {}) {
    CtrlDef c;
    c.id = id;
    c.name = name;
    c.art = art;
    c.top = top;
    c.left = left;
    c.width = width;
    c.height = height;
    c.label = label;
    c.callback = callback;
    return c;
}

// Footer geometry: the footer occupies the bottom FUSSZEILE_HOEHE pixels of a panel.
constexpr int FUSSZEILE_HOEHE = 56;
struct FusszeileIds {
    int ring, led, text, nummer, zurueck;
    const char* zurueckCallback;
};
void Resource_FusszeileHinzufuegen(PanelDef& panel, const FusszeileIds& ids);
