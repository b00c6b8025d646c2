#pragma once
// Key transfer: sends gTaste into the unit's key memory (plain at 0x0000, inverted at 0x4000) and reads
// the plain copy back, over the connection manager's port and address.

#include "errors/VKR_Fehlercodes.h"
#include "keys/Tasten_Block.h"
#include "platform/sprache/textmarke.h"

constexpr const char* TASTEN_SPEICHERFEHLER_TITEL = QT_TRANSLATE_NOOP("Plm1", "Speicherfehler im PLM-1");
constexpr const char* TASTEN_SPEICHERFEHLER_SCHLUSS = QT_TRANSLATE_NOOP(
    "Plm1", "\nSpeicher im PLM-1 ist ungültig.\nSenden Sie die Tastenbelegung erneut zum PLM-1.");

// Encodes key n (0..8) of gTaste with the current valve configuration into a 20-byte block.
void TastenCom_BlockErstellen(int taste, bool invertiert, unsigned char* block);
// Decodes the 180 bytes of the key memory into gTaste; keys with a bad checksum stay unchanged and are
// named in the popup "Speicherfehler im PLM-1".
void TastenCom_BlockAuswerten(const unsigned char* speicher);

// Transfer errors go to the error controls of every window (VkrCom_FehlermeldungSet); the result is
// non-zero only when the work buffer is not available.
[[nodiscard]] Fehlercode TastenCom_Plm1Upload();
[[nodiscard]] Fehlercode TastenCom_Plm1Download();
