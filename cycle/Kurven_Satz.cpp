// The cycle's memory image: inverted copies, head and record fields.

#include "cycle/Kurven_Satz.h"

#include "device/Speicherbild.h"
#include "platform/files/le_bytes.h"

bool KurvenSatz_KopieStimmt(const unsigned char* bild, const unsigned char* invertiert, int groesse,
                            int nutzbytes, int anzahl) {
    for (int n = 0; n < anzahl; ++n) {
        const unsigned char* a = bild + n * groesse;
        const unsigned char* b = invertiert + n * groesse;
        if (!Speicherbild_PruefsummeStimmt(a, nutzbytes) || !Speicherbild_PruefsummeStimmt(b, nutzbytes))
            return false;
        for (int i = 0; i < nutzbytes; ++i)
            if (a[i] != static_cast<unsigned char>(~b[i])) return false;
    }
    return true;
}

void KurvenSatz_KopfSchreiben(const KurvenKopf& k, bool invertiert, unsigned char* kopf) {
    le16_setzen(kopf, k.schritte);
    le16_setzen(kopf + 2, k.laeufe);
    if (invertiert) Speicherbild_Invertieren(kopf, KURVENSATZ_KOPF_NUTZBYTES);
    Speicherbild_PruefsummeSetzen(kopf, KURVENSATZ_KOPF_NUTZBYTES);
}

void KurvenSatz_Schreiben(const KurvenSatz& s, bool invertiert, unsigned char* satz) {
    le16_setzen(satz, s.ventilbits);
    for (int p = 0; p < KURVENSATZ_PUMPEN; ++p) {
        le16_setzen(satz + 2 + 2 * p, s.pumpe[p]);
        le16_setzen(satz + 6 + 4 * p, s.oben[p]);
        le16_setzen(satz + 8 + 4 * p, s.unten[p]);
    }
    if (invertiert) Speicherbild_Invertieren(satz, KURVENSATZ_SATZ_NUTZBYTES);
    Speicherbild_PruefsummeSetzen(satz, KURVENSATZ_SATZ_NUTZBYTES);
}

bool KurvenSatz_KopfLesen(const unsigned char* kopf, KurvenKopf& ziel) {
    if (!Speicherbild_PruefsummeStimmt(kopf, KURVENSATZ_KOPF_NUTZBYTES)) return false;
    ziel.schritte = le16u_lesen(kopf);
    ziel.laeufe = le16u_lesen(kopf + 2);
    return true;
}

bool KurvenSatz_Lesen(const unsigned char* satz, KurvenSatz& ziel) {
    if (!Speicherbild_PruefsummeStimmt(satz, KURVENSATZ_SATZ_NUTZBYTES)) return false;
    ziel.ventilbits = le16u_lesen(satz);
    for (int p = 0; p < KURVENSATZ_PUMPEN; ++p) {
        ziel.pumpe[p] = le16s_lesen(satz + 2 + 2 * p);
        ziel.oben[p] = le16s_lesen(satz + 6 + 4 * p);
        ziel.unten[p] = le16s_lesen(satz + 8 + 4 * p);
    }
    return true;
}
