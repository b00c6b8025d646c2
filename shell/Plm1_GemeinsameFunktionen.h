#pragma once
// Window list: the main window and the registered working windows with their "Fenster" menus, switching
// from one window to another, and passing a changed valve configuration to every window.

constexpr int MAX_FENSTER = 10;

void GemFunc_Initialisieren();
void GemFunc_HauptpanelSet(int panel);
int GemFunc_MainpanelGet();
int GemFunc_PanelZurListeHinzufuegen(int panel, const char* name, int menu);
void GemFunc_FenstermenueintraegeErstellen();
void GemFunc_SwitchPanels(int fromPanel, int toPanel);
void GemFunc_AlleTeilprogrammeKonfigUebernehmen();
void MenuCallback_Fenster(int menuBar, int menuItem, void* callbackData, int panel);
