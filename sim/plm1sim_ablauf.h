#pragma once
// The unit's own run: decodes the cycle and the key table from its memory (plain copy checked against its
// check sum and the inverted copy) and steps the outputs through them at the unit's step time.

#include "sim/plm1sim.h"
#include "sim/plm1sim_protokoll.h"

#include <cstdint>
#include <string>
#include <vector>

namespace plm1sim {

constexpr double STANDARD_SCHRITTZEIT_S = 1.0;
// A step time as given on a command line (seconds, a finite number above 0, nothing after it); false
// leaves `sekunden` unchanged.
bool schrittzeitLesen(const char* text, double* sekunden);
constexpr int TASTE_START = 10;
constexpr int TASTE_PAUSE = 11;
constexpr int TASTE_STOPP = 12;

class Ablauf {
  public:
    // Seconds a cycle step lasts; also the unit of a key's times. Not finite or <= 0: unchanged.
    void schrittzeitSetzen(double s);
    double schrittzeit() const { return schrittzeit_; }

    // Device functions. Start resumes a paused cycle, else decodes the cycle from `speicher` (the whole
    // 64 KiB area) and runs it from its first step; a damaged or missing cycle sets the memory-fault bit
    // and nothing runs. Pause holds the current step; stop ends the run and clears the outputs.
    void starten(Zustand& z, const std::vector<std::uint8_t>& speicher);
    void anhalten(Zustand& z);
    void stoppen(Zustand& z);
    // Key 1..9 runs that key from the key table in memory (not while a cycle runs or is paused); 10, 11
    // and 12 are start, pause and stop. False when the key is unknown or was not taken.
    bool tasteDruecken(int taste, Zustand& z, const std::vector<std::uint8_t>& speicher);
    // Advances the run by dt seconds.
    void weiter(double dt, Zustand& z);

  private:
    struct Schritt {
        int ventile = 0;
        double pumpe[2] = {0, 0};
        double oben[2] = {KEINE_DRUCKGRENZE, KEINE_DRUCKGRENZE};
        double unten[2] = {-KEINE_DRUCKGRENZE, -KEINE_DRUCKGRENZE};
    };
    enum class Modus { Aus, Zyklus, Pause, Taste };

    void setzen(Zustand& z, const Schritt& s);
    void ausgaengeLoeschen(Zustand& z);

    double schrittzeit_ = STANDARD_SCHRITTZEIT_S;
    Modus modus_ = Modus::Aus;
    std::vector<Schritt> zyklus_;
    int laeufe_ = 0; // 0: without end
    int lauf_ = 0;
    std::size_t index_ = 0;
    double zeit_ = 0; // in the current step, or since the key was pressed
    Schritt taste_;
    double tastenzeit_[2] = {0, 0}; // seconds each pump of the key runs
};

// One line of the unit's panel as typed: "press N [ADDR]" (keys 1..12), "start", "pause" or "stop"
// [ADDR], for the unit at `adresse` unless ADDR names another. Returns an error text, empty when done.
std::string tastenbefehlAusfuehren(Bus& bus, const std::string& zeile, char adresse);

} // namespace plm1sim
