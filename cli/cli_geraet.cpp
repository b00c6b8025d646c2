// plm1 device commands: identification, search, parameters, device functions and one memory block, each
// one driver transaction on the open port.

#include "cli/befehle.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "device/vkrplm1_antwort.h"
#include "platform/files/zahl_text.h"
#include "platform/sprache/textmarke.h"

#include <array>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

constexpr int BYTES_JE_ZEILE = 16;

// The kind of value the driver's word table gives a word; an unknown word counts as real (the driver
// refuses it when it is sent).
VKRPLM1_Werttyp werttyp(const std::string& wort) {
    VKRPLM1_Werttyp typ = VKRPLM1_Werttyp::Reell;
    return VKRPLM1_WortTyp(wort.c_str(), &typ) ? typ : VKRPLM1_Werttyp::Reell;
}

bool hexbytesLesen(const std::string& text, std::vector<unsigned char>* bytes) {
    if (text.size() % 2 != 0 || text.size() / 2 > static_cast<std::size_t>(VKRPLM1_MAX_BLOCK)) return false;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hoch = Hexchar2Int(text[i]), tief = Hexchar2Int(text[i + 1]);
        if (hoch < 0 || tief < 0) return false;
        if (bytes) bytes->push_back(static_cast<unsigned char>(hoch * 16 + tief));
    }
    return true;
}

// The value of "set": reals for pumps and limits, whole numbers for valves; "0x" hexadecimal only for the
// valve mask, as the usage says.
bool setzwertLesen(const std::string& wort, const std::string& text, double* reell, int* ganz) {
    const std::optional<CliZahl> zahl = Cli_ZahlLesen(text);
    if (!zahl) return false;
    const VKRPLM1_Werttyp typ = werttyp(wort);
    if (zahl->hex && typ != VKRPLM1_Werttyp::Hex) return false;
    *reell = zahl->wert;
    *ganz = 0;
    if (typ == VKRPLM1_Werttyp::Reell) return true;
    if (!zahl->ganz || *zahl->ganz < INT32_MIN || *zahl->ganz > INT32_MAX) return false;
    *ganz = static_cast<int>(*zahl->ganz);
    return true;
}

// A whole number from lowest to highest; nothing for anything else.
std::optional<long long> ganzzahlLesen(const std::string& text, long long lowest, long long highest) {
    const std::optional<CliZahl> zahl = Cli_ZahlLesen(text);
    if (!zahl || !zahl->ganz || *zahl->ganz < lowest || *zahl->ganz > highest) return std::nullopt;
    return zahl->ganz;
}

int fehler(Fehlercode code) {
    Cli_FehlerAusgeben(code);
    return CLI_EXIT_FEHLER;
}

} // namespace

std::optional<CliZahl> Cli_ZahlLesen(std::string_view text) {
    CliZahl zahl;
    std::string_view s = ZahlText_OhnePlus(text);
    const bool negativ = !s.empty() && s.front() == '-';
    if (negativ) s.remove_prefix(1);
    zahl.hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    if (zahl.hex) s.remove_prefix(2);
    unsigned long long betrag = 0;
    const unsigned long long grenze = negativ ? 0ULL - static_cast<unsigned long long>(LLONG_MIN) : LLONG_MAX;
    if (ZahlText_GanzLesen(s, &betrag, zahl.hex ? 16 : 10) && betrag <= grenze) {
        zahl.ganz = static_cast<long long>(negativ ? 0ULL - betrag : betrag);
        zahl.wert = static_cast<double>(*zahl.ganz);
        return zahl;
    }
    if (zahl.hex || !ZahlText_ReellLesen(ZahlText_OhnePlus(text), &zahl.wert)) return std::nullopt;
    return zahl;
}

std::string Cli_GetPruefen(const std::string&, const std::vector<std::string>& args) {
    if (args.size() != 1) return QT_TRANSLATE_NOOP("Plm1", "get braucht genau ein Wort");
    if (!VKRPLM1_WortTyp(args[0].c_str(), nullptr))
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "unbekannter Parameter %1 (lesbar: %2)"), args[0],
                              VKRPLM1_Woerter(false));
    return {};
}

std::string Cli_SetPruefen(const std::string&, const std::vector<std::string>& args) {
    if (args.size() != 2) return QT_TRANSLATE_NOOP("Plm1", "set braucht ein Wort und einen Wert");
    const std::string bereich = VKRPLM1_Wertebereich(args[0].c_str());
    if (bereich.empty())
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 kann nicht geschrieben werden (schreibbar: %2)"),
                              args[0], VKRPLM1_Woerter(true));
    double reell = 0;
    int ganz = 0;
    if (!setzwertLesen(args[0], args[1], &reell, &ganz) ||
        !VKRPLM1_WertZulaessig(args[0].c_str(), reell, ganz))
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "ungültiger Wert %1 für %2 (erlaubt: %3)"), args[1],
                              args[0], bereich);
    return {};
}

