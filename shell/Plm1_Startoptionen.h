#pragma once
// Command-line options of the program: the built-in simulated unit on COM 1, screenshots of every
// window, the traffic log, the per-user folder of a menu start, and a run that ends right after the main
// window came up (for start-up measurements).

#include "sim/plm1sim_ablauf.h"

#include <string>
#include <vector>

struct Startoptionen {
    bool simulator = false;                               // --simulator
    double schrittzeit = plm1sim::STANDARD_SCHRITTZEIT_S; // --step-time S: the simulated unit's step
    std::string bilderVerzeichnis;                        // --screenshots DIR
    bool nachStartBeenden = false;                        // --quit-after-start (not listed in the help)
    std::string trace;                                    // --trace FILE
    bool benutzerordner = false;                          // --user-dir
    bool hilfe = false;                   // --help, -h: the usage was printed, nothing else runs
    std::vector<std::string> qtArgumente; // Qt's own options (-platform offscreen, -style=fusion, ...)
    bool version = false;                 // --version: the version was printed, nothing else runs
};

// Makes sure the messages on standard error are in the language of the environment: before the
// application object exists (the program then ends after the message), a core application of its own.
void Startoptionen_SpracheBereit();

// Reads the options; false (after a message on standard error) for an unknown option or a missing value.
bool Startoptionen_Lesen(int argc, char** argv, Startoptionen* optionen);

// The program's folder under the user's XDG configuration location (~/.config/plm1steuerung).
std::string Startoptionen_Benutzerordner();
// Makes that folder (created when missing) the working directory, so that a start from the desktop menu
// keeps its settings file there; false (after a message) when it cannot.
bool Startoptionen_BenutzerordnerWechseln();

// Starts the simulated unit (its cycle stepping every `schrittzeit` seconds) on a pseudo-terminal and maps
// it to COM 1 for this run.
bool Startoptionen_SimulatorStarten(double schrittzeit);
void Startoptionen_SimulatorStoppen();
// The running simulated unit's step time; 0 when none runs.
double Startoptionen_SimulatorSchrittzeit();

// File name (without extension) of a window's screenshot, from its name in the window list.
std::string Startoptionen_Bildname(const std::string& fenstername);

// Prints the time since the process started to standard error.
void Startoptionen_StartzeitMelden();
