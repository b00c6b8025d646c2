#pragma once
// Shape of the user-interface resource: panels with their controls, menu bars, labels, list items and
// callback names. The resource in resources/ fills these tables and registers itself; LoadPanel builds
// windows from them.

#include <string>
#include <vector>

enum class CtrlArt {
    Knopf,    // command button
    Schalter, // toggle switch with on/off texts
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
    Rahmen, // decoration frame with a title
    Bild,   // picture decoration
    // strip chart: traces over time (platform/ui_streifen.h)
    Streifenschreiber,
};

// Labels. The rectangle of a CtrlDef is the control alone; LoadPanel puts the label around it:
// - above: numeric, seven-segment display, string, ring, toggle switch. Left-aligned over the control,
//   its bottom 2 px above the control's top; it takes LABEL_HOEHE_OBEN px, so leave that much free
//   above these controls.
// - right: LED. The text starts LABEL_ABSTAND_RECHTS px right of the lamp, vertically centred on it,
//   about 7 px per character at the default font.
// - inside: button (caption), check box (text right of the box; the control widens to fit its text),
//   text message (its text; wraps when the control is at least 1.5 lines high; a text message of width 0
//   is as wide as its text, whenever the text changes), frame (title on the
//   top edge; the frame is kept behind the controls it surrounds), toggle switch (its on and off texts
//   on the track: on text on the green track, off text on the grey one).
// - none: canvas, graph, connection picture ring (draws its own "nicht geöffnet" / "COM n" right of
//   the plug: give it about 150 x 40), timer, picture, strip chart.
// A string display shows several lines (text with line breaks, word wrap): give it about 18 px per line.
// Controls are drawn in the order of the table, later ones on top.
constexpr int LABEL_HOEHE_OBEN = 20;
constexpr int LABEL_ABSTAND_RECHTS = 6;

struct ListenEintrag {
    std::string text;
    int wert = 0;
};

struct CtrlDef {
    int id = 0;       // constant from Plm1SteuerungGui.h; 0 for anonymous decoration
    std::string name; // constant name without the panel prefix
    CtrlArt art = CtrlArt::TextMeldung;
    int top = 0, left = 0, width = 0, height = 0;
    std::string label;                    // label or caption; text of a text message or frame title
    std::string callback;                 // callback name bound at LoadPanel, empty for none
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
    // Key sequences that choose the item while its window is active, in Qt's portable text ("Ctrl+Z");
    // the first one is shown beside the label.
    std::vector<std::string> kuerzel;
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
    std::string callback; // panel callback name
    int menuBar = 0;      // menu bar constant, 0 for none
    std::vector<CtrlDef> ctrls;
};

// The resource LoadPanel builds from: the file name it answers to and its tables by constant (nullptr when
// unknown). The program's start code registers it; until then LoadPanel finds no panel.
struct UiRessource {
    const char* dateiname;
    const PanelDef* (*panel)(int panelConstant);
    const MenuBarDef* (*menuBar)(int menuBarConstant);
};
void UI_RessourceSetzen(const UiRessource* ressource);
