// Feeds arbitrary bytes to the *.plt image check and decoder: a rejected image must leave the table alone,
// an accepted one must come back byte for byte from the table.

#include "keys/Tasten_Dateibild.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

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
    unsigned char bild[TASTENDATEI_GROESSE];
    TastenDatei_BildErstellen(tabelle, bild);
    if (std::memcmp(bild + 36, data + 36, TASTENDATEI_GROESSE - 36) != 0) std::abort();
    return 0;
}
