// Any bytes as the unit's cycle: 6 bytes of head, then step records. Decoding keeps the model's one
// common length and never misbehaves.

#include "cycle/Kurven_Com.h"
#include "platform/ui/ui_melden.h"
#include "valves/Konfigarray.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UI_MeldungsabfangSetzen([](const std::string&, const std::string&) {});
    if (Kurvenarrays_Initialisieren() != KEIN_FEHLER) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < KURVENSATZ_KOPFGROESSE + 1) return 0;
    // The first byte picks the valve kinds, two bits per valve (3 counts as "NC").
    for (int v = 0; v < ANZAHL_VENTILE; ++v)
        gKonfig[v] = ((data[0] >> (v % 4 * 2)) & 3) % 3;
    ++data;
    --size;
    if (KurvenCom_KopfAuswerten(data) == KEIN_FEHLER) {
        const size_t saetze = (size - KURVENSATZ_KOPFGROESSE) / KURVENSATZ_SATZGROESSE;
        (void)KurvenCom_PunkteAuswerten(data + KURVENSATZ_KOPFGROESSE,
                                        static_cast<int>(std::min<size_t>(saetze, KURVEN_SCHRITTE_MAX)));
    }
    const int32_t n = gKurveneckdaten[KE_ANZAHLSCHRITTE];
    for (const auto& k : gKurven)
        if (k.count != n || k.values.size() != static_cast<size_t>(n)) std::abort();
    // Encoding what was decoded stays within the buffer it is given.
    std::vector<unsigned char> bild(static_cast<size_t>(KURVENSATZ_SATZGROESSE) * static_cast<size_t>(n));
    if (KurvenCom_PunkteErstellen(bild.data(), data[0] & 1) != n) std::abort();
    return 0;
}
