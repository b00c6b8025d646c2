// The PLM-1 driver over a real pseudo-terminal against the simulated unit: bytes on the wire, handshakes,
// broken and wrong replies, checks that send nothing, broadcast, leftovers and line faults; the same unit
// behind ser2net over tcp:// and rfc2217://, and the network's faults.

#include "device/vkrplm1.h"
#include "errors/VKR_errorV3.h"
#include "platform/line/leitung_netz.h"
#include "platform/line/rs232.h"
#include "platform/line/rs232_trace.h"
#include "sim/plm1sim_server.h"
#include "tests/common/ser2net_server.h"
#include "tests/common/testdatei.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <termios.h>

namespace {

using plm1sim::Einheit;
using plm1sim::Fehlerart;

constexpr int PORT = 1;
constexpr int ANDERER_PORT = 3;

class Vkrplm1 : public ::testing::Test {
  protected:
    void SetUp() override { starten({Einheit{'1', "VKR-PLM1-SIM"}, Einheit{'a', "VKR-PLM1-A"}}); }
    void TearDown() override {
        (void)VKRPLM1_Close(PORT);
        server.stoppen();
        Rs232_GeraetepfadSetzen(PORT, "");
    }
    void starten(std::vector<Einheit> einheiten) {
        ASSERT_TRUE(server.starten(std::move(einheiten)));
        Rs232_GeraetepfadSetzen(PORT, server.pfad());
        ASSERT_EQ(VKRPLM1_Open(PORT, VKRPLM1_BAUDRATE), KEIN_FEHLER);
        ASSERT_EQ(VKRPLM1_Timeout(PORT, VKRPLM1_TIMEOUT_S), KEIN_FEHLER);
    }
    plm1sim::Bus& bus() { return server.bus(); }
    // Lines the unit received; waits for `n` of them since broadcasts return before the unit has read them.
    std::vector<std::string> zeilen(std::size_t n = 0) {
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (bus().empfangeneZeilen().size() < n && std::chrono::steady_clock::now() < ende)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return bus().empfangeneZeilen();
    }

    plm1sim::Server server;
};

// ---- bytes on the wire ------------------------------------------------------------------------------------

struct Draht {
    std::string name;
    std::function<Fehlercode()> aufruf;
    std::string zeile;
};

TEST_F(Vkrplm1, ExactBytesOnTheWire) {
    static const unsigned char zweiBytes[] = {0x12, 0xAB};
    double reell = 0;
    int ganz = 0;
    char id[VKRPLM1_ID_LAENGE];
    unsigned char puffer[2];
    const std::vector<Draht> faelle = {
        {"id", [&] { return VKRPLM1_IDLesen(PORT, '1', id); }, "#1IDR\r"},
        {"id a", [&] { return VKRPLM1_IDLesen(PORT, 'a', id); }, "#aIDR\r"},
        {"start", [] { return VKRPLM1_DeviceFunction(PORT, '1', "start"); }, "#1DF1\r"},
        {"pause", [] { return VKRPLM1_DeviceFunction(PORT, '1', "pause"); }, "#1DF2\r"},
        {"stopp", [] { return VKRPLM1_DeviceFunction(PORT, '1', "stopp"); }, "#1DF3\r"},
        {"ventil16", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "ventil16", 0, 1); }, "#1VgW1\r"},
        {"ventil10", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "ventil10", 0, 1); }, "#1VaW1\r"},
        {"ventil9 aus", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "ventil9", 0, 0); }, "#1V9W0\r"},
        {"maske BE", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "alleventile", 0, 0xBE); },
         "#1V0W00BE\r"},
        {"maske 5", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "alleventile", 0, 5); }, "#1V0W0005\r"},
        {"maske max", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "alleventile", 0, 0xFFFF); },
         "#1V0WFFFF\r"},
        {"pumpe1 gerundet", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "pumpe1", 100.00005, 0); },
         "#1P1W100\r"},
        {"pumpe2 halb", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "pumpe2", -50.5, 0); },
         "#1P2W-51\r"},
        {"drucklow2", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "drucklow2", -1999.6, 0); },
         "#1L2W-2000\r"},
        {"druckhigh1 -0.4", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "druckhigh1", -0.4, 0); },
         "#1H1W0\r"},
        {"druckhigh2", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "druckhigh2", 1500, 0); },
         "#1H2W1500\r"},
        {"drucklow1", [] { return VKRPLM1_ParameterSchreiben(PORT, '1', "drucklow1", -7.2, 0); },
         "#1L1W-7\r"},
        {"lesen ventil2",
         [&] { return VKRPLM1_ParameterLesen(PORT, '1', "ventil2", &reell, &ganz, nullptr); }, "#1V2R\r"},
        {"lesen ventil16",
         [&] { return VKRPLM1_ParameterLesen(PORT, '1', "ventil16", &reell, &ganz, nullptr); }, "#1VgR\r"},
        {"lesen status", [&] { return VKRPLM1_ParameterLesen(PORT, '1', "status", &reell, &ganz, nullptr); },
         "#1S1R\r"},
        {"lesen istdruck2",
         [&] { return VKRPLM1_ParameterLesen(PORT, '1', "istdruck2", &reell, &ganz, nullptr); }, "#1D2R\r"},
        {"schreiben 2 bytes", [] { return VKRPLM1_SpeicherSchreiben(PORT, '1', 4, 0x0100, 2, zweiBytes); },
         "#1BDW40100000212AB00BE\r"},
        {"schreiben 0 bytes", [] { return VKRPLM1_SpeicherSchreiben(PORT, '1', 4, 0xABCD, 0, nullptr); },
         "#1BDW4ABCD00000001\r"},
        {"lesen 2 bytes", [&] { return VKRPLM1_SpeicherLesen(PORT, '1', 4, 0xABCD, 2, puffer); },
         "#1BDR4ABCD0002\r"},
    };
    for (const auto& f : faelle) {
        bus().protokollLeeren();
        EXPECT_EQ(f.aufruf(), KEIN_FEHLER) << f.name;
        EXPECT_EQ(zeilen(), std::vector<std::string>{f.zeile}) << f.name;
    }
    EXPECT_EQ(std::string("#1BDW40100000212AB00BE\r").size(), 23u);
}

