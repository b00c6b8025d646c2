#pragma once
// Simulated PLM-1 units: the command protocol of the real unit (identification, device functions,
// parameters, status, memory area 4), several units on one line, injectable faults. Portable; the server
// that offers the line on a pseudo-terminal is in plm1sim_server.h.

#include "sim/plm1sim_protokoll.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace plm1sim {

enum class Fehlerart {
    Keiner,
    Nak,                // answers NAK instead of ACK
    Can,                // answers CAN instead of ACK
    Stille,             // answers nothing at all
    AntwortAbgebrochen, // ACK, then the reply line is cut off before its CR
    FalschesEcho,       // ACK, then a reply whose echoed code is wrong
    Err,                // ACK, then "#a<code>err" CR
    FalscheChecksumme,  // ACK, then a memory reply whose checksum is off by one
    FremdesByte,        // a stray byte (0x41) instead of the handshake
    Stoerung,           // line noise instead of the handshake: FE 00 3C 7F 1B
};

// An identification fits the reply line: 1 to 26 printable characters without blanks.
constexpr std::size_t KENNUNG_MAX = 26;

struct Einheit {
    char adresse = '1';
    std::string id = "VKR-PLM1-SIM";
};

// Parameter set and live values of one unit.
struct Zustand {
    double pumpe[2] = {0, 0};
    double druckHigh[2] = {KEINE_DRUCKGRENZE, KEINE_DRUCKGRENZE};
    double druckLow[2] = {-KEINE_DRUCKGRENZE, -KEINE_DRUCKGRENZE};
    int ventile = 0;             // valve mask, bit i = valve i+1 (16 valves)
    double istDruck[2] = {0, 0}; // mbar
    double spannung = 24.1;      // V
    double temperatur = 31.5;    // deg C
    int status = 0;              // status bits
    int funktion = 3;            // last device function: 1 start, 2 pause, 3 stopp
};

// The line with its units: feed it what the PC sends, it returns what the units answer.
class Bus {
  public:
    explicit Bus(std::vector<Einheit> einheiten = {Einheit{}});
    ~Bus();
    Bus(const Bus&) = delete;
    Bus& operator=(const Bus&) = delete;

    // Bytes from the PC; returns the bytes the units send back (may be empty).
    std::string empfangen(const std::string& bytes);
    // Advances each unit's run of its cycle or key, then the pressure model, by dt seconds (pressures
    // follow the pumps, stop at active limits).
    void schritt(double dt);
    // Step time of the units' cycles (default 1 s; also the unit of a key's times).
    void schrittzeitSetzen(double sekunden);
    double schrittzeit() const;
    // Presses key 1..12 on the unit's panel: 1..9 run the stored key, 10..12 start, pause and stop the
    // cycle. False for an unknown unit or key, or a key 1..9 while a cycle runs.
    bool tasteDruecken(char adresse, int taste);

    // Fault injection for a command code ("IDR", "DF1", "P1W", "S1R", "BDR", "BDW", ...) at one address
    // ('*' for every address): applied to the next `anzahl` commands with that code (-1: until cleared).
    void fehlerSetzen(const std::string& code, Fehlerart art, int anzahl = -1, char adresse = '*');
    void fehlerLoeschen();
    // Fault hook between a write and its read-back: when the next memory read (BDR) reaches the unit at
    // `adresse`, the byte at `speicherAdresse` of its memory changes (lowest bit inverted) before it answers.
    void speicherAendernVorLesen(char adresse, int speicherAdresse);

    // Inspection and set-up (thread-safe; the server thread uses the bus too).
    std::vector<std::string> empfangeneZeilen() const; // complete command lines received, CR included
    void protokollLeeren();
    Zustand zustand(char adresse) const;
    void zustandSetzen(char adresse, const Zustand& z);
    std::vector<std::uint8_t> speicher(char adresse, int start, int laenge) const;
    void speicherSetzen(char adresse, int start, const std::vector<std::uint8_t>& daten);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace plm1sim
