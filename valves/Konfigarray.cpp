// The valve configuration table and the questions every module asks about a valve.

#include "valves/Konfigarray.h"

#include "platform/files/einstellungsdatei.h"
#include "resources/Plm1SteuerungGui.h"

#include <string>

// Built-in state before any window exists: every valve normally closed.
Ventilarten gKonfig = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
int gKonfigAuswahl[ANZAHL_VENTILE] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

namespace {
bool ventilGueltig(int ventil) {
    return ventil >= 0 && ventil < ANZAHL_VENTILE;
}
} // namespace

void Konfigarray_Initialisieren() {
    for (int i = 0; i < ANZAHL_VENTILE; ++i) {
        gKonfig[i] = VENTILART_NC;
        gKonfigAuswahl[i] = KONFIGPNL_VENTILART1 + i;
    }
}

int KonfigMain_VentilVorhanden(int ventil) {
    return ventilGueltig(ventil) && gKonfig[ventil] != VENTILART_NV;
}

int KonfigMain_VentilIstNO(int ventil) {
    return ventilGueltig(ventil) && gKonfig[ventil] == VENTILART_NO;
}

void KonfigMain_VentilartenHolen(Ventilarten& arten) {
    for (int v = 0; v < ANZAHL_VENTILE; ++v)
        arten[v] = !KonfigMain_VentilVorhanden(v) ? VENTILART_NV
                   : KonfigMain_VentilIstNO(v)    ? VENTILART_NO
                                                  : VENTILART_NC;
}

Fehlercode Konfigarray_IniLesen(IniText ini, Ventilarten& arten) {
    Fehlercode ergebnis = KEIN_FEHLER;
    for (int v = 0; v < ANZAHL_VENTILE; ++v) {
        const std::string schluessel = "v" + std::to_string(v + 1);
        int art = 0;
        if (Ini_GetInt(ini, INI_SEKTION, schluessel.c_str(), &art) <= 0)
            ergebnis = FEHLER_INI_VENTIL_FEHLT;
        else if (art >= VENTILART_NV && art <= VENTILART_NC)
            arten[v] = art;
        else
            (void)Ini_WertUnbrauchbar(ini, INI_SEKTION, schluessel.c_str());
    }
    return ergebnis;
}
