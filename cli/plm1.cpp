// plm1: the command-line tool. Reads the options, takes port, address and valve kinds from the options,
// the settings file or the defaults, opens the port through the connection manager and runs one command.

#include "cli/befehle.h"
#include "device/VkrCom_Einstellungen.h"
#include "device/Vkr_Com.h"
#include "device/Wertebereich.h"
#include "device/vkrplm1.h"
#include "errors/VKR_errorV3.h"
#include "platform/files/datei_sicher.h"
#include "platform/files/einstellungsdatei.h"
#include "platform/files/inifile.h"
#include "platform/line/leitung_netz.h"
#include "platform/line/rs232.h"
#include "platform/line/rs232_portliste.h"
#include "platform/line/rs232_trace.h"
#include "platform/sprache/sprache.h"
#include "platform/sprache/textmarke.h"
#include "valves/Konfig_Datei.h"
#include "valves/Konfigarray.h"

#include "plm1_version.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <exception>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int STANDARD_PORT = 1;
constexpr char STANDARD_ADRESSE = '1';

constexpr std::size_t MAX_PLC_LESEN = 4096;

// The help and the messages on standard error follow the locale (platform/sprache); what goes to standard
// output for scripts stays the same in every language.
constexpr const char* OPTIONEN_TEXT = QT_TRANSLATE_NOOP(
    "Plm1", "Aufruf: plm1 [--port N|GERAET] [--address A] [--valves DATEI.plc] [--trace DATEI] BEFEHL ...\n"
            "  --port N       COM N (1..8), oder ein serielles Gerät: Name (ttyUSB0) oder Pfad\n"
            "                 (auch der feste Pfad /dev/serial/by-id/..., siehe ports), oder ein\n"
            "                 Geräteserver im Netzwerk: tcp://RECHNER:PORT, rfc2217://RECHNER:PORT\n"
            "  --address A    Geräteadresse 1..9; & für alle nur bei set, start, pause, stop, write-mem\n"
            "                 und Uploads ohne --verify; mehrere Geräte nacheinander: 1,3,5\n"
            "                 (für cycle upload, keys upload, id, start, stop, pause; eine Zeile je Gerät)\n"
            "  --valves DATEI Ventilarten aus einer *.plc-Datei\n"
            "  --trace DATEI  jedes Byte auf der Leitung mit Zeit in DATEI protokollieren\n"
            "  --help, -h     diese Hilfe\n"
            "  --version      Version ausgeben\n"
            "Befehle:\n");
constexpr std::size_t AUFRUF_BREITE = 24; // the column where a command's purpose starts

int portsAuflisten(CliKontext&);

// Which words a command takes for more than one unit: never, always, or only as an upload (and then only
// without the read-back, which no unit could answer for all).
enum class Mehrfach { Nie, Immer, Upload, UploadOhnePruefen };

// How a command reaches the unit: not at all, through the driver (which checks the address itself), or
// through the connection manager (which takes only its own addresses).
enum class Zugang { KeinPort, Treiber, Verbindung };

struct Befehl {
    const char* name;
    const char* aufruf; // its usage line, nullptr when it shares the one before
    const char* zweck;  // what it does, after the usage; nullptr when the usage says all
    // The words, checked before anything is opened; nullptr when the command tells its usage itself.
    std::string (*worte)(const std::string& befehl, const std::vector<std::string>& args);
    int (*dateien)(const CliKontext& k); // the files it names, checked before the port is opened
    int (*ausfuehren)(CliKontext& k);
    // The part for one unit of "--address 1,3,5"; nullptr when the command runs the list itself.
    Fehlercode (*jeEinheit)(const CliKontext& k);
    Zugang zugang;
    Mehrfach liste; // "--address 1,3,5"
    Mehrfach alle;  // "--address &"
    const char* funktionswort = nullptr;
};

