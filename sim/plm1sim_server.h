#pragma once
// The simulated line on a pseudo-terminal (POSIX): the tests' real peer through the serial stack and the
// program's built-in demonstration unit.

#include "sim/plm1sim.h"

#include <memory>
#include <string>
#include <vector>

namespace plm1sim {

// Serves a bus on a pseudo-terminal from a background thread. With `takt9600` every byte the units send
// is paced at 9600-baud speed (10 bit times a character).
class Server {
  public:
    Server();
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    bool starten(std::vector<Einheit> einheiten = {Einheit{}}, bool takt9600 = false);
    void stoppen();
    std::string pfad() const; // device path of the line's PC end, e.g. /dev/pts/7
    Bus& bus();               // the bus of the last starten(); replaced by the next one
    // Holds back (true) or releases the PC end's output, as a stopped line would: what the PC writes
    // then stays in its output queue and never drains.
    bool ausgabeAnhalten(bool anhalten);
    // Imitates a USB-serial adapter's latency timer on the way to the PC: each reply is held until `ms`
    // have passed since its first byte arrived, unless ADAPTER_PUFFER bytes are waiting. 0 switches it off.
    static constexpr int ADAPTER_PUFFER = 62;
    void latenzzeitgeberSetzen(int ms);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace plm1sim
