// plm1 monitor against the simulated unit on a pseudo-terminal: the CSV it prints, its stop after N lines
// and its exit on a failing read.

#include "sim/plm1sim_server.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Ergebnis {
    int exitCode = -1;
    std::vector<std::string> zeilen; // stdout and stderr together
};

Ergebnis ausfuehren(const std::string& argumente) {
    Ergebnis e;
    // The deadline: a plm1 that blocks is killed, and the case fails instead of hanging.
    const std::string befehl = "timeout -k 5 60 " + std::string(PLM1_PROGRAMM) + " " + argumente + " 2>&1";
    FILE* f = popen(befehl.c_str(), "r");
    if (!f) return e;
    std::string text;
    char puffer[512];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
        text.append(puffer, n);
    const int status = pclose(f);
    e.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream s(text);
    for (std::string z; std::getline(s, z);)
        e.zeilen.push_back(z);
    return e;
}

class DirektCli : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(server.starten()); }
    plm1sim::Server server;
};

} // namespace

TEST_F(DirektCli, DruecktKopfUndEineZeileJeAbfrage) {
    plm1sim::Zustand z = server.bus().zustand('1');
    z.spannung = 23.7;
    z.temperatur = 40.2;
    z.status = 0x010C; // bits 0 and 1 follow the simulated pressure cut-off
    server.bus().zustandSetzen('1', z);

    const Ergebnis e = ausfuehren("--port " + server.pfad() + " monitor --interval 0.05 --count 3");
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

TEST_F(DirektCli, OutSchreibtDieselbenZeilenInDieDatei) {
    std::string vorlage = (std::filesystem::temp_directory_path() / "plm1_monitor_out_XXXXXX").string();
    ASSERT_NE(mkdtemp(vorlage.data()), nullptr);
    const std::string verzeichnis = vorlage;
    const std::string datei = verzeichnis + "/lauf.csv";
    const Ergebnis e =
        ausfuehren("--port " + server.pfad() + " monitor --interval 0.05 --count 3 --out " + datei);
    EXPECT_EQ(e.exitCode, 0);
    EXPECT_TRUE(e.zeilen.empty()) << "standard output gets nothing but data, and the data went to the file";
    std::vector<std::string> inhalt;
    {
        std::ifstream f(datei);
        for (std::string z; std::getline(f, z);)
            inhalt.push_back(z);
    }
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
    std::ifstream alt(nurLesen);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(alt), {}), "ALT");
    std::filesystem::remove_all(verzeichnis);
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
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    const std::string pfad = server.pfad();
    const char* argv[] = {PLM1_PROGRAMM, "--port", pfad.c_str(), "monitor", "--interval", "0.05", nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, PLM1_PROGRAMM, &aktionen, nullptr, const_cast<char* const*>(argv), environ),
              0);
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    // Once the header and a first line are out the signal is blocked and waited for.
    std::string text;
    char puffer[512];
    bool gesendet = false;
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;) {
        text.append(puffer, std::size_t(n));
        if (!gesendet && std::count(text.begin(), text.end(), '\n') >= 2) {
            kill(pid, SIGINT);
            gesendet = true;
        }
    }
    close(rohr[0]);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal instead of stopping";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(text.rfind("zeit,druck1,druck2,spannung,temperatur,status\n", 0), 0u);
    EXPECT_TRUE(gesendet) << text;
}

TEST_F(DirektCli, FalscheOptionenSindAufruffehler) {
    for (const char* a : {"monitor --count 0", "monitor --interval -1", "monitor --interval x",
                          "monitor --count 2.5", "monitor --count", "monitor --speed 3", "monitor --out"}) {
        const Ergebnis e = ausfuehren("--port " + server.pfad() + " " + a);
        EXPECT_EQ(e.exitCode, 2) << a;
    }
    EXPECT_TRUE(server.bus().empfangeneZeilen().empty());
}
