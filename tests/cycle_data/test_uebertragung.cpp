// Upload and download of the cycle against the simulated unit on a pseudo-terminal, through the real
// serial stack and block transfers.

#include "hilfen.h"

#include "cycle/Kurven_Com.h"
#include "cycle/Kurven_Pruefen.h"
#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "platform/files/le_bytes.h"
#include "platform/line/rs232.h"
#include "sim/plm1sim_server.h"

using namespace zyklus_test;
using Bytes = std::vector<unsigned char>;

namespace {

constexpr int PORT = 3;

struct Stueck {
    int adresse, groesse;
    bool operator==(const Stueck&) const = default;
};

class KurvenUebertragung : public ::testing::Test {
  protected:
    plm1sim::Server server;
    std::vector<std::pair<std::string, std::string>> meldungen;

    void SetUp() override {
        ASSERT_TRUE(server.starten());
        Rs232_GeraetepfadSetzen(PORT, server.pfad());
        VkrCom_Zuruecksetzen();
        ASSERT_EQ(VkrCom_Open(PORT), KEIN_FEHLER);
        ASSERT_EQ(VkrCom_AdresseSet('1'), KEIN_FEHLER);
        UI_MeldungsabfangSetzen(
            [this](const std::string& t, const std::string& x) { meldungen.emplace_back(t, x); });
        frischesModell(10);
    }
    void TearDown() override {
        UI_MeldungsabfangSetzen(nullptr);
        (void)VkrCom_Close();
        VkrCom_Zuruecksetzen();
        Rs232_GeraetepfadSetzen(PORT, "");
        server.stoppen();
    }

    Bytes speicher(int start, int laenge) {
        const auto s = server.bus().speicher('1', start, laenge);
        return Bytes(s.begin(), s.end());
    }
    // Address and size of every BDW line the unit received, in order.
    std::vector<Stueck> geschriebeneStuecke() {
        std::vector<Stueck> st;
        for (const auto& z : server.bus().empfangeneZeilen())
            if (z.size() > 14 && z.compare(2, 3, "BDW") == 0)
                st.push_back(
                    {std::stoi(z.substr(6, 4), nullptr, 16), std::stoi(z.substr(10, 4), nullptr, 16)});
        return st;
    }
    // Stores a cycle in the unit's memory as the program would have sent it.
    void zyklusImGeraet(const std::function<void(Bytes& kopf, Bytes& punkte)>& aendern = nullptr) {
        Bytes kopf(6), punkte(16 * gKurveneckdaten[KE_ANZAHLSCHRITTE]);
        KurvenCom_KopfErstellen(kopf.data(), 0);
        KurvenCom_PunkteErstellen(punkte.data(), 0);
        if (aendern) aendern(kopf, punkte);
        server.bus().speicherSetzen('1', KURVENSATZ_ADRESSE_KOPF, {kopf.begin(), kopf.end()});
        server.bus().speicherSetzen('1', KURVENSATZ_ADRESSE_SAETZE, {punkte.begin(), punkte.end()});
    }
};

} // namespace

