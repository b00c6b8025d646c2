#pragma once
// The 720-byte image of a *.plt key file: building it from a key table and checking and decoding it,
// without touching files or windows (used by the file module, the command line and the fuzzer).

#include "errors/VKR_Fehlercodes.h"
#include "keys/Tastenarrays.h"

#include <cstddef>

constexpr int TASTENDATEI_GROESSE = 720;
constexpr const char* TASTENDATEI_ART = "Tasten"; // tag "VKRPLM1 Tasten"
constexpr int TASTENDATEI_VERSION = 1;

void TastenDatei_BildErstellen(const TastenTabelle& tabelle, unsigned char* bild);

// Checks an image of `laenge` bytes (only the first 720 count) and decodes it into `ziel`. On a rejected
// image `ziel` is left alone and the code is returned: -304525 too short, -302526 wrong tag, -303527 wrong
// version (with the extra text "V <found> (erwartet V 1)").
[[nodiscard]] Fehlercode TastenDatei_BildAuswerten(const unsigned char* bild, std::size_t laenge,
                                                   TastenTabelle& ziel);