// ---- handshakes -------------------------------------------------------------------------------------------

enum class Op { Id, Df, Ps, Pl, Sl, Ss };

const char* codeVon(Op op) {
    static const char* codes[] = {"IDR", "DF1", "P1W", "P1R", "BDR", "BDW"};
    return codes[static_cast<int>(op)];
}

Fehlercode ausfuehren(Op op, char a) {
    static const unsigned char daten[] = {0x12, 0xAB};
    char id[VKRPLM1_ID_LAENGE];
    double reell = 0;
    int ganz = 0;
    unsigned char puffer[2];
    switch (op) {
    case Op::Id:
        return VKRPLM1_IDLesen(PORT, a, id);
    case Op::Df:
        return VKRPLM1_DeviceFunction(PORT, a, "start");
    case Op::Ps:
        return VKRPLM1_ParameterSchreiben(PORT, a, "pumpe1", 10, 0);
    case Op::Pl:
        return VKRPLM1_ParameterLesen(PORT, a, "pumpe1", &reell, &ganz, nullptr);
    case Op::Sl:
        return VKRPLM1_SpeicherLesen(PORT, a, 4, 0x100, 2, puffer);
    case Op::Ss:
        return VKRPLM1_SpeicherSchreiben(PORT, a, 4, 0x100, 2, daten);
    }
    return 1;
}

struct Handshake {
    Op op;
    Fehlerart art;
    Fehlercode erwartet;
};

TEST_F(Vkrplm1, EveryHandshakeOutcomeHasTheOperationsCode) {
    const std::vector<Handshake> faelle = {
        {Op::Id, Fehlerart::Nak, FEHLER_ID_NAK},
        {Op::Id, Fehlerart::Can, FEHLER_ID_CAN},
        {Op::Id, Fehlerart::FremdesByte, FEHLER_ID_FALSCHES_HANDSHAKE},
        {Op::Df, Fehlerart::Nak, FEHLER_DF_NAK},
        {Op::Df, Fehlerart::Can, FEHLER_DF_CAN},
        {Op::Df, Fehlerart::FremdesByte, FEHLER_DF_FALSCHES_HANDSHAKE},
        {Op::Ps, Fehlerart::Nak, FEHLER_PS_NAK},
        {Op::Ps, Fehlerart::Can, FEHLER_PS_CAN},
        {Op::Ps, Fehlerart::FremdesByte, FEHLER_PS_FALSCHES_HANDSHAKE},
        {Op::Pl, Fehlerart::Nak, FEHLER_PL_NAK},
        {Op::Pl, Fehlerart::Can, FEHLER_PL_CAN},
        {Op::Pl, Fehlerart::FremdesByte, FEHLER_PL_FALSCHES_HANDSHAKE},
        {Op::Sl, Fehlerart::Nak, FEHLER_SL_NAK},
        {Op::Sl, Fehlerart::Can, FEHLER_SL_CAN},
        {Op::Sl, Fehlerart::FremdesByte, FEHLER_SL_FALSCHES_HANDSHAKE},
        {Op::Ss, Fehlerart::Nak, FEHLER_SS_NAK},
        {Op::Ss, Fehlerart::Can, FEHLER_SS_CAN},
        {Op::Ss, Fehlerart::FremdesByte, FEHLER_SS_FALSCHES_HANDSHAKE},
        // silence costs the full time-out: one read and one write are enough
        {Op::Id, Fehlerart::Stille, FEHLER_ID_KEINE_ANTWORT},
        {Op::Ss, Fehlerart::Stille, FEHLER_SS_KEINE_ANTWORT},
    };
    for (const auto& f : faelle) {
        const int nr = static_cast<int>(&f - faelle.data());
        bus().fehlerSetzen(codeVon(f.op), f.art, 1);
        EXPECT_EQ(ausfuehren(f.op, '1'), f.erwartet) << "row " << nr;
        // the fault was for one command only: the line is usable again at once
        EXPECT_EQ(ausfuehren(f.op, '1'), KEIN_FEHLER) << "row " << nr;
    }
}

TEST_F(Vkrplm1, AUnitThatIsNotThereGivesNoAnswer) {
    EXPECT_EQ(ausfuehren(Op::Pl, '7'), FEHLER_PL_KEINE_ANTWORT);
}

// ---- broken and wrong replies -----------------------------------------------------------------------------

TEST_F(Vkrplm1, BrokenAndWrongReplies) {
    const std::vector<Handshake> faelle = {
        {Op::Id, Fehlerart::AntwortAbgebrochen, FEHLER_ID_ANTWORT_ABGEBROCHEN},
        {Op::Id, Fehlerart::FalschesEcho, FEHLER_ID_ANTWORT_FALSCH},
        {Op::Pl, Fehlerart::AntwortAbgebrochen, FEHLER_PL_ANTWORT_ABGEBROCHEN},
        {Op::Pl, Fehlerart::FalschesEcho, FEHLER_PL_ECHO},
        {Op::Pl, Fehlerart::Err, FEHLER_PL_GERAET_MELDET_ERR},
        {Op::Sl, Fehlerart::AntwortAbgebrochen, FEHLER_SL_ANTWORT_ABGEBROCHEN},
        {Op::Sl, Fehlerart::FalschesEcho, FEHLER_SL_KOPF},
        {Op::Sl, Fehlerart::FalscheChecksumme, FEHLER_SL_CHECKSUMME},
    };
    for (const auto& f : faelle) {
        const int nr = static_cast<int>(&f - faelle.data());
        bus().fehlerSetzen(codeVon(f.op), f.art, 1);
        EXPECT_EQ(ausfuehren(f.op, '1'), f.erwartet) << "row " << nr;
        EXPECT_EQ(ausfuehren(f.op, '1'), KEIN_FEHLER) << "row " << nr;
    }
}

