// plm1 monitor against the simulated unit on a pseudo-terminal (and behind ser2net): the CSV it prints,
// its stop after N lines and its exit on a failing read.

#include "sim/plm1sim_server.h"

#include "tests/common/programmlauf.h"
#include "tests/common/ser2net_server.h"
#include "tests/common/testdatei.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

struct Ergebnis {
    int exitCode = -1;
    std::vector<std::string> zeilen; // stdout and stderr together
};

class DirektCli : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(server.starten()); }
    Ergebnis ausfuehren(const std::string& argumente) {
        programmlauf::Aufruf a;
        a.ordner = ordner.pfad();
        a.fehlerInAus = true;
        const programmlauf::Ergebnis e =
            programmlauf::ausfuehren(PLM1_PROGRAMM, programmlauf::woerter(argumente), a);
        return {e.exitCode, testdatei::zeilen(e.aus)};
    }
    testdatei::Ordner ordner;
    plm1sim::Server server;
};

} // namespace

TEST_F(DirektCli, DruecktKopfUndEineZeileJeAbfrage) {
    plm1sim::Zustand z = server.bus().zustand('1');
    z.spannung = 23.7;
    z.temperatur = 40.2;
    z.status = 0x010C; // bits 0 and 1 follow the simulated pressure cut-off
    server.bus().zustandSetzen('1', z);

    // On the unit's own line and behind a device server on raw TCP: the same lines.
    for (const bool netz : {false, true}) {
        Ser2netServer ser2net;
        if (netz) {
            ASSERT_TRUE(ser2net.starten(server.pfad(), false));
        }
        const std::string port = netz ? ser2net.adresse(false) : server.pfad();
        SCOPED_TRACE(port);
        server.bus().protokollLeeren();
        const Ergebnis e = ausfuehren("--port " + port + " monitor --interval 0.05 --count 3");
        ASSERT_EQ(e.exitCode, 0);
        ASSERT_EQ(e.zeilen.size(), 4u);
        EXPECT_EQ(e.zeilen[0], "zeit,druck1,druck2,spannung,temperatur,status");
        // zeit: ISO 8601 local time with milliseconds and the offset from UTC
        const std::regex zeile(
            R"((\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.\d{3}[+-]\d{2}:\d{2}),0,0,23\.7,40\.2,010C)");
        std::string vorher;
        for (std::size_t i = 1; i < e.zeilen.size(); ++i) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(e.zeilen[i], m, zeile)) << e.zeilen[i];
            EXPECT_GT(m[1].str(), vorher); // same day and offset: the text sorts as the time
            vorher = m[1].str();
        }
        std::vector<std::string> gelesen;
        for (const std::string& z : server.bus().empfangeneZeilen())
            gelesen.push_back(z.substr(2, 3));
        const std::vector<std::string> eineAbfrage = {"D1R", "D2R", "U1R", "T1R", "S1R"};
        ASSERT_EQ(gelesen.size(), 15u);
        for (std::size_t i = 0; i < gelesen.size(); ++i)
            EXPECT_EQ(gelesen[i], eineAbfrage[i % 5]);
    }
}

