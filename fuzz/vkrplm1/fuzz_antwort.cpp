// Feeds arbitrary reply lines to the PLM-1 reply decoding. The first byte chooses the decoder and its
// parameters; the rest is the reply, copied to a buffer of exactly its size so overreads are caught.

#include "device/vkrplm1_antwort.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* BEFEHLE[] = {"#1P1R", "#1U1R", "#1V2R", "#1VgR", "#1S1R", "#1V0R", "#aD2R", "#fT1R"};
constexpr VKRPLM1_Werttyp TYPEN[] = {
    VKRPLM1_Werttyp::Reell, VKRPLM1_Werttyp::Reell, VKRPLM1_Werttyp::Dezimal, VKRPLM1_Werttyp::Dezimal,
    VKRPLM1_Werttyp::Hex,   VKRPLM1_Werttyp::Hex,   VKRPLM1_Werttyp::Reell,   VKRPLM1_Werttyp::Reell};

void pruefen(bool bedingung) {
    if (!bedingung) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1) return 0;
    const std::uint8_t wahl = daten[0];
    std::vector<char> antwort(daten + 1, daten + groesse);
    const char* a = antwort.empty() ? nullptr : antwort.data();
    const std::size_t n = antwort.size();
    switch (wahl % 3) {
    case 0: {
        char id[VKRPLM1_ID_LAENGE + 8];
        std::memset(id, 0x55, sizeof id);
        const char adresse = (wahl & 0x80) ? 'a' : '1';
        if (VKRPLM1_IDAntwortAuswerten(a, n, adresse, id) == KEIN_FEHLER) {
            pruefen(std::memchr(id, '\0', VKRPLM1_ID_LAENGE) != nullptr);
            pruefen(static_cast<unsigned char>(id[VKRPLM1_ID_LAENGE]) == 0x55);
        }
        break;
    }
    case 1: {
        const int i = (wahl / 3) % 8;
        double reell = 0;
        int ganz = 0;
        (void)VKRPLM1_ParameterAntwortAuswerten(a, n, BEFEHLE[i], TYPEN[i], &reell, &ganz);
        break;
    }
    default: {
        // Mostly the size that fits the length, sometimes another one.
        int bytes = n >= 19 ? static_cast<int>((n - 19) / 2) : 0;
        if (wahl & 0x40) bytes += (wahl & 0x3) - 1;
        if (bytes < 0) bytes = 0;
        std::vector<unsigned char> puffer(static_cast<std::size_t>(bytes));
        const int start =
            n >= 10 ? static_cast<int>(std::strtol(std::string(a + 6, 4).c_str(), nullptr, 16)) : 0;
        const Fehlercode f = VKRPLM1_SpeicherAntwortAuswerten(a, n, '1', 4, start, bytes,
                                                              puffer.empty() ? nullptr : puffer.data());
        if (f == KEIN_FEHLER) pruefen(n == VKRPLM1_SpeicherAntwortLaenge(static_cast<std::size_t>(bytes)));
        break;
    }
    }
    return 0;
}
