// The key table and the parallel table of control identifiers.

#include "keys/Tastenarrays.h"

TastenTabelle gTaste{};
TastenTabelle gTastencontrols{};

namespace {
// Offset of each field's control from the first control of its key (TASTEn_VENTIL1): the controls are
// numbered in window order (valves, pump 1, its check box, limit and time, then pump 2 likewise).
constexpr int CONTROL_OFFSET[TASTEN_FELDER] = {0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                               10, 11, 15, 12, 16, 13, 17, 14, 18};
constexpr int ERSTE_CONTROL = 12;     // TASTPANEL_TASTE1_VENTIL1
constexpr int CONTROLS_JE_TASTE = 20; // 19 controls and the label of the next key
} // namespace

int Tastenarrays_ControlId(int taste, int feld) {
    return ERSTE_CONTROL + CONTROLS_JE_TASTE * taste + CONTROL_OFFSET[feld];
}

void Tastenarrays_Initialisieren() {
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        gTaste[n].fill(0);
        for (int k = 0; k < TASTEN_FELDER; ++k)
            gTastencontrols[n][k] = Tastenarrays_ControlId(n, k);
    }
}
