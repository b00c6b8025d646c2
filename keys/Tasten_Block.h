#pragma once
// The unit's 20-byte key block: encoding one key (plain or inverted) and decoding the 180-byte key memory,
// given the valve kinds; no device, no window.

#include "device/Speicherbild.h"
#include "keys/Tastenarrays.h"

#include <string>

constexpr int TASTENBLOCK_GROESSE = 20;
constexpr int TASTENSPEICHER_GROESSE = TASTEN_ANZAHL * TASTENBLOCK_GROESSE; // 180
constexpr int TASTENSPEICHER_ADRESSE = 0x0000;
constexpr int TASTENSPEICHER_INVERTIERT_ADRESSE = 0x4000;

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

// Percent (any int) to the unit's setting: a key block saturates only at its 16-bit field (see PumpenFeld).
int TastenBlock_PumpeZuGeraet(int prozent);

void TastenBlock_Kodieren(const TastenEintrag& taste, const Ventilarten& arten, bool invertiert,
                          unsigned char* block);

// Decodes the 180 bytes of the plain key memory into `tabelle`. Keys with a bad checksum keep their record
// and get a line "Taste <n>: Speicher ungültig\n" in the returned text (empty when every key was valid).
std::string TastenBlock_Dekodieren(const unsigned char* speicher, const Ventilarten& arten,
                                   TastenTabelle& tabelle);
