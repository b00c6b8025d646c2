#pragma once
// Rules of the unit's memory images that the key blocks and the cycle records share: check sum, inverted
// copy, pump scaling and the "no limit" values. No Qt, no device: the simulated unit reads images with it.

#include "valves/Ventilarten.h"

#include <cstdint>

constexpr int SPEICHERBILD_PUMPE_VOLL = 255;    // the unit's pump setting for 100 percent
constexpr int SPEICHERBILD_KEINE_GRENZE = 2000; // upper field 2000 / lower field -2000: no pressure limit
constexpr int PUMPE_ANLAUF_PROZENT = 30;        // smallest setting at which a pump runs (either way)
constexpr int PUMPE_MAX_PROZENT = 100;

// 1 + the sum of the first `nutzbytes` bytes, kept to 16 bits; it is stored little-endian right after them.
int Speicherbild_Pruefsumme(const unsigned char* bild, int nutzbytes);
void Speicherbild_PruefsummeSetzen(unsigned char* bild, int nutzbytes);
bool Speicherbild_PruefsummeStimmt(const unsigned char* bild, int nutzbytes);
// The inverted copy the unit keeps of every image: each byte complemented (the check sum is then taken
// over the inverted bytes).
void Speicherbild_Invertieren(unsigned char* bild, int nutzbytes);

// How a pump setting beyond the unit's full scale is stored. Here the two images truly differ: a cycle
// record holds at most full scale (-255..255); a key block keeps whatever its signed 16-bit field holds
// and saturates only there (-32768..32767), never wrapping to the other sign.
enum class PumpenFeld { Zyklus, Taste };
// Percent to the unit's setting (percent * 255 / 100), rounded half away from zero, then kept to the
// field's range.
int Speicherbild_PumpeZuGeraet(std::int64_t prozent, PumpenFeld feld);
// A setting read from a 16-bit field back to percent, rounded half away from zero (the same for both).
int Speicherbild_PumpeVonGeraet(int roh);

// A pump runs at 0 or at 30..100 percent either way: rounds v to tens (halves away from zero), clamps it
// to -100..100, and moves a value in the dead band up to 30 (coming from below) or down to 0 (coming from
// above); vorher is the value before.
int Speicherbild_PumpenwertKorrigieren(int v, int vorher);

// The pressure-limit fields: the limit when its check word is set, else the "no limit" value; and whether
// a field read back holds a limit.
int Speicherbild_ObereGrenze(int gesetzt, int druck);
int Speicherbild_UntereGrenze(int gesetzt, int druck);
constexpr bool Speicherbild_ObereGrenzeGesetzt(int feld) {
    return feld < SPEICHERBILD_KEINE_GRENZE;
}
constexpr bool Speicherbild_UntereGrenzeGesetzt(int feld) {
    return feld > -SPEICHERBILD_KEINE_GRENZE;
}

// The valve word: bit i holds the coil state of valve i+1 for the opening offen[i] under its kind; and back.
int Speicherbild_VentilwortKodieren(const int offen[ANZAHL_VENTILE], const Ventilarten& arten);
void Speicherbild_VentilwortDekodieren(int wort, const Ventilarten& arten, int offen[ANZAHL_VENTILE]);
