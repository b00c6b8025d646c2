// The unit's memory image of the cycle: head and records against the worked example, valve kinds, pump
// conversion, limits, and the checks of the decoder.

#include "hilfen.h"

#include "cycle/Kurven_Com.h"
#include "device/Speicherbild.h"
#include "errors/VKR_errorV3.h"
#include "platform/files/le_bytes.h"
#include "valves/Ventilarten.h"

using namespace zyklus_test;
using Bytes = std::vector<unsigned char>;

namespace {

Bytes kopf(int invertiert) {
    Bytes b(KURVENSATZ_KOPFGROESSE);
    KurvenCom_KopfErstellen(b.data(), invertiert);
    return b;
}
Bytes punkte(int invertiert) {
    Bytes b(KURVENSATZ_SATZGROESSE * gKurveneckdaten[KE_ANZAHLSCHRITTE]);
    EXPECT_EQ(KurvenCom_PunkteErstellen(b.data(), invertiert), gKurveneckdaten[KE_ANZAHLSCHRITTE]);
    return b;
}
Bytes satz(const Bytes& p, int i) {
    return Bytes(p.begin() + 16 * i, p.begin() + 16 * (i + 1));
}

} // namespace

TEST(KurvenKodierung, BeispielZehnSchritteDreiLaeufeOhneGrenzen) {
    frischesModell(10);
    gKurveneckdaten[KE_ZYKLEN] = 3;
    EXPECT_EQ(kopf(0), (Bytes{0x0A, 0x00, 0x03, 0x00, 0x0E, 0x00}));
    EXPECT_EQ(kopf(1), (Bytes{0xF5, 0xFF, 0xFC, 0xFF, 0xF0, 0x03}));
    const Bytes erwartet{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD0, 0x07,
                         0x30, 0xF8, 0xD0, 0x07, 0x30, 0xF8, 0xFF, 0x03};
    // Sums: 1 + 2 · (0xD0 + 0x07 + 0x30 + 0xF8) = 0x03FF; inverted 1 + 6 · 0xFF + 2 · (0x2F + 0xF8 + 0xCF +
    // 0x07) = 0x09F5.
    const Bytes invertiert{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x2F, 0xF8,
                           0xCF, 0x07, 0x2F, 0xF8, 0xCF, 0x07, 0xF5, 0x09};
    const Bytes plain = punkte(0), inv = punkte(1);
    ASSERT_EQ(plain.size(), 160u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(satz(plain, i), erwartet) << "Schritt " << i;
        EXPECT_EQ(satz(inv, i), invertiert) << "Schritt " << i;
    }
}

TEST(KurvenKodierung, EndloslaufSendetNullLaeufeUndLiestSieZurueck) {
    frischesModell(10);
    gKurveneckdaten[KE_ZYKLEN] = 7;
    gKurveneckdaten[KE_ZYKLENUNBEGRENZT] = 1;
    const Bytes k = kopf(0);
    EXPECT_EQ(le16u_lesen(&k[2]), 0);
    gKurveneckdaten[KE_ZYKLEN] = 5;
    gKurveneckdaten[KE_ZYKLENUNBEGRENZT] = 0;
    ASSERT_EQ(KurvenCom_KopfAuswerten(k.data()), KEIN_FEHLER);
    EXPECT_EQ(gKurveneckdaten[KE_ZYKLENUNBEGRENZT], 1);
    EXPECT_EQ(gKurveneckdaten[KE_ZYKLEN], 5);
    const Bytes zwoelf{0x14, 0x00, 0x0C, 0x00, 0x21, 0x00}; // 20 steps, 12 runs
    ASSERT_EQ(KurvenCom_KopfAuswerten(zwoelf.data()), KEIN_FEHLER);
    EXPECT_EQ(gKurveneckdaten[KE_ZYKLENUNBEGRENZT], 0);
    EXPECT_EQ(gKurveneckdaten[KE_ZYKLEN], 12);
    EXPECT_EQ(gKurveneckdaten[KE_ANZAHLSCHRITTE], 20);
    for (const auto& kurve : gKurven)
        EXPECT_EQ(kurve.count, 20);
}

