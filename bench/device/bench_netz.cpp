// bench_netz [ids] [blocks]: identification reads and 64-byte block writes against the same simulated unit
// paced at 9600 baud, on its own line and behind ser2net on loopback (raw TCP and RFC 2217): transfer time
// against the wire time of every character, and what the network path adds to each transaction.

#include "bench/transaktion_bench.h"
#include "sim/plm1sim_server.h"
#include "tests/common/ser2net_server.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

constexpr double GRENZE_DRAHT = 1.02;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ids = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const int bloecke = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
    const std::string id = plm1sim::Einheit{}.id;
    std::vector<unsigned char> daten(BENCH_BLOCK * bloecke);
    for (std::size_t i = 0; i < daten.size(); ++i)
        daten[i] = static_cast<unsigned char>(i * 7 + 3);
    char text[VKRPLM1_ID_LAENGE];

    std::printf(
        "9600-baud paced unit: transfer time / wire time (limit %.2f); extra = median transaction minus"
        " the direct line's\n",
        GRENZE_DRAHT);
    bool ok = true;
    double direkt[2] = {};
    for (const char* weg : {"direct", "tcp", "rfc2217"}) {
        plm1sim::Server server;
        Ser2netServer ser2net;
        if (!server.starten({plm1sim::Einheit{}}, true)) return 1;
        const std::string w = weg;
        if (w != "direct" && !ser2net.starten(server.pfad(), w == "rfc2217")) return 1;
        if (!Bench_LeitungOeffnen(w == "direct" ? server.pfad() : ser2net.adresse(w == "rfc2217"))) return 1;
        const Bench_Zeiten mi =
            Bench_TransaktionenMessen(ids, [&](int) { return VKRPLM1_IDLesen(BENCH_PORT, '1', text); });
        const Bench_Zeiten mb = Bench_TransaktionenMessen(bloecke, [&](int i) {
            return VKRPLM1_SpeicherSchreiben(BENCH_PORT, '1', VKRPLM1_SPEICHERTYP, i * BENCH_BLOCK,
                                             BENCH_BLOCK, daten.data() + i * BENCH_BLOCK);
        });
        ok = ok && server.bus().speicher('1', 0, BENCH_BLOCK * bloecke) ==
                       std::vector<std::uint8_t>(daten.begin(), daten.end());
        const struct {
            const char* name;
            Bench_Zeiten m;
            long zeichen;
        } reihen[] = {{"identification read", mi, Bench_IdZeichen(id)},
                      {"64-byte block write", mb, BENCH_BLOCKZEICHEN}};
        for (int r = 0; r < 2; ++r) {
            const auto& z = reihen[r];
            const double draht = static_cast<double>(z.zeichen) * z.m.anzahl * BENCH_ZEICHENZEIT_S;
            const double verhaeltnis = z.m.wand / draht;
            if (w == "direct") direkt[r] = z.m.median;
            std::printf(
                "  %-8s %-20s %4d x: %7.3f s, wire %7.3f s, ratio %.4f %s, median %.2f ms, extra %+.2f ms,"
                " %d errors\n",
                weg, z.name, z.m.anzahl, z.m.wand, draht, verhaeltnis,
                verhaeltnis <= GRENZE_DRAHT ? "ok" : "OVER", 1e3 * z.m.median, 1e3 * (z.m.median - direkt[r]),
                z.m.fehler);
            ok = ok && z.m.fehler == 0 && verhaeltnis <= GRENZE_DRAHT;
        }
        (void)VKRPLM1_Close(BENCH_PORT);
        ser2net.stoppen();
        server.stoppen();
    }
    std::printf("%s\n", ok ? "all within limits" : "LIMIT MISSED");
    return ok ? 0 : 1;
}
