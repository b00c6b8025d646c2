#pragma once
// Shape of the user-interface resource: panels with their controls, menu bars, labels, list items and
// callback names. The resource in resources/ fills these tables; LoadPanel builds windows from them.

#include <string>
#include <vector>

enum class CtrlArt {
    Knopf,           // command button
    Schalter,        // toggle switch with on/off texts
    Checkbox,
    Led,             // round lamp
    Numerisch,       // numeric input (or display when anzeige)
    Anzeige7Segment, // seven-segment numeric display
    Text,            // string control (input, or display when anzeige)
    TextMeldung,     // static text message
    Auswahl,         // ring / selector with list items
    Verbindungsbild, // picture ring showing the connection state 0..8
    Timer,
    Canvas,
    Graph,
    Rahmen,          // decoration frame with a title
    Bild,            // picture decoration
};

struct ListenEintrag {
    std::string text;
    int wert = 0;
};

struct CtrlDef {
    int id = 0;          // constant from Plm1SteuerungGui.h; 0 for anonymous decoration
    std::string name;    // constant name without the panel prefix
    CtrlArt art = CtrlArt::TextMeldung;
    int top = 0, left = 0, width = 0, height = 0;
    std::string label;   // label or caption; text of a text message or frame title
    std::string callback; // callback name bound at LoadPanel, empty for none
    double min = 0, max = 0, schritt = 1; // numeric limits and increment (min == max: no limits)
    bool ganzzahl = true;                 // numeric data type int (else double)
    int nachkommastellen = 0;             // shown digits after the point for double numerics
    bool anzeige = false;                 // indicator only (takes no input)
    std::string textAn, textAus;          // switch texts
    std::vector<ListenEintrag> eintraege; // ring items
    double intervall = 0;                 // timer interval in seconds
    bool aktiv = true;                    // timer enabled at load
    int farbeAn = 0x00FF00;               // LED on colour
    bool sichtbar = true;
    std::string tooltip;
};

struct MenuItemDef {
    int id = 0;
    std::string name;
    std::string label;
    std::string callback;
};

struct MenuDef {
    int id = 0;
    std::string name;
    std::string label;
    std::vector<MenuItemDef> items;
};

struct MenuBarDef {
    int id = 0;
    std::string name;
    std::vector<MenuDef> menus;
};

struct PanelDef {
    int id = 0;
    std::string name;
    std::string title;
    int width = 0, height = 0;
    std::string callback;   // panel callback name
    int menuBar = 0;        // menu bar constant, 0 for none
    std::vector<CtrlDef> ctrls;
};

// The resource: every panel and menu bar, looked up by constant (nullptr when unknown).
const PanelDef* Resource_Panel(int panelConstant);
const MenuBarDef* Resource_MenuBar(int menuBarConstant);
