// plm1 --address 1,3,5: one command for several units on the line, each in turn, one line per unit.

#include "cli/befehle.h"
#include "device/Gemeinsam_Einheiten.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr char TRENNER = ',';
constexpr const char* KEINE_KENNUNG = "-";

// Each unit of a list is identified first, so the address for all units is no member of it.
bool listenAdresse(char a) {
    return VkrCom_AdresseGueltig(a) && a != VKRPLM1_BROADCAST;
}

} // namespace

bool Cli_AdresslisteLesen(const std::string& text, std::vector<char>* adressen) {
    adressen->clear();
    if (text.find(TRENNER) == std::string::npos) return false;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t ende = std::min(text.find(TRENNER, pos), text.size());
        if (ende - pos != 1 || !listenAdresse(text[pos])) return false;
        adressen->push_back(text[pos]);
        pos = ende + 1;
    }
    return true;
}

int Cli_JeAdresse(CliKontext& k, const std::function<Fehlercode()>& befehl, bool geprueft) {
    bool alleGut = true;
    (void)GemEinheiten_Nacheinander(
        k.adressen,
        [&](char a) {
            k.adresse = a;
            return befehl();
        },
        geprueft, {},
        [&](std::size_t, const GemEinheitErgebnis& e) {
            alleGut = alleGut && e.fehler == KEIN_FEHLER;
            std::printf("%c %s %s\n", e.adresse, e.kennung.empty() ? KEINE_KENNUNG : e.kennung.c_str(),
                        e.text.c_str());
            std::fflush(stdout);
        });
    return alleGut ? CLI_EXIT_OK : CLI_EXIT_FEHLER;
}
