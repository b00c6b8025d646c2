// Feeds arbitrary bytes to the *.plt image check and decoder: a rejected image must leave the table alone,
// an accepted one must come back from the table: switches and check words as 0 or 1, the rest byte for byte.

#include "keys/Tasten_Dateibild.h"
#include "platform/files/le_bytes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
bool schalter(int feld) {
    return feld < TASTE_PUMPE1 || feld == TASTE_DRUCK1CHECKB || feld == TASTE_DRUCK2CHECKB;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TastenTabelle tabelle;
    for (auto& t : tabelle)
        t.fill(0x1234);
    const TastenTabelle vorher = tabelle;
    const Fehlercode code = TastenDatei_BildAuswerten(data, size, tabelle);
    if (code != 0) {
        if (tabelle != vorher) std::abort();
        return 0;
    }
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k) {
            const int gespeichert = le32_lesen(data + 36 + 4 * (TASTEN_FELDER * n + k));
            if (tabelle[n][k] != (schalter(k) ? (gespeichert != 0 ? 1 : 0) : gespeichert)) std::abort();
        }
    unsigned char bild[TASTENDATEI_GROESSE];
    TastenDatei_BildErstellen(tabelle, bild);
    TastenTabelle wieder;
    if (TastenDatei_BildAuswerten(bild, sizeof bild, wieder) != 0 || wieder != tabelle) std::abort();
    return 0;
}
