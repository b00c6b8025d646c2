// Uploads a 600-step cycle to the simulated unit paced at 9600 baud, plain and then verified (read back),
// and compares the time taken with the wire time of every character that crossed the line (10 bit times
// each) in both directions. Limit: 1.01.

#include "zyklus_bench.h"

#include "cycle/Kurven_Com.h"
#include "cycle/Kurven_Pruefen.h"
#include "cycle/Kurvenarrays.h"
#include "device/Vkr_Com.h"
#include "platform/line/rs232.h"
#include "sim/plm1sim_server.h"
#include "valves/Konfigarray.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int PORT = 1;
constexpr int SCHRITTE = 600;
constexpr double GRENZE = 1.01;

// One upload; returns false when the limit is exceeded or the upload failed.
bool messen(plm1sim::Server& server, bool pruefen) {
    server.bus().protokollLeeren();
    const auto t0 = std::chrono::steady_clock::now();
    const Fehlercode f = KurvenPruefen_Plm1Upload(pruefen);
    const double dauer = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (f != KEIN_FEHLER || VkrCom_LetzterFehlerGet() != 0) {
        std::fprintf(stderr, "upload failed: %d / %d\n", f, VkrCom_LetzterFehlerGet());
        return false;
    }
    const auto zeilen = server.bus().empfangeneZeilen();
    const long zeichen = Bench_ZeichenAufDerLeitung(zeilen);
    const double leitungszeit = zeichen * BENCH_ZEICHENZEIT_S;
    const double verhaeltnis = dauer / leitungszeit;
    std::printf("bench_cycle_upload: %s, %d steps, %zu commands, %ld characters, wire time %.2f s, "
                "took %.2f s, ratio %.4f (limit %.2f) %s\n",
                pruefen ? "verified (send + read back)" : "send only", SCHRITTE, zeilen.size(), zeichen,
                leitungszeit, dauer, verhaeltnis, GRENZE, verhaeltnis <= GRENZE ? "ok" : "OVER LIMIT");
    return verhaeltnis <= GRENZE;
}

} // namespace

int main(int argc, char** argv) {
    // As in the command-line tool: the serial layer runs inside a Qt application object.
    QCoreApplication app(argc, argv);
    plm1sim::Server server;
    if (!Bench_UnitAnschliessen(server, PORT)) return 2;
    if (Kurvenarrays_Initialisieren() != KEIN_FEHLER) return 2;
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = SCHRITTE;
    if (Kurven_KurvenlaengenAendern(SCHRITTE) != KEIN_FEHLER) return 2;
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int i = 0; i < SCHRITTE; ++i)
            gKurven[k].values[i] = Kurvenarrays_IstVentilkanal(k) ? (i / 7 + k) % 2 : (i % 21) * 10 - 100;

    const bool ohne = messen(server, false);
    const bool mit = messen(server, true);
    (void)VkrCom_Close();
    server.stoppen();
    return ohne && mit ? 0 : 1;
}
