// The cycle in the unit's memory: encoding, decoding and the block transfers.

#include "cycle/Kurven_Com.h"

#include "cycle/Kurven_Satz.h"
#include "device/Gemeinsam_Com.h"
#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "platform/ui.h"
#include "valves/Konfig_Main.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <new>
#include <vector>

namespace {

constexpr int VENTILBITS = 11;

int schritte() {
    return std::clamp<int32_t>(gKurveneckdaten[KE_ANZAHLSCHRITTE], 0, KURVEN_SCHRITTE_MAX);
}

int32_t wert(int kanal, int schritt) {
    const auto& v = gKurven[kanal].values;
    return schritt >= 0 && static_cast<std::size_t>(schritt) < v.size() ? v[static_cast<std::size_t>(schritt)]
                                                                        : 0;
}

// Upper limit of pump p (0, 1) as sent: the value when checked, else "none".
int obereGrenze(int p) {
    return gKurveneckdaten[KE_DRUCKHIGH1CHECK + p] == 1 ? gKurveneckdaten[KE_DRUCKHIGH1 + p]
                                                        : KURVENCOM_KEIN_OBERER_GRENZDRUCK;
}
int untereGrenze(int p) {
    return gKurveneckdaten[KE_DRUCKLOW1CHECK + p] == 1 ? gKurveneckdaten[KE_DRUCKLOW1 + p]
                                                       : KURVENCOM_KEIN_UNTERER_GRENZDRUCK;
}

// A block transfer's own failure goes to the error controls; the operation itself then succeeds.
Fehlercode uebertragungsfehler(Fehlercode f) {
    VkrCom_FehlermeldungSet(f);
    return KEIN_FEHLER;
}

} // namespace

int KurvenCom_PumpeZuGeraet(int32_t prozent) {
    const double s = std::round(static_cast<double>(prozent) * 255.0 / 100.0);
    return static_cast<int>(std::clamp(s, -double(KURVENCOM_PUMPE_MAX), double(KURVENCOM_PUMPE_MAX)));
}

int32_t KurvenCom_PumpeVonGeraet(int wert) {
    return static_cast<int32_t>(std::round(static_cast<double>(wert) * 100.0 / 255.0));
}

void KurvenCom_VentilartenHolen(int arten[11]) {
    for (int v = 0; v < VENTILBITS; ++v) {
        if (!KonfigMain_VentilVorhanden(v))
            arten[v] = VENTILART_NV;
        else
            arten[v] = KonfigMain_VentilIstNO(v) ? VENTILART_NO : VENTILART_NC;
    }
}

void KurvenCom_KopfErstellen(unsigned char kopf[KURVENCOM_KOPFGROESSE], int invertiert) {
    const KurvenKopf k{schritte(),
                       gKurveneckdaten[KE_ZYKLENUNBEGRENZT] == 1 ? 0 : gKurveneckdaten[KE_ZYKLEN]};
    KurvenSatz_KopfSchreiben(k, invertiert != 0, kopf);
}

void KurvenCom_SatzErstellen(unsigned char satz[KURVENCOM_SATZGROESSE], int schritt, const int arten[11],
                             int invertiert) {
    KurvenSatz s;
    int pumpe = 0;
    for (int kanal = 0; kanal < KURVEN_ANZAHL; ++kanal) {
        const int32_t v = wert(kanal, schritt);
        if (Kurvenarrays_IstVentilkanal(kanal)) {
            const int art = arten[Kurvenarrays_VentilNummer(kanal) - 1];
            // The bit is the coil state that gives the opening held in the curve.
            const bool spule = art == VENTILART_NO ? v == 0 : art == VENTILART_NC ? v != 0 : false;
            if (spule) s.ventilbits |= 1 << (Kurvenarrays_VentilNummer(kanal) - 1);
        } else if (pumpe < KURVEN_PUMPEN) {
            s.pumpe[pumpe] = KurvenCom_PumpeZuGeraet(v);
            ++pumpe;
        }
    }
    for (int p = 0; p < KURVEN_PUMPEN; ++p) {
        s.oben[p] = obereGrenze(p);
        s.unten[p] = untereGrenze(p);
    }
    KurvenSatz_Schreiben(s, invertiert != 0, satz);
}