constexpr Befehl kBefehle[] = {
    {"ports", "ports",
     QT_TRANSLATE_NOOP("Plm1",
                       "serielle Schnittstellen auflisten (Name, fester Pfad, Beschreibung, USB-IDs)"),
     Cli_OhneAngabenPruefen, nullptr, portsAuflisten, nullptr, Zugang::KeinPort, Mehrfach::Nie,
     Mehrfach::Nie},
    {"id", "id", QT_TRANSLATE_NOOP("Plm1", "Kennung des Geräts lesen"), Cli_OhneAngabenPruefen, nullptr,
     Cli_Id, Cli_IdFuerEinheit, Zugang::Treiber, Mehrfach::Immer, Mehrfach::Nie},
    {"scan", "scan", QT_TRANSLATE_NOOP("Plm1", "Adressen 1 bis 9 absuchen"), Cli_OhneAngabenPruefen, nullptr,
     Cli_Scan, nullptr, Zugang::Treiber, Mehrfach::Nie, Mehrfach::Immer},
    {"get", QT_TRANSLATE_NOOP("Plm1", "get WORT"),
     QT_TRANSLATE_NOOP("Plm1", "Parameter lesen (pumpe1, druckhigh1, istdruck1, status, ventil3, ...)"),
     Cli_GetPruefen, nullptr, Cli_Get, nullptr, Zugang::Treiber, Mehrfach::Nie, Mehrfach::Nie},
    {"set", QT_TRANSLATE_NOOP("Plm1", "set WORT WERT"),
     QT_TRANSLATE_NOOP("Plm1", "Parameter schreiben (alleventile auch als 0x-Hex)"), Cli_SetPruefen, nullptr,
     Cli_Set, nullptr, Zugang::Treiber, Mehrfach::Nie, Mehrfach::Immer},
    {"start", "start | pause | stop", QT_TRANSLATE_NOOP("Plm1", "Zyklus starten, anhalten, beenden"),
     Cli_OhneAngabenPruefen, nullptr, Cli_Funktion, Cli_FunktionFuerEinheit, Zugang::Treiber, Mehrfach::Immer,
     Mehrfach::Immer, "start"},
    {"pause", nullptr, nullptr, Cli_OhneAngabenPruefen, nullptr, Cli_Funktion, Cli_FunktionFuerEinheit,
     Zugang::Treiber, Mehrfach::Immer, Mehrfach::Immer, "pause"},
    {"stop", nullptr, nullptr, Cli_OhneAngabenPruefen, nullptr, Cli_Funktion, Cli_FunktionFuerEinheit,
     Zugang::Treiber, Mehrfach::Immer, Mehrfach::Immer, "stopp"},
    {"read-mem", QT_TRANSLATE_NOOP("Plm1", "read-mem START GROESSE"),
     QT_TRANSLATE_NOOP("Plm1", "1..64 Bytes des Gerätespeichers lesen"), Cli_SpeicherPruefen, nullptr,
     Cli_SpeicherLesen, nullptr, Zugang::Treiber, Mehrfach::Nie, Mehrfach::Nie},
    {"write-mem", QT_TRANSLATE_NOOP("Plm1", "write-mem START HEX"),
     QT_TRANSLATE_NOOP("Plm1", "0..64 Bytes (Hex-Ziffernpaare) in den Gerätespeicher schreiben"),
     Cli_SpeicherPruefen, nullptr, Cli_SpeicherSchreiben, nullptr, Zugang::Treiber, Mehrfach::Nie,
     Mehrfach::Immer},
    {"keys",
     QT_TRANSLATE_NOOP("Plm1", "keys upload [--verify] DATEI.plt | keys download [--force] DATEI.plt"),
     nullptr, nullptr, Cli_KeysPruefen, Cli_Keys, nullptr, Zugang::Verbindung, Mehrfach::Upload,
     Mehrfach::UploadOhnePruefen},
    {"cycle", QT_TRANSLATE_NOOP("Plm1", "cycle upload [--verify] DATEI.plk | cycle download DATEI.plk"),
     nullptr, nullptr, Cli_CyclePruefen, Cli_Cycle, nullptr, Zugang::Verbindung, Mehrfach::Upload,
     Mehrfach::UploadOhnePruefen},
    {"monitor", QT_TRANSLATE_NOOP("Plm1", "monitor [--interval S] [--count N] [--out FILE]"), nullptr,
     nullptr, nullptr, Cli_Monitor, nullptr, Zugang::Verbindung, Mehrfach::Nie, Mehrfach::Nie},
};

const Befehl* befehlSuchen(const std::string& name) {
    for (const Befehl& b : kBefehle)
        if (name == b.name) return &b;
    return nullptr;
}

bool erlaubt(Mehrfach regel, const std::vector<std::string>& args) {
    const bool upload = !args.empty() && args[0] == "upload";
    switch (regel) {
    case Mehrfach::Immer:
        return true;
    case Mehrfach::Upload:
        return upload;
    case Mehrfach::UploadOhnePruefen:
        return upload && std::find(args.begin(), args.end(), "--verify") == args.end();
    case Mehrfach::Nie:
        break;
    }
    return false;
}

