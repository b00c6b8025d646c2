// Key transfer against the simulated unit on a pseudo-terminal: plain and inverted copies in the unit's
// memory, no inverted copy after a failed plain write, table unchanged after a failed read, and the popup
// naming keys with bad checksums.

#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Com.h"
#include "keys/Tasten_Pruefen.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui_test.h"
#include "sim/plm1sim_server.h"
#include "valves/Konfig_Main.h"
#include "valves/Konfigarray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int PORT = 3;

class TastenComTest : public ::testing::Test {
  protected:
    plm1sim::Server server;
    std::vector<std::pair<std::string, std::string>> popups;

    void SetUp() override {
        VkrCom_Zuruecksetzen();
        Konfigarray_Initialisieren();
        Tastenarrays_Initialisieren();
        ASSERT_TRUE(server.starten());
        Rs232_GeraetepfadSetzen(PORT, server.pfad());
        ASSERT_EQ(VkrCom_Open(PORT), 0);
        ASSERT_EQ(VkrCom_AdresseSet('1'), 0);
        UI_MeldungsabfangSetzen(
            [this](const std::string& t, const std::string& m) { popups.emplace_back(t, m); });
    }
    void TearDown() override {
        UI_MeldungsabfangSetzen(nullptr);
        VkrCom_Zuruecksetzen();
        Rs232_GeraetepfadSetzen(PORT, "");
        server.stoppen();
    }

    plm1sim::Bus& bus() { return server.bus(); }
    std::vector<std::uint8_t> speicher(int adresse) {
        return bus().speicher('1', adresse, TASTENSPEICHER_GROESSE);
    }

    static void arten(Ventilarten& a) {
        for (int j = 0; j < ANZAHL_VENTILE; ++j)
            a[j] = gKonfig[j];
    }
    static std::vector<std::uint8_t> erwartet(const TastenTabelle& t, bool invertiert) {
        Ventilarten a;
        arten(a);
        std::vector<std::uint8_t> d(TASTENSPEICHER_GROESSE);
        for (int n = 0; n < TASTEN_ANZAHL; ++n)
            TastenBlock_Kodieren(t[n], a, invertiert, &d[20 * n]);
        return d;
    }
};

TastenTabelle beispiel() {
    TastenTabelle t{};
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        t[n][TASTE_VENTIL1 + n] = 1;
        t[n][TASTE_VENTIL1 + 10] = n % 2;
        t[n][TASTE_PUMPE1] = n % 2 ? -30 - 10 * n : std::min(30 + 10 * n, 100);
        t[n][TASTE_PUMPE2] = n == 4 ? 0 : -100;
        t[n][TASTE_DRUCK1CHECKB] = n % 3 != 0;
        t[n][TASTE_DRUCK1] = n % 2 ? -500 + n * 10 : 800 - n * 10;
        t[n][TASTE_DRUCK2CHECKB] = 1;
        t[n][TASTE_DRUCK2] = -990;
        t[n][TASTE_ZEIT1] = 500 - n;
        t[n][TASTE_ZEIT2] = n * 50;
    }
    return t;
}

TEST_F(TastenComTest, UploadWritesThePlainThenTheInvertedCopy) {
    gKonfig[1] = VENTILART_NO;
    gKonfig[4] = VENTILART_NV;
    gTaste = beispiel();
    bus().protokollLeeren();
    std::vector<std::vector<int>> dialoge; // percentages shown per progress dialog
    UI_FortschrittsbeobachterSetzen([&](const std::string& titel, int prozent) {
        if (prozent == 0 && (dialoge.empty() || dialoge.back().back() == -1)) dialoge.emplace_back();
        EXPECT_EQ(titel, "Daten senden");
        dialoge.back().push_back(prozent);
    });
    ASSERT_EQ(TastenCom_Plm1Upload(), 0);
    UI_FortschrittsbeobachterSetzen(nullptr);
    // The plain copy runs the bar to 50 %, the inverted copy on to 100 %.
    ASSERT_EQ(dialoge.size(), 2u);
    EXPECT_EQ(dialoge[0].end()[-2], 50);
    EXPECT_EQ(dialoge[1].end()[-2], 100);
    EXPECT_GE(dialoge[1][1], 50);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), 0);
    EXPECT_EQ(speicher(0x0000), erwartet(gTaste, false));
    EXPECT_EQ(speicher(0x4000), erwartet(gTaste, true));
    // Plain pieces first, then the inverted ones.
    const auto zeilen = bus().empfangeneZeilen();
    ASSERT_FALSE(zeilen.empty());
    EXPECT_NE(zeilen.front().find("BDW"), std::string::npos);
    EXPECT_TRUE(popups.empty());

    // A table with a value outside its range (a window's download of a unit's odd time, say) is refused
    // before anything is sent: the code comes back for the popup.
    gTaste[6][TASTE_ZEIT2] = 70000;
    bus().protokollLeeren();
    EXPECT_EQ(TastenCom_Plm1Upload(), FEHLER_TASTEN_WERT_BEREICH);
    EXPECT_EQ(std::string(VKR_Fehlermeldung(FEHLER_TASTEN_WERT_BEREICH)),
              "Parameter außerhalb der Grenzwerte\nTaste 7, ZEIT2: 70000 (erlaubt 0 bis 500)");
    EXPECT_TRUE(bus().empfangeneZeilen().empty());
}

