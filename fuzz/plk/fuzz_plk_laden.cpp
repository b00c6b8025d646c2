// Any bytes as a *.plk file: decoding never misbehaves, and what it accepts encodes back to the same cycle.

#include "cycle/Kurven_Datei.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    KurvenDateiInhalt inhalt;
    if (KurvenDatei_BildAuswerten(data, size, inhalt) != KEIN_FEHLER) return 0;
    const int32_t n = inhalt.eckdaten[KE_ANZAHLSCHRITTE];
    if (n < KURVEN_SCHRITTE_MIN || n > KURVEN_SCHRITTE_MAX) std::abort();
    Kurvenarray kurven[KURVEN_ANZAHL];
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        if (inhalt.werte[k].size() != static_cast<size_t>(n)) std::abort();
        kurven[k].values = inhalt.werte[k];
        kurven[k].count = n;
    }
    const auto bild = KurvenDatei_BildErstellen(inhalt.eckdaten, kurven);
    if (bild.size() != static_cast<size_t>(KurvenDatei_Groesse(n))) std::abort();
    KurvenDateiInhalt wieder;
    if (KurvenDatei_BildAuswerten(bild.data(), bild.size(), wieder) != KEIN_FEHLER) std::abort();
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        if (wieder.eckdaten[i] != inhalt.eckdaten[i]) std::abort();
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        if (wieder.werte[k] != inhalt.werte[k]) std::abort();
    return 0;
}
