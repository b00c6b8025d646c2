// Ranges of the key fields: the check before an upload and the correction after a load.

#include "keys/Tasten_Bereich.h"
#include "platform/sprache/textmarke.h"

#include "errors/VKR_errorV3.h"

namespace {
constexpr const char* FELDNAMEN[TASTEN_FELDER] = {
    "VENTIL1",      "VENTIL2", "VENTIL3",  "VENTIL4",  "VENTIL5", "VENTIL6", "VENTIL7",
    "VENTIL8",      "VENTIL9", "VENTIL10", "VENTIL11", "PUMPE1",  "PUMPE2",  "DRUCK1CHECKB",
    "DRUCK2CHECKB", "DRUCK1",  "DRUCK2",   "ZEIT1",    "ZEIT2"};

// A pressure limit goes to the unit only while its check box is set; it keeps any number meanwhile.
bool wirdGesendet(const TastenEintrag& taste, int feld) {
    if (feld == TASTE_DRUCK1) return taste[TASTE_DRUCK1CHECKB] != 0;
    if (feld == TASTE_DRUCK2) return taste[TASTE_DRUCK2CHECKB] != 0;
    return true;
}
} // namespace

std::string TastenBereich_Ort(int taste, int feld) {
    return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Taste %1, %2"), taste + 1, FELDNAMEN[feld]);
}

Fehlercode TastenBereich_Pruefen(const TastenTabelle& tabelle) {
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k)
            if (wirdGesendet(tabelle[n], k) && !Wertebereich_Enthaelt(TastenBereich_Feld(k), tabelle[n][k])) {
                VKR_Fehleruserstring(
                    Wertebereich_Text(TastenBereich_Ort(n, k), tabelle[n][k], TastenBereich_Feld(k)).c_str());
                return FEHLER_TASTEN_WERT_BEREICH;
            }
    return KEIN_FEHLER;
}

std::string TastenBereich_Einpassen(TastenTabelle& tabelle) {
    std::string zeilen;
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k) {
            const int neu = Wertebereich_Einpassen(TastenBereich_Feld(k), tabelle[n][k]);
            if (neu == tabelle[n][k]) continue;
            zeilen += Wertebereich_AenderungText(TastenBereich_Ort(n, k), tabelle[n][k], neu) + "\n";
            tabelle[n][k] = neu;
        }
    return zeilen;
}
