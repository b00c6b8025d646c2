// Block transfers of unit memory: piece splitting, progress values, data, and the failures.

#include "vkrcom_hilfen.h"

#include "device/Gemeinsam_Com.h"

#include <cstdint>
#include <numeric>

namespace {

struct Stueck {
    int adresse, groesse;
    bool operator==(const Stueck&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Stueck& s) {
    return os << "{0x" << std::hex << s.adresse << std::dec << ", " << s.groesse << "}";
}

class Block : public VkrComBank {
  protected:
    void SetUp() override {
        VkrComBank::SetUp();
        UI_FortschrittsbeobachterSetzen(
            [this](const std::string& titel, int prozent) { fortschritt.emplace_back(titel, prozent); });
    }

    // The memory commands the unit received: start address and size of each.
    std::vector<Stueck> stuecke(const char* code) {
        std::vector<Stueck> s;
        for (const std::string& z : server->bus().empfangeneZeilen())
            if (z.size() >= 14 && z.compare(2, 3, code) == 0)
                s.push_back(
                    {std::stoi(z.substr(6, 4), nullptr, 16), std::stoi(z.substr(10, 4), nullptr, 16)});
        return s;
    }

    std::vector<int> prozente(const std::string& titel) {
        std::vector<int> p;
        for (const auto& [t, wert] : fortschritt) {
            EXPECT_EQ(t, titel);
            p.push_back(wert);
        }
        return p;
    }