std::string aufrufText() {
    std::string text = Sprache_TextUtf8(OPTIONEN_TEXT);
    for (const Befehl& b : kBefehle) {
        if (!b.aufruf) continue;
        std::string zeile = "  " + Sprache_TextUtf8(b.aufruf);
        if (b.zweck) {
            // Padded by characters, not bytes: the purposes line up with umlauts in the usage too.
            const QString breite = QString::fromStdString(zeile);
            zeile.append(std::max<qsizetype>(0, 2 + AUFRUF_BREITE - breite.size()), ' ');
            zeile += Sprache_TextUtf8(b.zweck);
        }
        text += zeile + "\n";
    }
    return text;
}

int aufrufFehler(const std::string& grund) {
    if (!grund.empty()) std::fprintf(stderr, "plm1: %s\n", Sprache_TextUtf8(grund.c_str()).c_str());
    std::fputs(aufrufText().c_str(), stderr);
    return CLI_EXIT_AUFRUF;
}

struct Optionen {
    std::string port;    // as given, empty when not given
    std::string adresse; // as given
    std::string ventilDatei;
    std::string trace;
    bool hilfe = false;
    bool version = false;
    std::string befehl;
    std::vector<std::string> args;
};

// Options stand before the command; "--opt value" and "--opt=value" are both accepted.
bool optionenLesen(int argc, char** argv, Optionen* o, std::string* grund) {
    int i = 1;
    for (; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "--version") {
            (arg == "--version" ? o->version : o->hilfe) = true;
            return true;
        }
        if (arg.rfind("--", 0) != 0) break;
        std::string name = arg, wert;
        const std::size_t gleich = arg.find('=');
        if (gleich != std::string::npos) {
            name = arg.substr(0, gleich);
            wert = arg.substr(gleich + 1);
        } else if (i + 1 < argc) {
            wert = argv[++i];
        } else {
            *grund = Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Wert fehlt bei %1"), arg);
            return false;
        }
        std::string* ziel = name == "--port"      ? &o->port
                            : name == "--address" ? &o->adresse
                            : name == "--valves"  ? &o->ventilDatei
                            : name == "--trace"   ? &o->trace
                                                  : nullptr;
        if (!ziel) {
            *grund = Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "unbekannte Option %1"), name);
            return false;
        }
        // An empty value is a slip, never "use the default".
        if (wert.empty()) {
            *grund = Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "leerer Wert bei %1"), name);
            return false;
        }
        *ziel = wert;
    }
    if (i >= argc) {
        *grund = "Befehl fehlt";
        return false;
    }
    o->befehl = argv[i++];
    o->args.assign(argv + i, argv + argc);
    return true;
}

// Port, address and valve kinds saved by the program, where present and valid; `pfad` gets the saved
// device path when "com" names no COM port.
void einstellungenLesen(CliKontext* k, std::string* pfad) {
    IniText ini = Ini_New(1);
    if (!ini) return;
    if (Ini_ReadFromFile(ini, INI_DATEINAME) == 0) {
        const VkrComEinstellungen e = VkrCom_EinstellungenLesen(ini);
        if (e.com && Rs232_IstComPort(*e.com)) k->port = *e.com;
        *pfad = e.geraetepfad();
        // The address the program would take from this file, so that both talk to the same unit.
        if (e.adresse && VkrCom_AdresseGueltig(*e.adresse)) k->adresse = static_cast<char>(*e.adresse);
        (void)Konfigarray_IniLesen(ini, k->ventilarten); // a missing kind keeps its default
    }
    Ini_Dispose(ini);
}

Fehlercode ventilDateiLesen(CliKontext* k) {
    std::vector<unsigned char> bild;
    std::string grund;
    if (Datei_Lesen(k->ventilDatei, MAX_PLC_LESEN, &bild, &grund) != DATEI_OK) {
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_KONFIGDATEI_OEFFNEN;
    }
    int arten[ANZAHL_VENTILE] = {};
    if (const Fehlercode f = KonfigDatei_BildAuswerten(bild.data(), static_cast<int>(bild.size()), arten))
        return f;
    // A file the user named is taken whole or not at all: a kind outside 0..2 refuses it.
    for (int v = 0; v < ANZAHL_VENTILE; ++v)
        if (!Wertebereich_Enthaelt({VENTILART_NV, VENTILART_NC}, arten[v])) {
            VKR_Fehleruserstring(
                Wertebereich_Text(Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ventil %1, Art"), v + 1),
                                  arten[v], {VENTILART_NV, VENTILART_NC})
                    .c_str());
            return FEHLER_KONFIGDATEI_VENTILART;
        }
    std::copy(std::begin(arten), std::end(arten), k->ventilarten);
    return KEIN_FEHLER;
}

