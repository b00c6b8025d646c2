// Read-back comparison of the cycle memory, over the cycle images and the block transfers.

#include "cycle/Kurven_Pruefen.h"
#include "platform/sprache/textmarke.h"

#include "cycle/Kurven_Com.h"
#include "device/Gemeinsam_Vergleich.h"

#include <new>
#include <vector>

namespace {

struct Bereich {
    int adresse;
    bool invertiert;
};
constexpr Bereich KOEPFE[] = {{KURVENSATZ_ADRESSE_KOPF, false}, {KURVENSATZ_ADRESSE_KOPF_INVERTIERT, true}};
constexpr Bereich PUNKTE[] = {{KURVENSATZ_ADRESSE_SAETZE, false},
                              {KURVENSATZ_ADRESSE_SAETZE_INVERTIERT, true}};

} // namespace

Fehlercode KurvenPruefen_Vergleichen(int* ersteAbweichung) {
    *ersteAbweichung = -1;
    std::vector<unsigned char> kopf, punkte;
    try {
        kopf.resize(KURVENSATZ_KOPFGROESSE);
        punkte.resize(static_cast<std::size_t>(KURVENSATZ_SATZGROESSE) * KURVEN_SCHRITTE_MAX);
    } catch (const std::bad_alloc&) {
        return FEHLER_BLOCK_PRUEFEN_PUFFER;
    }
    for (const Bereich& b : KOEPFE) {
        KurvenCom_KopfErstellen(kopf.data(), b.invertiert);
        if (const Fehlercode f = GemVergleich_KopieVergleichen(b.adresse, KURVENSATZ_KOPFGROESSE, kopf.data(),
                                                               b.invertiert, ersteAbweichung))
            return f;
        if (*ersteAbweichung >= 0) return KEIN_FEHLER;
    }
    for (const Bereich& b : PUNKTE) {
        const int groesse = KURVENSATZ_SATZGROESSE * KurvenCom_PunkteErstellen(punkte.data(), b.invertiert);
        if (const Fehlercode f = GemVergleich_KopieVergleichen(b.adresse, groesse, punkte.data(),
                                                               b.invertiert, ersteAbweichung))
            return f;
        if (*ersteAbweichung >= 0) return KEIN_FEHLER;
    }
    return KEIN_FEHLER;
}

std::string KurvenPruefen_OrtBeschreiben(int adresse) {
    const bool invertiert = adresse >= KURVENSATZ_ADRESSE_KOPF_INVERTIERT;
    const int schlicht =
        invertiert ? adresse - (KURVENSATZ_ADRESSE_KOPF_INVERTIERT - KURVENSATZ_ADRESSE_KOPF) : adresse;
    const std::string teil =
        schlicht >= KURVENSATZ_ADRESSE_SAETZE
            ? Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Schritt %1"),
                             (schlicht - KURVENSATZ_ADRESSE_SAETZE) / KURVENSATZ_SATZGROESSE + 1)
            : Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Kopf"));
    return GemVergleich_OrtText(adresse, teil, invertiert);
}

Fehlercode KurvenPruefen_Plm1Upload(bool pruefen) {
    static constexpr GemVergleichAblauf ABLAUF{KurvenCom_Plm1Upload, KurvenPruefen_Vergleichen,
                                               KurvenPruefen_OrtBeschreiben, FEHLER_KURVEN_PRUEFUNG};
    return GemVergleich_Plm1Upload(ABLAUF, pruefen);
}