TEST_F(DirektCli, OutSchreibtDieselbenZeilenInDieDatei) {
    const std::string verzeichnis = ordner.pfad().string();
    const std::string datei = verzeichnis + "/lauf.csv";
    const Ergebnis e =
        ausfuehren("--port " + server.pfad() + " monitor --interval 0.05 --count 3 --out " + datei);
    EXPECT_EQ(e.exitCode, 0);
    EXPECT_TRUE(e.zeilen.empty()) << "standard output gets nothing but data, and the data went to the file";
    const std::vector<std::string> inhalt = testdatei::zeilenLesen(datei);
    ASSERT_EQ(inhalt.size(), 4u);
    EXPECT_EQ(inhalt[0], "zeit,druck1,druck2,spannung,temperatur,status");
    const std::regex zeile(
        R"(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.\d{3}[+-]\d{2}:\d{2},0,0,24\.1,31\.5,0000)");
    for (std::size_t i = 1; i < inhalt.size(); ++i)
        EXPECT_TRUE(std::regex_match(inhalt[i], zeile)) << inhalt[i];

    const Ergebnis fehlt =
        ausfuehren("--port " + server.pfad() + " monitor --count 1 --out " + verzeichnis + "/fehlt/x.csv");
    EXPECT_EQ(fehlt.exitCode, 1);
    ASSERT_EQ(fehlt.zeilen.size(), 2u); // the message and its reason
    EXPECT_EQ(fehlt.zeilen[0].rfind("Fehler #301611", 0), 0u) << fehlt.zeilen[0];
    EXPECT_NE(fehlt.zeilen[1].find("nicht vorhanden"), std::string::npos) << fehlt.zeilen[1];

    // The rules of the one file writer: a read-only file is left alone even by root, a device and a FIFO
    // without a reader are refused at once with the reason, the terminal or pipe named on purpose is taken.
    const std::string nurLesen = verzeichnis + "/nurlesen.csv", fifo = verzeichnis + "/fifo";
    std::ofstream(nurLesen) << "ALT";
    std::filesystem::permissions(nurLesen, std::filesystem::perms(0444));
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    struct Fall {
        std::string ziel;
        int exitCode;
        const char* grund;
    };
    const Fall faelle[] = {
        {nurLesen, 1, "schreibgeschützt"},
        {fifo, 1, "ohne Leser"},
        {"/dev/zero", 1, "Gerät"},
        {"/dev/stdout", 0, "zeit,druck1,druck2,spannung,temperatur,status"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.ziel);
        const auto beginn = std::chrono::steady_clock::now();
        const Ergebnis e = ausfuehren("--port " + server.pfad() + " monitor --count 1 --out " + f.ziel);
        EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(10));
        EXPECT_EQ(e.exitCode, f.exitCode);
        ASSERT_FALSE(e.zeilen.empty());
        std::string alles;
        for (const std::string& z : e.zeilen)
            alles += z + "\n";
        EXPECT_NE(alles.find(f.grund), std::string::npos) << alles;
        if (f.exitCode != 0) {
            EXPECT_EQ(e.zeilen[0].rfind("Fehler #301611", 0), 0u) << e.zeilen[0];
        }
    }
    EXPECT_EQ(testdatei::textLesen(nurLesen), "ALT");
}

TEST_F(DirektCli, FehlgeschlageneAbfrageMeldetFehlerUndEndetMitEins) {
    server.bus().fehlerSetzen("T1R", plm1sim::Fehlerart::Err, 1);
    const Ergebnis e = ausfuehren("--port " + server.pfad() + " monitor --interval 0.05 --count 5");
    EXPECT_EQ(e.exitCode, 1);
    ASSERT_EQ(e.zeilen.size(), 2u);
    EXPECT_EQ(e.zeilen[0], "zeit,druck1,druck2,spannung,temperatur,status");
    EXPECT_EQ(e.zeilen[1].rfind("Fehler #409118", 0), 0u) << e.zeilen[1];
}

TEST_F(DirektCli, SigintBeendetMitNull) {
    programmlauf::Aufruf a;
    a.ordner = ordner.pfad();
    // Once the header and a first line are out the signal is blocked and waited for.
    a.unterbrechenWenn = [](const std::string& aus) { return std::count(aus.begin(), aus.end(), '\n') >= 2; };
    const programmlauf::Ergebnis e = programmlauf::ausfuehren(
        PLM1_PROGRAMM, {"--port", server.pfad(), "monitor", "--interval", "0.05"}, a);
    ASSERT_NE(e.exitCode, -1) << "ended by the signal instead of stopping";
    EXPECT_EQ(e.exitCode, 0);
    EXPECT_EQ(e.aus.rfind("zeit,druck1,druck2,spannung,temperatur,status\n", 0), 0u);
    EXPECT_GE(std::count(e.aus.begin(), e.aus.end(), '\n'), 2) << e.aus;

    // Without the signal it polls on until the deadline ends it.
    a.unterbrechenWenn = nullptr;
    a.frist = std::chrono::milliseconds(500);
    const auto beginn = std::chrono::steady_clock::now();
    const programmlauf::Ergebnis ohne = programmlauf::ausfuehren(
        PLM1_PROGRAMM, {"--port", server.pfad(), "monitor", "--interval", "0.05"}, a);
    EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(10));
    EXPECT_TRUE(ohne.fristAbgelaufen);
    EXPECT_EQ(ohne.exitCode, -1);
}

TEST_F(DirektCli, FalscheOptionenSindAufruffehler) {
    for (const char* a : {"monitor --count 0", "monitor --interval -1", "monitor --interval x",
                          "monitor --count 2.5", "monitor --count", "monitor --speed 3", "monitor --out"}) {
        const Ergebnis e = ausfuehren("--port " + server.pfad() + " " + a);
        EXPECT_EQ(e.exitCode, 2) << a;
    }
    EXPECT_TRUE(server.bus().empfangeneZeilen().empty());
}
