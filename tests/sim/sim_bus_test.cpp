// The simulated line: answers of the units to command bytes, faults, broadcast, memory checksums and the
// pressure model.

#include "sim/plm1sim.h"

#include "cycle/Kurven_Satz.h"
#include "keys/Tasten_Block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using plm1sim::Bus;
using plm1sim::Einheit;
using plm1sim::Fehlerart;

const std::string ACK = "\x06";
const std::string NAK = "\x15";
const std::string CAN = "\x18";

struct Fall {
    std::string befehl;
    std::string antwort;
};

TEST(SimBus, AnswersOfOneUnit) {
    Bus bus({Einheit{'1', "VKR-PLM1-SIM"}});
    const std::vector<Fall> faelle = {
        {"#1IDR\r", ACK + "#1VKR-PLM1-SIM\r"},
        {"#2IDR\r", ""}, // nobody there
        {"#1IDRx\r", NAK},
        {"#1P1W-100\r", ACK},
        {"#1P1R\r", ACK + "#1P1R-100.0\r"},
        {"#1P1W101\r", NAK},
        {"#1P1W1.5\r", NAK},
        {"#1P1W\r", NAK},
        {"#1H2W-2000\r", ACK},
        {"#1H2R\r", ACK + "#1H2R-2000.0\r"},
        {"#1L1W2001\r", NAK},
        {"#1V0WbeEF\r", ACK},
        {"#1V0R\r", ACK + "#1V0RBEEF\r"},
        {"#1V0W12G4\r", NAK},
        {"#1V0W123\r", NAK},
        {"#1V5W0\r", ACK},
        {"#1V5R\r", ACK + "#1V5R0\r"},
        {"#1VgR\r", ACK + "#1VgR1\r"},
        {"#1VhW1\r", NAK},
        {"#1V1W2\r", NAK},
        {"#1U1R\r", ACK + "#1U1R24.1\r"},
        {"#1T1R\r", ACK + "#1T1R31.5\r"},
        {"#1S1R\r", ACK + "#1S1R0000\r"},
        {"#1DF1\r", ACK}, // erased memory holds no cycle: memory fault, nothing runs
        {"#1S1R\r", ACK + "#1S1R0008\r"},
        {"#1DF2\r", ACK},
        {"#1S1R\r", ACK + "#1S1R0008\r"},
        {"#1DF3\r", ACK},
        {"#1S1R\r", ACK + "#1S1R0008\r"},
        {"#1X1R\r", NAK},
        {"#1P1Rx\r", NAK},
        {"#1\r", NAK},
        {"garbage#1V5R\r", ACK + "#1V5R0\r"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(bus.empfangen(f.befehl), f.antwort) << f.befehl;
    EXPECT_EQ(bus.empfangeneZeilen().size(), faelle.size());
    EXPECT_EQ(bus.empfangeneZeilen().front(), "#1IDR\r");
}

TEST(SimBus, LinesMayArriveInPiecesAndTogether) {
    Bus bus;
    EXPECT_EQ(bus.empfangen("#1I"), "");
    EXPECT_EQ(bus.empfangen("DR\r#1V"), ACK + "#1VKR-PLM1-SIM\r");
    EXPECT_EQ(bus.empfangen("1R\r#1V2R\r"), ACK + "#1V1R0\r" + ACK + "#1V2R0\r");
    EXPECT_EQ(bus.empfangeneZeilen(), (std::vector<std::string>{"#1IDR\r", "#1V1R\r", "#1V2R\r"}));
    bus.protokollLeeren();
    EXPECT_TRUE(bus.empfangeneZeilen().empty());
}

TEST(SimBus, MemoryBlocksWithChecksums) {
    Bus bus;
    const std::vector<Fall> faelle = {
        {"#1BDW40100000212AB00BE\r", ACK}, {"#1BDR401000002\r", ACK + "#1BDR40100000212AB00BE\r"},
        {"#1BDW40100000212ab00be\r", ACK}, {"#1BDW40100000212AB00BF\r", NAK}, // checksum off by one
        {"#1BDW40100000312AB00BE\r", NAK},                                    // size does not match the data
        {"#1BDW30100000212AB00BE\r", NAK},                                    // memory type
        {"#1BDW4FFFF000212AB00BE\r", NAK},                                    // past the end
        {"#1BDW4000000000001\r", ACK},                                        // empty block
        {"#1BDR401000000\r", NAK},         {"#1BDR4FFFF0002\r", NAK},
        {"#1BDR301000002\r", NAK},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(bus.empfangen(f.befehl), f.antwort) << f.befehl;
    EXPECT_EQ(bus.speicher('1', 0x100, 2), (std::vector<std::uint8_t>{0x12, 0xAB}));
    EXPECT_EQ(bus.speicher('1', 0x102, 1), std::vector<std::uint8_t>{0xFF}) << "erased memory";
}

TEST(SimBus, FaultsPerCodeAddressAndCount) {
    Bus bus({Einheit{'1', "EINS"}, Einheit{'2', "ZWEI"}});
    bus.fehlerSetzen("IDR", Fehlerart::Nak, 1, '2');
    EXPECT_EQ(bus.empfangen("#1IDR\r"), ACK + "#1EINS\r");
    EXPECT_EQ(bus.empfangen("#2IDR\r"), NAK);
    EXPECT_EQ(bus.empfangen("#2IDR\r"), ACK + "#2ZWEI\r");

    bus.fehlerSetzen("P1R", Fehlerart::Can);
    EXPECT_EQ(bus.empfangen("#1P1R\r"), CAN);
    EXPECT_EQ(bus.empfangen("#2P1R\r"), CAN);
    bus.fehlerLoeschen();
    EXPECT_EQ(bus.empfangen("#1P1R\r"), ACK + "#1P1R0.0\r");

    const std::vector<std::pair<Fehlerart, std::string>> arten = {
        {Fehlerart::Stille, ""},
        {Fehlerart::FremdesByte, "A"},
        {Fehlerart::AntwortAbgebrochen, ACK + "#1P1"},
        {Fehlerart::FalschesEcho, ACK + "#1P2R0.0\r"},
        {Fehlerart::Err, ACK + "#1P1Rerr\r"},
    };
    for (const auto& [art, antwort] : arten) {
        bus.fehlerSetzen("P1R", art, 1);
        EXPECT_EQ(bus.empfangen("#1P1R\r"), antwort);
    }
    bus.fehlerSetzen("IDR", Fehlerart::FalschesEcho, 1);
    EXPECT_EQ(bus.empfangen("#1IDR\r"), ACK + "#2EINS\r");
    bus.fehlerSetzen("BDR", Fehlerart::FalscheChecksumme, 1);
    EXPECT_EQ(bus.empfangen("#1BDR400000001\r"), ACK + "#1BDR400000001FF0101\r");
}

TEST(SimBus, BroadcastIsExecutedByAllWithoutAnswer) {
    Bus bus({Einheit{'1', "EINS"}, Einheit{'f', "F"}});
    EXPECT_EQ(bus.empfangen("#&P2W40\r"), "");
    EXPECT_EQ(bus.empfangen("#&IDR\r"), "");
    EXPECT_EQ(bus.empfangen("#&BDW4001000015A005B\r"), "");
    for (char a : {'1', 'f'}) {
        EXPECT_EQ(bus.zustand(a).pumpe[1], 40);
        EXPECT_EQ(bus.speicher(a, 0x10, 1), std::vector<std::uint8_t>{0x5A});
    }
}

TEST(SimBus, PressuresFollowThePumpsAndStopAtActiveLimits) {
    Bus bus;
    ASSERT_EQ(bus.empfangen("#1P1W50\r#1H1W300\r#1P2W-100\r#1L2W-500\r"), ACK + ACK + ACK + ACK);
    bus.schritt(0.2);
    auto z = bus.zustand('1');
    EXPECT_GT(z.istDruck[0], 0);
    EXPECT_LT(z.istDruck[0], 300);
    EXPECT_LT(z.istDruck[1], 0);
    EXPECT_EQ(z.status & 0x0003, 0);
    bus.schritt(20);
    z = bus.zustand('1');
    EXPECT_EQ(z.istDruck[0], 300);
    EXPECT_EQ(z.istDruck[1], -500);
    EXPECT_EQ(z.status & 0x0003, 0x0003);
    // pump off: the cut-off ends and the pressure relaxes
    ASSERT_EQ(bus.empfangen("#1P1W0\r"), ACK);
    bus.schritt(20);
    z = bus.zustand('1');
    EXPECT_EQ(z.status & 0x0003, 0x0002);
    EXPECT_NEAR(z.istDruck[0], 0, 1);
    // no limit: towards the pump's own end value
    ASSERT_EQ(bus.empfangen("#1H1W2000\r#1P1W100\r"), ACK + ACK);
    bus.schritt(60);
    EXPECT_NEAR(bus.zustand('1').istDruck[0], 2000, 1);
}

} // namespace

// ---- the unit's own run of its stored cycle and keys --------------------------------------------------

namespace {

using Bild = std::vector<std::uint8_t>;

struct Satz {
    int ventile, pumpe1, pumpe2, oben1, unten1;
};

// Head and records as the program stores them (plain and inverted copy) at the cycle's addresses.
void zyklusSpeichern(Bus& bus, const std::vector<Satz>& saetze, int laeufe) {
    Bild kopf(KURVENSATZ_KOPFGROESSE), kopfInv(KURVENSATZ_KOPFGROESSE);
    const KurvenKopf k{static_cast<int>(saetze.size()), laeufe};
    KurvenSatz_KopfSchreiben(k, false, kopf.data());
    KurvenSatz_KopfSchreiben(k, true, kopfInv.data());
    Bild punkte(KURVENSATZ_SATZGROESSE * saetze.size()), punkteInv(punkte.size());
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        KurvenSatz s;
        s.ventilbits = saetze[i].ventile;
        s.pumpe[0] = saetze[i].pumpe1;
        s.pumpe[1] = saetze[i].pumpe2;
        s.oben[0] = saetze[i].oben1;
        s.unten[0] = saetze[i].unten1;
        s.oben[1] = 2000;
        s.unten[1] = -2000;
        KurvenSatz_Schreiben(s, false, &punkte[i * KURVENSATZ_SATZGROESSE]);
        KurvenSatz_Schreiben(s, true, &punkteInv[i * KURVENSATZ_SATZGROESSE]);
    }
    bus.speicherSetzen('1', 0x0400, kopf);
    bus.speicherSetzen('1', 0x4400, kopfInv);
    bus.speicherSetzen('1', 0x0420, punkte);
    bus.speicherSetzen('1', 0x4420, punkteInv);
}

const std::vector<Satz> DREI_SCHRITTE = {
    {0x0001, 255, -255, 1500, -2000}, {0x0402, 128, 0, 2000, -2000}, {0x0004, -77, 51, 2000, -900}};

} // namespace

TEST(SimBus, CycleRunsItsStepsAtTheStepTime) {
    struct Schritt {
        std::string befehl; // sent before advancing, "" for none
        double dt;
        int ventile, status;
        double pumpe1, pumpe2, oben1, unten1;
    };
    // Step time 0.5 s, two runs; pump settings come back as percent.
    const std::vector<Schritt> ablauf = {
        {"#1DF1\r", 0.0, 0x0001, 0x0004, 100, -100, 1500, -2000},
        {"", 0.49, 0x0001, 0x0004, 100, -100, 1500, -2000},
        {"", 0.02, 0x0402, 0x0004, 50, 0, 2000, -2000},
        {"", 0.5, 0x0004, 0x0004, -30, 20, 2000, -900},
        {"#1DF2\r", 5.0, 0x0004, 0x0100, -30, 20, 2000, -900}, // pause holds the step
        {"#1DF1\r", 0.0, 0x0004, 0x0004, -30, 20, 2000, -900}, // start resumes it
        {"", 0.5, 0x0001, 0x0004, 100, -100, 1500, -2000},     // second run
        {"", 1.0, 0x0004, 0x0004, -30, 20, 2000, -900},
        {"", 0.5, 0x0000, 0x0000, 0, 0, 2000, -2000}, // both runs done: outputs cleared
        {"#1DF1\r", 0.6, 0x0402, 0x0004, 50, 0, 2000, -2000},
        {"#1DF3\r", 0.0, 0x0000, 0x0000, 0, 0, 2000, -2000}, // stop clears
        {"", 3.0, 0x0000, 0x0000, 0, 0, 2000, -2000},
    };
    Bus bus;
    bus.schrittzeitSetzen(0.5);
    zyklusSpeichern(bus, DREI_SCHRITTE, 2);
    for (std::size_t i = 0; i < ablauf.size(); ++i) {
        const Schritt& s = ablauf[i];
        if (!s.befehl.empty()) {
            ASSERT_EQ(bus.empfangen(s.befehl), ACK) << i;
        }
        bus.schritt(s.dt);
        const plm1sim::Zustand z = bus.zustand('1');
        EXPECT_EQ(z.ventile, s.ventile) << i;
        EXPECT_EQ(z.status & ~0x0003, s.status) << i;
        EXPECT_EQ(z.pumpe[0], s.pumpe1) << i;
        EXPECT_EQ(z.pumpe[1], s.pumpe2) << i;
        EXPECT_EQ(z.druckHigh[0], s.oben1) << i;
        EXPECT_EQ(z.druckLow[0], s.unten1) << i;
    }
}

TEST(SimBus, DamagedOrMissingCycleSetsTheMemoryFaultAndDoesNotRun) {
    struct Schaden {
        const char* was;
        int adresse;
        std::uint8_t wert; // written over the byte
    };
    const std::vector<Schaden> schaeden = {
        {"plain head check sum", 0x0404, 0x00},
        {"inverted head differs", 0x4400, 0x00},
        {"plain record byte", 0x0420 + 16 + 3, 0x7F},
        {"inverted record byte", 0x4420 + 32 + 1, 0x00},
        {"step count 0", 0x0400, 0x00},
        {"inverted record check sum", 0x4420 + 14, 0x00},
    };
    for (const auto& s : schaeden) {
        Bus bus;
        zyklusSpeichern(bus, DREI_SCHRITTE, 0);
        if (std::string(s.was) == "step count 0") {
            zyklusSpeichern(bus, {}, 0); // a consistent head with no steps
        } else {
            bus.speicherSetzen('1', s.adresse, {s.wert});
        }
        ASSERT_EQ(bus.empfangen("#1DF1\r"), ACK);
        bus.schritt(3.0);
        const plm1sim::Zustand z = bus.zustand('1');
        EXPECT_EQ(z.status, 0x0008) << s.was;
        EXPECT_EQ(z.ventile, 0) << s.was;
        EXPECT_EQ(z.pumpe[0], 0) << s.was;
        // Sent again intact, the cycle runs and the fault goes out.
        zyklusSpeichern(bus, DREI_SCHRITTE, 0);
        ASSERT_EQ(bus.empfangen("#1DF1\r"), ACK);
        EXPECT_EQ(bus.zustand('1').status & ~0x0003, 0x0004) << s.was;
        EXPECT_EQ(bus.zustand('1').ventile, 0x0001) << s.was;
    }
}

TEST(SimBus, KeyRunsItsStoredSettingsForItsTimes) {
    Bus bus;
    bus.schrittzeitSetzen(0.5); // key times count in step times
    TastenEintrag t{};
    t[TASTE_VENTIL1] = 1;
    t[TASTE_VENTIL1 + 4] = 1;
    t[TASTE_PUMPE1] = 60;
    t[TASTE_DRUCK1CHECKB] = 1;
    t[TASTE_DRUCK1] = 800;
    t[TASTE_PUMPE2] = -40;
    t[TASTE_ZEIT1] = 2;
    t[TASTE_ZEIT2] = 4;
    Ventilarten nc;
    std::fill(std::begin(nc), std::end(nc), 2);
    Bild klar(TASTENBLOCK_GROESSE), inv(TASTENBLOCK_GROESSE);
    TastenBlock_Kodieren(t, nc, false, klar.data());
    TastenBlock_Kodieren(t, nc, true, inv.data());
    const int platz = 2 * TASTENBLOCK_GROESSE; // key 3
    bus.speicherSetzen('1', TASTENSPEICHER_ADRESSE + platz, klar);
    bus.speicherSetzen('1', TASTENSPEICHER_INVERTIERT_ADRESSE + platz, inv);

    struct Schritt {
        int taste; // pressed before advancing, 0 for none
        bool genommen;
        double dt;
        int ventile;
        double pumpe1, pumpe2, oben1;
    };
    const std::vector<Schritt> ablauf = {
        {3, true, 0.0, 0x0011, 60, -40, 800}, {0, true, 0.9, 0x0011, 60, -40, 800},
        {0, true, 0.2, 0x0011, 0, -40, 800}, // pump 1's time is over
        {0, true, 1.0, 0x0000, 0, 0, 2000},  // and pump 2's: the key is done
        {13, false, 0.0, 0x0000, 0, 0, 2000}, {0, true, 0.0, 0x0000, 0, 0, 2000},
    };
    for (std::size_t i = 0; i < ablauf.size(); ++i) {
        const Schritt& s = ablauf[i];
        if (s.taste) {
            EXPECT_EQ(bus.tasteDruecken('1', s.taste), s.genommen) << i;
        }
        bus.schritt(s.dt);
        const plm1sim::Zustand z = bus.zustand('1');
        EXPECT_EQ(z.ventile, s.ventile) << i;
        EXPECT_EQ(z.pumpe[0], s.pumpe1) << i;
        EXPECT_EQ(z.pumpe[1], s.pumpe2) << i;
        EXPECT_EQ(z.druckHigh[0], s.oben1) << i;
        EXPECT_EQ(z.status & 0x0008, 0) << i;
    }

    // Keys 10..12 are the cycle's start, pause and stop; no key runs while a cycle does.
    zyklusSpeichern(bus, DREI_SCHRITTE, 0);
    EXPECT_TRUE(bus.tasteDruecken('1', 10));
    EXPECT_EQ(bus.zustand('1').status & ~0x0003, 0x0004);
    EXPECT_FALSE(bus.tasteDruecken('1', 3));
    EXPECT_EQ(bus.zustand('1').ventile, 0x0001);
    EXPECT_TRUE(bus.tasteDruecken('1', 11));
    EXPECT_EQ(bus.zustand('1').status & ~0x0003, 0x0100);
    EXPECT_FALSE(bus.tasteDruecken('1', 3)) << "nor while it is paused";
    EXPECT_EQ(bus.zustand('1').ventile, 0x0001);
    EXPECT_EQ(bus.zustand('1').pumpe[0], 100);
    EXPECT_TRUE(bus.tasteDruecken('1', 12));
    EXPECT_EQ(bus.zustand('1').status & ~0x0003, 0x0000);

    // A key whose copy does not match: memory fault, nothing runs.
    TastenEintrag andere = t;
    andere[TASTE_ZEIT1] = 3;
    Bild andereInv(TASTENBLOCK_GROESSE);
    TastenBlock_Kodieren(andere, nc, true, andereInv.data());
    struct Schaden {
        const char* was;
        int versatz; // into the inverted copy
        Bild bytes;
    };
    const std::vector<Schaden> schaeden = {
        {"one byte of the inverted copy", 3, {0x00}},
        {"the inverted copy of another key, its own check sum right", 0, andereInv},
    };
    for (const Schaden& s : schaeden) {
        bus.speicherSetzen('1', TASTENSPEICHER_INVERTIERT_ADRESSE + platz, inv); // intact: the key runs
        ASSERT_TRUE(bus.tasteDruecken('1', 3)) << s.was;
        ASSERT_EQ(bus.zustand('1').status & 0x0008, 0) << s.was;
        bus.speicherSetzen('1', TASTENSPEICHER_INVERTIERT_ADRESSE + platz + s.versatz, s.bytes);
        EXPECT_TRUE(bus.tasteDruecken('1', 3)) << s.was;
        EXPECT_EQ(bus.zustand('1').status, 0x0008) << s.was;
        EXPECT_EQ(bus.zustand('1').ventile, 0) << s.was;
        EXPECT_EQ(bus.zustand('1').pumpe[0], 0) << s.was;
    }
    EXPECT_FALSE(bus.tasteDruecken('2', 3)) << "no unit at 2";
}
