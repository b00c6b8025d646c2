// Command-line options, the built-in simulated unit and the start-up time report.

#include "shell/Plm1_Startoptionen.h"

#include "platform/line/rs232.h"
#include "platform/sprache/sprache.h"
#include "platform/sprache/textmarke.h"
#include "sim/plm1sim_ablauf.h"
#include "sim/plm1sim_server.h"

#include "plm1_version.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

constexpr int SIMULATOR_PORT = 1;
constexpr const char* SIMULATOR_ID = "VKR-PLM1-SIMULATOR";
constexpr const char* BENUTZERORDNER = "plm1steuerung";

std::mutex gSimulatorMutex; // the panel reader thread uses the simulator too
std::unique_ptr<plm1sim::Server> gSimulator;

// Texts in the language of the environment, as plm1 has them, with their values in the places %1, %2.
template <typename... Werte> std::string text(const char* quelle, const Werte&... werte) {
    Startoptionen_SpracheBereit();
    return Textmarke_Satz(quelle, werte...);
}

void hilfeAusgeben(FILE* ziel = stderr) {
    std::fputs(
        text(QT_TRANSLATE_NOOP(
                 "Plm1",
                 "Aufruf: Plm1Steuerung [--simulator [--step-time S]] [--screenshots VERZEICHNIS] "
                 "[--trace DATEI]\n"
                 "                      [--user-dir]\n"
                 "  --simulator            simuliertes PLM-1 (Adresse 1) an COM 1; seine Tasten über die\n"
                 "                         Standardeingabe: press N (1..12), start, pause, stop\n"
                 "  --step-time S          Sekunden je Zyklusschritt des simulierten PLM-1 (Standard 1)\n"
                 "  --screenshots DIR      jedes Fenster als PNG in DIR speichern und beenden\n"
                 "  --trace DATEI          jedes Byte auf der Leitung mit Zeit in DATEI protokollieren\n"
                 "  --user-dir             im Ordner plm1steuerung unter ~/.config arbeiten (Menüstart)\n"
                 "  --help, -h             diese Hilfe\n"
                 "  --version              Version ausgeben\n"
                 "  Optionen von Qt (-platform NAME, -style NAME, -display NAME, -geometry WxH+X+Y, ...) "
                 "gehen an Qt\n"))
            .c_str(),
        ziel);
}

// Qt's own options, as every Qt program takes them; the application object reads them.
constexpr const char* QT_OPTIONEN_MIT_WERT[] = {"-platform",
                                                "-platformpluginpath",
                                                "-platformtheme",
                                                "-plugin",
                                                "-qwindowgeometry",
                                                "-qwindowicon",
                                                "-qwindowtitle",
                                                "-session",
                                                "-display",
                                                "-geometry",
                                                "-name",
                                                "-title",
                                                "-visual",
                                                "-style",
                                                "-stylesheet"};
constexpr const char* QT_SCHALTER[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

// The words of Qt's option at argv[i] (one, or two with its value) appended to `ziel`; false when it is none.
bool qtOptionNehmen(int argc, char** argv, int* i, std::vector<std::string>* ziel) {
    const std::string a = argv[*i];
    for (const char* s : QT_SCHALTER)
        if (a == s) {
            ziel->push_back(a);
            return true;
        }
    for (const char* o : QT_OPTIONEN_MIT_WERT) {
        const std::string name = o;
        if (a.rfind(name + "=", 0) == 0 && a.size() > name.size() + 1) {
            ziel->push_back(a);
            return true;
        }
        if (a == name && *i + 1 < argc && *argv[*i + 1]) {
            ziel->push_back(a);
            ziel->push_back(argv[++*i]);
            return true;
        }
    }
    return false;
}

} // namespace

void Startoptionen_SpracheBereit() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "Plm1Steuerung";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* kern = new QCoreApplication(argc, argv);
    (void)kern;
    (void)Sprache_Einstellen(Sprache_AusUmgebung());
}

bool Startoptionen_Lesen(int argc, char** argv, Startoptionen* optionen) {
    bool schrittzeitGegeben = false;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--simulator") == 0) {
            optionen->simulator = true;
        } else if (std::strcmp(a, "--step-time") == 0 && i + 1 < argc) {
            if (!plm1sim::schrittzeitLesen(argv[++i], &optionen->schrittzeit)) {
                std::fprintf(stderr, "%s\n",
                             text(QT_TRANSLATE_NOOP("Plm1", "Ungültige Schrittzeit: %1"), argv[i]).c_str());
                hilfeAusgeben();
                return false;
            }
            schrittzeitGegeben = true;
        } else if (std::strcmp(a, "--quit-after-start") == 0) {
            optionen->nachStartBeenden = true;
        } else if (std::strcmp(a, "--screenshots") == 0 && i + 1 < argc) {
            optionen->bilderVerzeichnis = argv[++i];
        } else if (std::strcmp(a, "--trace") == 0 && i + 1 < argc && *argv[i + 1]) {
            optionen->trace = argv[++i];
        } else if (std::strcmp(a, "--user-dir") == 0) {
            optionen->benutzerordner = true;
        } else if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            hilfeAusgeben(stdout);
            optionen->hilfe = true;
            return true;
        } else if (std::strcmp(a, "--version") == 0) {
            std::printf("Plm1Steuerung %s\n%s", PLM1_VERSION, text(PLM1_VERSION_LIZENZ).c_str());
            optionen->version = true;
            return true;
        } else if (!qtOptionNehmen(argc, argv, &i, &optionen->qtArgumente)) {
            std::fprintf(stderr, "%s\n", text(QT_TRANSLATE_NOOP("Plm1", "Unbekannte Option: %1"), a).c_str());
            hilfeAusgeben();
            return false;
        }
    }
    // Without the simulated unit the step time is the real unit's business: say so rather than ignore it.
    if (schrittzeitGegeben && !optionen->simulator) {
        std::fprintf(stderr, "%s\n",
                     text(QT_TRANSLATE_NOOP("Plm1", "--step-time gilt nur mit --simulator")).c_str());
        hilfeAusgeben();
        return false;
    }
    return true;
}

