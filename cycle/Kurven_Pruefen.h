#pragma once
// Verified sending of the cycle: reads the unit's cycle memory back after an upload and compares it byte
// for byte with the images that were sent, plain and inverted copies.

#include "errors/VKR_Fehlercodes.h"

#include <string>

// Reads back head, records and their inverted copies and compares them with the images of the current
// cycle. *ersteAbweichung: the first differing unit address, -1 when everything matches.
[[nodiscard]] Fehlercode KurvenPruefen_Vergleichen(int* ersteAbweichung);
// Names a unit address of the cycle memory: "Adresse 0x0443 (Schritt 3)", with ", invertierte Kopie"
// for the second copy.
std::string KurvenPruefen_OrtBeschreiben(int adresse);
// Upload, then with `pruefen` the comparison. Failures and a difference (FEHLER_KURVEN_PRUEFUNG, with the
// place as the message's extra line) go to the error controls; a clean comparison shows "geprüft" there.
// Returns what the upload returns.
[[nodiscard]] Fehlercode KurvenPruefen_Plm1Upload(bool pruefen);
