#pragma once
// Single parameter reads of the direct-operation module with scratch room for the outputs a word leaves
// alone (internal to direct/).

#include "errors/VKR_Fehlercodes.h"

namespace direkt_detail {
[[nodiscard]] Fehlercode realLesen(int port, char adresse, const char* wort, double* ziel);
[[nodiscard]] Fehlercode ganzzahlLesen(int port, char adresse, const char* wort, int* ziel);
} // namespace direkt_detail
