// The language menu of "PLM-1 Einstellungen" and the settings key "sprache".

#include "valves/Konfig_Sprache.h"

#include "platform/files/einstellungsdatei.h"
#include "platform/sprache/sprache.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"

namespace {

int gGewaehlt = 0; // 0: no key, the environment decides; else the key's value

void markieren(int menuBar, Sprache sprache) {
    (void)SetMenuBarAttribute(menuBar, MENUKONFIG_SPRACHE_DEUTSCH, ATTR_CHECKED, sprache == Sprache::Deutsch);
    (void)SetMenuBarAttribute(menuBar, MENUKONFIG_SPRACHE_ENGLISCH, ATTR_CHECKED,
                              sprache == Sprache::Englisch);
}

void Menu_Konfig_Sprache(int menuBar, int menuItem, void*, int) {
    const Sprache neu = menuItem == MENUKONFIG_SPRACHE_ENGLISCH ? Sprache::Englisch : Sprache::Deutsch;
    Sprache bisher = Sprache_Aktuell();
    if (gGewaehlt != 0) (void)Sprache_AusWert(gGewaehlt, &bisher);
    gGewaehlt = static_cast<int>(neu);
    markieren(menuBar, neu);
    if (neu != bisher) MessagePopup(KONFIGSPRACHE_TITEL, KONFIGSPRACHE_HINWEIS);
}

} // namespace

void KonfigSprache_Registrieren() {
    UI_CallbackRegistrieren("Menu_Konfig_Sprache", Menu_Konfig_Sprache);
}

void KonfigSprache_MenuMarkieren(int panel) {
    if (const int bar = GetPanelMenuBar(panel); bar > 0) markieren(bar, Sprache_Aktuell());
}

void KonfigSprache_ReadIni(IniText ini) {
    int wert = 0;
    gGewaehlt = 0;
    if (Ini_GetInt(ini, INI_SEKTION, SPRACHE_SCHLUESSEL, &wert) <= 0) return;
    if (Sprache dummy; Sprache_AusWert(wert, &dummy))
        gGewaehlt = wert;
    else
        (void)Ini_WertUnbrauchbar(ini, INI_SEKTION, SPRACHE_SCHLUESSEL);
}

void KonfigSprache_WriteIni(IniText ini) {
    if (gGewaehlt != 0) (void)Ini_PutInt(ini, INI_SEKTION, SPRACHE_SCHLUESSEL, gGewaehlt);
}
