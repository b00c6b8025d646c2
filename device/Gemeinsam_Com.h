#pragma once
// Block transfers of unit memory of any size in pieces of at most 64 bytes, with a progress dialog, on the
// connection manager's open port and device address.

#include "errors/VKR_Fehlercodes.h"

[[nodiscard]] Fehlercode GemCom_SpeicherdatenVonPLM1Lesen(int startAddress, int size, unsigned char* buffer,
                                                          int showProgress);
[[nodiscard]] Fehlercode GemCom_SpeicherdatenZuPLM1Senden(int startAddress, int size,
                                                          const unsigned char* data, int fromPercent,
                                                          int toPercent);
