#pragma once
// The example cycle of the direct-operation benches and pictures: 8 steps that switch valves, drive both
// pumps and hit a limit on each side, so every control of the window has something to show.

#include "cycle/Kurven_Com.h"
#include "cycle/Kurvenarrays.h"
#include "device/Vkr_Com.h"

#include <iterator>

namespace beispiel {

struct Schritt {
    int ventile; // bit v-1: valve v open
    int pumpe1, pumpe2;
};
// Pump 1 fills up to its 900 mbar limit and empties, pump 2 evacuates down to -700 mbar and vents.
constexpr Schritt BEISPIELZYKLUS[] = {
    {0x001, 80, 0},   {0x003, 80, -60},  {0x004, -50, -60},  {0x00C, -50, 40},
    {0x010, 100, 40}, {0x030, 30, -100}, {0x040, -80, -100}, {0x080, 0, 60},
};

// Sends it (runs without end) to the open unit; false when that failed.
inline bool beispielzyklusSenden() {
    const int n = static_cast<int>(std::size(BEISPIELZYKLUS));
    if (Kurvenarrays_Initialisieren() != KEIN_FEHLER) return false;
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = n;
    if (Kurven_KurvenlaengenAendern(n) != KEIN_FEHLER) return false;
    for (int i = 0; i < n; ++i) {
        for (int v = 1; v <= 11; ++v)
            gKurven[Kurvenarrays_VentilKanal(v)].values[i] = (BEISPIELZYKLUS[i].ventile >> (v - 1)) & 1;
        gKurven[Kurvenarrays_PumpenKanal(1)].values[i] = BEISPIELZYKLUS[i].pumpe1;
        gKurven[Kurvenarrays_PumpenKanal(2)].values[i] = BEISPIELZYKLUS[i].pumpe2;
    }
    gKurveneckdaten[KE_DRUCKHIGH1CHECK] = 1;
    gKurveneckdaten[KE_DRUCKHIGH1] = 900;
    gKurveneckdaten[KE_DRUCKLOW2CHECK] = 1;
    gKurveneckdaten[KE_DRUCKLOW2] = -700;
    gKurveneckdaten[KE_ZYKLENUNBEGRENZT] = 1;
    return KurvenCom_Plm1Upload() == KEIN_FEHLER && VkrCom_LetzterFehlerGet() == 0;
}

} // namespace beispiel
