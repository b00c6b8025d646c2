// bench_latenz [ids] [blocks]: identification reads and 64-byte block writes on a 9600-baud simulated line
// whose replies pass an adapter's latency timer: none, 16 ms (the common chips' default) and 1 ms (what
// the driver's low-latency mode sets). Prints each time against the wire time of its characters.

#include "bench/transaktion_bench.h"
#include "sim/plm1sim_server.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// With a 1 ms timer a transaction may take this much longer than its wire time.
constexpr double GRENZE_1MS = 1.08;

struct Ergebnis {
    double verhaeltnis = 0; // median transaction / wire time
    int fehler = 0;
};

template <typename F> Ergebnis messen(int anzahl, long zeichen, F&& f) {
    const Bench_Zeiten z = Bench_TransaktionenMessen(anzahl, f);
    return {z.median / (zeichen * BENCH_ZEICHENZEIT_S), z.fehler};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ids = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int bloecke = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
    // The short identification fits in one timer period; the program's built-in unit (address 2 here)
    // answers with a longer one that does not.
    const plm1sim::Einheit kurz{}, lang{'2', "VKR-PLM1-SIMULATOR"};
    const long idZeichen = Bench_IdZeichen(kurz.id), idZeichenLang = Bench_IdZeichen(lang.id);
    const long blockZeichen = BENCH_BLOCKZEICHEN;
    std::vector<unsigned char> daten(BENCH_BLOCK);
    for (std::size_t i = 0; i < daten.size(); ++i)
        daten[i] = static_cast<unsigned char>(i * 7 + 3);

    std::printf(
        "median transaction / wire time at 9600 baud (identifications %ld and %ld chars = %.1f and %.1f ms, "
        "block write %ld chars = %.1f ms); limit with a 1 ms timer: %.2f\n",
        idZeichen, idZeichenLang, 1e3 * idZeichen * BENCH_ZEICHENZEIT_S,
        1e3 * idZeichenLang * BENCH_ZEICHENZEIT_S, blockZeichen, 1e3 * blockZeichen * BENCH_ZEICHENZEIT_S,
        GRENZE_1MS);
    bool ok = true;
    for (const int latenz : {0, 16, 1}) {
        plm1sim::Server server;
        server.latenzzeitgeberSetzen(latenz);
        if (!server.starten({kurz, lang}, true)) return 1;
        if (!Bench_LeitungOeffnen(server.pfad())) return 1;
        char text[VKRPLM1_ID_LAENGE];
        const Ergebnis i =
            messen(ids, idZeichen, [&](int) { return VKRPLM1_IDLesen(BENCH_PORT, '1', text); });
        const Ergebnis l =
            messen(ids, idZeichenLang, [&](int) { return VKRPLM1_IDLesen(BENCH_PORT, '2', text); });
        const Ergebnis b = messen(bloecke, blockZeichen, [&](int n) {
            return VKRPLM1_SpeicherSchreiben(BENCH_PORT, '1', VKRPLM1_SPEICHERTYP, (n % 16) * BENCH_BLOCK,
                                             BENCH_BLOCK, daten.data());
        });
        (void)VKRPLM1_Close(BENCH_PORT);
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
