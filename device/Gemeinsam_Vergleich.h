#pragma once
// Verified sending without windows: an upload, then the read-back comparison of what was sent, and the
// report of its result in the error controls; shared by the key table and the cycle.

#include "errors/VKR_Fehlercodes.h"
#include "platform/sprache/textmarke.h"

#include <string>

// The result of a clean comparison, in the error controls, the summaries and the command line.
constexpr const char* GEMPRUEFEN_STATUS = QT_TRANSLATE_NOOP("Plm1", "geprüft");

// One copy of an image against the unit's memory on the upload's halves of the progress dialog: the plain
// copy up to 50 percent, the inverted copy from 50 to 100. *ersteAbweichung as GemCom's comparison.
[[nodiscard]] Fehlercode GemVergleich_KopieVergleichen(int adresse, int groesse, const unsigned char* daten,
                                                       bool invertiert, int* ersteAbweichung);

// "Adresse 0x0443 (Schritt 3)": a unit address and the part it belongs to, with ", invertierte Kopie" for
// the second copy.
std::string GemVergleich_OrtText(int adresse, const std::string& teil, bool invertiert);

// What differs between the key table and the cycle.
struct GemVergleichAblauf {
    Fehlercode (*senden)();
    Fehlercode (*vergleichen)(int* ersteAbweichung);
    std::string (*ortBeschreiben)(int adresse);
    Fehlercode abweichung; // the code a difference is reported with
};
// Upload, then with `pruefen` the comparison. Failures and a difference (with the place as the message's
// extra line) go to the error controls; a clean comparison shows "geprüft" there. Returns what the upload
// returns.
[[nodiscard]] Fehlercode GemVergleich_Plm1Upload(const GemVergleichAblauf& ablauf, bool pruefen);
