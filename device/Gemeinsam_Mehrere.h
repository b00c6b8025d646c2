#pragma once
// "Upload an mehrere…": sends the window's data to several units of the last search in turn, under one
// progress dialog, and sums up per unit.

#include "errors/VKR_Fehlercodes.h"
#include "platform/sprache/textmarke.h"

#include <string>

constexpr const char* GEMMEHRERE_MENUTEXT = QT_TRANSLATE_NOOP("Plm1", "Upload an mehrere…");
constexpr const char* GEMMEHRERE_TITEL = QT_TRANSLATE_NOOP("Plm1", "Upload an mehrere");
constexpr const char* GEMMEHRERE_HINWEIS = QT_TRANSLATE_NOOP("Plm1", "An diese Geräte senden:");
constexpr const char* GEMMEHRERE_KEINE_GERAETE = QT_TRANSLATE_NOOP(
    "Plm1", "Keine Geräte bekannt.\nSuchen Sie die Geräte zuerst im Fenster \"PLM-1 Einstellungen\".");
constexpr int GEMMEHRERE_MAX_MENUS = 4;

// One upload to the unit at the current address (with or without the read-back); returns its result,
// whose transfer failures are in the connection manager's last error.
using GemMehrereSenden = Fehlercode (*)(bool pruefen);

// Appends the item to menu `menuId` of the panel's menu bar; choosing it runs GemMehrere_Senden(senden).
int GemMehrere_MenuEintragHinzufuegen(int panel, int menuId, GemMehrereSenden senden);
// Offers the units of the last search (all ticked); sends to the ticked ones in turn, each after reading
// its identification, with the verified-sending switch; then shows the summary, which is also returned
// (empty when cancelled or nothing was chosen). The device address is the same afterwards.
std::string GemMehrere_Senden(GemMehrereSenden senden);
