#pragma once
// What the cycle upload benches share: the simulated unit paced at 9600 baud on the connection, and the
// wire time of what crossed the line, counted from the commands the unit received: each line, its ACK, and a
// memory read's reply (10 bit times a character).

#include "device/Vkr_Com.h"
#include "platform/line/rs232.h"
#include "sim/plm1sim_server.h"
#include "valves/Konfigarray.h"

#include <cstdio>
#include <string>
#include <vector>

// Starts the paced unit at address 1, opens the connection to it on `port` and makes all valves fitted.
inline bool Bench_UnitAnschliessen(plm1sim::Server& server, int port) {
    if (!server.starten({plm1sim::Einheit{}}, true)) {
        std::fprintf(stderr, "simulated unit did not start\n");
        return false;
    }
    Rs232_GeraetepfadSetzen(port, server.pfad());
    if (VkrCom_Open(port) != KEIN_FEHLER || VkrCom_AdresseSet('1') != KEIN_FEHLER) {
        std::fprintf(stderr, "port did not open\n");
        return false;
    }
    for (int v = 0; v < 11; ++v)
        gKonfig[v] = 2;
    return true;
}

constexpr double BENCH_ZEICHENZEIT_S = 10.0 / 9600.0;

// Reply "#aBDR" + area, start, size, data, sum, CR: the command line plus the sum and two digits a byte.
inline long Bench_ZeichenAufDerLeitung(const std::vector<std::string>& zeilen) {
    constexpr std::size_t BDR_ANTWORT_MEHR = 4;
    long zeichen = 0;
    for (const auto& z : zeilen) {
        zeichen += static_cast<long>(z.size()) + 1;
        if (z.size() >= 15 && z.compare(2, 3, "BDR") == 0)
            zeichen +=
                static_cast<long>(z.size() + BDR_ANTWORT_MEHR) + 2 * std::stol(z.substr(10, 4), nullptr, 16);
    }
    return zeichen;
}
