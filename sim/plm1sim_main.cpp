// plm1-sim: offers simulated PLM-1 units on a pseudo-terminal, prints its device path and runs until
// SIGINT or SIGTERM.  Usage: plm1-sim [--unit ADDR=ID]... [--paced] [--latency MS] [--step-time S],
// or plm1-sim --help | --version.
// Standard input takes the unit's panel: "press N [ADDR]" (keys 1..12), "start", "pause", "stop".

#include "platform/prozess/signale.h"
#include "sim/plm1sim_ablauf.h"
#include "sim/plm1sim_server.h"

#include "plm1_version.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <thread>

namespace {

constexpr int EXIT_AUFRUF = 2;

// The usage: asked for, on standard output with exit 0; after a bad argument, on standard error with exit 2.
int gebrauch(bool verlangt = false) {
    std::fprintf(verlangt ? stdout : stderr,
                 "usage: plm1-sim [--unit ADDR=ID]... [--paced] [--latency MS] [--step-time S]\n"
                 "Offers simulated PLM-1 units on a pseudo-terminal, prints its path and runs until\n"
                 "SIGINT or SIGTERM.\n"
                 "  --unit ADDR=ID  a unit at ADDR (1..9 or a..f) that identifies as ID\n"
                 "                  (1 to 26 printable characters);\n"
                 "                  default: one unit VKR-PLM1-SIM at address 1\n"
                 "  --paced         send replies at the pace of 9600 baud\n"
                 "  --latency MS    hold replies like a USB adapter's latency timer (16 by default there)\n"
                 "  --step-time S   seconds per cycle step (default 1)\n"
                 "  --help, -h      this help\n"
                 "  --version       print the version\n"
                 "Standard input: press N [ADDR] (keys 1..12), start, pause, stop\n");
    return verlangt ? 0 : EXIT_AUFRUF;
}

bool adresseGueltig(char a) {
    return (a >= '1' && a <= '9') || (a >= 'a' && a <= 'f');
}

bool kennungGueltig(const std::string& id) {
    return !id.empty() && id.size() <= plm1sim::KENNUNG_MAX &&
           std::all_of(id.begin(), id.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

} // namespace

int main(int argc, char** argv) try {
    std::vector<plm1sim::Einheit> einheiten;
    bool takt = false;
    int latenz = 0;
    double schrittzeit = plm1sim::STANDARD_SCHRITTZEIT_S;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") return gebrauch(true);
        if (arg == "--version") {
            std::printf("plm1-sim %s\n%s", PLM1_VERSION, PLM1_VERSION_LIZENZ);
            return 0;
        }
        if (arg == "--paced") {
            takt = true;
            continue;
        }
        if (arg == "--latency" && i + 1 < argc) {
            latenz = std::atoi(argv[++i]);
            if (latenz < 0 || latenz > 1000) return gebrauch();
            continue;
        }
        if (arg == "--step-time" && i + 1 < argc) {
            if (!plm1sim::schrittzeitLesen(argv[++i], &schrittzeit)) return gebrauch();
            continue;
        }
        std::string wert;
        if (arg == "--unit" && i + 1 < argc) {
            wert = argv[++i];
        } else if (arg.rfind("--unit=", 0) == 0) {
            wert = arg.substr(7);
        } else {
            return gebrauch();
        }
        if (wert.size() < 3 || wert[1] != '=' || !adresseGueltig(wert[0])) return gebrauch();
        if (!kennungGueltig(wert.substr(2))) {
            std::fprintf(stderr, "plm1-sim: the ID must be 1 to %zu printable characters without blanks\n",
                         plm1sim::KENNUNG_MAX);
            return gebrauch();
        }
        einheiten.push_back(plm1sim::Einheit{wert[0], wert.substr(2)});
    }
    if (einheiten.empty()) einheiten.push_back(plm1sim::Einheit{});

    // Held back before the server thread starts so that only the wait below sees them.
    Signale_Zurueckhalten(Endesignale::UnterbrechungUndBeenden);

    plm1sim::Server server;
    server.latenzzeitgeberSetzen(latenz);
    if (!server.starten(einheiten, takt)) {
        std::fprintf(stderr, "plm1-sim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    server.bus().schrittzeitSetzen(schrittzeit);
    std::printf("%s\n", server.pfad().c_str());
    std::fflush(stdout);

    // Reads the panel commands until standard input ends; the process ends on a signal regardless.
    std::thread([&server, adresse = einheiten.front().adresse] {
        for (std::string zeile; std::getline(std::cin, zeile);)
            if (auto fehler = plm1sim::tastenbefehlAusfuehren(server.bus(), zeile, adresse); !fehler.empty())
                std::fprintf(stderr, "plm1-sim: %s\n", fehler.c_str());
    }).detach();

    Signale_Abwarten(Endesignale::UnterbrechungUndBeenden);
    server.stoppen();
    return 0;
} catch (const std::exception& e) { // nothing may end the process unannounced
    std::fprintf(stderr, "plm1-sim: %s\n", e.what());
    return 1;
} catch (...) {
    std::fprintf(stderr, "plm1-sim: unexpected failure\n");
    return 1;
}
