// Verified sending: upload, read-back comparison of each copy and the report in the error controls.

#include "device/Gemeinsam_Vergleich.h"
#include "platform/sprache/textmarke.h"

#include "device/Gemeinsam_Com.h"
#include "device/Vkr_Com.h"

#include <cstdio>

namespace {
constexpr int PROZENT_HAELFTE = 50;
} // namespace

Fehlercode GemVergleich_KopieVergleichen(int adresse, int groesse, const unsigned char* daten,
                                         bool invertiert, int* ersteAbweichung) {
    const int von = invertiert ? PROZENT_HAELFTE : 0;
    return GemCom_SpeicherdatenMitPLM1Vergleichen(adresse, groesse, daten, von, von + PROZENT_HAELFTE,
                                                  ersteAbweichung);
}

std::string GemVergleich_OrtText(int adresse, const std::string& teil, bool invertiert) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(adresse));
    return Textmarke_Satz(invertiert ? QT_TRANSLATE_NOOP("Plm1", "Adresse %1 (%2, invertierte Kopie)")
                                     : QT_TRANSLATE_NOOP("Plm1", "Adresse %1 (%2)"),
                          hex, teil);
}

Fehlercode GemVergleich_Plm1Upload(const GemVergleichAblauf& ablauf, bool pruefen) {
    const Fehlercode ergebnis = ablauf.senden();
    if (ergebnis != KEIN_FEHLER || VkrCom_LetzterFehlerGet() != KEIN_FEHLER || !pruefen) return ergebnis;
    int abweichung = -1;
    if (const Fehlercode f = ablauf.vergleichen(&abweichung)) {
        VkrCom_FehlermeldungSet(f);
        return KEIN_FEHLER;
    }
    if (abweichung < 0) {
        VkrCom_StatusSet(GEMPRUEFEN_STATUS);
        return KEIN_FEHLER;
    }
    const std::string ort = Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Prüfung: Abweichung bei %1"),
                                           ablauf.ortBeschreiben(abweichung));
    VkrCom_FehlermeldungMitZusatzSet(ablauf.abweichung, ort.c_str());
    return KEIN_FEHLER;
}
