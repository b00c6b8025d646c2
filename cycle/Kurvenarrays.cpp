// The cycle model: 13 curves that always share one length, and the key data words.

#include "cycle/Kurvenarrays.h"

#include "resources/Plm1SteuerungGui.h"

#include <cstddef>
#include <new>
#include <stdexcept>

Kurvenarray gKurven[KURVEN_ANZAHL];
int32_t gKurveneckdaten[KURVENECKDATEN_ANZAHL];
int gKurvencontrols[KURVENECKDATEN_ANZAHL];
int gKurvenPanel = 0;

namespace {

KurvenFensterAnpassen gFensterAnpassen = nullptr;
int gSpeicherfehlerIn = 0; // countdown of the simulated allocation failure, 0 = off

// Resizes with zero fill; false when the memory could not be had (the vector is then unchanged).
bool groesseSetzen(std::vector<int32_t>& werte, int n) {
    if (n < 0) return false;
    if (static_cast<std::size_t>(n) > werte.capacity() && gSpeicherfehlerIn > 0 && --gSpeicherfehlerIn == 0)
        return false;
    try {
        werte.resize(static_cast<std::size_t>(n), 0);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    return true;
}

} // namespace

void Kurvenarrays_SpeicherfehlerSimulieren(int n) {
    gSpeicherfehlerIn = n > 0 ? n : 0;
}

Fehlercode Kurvenarrays_Initialisieren() {
    for (auto& kurve : gKurven) {
        std::vector<int32_t> neu;
        if (!groesseSetzen(neu, 1)) return FEHLER_KURVEN_SPEICHER_INIT;
        kurve.values = std::move(neu);
        kurve.count = 1;
    }
    for (auto& kurve : gKurven) {
        if (const Fehlercode f = Kurvenarray_LaengeAendern(kurve, KURVEN_SCHRITTE_START); f != KEIN_FEHLER)
            return f;
    }
    static constexpr int32_t start[KURVENECKDATEN_ANZAHL] = {
        0, 0, 0, 0, 0, 0, 0, 0, 1, 0, KURVEN_SCHRITTE_START};
    static constexpr int controls[KURVENECKDATEN_ANZAHL] = {
        KURVPANEL_DRUCKHIGH1CHECK,  KURVPANEL_DRUCKHIGH2CHECK, KURVPANEL_DRUCKLOW1CHECK,
        KURVPANEL_DRUCKLOW2CHECK,   KURVPANEL_DRUCKHIGH1,      KURVPANEL_DRUCKHIGH2,
        KURVPANEL_DRUCKLOW1,        KURVPANEL_DRUCKLOW2,       KURVPANEL_ZYKLEN,
        KURVPANEL_ZYKLENUNBEGRENZT, KURVPANEL_ANZAHLSCHRITTE};
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i) {
        gKurveneckdaten[i] = start[i];
        gKurvencontrols[i] = controls[i];
    }
    return KEIN_FEHLER;
}

Fehlercode Kurvenarray_LaengeAendern(Kurvenarray& kurve, int n) {
    if (!groesseSetzen(kurve.values, n)) return FEHLER_KURVEN_SPEICHER_LAENGE;
    kurve.count = n;
    return KEIN_FEHLER;
}

Fehlercode Kurvenarrays_AlleLaengenAendern(int n) {
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        const int alt = gKurven[k].count;
        if (const Fehlercode f = Kurvenarray_LaengeAendern(gKurven[k], n); f != KEIN_FEHLER) {
            // Only growing can fail, so the channels before this one shrink back without allocating.
            for (int j = 0; j < k; ++j) {
                gKurven[j].values.resize(static_cast<std::size_t>(alt));
                gKurven[j].count = alt;
            }
            return f;
        }
    }
    return KEIN_FEHLER;
}

void Kurvenarrays_Freigeben() {
    for (auto& kurve : gKurven) {
        std::vector<int32_t>().swap(kurve.values);
        kurve.count = 0;
    }
}

void Kurven_FensterAnpassenSetzen(KurvenFensterAnpassen fn) {
    gFensterAnpassen = fn;
}

Fehlercode Kurven_KurvenlaengenAendern(int n) {
    if (n < KURVEN_SCHRITTE_MIN) n = KURVEN_SCHRITTE_MIN;
    if (n > KURVEN_SCHRITTE_MAX) n = KURVEN_SCHRITTE_MAX;
    if (const Fehlercode f = Kurvenarrays_AlleLaengenAendern(n); f != KEIN_FEHLER) {
        // The curves kept their length; the step count the caller stored must say the same.
        gKurveneckdaten[KE_ANZAHLSCHRITTE] = gKurven[0].count;
        return f;
    }
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = n;
    if (gFensterAnpassen) gFensterAnpassen(n);
    return KEIN_FEHLER;
}
