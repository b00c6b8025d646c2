// Key images without device or window: the unit's 20-byte key block and the 720-byte *.plt image.

#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Bereich.h"
#include "keys/Tasten_Block.h"
#include "keys/Tasten_Dateibild.h"
#include "platform/files/le_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Block = std::array<unsigned char, TASTENBLOCK_GROESSE>;

constexpr Ventilarten ALLE_NC = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};

Block kodieren(const TastenEintrag& t, const Ventilarten& arten = ALLE_NC, bool invertiert = false) {
    Block b{};
    TastenBlock_Kodieren(t, arten, invertiert, b.data());
    return b;
}

// Decodes one block as key 1 of an otherwise valid memory image.
TastenEintrag dekodieren(const Block& b, const Ventilarten& arten, TastenEintrag vorher) {
    std::array<unsigned char, TASTENSPEICHER_GROESSE> speicher{};
    TastenTabelle tabelle{};
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        TastenBlock_Kodieren(tabelle[n], arten, false, &speicher[20 * n]);
    std::copy(b.begin(), b.end(), speicher.begin());
    tabelle[0] = vorher;
    EXPECT_EQ(TastenBlock_Dekodieren(speicher.data(), arten, tabelle), "");
    return tabelle[0];
}

TEST(TastenBlock, AllZeroKeyMatchesTheWorkedExample) {
    const Block erwartet = {0, 0, 0, 0, 0, 0, 0xD0, 0x07, 0, 0, 0xD0, 0x07, 0, 0, 0, 0, 0, 0, 0xAF, 0x01};
    EXPECT_EQ(kodieren(TastenEintrag{}), erwartet);
    EXPECT_EQ(le16u_lesen(&erwartet[BLOCK_CHECKSUMME]), 431);
}

TEST(TastenBlock, InvertedCopyComplementsTheDataAndSumsItPlain) {
    TastenEintrag t{};
    t[TASTE_VENTIL1 + 2] = 1;
    t[TASTE_PUMPE1] = 50;
    t[TASTE_PUMPE2] = -70;
    t[TASTE_DRUCK2CHECKB] = 1;
    t[TASTE_DRUCK2] = -350;
    t[TASTE_ZEIT1] = 480;
    const Block plain = kodieren(t), inv = kodieren(t, ALLE_NC, true);
    int summePlain = 0;
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(inv[i], static_cast<unsigned char>(~plain[i])) << i;
        summePlain += plain[i];
    }
    EXPECT_EQ(le16u_lesen(&inv[BLOCK_CHECKSUMME]), 4591 - summePlain);
    EXPECT_EQ(le16u_lesen(&inv[BLOCK_CHECKSUMME]), Speicherbild_Pruefsumme(inv.data(), BLOCK_CHECKSUMME));
    // The inverted all-zero key: 1 + 18 * 255 - 430.
    EXPECT_EQ(le16u_lesen(&kodieren(TastenEintrag{}, ALLE_NC, true)[BLOCK_CHECKSUMME]), 4161);
}

TEST(TastenBlock, ValveBitsFollowTheValveKind) {
    struct Fall {
        int art, ventil, bit;
    };
    const Fall faelle[] = {{1, 1, 0}, {1, 0, 1}, {2, 1, 1}, {2, 0, 0}, {0, 1, 0}, {0, 0, 0}};
    for (const Fall& f : faelle)
        for (int j : {0, 4, 10}) {
            Ventilarten arten = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
            arten[j] = f.art;
            TastenEintrag t{};
            t[TASTE_VENTIL1 + j] = f.ventil;
            const int wort = le16u_lesen(&kodieren(t, arten)[BLOCK_VENTILE]);
            EXPECT_EQ(wort, f.bit << j) << "art " << f.art << " ventil " << f.ventil << " j " << j;
            // Read back: NO and NC give the table value again; an n.v. valve takes the bit as it is.
            const TastenEintrag zurueck = dekodieren(kodieren(t, arten), arten, TastenEintrag{});
            EXPECT_EQ(zurueck[TASTE_VENTIL1 + j], f.art == 0 ? 0 : f.ventil);
        }
}

TEST(TastenBlock, PumpSettingsScaleAndComeBackUnchanged) {
    EXPECT_EQ(TastenBlock_PumpeZuGeraet(30), 77);
    EXPECT_EQ(TastenBlock_PumpeZuGeraet(50), 128);
    EXPECT_EQ(TastenBlock_PumpeZuGeraet(100), 255);
    EXPECT_EQ(TastenBlock_PumpeZuGeraet(-30), -77);
    for (int p = -100; p <= 100; p += 10) {
        TastenEintrag t{};
        t[TASTE_PUMPE1] = p;
        t[TASTE_PUMPE2] = -p;
        const Block b = kodieren(t);
        EXPECT_EQ(le16s_lesen(&b[BLOCK_PUMPE1]), TastenBlock_PumpeZuGeraet(p));
        const TastenEintrag z = dekodieren(b, ALLE_NC, TastenEintrag{});
        EXPECT_EQ(z[TASTE_PUMPE1], p);
        EXPECT_EQ(z[TASTE_PUMPE2], -p);
    }
}

