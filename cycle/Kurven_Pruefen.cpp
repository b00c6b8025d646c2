// Read-back comparison of the cycle memory, over the cycle images and the block transfers.

#include "cycle/Kurven_Pruefen.h"

#include "cycle/Kurven_Com.h"
#include "device/Gemeinsam_Com.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/Vkr_Com.h"

#include <cstdio>
#include <new>
#include <vector>

namespace {

struct Bereich {
    int adresse;
    int invertiert;
};
constexpr Bereich KOEPFE[] = {{KURVENCOM_ADRESSE_KOPF, 0}, {KURVENCOM_ADRESSE_KOPF_INVERTIERT, 1}};
constexpr Bereich PUNKTE[] = {{KURVENCOM_ADRESSE_PUNKTE, 0}, {KURVENCOM_ADRESSE_PUNKTE_INVERTIERT, 1}};
constexpr int PROZENT_HAELFTE = 50;

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
    // The same halves of the dialog as the upload: plain copy to 50 percent, inverted copy to 100.
    for (const Bereich& b : KOEPFE) {
        KurvenCom_KopfErstellen(kopf.data(), b.invertiert);
        const int von = b.invertiert ? PROZENT_HAELFTE : 0;
        if (const Fehlercode f = GemCom_SpeicherdatenMitPLM1Vergleichen(
                b.adresse, KURVENCOM_KOPFGROESSE, kopf.data(), von, von + PROZENT_HAELFTE, ersteAbweichung))
            return f;
        if (*ersteAbweichung >= 0) return KEIN_FEHLER;
    }
    for (const Bereich& b : PUNKTE) {
        const int groesse = KURVENCOM_SATZGROESSE * KurvenCom_PunkteErstellen(punkte.data(), b.invertiert);
        const int von = b.invertiert ? PROZENT_HAELFTE : 0;
        if (const Fehlercode f = GemCom_SpeicherdatenMitPLM1Vergleichen(
                b.adresse, groesse, punkte.data(), von, von + PROZENT_HAELFTE, ersteAbweichung))
            return f;
        if (*ersteAbweichung >= 0) return KEIN_FEHLER;
    }
    return KEIN_FEHLER;
}

std::string KurvenPruefen_OrtBeschreiben(int adresse) {
    const bool invertiert = adresse >= KURVENCOM_ADRESSE_KOPF_INVERTIERT;
    const int schlicht =
        invertiert ? adresse - (KURVENCOM_ADRESSE_KOPF_INVERTIERT - KURVENCOM_ADRESSE_KOPF) : adresse;
    char text[96];
    const char* kopie = invertiert ? ", invertierte Kopie" : "";
    if (schlicht >= KURVENCOM_ADRESSE_PUNKTE)
        std::snprintf(text, sizeof text, "Adresse 0x%04X (Schritt %d%s)", adresse,
                      (schlicht - KURVENCOM_ADRESSE_PUNKTE) / KURVENCOM_SATZGROESSE + 1, kopie);
    else
        std::snprintf(text, sizeof text, "Adresse 0x%04X (Kopf%s)", adresse, kopie);
    return text;
}

Fehlercode KurvenPruefen_Plm1Upload(bool pruefen) {
    const Fehlercode ergebnis = KurvenCom_Plm1Upload();
    if (ergebnis != KEIN_FEHLER || VkrCom_LetzterFehlerGet() != KEIN_FEHLER || !pruefen) return ergebnis;
    int abweichung = -1;
    if (const Fehlercode f = KurvenPruefen_Vergleichen(&abweichung)) {
        VkrCom_FehlermeldungSet(f);
        return KEIN_FEHLER;
    }
    if (abweichung < 0) {
        VkrCom_StatusSet(GEMPRUEFEN_STATUS);
        return KEIN_FEHLER;
    }
    const std::string ort = "Prüfung: Abweichung bei " + KurvenPruefen_OrtBeschreiben(abweichung);
    VkrCom_FehlermeldungMitZusatzSet(FEHLER_KURVEN_PRUEFUNG, ort.c_str());
    return KEIN_FEHLER;
}
