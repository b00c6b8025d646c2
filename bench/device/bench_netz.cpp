// bench_netz [ids] [blocks]: identification reads and 64-byte block writes against the same simulated unit
// paced at 9600 baud, on its own line and behind ser2net on loopback (raw TCP and RFC 2217): transfer time
// against the wire time of every character, and what the network path adds to each transaction.

#include "device/vkrplm1.h"
#include "platform/line/rs232.h"
#include "sim/plm1sim_server.h"
#include "tests/common/ser2net_server.h"

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
constexpr double GRENZE_DRAHT = 1.02;

struct Messung {
    double wand = 0;
    double median = 0; // one transaction, robust against a busy machine's outliers
    int fehler = 0;
};

template <typename F> Messung messen(int n, F&& f) {
    Messung m;
    std::vector<double> einzeln;
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) {
        const auto t = std::chrono::steady_clock::now();
        if (f(i) != KEIN_FEHLER) ++m.fehler;
        einzeln.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count());
    }
    m.wand = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::nth_element(einzeln.begin(), einzeln.begin() + n / 2, einzeln.end());
    m.median = einzeln[static_cast<std::size_t>(n / 2)];
    return m;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ids = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const int bloecke = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
    const std::string id = plm1sim::Einheit{}.id;
    const long idZeichen = 6 + 1 + 2 + static_cast<long>(id.size()) + 1; // command, ACK, reply line
    const long blockZeichen = 2 * BLOCK + 19 + 1;                        // command, ACK
    std::vector<unsigned char> daten(BLOCK * bloecke);
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
        Rs232_GeraetepfadSetzen(PORT, w == "direct" ? server.pfad() : ser2net.adresse(w == "rfc2217"));
        if (VKRPLM1_Open(PORT, VKRPLM1_BAUDRATE) != KEIN_FEHLER ||
            VKRPLM1_Timeout(PORT, VKRPLM1_TIMEOUT_S) != 0)
            return 1;
        const Messung mi = messen(ids, [&](int) { return VKRPLM1_IDLesen(PORT, '1', text); });
        const Messung mb = messen(bloecke, [&](int i) {
            return VKRPLM1_SpeicherSchreiben(PORT, '1', VKRPLM1_SPEICHERTYP, i * BLOCK, BLOCK,
                                             daten.data() + i * BLOCK);
        });
        ok = ok && server.bus().speicher('1', 0, BLOCK * bloecke) ==
                       std::vector<std::uint8_t>(daten.begin(), daten.end());
        const struct {
            const char* name;
            Messung m;
            int n;
            long zeichen;
        } reihen[] = {{"identification read", mi, ids, idZeichen},
                      {"64-byte block write", mb, bloecke, blockZeichen}};
        for (int r = 0; r < 2; ++r) {
            const auto& z = reihen[r];
            const double draht = static_cast<double>(z.zeichen) * z.n * ZEICHENZEIT_S;
            const double verhaeltnis = z.m.wand / draht;
            if (w == "direct") direkt[r] = z.m.median;
            std::printf(
                "  %-8s %-20s %4d x: %7.3f s, wire %7.3f s, ratio %.4f %s, median %.2f ms, extra %+.2f ms,"
                " %d errors\n",
                weg, z.name, z.n, z.m.wand, draht, verhaeltnis, verhaeltnis <= GRENZE_DRAHT ? "ok" : "OVER",
                1e3 * z.m.median, 1e3 * (z.m.median - direkt[r]), z.m.fehler);
            ok = ok && z.m.fehler == 0 && verhaeltnis <= GRENZE_DRAHT;
        }
        (void)VKRPLM1_Close(PORT);
        ser2net.stoppen();
        server.stoppen();
    }
    std::printf("%s\n", ok ? "all within limits" : "LIMIT MISSED");
    return ok ? 0 : 1;
}