TEST_F(Vkrplm1, AReplyWithoutCrIsReadToItsMaximumAndItsRestDiscardedByTheNextFlush) {
    TearDown();
    // 40 characters: the driver stops after 29 bytes, 13 are left on the line.
    starten({Einheit{'1', std::string(40, 'L')}, Einheit{'2', "VKR-PLM1-ZWEI"}});
    char id[VKRPLM1_ID_LAENGE] = "unberuehrt";
    EXPECT_EQ(VKRPLM1_IDLesen(PORT, '1', id), FEHLER_ID_ANTWORT_FALSCH);
    EXPECT_STREQ(id, "unberuehrt");
    EXPECT_EQ(VKRPLM1_IDLesen(PORT, '2', id), KEIN_FEHLER);
    EXPECT_STREQ(id, "VKR-PLM1-ZWEI");
}

// ---- values -----------------------------------------------------------------------------------------------

TEST_F(Vkrplm1, ReadValuesLandInTheirOutputs) {
    plm1sim::Zustand z;
    z.spannung = 23.9;
    z.pumpe[1] = -42;
    z.druckHigh[0] = 1234;
    z.druckLow[1] = -876;
    z.status = 0x0108;
    z.ventile = 0x8201; // valves 1, 10, 16
    bus().zustandSetzen('1', z);
    struct Lesen {
        const char* wort;
        double reell;
        int ganz;
    };
    const std::vector<Lesen> faelle = {
        {"istspannung", 23.9, -1},   {"isttemperatur", 31.5, -1}, {"pumpe2", -42, -1},
        {"druckhigh1", 1234, -1},    {"drucklow2", -876, -1},     {"status", -1, 0x0108},
        {"alleventile", -1, 0x8201}, {"ventil1", -1, 1},          {"ventil2", -1, 0},
        {"ventil10", -1, 1},         {"ventil16", -1, 1},
    };
    for (const auto& f : faelle) {
        double reell = -1;
        int ganz = -1;
        char text[4] = "abc";
        EXPECT_EQ(VKRPLM1_ParameterLesen(PORT, '1', f.wort, &reell, &ganz, text), KEIN_FEHLER) << f.wort;
        EXPECT_DOUBLE_EQ(reell, f.reell) << f.wort;
        EXPECT_EQ(ganz, f.ganz) << f.wort;
        EXPECT_STREQ(text, "abc");
    }
    char id[VKRPLM1_ID_LAENGE];
    EXPECT_EQ(VKRPLM1_IDLesen(PORT, 'a', id), KEIN_FEHLER);
    EXPECT_STREQ(id, "VKR-PLM1-A");
}

TEST_F(Vkrplm1, WritesReachTheUnit) {
    ASSERT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "pumpe1", -99.5, 0), KEIN_FEHLER);
    ASSERT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "alleventile", 0, 0x00F0), KEIN_FEHLER);
    ASSERT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "ventil16", 0, 1), KEIN_FEHLER);
    ASSERT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "ventil5", 0, 0), KEIN_FEHLER);
    ASSERT_EQ(VKRPLM1_DeviceFunction(PORT, '1', "start"), KEIN_FEHLER);
    const auto z = bus().zustand('1');
    EXPECT_EQ(z.pumpe[0], -100);
    EXPECT_EQ(z.ventile, 0x80E0);
    EXPECT_EQ(z.funktion, 1);
    EXPECT_EQ(bus().zustand('a').ventile, 0) << "only the addressed unit";
}

TEST_F(Vkrplm1, MemoryRoundTripWithChecksums) {
    std::vector<unsigned char> daten(VKRPLM1_MAX_BLOCK);
    for (std::size_t i = 0; i < daten.size(); ++i)
        daten[i] = static_cast<unsigned char>(255 - 3 * i);
    ASSERT_EQ(VKRPLM1_SpeicherSchreiben(PORT, '1', 4, 0x4420, 64, daten.data()), KEIN_FEHLER);
    EXPECT_EQ(bus().speicher('1', 0x4420, 64), std::vector<std::uint8_t>(daten.begin(), daten.end()));
    std::vector<unsigned char> gelesen(64);
    ASSERT_EQ(VKRPLM1_SpeicherLesen(PORT, '1', 4, 0x4420, 64, gelesen.data()), KEIN_FEHLER);
    EXPECT_EQ(gelesen, daten);
    // at the top end of the memory
    bus().speicherSetzen('1', 0xFFFF, {0x5A});
    unsigned char letztes = 0;
    ASSERT_EQ(VKRPLM1_SpeicherLesen(PORT, '1', 4, 0xFFFF, 1, &letztes), KEIN_FEHLER);
    EXPECT_EQ(letztes, 0x5A);
}

TEST_F(Vkrplm1, APacedLineGivesTheSameResults) {
    TearDown();
    ASSERT_TRUE(server.starten({Einheit{'1', "VKR-PLM1-TAKT"}}, true));
    Rs232_GeraetepfadSetzen(PORT, server.pfad());
    ASSERT_EQ(VKRPLM1_Open(PORT, VKRPLM1_BAUDRATE), KEIN_FEHLER);
    ASSERT_EQ(VKRPLM1_Timeout(PORT, VKRPLM1_TIMEOUT_S), KEIN_FEHLER);
    char id[VKRPLM1_ID_LAENGE];
    EXPECT_EQ(VKRPLM1_IDLesen(PORT, '1', id), KEIN_FEHLER);
    EXPECT_STREQ(id, "VKR-PLM1-TAKT");
    std::vector<unsigned char> daten(VKRPLM1_MAX_BLOCK), gelesen(VKRPLM1_MAX_BLOCK);
    for (std::size_t i = 0; i < daten.size(); ++i)
        daten[i] = static_cast<unsigned char>(i);
    EXPECT_EQ(VKRPLM1_SpeicherSchreiben(PORT, '1', 4, 0x400, 64, daten.data()), KEIN_FEHLER);
    EXPECT_EQ(VKRPLM1_SpeicherLesen(PORT, '1', 4, 0x400, 64, gelesen.data()), KEIN_FEHLER);
    EXPECT_EQ(gelesen, daten);
}

