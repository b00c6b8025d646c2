// Read-back comparison of the key memory, over the key blocks and the block transfers.

#include "keys/Tasten_Pruefen.h"

#include "device/Gemeinsam_Com.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/Vkr_Com.h"
#include "keys/Tasten_Com.h"

#include <array>
#include <cstdio>

namespace {

constexpr int PROZENT_HAELFTE = 50;

} // namespace

Fehlercode TastenPruefen_Vergleichen(int* ersteAbweichung) {
    *ersteAbweichung = -1;
    std::array<unsigned char, TASTENSPEICHER_GROESSE> speicher{};
    // The same halves of the dialog as the upload: plain copy to 50 percent, inverted copy to 100.
    for (const bool invertiert : {false, true}) {
        for (int n = 0; n < TASTEN_ANZAHL; ++n)
            TastenCom_BlockErstellen(n, invertiert, speicher.data() + n * TASTENBLOCK_GROESSE);
        const int adresse = invertiert ? TASTENSPEICHER_INVERTIERT_ADRESSE : TASTENSPEICHER_ADRESSE;
        const int von = invertiert ? PROZENT_HAELFTE : 0;
        if (const Fehlercode f =
                GemCom_SpeicherdatenMitPLM1Vergleichen(adresse, TASTENSPEICHER_GROESSE, speicher.data(), von,
                                                       von + PROZENT_HAELFTE, ersteAbweichung))
            return f;
        if (*ersteAbweichung >= 0) return KEIN_FEHLER;
    }
    return KEIN_FEHLER;
}

std::string TastenPruefen_OrtBeschreiben(int adresse) {
    const bool invertiert = adresse >= TASTENSPEICHER_INVERTIERT_ADRESSE;
    const int versatz = adresse - (invertiert ? TASTENSPEICHER_INVERTIERT_ADRESSE : TASTENSPEICHER_ADRESSE);
    char text[80];
    std::snprintf(text, sizeof text, "Adresse 0x%04X (Taste %d%s)", adresse,
                  versatz / TASTENBLOCK_GROESSE + 1, invertiert ? ", invertierte Kopie" : "");
    return text;
}

Fehlercode TastenPruefen_Plm1Upload(bool pruefen) {
    const Fehlercode ergebnis = TastenCom_Plm1Upload();
    if (ergebnis != KEIN_FEHLER || VkrCom_LetzterFehlerGet() != KEIN_FEHLER || !pruefen) return ergebnis;
    int abweichung = -1;
    if (const Fehlercode f = TastenPruefen_Vergleichen(&abweichung)) {
        VkrCom_FehlermeldungSet(f);
        return KEIN_FEHLER;
    }
    if (abweichung < 0) {
        VkrCom_StatusSet(GEMPRUEFEN_STATUS);
        return KEIN_FEHLER;
    }
    const std::string ort = "Prüfung: Abweichung bei " + TastenPruefen_OrtBeschreiben(abweichung);
    VkrCom_FehlermeldungMitZusatzSet(FEHLER_TASTEN_PRUEFUNG, ort.c_str());
    return KEIN_FEHLER;
}
