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

void MenuCallback_Fenster(int menuBar, int menuItem, void* callbackData, int panel);

// The windows that follow the valve configuration, called in the order keys, cycle, direct operation.
// The start-up sets those whose window came up; a missing one (nullptr) is skipped.
using KonfigEmpfaenger = void (*)();
void GemFunc_KonfigEmpfaengerSetzen(KonfigEmpfaenger tasten, KonfigEmpfaenger kurven,
                                    KonfigEmpfaenger direkt);
