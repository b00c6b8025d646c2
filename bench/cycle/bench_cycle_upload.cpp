// Uploads a 600-step cycle to the simulated unit paced at 9600 baud, plain and then verified (read back),
// and compares the time taken with the wire time of every character that crossed the line (10 bit times
// each) in both directions. Limit: 1.01.

#include "cycle/Kurven_Com.h"
#include "cycle/Kurven_Pruefen.h"
#include "cycle/Kurvenarrays.h"
#include "device/Vkr_Com.h"
#include "platform/rs232.h"
#include "sim/plm1sim.h"
#include "valves/Konfigarray.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int PORT = 1;
constexpr int SCHRITTE = 600;
constexpr double GRENZE = 1.01;
constexpr double ZEICHENZEIT_S = 10.0 / 9600.0;
constexpr std::size_t BDR_ANTWORT_MEHR = 4; // reply "#aBDR" + area, start, size, data, sum, CR: the
                                            // command line plus the sum and two digits a byte

// Characters on the wire for the commands the unit received: each line, its ACK, and a memory read's reply.
long zeichenAufDerLeitung(const std::vector<std::string>& zeilen) {
    long zeichen = 0;
    for (const auto& z : zeilen) {
        zeichen += static_cast<long>(z.size()) + 1;
        if (z.size() >= 15 && z.compare(2, 3, "BDR") == 0)
            zeichen +=
                static_cast<long>(z.size() + BDR_ANTWORT_MEHR) + 2 * std::stol(z.substr(10, 4), nullptr, 16);
    }
    return zeichen;
}

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
    const long zeichen = zeichenAufDerLeitung(zeilen);
    const double leitungszeit = zeichen * ZEICHENZEIT_S;
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
    if (!server.starten({plm1sim::Einheit{}}, true)) {
        std::fprintf(stderr, "simulated unit did not start\n");
        return 2;
    }
    Rs232_GeraetepfadSetzen(PORT, server.pfad());
    if (VkrCom_Open(PORT) != KEIN_FEHLER || VkrCom_AdresseSet('1') != KEIN_FEHLER) {
        std::fprintf(stderr, "port did not open\n");
        return 2;
    }
    for (int v = 0; v < 11; ++v)
        gKonfig[v] = 2;
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
