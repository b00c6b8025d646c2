// bench_device [count]: identification reads and a 19,200-byte block write against the simulated unit,
// first on an unpaced line (program overhead and CPU per transaction), then at 9600 baud (transfer time
// against the wire time of every character, CPU time against wall time).

#include "bench/transaktion_bench.h"
#include "sim/plm1sim_server.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int BLOECKE = 300; // 19,200 bytes
constexpr double GRENZE_DRAHT = 1.01;
constexpr double GRENZE_CPU = 0.02;

double threadCpu() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

double prozessCpu() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_utime.tv_sec + r.ru_utime.tv_usec * 1e-6 + r.ru_stime.tv_sec + r.ru_stime.tv_usec * 1e-6;
}

// CPU time the host took from this virtual machine, all CPUs, in seconds; negative when unknown. A run
// that lost much of it measures the host, not the program.
double gestohlen() {
    std::FILE* f = std::fopen("/proc/stat", "r");
    if (!f) return -1;
    unsigned long long w[8] = {};
    const int n = std::fscanf(f, "cpu %llu %llu %llu %llu %llu %llu %llu %llu", &w[0], &w[1], &w[2], &w[3],
                              &w[4], &w[5], &w[6], &w[7]);
    std::fclose(f);
    const long hz = sysconf(_SC_CLK_TCK);
    return n == 8 && hz > 0 ? static_cast<double>(w[7]) / static_cast<double>(hz) : -1;
}

struct Messung {
    double wand = 0, cpu = 0, prozessCpu = 0;
    double gestohlen = -1;
    double median = 0; // median time of one transaction: robust against a busy machine's outliers
    long zeichen = 0;  // characters on the wire, both directions
    int transaktionen = 0;
    int fehler = 0;
};

template <typename F> Messung messen(int transaktionen, long zeichenProTransaktion, F&& f) {
    Messung m;
    const double cpu0 = threadCpu(), pcpu0 = prozessCpu(), gestohlen0 = gestohlen();
    const Bench_Zeiten z = Bench_TransaktionenMessen(transaktionen, f);
    m.wand = z.wand;
    m.median = z.median;
    m.fehler = z.fehler;
    m.cpu = threadCpu() - cpu0;
    m.prozessCpu = prozessCpu() - pcpu0;
    if (const double gestohlen1 = gestohlen(); gestohlen0 >= 0 && gestohlen1 >= 0)
        m.gestohlen = gestohlen1 - gestohlen0;
    m.transaktionen = transaktionen;
    m.zeichen = zeichenProTransaktion * transaktionen;
    return m;
}

bool starten(plm1sim::Server& server, bool takt) {
    return server.starten({plm1sim::Einheit{}}, takt) && Bench_LeitungOeffnen(server.pfad());
}

void beenden(plm1sim::Server& server) {
    (void)VKRPLM1_Close(BENCH_PORT);
    server.stoppen();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int anzahl = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const std::string id = plm1sim::Einheit{}.id;
    const long idZeichen = Bench_IdZeichen(id);
    std::vector<unsigned char> daten(BENCH_BLOCK * BLOECKE);
    for (std::size_t i = 0; i < daten.size(); ++i)
        daten[i] = static_cast<unsigned char>(i * 7 + 3);

    char text[VKRPLM1_ID_LAENGE];
    auto idLesen = [&](int) { return VKRPLM1_IDLesen(BENCH_PORT, '1', text); };
    auto blockSchreiben = [&](int i) {
        return VKRPLM1_SpeicherSchreiben(BENCH_PORT, '1', VKRPLM1_SPEICHERTYP, i * BENCH_BLOCK, BENCH_BLOCK,
                                         daten.data() + i * BENCH_BLOCK);
    };
    bool ok = true;

    std::printf("(a) unpaced line: program overhead per transaction\n");
    {
        plm1sim::Server server;
        if (!starten(server, false)) return 1;
        const Messung ids = messen(anzahl, idZeichen, idLesen);
        const Messung bloecke = messen(BLOECKE, BENCH_BLOCKZEICHEN, blockSchreiben);
        for (const auto& [name, m] :
             {std::pair{"identification read", ids}, std::pair{"64-byte block write", bloecke}})
            std::printf("  %-20s %5d x: %7.1f us wall, %6.1f us CPU (driver thread), %6.1f us CPU (with unit)"
                        " per transaction, %d errors\n",
                        name, m.transaktionen, 1e6 * m.wand / m.transaktionen, 1e6 * m.cpu / m.transaktionen,
                        1e6 * m.prozessCpu / m.transaktionen, m.fehler);
        ok = ok && ids.fehler == 0 && bloecke.fehler == 0 &&
             server.bus().speicher('1', 0, BENCH_BLOCK * BLOECKE) ==
                 std::vector<std::uint8_t>(daten.begin(), daten.end());
        beenden(server);
    }

    std::printf("(b) 9600-baud line: transfer time / wire time (limit %.2f), CPU / wall (limit %.0f %%)\n",
                GRENZE_DRAHT, 100 * GRENZE_CPU);
    {
        plm1sim::Server server;
        if (!starten(server, true)) return 1;
        const Messung ids = messen(anzahl, idZeichen, idLesen);
        const Messung bloecke = messen(BLOECKE, BENCH_BLOCKZEICHEN, blockSchreiben);
        for (const auto& [name, m] :
             {std::pair{"identification read", ids}, std::pair{"64-byte block write", bloecke}}) {
            const double draht = m.zeichen * BENCH_ZEICHENZEIT_S;
            const double verhaeltnis = m.wand / draht;
            const double cpuAnteil = m.cpu / m.wand;
            const double medianVerhaeltnis = m.median * m.transaktionen / draht;
            std::printf(
                "  %-20s %5d x: %8.3f s for %6ld chars, wire %8.3f s, ratio %.4f %s"
                " (median transaction %.4f); CPU %.3f s = %.2f %% %s (with unit %.2f %%), %d errors\n",
                name, m.transaktionen, m.wand, m.zeichen, draht, verhaeltnis,
                verhaeltnis <= GRENZE_DRAHT ? "ok" : "OVER", medianVerhaeltnis, m.cpu, 100 * cpuAnteil,
                cpuAnteil <= GRENZE_CPU ? "ok" : "OVER", 100 * m.prozessCpu / m.wand, m.fehler);
            if (m.gestohlen >= 0)
                std::printf("  %-20s host steal time during it: %.2f %% of one CPU\n", "",
                            100 * m.gestohlen / m.wand);
            ok = ok && m.fehler == 0 && verhaeltnis <= GRENZE_DRAHT && cpuAnteil <= GRENZE_CPU;
        }
        beenden(server);
    }
    double last[3] = {};
    if (getloadavg(last, 3) > 0) std::printf("load average during the run: %.2f (1 min)\n", last[0]);
    std::printf("%s\n", ok ? "all within limits" : "LIMIT MISSED");
    return ok ? 0 : 1;
}
