// The key block: valve word with coil states, pump settings scaled to -255..255, the pressure-limit fields
// chosen by the pump's sign, the times, and the checksum.

#include "keys/Tasten_Block.h"

#include "platform/le_bytes.h"
#include "valves/Konfig_Main.h"

#include <cstdint>
#include <cstdio>

namespace {
constexpr int NUTZDATEN = 18; // bytes covered by the checksum

// Rounds half away from zero and saturates to the 16-bit field, so no value causes an overflow.
int runden16(double x) {
    x = x < 0 ? x - 0.5 : x + 0.5;
    if (x <= INT16_MIN) return INT16_MIN;
    if (x >= INT16_MAX) return INT16_MAX;
    return static_cast<int>(x);
}

void grenzenKodieren(int pumpe, int aktiv, int druck, unsigned char* oben, unsigned char* unten) {
    if (pumpe < 0) {
        le16_setzen(oben, 0);
        le16_setzen(unten, aktiv == 1 ? druck : -DRUCK_KEINE_GRENZE);
    } else {
        le16_setzen(unten, 0);
        le16_setzen(oben, aktiv == 1 ? druck : DRUCK_KEINE_GRENZE);
    }
}

void grenzeDekodieren(int pumpe, const unsigned char* oben, const unsigned char* unten, int& aktiv,
                      int& druck) {
    const int wert = pumpe < 0 ? le16s_lesen(unten) : le16s_lesen(oben);
    const bool gesetzt = pumpe < 0 ? wert > -DRUCK_KEINE_GRENZE : wert < DRUCK_KEINE_GRENZE;
    aktiv = gesetzt ? 1 : 0;
    if (gesetzt) druck = wert;
}
} // namespace

int TastenBlock_Checksumme(const unsigned char* block) {
    unsigned summe = 1;
    for (int i = 0; i < NUTZDATEN; ++i)
        summe += block[i];
    return static_cast<int>(summe & 0xFFFFu);
}

int TastenBlock_PumpeZuGeraet(int prozent) {
    return runden16(static_cast<double>(prozent) * PUMPE_GERAET_MAX / 100.0);
}

int TastenBlock_PumpeVonGeraet(int roh) {
    return runden16(static_cast<double>(roh) * 100.0 / PUMPE_GERAET_MAX);
}

void TastenBlock_Kodieren(const TastenEintrag& t, const Ventilarten& arten, bool invertiert,
                          unsigned char* block) {
    int ventile = 0;
    for (int j = 0; j < TASTEN_VENTILE; ++j) {
        if (arten[j] == VENTILART_NV) continue;
        const bool offen = t[TASTE_VENTIL1 + j] != 0;
        const bool spule = arten[j] == VENTILART_NO ? !offen : offen;
        if (spule) ventile |= 1 << j;
    }
    le16_setzen(block + BLOCK_VENTILE, ventile);
    le16_setzen(block + BLOCK_PUMPE1, TastenBlock_PumpeZuGeraet(t[TASTE_PUMPE1]));
    le16_setzen(block + BLOCK_PUMPE2, TastenBlock_PumpeZuGeraet(t[TASTE_PUMPE2]));
    grenzenKodieren(t[TASTE_PUMPE1], t[TASTE_DRUCK1CHECKB], t[TASTE_DRUCK1], block + BLOCK_DRUCK1_OBEN,
                    block + BLOCK_DRUCK1_UNTEN);
    grenzenKodieren(t[TASTE_PUMPE2], t[TASTE_DRUCK2CHECKB], t[TASTE_DRUCK2], block + BLOCK_DRUCK2_OBEN,
                    block + BLOCK_DRUCK2_UNTEN);
    le16_setzen(block + BLOCK_ZEIT1, t[TASTE_ZEIT1]);
    le16_setzen(block + BLOCK_ZEIT2, t[TASTE_ZEIT2]);
    if (invertiert)
        for (int i = 0; i < NUTZDATEN; ++i)
            block[i] = static_cast<unsigned char>(~block[i]);
    le16_setzen(block + BLOCK_CHECKSUMME, TastenBlock_Checksumme(block));
}

std::string TastenBlock_Dekodieren(const unsigned char* speicher, const Ventilarten& arten,
                                   TastenTabelle& tabelle) {
    std::string meldung;
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        const unsigned char* b = speicher + n * TASTENBLOCK_GROESSE;
        if (TastenBlock_Checksumme(b) != le16u_lesen(b + BLOCK_CHECKSUMME)) {
            char zeile[48];
            std::snprintf(zeile, sizeof zeile, "Taste %d: Speicher ungültig\n", n + 1);
            meldung += zeile;
            continue;
        }
        TastenEintrag& t = tabelle[n];
        const int ventile = le16u_lesen(b + BLOCK_VENTILE);
        for (int j = 0; j < TASTEN_VENTILE; ++j)
            t[TASTE_VENTIL1 + j] = ((ventile >> j) & 1) ^ (arten[j] == VENTILART_NO ? 1 : 0);
        t[TASTE_PUMPE1] = TastenBlock_PumpeVonGeraet(le16s_lesen(b + BLOCK_PUMPE1));
        t[TASTE_PUMPE2] = TastenBlock_PumpeVonGeraet(le16s_lesen(b + BLOCK_PUMPE2));
        grenzeDekodieren(t[TASTE_PUMPE1], b + BLOCK_DRUCK1_OBEN, b + BLOCK_DRUCK1_UNTEN,
                         t[TASTE_DRUCK1CHECKB], t[TASTE_DRUCK1]);
        grenzeDekodieren(t[TASTE_PUMPE2], b + BLOCK_DRUCK2_OBEN, b + BLOCK_DRUCK2_UNTEN,
                         t[TASTE_DRUCK2CHECKB], t[TASTE_DRUCK2]);
        t[TASTE_ZEIT1] = le16u_lesen(b + BLOCK_ZEIT1);
        t[TASTE_ZEIT2] = le16u_lesen(b + BLOCK_ZEIT2);
    }
    return meldung;
}