std::string Cli_SpeicherPruefen(const std::string& befehl, const std::vector<std::string>& args) {
    const bool lesen = befehl == "read-mem";
    if (args.size() != 2)
        return Textmarke_Satz(lesen ? QT_TRANSLATE_NOOP("Plm1", "%1 braucht Start und Größe")
                                    : QT_TRANSLATE_NOOP("Plm1", "%1 braucht Start und Daten"),
                              befehl);
    const auto start = ganzzahlLesen(args[0], 0, VKRPLM1_SPEICHER_ENDE - 1);
    std::vector<unsigned char> daten;
    const auto groesse = lesen                            ? ganzzahlLesen(args[1], 1, VKRPLM1_MAX_BLOCK)
                         : hexbytesLesen(args[1], &daten) ? std::optional<long long>(daten.size())
                                                          : std::nullopt;
    if (!start || !groesse || *start + *groesse > VKRPLM1_SPEICHER_ENDE)
        return Textmarke_Satz(
            QT_TRANSLATE_NOOP("Plm1", "ungültiger Speicherbereich %1 %2 (Start 0 bis 65535, %3 bis 64 Bytes, "
                                      "nicht über das Speicherende 0xFFFF hinaus)"),
            args[0], args[1], lesen ? "1" : "0");
    return {};
}

std::string Cli_OhneAngabenPruefen(const std::string& befehl, const std::vector<std::string>& args) {
    return args.empty() ? std::string()
                        : Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 nimmt keine Angaben"), befehl);
}

int Cli_Id(CliKontext& k) {
    char text[VKRPLM1_ID_LAENGE + 8] = {};
    if (const Fehlercode f = VKRPLM1_IDLesen(k.port, k.adresse, text)) return fehler(f);
    std::printf("%s\n", text);
    return CLI_EXIT_OK;
}

// Every address that answers, PLM-1 or not; addresses without an answer print nothing.
int Cli_Scan(CliKontext& k) {
    for (char a = VKRCOM_ERSTE_ADRESSE; a <= VKRCOM_LETZTE_ADRESSE; ++a) {
        char text[VKRPLM1_ID_LAENGE + 8] = {};
        if (VKRPLM1_IDLesen(k.port, a, text) == 0) {
            std::printf("%c %s\n", a, text);
            std::fflush(stdout);
        }
    }
    return CLI_EXIT_OK;
}

int Cli_Get(CliKontext& k) {
    const std::string& wort = k.args[0];
    double reell = 0;
    int ganz = 0;
    char text[64] = {};
    if (const Fehlercode f = VKRPLM1_ParameterLesen(k.port, k.adresse, wort.c_str(), &reell, &ganz, text))
        return fehler(f);
    const VKRPLM1_Werttyp typ = werttyp(wort);
    if (typ == VKRPLM1_Werttyp::Hex) {
        std::printf("%04X\n", static_cast<unsigned>(ganz) & 0xFFFFu);
    } else if (typ == VKRPLM1_Werttyp::Dezimal) {
        std::printf("%d\n", ganz);
    } else {
        std::array<char, 64> puffer{};
        const auto [ende, ec] = std::to_chars(puffer.data(), puffer.data() + puffer.size() - 1, reell);
        *ende = '\0';
        std::printf("%s\n", puffer.data());
    }
    return CLI_EXIT_OK;
}

int Cli_Set(CliKontext& k) {
    double reell = 0;
    int ganz = 0;
    setzwertLesen(k.args[0], k.args[1], &reell, &ganz); // checked before the port was opened
    if (const Fehlercode f = VKRPLM1_ParameterSchreiben(k.port, k.adresse, k.args[0].c_str(), reell, ganz))
        return fehler(f);
    return CLI_EXIT_OK;
}

int Cli_SpeicherLesen(CliKontext& k) {
    // Both were checked before the port was opened.
    const int start = static_cast<int>(ganzzahlLesen(k.args[0], 0, VKRPLM1_SPEICHER_ENDE).value_or(0));
    const int groesse = static_cast<int>(ganzzahlLesen(k.args[1], 1, VKRPLM1_MAX_BLOCK).value_or(0));
    std::array<unsigned char, VKRPLM1_MAX_BLOCK> daten{};
    if (const Fehlercode f =
            VKRPLM1_SpeicherLesen(k.port, k.adresse, VKRPLM1_SPEICHERTYP, start, groesse, daten.data()))
        return fehler(f);
    for (int i = 0; i < groesse; ++i) {
        if (i % BYTES_JE_ZEILE == 0) std::printf("%04X:", static_cast<unsigned>(start + i));
        std::printf(" %02X", daten[static_cast<std::size_t>(i)]);
        if (i % BYTES_JE_ZEILE == BYTES_JE_ZEILE - 1 || i == groesse - 1) std::printf("\n");
    }
    return CLI_EXIT_OK;
}

int Cli_SpeicherSchreiben(CliKontext& k) {
    const int start = static_cast<int>(ganzzahlLesen(k.args[0], 0, VKRPLM1_SPEICHER_ENDE).value_or(0));
    std::vector<unsigned char> daten;
    hexbytesLesen(k.args[1], &daten);
    if (const Fehlercode f = VKRPLM1_SpeicherSchreiben(k.port, k.adresse, VKRPLM1_SPEICHERTYP, start,
                                                       static_cast<int>(daten.size()), daten.data()))
        return fehler(f);
    return CLI_EXIT_OK;
}

int Cli_Funktion(CliKontext& k) {
    if (const Fehlercode f = Cli_FunktionFuerEinheit(k)) return fehler(f);
    return CLI_EXIT_OK;
}

Fehlercode Cli_FunktionFuerEinheit(const CliKontext& k) {
    return VKRPLM1_DeviceFunction(k.port, k.adresse, k.funktionswort);
}

Fehlercode Cli_IdFuerEinheit(const CliKontext&) {
    return KEIN_FEHLER; // the identification was read already
}
