#pragma once
// Runs one of this project's programs from a test as a user would start it: in the test's own working
// folder, with a clean environment, standard output and error captured, and a deadline.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace programmlauf {

struct Aufruf {
    // Working folder and HOME of the program: no settings of the user's own are read or written.
    std::filesystem::path ordner;
    // Added to the environment, which keeps nothing of the user's HOME, XDG_* and PLM1_* variables.
    std::vector<std::pair<std::string, std::string>> umgebung;
    // Standard error goes into `aus`, interleaved as written ("2>&1").
    bool fehlerInAus = false;
    // A program that blocks is killed then, and the case fails instead of hanging.
    std::chrono::milliseconds frist = std::chrono::seconds(60);
    // Asked with the output so far after each piece of it; once it says yes the program gets SIGINT.
    std::function<bool(const std::string& ausBisher)> unterbrechenWenn;
};

struct Ergebnis {
    int exitCode = -1; // -1: ended by a signal, or killed at the deadline
    bool fristAbgelaufen = false;
    std::string aus, fehler;
};

Ergebnis ausfuehren(const std::string& programm, const std::vector<std::string>& argumente, const Aufruf& a);

// The words between spaces: an argument list written as one line, without quoting.
std::vector<std::string> woerter(const std::string& zeile);

} // namespace programmlauf