int KurvenCom_PunkteErstellen(unsigned char* punkte, int invertiert) {
    int arten[11];
    KurvenCom_VentilartenHolen(arten);
    const int n = schritte();
    for (int i = 0; i < n; ++i)
        KurvenCom_SatzErstellen(punkte + KURVENCOM_SATZGROESSE * i, i, arten, invertiert);
    return n;
}

Fehlercode KurvenCom_KopfAuswerten(const unsigned char kopf[KURVENCOM_KOPFGROESSE]) {
    KurvenKopf gelesen;
    if (!KurvenSatz_KopfLesen(kopf, gelesen)) {
        VKR_Fehleruserstring(KURVENCOM_SPEICHERFEHLER_TEXT);
        return FEHLER_KURVEN_KOPF_CHECKSUMME;
    }
    const int n = gelesen.schritte;
    if (n < KURVEN_SCHRITTE_MIN || n > KURVEN_SCHRITTE_MAX) {
        VKR_Fehleruserstring(KURVENCOM_SPEICHERFEHLER_TEXT);
        return FEHLER_KURVEN_KOPF_SCHRITTE;
    }
    const int32_t altSchritte = gKurveneckdaten[KE_ANZAHLSCHRITTE];
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = n;
    if (const Fehlercode f = Kurven_KurvenlaengenAendern(n); f != KEIN_FEHLER) {
        gKurveneckdaten[KE_ANZAHLSCHRITTE] = altSchritte;
        return f;
    }
    const int laeufe = gelesen.laeufe;
    if (laeufe == 0) {
        gKurveneckdaten[KE_ZYKLENUNBEGRENZT] = 1;
    } else {
        gKurveneckdaten[KE_ZYKLENUNBEGRENZT] = 0;
        gKurveneckdaten[KE_ZYKLEN] = laeufe;
    }
    return KEIN_FEHLER;
}

Fehlercode KurvenCom_PunkteAuswerten(const unsigned char* punkte, int anzahl) {
    int platz = schritte();
    for (const auto& kurve : gKurven)
        platz = std::min(platz, static_cast<int>(kurve.values.size()));
    anzahl = std::clamp(anzahl, 0, platz);
    int arten[11];
    KurvenCom_VentilartenHolen(arten);
    int grenzenSchritt0[4] = {};
    bool warnung = false;
    for (int i = 0; i < anzahl; ++i) {
        const unsigned char* satz = punkte + KURVENCOM_SATZGROESSE * i;
        KurvenSatz gelesen;
        if (!KurvenSatz_Lesen(satz, gelesen)) {
            VKR_Fehleruserstring(KURVENCOM_SPEICHERFEHLER_TEXT);
            return FEHLER_KURVEN_PUNKT_CHECKSUMME;
        }
        int bits = gelesen.ventilbits;
        int pumpe = 0;
        for (int kanal = 0; kanal < KURVEN_ANZAHL; ++kanal) {
            int32_t& ziel = gKurven[kanal].values[static_cast<std::size_t>(i)];
            if (Kurvenarrays_IstVentilkanal(kanal)) {
                const int bit = bits & 1;
                bits >>= 1;
                ziel = arten[Kurvenarrays_VentilNummer(kanal) - 1] == VENTILART_NO ? 1 - bit : bit;
            } else if (pumpe < KURVEN_PUMPEN) {
                ziel = KurvenCom_PumpeVonGeraet(gelesen.pumpe[pumpe]);
                ++pumpe;
            }
        }
        int grenzen[4];
        for (int p = 0; p < KURVEN_PUMPEN; ++p) {
            const int oben = gelesen.oben[p];
            const int unten = gelesen.unten[p];
            grenzen[2 * p] = oben;
            grenzen[2 * p + 1] = unten;
            if (unten > KURVENCOM_KEIN_UNTERER_GRENZDRUCK) {
                gKurveneckdaten[KE_DRUCKLOW1CHECK + p] = 1;
                gKurveneckdaten[KE_DRUCKLOW1 + p] = unten;
            } else {
                gKurveneckdaten[KE_DRUCKLOW1CHECK + p] = 0;
            }
            if (oben < KURVENCOM_KEIN_OBERER_GRENZDRUCK) {
                gKurveneckdaten[KE_DRUCKHIGH1CHECK + p] = 1;
                gKurveneckdaten[KE_DRUCKHIGH1 + p] = oben;
            } else {
                gKurveneckdaten[KE_DRUCKHIGH1CHECK + p] = 0;
            }
        }
        if (i == 0)
            std::copy(grenzen, grenzen + 4, grenzenSchritt0);
        else if (!std::equal(grenzen, grenzen + 4, grenzenSchritt0))
            warnung = true;
    }
    if (warnung) MessagePopup(KURVENCOM_WARNUNG_TITEL, KURVENCOM_WARNUNG_TEXT);
    return KEIN_FEHLER;
}

