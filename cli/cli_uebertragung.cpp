// What the transfer commands (keys, cycle) share: a progress bar on standard error, the exit code of a
// transfer whose error the connection manager keeps instead of returning it, and the check of their files.

#include "cli/befehle.h"
#include "device/Gemeinsam_Vergleich.h"
#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "platform/files/datei_sicher.h"
#include "platform/ui/ui_melden.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
constexpr int BALKEN_BREITE = 30;
constexpr const char* PRUEFOPTION = "--verify";
} // namespace

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

bool Cli_PruefoptionNehmen(std::vector<std::string>& args) {
    return std::erase(args, std::string(PRUEFOPTION)) > 0;
}

int Cli_GesendetMelden(int ergebnis, bool geprueft) {
    const int code = Cli_UebertragungsFehler(ergebnis);
    if (code == CLI_EXIT_OK && geprueft) std::printf("%s\n", GEMPRUEFEN_STATUS);
    return code;
}

int Cli_UebertragungsFehler(int ergebnis) {
    const int fehler = ergebnis != 0 ? ergebnis : VkrCom_LetzterFehlerGet();
    if (fehler == 0) return CLI_EXIT_OK;
    Cli_FehlerAusgeben(fehler);
    return CLI_EXIT_FEHLER;
}

int Cli_DateienPruefen(const std::string& richtung, const std::string& pfad, int lesenCode,
                       int schreibenCode) {
    std::string grund;
    // A missing input is left to the loader, which has a code of its own for it.
    if (richtung == "upload" && Datei_LesbarPruefen(pfad, &grund) == DATEI_FEHLER_OEFFNEN) {
        VKR_Fehleruserstring(grund.c_str());
        Cli_FehlerAusgeben(lesenCode);
        return CLI_EXIT_FEHLER;
    }
    if (richtung == "download" && Datei_ZielPruefen(pfad, &grund) != DATEI_OK) {
        VKR_Fehleruserstring(grund.c_str());
        Cli_FehlerAusgeben(schreibenCode);
        return CLI_EXIT_FEHLER;
    }
    return CLI_EXIT_OK;
}
