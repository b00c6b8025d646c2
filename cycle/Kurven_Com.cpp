// The cycle in the unit's memory: encoding, decoding and the block transfers.

#include "cycle/Kurven_Com.h"
#include "platform/sprache/textmarke.h"

#include "cycle/Kurven_Bereich.h"
#include "cycle/Kurven_Satz.h"
#include "device/Gemeinsam_Com.h"
#include "device/Speicherbild.h"
#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "platform/ui/ui_melden.h"
#include "valves/Konfigarray.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

namespace {

int schritte() {
    return std::clamp<int32_t>(gKurveneckdaten[KE_ANZAHLSCHRITTE], 0, KURVEN_SCHRITTE_MAX);
}

int32_t wert(int kanal, int schritt) {
    const auto& v = gKurven[kanal].values;
    return schritt >= 0 && static_cast<std::size_t>(schritt) < v.size() ? v[static_cast<std::size_t>(schritt)]
                                                                        : 0;
}

// A block transfer's own failure goes to the error controls; the operation itself then succeeds.
Fehlercode uebertragungsfehler(Fehlercode f) {
    VkrCom_FehlermeldungSet(f);
    return KEIN_FEHLER;
}

} // namespace

void KurvenCom_KopfErstellen(unsigned char kopf[KURVENSATZ_KOPFGROESSE], int invertiert) {
    const KurvenKopf k{schritte(),
                       gKurveneckdaten[KE_ZYKLENUNBEGRENZT] == 1 ? 0 : gKurveneckdaten[KE_ZYKLEN]};
    KurvenSatz_KopfSchreiben(k, invertiert != 0, kopf);
}

void KurvenCom_SatzErstellen(unsigned char satz[KURVENSATZ_SATZGROESSE], int schritt,
                             const Ventilarten& arten, int invertiert) {
    KurvenSatz s;
    int offen[ANZAHL_VENTILE] = {};
    int pumpe = 0;
    for (int kanal = 0; kanal < KURVEN_ANZAHL; ++kanal) {
        const int32_t v = wert(kanal, schritt);
        if (Kurvenarrays_IstVentilkanal(kanal)) {
            offen[Kurvenarrays_VentilNummer(kanal) - 1] = v != 0;
        } else if (pumpe < KURVEN_PUMPEN) {
            s.pumpe[pumpe] = KurvenCom_PumpeZuGeraet(v);
            ++pumpe;
        }
    }
    s.ventilbits = Speicherbild_VentilwortKodieren(offen, arten);
    for (int p = 0; p < KURVEN_PUMPEN; ++p) {
        s.oben[p] = Speicherbild_ObereGrenze(gKurveneckdaten[KE_DRUCKHIGH1CHECK + p],
                                             gKurveneckdaten[KE_DRUCKHIGH1 + p]);
        s.unten[p] = Speicherbild_UntereGrenze(gKurveneckdaten[KE_DRUCKLOW1CHECK + p],
                                               gKurveneckdaten[KE_DRUCKLOW1 + p]);
    }
    KurvenSatz_Schreiben(s, invertiert != 0, satz);
}

int KurvenCom_PumpeZuGeraet(int32_t prozent) {
    return Speicherbild_PumpeZuGeraet(prozent, PumpenFeld::Zyklus);
}

int KurvenCom_PunkteErstellen(unsigned char* punkte, int invertiert) {
    Ventilarten arten;
    KonfigMain_VentilartenHolen(arten);
    const int n = schritte();
    for (int i = 0; i < n; ++i)
        KurvenCom_SatzErstellen(punkte + KURVENSATZ_SATZGROESSE * i, i, arten, invertiert);
    return n;
}

