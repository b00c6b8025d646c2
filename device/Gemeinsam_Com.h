#pragma once
// Block transfers of unit memory of any size in pieces of at most 64 bytes, with a progress dialog, on the
// connection manager's open port and device address.

#include "errors/VKR_Fehlercodes.h"

[[nodiscard]] Fehlercode GemCom_SpeicherdatenVonPLM1Lesen(int startAddress, int size, unsigned char* buffer,
                                                          int showProgress);
[[nodiscard]] Fehlercode GemCom_SpeicherdatenZuPLM1Senden(int startAddress, int size,
                                                          const unsigned char* data, int fromPercent,
                                                          int toPercent);
// Reads `size` bytes from the unit at `startAddress` under the "Daten prüfen" dialog (moving from
// fromPercent to toPercent) and compares them with `expected`. *firstDifference is the unit address of the
// first byte that differs, or -1 when all match; it is only meaningful when 0 is returned.
[[nodiscard]] Fehlercode GemCom_SpeicherdatenMitPLM1Vergleichen(int startAddress, int size,
                                                                const unsigned char* expected,
                                                                int fromPercent, int toPercent,
                                                                int* firstDifference);
// While `dialog` (> 0) is set, every transfer draws its progress into that dialog, within fromPercent to
// toPercent, instead of opening its own; 0 ends this.
void GemCom_SammeldialogSetzen(int dialog, int fromPercent, int toPercent);