// Valve bit by kind and opening, and what it reads back as.
TEST(KurvenKodierung, VentilbitsNachVentilart) {
    struct Fall {
        int art, wert, bit, zurueck;
    };
    const Fall faelle[] = {
        {VENTILART_NC, 1, 1, 1}, {VENTILART_NC, 0, 0, 0}, {VENTILART_NO, 1, 0, 1},
        {VENTILART_NO, 0, 1, 0}, {VENTILART_NV, 1, 0, 0}, {VENTILART_NV, 0, 0, 0},
    };
    for (const auto& f : faelle) {
        for (int ventil = 1; ventil <= 11; ++ventil) {
            SCOPED_TRACE(testing::Message() << "Art " << f.art << " Wert " << f.wert << " Ventil " << ventil);
            frischesModell(1);
            std::array<int, 11> arten;
            arten.fill(VENTILART_NC);
            arten[ventil - 1] = f.art;
            ventilartenSetzen(arten);
            gKurven[Kurvenarrays_VentilKanal(ventil)].values[0] = f.wert;
            const Bytes p = punkte(0);
            EXPECT_EQ(le16u_lesen(&p[0]), f.bit << (ventil - 1));
            gKurven[Kurvenarrays_VentilKanal(ventil)].values[0] = 7;
            ASSERT_EQ(KurvenCom_PunkteAuswerten(p.data(), 1), KEIN_FEHLER);
            EXPECT_EQ(gKurven[Kurvenarrays_VentilKanal(ventil)].values[0], f.zurueck);
            for (int k = 2; k < KURVEN_ANZAHL; ++k) {
                if (k != Kurvenarrays_VentilKanal(ventil)) {
                    EXPECT_EQ(gKurven[k].values[0], 0) << k;
                }
            }
        }
    }
}

TEST(KurvenKodierung, Pumpeneinstellungen) {
    const std::pair<int32_t, int> faelle[] = {
        {0, 0},      {30, 77}, {-30, -77},  {100, 255},    {-100, -255},     {50, 128},
        {-50, -128}, {1, 3},   {1000, 255}, {-1000, -255}, {INT32_MAX, 255}, {INT32_MIN, -255}};
    for (const auto& [prozent, geraet] : faelle)
        EXPECT_EQ(KurvenCom_PumpeZuGeraet(prozent), geraet) << prozent;
    EXPECT_EQ(Speicherbild_PumpeVonGeraet(77), 30);
    EXPECT_EQ(Speicherbild_PumpeVonGeraet(255), 100);
    EXPECT_EQ(Speicherbild_PumpeVonGeraet(-32768), -12850);

    frischesModell(1);
    gKurven[0].values[0] = -100;
    gKurven[1].values[0] = 30;
    const Bytes p = punkte(0);
    EXPECT_EQ(p[2], 0x01);
    EXPECT_EQ(p[3], 0xFF);
    EXPECT_EQ(le16s_lesen(&p[4]), 77);
}

TEST(KurvenKodierung, JederProzentwertUebersteht) {
    frischesModell(201);
    for (int i = 0; i < 201; ++i) {
        gKurven[0].values[i] = i - 100;
        gKurven[1].values[i] = 100 - i;
    }
    const Abbild vorher = abbild();
    const Bytes p = punkte(0);
    for (auto& k : gKurven)
        std::fill(k.values.begin(), k.values.end(), 9);
    ASSERT_EQ(KurvenCom_PunkteAuswerten(p.data(), 201), KEIN_FEHLER);
    EXPECT_EQ(abbild().kurven, vorher.kurven);
}