// ---- checks before anything is sent -----------------------------------------------------------------------

TEST_F(Vkrplm1, ArgumentChecksSendNothing) {
    double reell = 0;
    int ganz = 0;
    char id[VKRPLM1_ID_LAENGE];
    unsigned char puffer[VKRPLM1_MAX_BLOCK + 1] = {};
    auto ps = [](const char* wort, double r, int i) {
        return VKRPLM1_ParameterSchreiben(PORT, '1', wort, r, i);
    };
    auto sl = [&](char a, int typ, int start, int n) {
        return VKRPLM1_SpeicherLesen(PORT, a, typ, start, n, puffer);
    };
    auto ss = [&](char a, int typ, int start, int n) {
        return VKRPLM1_SpeicherSchreiben(PORT, a, typ, start, n, puffer);
    };
    struct Fall {
        Fehlercode ist;
        Fehlercode soll;
    };
    std::vector<Fall> faelle;
    for (char a : {'0', 'A', 'g', ':', '\0', '#'}) {
        faelle.push_back({VKRPLM1_IDLesen(PORT, a, id), FEHLER_ID_ADRESSE});
        faelle.push_back({VKRPLM1_DeviceFunction(PORT, a, "start"), FEHLER_DF_ADRESSE});
        faelle.push_back({VKRPLM1_ParameterSchreiben(PORT, a, "pumpe1", 0, 0), FEHLER_PS_ADRESSE});
        faelle.push_back(
            {VKRPLM1_ParameterLesen(PORT, a, "pumpe1", &reell, &ganz, nullptr), FEHLER_PL_ADRESSE});
        faelle.push_back({sl(a, 4, 0, 1), FEHLER_SL_ADRESSE});
        faelle.push_back({ss(a, 4, 0, 1), FEHLER_SS_ADRESSE});
    }
    const std::vector<Fall> feste = {
        // broadcast only for writing
        {VKRPLM1_IDLesen(PORT, '&', id), FEHLER_ID_ADRESSE},
        {VKRPLM1_ParameterLesen(PORT, '&', "status", &reell, &ganz, nullptr), FEHLER_PL_ADRESSE},
        {sl('&', 4, 0, 1), FEHLER_SL_ADRESSE},
        // words are matched exactly
        {VKRPLM1_DeviceFunction(PORT, '1', "Start"), FEHLER_DF_WORT},
        {VKRPLM1_DeviceFunction(PORT, '1', nullptr), FEHLER_DF_WORT},
        {ps("PUMPE1", 0, 0), FEHLER_PS_WORT},
        {ps("ventil17", 0, 0), FEHLER_PS_WORT},
        {ps("ventil0", 0, 0), FEHLER_PS_WORT},
        {ps("status", 0, 0), FEHLER_PS_WORT},
        {ps(nullptr, 0, 0), FEHLER_PS_WORT},
        {VKRPLM1_ParameterLesen(PORT, '1', "PUMPE1", &reell, &ganz, nullptr), FEHLER_PL_WORT},
        {VKRPLM1_ParameterLesen(PORT, '1', "istdruck3", &reell, &ganz, nullptr), FEHLER_PL_WORT},
        // ranges
        {ps("pumpe1", 100.001, 0), FEHLER_PS_PUMPE1_BEREICH},
        {ps("pumpe1", std::nan(""), 0), FEHLER_PS_PUMPE1_BEREICH},
        {ps("pumpe2", -100.001, 0), FEHLER_PS_PUMPE2_BEREICH},
        {ps("druckhigh1", 2000.001, 0), FEHLER_PS_DRUCKHIGH1_BEREICH},
        {ps("druckhigh2", HUGE_VAL, 0), FEHLER_PS_DRUCKHIGH2_BEREICH},
        {ps("drucklow1", -2000.01, 0), FEHLER_PS_DRUCKLOW1_BEREICH},
        {ps("drucklow2", 1e300, 0), FEHLER_PS_DRUCKLOW2_BEREICH},
        {ps("alleventile", 0, 65536), FEHLER_PS_ALLEVENTILE_BEREICH},
        {ps("alleventile", 0, -1), FEHLER_PS_ALLEVENTILE_BEREICH},
        {ps("ventil1", 0, 2), FEHLER_PS_VENTIL1_BEREICH},
        {ps("ventil9", 0, -1), -500060},
        {ps("ventil10", 0, 7), -500061},
        {ps("ventil16", 0, -1), FEHLER_PS_VENTIL16_BEREICH},
        // memory read: address, start, size, type in this order
        {sl('1', 4, -1, 1), FEHLER_SL_STARTADRESSE},
        {sl('1', 3, 65536, 0), FEHLER_SL_STARTADRESSE},
        {sl('1', 3, 0, 0), FEHLER_SL_GROESSE},
        {sl('1', 4, 0, 65537), FEHLER_SL_GROESSE},
        {sl('1', 3, 0, 1), FEHLER_SL_SPEICHERTYP},
        {sl('1', 4, 0, 65536), FEHLER_SL_FORMATIEREN}, // passes the range, but has no four-digit size
        // memory write
        {ss('1', 4, -1, 1), FEHLER_SS_STARTADRESSE},
        {ss('1', 3, 65536, -1), FEHLER_SS_STARTADRESSE},
        {ss('1', 3, 0, 65), FEHLER_SS_GROESSE},
        {ss('1', 4, 0, -1), FEHLER_SS_GROESSE},
        {ss('1', 0, 0, 64), FEHLER_SS_SPEICHERTYP},
        {VKRPLM1_SpeicherSchreiben(PORT, '1', 4, 0, 1, nullptr), FEHLER_SS_FORMATIEREN_DATEN},
    };
    faelle.insert(faelle.end(), feste.begin(), feste.end());
    for (std::size_t i = 0; i < faelle.size(); ++i)
        EXPECT_EQ(faelle[i].ist, faelle[i].soll) << "row " << i;
    // A request that does go out: once it is answered, the unit has read whatever was sent before it.
    ASSERT_EQ(VKRPLM1_IDLesen(PORT, '1', id), KEIN_FEHLER);
    EXPECT_EQ(zeilen(), std::vector<std::string>{"#1IDR\r"}) << "nothing refused reached the unit";
}

