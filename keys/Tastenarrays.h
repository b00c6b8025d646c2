#pragma once
// The key table: the settings of the nine programmable keys and, in the same shape, the identifiers of
// the key window's controls that edit them.

#include "valves/Ventilarten.h"

#include <array>

constexpr int TASTEN_ANZAHL = 9;  // keys 1..9; keys 10..12 are fixed to cycle start, pause, stop
constexpr int TASTEN_FELDER = 19; // values per key

// Field indices of a key record; the order is also the order in the *.plt file.
enum TastenFeld : int {
    TASTE_VENTIL1 = 0, // .. TASTE_VENTIL1 + 10: valve 1..11 open (1) or closed (0)
    TASTE_PUMPE1 = 11, // percent, the sign selects which pressure limit applies
    TASTE_PUMPE2 = 12,
    TASTE_DRUCK1CHECKB = 13, // pressure limit of pump 1 active
    TASTE_DRUCK2CHECKB = 14,
    TASTE_DRUCK1 = 15, // mbar: upper limit while the pump is >= 0, lower limit while it is < 0
    TASTE_DRUCK2 = 16,
    TASTE_ZEIT1 = 17,
    TASTE_ZEIT2 = 18,
};

using TastenEintrag = std::array<int, TASTEN_FELDER>;
using TastenTabelle = std::array<TastenEintrag, TASTEN_ANZAHL>;

extern TastenTabelle gTaste;
extern TastenTabelle gTastencontrols;

// Clears gTaste to zeros and fills gTastencontrols with the TASTPANEL identifiers.
void Tastenarrays_Initialisieren();

// Control identifier of field k of key n (n = 0..8) on TASTPANEL.
int Tastenarrays_ControlId(int taste, int feld);