TEST_F(TastenComTest, NoInvertedCopyAfterAFailedPlainWrite) {
    const std::vector<std::uint8_t> muster(TASTENSPEICHER_GROESSE, 0x5A);
    bus().speicherSetzen('1', 0x4000, muster);
    gTaste = beispiel();
    bus().fehlerSetzen("BDW", plm1sim::Fehlerart::Nak, 1);
    ASSERT_EQ(TastenCom_Plm1Upload(), 0); // transfer errors go to the error controls
    EXPECT_NE(VkrCom_LetzterFehlerGet(), 0);
    EXPECT_EQ(speicher(0x4000), muster);
}

TEST_F(TastenComTest, DownloadDecodesTheUnitsKeys) {
    gKonfig[2] = VENTILART_NO;
    const TastenTabelle quelle = beispiel();
    bus().speicherSetzen('1', 0x0000, erwartet(quelle, false));
    ASSERT_EQ(TastenCom_Plm1Download(), 0);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), 0);
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        TastenEintrag e = quelle[n];
        // An inactive limit is not sent, so the table keeps its own value (here 0).
        if (!e[TASTE_DRUCK1CHECKB]) e[TASTE_DRUCK1] = 0;
        EXPECT_EQ(gTaste[n], e) << "Taste " << n + 1;
    }
    EXPECT_TRUE(popups.empty());
}

TEST_F(TastenComTest, FailedReadLeavesTheTableUnchanged) {
    bus().speicherSetzen('1', 0x0000, erwartet(beispiel(), false));
    gTaste[6][TASTE_ZEIT2] = 77;
    const TastenTabelle vorher = gTaste;
    bus().fehlerSetzen("BDR", plm1sim::Fehlerart::Can, 1);
    ASSERT_EQ(TastenCom_Plm1Download(), 0);
    EXPECT_NE(VkrCom_LetzterFehlerGet(), 0);
    EXPECT_EQ(gTaste, vorher);
    EXPECT_TRUE(popups.empty());
}

TEST_F(TastenComTest, ThreeBadKeysGiveThreeLinesAnEmptyLineAndTheClosingText) {
    const TastenTabelle quelle = beispiel();
    auto d = erwartet(quelle, false);
    for (int n : {2, 6, 7})
        d[20 * n + 5] ^= 0x10; // data changed, checksum not
    bus().speicherSetzen('1', 0x0000, d);
    for (auto& t : gTaste)
        t.fill(3);
    const TastenTabelle vorher = gTaste;
    ASSERT_EQ(TastenCom_Plm1Download(), 0);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].first, "Speicherfehler im PLM-1");
    EXPECT_EQ(popups[0].second,
              "Taste 3: Speicher ungültig\nTaste 7: Speicher ungültig\nTaste 8: Speicher ungültig\n"
              "\nSpeicher im PLM-1 ist ungültig.\nSenden Sie die Tastenbelegung erneut zum PLM-1.");
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        if (n == 2 || n == 6 || n == 7)
            EXPECT_EQ(gTaste[n], vorher[n]) << n;
        else
            EXPECT_EQ(gTaste[n][TASTE_ZEIT1], quelle[n][TASTE_ZEIT1]) << n;
    }
}

TEST_F(TastenComTest, VerifiedUploadFindsTheFirstChangedByte) {
    struct Fall {
        const char* name;
        int veraendert; // unit address changed between write and read-back; -1: none
        const char* ort;
    };
    const Fall faelle[] = {
        {"sauber", -1, ""},
        {"Taste 1", 0x0000, "Adresse 0x0000 (Taste 1)"},
        {"Summe von Taste 9", 0x00B3, "Adresse 0x00B3 (Taste 9)"},
        {"Taste 5 invertiert", 0x4000 + 4 * 20 + 7, "Adresse 0x4057 (Taste 5, invertierte Kopie)"},
        {"erstes Byte der invertierten Kopie", 0x4000, "Adresse 0x4000 (Taste 1, invertierte Kopie)"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        gTaste = beispiel();
        if (f.veraendert >= 0) bus().speicherAendernVorLesen('1', f.veraendert);
        std::vector<std::string> titel;
        UI_FortschrittsbeobachterSetzen([&](const std::string& t, int prozent) {
            if (prozent == 0) titel.push_back(t);
        });
        ASSERT_EQ(TastenPruefen_Plm1Upload(true), 0);
        UI_FortschrittsbeobachterSetzen(nullptr);
        EXPECT_EQ(VkrCom_LetzterFehlerGet(), f.veraendert < 0 ? 0 : FEHLER_TASTEN_PRUEFUNG);
        ASSERT_GE(titel.size(), 3u);
        EXPECT_EQ(titel[0], "Daten senden");
        EXPECT_EQ(titel[1], "Daten senden");
        EXPECT_EQ(titel[2], "Daten prüfen");
        if (f.veraendert < 0) {
            EXPECT_EQ(titel.size(), 4u);
        }
        int abweichung = -2;
        ASSERT_EQ(TastenPruefen_Vergleichen(&abweichung), 0);
        EXPECT_EQ(abweichung, f.veraendert);
        if (f.veraendert >= 0) {
            EXPECT_EQ(TastenPruefen_OrtBeschreiben(abweichung), f.ort);
        }
    }
    // A read-back that fails itself leaves its own error, never a comparison result.
    bus().fehlerSetzen("BDR", plm1sim::Fehlerart::Nak);
    ASSERT_EQ(TastenPruefen_Plm1Upload(true), 0);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), FEHLER_SL_NAK);
    bus().fehlerLoeschen();
    EXPECT_TRUE(popups.empty());
}

} // namespace