TEST_F(KurvenUebertragung, UploadSchreibtKopfUndSaetzeSchlichtUndInvertiert) {
    frischesModell(37);
    musterFuellen();
    gKurveneckdaten[KE_ZYKLEN] = 3;
    gKurveneckdaten[KE_DRUCKLOW2CHECK] = 1;
    gKurveneckdaten[KE_DRUCKLOW2] = -350;
    ASSERT_EQ(KurvenCom_Plm1Upload(), KEIN_FEHLER);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), 0);

    Bytes punkte(16 * 37);
    KurvenCom_PunkteErstellen(punkte.data(), 0);
    const Bytes plain = speicher(0x0420, 16 * 37), inv = speicher(0x4420, 16 * 37);
    EXPECT_EQ(plain, punkte);
    // 37 steps, 3 runs; sums 1 + 0x25 + 0x03 and 1 + 0xDA + 0xFF + 0xFC + 0xFF.
    EXPECT_EQ(speicher(0x0400, 6), (Bytes{0x25, 0x00, 0x03, 0x00, 0x29, 0x00}));
    EXPECT_EQ(speicher(0x4400, 6), (Bytes{0xDA, 0xFF, 0xFC, 0xFF, 0xD5, 0x03}));
    // Steps 0 and 36: valves 2, 4, …, 10 open (NC), pumps −255/−179 and 150/227, lower limit of pump 2 at
    // −350; sums 0x076F and 0x069C, inverted 0x0685 and 0x0758.
    const Bytes grenzen{0xD0, 0x07, 0x30, 0xF8, 0xD0, 0x07, 0xA2, 0xFE};
    const Bytes grenzenInv{0x2F, 0xF8, 0xCF, 0x07, 0x2F, 0xF8, 0x5D, 0x01};
    const auto satz = [](const Bytes& b, int i) {
        return Bytes(b.begin() + 16 * i, b.begin() + 16 * i + 16);
    };
    const auto mit = [](Bytes a, const Bytes& grenzen, Bytes summe) {
        a.insert(a.end(), grenzen.begin(), grenzen.end());
        a.insert(a.end(), summe.begin(), summe.end());
        return a;
    };
    EXPECT_EQ(satz(plain, 0), mit({0xAA, 0x02, 0x01, 0xFF, 0x4D, 0xFF}, grenzen, {0x6F, 0x07}));
    EXPECT_EQ(satz(inv, 0), mit({0x55, 0xFD, 0xFE, 0x00, 0xB2, 0x00}, grenzenInv, {0x85, 0x06}));
    EXPECT_EQ(satz(plain, 36), mit({0xAA, 0x02, 0x96, 0x00, 0xE3, 0x00}, grenzen, {0x9C, 0x06}));
    EXPECT_EQ(satz(inv, 36), mit({0x55, 0xFD, 0x69, 0xFF, 0x1C, 0xFF}, grenzenInv, {0x58, 0x07}));
    // Every other step: the inverted record is the complement, and the sums of a record and its inverse
    // add up to 2 + 14 · 0xFF.
    for (int i = 0; i < 37; ++i) {
        for (int j = 0; j < 14; ++j)
            EXPECT_EQ(inv[16 * i + j], static_cast<unsigned char>(~plain[16 * i + j])) << i << " " << j;
        EXPECT_EQ(le16u_lesen(&plain[16 * i + 14]) + le16u_lesen(&inv[16 * i + 14]), 2 + 14 * 0xFF) << i;
    }

    // 592 record bytes from 0x0420: 32 up to the first 64-byte boundary, then 64s, then the rest.
    std::vector<Stueck> erwartet{{0x0400, 6}, {0x4400, 6}};
    for (const int basis : {0x0420, 0x4420}) {
        int a = basis, rest = 592;
        while (rest > 0) {
            const int n = std::min(rest, 64 - a % 64);
            erwartet.push_back({a, n});
            a += n;
            rest -= n;
        }
    }
    EXPECT_EQ(geschriebeneStuecke(), erwartet);
    EXPECT_EQ(erwartet[2], (Stueck{0x0420, 32}));
    EXPECT_TRUE(meldungen.empty());

    // A value outside its range is refused before anything is sent: the code comes back for the popup.
    gKurveneckdaten[KE_DRUCKLOW2] = -70000;
    server.bus().protokollLeeren();
    EXPECT_EQ(KurvenCom_Plm1Upload(), FEHLER_KURVEN_WERT_BEREICH);
    EXPECT_EQ(std::string(VKR_Fehlermeldung(FEHLER_KURVEN_WERT_BEREICH)),
              "Parameter außerhalb der Grenzwerte\nDRUCKLOW2: -70000 (erlaubt -2000 bis 2000)");
    EXPECT_TRUE(server.bus().empfangeneZeilen().empty());
}

