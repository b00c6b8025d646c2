// The switch for verified sending, its settings key and its check items.

#include "device/Gemeinsam_Pruefen.h"

#include "platform/ui/ui.h"

namespace {

struct PruefenEintrag {
    int leiste;
    int item;
};

bool gPruefenEin = true;
PruefenEintrag gPruefenEintraege[GEMPRUEFEN_MAX_MENUS];
int gPruefenAnzahl = 0;

void pruefenGewaehlt(int, int, void*, int) {
    GemPruefen_Einschalten(!gPruefenEin);
}

} // namespace

bool GemPruefen_Eingeschaltet() {
    return gPruefenEin;
}

void GemPruefen_Einschalten(bool an) {
    gPruefenEin = an;
    for (int i = 0; i < gPruefenAnzahl; ++i)
        (void)SetMenuBarAttribute(gPruefenEintraege[i].leiste, gPruefenEintraege[i].item, ATTR_CHECKED,
                                  gPruefenEin ? 1 : 0);
}

int GemPruefen_MenuEintragHinzufuegen(int panel, int menuId) {
    const int leiste = GetPanelMenuBar(panel);
    if (leiste <= 0 || gPruefenAnzahl >= GEMPRUEFEN_MAX_MENUS) return -1;
    const int item = NewMenuItem(leiste, menuId, GEMPRUEFEN_MENUTEXT, -1, 0, &pruefenGewaehlt, nullptr);
    if (item < 0) return item;
    gPruefenEintraege[gPruefenAnzahl++] = PruefenEintrag{leiste, item};
    (void)SetMenuBarAttribute(leiste, item, ATTR_CHECKED, gPruefenEin ? 1 : 0);
    return item;
}

void GemPruefen_ReadIni(IniText ini) {
    int wert = 0;
    if (Ini_GetInt(ini, INI_SEKTION, GEMPRUEFEN_INI_SCHLUESSEL, &wert) == 1)
        GemPruefen_Einschalten(wert != 0);
}

void GemPruefen_WriteIni(IniText ini) {
    (void)Ini_PutInt(ini, INI_SEKTION, GEMPRUEFEN_INI_SCHLUESSEL, gPruefenEin ? 1 : 0);
}

void GemPruefen_Zuruecksetzen() {
    gPruefenEin = true;
    gPruefenAnzahl = 0;
}