Fehlercode KurvenCom_Plm1Upload() {
    VkrCom_FehlermeldungSet(0);
    std::vector<unsigned char> kopf;
    try {
        kopf.resize(KURVENCOM_KOPFGROESSE);
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVEN_UPLOAD_KOPFPUFFER;
    }
    KurvenCom_KopfErstellen(kopf.data(), 0);
    if (const Fehlercode f = GemCom_SpeicherdatenZuPLM1Senden(KURVENCOM_ADRESSE_KOPF, KURVENCOM_KOPFGROESSE,
                                                              kopf.data(), 0, 50))
        return uebertragungsfehler(f);
    KurvenCom_KopfErstellen(kopf.data(), 1);
    if (const Fehlercode f = GemCom_SpeicherdatenZuPLM1Senden(KURVENCOM_ADRESSE_KOPF_INVERTIERT,
                                                              KURVENCOM_KOPFGROESSE, kopf.data(), 50, 100))
        return uebertragungsfehler(f);

    std::vector<unsigned char> punkte;
    try {
        punkte.resize(static_cast<std::size_t>(KURVENCOM_SATZGROESSE) * static_cast<std::size_t>(schritte()));
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVEN_UPLOAD_PUNKTEPUFFER;
    }
    const int groesse = KURVENCOM_SATZGROESSE * KurvenCom_PunkteErstellen(punkte.data(), 0);
    if (const Fehlercode f =
            GemCom_SpeicherdatenZuPLM1Senden(KURVENCOM_ADRESSE_PUNKTE, groesse, punkte.data(), 0, 50))
        return uebertragungsfehler(f);
    KurvenCom_PunkteErstellen(punkte.data(), 1);
    if (const Fehlercode f = GemCom_SpeicherdatenZuPLM1Senden(KURVENCOM_ADRESSE_PUNKTE_INVERTIERT, groesse,
                                                              punkte.data(), 50, 100))
        return uebertragungsfehler(f);
    return KEIN_FEHLER;
}

Fehlercode KurvenCom_Plm1Download() {
    VkrCom_FehlermeldungSet(0);
    std::vector<unsigned char> kopf;
    try {
        kopf.resize(KURVENCOM_KOPFGROESSE);
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVEN_DOWNLOAD_KOPFPUFFER;
    }
    if (const Fehlercode f =
            GemCom_SpeicherdatenVonPLM1Lesen(KURVENCOM_ADRESSE_KOPF, KURVENCOM_KOPFGROESSE, kopf.data(), 1))
        return uebertragungsfehler(f);
    if (const Fehlercode f = KurvenCom_KopfAuswerten(kopf.data()); f != KEIN_FEHLER) return f;

    const int n = schritte();
    std::vector<unsigned char> punkte;
    try {
        punkte.resize(static_cast<std::size_t>(KURVENCOM_SATZGROESSE) * static_cast<std::size_t>(n));
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVEN_DOWNLOAD_PUNKTEPUFFER;
    }
    if (const Fehlercode f = GemCom_SpeicherdatenVonPLM1Lesen(KURVENCOM_ADRESSE_PUNKTE,
                                                              KURVENCOM_SATZGROESSE * n, punkte.data(), 1))
        return uebertragungsfehler(f);
    return KurvenCom_PunkteAuswerten(punkte.data(), n);
}
