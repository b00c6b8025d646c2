#pragma once
// Verified sending: whether an upload is read back and compared, its settings key, and the check item in
// the "Datei" menus of the windows that send.

#include "device/Gemeinsam_Vergleich.h"
#include "platform/files/einstellungsdatei.h"
#include "platform/files/inifile.h"
#include "platform/sprache/textmarke.h"

constexpr const char* GEMPRUEFEN_INI_SCHLUESSEL = "pruefen";
constexpr const char* GEMPRUEFEN_MENUTEXT = QT_TRANSLATE_NOOP("Plm1", "Nach dem Senden prüfen");
constexpr int GEMPRUEFEN_MAX_MENUS = 4;

// On by default.
bool GemPruefen_Eingeschaltet();
// Sets the switch and the check mark of every registered menu item.
void GemPruefen_Einschalten(bool an);
// Appends the check item to menu `menuId` of the panel's menu bar; returns its item id (negative on
// failure).
int GemPruefen_MenuEintragHinzufuegen(int panel, int menuId);
// The settings key: a missing or unreadable key leaves the switch as it is.
void GemPruefen_ReadIni(IniText ini);
void GemPruefen_WriteIni(IniText ini);
// Back to "on" with no menu items (tests).
void GemPruefen_Zuruecksetzen();
