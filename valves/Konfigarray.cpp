// The valve configuration table.

#include "valves/Konfigarray.h"

#include "resources/Plm1SteuerungGui.h"

// Built-in state before any window exists: every valve normally closed.
int gKonfig[KONFIG_WORTE] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

void Konfigarray_Initialisieren() {
    for (int i = 0; i < 11; ++i) {
        gKonfig[i] = 2; // normally closed
        gKonfig[11 + i] = KONFIGPNL_VENTILART1 + i;
    }
}