TEST_F(KurvenUebertragung, DownloadHoltDenZyklusZurueck) {
    std::array<int, 11> arten{2, 1, 0, 2, 2, 1, 2, 2, 2, 2, 1};
    ventilartenSetzen(arten);
    frischesModell(120);
    ventilartenSetzen(arten);
    musterFuellen();
    for (int i = 0; i < 120; ++i)
        gKurven[Kurvenarrays_VentilKanal(3)].values[i] = 0; // n.v. reads back 0
    const int32_t eck[KURVENECKDATEN_ANZAHL] = {1, 1, 0, 1, 1800, 1700, -2000, -900, 9, 0, 120};
    std::copy(eck, eck + KURVENECKDATEN_ANZAHL, gKurveneckdaten);
    ASSERT_EQ(KurvenCom_Plm1Upload(), KEIN_FEHLER);
    const Abbild gesendet = abbild();

    frischesModell(3);
    ventilartenSetzen(arten);
    gKurveneckdaten[KE_DRUCKLOW1] = -2000;
    ASSERT_EQ(KurvenCom_Plm1Download(), KEIN_FEHLER);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), 0);
    EXPECT_EQ(abbild(), gesendet);
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(KurvenUebertragung, UebertragungsfehlerGehenInDieFehleranzeige) {
    struct Fall {
        const char* name;
        std::function<void(plm1sim::Bus&)> fehler;
        bool upload;
        Fehlercode code;
    };
    const Fall faelle[] = {
        {"NAK auf BDW", [](auto& b) { b.fehlerSetzen("BDW", plm1sim::Fehlerart::Nak); }, true, FEHLER_SS_NAK},
        {"CAN auf BDW", [](auto& b) { b.fehlerSetzen("BDW", plm1sim::Fehlerart::Can, -1); }, true,
         FEHLER_SS_CAN},
        {"keine Antwort auf BDR", [](auto& b) { b.fehlerSetzen("BDR", plm1sim::Fehlerart::Stille); }, false,
         FEHLER_SL_KEINE_ANTWORT},
        {"falsche Summe beim Lesen",
         [](auto& b) { b.fehlerSetzen("BDR", plm1sim::Fehlerart::FalscheChecksumme); }, false,
         FEHLER_SL_CHECKSUMME},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        frischesModell(10);
        zyklusImGeraet();
        musterFuellen();
        const Abbild vorher = abbild();
        f.fehler(server.bus());
        EXPECT_EQ(f.upload ? KurvenCom_Plm1Upload() : KurvenCom_Plm1Download(), KEIN_FEHLER);
        EXPECT_EQ(VkrCom_LetzterFehlerGet(), f.code);
        EXPECT_EQ(abbild(), vorher);
        server.bus().fehlerLoeschen();
    }
    // The next transfer clears the error display first.
    EXPECT_EQ(KurvenCom_Plm1Upload(), KEIN_FEHLER);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), 0);
}

TEST_F(KurvenUebertragung, OhneOffenenPortZeigenBeideDenPortfehler) {
    ASSERT_EQ(VkrCom_Close(), KEIN_FEHLER);
    EXPECT_EQ(KurvenCom_Plm1Upload(), KEIN_FEHLER);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), FEHLER_BLOCK_SENDEN_KEIN_PORT);
    EXPECT_EQ(KurvenCom_Plm1Download(), KEIN_FEHLER);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), FEHLER_BLOCK_LESEN_KEIN_PORT);
}

TEST_F(KurvenUebertragung, FalscherKopfImGeraetLaesstDenZyklusWieErWar) {
    struct Fall {
        const char* name;
        std::function<void(Bytes&)> aendern;
        Fehlercode code;
    };
    const Fall faelle[] = {
        {"Summe um eins daneben", [](Bytes& k) { k[4] += 1; }, FEHLER_KURVEN_KOPF_CHECKSUMME},
        {"601 Schritte",
         [](Bytes& k) {
             le16_setzen(&k[0], 601);
             le16_setzen(&k[4], 1 + k[0] + k[1] + k[2] + k[3]);
         },
         FEHLER_KURVEN_KOPF_SCHRITTE},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        frischesModell(10);
        zyklusImGeraet([&](Bytes& k, Bytes&) { f.aendern(k); });
        frischesModell(25);
        musterFuellen();
        const Abbild vorher = abbild();
        EXPECT_EQ(KurvenCom_Plm1Download(), f.code);
        EXPECT_EQ(abbild(), vorher);
        EXPECT_EQ(VkrCom_LetzterFehlerGet(), 0);
    }
}

TEST_F(KurvenUebertragung, VerschiedeneGrenzdrueckeImGeraetWarnenEinmal) {
    frischesModell(8);
    gKurveneckdaten[KE_DRUCKHIGH1CHECK] = 1;
    gKurveneckdaten[KE_DRUCKHIGH1] = 1000;
    zyklusImGeraet([](Bytes&, Bytes& p) {
        for (int i = 4; i < 8; ++i) {
            le16_setzen(&p[16 * i + 6], 1200);
            int s = 1;
            for (int j = 0; j < 14; ++j)
                s += p[16 * i + j];
            le16_setzen(&p[16 * i + 14], s);
        }
    });
    frischesModell(2);
    ASSERT_EQ(KurvenCom_Plm1Download(), KEIN_FEHLER);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].first, "Warnung");
    EXPECT_EQ(meldungen[0].second, KURVENCOM_WARNUNG_TEXT);
    EXPECT_EQ(gKurveneckdaten[KE_DRUCKHIGH1], 1200);
    EXPECT_EQ(gKurveneckdaten[KE_ANZAHLSCHRITTE], 8);
}

