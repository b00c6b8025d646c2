#pragma once
// Window list: the main window and the registered working windows with their "Fenster" menus, switching
// from one window to another, and passing a changed valve configuration to every window.

constexpr int MAX_FENSTER = 10;
constexpr int MAX_FENSTERNAME = 49;

void GemFunc_Initialisieren();
void GemFunc_HauptpanelSet(int panel);
int GemFunc_MainpanelGet();
int GemFunc_PanelZurListeHinzufuegen(int panel, const char* name, int menu);
void GemFunc_FenstermenueintraegeErstellen();
void GemFunc_SwitchPanels(int fromPanel, int toPanel);
void GemFunc_AlleTeilprogrammeKonfigUebernehmen();
// Entries in registration order (index 0 .. count-1), for the screenshots and the tests.
int GemFunc_AnzahlGet();
int GemFunc_PanelGet(int index);
const char* GemFunc_NameGet(int index);

// A window's place and size on the screen in the normal state (its content, without the frame).
struct FensterLage {
    int links = 0, oben = 0, breite = 0, hoehe = 0;
};
// The place and size window `index` had when it was last shown (now, for the window on the screen);
// false when it has not been shown and was given none.
bool GemFunc_LageGet(int index, FensterLage* lage);
// Gives window `index` a remembered place and size (sizes below 1 are ignored); the window on the screen
// takes them at once, kept inside its screen.
void GemFunc_LageSetzen(int index, const FensterLage& lage);

void MenuCallback_Fenster(int menuBar, int menuItem, void* callbackData, int panel);

// The windows that follow the valve configuration, called in the order keys, cycle, direct operation.
// The start-up sets those whose window came up; a missing one (nullptr) is skipped.
using KonfigEmpfaenger = void (*)();
void GemFunc_KonfigEmpfaengerSetzen(KonfigEmpfaenger tasten, KonfigEmpfaenger kurven,
                                    KonfigEmpfaenger direkt);
