#pragma once
// The range of every key data word and curve value of the cycle: the curve window's controls take their
// limits from it, an upload refuses a cycle with a value outside it, and a loaded file is brought into it.

#include "cycle/Kurvenarrays.h"
#include "device/Wertebereich.h"
#include "errors/VKR_Fehlercodes.h"

#include <string>

constexpr Wertebereich KURVEN_BEREICH_PUMPE{-100, 100};
constexpr Wertebereich KURVEN_BEREICH_DRUCK{-2000, 2000};
constexpr Wertebereich KURVEN_BEREICH_ZYKLEN{KURVEN_ZYKLEN_MIN, KURVEN_ZYKLEN_MAX};
constexpr Wertebereich KURVEN_BEREICH_SCHRITTE{KURVEN_SCHRITTE_MIN, KURVEN_SCHRITTE_MAX};

constexpr Wertebereich KurvenBereich_Eckdatum(int index) {
    switch (index) {
    case KE_DRUCKHIGH1:
    case KE_DRUCKHIGH2:
    case KE_DRUCKLOW1:
    case KE_DRUCKLOW2:
        return KURVEN_BEREICH_DRUCK;
    case KE_ZYKLEN:
        return KURVEN_BEREICH_ZYKLEN;
    case KE_ANZAHLSCHRITTE:
        return KURVEN_BEREICH_SCHRITTE;
    default: // the check words
        return WERTEBEREICH_SCHALTER;
    }
}

constexpr Wertebereich KurvenBereich_Kanal(int kanal) {
    return Kurvenarrays_IstPumpenkanal(kanal) ? KURVEN_BEREICH_PUMPE : WERTEBEREICH_SCHALTER;
}

// The first value that goes to the unit and lies outside its range (key data first, then channel 0 to 12,
// step 1 first; a limit without its check word and the runs of a cycle without end are not sent):
// FEHLER_KURVEN_WERT_BEREICH with the extra text naming word or step and channel, value and range; else 0.
[[nodiscard]] Fehlercode KurvenBereich_Pruefen(const int32_t eckdaten[KURVENECKDATEN_ANZAHL],
                                               const Kurvenarray kurven[KURVEN_ANZAHL]);
// Brings every key data word and value into its range; one line per changed value ("" when none).
std::string KurvenBereich_Einpassen(int32_t eckdaten[KURVENECKDATEN_ANZAHL],
                                    Kurvenarray kurven[KURVEN_ANZAHL]);