// --port: a COM number 1..8, or the path of a device that COM 1 then opens. Any number is taken as a COM
// number.
bool portWaehlen(const std::string& text, CliKontext* k) {
    if (const std::optional<CliZahl> n = Cli_ZahlLesen(text)) {
        if (!n->ganz || *n->ganz < INT_MIN || *n->ganz > INT_MAX ||
            !Rs232_IstComPort(static_cast<int>(*n->ganz)))
            return false;
        k->port = static_cast<int>(*n->ganz);
        return true;
    }
    if (text.empty()) return false;
    k->port = STANDARD_PORT;
    Rs232_GeraetepfadSetzen(k->port, text);
    return true;
}

// The device servers the settings file names ("compfad", "lcompfad"), each once.
std::vector<std::string> netzwerkportsDerEinstellungen() {
    std::vector<std::string> adressen;
    IniText ini = Ini_New(1);
    if (ini && Ini_ReadFromFile(ini, INI_DATEINAME) == 0) {
        const VkrComEinstellungen e = VkrCom_EinstellungenLesen(ini);
        for (const std::string& pfad : {e.compfad, e.lcompfad})
            if (Rs232_IstNetzadresse(pfad) &&
                std::find(adressen.begin(), adressen.end(), pfad) == adressen.end())
                adressen.push_back(pfad);
    }
    if (ini) Ini_Dispose(ini);
    return adressen;
}

// "ports": the ports the program offers, one a line: name, stable path, description, USB vendor:product;
// then the device servers of the settings file.
int portsAuflisten(CliKontext&) {
    for (const Rs232_PortInfo& p : Rs232_PortlisteBilden(Rs232_GemeldetePorts())) {
        char ids[16] = "-";
        if (p.vendorId >= 0 && p.productId >= 0)
            std::snprintf(ids, sizeof ids, "%04x:%04x", p.vendorId & 0xFFFF, p.productId & 0xFFFF);
        std::printf("%s\t%s\t%s\t%s\n", p.name.c_str(), p.stabilerPfad.c_str(),
                    p.beschreibung.empty() ? "-" : p.beschreibung.c_str(), ids);
    }
    for (const std::string& adresse : netzwerkportsDerEinstellungen())
        std::printf("%s\t%s\tGeräteserver im Netzwerk\t-\n", Rs232_Kurzname(adresse).c_str(),
                    adresse.c_str());
    return CLI_EXIT_OK;
}

// One address rule for every command: a unit '1'..'9', as the program and "scan" use them; '&' reaches
// every unit and none answers, so only commands that read nothing back take it (Befehl::alle).
bool adresseErlaubt(const std::string& text, const Befehl& b, const std::vector<std::string>& args) {
    if (text.size() != 1) return false;
    if (text[0] == VKRPLM1_BROADCAST) return erlaubt(b.alle, args);
    return text[0] >= VKRCOM_ERSTE_ADRESSE && text[0] <= VKRCOM_LETZTE_ADRESSE;
}

