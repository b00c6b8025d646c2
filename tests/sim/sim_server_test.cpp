// The simulated line served on a pseudo-terminal, paced and unpaced, and the plm1-sim program, spoken to
// with plain POSIX calls.

#include "sim/plm1sim_server.h"

#include "plm1_version.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Opens the PC end raw, sends `befehl` and collects what comes back until `erwartet` bytes or 2 s.
std::string senden(const std::string& pfad, const std::string& befehl, std::size_t erwartet) {
    const int fd = open(pfad.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0) return "open failed";
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
    std::string antwort;
    if (write(fd, befehl.data(), befehl.size()) == static_cast<ssize_t>(befehl.size())) {
        char puffer[256];
        pollfd p{fd, POLLIN, 0};
        while (antwort.size() < erwartet && poll(&p, 1, 2000) > 0) {
            const ssize_t n = read(fd, puffer, sizeof puffer);
            if (n <= 0) break;
            antwort.append(puffer, static_cast<std::size_t>(n));
        }
    }
    close(fd);
    return antwort;
}

TEST(SimServer, AnswersOnItsPseudoTerminalPacedOrNot) {
    for (bool takt : {false, true}) {
        plm1sim::Server server;
        ASSERT_TRUE(server.starten({plm1sim::Einheit{'3', "VKR-PLM1-DREI"}}, takt));
        EXPECT_EQ(server.pfad().rfind("/dev/", 0), 0u) << server.pfad();
        EXPECT_EQ(senden(server.pfad(), "#3IDR\r#3V0W00FF\r", 18), "\x06#3VKR-PLM1-DREI\r\x06") << takt;
        EXPECT_EQ(server.bus().zustand('3').ventile, 0xFF);
        // the line survives the PC closing its end
        EXPECT_EQ(senden(server.pfad(), "#3V0R\r", 11), "\x06#3V0R00FF\r") << takt;
        server.stoppen();
        EXPECT_EQ(server.pfad(), "");
    }
}

TEST(SimServer, StartsOnlyOnceAndRestartsAfterStopping) {
    plm1sim::Server server;
    ASSERT_TRUE(server.starten());
    EXPECT_FALSE(server.starten());
    server.stoppen();
    ASSERT_TRUE(server.starten({plm1sim::Einheit{'9', "NEUN"}}));
    EXPECT_EQ(senden(server.pfad(), "#9IDR\r", 8), "\x06#9NEUN\r");
}

TEST(SimProgramm, PrintsItsPathServesAndEndsOnSigterm) {
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        dup2(rohr[1], STDOUT_FILENO);
        close(rohr[0]);
        execl(PLM1_SIM_PROGRAMM, "plm1-sim", "--unit", "2=VKR-PLM1-ZWEI", "--unit", "b=B", nullptr);
        _exit(127);
    }
    close(rohr[1]);
    FILE* aus = fdopen(rohr[0], "r");
    char zeile[256] = {};
    ASSERT_NE(fgets(zeile, sizeof zeile, aus), nullptr);
    std::string pfad = zeile;
    ASSERT_FALSE(pfad.empty());
    ASSERT_EQ(pfad.back(), '\n');
    pfad.pop_back();
    EXPECT_EQ(senden(pfad, "#2IDR\r", 17), "\x06#2VKR-PLM1-ZWEI\r");
    EXPECT_EQ(senden(pfad, "#bIDR\r", 5), "\x06#bB\r");
    kill(kind, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    fclose(aus);
}

