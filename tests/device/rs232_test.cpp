// The serial layer on a pseudo-terminal: port paths, per-byte time-out, buffered bytes, the bounded wait
// until sent, flushing, and a line that goes away.

#include "platform/rs232.h"
#include "sim/plm1sim.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int PORT = 2;

class Rs232 : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.starten());
        Rs232_GeraetepfadSetzen(PORT, server.pfad());
        ASSERT_EQ(OpenComConfig(PORT, "", 9600, RS232_PARITY_ODD, 7, 1, 512, 512), 0);
    }
    void TearDown() override {
        CloseCom(PORT);
        Rs232_GeraetepfadSetzen(PORT, "");
    }
    std::string lesen(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            const int b = ComRdByte(PORT);
            if (b < 0) break;
            s += static_cast<char>(b);
        }
        return s;
    }
    plm1sim::Server server;
};

TEST(Rs232Pfad, OverrideThenEnvironmentThenDefault) {
    unsetenv("PLM1_COM3");
    EXPECT_EQ(Rs232_Geraetepfad(3), "/dev/ttyS2");
    EXPECT_EQ(Rs232_Geraetepfad(1), "/dev/ttyS0");
    setenv("PLM1_COM3", "/dev/ttyUSB7", 1);
    EXPECT_EQ(Rs232_Geraetepfad(3), "/dev/ttyUSB7");
    Rs232_GeraetepfadSetzen(3, "/tmp/plm1-line");
    EXPECT_EQ(Rs232_Geraetepfad(3), "/tmp/plm1-line");
    Rs232_GeraetepfadSetzen(3, "");
    EXPECT_EQ(Rs232_Geraetepfad(3), "/dev/ttyUSB7");
    unsetenv("PLM1_COM3");
    EXPECT_EQ(Rs232_Geraetepfad(0), "");
    EXPECT_EQ(Rs232_Geraetepfad(9), "");
}

TEST(Rs232Port, CallsOnPortsThatAreNotOpen) {
    EXPECT_EQ(ComRdByte(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(ComWrt(5, "x", 1), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(FlushInQ(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(FlushOutQ(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(GetOutQLen(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(ComWaitUntilSent(5, 0.1), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(SetComTime(5, 0.5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(CloseCom(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(ComRdByte(9), RS232_FEHLER_PORTNUMMER);
    EXPECT_EQ(OpenComConfig(0, "", 9600, 1, 7, 1, 512, 512), RS232_FEHLER_PORTNUMMER);
    EXPECT_EQ(OpenComConfig(5, "", 9600, 3, 7, 1, 512, 512), RS232_FEHLER_PARAMETER);
    EXPECT_EQ(OpenComConfig(5, "", 9600, 1, 9, 1, 512, 512), RS232_FEHLER_PARAMETER);
    EXPECT_EQ(OpenComConfig(5, "/dev/plm1-gibt-es-nicht", 9600, 1, 7, 1, 512, 512), RS232_FEHLER_ALLGEMEIN);
}

TEST_F(Rs232, BufferedBytesAreReadWithoutWaiting) {
    ASSERT_EQ(SetComTime(PORT, 5.0), 0);
    ASSERT_EQ(ComWrt(PORT, "#1IDR\r", 6), 6);
    ASSERT_EQ(ComWaitUntilSent(PORT, 1.0), 0);
    const auto anfang = std::chrono::steady_clock::now();
    // ACK and the 15-byte line arrive in one piece; only the first read may wait for them.
    EXPECT_EQ(lesen(16), "\x06#1VKR-PLM1-SIM\r");
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(2));
}

TEST_F(Rs232, SilenceEndsAfterTheTimeOut) {
    ASSERT_EQ(SetComTime(PORT, 0.1), 0);
    EXPECT_EQ(ComRdByte(PORT), RS232_FEHLER_ZEITLIMIT);
    EXPECT_EQ(SetComTime(PORT, -1), RS232_FEHLER_PARAMETER);
    EXPECT_EQ(SetComTime(PORT, std::nan("")), RS232_FEHLER_PARAMETER);
}

TEST_F(Rs232, FlushDiscardsWhatWasLeftUnread) {
    ASSERT_EQ(SetComTime(PORT, 0.5), 0);
    ASSERT_EQ(ComWrt(PORT, "#1IDR\r", 6), 6);
    ASSERT_EQ(ComWaitUntilSent(PORT, 1.0), 0);
    ASSERT_EQ(ComRdByte(PORT), 0x06);
    ASSERT_EQ(FlushInQ(PORT), 0);
    ASSERT_EQ(ComWrt(PORT, "#1V1R\r", 6), 6);
    ASSERT_EQ(ComWaitUntilSent(PORT, 1.0), 0);
    EXPECT_EQ(lesen(8), "\x06#1V1R0\r");
}

TEST_F(Rs232, AStoppedLineNeverDrainsAndTheWaitIsBounded) {
    ASSERT_TRUE(server.ausgabeAnhalten(true));
    ASSERT_EQ(ComWrt(PORT, "#1P1W5\r", 7), 7);
    EXPECT_GT(GetOutQLen(PORT), 0);
    EXPECT_EQ(ComWaitUntilSent(PORT, 0.1), RS232_FEHLER_ZEITLIMIT);
    EXPECT_EQ(FlushOutQ(PORT), 0);
    EXPECT_EQ(GetOutQLen(PORT), 0);
    ASSERT_TRUE(server.ausgabeAnhalten(false));
    EXPECT_EQ(ComWaitUntilSent(PORT, 0.1), 0);
}

TEST_F(Rs232, ALostLineIsReportedAtOnce) {
    ASSERT_EQ(SetComTime(PORT, 5.0), 0);
    server.stoppen();
    const auto anfang = std::chrono::steady_clock::now();
    EXPECT_LT(ComRdByte(PORT), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(2));
    EXPECT_EQ(CloseCom(PORT), 0);
}

TEST_F(Rs232, ReopeningAnOpenPortReplacesIt) {
    EXPECT_EQ(OpenComConfig(PORT, server.pfad().c_str(), 9600, RS232_PARITY_ODD, 7, 1, 512, 512), 0);
    ASSERT_EQ(SetComTime(PORT, 0.5), 0);
    ASSERT_EQ(ComWrt(PORT, "#1V1R\r", 6), 6);
    ASSERT_EQ(ComWaitUntilSent(PORT, 1.0), 0);
    EXPECT_EQ(lesen(8), "\x06#1V1R0\r");
}

} // namespace
