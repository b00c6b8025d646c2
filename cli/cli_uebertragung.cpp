// What the transfer commands (keys, cycle) share: a progress bar on standard error and the exit code of a
// transfer whose error the connection manager keeps instead of returning it.

#include "cli/befehle.h"
#include "device/Vkr_Com.h"
#include "platform/ui_melden.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
constexpr int BALKEN_BREITE = 30;
}

void Cli_FortschrittAnzeigen() {
    // Only when a person watches: scripts reading standard error get no carriage returns.
    if (!isatty(STDERR_FILENO)) return;
    UI_FortschrittsbeobachterSetzen([](const std::string& titel, int prozent) {
        if (prozent < 0) {
            std::fputc('\n', stderr);
            return;
        }
        const int voll = prozent * BALKEN_BREITE / 100;
        std::fprintf(stderr, "\r%-14s [%s%s] %3d%%", titel.c_str(), std::string(voll, '#').c_str(),
                     std::string(BALKEN_BREITE - voll, ' ').c_str(), prozent);
        std::fflush(stderr);
    });
}

void Cli_FortschrittBeenden() {
    UI_FortschrittsbeobachterSetzen(nullptr);
}

int Cli_UebertragungsFehler(int ergebnis) {
    const int fehler = ergebnis != 0 ? ergebnis : VkrCom_LetzterFehlerGet();
    if (fehler == 0) return CLI_EXIT_OK;
    Cli_FehlerAusgeben(fehler);
    return CLI_EXIT_FEHLER;
}
