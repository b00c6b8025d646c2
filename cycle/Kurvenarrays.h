#pragma once
// The one cycle held in memory: 13 curves of equal length (pumps 1, 2, valves 1..11) and the cycle's
// key data words; the only place that changes the cycle's length.

#include "errors/VKR_Fehlercodes.h"
#include "valves/Ventilarten.h"

#include <cstdint>
#include <vector>

constexpr int KURVEN_ANZAHL = 13;
constexpr int KURVENECKDATEN_ANZAHL = 11;
constexpr int KURVEN_PUMPEN = 2;
constexpr int KURVEN_SCHRITTE_MIN = 1;
constexpr int KURVEN_SCHRITTE_MAX = 600;
constexpr int KURVEN_SCHRITTE_START = 10;
// Runs of a limited cycle: the unit counts them in 16 bits and takes 0 as "without end".
constexpr int32_t KURVEN_ZYKLEN_MIN = 1;
constexpr int32_t KURVEN_ZYKLEN_MAX = 65535;

// One curve: the channel's value in step 0 .. count-1. `values.size() == count` always holds.
struct Kurvenarray {
    int32_t count = 0;
    std::vector<int32_t> values;
};

// Index of each key data word; also their order in the *.plk file.
enum Kurveneckdatum : int {
    KE_DRUCKHIGH1CHECK = 0,
    KE_DRUCKHIGH2CHECK = 1,
    KE_DRUCKLOW1CHECK = 2,
    KE_DRUCKLOW2CHECK = 3,
    KE_DRUCKHIGH1 = 4,
    KE_DRUCKHIGH2 = 5,
    KE_DRUCKLOW1 = 6,
    KE_DRUCKLOW2 = 7,
    KE_ZYKLEN = 8,
    KE_ZYKLENUNBEGRENZT = 9,
    KE_ANZAHLSCHRITTE = 10,
};

extern Kurvenarray gKurven[KURVEN_ANZAHL];
extern int32_t gKurveneckdaten[KURVENECKDATEN_ANZAHL];
// Control identifier on KURVPANEL of each key data word, same order as gKurveneckdaten.
extern int gKurvencontrols[KURVENECKDATEN_ANZAHL];

// Panel handle of the curve window; 0 while there is no window. Set by the window.
extern int gKurvenPanel;

// Fresh arrays of 10 zeros, initial key data, gKurvencontrols filled. Does not free earlier arrays.
[[nodiscard]] Fehlercode Kurvenarrays_Initialisieren();
// Resizes one curve to n values (new values 0); on failure the curve is unchanged (-600462).
[[nodiscard]] Fehlercode Kurvenarray_LaengeAendern(Kurvenarray& kurve, int n);
// Resizes channels 0..12 in order. If one fails, the curves already resized return to their earlier
// length, so the 13 curves always share one length; the failure code is returned.
[[nodiscard]] Fehlercode Kurvenarrays_AlleLaengenAendern(int n);
// Releases the 13 arrays: count 0, no values.
void Kurvenarrays_Freigeben();

// Tests: the n-th allocation from now on (1 = the next) fails as if memory ran out; 0 switches it off.
void Kurvenarrays_SpeicherfehlerSimulieren(int n);

// The one operation that changes the cycle's length: clamps n to 1..600, resizes every curve, sets
// ANZAHLSCHRITTE and lets the window (when there is one) adjust scroll bar, control and canvases.
[[nodiscard]] Fehlercode Kurven_KurvenlaengenAendern(int n);

// The window registers what it adjusts after a length change (scroll bar, ANZAHLSCHRITTE control,
// canvases); nullptr when there is no window.
using KurvenFensterAnpassen = void (*)(int n);
void Kurven_FensterAnpassenSetzen(KurvenFensterAnpassen fn);

// Channel kinds: 0, 1 pumps 1, 2; 2..12 valves 1..11.
constexpr bool Kurvenarrays_IstVentilkanal(int kanal) {
    return kanal >= KURVEN_PUMPEN && kanal < KURVEN_ANZAHL;
}
constexpr bool Kurvenarrays_IstPumpenkanal(int kanal) {
    return kanal >= 0 && kanal < KURVEN_PUMPEN;
}
// Valve number 1..11 of a valve channel, pump number 1..2 of a pump channel, 0 otherwise.
constexpr int Kurvenarrays_VentilNummer(int kanal) {
    return Kurvenarrays_IstVentilkanal(kanal) ? kanal - 1 : 0;
}
constexpr int Kurvenarrays_PumpenNummer(int kanal) {
    return Kurvenarrays_IstPumpenkanal(kanal) ? kanal + 1 : 0;
}
// Channel of valve 1..11 / pump 1..2.
constexpr int Kurvenarrays_VentilKanal(int ventil) {
    return ventil + 1;
}
constexpr int Kurvenarrays_PumpenKanal(int pumpe) {
    return pumpe - 1;
}
