// Decodes arbitrary key memory (180 bytes and two bytes of valve kinds) and sends every decoded key back
// through the encoder: valid blocks must decode to keys whose re-encoded blocks pass the checksum again.

#include "keys/Tasten_Block.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < TASTENSPEICHER_GROESSE) return 0;
    Ventilarten arten;
    for (int j = 0; j < ANZAHL_VENTILE; ++j) {
        const std::size_t i = TASTENSPEICHER_GROESSE + static_cast<std::size_t>(j);
        arten[j] = i < size ? data[i] % 3 : 2;
    }
    TastenTabelle tabelle{};
    const std::string meldung = TastenBlock_Dekodieren(data, arten, tabelle);
    if (meldung.size() > 9 * 30) std::abort();
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        unsigned char block[TASTENBLOCK_GROESSE];
        for (bool inv : {false, true}) {
            TastenBlock_Kodieren(tabelle[n], arten, inv, block);
            if (Speicherbild_Pruefsumme(block, BLOCK_CHECKSUMME) != (block[18] | (block[19] << 8)))
                std::abort();
        }
    }
    return 0;
}
