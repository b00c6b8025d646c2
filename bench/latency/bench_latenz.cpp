// bench_latenz [ids] [blocks]: identification reads and 64-byte block writes on a 9600-baud simulated line
// whose replies pass an adapter's latency timer: none, 16 ms (the common chips' default) and 1 ms (what
// the driver's low-latency mode sets). Prints each time against the wire time of its characters.

#include "device/vkrplm1.h"
#include "platform/line/rs232.h"
#include "sim/plm1sim_server.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int PORT = 1;
constexpr int BLOCK = 64;
constexpr double ZEICHENZEIT_S = 10.0 / VKRPLM1_BAUDRATE;
// With a 1 ms timer a transaction may take this much longer than its wire time.
constexpr double GRENZE_1MS = 1.08;

struct Ergebnis {
    double verhaeltnis = 0; // median transaction / wire time
    int fehler = 0;
};

template <typename F> Ergebnis messen(int anzahl, long zeichen, F&& f) {
    std::vector<double> zeiten;
    Ergebnis e;
    for (int i = 0; i < anzahl; ++i) {
        const auto t = std::chrono::steady_clock::now();
        if (f(i) != KEIN_FEHLER) ++e.fehler;
        zeiten.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count());
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + anzahl / 2, zeiten.end());
    e.verhaeltnis = zeiten[static_cast<std::size_t>(anzahl / 2)] / (zeichen * ZEICHENZEIT_S);
    return e;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ids = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int bloecke = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
    // The short identification fits in one timer period; the program's built-in unit (address 2 here)
    // answers with a longer one that does not.
    const plm1sim::Einheit kurz{}, lang{'2', "VKR-PLM1-SIMULATOR"};
    const long idZeichen = 6 + 1 + 2 + static_cast<long>(kurz.id.size()) + 1; // command, ACK, reply line
    const long idZeichenLang = 6 + 1 + 2 + static_cast<long>(lang.id.size()) + 1;
    const long blockZeichen = 2 * BLOCK + 19 + 1; // command, ACK
    std::vector<unsigned char> daten(BLOCK);
    for (std::size_t i = 0; i < daten.size(); ++i)
        daten[i] = static_cast<unsigned char>(i * 7 + 3);

    std::printf(
        "median transaction / wire time at 9600 baud (identifications %ld and %ld chars = %.1f and %.1f ms, "
        "block write %ld chars = %.1f ms); limit with a 1 ms timer: %.2f\n",
        idZeichen, idZeichenLang, 1e3 * idZeichen * ZEICHENZEIT_S, 1e3 * idZeichenLang * ZEICHENZEIT_S,
        blockZeichen, 1e3 * blockZeichen * ZEICHENZEIT_S, GRENZE_1MS);
    bool ok = true;
    for (const int latenz : {0, 16, 1}) {
        plm1sim::Server server;
        server.latenzzeitgeberSetzen(latenz);
        if (!server.starten({kurz, lang}, true)) return 1;
        Rs232_GeraetepfadSetzen(PORT, server.pfad());
        if (VKRPLM1_Open(PORT, VKRPLM1_BAUDRATE) != KEIN_FEHLER ||
            VKRPLM1_Timeout(PORT, VKRPLM1_TIMEOUT_S) != 0)
            return 1;
        char text[VKRPLM1_ID_LAENGE];
        const Ergebnis i = messen(ids, idZeichen, [&](int) { return VKRPLM1_IDLesen(PORT, '1', text); });
        const Ergebnis l = messen(ids, idZeichenLang, [&](int) { return VKRPLM1_IDLesen(PORT, '2', text); });
        const Ergebnis b = messen(bloecke, blockZeichen, [&](int n) {
            return VKRPLM1_SpeicherSchreiben(PORT, '1', VKRPLM1_SPEICHERTYP, (n % 16) * BLOCK, BLOCK,
                                             daten.data());
        });
        (void)VKRPLM1_Close(PORT);
        server.stoppen();
        const bool gemessen = latenz == 1;
        const bool innerhalb =
            i.verhaeltnis <= GRENZE_1MS && l.verhaeltnis <= GRENZE_1MS && b.verhaeltnis <= GRENZE_1MS;
        const int fehler = i.fehler + l.fehler + b.fehler;
        std::printf("  latency timer %2d ms: identification %.3f (long %.3f), 64-byte block write %.3f, %d "
                    "errors%s\n",
                    latenz, i.verhaeltnis, l.verhaeltnis, b.verhaeltnis, fehler,
                    gemessen ? (innerhalb ? "  ok" : "  OVER") : "");
        ok = ok && fehler == 0 && (!gemessen || innerhalb);
    }
    std::printf("%s\n", ok ? "within the limit" : "LIMIT MISSED");
    return ok ? 0 : 1;
}