TEST(SimProgramm, TakesPanelKeysFromStandardInput) {
    int aus[2], ein[2];
    ASSERT_EQ(pipe(aus), 0);
    ASSERT_EQ(pipe(ein), 0);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        dup2(aus[1], STDOUT_FILENO);
        dup2(ein[0], STDIN_FILENO);
        close(aus[0]);
        close(ein[1]);
        if (!freopen("/dev/null", "w", stderr)) _exit(126);
        execl(PLM1_SIM_PROGRAMM, "plm1-sim", "--step-time", "0.05", "--unit", "4=VIER", nullptr);
        _exit(127);
    }
    close(aus[1]);
    close(ein[0]);
    FILE* ausgabe = fdopen(aus[0], "r");
    char zeile[256] = {};
    ASSERT_NE(fgets(zeile, sizeof zeile, ausgabe), nullptr);
    std::string pfad = zeile;
    pfad.pop_back();
    // The erased memory holds no cycle: "start" from the panel lights the memory fault (after a line that
    // is no command, which changes nothing).
    const std::string befehle = "hello\nstart\n";
    ASSERT_EQ(write(ein[1], befehle.data(), befehle.size()), static_cast<ssize_t>(befehle.size()));
    std::string status;
    for (int versuch = 0; versuch < 200 && status != "\x06#4S1R0008\r"; ++versuch) {
        status = senden(pfad, "#4S1R\r", 11);
        usleep(10000);
    }
    EXPECT_EQ(status, "\x06#4S1R0008\r");
    close(ein[1]); // the end of the input does not end the unit
    EXPECT_EQ(senden(pfad, "#4IDR\r", 8), "\x06#4VIER\r");
    kill(kind, SIGTERM);
    int ende = 0;
    ASSERT_EQ(waitpid(kind, &ende, 0), kind);
    EXPECT_TRUE(WIFEXITED(ende));
    fclose(ausgabe);
}

// Bad arguments end it with exit 2 and the usage on standard error; --help and --version answer on standard
// output with exit 0. Each run has a deadline, so a program that starts serving instead fails the case.
TEST(SimProgramm, AnswersItsArguments) {
    struct Fall {
        const char* arg;
        int exitCode;
        std::string ausAnfang; // start of standard output
        std::string fehlerAnfang;
    };
    const std::string lang = "--unit=1=" + std::string(27, 'K'),
                      langGross = "--unit=1=" + std::string(100000, 'K');
    const std::string version = std::string("plm1-sim ") + PLM1_VERSION + "\n";
    const Fall faelle[] = {
        {"--unit=0=X", 2, "", "usage: plm1-sim"},
        {"--unit=A=X", 2, "", "usage: plm1-sim"},
        {"--unit=1=", 2, "", "usage: plm1-sim"},
        {"--bogus", 2, "", "usage: plm1-sim"},
        {"--step-time", 2, "", "usage: plm1-sim"},
        {"--help", 0, "usage: plm1-sim", ""},
        {"-h", 0, "usage: plm1-sim", ""},
        {"--version", 0, version, ""},
        // An identification is 1 to 26 printable characters.
        {lang.c_str(), 2, "", "plm1-sim: the ID must be 1 to 26 printable characters"},
        {langGross.c_str(), 2, "", "plm1-sim: the ID must be 1 to 26 printable characters"},
        {"--unit=1=A\x01B", 2, "", "plm1-sim: the ID must be 1 to 26 printable characters"},
        {"--unit=1=\xC3\xA4", 2, "", "plm1-sim: the ID must be 1 to 26 printable characters"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.arg);
        FILE* aus = std::tmpfile();
        FILE* fehler = std::tmpfile();
        ASSERT_TRUE(aus && fehler);
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            dup2(fileno(aus), STDOUT_FILENO);
            dup2(fileno(fehler), STDERR_FILENO);
            execl(PLM1_SIM_PROGRAMM, "plm1-sim", f.arg, nullptr);
            _exit(127);
        }
        // The deadline: a simulator that took the argument runs on; it is ended and the case fails.
        int status = 0;
        pid_t fertig = 0;
        for (int i = 0; i < 100 && (fertig = waitpid(kind, &status, WNOHANG)) == 0; ++i)
            usleep(50000);
        if (fertig == 0) {
            kill(kind, SIGKILL);
            waitpid(kind, &status, 0);
        }
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), f.exitCode);
        const auto lesen = [](FILE* datei) {
            std::string text(4096, '\0');
            std::rewind(datei);
            text.resize(std::fread(text.data(), 1, text.size(), datei));
            std::fclose(datei);
            return text;
        };
        const std::string ausText = lesen(aus), fehlerText = lesen(fehler);
        EXPECT_EQ(ausText.rfind(f.ausAnfang, 0), 0u) << ausText;
        EXPECT_EQ(ausText.empty(), f.ausAnfang.empty()) << ausText;
        EXPECT_EQ(fehlerText.rfind(f.fehlerAnfang, 0), 0u) << fehlerText;
        EXPECT_EQ(fehlerText.empty(), f.fehlerAnfang.empty()) << fehlerText;
    }
}

} // namespace