TEST(TastenBlock, PumpSettingsBeyondTheFieldSaturate) {
    EXPECT_EQ(TastenBlock_PumpeZuGeraet(INT_MAX), 32767);
    EXPECT_EQ(TastenBlock_PumpeZuGeraet(INT_MIN), -32768);
    EXPECT_EQ(TastenBlock_PumpeZuGeraet(12900), 32767); // would wrap to a negative setting
    EXPECT_EQ(Speicherbild_PumpeVonGeraet(-32768), -12850);
    TastenEintrag t{};
    t[TASTE_PUMPE1] = INT_MAX;
    t[TASTE_ZEIT1] = 70000;
    const Block b = kodieren(t);
    EXPECT_EQ(le16s_lesen(&b[BLOCK_PUMPE1]), 32767);
    EXPECT_EQ(le16u_lesen(&b[BLOCK_ZEIT1]), 70000 & 0xFFFF);
}

TEST(TastenBlock, PressureLimitsFollowThePumpSign) {
    struct Fall {
        int pumpe, aktiv, druck;
        int oben, unten;                // sent
        int aktivZurueck, druckZurueck; // read back over a record holding DRUCK1 = 123
    };
    const Fall faelle[] = {
        {0, 0, 500, 2000, 0, 0, 123},     {0, 1, 500, 500, 0, 1, 500},       {60, 1, 2000, 2000, 0, 0, 123},
        {60, 1, 2500, 2500, 0, 0, 123},   {60, 1, -800, -800, 0, 1, -800},   {-40, 1, -500, 0, -500, 1, -500},
        {-40, 0, -500, 0, -2000, 0, 123}, {-40, 1, -2000, 0, -2000, 0, 123}, {-100, 1, 900, 0, 900, 1, 900},
    };
    for (const Fall& f : faelle) {
        TastenEintrag t{};
        t[TASTE_PUMPE1] = f.pumpe;
        t[TASTE_DRUCK1CHECKB] = f.aktiv;
        t[TASTE_DRUCK1] = f.druck;
        const Block b = kodieren(t);
        EXPECT_EQ(le16s_lesen(&b[BLOCK_DRUCK1_OBEN]), f.oben) << f.pumpe << "/" << f.druck;
        EXPECT_EQ(le16s_lesen(&b[BLOCK_DRUCK1_UNTEN]), f.unten) << f.pumpe << "/" << f.druck;
        TastenEintrag vorher{};
        vorher[TASTE_DRUCK1] = 123;
        vorher[TASTE_DRUCK1CHECKB] = 1 - f.aktivZurueck;
        const TastenEintrag z = dekodieren(b, ALLE_NC, vorher);
        EXPECT_EQ(z[TASTE_DRUCK1CHECKB], f.aktivZurueck) << f.pumpe << "/" << f.druck;
        EXPECT_EQ(z[TASTE_DRUCK1], f.druckZurueck) << f.pumpe << "/" << f.druck;
    }
}

TEST(TastenBlock, BadChecksumsAreNamedAndKeepTheirKeys) {
    std::array<unsigned char, TASTENSPEICHER_GROESSE> speicher{};
    TastenTabelle quelle{};
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        quelle[n][TASTE_ZEIT1] = 100 + n;
        quelle[n][TASTE_ZEIT2] = 65535;
        TastenBlock_Kodieren(quelle[n], ALLE_NC, false, &speicher[20 * n]);
    }
    for (int n : {1, 4, 8})
        speicher[20 * n + BLOCK_CHECKSUMME] ^= 0x01;
    TastenTabelle tabelle{};
    for (auto& t : tabelle)
        t.fill(7);
    EXPECT_EQ(TastenBlock_Dekodieren(speicher.data(), ALLE_NC, tabelle),
              "Taste 2: Speicher ungültig\nTaste 5: Speicher ungültig\nTaste 9: Speicher ungültig\n");
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        if (n == 1 || n == 4 || n == 8) {
            EXPECT_EQ(tabelle[n][TASTE_ZEIT1], 7) << n;
        } else {
            EXPECT_EQ(tabelle[n][TASTE_ZEIT1], 100 + n) << n;
            EXPECT_EQ(tabelle[n][TASTE_ZEIT2], 65535) << n;
        }
    }
}

// ---- *.plt image ----------------------------------------------------------------------------------------