// ---- broadcast --------------------------------------------------------------------------------------------

TEST_F(Vkrplm1, BroadcastIsExecutedByAllAndReadsNothing) {
    static const unsigned char daten[] = {0x77};
    EXPECT_EQ(VKRPLM1_ParameterSchreiben(PORT, '&', "pumpe2", 33, 0), KEIN_FEHLER);
    EXPECT_EQ(VKRPLM1_DeviceFunction(PORT, '&', "start"), KEIN_FEHLER);
    EXPECT_EQ(VKRPLM1_SpeicherSchreiben(PORT, '&', 4, 0x10, 1, daten), KEIN_FEHLER);
    EXPECT_EQ(zeilen(3), (std::vector<std::string>{"#&P2W33\r", "#&DF1\r", "#&BDW400100001770078\r"}));
    for (char a : {'1', 'a'}) {
        EXPECT_EQ(bus().zustand(a).pumpe[1], 33) << a;
        EXPECT_EQ(bus().zustand(a).funktion, 1) << a;
        EXPECT_EQ(bus().speicher(a, 0x10, 1), std::vector<std::uint8_t>{0x77}) << a;
    }
    // Nothing was answered: a following read finds only its own reply.
    char id[VKRPLM1_ID_LAENGE];
    EXPECT_EQ(VKRPLM1_IDLesen(PORT, '1', id), KEIN_FEHLER);
}

TEST_F(Vkrplm1, BroadcastSucceedsWithNoUnitOnTheLine) {
    TearDown();
    starten({});
    const auto anfang = std::chrono::steady_clock::now();
    EXPECT_EQ(VKRPLM1_ParameterSchreiben(PORT, '&', "ventil3", 0, 1), KEIN_FEHLER);
    EXPECT_EQ(VKRPLM1_DeviceFunction(PORT, '&', "stopp"), KEIN_FEHLER);
    EXPECT_EQ(VKRPLM1_SpeicherSchreiben(PORT, '&', 4, 0, 0, nullptr), KEIN_FEHLER);
    // none of them waited for a handshake (each would cost the whole time-out)
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::milliseconds(500));
    EXPECT_EQ(zeilen(3).size(), 3u);
}

// ---- the port ---------------------------------------------------------------------------------------------

TEST_F(Vkrplm1, OpenChecksRateThenPortAndLeavesNothingOpen) {
    Rs232_GeraetepfadSetzen(ANDERER_PORT, server.pfad());
    EXPECT_EQ(VKRPLM1_Open(ANDERER_PORT, 19200), FEHLER_OPEN_BAUDRATE);
    EXPECT_EQ(VKRPLM1_Open(ANDERER_PORT, 0), FEHLER_OPEN_BAUDRATE);
    EXPECT_EQ(VKRPLM1_Close(ANDERER_PORT), FEHLER_CLOSE) << "the refused open left the port closed";
    EXPECT_EQ(VKRPLM1_Open(9, VKRPLM1_BAUDRATE), FEHLER_OPEN_PORTNUMMER);
    EXPECT_EQ(VKRPLM1_Open(0, VKRPLM1_BAUDRATE), FEHLER_OPEN_PORTNUMMER);
    EXPECT_EQ(VKRPLM1_Open(9, 4800), FEHLER_OPEN_BAUDRATE);
    // The unit's line is held by this program on PORT already: another opener is told it is in use.
    Rs232_GeraetepfadSetzen(ANDERER_PORT, server.pfad());
    EXPECT_EQ(VKRPLM1_Open(ANDERER_PORT, VKRPLM1_BAUDRATE), FEHLER_OPEN_PLATTFORM);
    EXPECT_NE(std::string(VKR_Fehlermeldung(FEHLER_OPEN_PLATTFORM))
                  .find(server.pfad() + " wird von einem anderen Programm benutzt"),
              std::string::npos);
    Rs232_GeraetepfadSetzen(ANDERER_PORT, "/dev/plm1-gibt-es-nicht");
    EXPECT_EQ(VKRPLM1_Open(ANDERER_PORT, VKRPLM1_BAUDRATE), FEHLER_OPEN_PLATTFORM);
    EXPECT_EQ(std::string(VKR_Fehlermeldung(FEHLER_OPEN_PLATTFORM)).find('\n'), std::string::npos);
    EXPECT_EQ(VKRPLM1_Close(ANDERER_PORT), FEHLER_CLOSE);
    EXPECT_EQ(VKRPLM1_Timeout(ANDERER_PORT, 0.5), FEHLER_TIMEOUT_SETZEN);
    Rs232_GeraetepfadSetzen(ANDERER_PORT, "");

    // A port opened by its path: a number of its own once its path is known, never next to COM 8.
    constexpr int GERAET = RS232_ERSTER_GERAETEPORT;
    EXPECT_EQ(VKRPLM1_Open(GERAET, VKRPLM1_BAUDRATE), FEHLER_OPEN_PORTNUMMER) << "no path yet";
    EXPECT_EQ(VKRPLM1_Open(GERAET - 1, VKRPLM1_BAUDRATE), FEHLER_OPEN_PORTNUMMER);
    EXPECT_EQ(VKRPLM1_Open(GERAET + RS232_MAX_GERAETEPORTE, VKRPLM1_BAUDRATE), FEHLER_OPEN_PORTNUMMER);
    ASSERT_EQ(VKRPLM1_Close(PORT), KEIN_FEHLER);
    Rs232_GeraetepfadSetzen(GERAET, server.pfad());
    ASSERT_EQ(VKRPLM1_Open(GERAET, VKRPLM1_BAUDRATE), KEIN_FEHLER);
    ASSERT_EQ(VKRPLM1_Timeout(GERAET, VKRPLM1_TIMEOUT_S), KEIN_FEHLER);
    char id[VKRPLM1_ID_LAENGE];
    EXPECT_EQ(VKRPLM1_IDLesen(GERAET, '1', id), KEIN_FEHLER);
    EXPECT_STREQ(id, "VKR-PLM1-SIM");
    EXPECT_EQ(VKRPLM1_Close(GERAET), KEIN_FEHLER);
    Rs232_GeraetepfadSetzen(GERAET, "");
}

