// The *.plt image: header, then 9 records of 19 signed 32-bit little-endian values.

#include "keys/Tasten_Dateibild.h"

#include "platform/files/Datei_Kopf.h"
#include "platform/files/le_bytes.h"

namespace {
constexpr int RECORD_GROESSE = 4 * TASTEN_FELDER;
// Valve switches and the check words of the pressure limits: 0 or 1 in the table.
bool schalter(int feld) {
    return (feld >= TASTE_VENTIL1 && feld < TASTE_VENTIL1 + ANZAHL_VENTILE) || feld == TASTE_DRUCK1CHECKB ||
           feld == TASTE_DRUCK2CHECKB;
}
int feldOffset(int taste, int feld) {
    return DATEIKOPF_GROESSE + RECORD_GROESSE * taste + 4 * feld;
}
} // namespace

static_assert(DATEIKOPF_GROESSE + TASTEN_ANZAHL * RECORD_GROESSE == TASTENDATEI_GROESSE);

void TastenDatei_BildErstellen(const TastenTabelle& tabelle, unsigned char* bild) {
    DateiKopf_Schreiben(bild, TASTENDATEI_ART, TASTENDATEI_VERSION);
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k)
            le32_setzen(bild + feldOffset(n, k), tabelle[n][k]);
}

Fehlercode TastenDatei_BildAuswerten(const unsigned char* bild, std::size_t laenge, TastenTabelle& ziel) {
    if (bild == nullptr || laenge < static_cast<std::size_t>(TASTENDATEI_GROESSE))
        return FEHLER_TASTENDATEI_ZU_KURZ;
    switch (DateiKopf_Pruefen(bild, TASTENDATEI_ART, TASTENDATEI_VERSION)) {
    case KopfPruefung::FalscherTyp:
        return FEHLER_TASTENDATEI_TYP;
    case KopfPruefung::FalscheVersion:
        return FEHLER_TASTENDATEI_VERSION;
    case KopfPruefung::Ok:
        break;
    }
    // A switch or check word counts as set when it is not 0, as the window shows it; it is then sent as
    // set too.
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k) {
            const int wert = le32_lesen(bild + feldOffset(n, k));
            ziel[n][k] = schalter(k) ? (wert != 0 ? 1 : 0) : wert;
        }
    return 0;
}
