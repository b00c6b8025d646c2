// Fuzzes the check and decoding of a *.plc image, and the round trip of what it accepts.

#include "errors/VKR_Fehlercodes.h"
#include "valves/Konfig_Datei.h"
#include "valves/Konfigarray.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    // A copy of exactly the input's size, so that any read past it is caught.
    const std::vector<unsigned char> bild(daten, daten + groesse);
    Ventilarten arten;
    const Fehlercode f = KonfigDatei_BildAuswerten(bild.data(), static_cast<int>(bild.size()), arten);
    if (f != KEIN_FEHLER) {
        if (f != FEHLER_KONFIGDATEI_ZU_KURZ && f != FEHLER_KONFIGDATEI_TYP && f != FEHLER_KONFIGDATEI_VERSION)
            std::abort();
        return 0;
    }
    Konfigarray_Initialisieren();
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        gKonfig[i] = arten[i];
    unsigned char neu[KONFIGDATEI_GROESSE];
    KonfigDatei_BildErstellen(neu);
    Ventilarten wieder;
    if (KonfigDatei_BildAuswerten(neu, KONFIGDATEI_GROESSE, wieder) != KEIN_FEHLER) std::abort();
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        if (wieder[i] != arten[i]) std::abort();
    return 0;
}