TEST(KurvenKodierung, GrenzdrueckeNurWennAktiv) {
    frischesModell(1);
    const int32_t eck[8] = {1, 0, 0, 1, 1500, 900, -800, -1200};
    std::copy(eck, eck + 8, gKurveneckdaten);
    Bytes p = punkte(0);
    EXPECT_EQ(le16s_lesen(&p[6]), 1500);  // pump 1 upper, checked
    EXPECT_EQ(le16s_lesen(&p[8]), -2000); // pump 1 lower, unchecked
    EXPECT_EQ(le16s_lesen(&p[10]), 2000); // pump 2 upper, unchecked
    EXPECT_EQ(le16s_lesen(&p[12]), -1200);

    // Reading back: the unchecked ones keep their numbers.
    gKurveneckdaten[KE_DRUCKHIGH1CHECK] = 0;
    gKurveneckdaten[KE_DRUCKHIGH1] = 11;
    gKurveneckdaten[KE_DRUCKLOW1CHECK] = 1;
    ASSERT_EQ(KurvenCom_PunkteAuswerten(p.data(), 1), KEIN_FEHLER);
    const int32_t zurueck[8] = {1, 0, 0, 1, 1500, 900, -800, -1200};
    EXPECT_EQ(std::vector<int32_t>(gKurveneckdaten, gKurveneckdaten + 8),
              std::vector<int32_t>(zurueck, zurueck + 8));

    // Values beyond 16 bits go out as their low 16 bits.
    gKurveneckdaten[KE_DRUCKHIGH1] = 70000;
    gKurveneckdaten[KE_DRUCKLOW2] = -70000;
    p = punkte(0);
    EXPECT_EQ(le16u_lesen(&p[6]), 70000 & 0xFFFF);
    EXPECT_EQ(le16u_lesen(&p[12]), -70000 & 0xFFFF);
    gKurveneckdaten[KE_ZYKLEN] = 65537;
    EXPECT_EQ(le16u_lesen(&kopf(0)[2]), 1);
}

TEST(KurvenKodierung, KopfFehlerLassenDenZyklusWieErWar) {
    struct Fall {
        const char* name;
        Bytes kopf;
        Fehlercode code;
    };
    const Fall faelle[] = {
        {"Summe um eins daneben", {0x0A, 0x00, 0x03, 0x00, 0x0F, 0x00}, FEHLER_KURVEN_KOPF_CHECKSUMME},
        {"Summe im hohen Byte", {0x0A, 0x00, 0x03, 0x00, 0x0E, 0x01}, FEHLER_KURVEN_KOPF_CHECKSUMME},
        {"601 Schritte", {0x59, 0x02, 0x03, 0x00, 0x5F, 0x00}, FEHLER_KURVEN_KOPF_SCHRITTE},
        {"0 Schritte", {0x00, 0x00, 0x03, 0x00, 0x04, 0x00}, FEHLER_KURVEN_KOPF_SCHRITTE},
        {"65535 Schritte", {0xFF, 0xFF, 0x00, 0x00, 0xFF, 0x01}, FEHLER_KURVEN_KOPF_SCHRITTE},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        frischesModell(33);
        musterFuellen();
        gKurveneckdaten[KE_ZYKLEN] = 4;
        const Abbild vorher = abbild();
        EXPECT_EQ(KurvenCom_KopfAuswerten(f.kopf.data()), f.code);
        EXPECT_EQ(abbild(), vorher);
        const std::string text = VKR_Fehlermeldung(f.code);
        EXPECT_NE(text.find("Speicherfehler im PLM-1.\nSenden Sie die Kurven erneut zum PLM-1"),
                  std::string::npos)
            << text;
    }
}

TEST(KurvenKodierung, SatzMitFalscherSummeHaeltDieDekodierungAn) {
    frischesModell(6);
    musterFuellen();
    const Abbild quelle = abbild();
    Bytes p = punkte(0);
    p[16 * 3 + 14] ^= 1;
    frischesModell(6);
    EXPECT_EQ(KurvenCom_PunkteAuswerten(p.data(), 6), FEHLER_KURVEN_PUNKT_CHECKSUMME);
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(gKurven[k].values[i], i < 3 ? quelle.kurven[k][i] : 0) << k << "/" << i;
    EXPECT_NE(std::string(VKR_Fehlermeldung(FEHLER_KURVEN_PUNKT_CHECKSUMME)).find("Speicherfehler im PLM-1."),
              std::string::npos);
}
