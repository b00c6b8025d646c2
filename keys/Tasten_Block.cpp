// The key block: valve word with coil states, pump settings, the pressure-limit fields chosen by the pump's
// sign, the times, and the checksum (the rules shared with the cycle records are in device/Speicherbild).

#include "keys/Tasten_Block.h"

#include "platform/files/le_bytes.h"

#include <cstdio>

namespace {
constexpr int NUTZDATEN = 18; // bytes covered by the checksum

void grenzenKodieren(int pumpe, int aktiv, int druck, unsigned char* oben, unsigned char* unten) {
    if (pumpe < 0) {
        le16_setzen(oben, 0);
        le16_setzen(unten, Speicherbild_UntereGrenze(aktiv, druck));
    } else {
        le16_setzen(unten, 0);
        le16_setzen(oben, Speicherbild_ObereGrenze(aktiv, druck));
    }
}

void grenzeDekodieren(int pumpe, const unsigned char* oben, const unsigned char* unten, int& aktiv,
                      int& druck) {
    const int wert = pumpe < 0 ? le16s_lesen(unten) : le16s_lesen(oben);
    const bool gesetzt =
        pumpe < 0 ? Speicherbild_UntereGrenzeGesetzt(wert) : Speicherbild_ObereGrenzeGesetzt(wert);
    aktiv = gesetzt ? 1 : 0;
    if (gesetzt) druck = wert;
}
} // namespace

int TastenBlock_PumpeZuGeraet(int prozent) {
    return Speicherbild_PumpeZuGeraet(prozent, PumpenFeld::Taste);
}

void TastenBlock_Kodieren(const TastenEintrag& t, const Ventilarten& arten, bool invertiert,
                          unsigned char* block) {
    le16_setzen(block + BLOCK_VENTILE, Speicherbild_VentilwortKodieren(&t[TASTE_VENTIL1], arten));
    le16_setzen(block + BLOCK_PUMPE1, TastenBlock_PumpeZuGeraet(t[TASTE_PUMPE1]));
    le16_setzen(block + BLOCK_PUMPE2, TastenBlock_PumpeZuGeraet(t[TASTE_PUMPE2]));
    grenzenKodieren(t[TASTE_PUMPE1], t[TASTE_DRUCK1CHECKB], t[TASTE_DRUCK1], block + BLOCK_DRUCK1_OBEN,
                    block + BLOCK_DRUCK1_UNTEN);
    grenzenKodieren(t[TASTE_PUMPE2], t[TASTE_DRUCK2CHECKB], t[TASTE_DRUCK2], block + BLOCK_DRUCK2_OBEN,
                    block + BLOCK_DRUCK2_UNTEN);
    le16_setzen(block + BLOCK_ZEIT1, t[TASTE_ZEIT1]);
    le16_setzen(block + BLOCK_ZEIT2, t[TASTE_ZEIT2]);
    if (invertiert) Speicherbild_Invertieren(block, NUTZDATEN);
    Speicherbild_PruefsummeSetzen(block, NUTZDATEN);
}

std::string TastenBlock_Dekodieren(const unsigned char* speicher, const Ventilarten& arten,
                                   TastenTabelle& tabelle) {
    std::string meldung;
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        const unsigned char* b = speicher + n * TASTENBLOCK_GROESSE;
        if (!Speicherbild_PruefsummeStimmt(b, NUTZDATEN)) {
            char zeile[48];
            std::snprintf(zeile, sizeof zeile, "Taste %d: Speicher ungültig\n", n + 1);
            meldung += zeile;
            continue;
        }
        TastenEintrag& t = tabelle[n];
        Speicherbild_VentilwortDekodieren(le16u_lesen(b + BLOCK_VENTILE), arten, &t[TASTE_VENTIL1]);
        t[TASTE_PUMPE1] = Speicherbild_PumpeVonGeraet(le16s_lesen(b + BLOCK_PUMPE1));
        t[TASTE_PUMPE2] = Speicherbild_PumpeVonGeraet(le16s_lesen(b + BLOCK_PUMPE2));
        grenzeDekodieren(t[TASTE_PUMPE1], b + BLOCK_DRUCK1_OBEN, b + BLOCK_DRUCK1_UNTEN,
                         t[TASTE_DRUCK1CHECKB], t[TASTE_DRUCK1]);
        grenzeDekodieren(t[TASTE_PUMPE2], b + BLOCK_DRUCK2_OBEN, b + BLOCK_DRUCK2_UNTEN,
                         t[TASTE_DRUCK2CHECKB], t[TASTE_DRUCK2]);
        t[TASTE_ZEIT1] = le16u_lesen(b + BLOCK_ZEIT1);
        t[TASTE_ZEIT2] = le16u_lesen(b + BLOCK_ZEIT2);
    }
    return meldung;
}