    std::vector<std::pair<std::string, int>> fortschritt;
};

TEST_F(Block, LesenIn64erStueckenMitFortschritt) {
    einheitenStarten({plm1sim::Einheit{}});
    std::vector<std::uint8_t> inhalt(256);
    std::iota(inhalt.begin(), inhalt.end(), 0);
    server->bus().speicherSetzen('1', 0, inhalt);
    ASSERT_EQ(VkrCom_Open(1), 0);

    std::vector<unsigned char> puffer(150, 0xEE);
    ASSERT_EQ(GemCom_SpeicherdatenVonPLM1Lesen(0x0010, 150, puffer.data(), 1), 0);
    EXPECT_EQ(stuecke("BDR"), (std::vector<Stueck>{{0x10, 64}, {0x50, 64}, {0x90, 22}}));
    EXPECT_EQ(prozente("Daten lesen"), (std::vector<int>{0, 42, 85, 100, -1}));
    EXPECT_TRUE(std::equal(puffer.begin(), puffer.end(), inhalt.begin() + 0x10));

    // Without the dialog nothing is shown.
    fortschritt.clear();
    ASSERT_EQ(GemCom_SpeicherdatenVonPLM1Lesen(0x0000, 64, puffer.data(), 0), 0);
    EXPECT_TRUE(fortschritt.empty());

    // Zero bytes: one read of 0 bytes, which the driver refuses; the dialog is closed all the same.
    EXPECT_EQ(GemCom_SpeicherdatenVonPLM1Lesen(0x0000, 0, puffer.data(), 1), FEHLER_SL_GROESSE);
    EXPECT_EQ(prozente("Daten lesen"), (std::vector<int>{0, -1}));
}

TEST_F(Block, SendenNieUeberEine64erGrenze) {
    einheitenStarten({plm1sim::Einheit{}});
    ASSERT_EQ(VkrCom_Open(1), 0);
    std::vector<unsigned char> daten(150);
    for (std::size_t i = 0; i < daten.size(); ++i)
        daten[i] = static_cast<unsigned char>(0xA0 ^ i);

    ASSERT_EQ(GemCom_SpeicherdatenZuPLM1Senden(0x0010, 150, daten.data(), 0, 50), 0);
    EXPECT_EQ(stuecke("BDW"), (std::vector<Stueck>{{0x10, 48}, {0x40, 64}, {0x80, 38}}));
    EXPECT_EQ(prozente("Daten senden"), (std::vector<int>{0, 16, 37, 50, -1}));
    const auto geschrieben = server->bus().speicher('1', 0x10, 150);
    EXPECT_TRUE(std::equal(geschrieben.begin(), geschrieben.end(), daten.begin()));

    struct Fall {
        int start, groesse, von, bis;
        std::vector<Stueck> stuecke;
        std::vector<int> prozente;
    };
    const Fall faelle[] = {
        {0x0040, 64, 0, 100, {{0x40, 64}}, {0, 100, -1}},
        {0x4400, 32, 50, 100, {{0x4400, 32}}, {0, 100, -1}},
        {0x003F, 2, 0, 100, {{0x3F, 1}, {0x40, 1}}, {0, 50, 100, -1}},
        {0x0100, 0, 0, 100, {{0x100, 0}}, {0, 100, -1}}, // an empty block counts as done
    };
    for (const Fall& f : faelle) {
        server->bus().protokollLeeren();
        fortschritt.clear();
        ASSERT_EQ(GemCom_SpeicherdatenZuPLM1Senden(f.start, f.groesse, daten.data(), f.von, f.bis), 0)
            << f.start;
        EXPECT_EQ(stuecke("BDW"), f.stuecke) << f.start;
        EXPECT_EQ(prozente("Daten senden"), f.prozente) << f.start;
    }
}

TEST_F(Block, FehlerBrechenAbUndSchliessenDenDialog) {
    std::vector<unsigned char> puffer(200, 0x5A);
    // No port open: nothing is shown or sent.
    EXPECT_EQ(GemCom_SpeicherdatenVonPLM1Lesen(0, 10, puffer.data(), 1), FEHLER_BLOCK_LESEN_KEIN_PORT);
    EXPECT_EQ(GemCom_SpeicherdatenZuPLM1Senden(0, 10, puffer.data(), 0, 100), FEHLER_BLOCK_SENDEN_KEIN_PORT);
    EXPECT_TRUE(fortschritt.empty());

    einheitenStarten({plm1sim::Einheit{}});
    ASSERT_EQ(VkrCom_Open(1), 0);
    struct Fall {
        const char* code;
        plm1sim::Fehlerart art;
        bool lesen;
    };
    for (const Fall& f :
         {Fall{"BDR", plm1sim::Fehlerart::FalscheChecksumme, true},
          Fall{"BDR", plm1sim::Fehlerart::Stille, true}, Fall{"BDW", plm1sim::Fehlerart::Nak, false},
          Fall{"BDW", plm1sim::Fehlerart::Can, false}}) {
        server->bus().fehlerLoeschen();
        server->bus().fehlerSetzen(f.code, f.art, -1);
        server->bus().protokollLeeren();
        fortschritt.clear();
        const Fehlercode ergebnis = f.lesen ? GemCom_SpeicherdatenVonPLM1Lesen(0, 128, puffer.data(), 1)
                                            : GemCom_SpeicherdatenZuPLM1Senden(0, 128, puffer.data(), 0, 100);
        EXPECT_LT(ergebnis, 0) << f.code;
        EXPECT_EQ(stuecke(f.code).size(), 1u) << f.code << ": no retry, no further piece";
        EXPECT_EQ(prozente(f.lesen ? "Daten lesen" : "Daten senden"), (std::vector<int>{0, -1})) << f.code;
    }
}

// A quit asked for while a transfer runs (a signal, the close box) ends it at the next piece: the program
// then ends at once instead of after the whole transfer. The cancel code is never shown.
TEST_F(Block, BeendenBrichtDieUebertragungAb) {
    einheitenStarten({plm1sim::Einheit{}});
    ASSERT_EQ(VkrCom_Open(1), 0);
    std::vector<unsigned char> puffer(256, 0x5A);
    int stuecke = 0;
    UI_FortschrittsbeobachterSetzen([&](const std::string&, int prozent) {
        if (prozent > 0 && ++stuecke == 2) QuitUserInterface(0);
    });
    for (const bool lesen : {false, true}) {
        server->bus().protokollLeeren();
        stuecke = 0;
        const Fehlercode f = lesen ? GemCom_SpeicherdatenVonPLM1Lesen(0, 256, puffer.data(), 1)
                                   : GemCom_SpeicherdatenZuPLM1Senden(0, 256, puffer.data(), 0, 100);
        EXPECT_EQ(f, FEHLER_ABBRUCH_DURCH_BENUTZER) << lesen;
        EXPECT_EQ(this->stuecke(lesen ? "BDR" : "BDW").size(), 2u) << lesen;
        EXPECT_EQ(RunUserInterface(), 0); // takes the quit request; the loop does not start
    }
    UI_FortschrittsbeobachterSetzen(nullptr);
}

} // namespace