std::string Startoptionen_Benutzerordner() {
    const QString basis = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return basis.isEmpty() ? std::string() : basis.toStdString() + "/" + BENUTZERORDNER;
}

bool Startoptionen_BenutzerordnerWechseln() {
    const std::string ordner = Startoptionen_Benutzerordner();
    std::error_code fehler;
    if (!ordner.empty()) std::filesystem::create_directories(ordner, fehler);
    if (!ordner.empty() && !fehler) std::filesystem::current_path(ordner, fehler);
    if (ordner.empty() || fehler) {
        std::fprintf(
            stderr, "%s\n",
            text(QT_TRANSLATE_NOOP("Plm1", "Arbeitsordner %1 nicht verwendbar: %2"), ordner, fehler.message())
                .c_str());
        return false;
    }
    return true;
}

bool Startoptionen_SimulatorStarten(double schrittzeit) {
    auto server = std::make_unique<plm1sim::Server>();
    if (!server->starten({plm1sim::Einheit{'1', SIMULATOR_ID}})) {
        std::fprintf(stderr, "%s\n",
                     text(QT_TRANSLATE_NOOP("Plm1", "Der Simulator konnte nicht gestartet werden")).c_str());
        return false;
    }
    server->bus().schrittzeitSetzen(schrittzeit);
    Rs232_GeraetepfadSetzen(SIMULATOR_PORT, server->pfad());
    std::fprintf(
        stderr, "%s\n",
        text(QT_TRANSLATE_NOOP("Plm1", "Simuliertes PLM-1 an COM %1 (%2)"), SIMULATOR_PORT, server->pfad())
            .c_str());
    {
        std::lock_guard lock(gSimulatorMutex);
        gSimulator = std::move(server);
    }
    // The unit's panel from standard input, as plm1-sim takes it; ends with the input.
    std::thread([] {
        for (std::string zeile; std::getline(std::cin, zeile);) {
            std::lock_guard lock(gSimulatorMutex);
            if (!gSimulator) return;
            const std::string fehler = plm1sim::tastenbefehlAusfuehren(gSimulator->bus(), zeile, '1');
            if (!fehler.empty()) std::fprintf(stderr, "Simulator: %s\n", fehler.c_str());
        }
    }).detach();
    return true;
}

void Startoptionen_SimulatorStoppen() {
    std::lock_guard lock(gSimulatorMutex);
    if (!gSimulator) return;
    gSimulator->stoppen();
    gSimulator.reset();
    Rs232_GeraetepfadSetzen(SIMULATOR_PORT, "");
}

double Startoptionen_SimulatorSchrittzeit() {
    std::lock_guard lock(gSimulatorMutex);
    return gSimulator ? gSimulator->bus().schrittzeit() : 0;
}

std::string Startoptionen_Bildname(const std::string& fenstername) {
    static const std::map<std::string, std::string> namen = {{"Hauptfenster", "hauptfenster"},
                                                             {"Zyklus", "zyklus"},
                                                             {"Tasten", "tasten"},
                                                             {"Direktbetrieb", "direktbetrieb"},
                                                             {"PLM-1 Einstellungen", "einstellungen"}};
    const auto it = namen.find(fenstername);
    return it != namen.end() ? it->second : fenstername;
}

void Startoptionen_StartzeitMelden() {
    // Process start time from /proc (field 22, in clock ticks since boot) against the system uptime.
    std::ifstream stat("/proc/self/stat");
    std::string inhalt((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto klammer = inhalt.rfind(')');
    std::ifstream uptime("/proc/uptime");
    double seitBoot = 0;
    uptime >> seitBoot;
    if (klammer == std::string::npos || !uptime) return;
    std::istringstream felder(inhalt.substr(klammer + 2));
    std::string feld;
    for (int i = 3; i <= 22 && felder >> feld; ++i) {
    }
    const double start = std::stod(feld) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::fprintf(stderr, "Hauptfenster sichtbar nach %.0f ms\n", (seitBoot - start) * 1000.0);
}
