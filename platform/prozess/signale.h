#pragma once
// The signals that ask the program to end (SIGINT, SIGTERM), in one place for the window program, the
// command line and the simulated unit: held back until asked for, or turned into a byte an event loop reads.

#include <chrono>

enum class Endesignale {
    Unterbrechung,           // SIGINT (Ctrl+C) only; SIGTERM keeps its default
    UnterbrechungUndBeenden, // SIGINT and SIGTERM
};

// Holds the signals back in the calling thread and in every thread it starts from then on: they wait
// until Signale_Abwarten takes them, so they never break a system call or a transaction in the middle.
void Signale_Zurueckhalten(Endesignale art);
// Waits for a held-back signal until `frist` (a time already past only looks): true when one came.
[[nodiscard]] bool Signale_AbwartenBis(Endesignale art, std::chrono::steady_clock::time_point frist);
// Waits for a held-back signal without end.
void Signale_Abwarten(Endesignale art);

// For an event loop: from now on each of the signals writes one byte (in the handler, which does nothing
// else; interrupted calls are restarted) that can be read from the returned descriptor without blocking.
// -1 when that cannot be set up. Called again, it returns the same descriptor.
[[nodiscard]] int Signale_AlsZeichen(Endesignale art);
// Reads away the bytes that came.
void Signale_ZeichenLeeren();