bool schalter(int feld) {
    return feld < TASTE_PUMPE1 || feld == TASTE_DRUCK1CHECKB || feld == TASTE_DRUCK2CHECKB;
}

// Every value different, switches and check words 0 or 1 as a load gives them.
TastenTabelle beispielTabelle() {
    TastenTabelle t{};
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k)
            t[n][k] = schalter(k) ? (n + k) % 2 : (n * 19 + k) * ((k % 2) ? -37 : 41) - n;
    t[8][18] = INT_MIN;
    t[0][TASTE_ZEIT1] = INT_MAX;
    return t;
}

TEST(TastenDateibild, LayoutAndRoundTripOfAll171Values) {
    std::vector<unsigned char> bild(TASTENDATEI_GROESSE);
    const TastenTabelle t = beispielTabelle();
    TastenDatei_BildErstellen(t, bild.data());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bild.data())), "VKRPLM1 Tasten");
    for (int i = 14; i < 32; ++i)
        EXPECT_EQ(bild[i], 0) << i;
    EXPECT_EQ(le32_lesen(&bild[32]), 1);
    EXPECT_EQ(le32_lesen(&bild[36 + 76 * 3 + 4 * TASTE_DRUCK1]), t[3][TASTE_DRUCK1]);
    EXPECT_EQ(le32_lesen(&bild[716]), INT_MIN);
    TastenTabelle zurueck{};
    ASSERT_EQ(TastenDatei_BildAuswerten(bild.data(), bild.size(), zurueck), 0);
    EXPECT_EQ(zurueck, t);
}

TEST(TastenDateibild, SwitchesAndCheckWordsOtherThanZeroLoadAsOne) {
    struct Fall {
        int taste, feld;
        std::int32_t gespeichert, geladen;
    };
    const Fall faelle[] = {
        {0, TASTE_DRUCK1CHECKB, 2, 1},     {8, TASTE_DRUCK2CHECKB, -1, 1},
        {3, TASTE_DRUCK1CHECKB, 0x100, 1}, {4, TASTE_DRUCK2CHECKB, INT_MIN, 1},
        {1, TASTE_VENTIL1, 2, 1},          {7, TASTE_VENTIL1 + 10, 0x10000, 1},
        {5, TASTE_DRUCK2CHECKB, 0, 0},     {2, TASTE_PUMPE1, 2, 2},
        {6, TASTE_DRUCK1, 0x100, 0x100},
    };
    for (const Fall& f : faelle) {
        std::vector<unsigned char> bild(TASTENDATEI_GROESSE);
        TastenDatei_BildErstellen(beispielTabelle(), bild.data());
        le32_setzen(&bild[36 + 76 * f.taste + 4 * f.feld], f.gespeichert);
        TastenTabelle t{};
        ASSERT_EQ(TastenDatei_BildAuswerten(bild.data(), bild.size(), t), 0);
        TastenTabelle erwartet = beispielTabelle();
        erwartet[f.taste][f.feld] = f.geladen;
        EXPECT_EQ(t, erwartet) << f.taste << "/" << f.feld << ": " << f.gespeichert;
    }
}