// ---- traffic log ------------------------------------------------------------------------------------------

struct Protokollfall {
    std::string name;
    Fehlerart fehler;
    std::function<Fehlercode()> aufruf;
    std::vector<std::string> zeilen; // after the header, with a clock that counts one per entry; BDW: area 4,
                                     // start 0010, 1 byte, data, 1 + sum
};

TEST_F(Vkrplm1, TheTrafficLogShowsEachTransactionOnOneLine) {
    std::string vorlage = (std::filesystem::temp_directory_path() / "plm1-trace-XXXXXX").string();
    ASSERT_NE(mkdtemp(vorlage.data()), nullptr);
    const std::string datei = std::string(vorlage) + "/trace.txt";
    char id[VKRPLM1_ID_LAENGE];
    const std::vector<Protokollfall> faelle = {
        {"identification",
         Fehlerart::Keiner,
         [&] { return VKRPLM1_IDLesen(PORT, '1', id); },
         {"[0] > #1IDR<CR>  [1] < <ACK>#1VKR-PLM1-SIM<CR>"}}, // handshake and reply read in one piece
        {"nak",
         Fehlerart::Nak,
         [&] { return VKRPLM1_IDLesen(PORT, '1', id); },
         {"[0] > #1IDR<CR>  [1] < <NAK>"}},
        {"silent unit",
         Fehlerart::Stille,
         [&] { return VKRPLM1_IDLesen(PORT, '1', id); },
         {"[0] > #1IDR<CR>  [1] ! Zeitlimit"}},
        {"broadcast, then a write",
         Fehlerart::Keiner,
         [] {
             (void)VKRPLM1_DeviceFunction(PORT, '&', "stopp");
             return VKRPLM1_SpeicherSchreiben(PORT, '1', 4, 0x10, 1,
                                              reinterpret_cast<const unsigned char*>("<"));
         },
         {"[0] > #&DF3<CR>", "[1] > #1BDW4001000013C003D<CR>  [2] < <ACK>"}},
        // Bytes received at different milliseconds are pieces of their own; in the same one, one piece.
        {"receive pieces by millisecond",
         Fehlerart::Keiner,
         [] {
             Rs232Trace_Transaktion();
             Rs232Trace_Empfangen("\x06", 1);
             Rs232Trace_Empfangen("#1", 2);
             Rs232Trace_Transaktion();
             Rs232Trace_UhrSetzen([] { return 7LL; });
             Rs232Trace_Empfangen("\x06", 1);
             Rs232Trace_Empfangen("#1", 2);
             Rs232Trace_TransaktionEnde();
             return KEIN_FEHLER;
         },
         {"[0] < <ACK>  [1] < #1", "[7] < <ACK>#1"}},
        {"noise instead of the handshake: what follows it is thrown away, and logged",
         Fehlerart::Stoerung,
         [&] { return VKRPLM1_IDLesen(PORT, '1', id); },
         {"[0] > #1IDR<CR>  [1] < <xFE>  [2] < <NUL><x3C><DEL><ESC>  [3] ! 4 Bytes verworfen"}},
    };
    for (const Protokollfall& f : faelle) {
        bus().fehlerLoeschen();
        if (f.fehler != Fehlerart::Keiner) bus().fehlerSetzen("IDR", f.fehler);
        long long takt = 0;
        Rs232Trace_UhrSetzen([&takt] { return takt++; });
        ASSERT_TRUE(Rs232Trace_Starten(datei));
        (void)f.aufruf();
        // Each transaction is in the file as soon as it ends, before anything else happens on the line.
        const auto gelesen = [&] {
            std::vector<std::string> zeilen = testdatei::zeilenLesen(datei);
            const std::string kopf = zeilen.empty() ? "" : zeilen.front();
            EXPECT_EQ(kopf.rfind("# PLM-1 Verkehrsprotokoll ab ", 0), 0u) << f.name;
            if (!zeilen.empty()) zeilen.erase(zeilen.begin());
            return zeilen;
        };
        EXPECT_EQ(gelesen(), f.zeilen) << f.name;
        Rs232Trace_Beenden();
        Rs232Trace_UhrSetzen({});
        EXPECT_EQ(gelesen(), f.zeilen) << f.name;
    }
    // Opening and closing are lines of their own.
    long long takt = 0;
    Rs232Trace_UhrSetzen([&takt] { return takt++; });
    ASSERT_TRUE(Rs232Trace_Starten(datei));
    ASSERT_EQ(VKRPLM1_Close(PORT), KEIN_FEHLER);
    ASSERT_EQ(VKRPLM1_Open(PORT, VKRPLM1_BAUDRATE), KEIN_FEHLER);
    Rs232Trace_Beenden();
    Rs232Trace_UhrSetzen({});
    const std::vector<std::string> zeilen = testdatei::zeilenLesen(datei);
    EXPECT_EQ(std::vector<std::string>(zeilen.begin() + 1, zeilen.end()),
              (std::vector<std::string>{"[0] COM 1 geschlossen", "[1] COM 1 geöffnet: " + server.pfad()}));
    std::filesystem::remove_all(vorlage);
}

TEST(Rs232TraceText, ControlBytesByNameOthersAsHex) {
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"#1IDR\r", "#1IDR<CR>"},        {std::string("\x06\x15\x18\x00", 4), "<ACK><NAK><CAN><NUL>"},
        {"\n\x1f\x7f", "<LF><US><DEL>"}, {"a<b>", "a<x3C>b>"},
        {"\x80\xff", "<x80><xFF>"},      {"", ""},
    };
    for (const auto& [bytes, text] : faelle)
        EXPECT_EQ(Rs232Trace_Text(bytes.data(), static_cast<int>(bytes.size())), text) << text;
}

