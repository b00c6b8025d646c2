#pragma once
// What the RS-232 calls need from a line, whatever carries it: a serial port of this PC or a socket to a
// serial device server. Used only behind rs232.cpp; every call is synchronous and bounded.

#include <QByteArray>

#include <chrono>
#include <string>

namespace rs232 {

using Uhr = std::chrono::steady_clock;

// A read up to `terminator` (or `count` bytes); with `erstes` >= 0 a first byte other than it ends the read.
// `n` counts the bytes in `puffer`, also when the read fails.
struct Leseauftrag {
    char* puffer = nullptr;
    int count = 0;
    int terminator = 0;
    int erstes = -1;
    int n = 0;
};

class Leitung {
  public:
    virtual ~Leitung() = default;
    // Still usable; clears a sticky error state first.
    virtual bool offen() = 0;
    virtual void schliessen() = 0;
    // Takes out what has been received and not read yet (with `auchLeitung` also what the line holds now),
    // for the traffic log.
    virtual QByteArray gepuffertAbholen(bool auchLeitung) = 0;
    // Throws away every byte received so far.
    virtual bool eingangVerwerfen() = 0;
    // Throws away what still waits to be sent; 0 or negative.
    virtual int ausgangVerwerfen() = 0;
    virtual int schreiben(const char* daten, int anzahl) = 0; // bytes taken, or negative
    virtual int ausgangLaenge() = 0;                          // bytes not sent yet, or negative
    // 0 once everything has left, negative on a fault or when `ende` passes first.
    virtual int wartenBisGesendet(Uhr::time_point ende, double zeichenzeitS) = 0;
    virtual int byteLesen(int zeitlimitMs) = 0; // 0..255 or negative
    virtual int terminiertLesen(Leseauftrag& auftrag, int zeitlimitMs) = 0;
    // Why the line failed last, in the operator's words; empty where the error code says it all.
    virtual std::string grund() const { return {}; }
};

int restMs(Uhr::time_point ende);

} // namespace rs232
