// Reply decoding of the PLM-1 driver against known byte strings.

#include "device/vkrplm1_antwort.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const std::string CR = "\r";

TEST(Hexchar2Int, AllDigitsOfEitherCaseAndNothingElse) {
    const std::string ziffern = "0123456789abcdefABCDEF";
    const int werte[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
    for (std::size_t i = 0; i < ziffern.size(); ++i)
        EXPECT_EQ(Hexchar2Int(ziffern[i]), werte[i]) << ziffern[i];
    for (int c = -128; c < 128; ++c) {
        if (ziffern.find(static_cast<char>(c)) == std::string::npos && c != 0) {
            EXPECT_EQ(Hexchar2Int(static_cast<char>(c)), -1) << c;
        }
    }
    EXPECT_EQ(Hexchar2Int('\0'), -1);
}

struct IdFall {
    std::string antwort;
    char adresse;
    Fehlercode erwartet;
    std::string text;
};

TEST(IDAntwort, Table) {
    const std::string text26(26, 'X');
    const std::vector<IdFall> faelle = {
        {"#1VKR-PLM1-SIM" + CR, '1', KEIN_FEHLER, "VKR-PLM1-SIM"},
        {"#fA" + CR, 'f', KEIN_FEHLER, "A"},
        {"#1" + text26 + CR, '1', KEIN_FEHLER, text26},
        {"#1" + text26 + "X" + CR, '1', FEHLER_ID_ANTWORT_FALSCH, ""}, // does not fit idText
        {"#2VKR-PLM1-SIM" + CR, '1', FEHLER_ID_ANTWORT_FALSCH, ""},    // another unit
        {"*1VKR-PLM1-SIM" + CR, '1', FEHLER_ID_ANTWORT_FALSCH, ""},
        {"#1" + CR, '1', FEHLER_ID_ANTWORT_FALSCH, ""},         // no text
        {"#1VKR PLM1" + CR, '1', FEHLER_ID_ANTWORT_FALSCH, ""}, // CR not directly behind the text
        {"#1VKR-PLM1-SIM", '1', FEHLER_ID_ANTWORT_FALSCH, ""},  // no CR
        {"#1VKR-PLM1-SIM" + CR + "x", '1', FEHLER_ID_ANTWORT_FALSCH, ""},
        {std::string("#1AB\0C", 6) + CR, '1', FEHLER_ID_ANTWORT_FALSCH, ""},
        {"#", '1', FEHLER_ID_ANTWORT_FALSCH, ""},
        {"", '1', FEHLER_ID_ANTWORT_FALSCH, ""},
    };
    for (const auto& f : faelle) {
        char id[VKRPLM1_ID_LAENGE];
        std::memset(id, '?', sizeof id);
        id[sizeof id - 1] = '\0';
        EXPECT_EQ(VKRPLM1_IDAntwortAuswerten(f.antwort.data(), f.antwort.size(), f.adresse, id), f.erwartet)
            << f.antwort;
        if (f.erwartet == KEIN_FEHLER) {
            EXPECT_EQ(std::string(id), f.text);
        } else {
            EXPECT_EQ(id[0], '?') << "idText written on failure: " << f.antwort;
        }
    }
}

struct ParameterFall {
    std::string befehl;
    std::string antwort;
    VKRPLM1_Werttyp typ;
    Fehlercode erwartet;
    double reell;
    int ganz;
};

TEST(ParameterAntwort, Table) {
    using T = VKRPLM1_Werttyp;
    const std::vector<ParameterFall> faelle = {
        {"#1P1R", "#1P1R12.5" + CR, T::Reell, KEIN_FEHLER, 12.5, 0},
        {"#1D2R", "#1D2R-734.25" + CR, T::Reell, KEIN_FEHLER, -734.25, 0},
        {"#1U1R", "#1U1R+24" + CR, T::Reell, KEIN_FEHLER, 24, 0},
        {"#1U1R", "#1U1R.5" + CR, T::Reell, KEIN_FEHLER, 0.5, 0},
        {"#1U1R", "#1U1R1e3" + CR, T::Reell, KEIN_FEHLER, 1000, 0},
        {"#1U1R", "#1U1R12.5x" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1U1R", "#1U1R" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1U1R", "#1U1R12.5", T::Reell, FEHLER_PL_WERT_REAL, 0, 0}, // cut at the maximum, no CR
        {"#1U1R", "#1U1Rnan" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1U1R", "#1U1Rinf" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1U1R", "#1U1R1e999" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1U1R", "#1U1R+-1" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        // Blanks around a value are skipped as a formatted scan skips them; a blank inside is not.
        {"#1U1R", "#1U1R 1" + CR, T::Reell, KEIN_FEHLER, 1, 0},
        {"#1D1R", "#1D1R 12.5" + CR, T::Reell, KEIN_FEHLER, 12.5, 0},
        {"#1D1R", "#1D1R12.5 " + CR, T::Reell, KEIN_FEHLER, 12.5, 0},
        {"#1D1R", "#1D1R \t-3  " + CR, T::Reell, KEIN_FEHLER, -3, 0},
        {"#1D1R", "#1D1R1 2" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1D1R", "#1D1R   " + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1D1R", "#1D1R nan " + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1D1R", "#1D1R12.5 x" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1P1R", "#1P1Rerr" + CR, T::Reell, FEHLER_PL_GERAET_MELDET_ERR, 0, 0},
        {"#1S1R", "#1S1Rerr" + CR, T::Hex, FEHLER_PL_GERAET_MELDET_ERR, 0, 0},
        {"#1P1R", "#1P1RERR" + CR, T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1P1R", "#1P1Rerr", T::Reell, FEHLER_PL_WERT_REAL, 0, 0},
        {"#1P1R", "#1P2R12.5" + CR, T::Reell, FEHLER_PL_ECHO, 0, 0},
        {"#1P1R", "#2P1R12.5" + CR, T::Reell, FEHLER_PL_ECHO, 0, 0},
        {"#1P1R", "#1P1" + CR, T::Reell, FEHLER_PL_ECHO, 0, 0},
        {"#1P1R", "", T::Reell, FEHLER_PL_ECHO, 0, 0},
        {"#1V2R", "#1V2R1" + CR, T::Dezimal, KEIN_FEHLER, 0, 1},
        {"#1VgR", "#1VgR-12" + CR, T::Dezimal, KEIN_FEHLER, 0, -12},
        {"#1V2R", "#1V2R1.5" + CR, T::Dezimal, FEHLER_PL_WERT_DEZIMAL, 0, 0},
        {"#1V2R", "#1V2R99999999999" + CR, T::Dezimal, FEHLER_PL_WERT_DEZIMAL, 0, 0},
        {"#1V2R", "#1V2R" + CR, T::Dezimal, FEHLER_PL_WERT_DEZIMAL, 0, 0},
        {"#1V2R", "#1V2Ra" + CR, T::Dezimal, FEHLER_PL_WERT_DEZIMAL, 0, 0},
        {"#1V2R", "#1V2R 1 " + CR, T::Dezimal, KEIN_FEHLER, 0, 1},
        {"#1S1R", "#1S1R0104" + CR, T::Hex, KEIN_FEHLER, 0, 0x0104},
        {"#1V0R", "#1V0Rbeef" + CR, T::Hex, KEIN_FEHLER, 0, 0xBEEF},
        {"#1V0R", "#1V0R7FFFFFFF" + CR, T::Hex, KEIN_FEHLER, 0, 0x7FFFFFFF},
        {"#1V0R", "#1V0R123456789" + CR, T::Hex, FEHLER_PL_WERT_HEX, 0, 0},
        {"#1V0R", "#1V0RG1" + CR, T::Hex, FEHLER_PL_WERT_HEX, 0, 0},
        {"#1V0R", "#1V0R-1" + CR, T::Hex, FEHLER_PL_WERT_HEX, 0, 0},
        {"#1V0R", "#1V0R" + CR, T::Hex, FEHLER_PL_WERT_HEX, 0, 0},
        {"#1S1R", "#1S1R 0104 " + CR, T::Hex, KEIN_FEHLER, 0, 0x0104},
    };
    for (const auto& f : faelle) {
        double reell = -999;
        int ganz = -999;
        EXPECT_EQ(VKRPLM1_ParameterAntwortAuswerten(f.antwort.data(), f.antwort.size(), f.befehl.data(),
                                                    f.typ, &reell, &ganz),
                  f.erwartet)
            << f.antwort;
        const bool ok = f.erwartet == KEIN_FEHLER;
        EXPECT_EQ(reell, ok && f.typ == VKRPLM1_Werttyp::Reell ? f.reell : -999) << f.antwort;
        EXPECT_EQ(ganz, ok && f.typ != VKRPLM1_Werttyp::Reell ? f.ganz : -999) << f.antwort;
    }
}

// A correct memory reply of unit 1 for `daten` read from `start`.
std::string speicherAntwort(int start, const std::vector<unsigned char>& daten) {
    char feld[32];
    std::snprintf(feld, sizeof feld, "#1BDR4%04X%04X", start, static_cast<unsigned>(daten.size()));
    std::string s = feld;
    unsigned summe = 1;
    for (unsigned char b : daten) {
        std::snprintf(feld, sizeof feld, "%02X", b);
        s += feld;
        summe += b;
    }
    std::snprintf(feld, sizeof feld, "%04X", summe & 0xFFFF);
    return s + feld + CR;
}

TEST(SpeicherAntwort, KnownAnswer) {
    // Reading the two bytes 0x12, 0xAB at 0x0100: checksum 1 + 0x12 + 0xAB = 0x00BE.
    const std::string antwort = "#1BDR40100000212AB00BE" + CR;
    unsigned char puffer[2] = {};
    EXPECT_EQ(VKRPLM1_SpeicherAntwortAuswerten(antwort.data(), antwort.size(), '1', 4, 0x100, 2, puffer),
              KEIN_FEHLER);
    EXPECT_EQ(puffer[0], 0x12);
    EXPECT_EQ(puffer[1], 0xAB);
    const std::string klein = "#1BDR40100000212ab00be" + CR;
    EXPECT_EQ(VKRPLM1_SpeicherAntwortAuswerten(klein.data(), klein.size(), '1', 4, 0x100, 2, puffer),
              KEIN_FEHLER);
}

TEST(SpeicherAntwort, SixtyFourBytesAreExactly147Bytes) {
    std::vector<unsigned char> daten(64);
    for (int i = 0; i < 64; ++i)
        daten[i] = static_cast<unsigned char>(0xC0 + i);
    const std::string antwort = speicherAntwort(0x0420, daten);
    ASSERT_EQ(antwort.size(), 147u);
    std::vector<unsigned char> puffer(64);
    EXPECT_EQ(
        VKRPLM1_SpeicherAntwortAuswerten(antwort.data(), antwort.size(), '1', 4, 0x0420, 64, puffer.data()),
        KEIN_FEHLER);
    EXPECT_EQ(puffer, daten);

    std::string kurz = antwort.substr(0, 145) + CR; // 146 bytes ending in CR
    EXPECT_EQ(VKRPLM1_SpeicherAntwortAuswerten(kurz.data(), kurz.size(), '1', 4, 0x0420, 64, puffer.data()),
              FEHLER_SL_LAENGE);
}

struct SpeicherFall {
    std::string name;
    std::size_t pos; // byte to replace in the reply of 0x12, 0xAB at 0x0100
    char neu;
    Fehlercode erwartet;
};

TEST(SpeicherAntwort, EveryCheckHasItsCode) {
    const std::string gut = "#1BDR40100000212AB00BE" + CR;
    const std::vector<SpeicherFall> faelle = {
        {"kein CR", 22, 'X', FEHLER_SL_KEIN_CR},
        {"Start", 0, '*', FEHLER_SL_KOPF},
        {"Adresse", 1, '2', FEHLER_SL_KOPF},
        {"Code", 4, 'W', FEHLER_SL_KOPF},
        {"Typ", 5, '3', FEHLER_SL_KOPF},
        {"Typ keine Ziffer", 5, 'x', FEHLER_SL_KOPF},
        {"Startadresse", 8, '1', FEHLER_SL_KOPF},
        {"Startadresse ungueltig", 6, 'G', FEHLER_SL_KOPF},
        {"Groesse", 13, '3', FEHLER_SL_KOPF},
        {"Datum hoch", 16, 'G', FEHLER_SL_DATEN_HIGH},
        {"Datum tief", 17, ':', FEHLER_SL_DATEN_LOW},
        {"Pruefziffer 1", 18, 'g', FEHLER_SL_CHECKSUMME_ZIFFER1},
        {"Pruefziffer 2", 19, ' ', FEHLER_SL_CHECKSUMME_ZIFFER2},
        {"Pruefziffer 3", 20, 'Z', FEHLER_SL_CHECKSUMME_ZIFFER3},
        {"Pruefziffer 4", 21, '\r', FEHLER_SL_CHECKSUMME_ZIFFER4},
        {"Checksumme um eins daneben", 21, 'F', FEHLER_SL_CHECKSUMME},
    };
    for (const auto& f : faelle) {
        std::string antwort = gut;
        antwort[f.pos] = f.neu;
        unsigned char puffer[2] = {0, 0};
        EXPECT_EQ(VKRPLM1_SpeicherAntwortAuswerten(antwort.data(), antwort.size(), '1', 4, 0x100, 2, puffer),
                  f.erwartet)
            << f.name;
        if (f.erwartet == FEHLER_SL_DATEN_HIGH) {
            EXPECT_EQ(puffer[0], 0x12) << "earlier bytes stay";
        }
    }
    // Length and size mismatches.
    unsigned char puffer[3];
    EXPECT_EQ(VKRPLM1_SpeicherAntwortAuswerten(gut.data(), gut.size(), '1', 4, 0x100, 3, puffer),
              FEHLER_SL_LAENGE);
    EXPECT_EQ(VKRPLM1_SpeicherAntwortAuswerten(CR.data(), 1, '1', 4, 0x100, 2, puffer), FEHLER_SL_LAENGE);
    EXPECT_EQ(VKRPLM1_SpeicherAntwortAuswerten(gut.data(), 0, '1', 4, 0x100, 2, puffer), FEHLER_SL_KEIN_CR);
    // A size the four-digit field cannot carry never matches the head.
    const std::string riesig = "#1BDR400000000" + std::string(2 * 65536, '0') + "0001" + CR;
    std::vector<unsigned char> gross(65536);
    EXPECT_EQ(VKRPLM1_SpeicherAntwortAuswerten(riesig.data(), riesig.size(), '1', 4, 0, 65536, gross.data()),
              FEHLER_SL_KOPF);
}

} // namespace
