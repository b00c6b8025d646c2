// Read-back comparison of the key memory, over the key blocks and the block transfers.

#include "keys/Tasten_Pruefen.h"
#include "platform/sprache/textmarke.h"

#include "device/Gemeinsam_Vergleich.h"
#include "keys/Tasten_Com.h"

#include <array>

Fehlercode TastenPruefen_Vergleichen(int* ersteAbweichung) {
    *ersteAbweichung = -1;
    std::array<unsigned char, TASTENSPEICHER_GROESSE> speicher{};
    for (const bool invertiert : {false, true}) {
        for (int n = 0; n < TASTEN_ANZAHL; ++n)
            TastenCom_BlockErstellen(n, invertiert, speicher.data() + n * TASTENBLOCK_GROESSE);
        const int adresse = invertiert ? TASTENSPEICHER_INVERTIERT_ADRESSE : TASTENSPEICHER_ADRESSE;
        if (const Fehlercode f = GemVergleich_KopieVergleichen(adresse, TASTENSPEICHER_GROESSE,
                                                               speicher.data(), invertiert, ersteAbweichung))
            return f;
        if (*ersteAbweichung >= 0) return KEIN_FEHLER;
    }
    return KEIN_FEHLER;
}

std::string TastenPruefen_OrtBeschreiben(int adresse) {
    const bool invertiert = adresse >= TASTENSPEICHER_INVERTIERT_ADRESSE;
    const int versatz = adresse - (invertiert ? TASTENSPEICHER_INVERTIERT_ADRESSE : TASTENSPEICHER_ADRESSE);
    return GemVergleich_OrtText(
        adresse, Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Taste %1"), versatz / TASTENBLOCK_GROESSE + 1),
        invertiert);
}

Fehlercode TastenPruefen_Plm1Upload(bool pruefen) {
    static constexpr GemVergleichAblauf ABLAUF{TastenCom_Plm1Upload, TastenPruefen_Vergleichen,
                                               TastenPruefen_OrtBeschreiben, FEHLER_TASTEN_PRUEFUNG};
    return GemVergleich_Plm1Upload(ABLAUF, pruefen);
}
