#pragma once
// Command-line options of the program: the built-in simulated unit on COM 1, screenshots of every
// window, and a run that ends right after the main window came up (for start-up measurements).

#include <string>

struct Startoptionen {
    bool simulator = false;        // --simulator
    std::string bilderVerzeichnis; // --screenshots DIR
    bool nachStartBeenden = false; // --quit-after-start (not listed in the help)
};

// Reads the options; false (after a message on standard error) for an unknown option or a missing value.
bool Startoptionen_Lesen(int argc, char** argv, Startoptionen* optionen);

// Starts the simulated unit on a pseudo-terminal and maps it to COM 1 for this run.
bool Startoptionen_SimulatorStarten();
void Startoptionen_SimulatorStoppen();

// File name (without extension) of a window's screenshot, from its name in the window list.
std::string Startoptionen_Bildname(const std::string& fenstername);

// Prints the time since the process started to standard error.
void Startoptionen_StartzeitMelden();