TEST_F(KurvenUebertragung, GeprueftesSendenFindetDasErsteVeraenderteByte) {
    struct Fall {
        const char* name;
        int veraendert; // unit address changed between write and read-back; -1: none
        const char* ort;
    };
    const Fall faelle[] = {
        {"sauber", -1, ""},
        {"Kopf", 0x0402, "Adresse 0x0402 (Kopf)"},
        {"Kopf invertiert", 0x4405, "Adresse 0x4405 (Kopf, invertierte Kopie)"},
        {"erstes Byte des invertierten Kopfs", 0x4400, "Adresse 0x4400 (Kopf, invertierte Kopie)"},
        {"erster Schritt", 0x0420, "Adresse 0x0420 (Schritt 1)"},
        {"Summe des letzten Schritts", 0x0420 + 16 * 36 + 15, "Adresse 0x066F (Schritt 37)"},
        {"Schritt 20 invertiert", 0x4420 + 16 * 19 + 3, "Adresse 0x4553 (Schritt 20, invertierte Kopie)"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        frischesModell(37);
        musterFuellen();
        if (f.veraendert >= 0) server.bus().speicherAendernVorLesen('1', f.veraendert);
        std::vector<std::pair<std::string, int>> fortschritt;
        UI_FortschrittsbeobachterSetzen(
            [&](const std::string& titel, int prozent) { fortschritt.emplace_back(titel, prozent); });
        server.bus().protokollLeeren();
        EXPECT_EQ(KurvenPruefen_Plm1Upload(true), KEIN_FEHLER);
        UI_FortschrittsbeobachterSetzen(nullptr);
        EXPECT_EQ(VkrCom_LetzterFehlerGet(), f.veraendert < 0 ? KEIN_FEHLER : FEHLER_KURVEN_PRUEFUNG);

        // The read-back covers what was written, after all of it, under its own dialog title.
        std::vector<std::string> codes;
        for (const auto& z : server.bus().empfangeneZeilen())
            codes.push_back(z.substr(2, 3));
        const auto erstesLesen = std::find(codes.begin(), codes.end(), "BDR");
        ASSERT_NE(erstesLesen, codes.end());
        EXPECT_EQ(std::count(erstesLesen, codes.end(), "BDW"), 0);
        EXPECT_EQ(std::count(codes.begin(), codes.end(), "BDW"), 22);
        if (f.veraendert < 0) {
            EXPECT_EQ(std::count(codes.begin(), codes.end(), "BDR"), 22);
        }
        ASSERT_FALSE(fortschritt.empty());
        EXPECT_EQ(fortschritt.front().first, "Daten senden");
        EXPECT_EQ(fortschritt.back(), (std::pair<std::string, int>{"Daten prüfen", -1}));
        if (f.veraendert < 0) {
            EXPECT_EQ(fortschritt[fortschritt.size() - 2].second, 100);
        }

        // The changed byte stays in the unit: a second comparison names the same place.
        int abweichung = -2;
        ASSERT_EQ(KurvenPruefen_Vergleichen(&abweichung), KEIN_FEHLER);
        EXPECT_EQ(abweichung, f.veraendert);
        if (f.veraendert >= 0) {
            EXPECT_EQ(KurvenPruefen_OrtBeschreiben(abweichung), f.ort);
        }
    }
    // A read-back that fails itself leaves its own error, never a comparison result.
    server.bus().fehlerSetzen("BDR", plm1sim::Fehlerart::Nak);
    EXPECT_EQ(KurvenPruefen_Plm1Upload(true), KEIN_FEHLER);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), FEHLER_SL_NAK);
    server.bus().fehlerLoeschen();
    // Switched off: nothing is read back.
    server.bus().protokollLeeren();
    EXPECT_EQ(KurvenPruefen_Plm1Upload(false), KEIN_FEHLER);
    for (const auto& z : server.bus().empfangeneZeilen())
        EXPECT_EQ(z.substr(2, 3), "BDW");
}
