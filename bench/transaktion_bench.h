#pragma once
// What the driver benches share: the line to the simulated unit opened on one port by its path, the wire
// characters of an identification and of a block write, and a loop that times each transaction.

#include "device/vkrplm1.h"
#include "platform/line/rs232.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

constexpr int BENCH_PORT = 1;
constexpr int BENCH_BLOCK = 64;
constexpr double BENCH_ZEICHENZEIT_S = 10.0 / VKRPLM1_BAUDRATE; // 10 bit times a character
constexpr long BENCH_BLOCKZEICHEN = 2 * BENCH_BLOCK + 19 + 1;   // command, ACK

// Command, ACK and reply line of an identification read answered with `id`.
inline long Bench_IdZeichen(const std::string& id) {
    return 6 + 1 + 2 + static_cast<long>(id.size()) + 1;
}

// Opens BENCH_PORT on `pfad` (a device or a network address) with the unit's rate and time-out.
inline bool Bench_LeitungOeffnen(const std::string& pfad) {
    Rs232_GeraetepfadSetzen(BENCH_PORT, pfad);
    return VKRPLM1_Open(BENCH_PORT, VKRPLM1_BAUDRATE) == KEIN_FEHLER &&
           VKRPLM1_Timeout(BENCH_PORT, VKRPLM1_TIMEOUT_S) == 0;
}

struct Bench_Zeiten {
    double wand = 0;   // the whole loop, seconds
    double median = 0; // one transaction: robust against a busy machine's outliers
    int anzahl = 0;
    int fehler = 0;
};

// Runs f(0) .. f(anzahl - 1), each a transaction returning its error code, and times each.
template <typename F> Bench_Zeiten Bench_TransaktionenMessen(int anzahl, F&& f) {
    Bench_Zeiten z;
    z.anzahl = anzahl;
    std::vector<double> einzeln;
    einzeln.reserve(static_cast<std::size_t>(anzahl));
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < anzahl; ++i) {
        const auto t = std::chrono::steady_clock::now();
        if (f(i) != KEIN_FEHLER) ++z.fehler;
        einzeln.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count());
    }
    z.wand = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::nth_element(einzeln.begin(), einzeln.begin() + anzahl / 2, einzeln.end());
    z.median = einzeln[static_cast<std::size_t>(anzahl / 2)];
    return z;
}
