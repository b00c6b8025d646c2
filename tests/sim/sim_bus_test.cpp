// The simulated line: answers of the units to command bytes, faults, broadcast, memory checksums and the
// pressure model.

#include "sim/plm1sim.h"

#include <gtest/gtest.h>

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
        {"#1DF1\r", ACK},
        {"#1S1R\r", ACK + "#1S1R0004\r"},
        {"#1DF2\r", ACK},
        {"#1S1R\r", ACK + "#1S1R0100\r"},
        {"#1DF3\r", ACK},
        {"#1S1R\r", ACK + "#1S1R0000\r"},
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