TEST_F(Vkrplm1, ClosedPortFailsAtTheFlush) {
    ASSERT_EQ(VKRPLM1_Close(PORT), KEIN_FEHLER);
    char id[VKRPLM1_ID_LAENGE];
    double reell = 0;
    int ganz = 0;
    EXPECT_EQ(VKRPLM1_IDLesen(PORT, '1', id), FEHLER_FLUSH_EINGANG);
    EXPECT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "pumpe1", 1, 0), FEHLER_PS_FLUSH);
    EXPECT_EQ(VKRPLM1_ParameterLesen(PORT, '1', "pumpe1", &reell, &ganz, nullptr), FEHLER_PL_FLUSH);
    EXPECT_EQ(FlushInOut(PORT), FEHLER_FLUSH_EINGANG);
    EXPECT_TRUE(zeilen().empty());
}

TEST_F(Vkrplm1, ALineThatNeverDrainsFailsAsAWriteInsteadOfHanging) {
    ASSERT_TRUE(server.ausgabeAnhalten(true));
    EXPECT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "pumpe1", 5, 0), FEHLER_PS_SCHREIBEN);
    ASSERT_TRUE(server.ausgabeAnhalten(false));
    // The stuck command is dropped by the next flush and never reaches the unit.
    EXPECT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "pumpe1", 6, 0), KEIN_FEHLER);
    EXPECT_EQ(zeilen(), std::vector<std::string>{"#1P1W6\r"});

    // A line held for a moment only: the wait allows about 0.5 s beyond the wire time, so it goes out.
    ASSERT_TRUE(server.ausgabeAnhalten(true));
    std::thread freigabe([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        server.ausgabeAnhalten(false);
    });
    EXPECT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "pumpe1", 7, 0), KEIN_FEHLER);
    freigabe.join();
    EXPECT_EQ(zeilen(), (std::vector<std::string>{"#1P1W6\r", "#1P1W7\r"}));
}

TEST_F(Vkrplm1, ALostLineFailsAtOnceAndLeavesThePortOpen) {
    server.stoppen();
    char id[VKRPLM1_ID_LAENGE];
    const auto anfang = std::chrono::steady_clock::now();
    EXPECT_NE(VKRPLM1_IDLesen(PORT, '1', id), KEIN_FEHLER);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::milliseconds(400));
    EXPECT_EQ(VKRPLM1_Close(PORT), KEIN_FEHLER);
}

// ---- behind a serial device server ------------------------------------------------------------------------

// The pseudo-terminal's line settings as the server's serial side has them now.
struct Linie {
    speed_t baud = 0;
    bool ungerade = false;
    bool zweiStopp = false;
};

Linie linieVon(const std::string& pfad) {
    Linie l;
    const int fd = open(pfad.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios t{};
    if (fd >= 0 && tcgetattr(fd, &t) == 0) {
        l.baud = cfgetospeed(&t);
        l.ungerade = (t.c_cflag & PARODD) != 0;
        l.zweiStopp = (t.c_cflag & CSTOPB) != 0;
    }
    if (fd >= 0) close(fd);
    return l;
}

std::string zusatztext(Fehlercode f) {
    return VKR_Fehlermeldung(f);
}

// Parameter: RFC 2217 (else raw TCP).
class Vkrplm1Netz : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.starten({Einheit{'1', "VKR-PLM1-NETZ"}}));
        // With RFC 2217 the server's own setting differs from the unit's: only the program can set it right.
        ASSERT_TRUE(ser2net.starten(server.pfad(), GetParam(), GetParam() ? "1200n82" : "9600o71"));
        Rs232_GeraetepfadSetzen(PORT, ser2net.adresse(GetParam()));
        ASSERT_EQ(VKRPLM1_Open(PORT, VKRPLM1_BAUDRATE), KEIN_FEHLER) << Rs232_Grund(PORT);
        ASSERT_EQ(VKRPLM1_Timeout(PORT, VKRPLM1_TIMEOUT_S), KEIN_FEHLER);
    }
    void TearDown() override {
        (void)VKRPLM1_Close(PORT);
        ser2net.stoppen();
        server.stoppen();
        Rs232_GeraetepfadSetzen(PORT, "");
    }
    plm1sim::Server server;
    Ser2netServer ser2net;
};

TEST_P(Vkrplm1Netz, TheDeviceTableWorksAsOnALocalPort) {
    char id[VKRPLM1_ID_LAENGE];
    ASSERT_EQ(VKRPLM1_IDLesen(PORT, '1', id), KEIN_FEHLER);
    EXPECT_STREQ(id, "VKR-PLM1-NETZ");
    plm1sim::Zustand z;
    z.spannung = 23.9;
    z.status = 0x0108;
    server.bus().zustandSetzen('1', z);
    double reell = -1;
    int ganz = -1;
    EXPECT_EQ(VKRPLM1_ParameterLesen(PORT, '1', "istspannung", &reell, &ganz, nullptr), KEIN_FEHLER);
    EXPECT_DOUBLE_EQ(reell, 23.9);
    EXPECT_EQ(VKRPLM1_ParameterLesen(PORT, '1', "status", &reell, &ganz, nullptr), KEIN_FEHLER);
    EXPECT_EQ(ganz, 0x0108);
    ASSERT_EQ(VKRPLM1_ParameterSchreiben(PORT, '1', "alleventile", 0, 0x00F0), KEIN_FEHLER);
    EXPECT_EQ(server.bus().zustand('1').ventile, 0x00F0);
    // Blocks with every byte value, 0xFF (telnet's command byte) among them.
    for (int block = 0; block < 4; ++block) {
        std::vector<unsigned char> daten(VKRPLM1_MAX_BLOCK), gelesen(VKRPLM1_MAX_BLOCK);
        for (std::size_t i = 0; i < daten.size(); ++i)
            daten[i] = static_cast<unsigned char>(block * 64 + i);
        const int adresse = 0x4400 + block * 64;
        ASSERT_EQ(VKRPLM1_SpeicherSchreiben(PORT, '1', 4, adresse, 64, daten.data()), KEIN_FEHLER);
        ASSERT_EQ(VKRPLM1_SpeicherLesen(PORT, '1', 4, adresse, 64, gelesen.data()), KEIN_FEHLER);
        EXPECT_EQ(gelesen, daten) << block;
    }
    char leer[VKRPLM1_ID_LAENGE];
    EXPECT_EQ(VKRPLM1_IDLesen(PORT, '7', leer), FEHLER_ID_KEINE_ANTWORT)
        << "no unit 7: its time-out, as locally";

    // The line settings arrived at the server's serial side. ser2net was started at 1200 baud, no parity,
    // 2 stop bits; a pseudo-terminal keeps 8 data bits whatever is asked (the server's answer for 7 was
    // checked on opening). Raw TCP leaves the line to the server.
    if (!GetParam()) return;
    const Linie l = linieVon(server.pfad());
    EXPECT_EQ(l.baud, static_cast<speed_t>(B9600));
    EXPECT_TRUE(l.ungerade);
    EXPECT_FALSE(l.zweiStopp);
}