// One range per field: the first value outside it is named for the refusal of an upload, and every such
// value is brought to the nearest end of its range for the window.
TEST(TastenDateibild, ValuesOutsideTheirRangeAreNamedAndBroughtIntoIt) {
    struct Fall {
        int taste, feld;
        std::int32_t wert, eingepasst;
        std::string text; // empty: in range
    };
    const Fall faelle[] = {
        {2, TASTE_DRUCK1, 99999, 1000, "Taste 3, DRUCK1: 99999 (erlaubt -1000 bis 1000)"},
        {0, TASTE_DRUCK2, -1001, -1000, "Taste 1, DRUCK2: -1001 (erlaubt -1000 bis 1000)"},
        {8, TASTE_ZEIT1, 70000, 500, "Taste 9, ZEIT1: 70000 (erlaubt 0 bis 500)"},
        {4, TASTE_ZEIT2, -1, 0, "Taste 5, ZEIT2: -1 (erlaubt 0 bis 500)"},
        {1, TASTE_PUMPE1, 1000, 100, "Taste 2, PUMPE1: 1000 (erlaubt -100 bis 100)"},
        {7, TASTE_PUMPE2, INT_MIN, -100, "Taste 8, PUMPE2: -2147483648 (erlaubt -100 bis 100)"},
        {6, TASTE_VENTIL1 + 10, 3, 1, "Taste 7, VENTIL11: 3 (erlaubt 0 bis 1)"},
        {5, TASTE_DRUCK1CHECKB, -4, 1, "Taste 6, DRUCK1CHECKB: -4 (erlaubt 0 bis 1)"},
        {3, TASTE_ZEIT1, 500, 500, ""},
        {3, TASTE_DRUCK2, -1000, -1000, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        TastenTabelle t{};
        for (TastenEintrag& e : t)
            e[TASTE_DRUCK1CHECKB] = e[TASTE_DRUCK2CHECKB] = 1;
        t[f.taste][f.feld] = f.wert;
        const Fehlercode code = TastenBereich_Pruefen(t);
        EXPECT_EQ(code, f.text.empty() ? KEIN_FEHLER : FEHLER_TASTEN_WERT_BEREICH);
        if (code != KEIN_FEHLER) {
            EXPECT_EQ(std::string(VKR_Fehlermeldung(code)), "Parameter außerhalb der Grenzwerte\n" + f.text);
        }
        const std::string zeilen = TastenBereich_Einpassen(t);
        EXPECT_EQ(t[f.taste][f.feld], f.eingepasst);
        EXPECT_EQ(zeilen.empty(), f.text.empty()) << zeilen;
        EXPECT_EQ(TastenBereich_Pruefen(t), KEIN_FEHLER);
    }
    // A limit whose check box is off is not sent and may keep any number; the window still brings it in.
    TastenTabelle t{};
    t[4][TASTE_DRUCK2] = 99999;
    t[5][TASTE_DRUCK1] = -99999;
    EXPECT_EQ(TastenBereich_Pruefen(t), KEIN_FEHLER);
    EXPECT_EQ(TastenBereich_Einpassen(t),
              "Taste 5, DRUCK2: 99999 \xE2\x86\x92 1000\nTaste 6, DRUCK1: -99999 \xE2\x86\x92 -1000\n");
}

TEST(TastenDateibild, RejectedImagesLeaveTheTableAlone) {
    std::vector<unsigned char> gut(TASTENDATEI_GROESSE + 1);
    TastenDatei_BildErstellen(beispielTabelle(), gut.data());
    struct Fall {
        const char* name;
        std::size_t laenge;
        std::string tag; // empty: keep
        int version;
        Fehlercode code;
    };
    const Fall faelle[] = {
        {"719 bytes", 719, "", 1, FEHLER_TASTENDATEI_ZU_KURZ},
        {"empty", 0, "", 1, FEHLER_TASTENDATEI_ZU_KURZ},
        {"longer tag", 720, "VKRPLM1 Tastenx", 1, FEHLER_TASTENDATEI_TYP},
        {"curve file", 720, "VKRPLM1 Kurven", 1, FEHLER_TASTENDATEI_TYP},
        {"no zero in 32 bytes", 720, std::string(32, 'V'), 1, FEHLER_TASTENDATEI_TYP},
        {"shortened tag", 720, "VKRPLM1 Tast", 1, FEHLER_TASTENDATEI_TYP},
        {"all zero", 720, std::string(1, '\0'), 1, FEHLER_TASTENDATEI_TYP},
        {"version 2", 720, "", 2, FEHLER_TASTENDATEI_VERSION},
        {"version 0", 720, "", 0, FEHLER_TASTENDATEI_VERSION},
    };
    for (const Fall& f : faelle) {
        std::vector<unsigned char> bild = gut;
        if (!f.tag.empty()) {
            std::fill(bild.begin(), bild.begin() + 32, 0);
            std::copy(f.tag.begin(), f.tag.end(), bild.begin());
        }
        le32_setzen(&bild[32], f.version);
        TastenTabelle tabelle{};
        tabelle[4][4] = 99;
        const TastenTabelle vorher = tabelle;
        EXPECT_EQ(TastenDatei_BildAuswerten(bild.data(), f.laenge, tabelle), f.code) << f.name;
        EXPECT_EQ(tabelle, vorher) << f.name;
    }
    VKR_Fehlersprache(VKR_SPRACHE_DEUTSCH);
    std::vector<unsigned char> v2 = gut;
    le32_setzen(&v2[32], 2);
    TastenTabelle tabelle{};
    ASSERT_EQ(TastenDatei_BildAuswerten(v2.data(), 720, tabelle), FEHLER_TASTENDATEI_VERSION);
    EXPECT_NE(std::string(VKR_Fehlermeldung(FEHLER_TASTENDATEI_VERSION)).find("V 2 (erwartet V 1)"),
              std::string::npos);
}

TEST(TastenDateibild, BytesAfterTheTagsZeroAndAfter720DoNotMatter) {
    std::vector<unsigned char> bild(TASTENDATEI_GROESSE + 1, 0xEE);
    TastenDatei_BildErstellen(beispielTabelle(), bild.data());
    for (int i = 15; i < 32; ++i)
        bild[i] = static_cast<unsigned char>(0x80 + i);
    TastenTabelle t{};
    ASSERT_EQ(TastenDatei_BildAuswerten(bild.data(), bild.size(), t), 0);
    EXPECT_EQ(t, beispielTabelle());
}

} // namespace
