#pragma once
// The range of every field of a key record: the key window's controls take their limits from it, an
// upload refuses a table with a value outside it, and a loaded file is brought into it.

#include "device/Wertebereich.h"
#include "errors/VKR_Fehlercodes.h"
#include "keys/Tastenarrays.h"

#include <string>

constexpr Wertebereich TASTEN_BEREICH_PUMPE{-100, 100};
constexpr Wertebereich TASTEN_BEREICH_DRUCK{-1000, 1000};
constexpr Wertebereich TASTEN_BEREICH_ZEIT{0, 500};

constexpr Wertebereich TastenBereich_Feld(int feld) {
    switch (feld) {
    case TASTE_PUMPE1:
    case TASTE_PUMPE2:
        return TASTEN_BEREICH_PUMPE;
    case TASTE_DRUCK1:
    case TASTE_DRUCK2:
        return TASTEN_BEREICH_DRUCK;
    case TASTE_ZEIT1:
    case TASTE_ZEIT2:
        return TASTEN_BEREICH_ZEIT;
    default: // valves and check boxes
        return WERTEBEREICH_SCHALTER;
    }
}

// "Taste <n>, <FELD>" (n = 1..9) with the field's name as in the window's controls.
std::string TastenBereich_Ort(int taste, int feld);

// The first value that goes to the unit and lies outside its range (key 1 first, fields in file order; a
// pressure limit without its check box is not sent): FEHLER_TASTEN_WERT_BEREICH with
// the extra text naming key, field, value and range; else 0.
[[nodiscard]] Fehlercode TastenBereich_Pruefen(const TastenTabelle& tabelle);
// Brings every value into its range; one line per changed value ("" when nothing changed).
std::string TastenBereich_Einpassen(TastenTabelle& tabelle);