TEST_P(Vkrplm1Netz, AServerStoppedMidTransferFailsAtOnceAndSaysWhy) {
    std::vector<unsigned char> daten(VKRPLM1_MAX_BLOCK, 0x5A);
    std::thread aus([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        ser2net.stoppen();
    });
    Fehlercode f = KEIN_FEHLER;
    auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (int i = 0; f == KEIN_FEHLER && std::chrono::steady_clock::now() < ende; ++i)
        f = VKRPLM1_SpeicherSchreiben(PORT, '1', 4, 0x4400 + (i % 8) * 64, 64, daten.data());
    aus.join();
    ASSERT_NE(f, KEIN_FEHLER);
    EXPECT_NE(zusatztext(f).find("vom Server getrennt"), std::string::npos) << zusatztext(f);
    // Every further call fails at once, within the serial time-out.
    const auto anfang = std::chrono::steady_clock::now();
    char id[VKRPLM1_ID_LAENGE];
    EXPECT_NE(VKRPLM1_IDLesen(PORT, '1', id), KEIN_FEHLER);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::milliseconds(600));
    EXPECT_EQ(VKRPLM1_Close(PORT), KEIN_FEHLER);
}

INSTANTIATE_TEST_SUITE_P(Ser2net, Vkrplm1Netz, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "rfc2217" : "tcp"; });

// A loopback port that takes connections (the kernel accepts them) and never says a word.
class StummerServer {
  public:
    StummerServer() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t laenge = sizeof a;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && listen(fd_, 4) == 0 &&
            getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &laenge) == 0)
            port_ = ntohs(a.sin_port);
    }
    ~StummerServer() { close(fd_); }
    int port() const { return port_; }

  private:
    int fd_ = -1;
    int port_ = 0;
};

TEST(Vkrplm1NetzFehler, EachNetworkFaultHasItsCodeItsReasonAndItsBound) {
    StummerServer stumm;
    ASSERT_NE(stumm.port(), 0);
    const std::string frei = std::to_string(Ser2netServer::freierPort());
    const std::string still = std::to_string(stumm.port());
    struct Fall {
        std::string pfad;
        Fehlercode open;   // of VKRPLM1_Open
        Fehlercode id;     // of an identification after an open that worked
        const char* grund; // in the message's extra text
        int grenzeMs;      // for open and identification together
    };
    const std::vector<Fall> faelle = {
        {"tcp://127.0.0.1:" + frei, FEHLER_OPEN_PLATTFORM, 0, "abgelehnt", 1000},
        {"rfc2217://127.0.0.1:" + frei, FEHLER_OPEN_PLATTFORM, 0, "abgelehnt", 1000},
        {"tcp://plm1-gibt-es-nicht.invalid:4001", FEHLER_OPEN_PLATTFORM, 0, "nicht gefunden",
         RS232_NETZ_VERBINDEN_MS + 1000},
        {"tcp://127.0.0.1", FEHLER_OPEN_PLATTFORM, 0, "keine Netzwerkadresse", 100},
        {"rfc2217://127.0.0.1:70000", FEHLER_OPEN_PLATTFORM, 0, "keine Netzwerkadresse", 100},
        // Accepts and never answers: with RFC 2217 the opening waits for the server's answers, raw TCP
        // finds out at the first reply, as with a unit that is not there.
        {"rfc2217://127.0.0.1:" + still, FEHLER_OPEN_PLATTFORM, 0, "beantwortet die COM-Port-Steuerung",
         RS232_NETZ_VERBINDEN_MS + 500},
        {"tcp://127.0.0.1:" + still, KEIN_FEHLER, FEHLER_ID_KEINE_ANTWORT, nullptr,
         static_cast<int>(VKRPLM1_TIMEOUT_S * 1000) + 500},
    };
    for (const Fall& f : faelle) {
        Rs232_GeraetepfadSetzen(PORT, f.pfad);
        const auto anfang = std::chrono::steady_clock::now();
        const Fehlercode open = VKRPLM1_Open(PORT, VKRPLM1_BAUDRATE);
        EXPECT_EQ(open, f.open) << f.pfad;
        std::string text = open ? zusatztext(open) : "";
        if (open == KEIN_FEHLER) {
            ASSERT_EQ(VKRPLM1_Timeout(PORT, VKRPLM1_TIMEOUT_S), KEIN_FEHLER);
            char id[VKRPLM1_ID_LAENGE];
            const Fehlercode idf = VKRPLM1_IDLesen(PORT, '1', id);
            EXPECT_EQ(idf, f.id) << f.pfad;
            text = zusatztext(idf);
            (void)VKRPLM1_Close(PORT);
        }
        EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::milliseconds(f.grenzeMs)) << f.pfad;
        if (f.grund) {
            EXPECT_NE(text.find(f.grund), std::string::npos) << f.pfad << ": " << text;
        }
    }
    Rs232_GeraetepfadSetzen(PORT, "");
}

} // namespace
