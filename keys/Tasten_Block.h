#pragma once
// The unit's 20-byte key block: encoding one key (plain or inverted) and decoding the 180-byte key memory,
// given the valve kinds; no device, no window.

#include "keys/Tastenarrays.h"

#include <string>

constexpr int TASTENBLOCK_GROESSE = 20;
constexpr int TASTENSPEICHER_GROESSE = TASTEN_ANZAHL * TASTENBLOCK_GROESSE; // 180
constexpr int TASTENSPEICHER_ADRESSE = 0x0000;
constexpr int TASTENSPEICHER_INVERTIERT_ADRESSE = 0x4000;
constexpr int PUMPE_GERAET_MAX = 255;    // unit's pump setting for 100 %
constexpr int DRUCK_KEINE_GRENZE = 2000; // upper field 2000 / lower field -2000: no limit

// Byte offsets within a block.
enum TastenBlockOffset : int {
    BLOCK_VENTILE = 0,
    BLOCK_PUMPE1 = 2,
    BLOCK_PUMPE2 = 4,
    BLOCK_DRUCK1_OBEN = 6,
    BLOCK_DRUCK1_UNTEN = 8,
    BLOCK_DRUCK2_OBEN = 10,
    BLOCK_DRUCK2_UNTEN = 12,
    BLOCK_ZEIT1 = 14,
    BLOCK_ZEIT2 = 16,
    BLOCK_CHECKSUMME = 18,
};

// Valve kinds of valves 1..11 (0 n.v., 1 NO, 2 NC).
using Ventilarten = int[TASTEN_VENTILE];

// 1 + the sum of the first 18 bytes, kept to 16 bits.
int TastenBlock_Checksumme(const unsigned char* block);

// Percent (any int) to the unit's setting, rounded half away from zero; settings beyond the 16-bit field
// saturate at -32768 / 32767 instead of wrapping around to the other sign.
int TastenBlock_PumpeZuGeraet(int prozent);
// The unit's setting back to percent, rounded half away from zero.
int TastenBlock_PumpeVonGeraet(int roh);

void TastenBlock_Kodieren(const TastenEintrag& taste, const Ventilarten& arten, bool invertiert,
                          unsigned char* block);

// Decodes the 180 bytes of the plain key memory into `tabelle`. Keys with a bad checksum keep their record
// and get a line "Taste <n>: Speicher ungültig\n" in the returned text (empty when every key was valid).
std::string TastenBlock_Dekodieren(const unsigned char* speicher, const Ventilarten& arten,
                                   TastenTabelle& tabelle);
