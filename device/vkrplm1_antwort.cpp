// Reply decoding of the PLM-1 driver. Every index is checked against the length actually received, so
// nothing the unit sends can read past the buffer.

#include "device/vkrplm1_antwort.h"

#include "platform/files/zahl_text.h"

#include <cstring>
#include <string_view>

namespace {

bool druckbar(char c) {
    return c > ' ' && c < 0x7F;
}

bool dezimalziffer(char c) {
    return c >= '0' && c <= '9';
}

// Four hexadecimal digits at p; -1 when one is invalid.
long hex4(const char* p) {
    long wert = 0;
    for (int i = 0; i < 4; ++i) {
        const int z = Hexchar2Int(p[i]);
        if (z < 0) return -1;
        wert = wert * 16 + z;
    }
    return wert;
}

// The whole text [anfang, ende) must be one value of the kind.
bool reellLesen(const char* anfang, const char* ende, double& wert) {
    return ZahlText_ReellLesen(ZahlText_OhnePlus({anfang, static_cast<std::size_t>(ende - anfang)}), &wert);
}

bool dezimalLesen(const char* anfang, const char* ende, int& wert) {
    return ZahlText_GanzLesen(ZahlText_OhnePlus({anfang, static_cast<std::size_t>(ende - anfang)}), &wert);
}

bool hexLesen(const char* anfang, const char* ende, int& wert) {
    if (ende - anfang < 1 || ende - anfang > 8) return false;
    for (const char* p = anfang; p < ende; ++p)
        if (Hexchar2Int(*p) < 0) return false;
    unsigned u = 0;
    if (!ZahlText_GanzLesen({anfang, static_cast<std::size_t>(ende - anfang)}, &u, 16)) return false;
    wert = static_cast<int>(u);
    return true;
}

// A value as a formatted scan takes it: blanks before and after it are not part of it.
bool leer(char c) {
    return c == ' ' || c == '\t';
}
void ohneRaender(const char*& anfang, const char*& ende) {
    while (anfang < ende && leer(*anfang))
        ++anfang;
    while (ende > anfang && leer(ende[-1]))
        --ende;
}

} // namespace

int Hexchar2Int(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Fehlercode VKRPLM1_IDAntwortAuswerten(const char* antwort, std::size_t laenge, char adresse, char* idText) {
    if (!antwort || laenge < 4 || antwort[0] != VKRPLM1_START || antwort[1] != adresse)
        return FEHLER_ID_ANTWORT_FALSCH;
    std::size_t ende = 2;
    while (ende < laenge && druckbar(antwort[ende]))
        ++ende;
    const std::size_t textLaenge = ende - 2;
    if (textLaenge == 0 || textLaenge >= static_cast<std::size_t>(VKRPLM1_ID_LAENGE) || ende != laenge - 1 ||
        antwort[ende] != VKRPLM1_CR)
        return FEHLER_ID_ANTWORT_FALSCH;
    if (idText) {
        std::memcpy(idText, antwort + 2, textLaenge);
        idText[textLaenge] = '\0';
    }
    return KEIN_FEHLER;
}

Fehlercode VKRPLM1_ParameterAntwortAuswerten(const char* antwort, std::size_t laenge, const char* befehl,
                                             VKRPLM1_Werttyp typ, double* realOut, int* intOut) {
    if (!antwort || !befehl || laenge < VKRPLM1_ECHO_LAENGE ||
        std::memcmp(antwort, befehl, VKRPLM1_ECHO_LAENGE) != 0)
        return FEHLER_PL_ECHO;
    static constexpr char err[] = {'e', 'r', 'r', VKRPLM1_CR};
    if (laenge == VKRPLM1_ECHO_LAENGE + sizeof err &&
        std::memcmp(antwort + VKRPLM1_ECHO_LAENGE, err, sizeof err) == 0)
        return FEHLER_PL_GERAET_MELDET_ERR;
    const char* anfang = antwort + VKRPLM1_ECHO_LAENGE;
    const char* ende = antwort + laenge - 1; // the CR
    const bool mitCr = laenge > VKRPLM1_ECHO_LAENGE && *ende == VKRPLM1_CR;
    if (mitCr) ohneRaender(anfang, ende);
    switch (typ) {
    case VKRPLM1_Werttyp::Reell: {
        double wert = 0;
        if (!mitCr || !reellLesen(anfang, ende, wert)) return FEHLER_PL_WERT_REAL;
        if (realOut) *realOut = wert;
        return KEIN_FEHLER;
    }
    case VKRPLM1_Werttyp::Dezimal: {
        int wert = 0;
        if (!mitCr || !dezimalLesen(anfang, ende, wert)) return FEHLER_PL_WERT_DEZIMAL;
        if (intOut) *intOut = wert;
        return KEIN_FEHLER;
    }
    case VKRPLM1_Werttyp::Hex: {
        int wert = 0;
        if (!mitCr || !hexLesen(anfang, ende, wert)) return FEHLER_PL_WERT_HEX;
        if (intOut) *intOut = wert;
        return KEIN_FEHLER;
    }
    }
    return FEHLER_PL_WERT_REAL;
}

Fehlercode VKRPLM1_SpeicherAntwortAuswerten(const char* antwort, std::size_t laenge, char adresse,
                                            int speichertyp, int start, int groesse, unsigned char* puffer) {
    if (!antwort || laenge == 0 || antwort[laenge - 1] != VKRPLM1_CR) return FEHLER_SL_KEIN_CR;
    if (groesse < 0 || laenge != VKRPLM1_SpeicherAntwortLaenge(static_cast<std::size_t>(groesse)))
        return FEHLER_SL_LAENGE;
    // Head: '#', address, "BDR", type digit, start and size as four hexadecimal digits each.
    if (antwort[0] != VKRPLM1_START || antwort[1] != adresse || std::memcmp(antwort + 2, "BDR", 3) != 0 ||
        !dezimalziffer(antwort[5]) || antwort[5] - '0' != speichertyp || hex4(antwort + 6) != start ||
        hex4(antwort + 10) != groesse)
        return FEHLER_SL_KOPF;
    long summe = 1;
    const char* daten = antwort + 14;
    for (int i = 0; i < groesse; ++i) {
        const int hoch = Hexchar2Int(daten[2 * i]);
        if (hoch < 0) return FEHLER_SL_DATEN_HIGH;
        const int tief = Hexchar2Int(daten[2 * i + 1]);
        if (tief < 0) return FEHLER_SL_DATEN_LOW;
        const int byte = hoch * 16 + tief;
        if (puffer) puffer[i] = static_cast<unsigned char>(byte);
        summe += byte;
    }
    static constexpr Fehlercode zifferFehler[4] = {FEHLER_SL_CHECKSUMME_ZIFFER1, FEHLER_SL_CHECKSUMME_ZIFFER2,
                                                   FEHLER_SL_CHECKSUMME_ZIFFER3,
                                                   FEHLER_SL_CHECKSUMME_ZIFFER4};
    const char* pruef = daten + 2 * static_cast<std::size_t>(groesse);
    long checksumme = 0;
    for (int i = 0; i < 4; ++i) {
        const int z = Hexchar2Int(pruef[i]);
        if (z < 0) return zifferFehler[i];
        checksumme = checksumme * 16 + z;
    }
    return checksumme == (summe & 0xFFFF) ? KEIN_FEHLER : FEHLER_SL_CHECKSUMME;
}
