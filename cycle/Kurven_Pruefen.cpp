// Read-back comparison of the cycle memory, over the cycle images and the block transfers.

#include "cycle/Kurven_Pruefen.h"

#include "cycle/Kurven_Com.h"
#include "device/Gemeinsam_Vergleich.h"

#include <new>
#include <vector>

namespace {

struct Bereich {
    int adresse;
    bool invertiert;
};
constexpr Bereich KOEPFE[] = {{KURVENCOM_ADRESSE_KOPF, false}, {KURVENCOM_ADRESSE_KOPF_INVERTIERT, true}};
constexpr Bereich PUNKTE[] = {{KURVENCOM_ADRESSE_PUNKTE, false}, {KURVENCOM_ADRESSE_PUNKTE_INVERTIERT, true}};

} // namespace

Fehlercode KurvenPruefen_Vergleichen(int* ersteAbweichung) {
    *ersteAbweichung = -1;
    std::vector<unsigned char> kopf, punkte;
    try {
        kopf.resize(KURVENCOM_KOPFGROESSE);
        punkte.resize(static_cast<std::size_t>(KURVENCOM_SATZGROESSE) * KURVEN_SCHRITTE_MAX);
    } catch (const std::bad_alloc&) {
        return FEHLER_BLOCK_PRUEFEN_PUFFER;
    }
    for (const Bereich& b : KOEPFE) {
        KurvenCom_KopfErstellen(kopf.data(), b.invertiert);
        if (const Fehlercode f = GemVergleich_KopieVergleichen(b.adresse, KURVENCOM_KOPFGROESSE, kopf.data(),
                                                               b.invertiert, ersteAbweichung))
            return f;
        if (*ersteAbweichung >= 0) return KEIN_FEHLER;
    }
    for (const Bereich& b : PUNKTE) {
        const int groesse = KURVENCOM_SATZGROESSE * KurvenCom_PunkteErstellen(punkte.data(), b.invertiert);
        if (const Fehlercode f = GemVergleich_KopieVergleichen(b.adresse, groesse, punkte.data(),
                                                               b.invertiert, ersteAbweichung))
            return f;
        if (*ersteAbweichung >= 0) return KEIN_FEHLER;
    }
    return KEIN_FEHLER;
}

std::string KurvenPruefen_OrtBeschreiben(int adresse) {
    const bool invertiert = adresse >= KURVENCOM_ADRESSE_KOPF_INVERTIERT;
    const int schlicht =
        invertiert ? adresse - (KURVENCOM_ADRESSE_KOPF_INVERTIERT - KURVENCOM_ADRESSE_KOPF) : adresse;
    const std::string teil =
        schlicht >= KURVENCOM_ADRESSE_PUNKTE
            ? "Schritt " + std::to_string((schlicht - KURVENCOM_ADRESSE_PUNKTE) / KURVENCOM_SATZGROESSE + 1)
            : "Kopf";
    return GemVergleich_OrtText(adresse, teil, invertiert);
}

Fehlercode KurvenPruefen_Plm1Upload(bool pruefen) {
    static constexpr GemVergleichAblauf ABLAUF{KurvenCom_Plm1Upload, KurvenPruefen_Vergleichen,
                                               KurvenPruefen_OrtBeschreiben, FEHLER_KURVEN_PRUEFUNG};
    return GemVergleich_Plm1Upload(ABLAUF, pruefen);
}
