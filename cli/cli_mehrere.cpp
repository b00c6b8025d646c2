// plm1 --address 1,3,5: one command for several units on the line, each in turn, one line per unit.

#include "cli/befehle.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "errors/VKR_errorV3.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr char TRENNER = ',';
constexpr const char* ERGEBNIS_OK = "ok";
constexpr const char* KEINE_KENNUNG = "-";

// Each unit of a list is identified first, so the address for all units is no member of it.
bool listenAdresse(char a) {
    return VkrCom_AdresseGueltig(a) && a != VKRPLM1_BROADCAST;
}

// "Fehler #<n>: <message>" on one line, with a pending extra text such as the place of a difference.
std::string fehlerzeile(Fehlercode code) {
    std::string text = VKR_Fehlermeldung(code);
    std::replace(text.begin(), text.end(), '\n', ' ');
    return "Fehler #" + std::to_string(-static_cast<long long>(code)) + ": " + text;
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

bool Cli_FuerMehrereErlaubt(const std::string& befehl, const std::vector<std::string>& args) {
    if (befehl == "cycle" || befehl == "keys") return !args.empty() && args[0] == "upload";
    return befehl == "id" || befehl == "start" || befehl == "stop" || befehl == "pause";
}

int Cli_JeAdresse(CliKontext& k, const std::function<Fehlercode()>& befehl, bool geprueft) {
    bool alleGut = true;
    for (const char a : k.adressen) {
        k.adresse = a;
        VkrCom_FehlermeldungSet(0);
        Fehlercode f = VkrCom_AdresseSet(a);
        char kennung[VKRPLM1_ID_LAENGE + 8] = {};
        // A unit that does not answer its identification is not sent to.
        if (f == KEIN_FEHLER) f = VKRPLM1_IDLesen(k.port, a, kennung);
        if (f == KEIN_FEHLER) f = befehl();
        alleGut = alleGut && f == KEIN_FEHLER;
        const std::string ergebnis = f != KEIN_FEHLER ? fehlerzeile(f)
                                     : geprueft       ? GEMPRUEFEN_STATUS
                                                      : ERGEBNIS_OK;
        std::printf("%c %s %s\n", a, kennung[0] != '\0' ? kennung : KEINE_KENNUNG, ergebnis.c_str());
        std::fflush(stdout);
    }
    return alleGut ? CLI_EXIT_OK : CLI_EXIT_FEHLER;
}