int ausfuehren(const Optionen& o, const Befehl& b) {
    CliKontext k;
    k.port = STANDARD_PORT;
    k.adresse = STANDARD_ADRESSE;
    std::string gespeicherterPfad;
    einstellungenLesen(&k, &gespeicherterPfad);
    if (o.port.empty() && !gespeicherterPfad.empty()) (void)portWaehlen(gespeicherterPfad, &k);
    if (!o.port.empty() && !portWaehlen(o.port, &k))
        return aufrufFehler(Textmarke_Satz(
            QT_TRANSLATE_NOOP("Plm1", "ungültiger Port %1 (erlaubt: COM 1 bis 8 oder ein serielles Gerät)"),
            o.port));
    if (o.adresse.find(',') != std::string::npos) {
        if (!Cli_AdresslisteLesen(o.adresse, &k.adressen))
            return aufrufFehler(
                Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "ungültige Adressliste %1 (erlaubt: mindestens zwei "
                                                         "Adressen 1 bis 9, durch Kommas getrennt)"),
                               o.adresse));
        if (!erlaubt(b.liste, o.args))
            return aufrufFehler(
                Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "mehrere Adressen bei %1"), o.befehl));
        k.adresse = k.adressen.front();
    } else if (!o.adresse.empty()) {
        if (!adresseErlaubt(o.adresse, b, o.args))
            return aufrufFehler(Textmarke_Satz(
                erlaubt(b.alle, o.args)
                    ? QT_TRANSLATE_NOOP("Plm1", "ungültige Adresse %1 bei %2 (erlaubt: 1 bis 9, & für alle)")
                    : QT_TRANSLATE_NOOP("Plm1", "ungültige Adresse %1 bei %2 (erlaubt: 1 bis 9)"),
                o.adresse, o.befehl));
        k.adresse = o.adresse[0];
    }
    k.ventilDatei = o.ventilDatei;
    if (!k.ventilDatei.empty()) {
        if (const Fehlercode f = ventilDateiLesen(&k)) {
            Cli_FehlerAusgeben(f);
            return CLI_EXIT_FEHLER;
        }
    }
    Konfigarray_Initialisieren();
    std::copy(std::begin(k.ventilarten), std::end(k.ventilarten), gKonfig);
    k.args = o.args;
    k.funktionswort = b.funktionswort;
    // The files a command names are checked before the port is opened and locked.
    if (b.dateien)
        if (const int code = b.dateien(k); code != CLI_EXIT_OK) return code;

    if (const Fehlercode f = VkrCom_Open(k.port)) {
        Cli_FehlerAusgeben(f);
        return CLI_EXIT_FEHLER;
    }
    // Module commands work through the connection manager and take only its addresses; the device
    // commands call the driver, which checks the address itself.
    const Fehlercode adressFehler = VkrCom_AdresseSet(k.adresse);
    int ergebnis;
    if (b.zugang == Zugang::Verbindung) {
        if (adressFehler) {
            Cli_FehlerAusgeben(adressFehler);
            ergebnis = CLI_EXIT_FEHLER;
        } else {
            ergebnis = b.ausfuehren(k);
        }
    } else if (!k.adressen.empty()) {
        ergebnis = Cli_JeAdresse(
            k, [&] { return b.jeEinheit(k); }, false);
    } else {
        ergebnis = b.ausfuehren(k);
    }
    (void)VkrCom_Close();
    return ergebnis;
}

} // namespace

void Cli_FehlerAusgeben(int code) {
    std::fprintf(stderr, "%s: %s\n", VKR_Fehlernummer(code, VKR_FehlerspracheGet()).c_str(),
                 VKR_Fehlermeldung(code));
}

int main(int argc, char** argv) try {
    // The serial ports want a Qt main thread; a core application gives one without any window.
    QCoreApplication app(argc, argv);
    if (Sprache_Einstellen(Sprache_AusUmgebung())) VKR_Fehlersprache(static_cast<int>(Sprache_Aktuell()));
    Optionen o;
    std::string grund;
    if (!optionenLesen(argc, argv, &o, &grund)) return aufrufFehler(grund);
    if (o.hilfe) {
        std::fputs(aufrufText().c_str(), stdout);
        return CLI_EXIT_OK;
    }
    if (o.version) {
        std::printf("plm1 %s\n%s", PLM1_VERSION, Textmarke_Text(PLM1_VERSION_LIZENZ).c_str());
        return CLI_EXIT_OK;
    }
    const Befehl* b = befehlSuchen(o.befehl);
    if (!b) return aufrufFehler(Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "unbekannter Befehl %1"), o.befehl));
    if (b->worte)
        if (const std::string falsch = b->worte(o.befehl, o.args); !falsch.empty())
            return aufrufFehler(falsch);
    if (b->zugang == Zugang::KeinPort) {
        CliKontext k;
        return b->ausfuehren(k);
    }
    if (std::string grund; !o.trace.empty() && !Rs232Trace_Starten(o.trace, &grund)) {
        std::fprintf(stderr, "plm1: Protokolldatei %s kann nicht geschrieben werden: %s\n", o.trace.c_str(),
                     grund.c_str());
        return CLI_EXIT_FEHLER;
    }
    const int ergebnis = ausfuehren(o, *b);
    Rs232Trace_Beenden();
    return ergebnis;
} catch (const std::exception& e) { // nothing may end the tool unannounced
    std::fprintf(stderr, "plm1: %s\n", e.what());
    return CLI_EXIT_FEHLER;
} catch (...) {
    std::fprintf(stderr, "plm1: %s\n",
                 Sprache_TextUtf8(QT_TRANSLATE_NOOP("Plm1", "unerwarteter Fehler")).c_str());
    return CLI_EXIT_FEHLER;
}
