#pragma once
// Verified sending of the key table: reads the key memory back after an upload and compares it byte for
// byte with the blocks that were sent, plain and inverted copies.

#include "errors/VKR_Fehlercodes.h"

#include <string>

// Reads back both copies of the key memory and compares them with the blocks of gTaste.
// *ersteAbweichung: the first differing unit address, -1 when everything matches.
[[nodiscard]] Fehlercode TastenPruefen_Vergleichen(int* ersteAbweichung);
// Names a unit address of the key memory: "Adresse 0x0015 (Taste 2)", with ", invertierte Kopie" for the
// second copy.
std::string TastenPruefen_OrtBeschreiben(int adresse);
// Upload, then with `pruefen` the comparison. Failures and a difference (FEHLER_TASTEN_PRUEFUNG, with the
// place as the message's extra line) go to the error controls; a clean comparison shows "geprüft" there.
// Returns what the upload returns.
[[nodiscard]] Fehlercode TastenPruefen_Plm1Upload(bool pruefen);