Fehlercode KurvenCom_KopfAuswerten(const unsigned char kopf[KURVENSATZ_KOPFGROESSE]) {
    KurvenKopf gelesen;
    if (!KurvenSatz_KopfLesen(kopf, gelesen)) {
        VKR_Fehleruserstring(Textmarke_Text(KURVENCOM_SPEICHERFEHLER_TEXT).c_str());
        return FEHLER_KURVEN_KOPF_CHECKSUMME;
    }
    const int n = gelesen.schritte;
    if (n < KURVEN_SCHRITTE_MIN || n > KURVEN_SCHRITTE_MAX) {
        VKR_Fehleruserstring(Textmarke_Text(KURVENCOM_SPEICHERFEHLER_TEXT).c_str());
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
    Ventilarten arten;
    KonfigMain_VentilartenHolen(arten);
    int grenzenSchritt0[4] = {};
    bool warnung = false;
    for (int i = 0; i < anzahl; ++i) {
        const unsigned char* satz = punkte + KURVENSATZ_SATZGROESSE * i;
        KurvenSatz gelesen;
        if (!KurvenSatz_Lesen(satz, gelesen)) {
            VKR_Fehleruserstring(Textmarke_Text(KURVENCOM_SPEICHERFEHLER_TEXT).c_str());
            return FEHLER_KURVEN_PUNKT_CHECKSUMME;
        }
        int offen[ANZAHL_VENTILE];
        Speicherbild_VentilwortDekodieren(gelesen.ventilbits, arten, offen);
        int pumpe = 0;
        for (int kanal = 0; kanal < KURVEN_ANZAHL; ++kanal) {
            int32_t& ziel = gKurven[kanal].values[static_cast<std::size_t>(i)];
            if (Kurvenarrays_IstVentilkanal(kanal)) {
                ziel = offen[Kurvenarrays_VentilNummer(kanal) - 1];
            } else if (pumpe < KURVEN_PUMPEN) {
                ziel = Speicherbild_PumpeVonGeraet(gelesen.pumpe[pumpe]);
                ++pumpe;
            }
        }
        int grenzen[4];
        for (int p = 0; p < KURVEN_PUMPEN; ++p) {
            const int oben = gelesen.oben[p];
            const int unten = gelesen.unten[p];
            grenzen[2 * p] = oben;
            grenzen[2 * p + 1] = unten;
            if (Speicherbild_UntereGrenzeGesetzt(unten)) {
                gKurveneckdaten[KE_DRUCKLOW1CHECK + p] = 1;
                gKurveneckdaten[KE_DRUCKLOW1 + p] = unten;
            } else {
                gKurveneckdaten[KE_DRUCKLOW1CHECK + p] = 0;
            }
            if (Speicherbild_ObereGrenzeGesetzt(oben)) {
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
    // A value outside its range would reach the unit cut to its field: nothing is sent then.
    if (const Fehlercode f = KurvenBereich_Pruefen(gKurveneckdaten, gKurven)) return f;
    std::vector<unsigned char> kopf;
    try {
        kopf.resize(KURVENSATZ_KOPFGROESSE);
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVEN_UPLOAD_KOPFPUFFER;
    }
    KurvenCom_KopfErstellen(kopf.data(), 0);
    if (const Fehlercode f = GemCom_SpeicherdatenZuPLM1Senden(KURVENSATZ_ADRESSE_KOPF, KURVENSATZ_KOPFGROESSE,
                                                              kopf.data(), 0, 50))
        return uebertragungsfehler(f);
    KurvenCom_KopfErstellen(kopf.data(), 1);
    if (const Fehlercode f = GemCom_SpeicherdatenZuPLM1Senden(KURVENSATZ_ADRESSE_KOPF_INVERTIERT,
                                                              KURVENSATZ_KOPFGROESSE, kopf.data(), 50, 100))
        return uebertragungsfehler(f);

    std::vector<unsigned char> punkte;
    try {
        punkte.resize(static_cast<std::size_t>(KURVENSATZ_SATZGROESSE) *
                      static_cast<std::size_t>(schritte()));
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVEN_UPLOAD_PUNKTEPUFFER;
    }
    const int groesse = KURVENSATZ_SATZGROESSE * KurvenCom_PunkteErstellen(punkte.data(), 0);
    if (const Fehlercode f =
            GemCom_SpeicherdatenZuPLM1Senden(KURVENSATZ_ADRESSE_SAETZE, groesse, punkte.data(), 0, 50))
        return uebertragungsfehler(f);
    KurvenCom_PunkteErstellen(punkte.data(), 1);
    if (const Fehlercode f = GemCom_SpeicherdatenZuPLM1Senden(KURVENSATZ_ADRESSE_SAETZE_INVERTIERT, groesse,
                                                              punkte.data(), 50, 100))
        return uebertragungsfehler(f);
    return KEIN_FEHLER;
}

Fehlercode KurvenCom_Plm1Download() {
    VkrCom_FehlermeldungSet(0);
    std::vector<unsigned char> kopf;
    try {
        kopf.resize(KURVENSATZ_KOPFGROESSE);
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVEN_DOWNLOAD_KOPFPUFFER;
    }
    if (const Fehlercode f =
            GemCom_SpeicherdatenVonPLM1Lesen(KURVENSATZ_ADRESSE_KOPF, KURVENSATZ_KOPFGROESSE, kopf.data(), 1))
        return uebertragungsfehler(f);
    if (const Fehlercode f = KurvenCom_KopfAuswerten(kopf.data()); f != KEIN_FEHLER) return f;

    const int n = schritte();
    std::vector<unsigned char> punkte;
    try {
        punkte.resize(static_cast<std::size_t>(KURVENSATZ_SATZGROESSE) * static_cast<std::size_t>(n));
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVEN_DOWNLOAD_PUNKTEPUFFER;
    }
    if (const Fehlercode f = GemCom_SpeicherdatenVonPLM1Lesen(KURVENSATZ_ADRESSE_SAETZE,
                                                              KURVENSATZ_SATZGROESSE * n, punkte.data(), 1))
        return uebertragungsfehler(f);
    return KurvenCom_PunkteAuswerten(punkte.data(), n);
}
