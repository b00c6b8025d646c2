#pragma once
// Commands of the command-line tool plm1, one function per command group, called by the dispatcher with
// the options it has already read. Each returns the process exit code: 0 success, 1 failure (the
// "Fehler #<n>: <text>" line has been printed to standard error), 2 usage error, 3 as the command says.

#include "errors/VKR_Fehlercodes.h"
#include "valves/Ventilarten.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CliKontext {
    int port = 0; // COM number in use; the device path is set for it already
    char adresse = '1';
    std::string ventilDatei;                                     // --valves FILE.plc, empty when not given
    Ventilarten ventilarten = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}; // valve kinds in effect
    std::vector<std::string> args;                               // the words after the command name
    std::vector<char> adressen; // --address 1,3,5: the units the command runs for in turn; else empty
    const char* funktionswort = nullptr; // start, pause, stop: the driver's word for the function
};

constexpr int CLI_EXIT_OK = 0;
constexpr int CLI_EXIT_FEHLER = 1;
constexpr int CLI_EXIT_AUFRUF = 2;
constexpr int CLI_EXIT_WARNUNG = 3; // done, with a warning on standard error

// Prints "Fehler #<n>: <message>" for a code to standard error (n is the code without its sign).
void Cli_FehlerAusgeben(int code);

// Transfer commands: a progress bar on standard error while it is a terminal, until ..Beenden; the exit
// code of a transfer whose result is `ergebnis` or, when that is 0, the error the connection manager kept.
void Cli_FortschrittAnzeigen();
void Cli_FortschrittBeenden();
int Cli_UebertragungsFehler(int ergebnis);
// Removes every "--verify" from the words of a transfer command; true when there was one.
bool Cli_PruefoptionNehmen(std::vector<std::string>& args);
// Exit code of an upload as Cli_UebertragungsFehler; a verified clean upload prints "geprüft".
int Cli_GesendetMelden(int ergebnis, bool geprueft);

// Before the port is opened: an input that is no readable regular file, or a save target that the writer
// would refuse, ends the command with its error line (open code `lesenCode` or `schreibenCode`).
int Cli_DateienPruefen(const std::string& richtung, const std::string& pfad, int lesenCode,
                       int schreibenCode);
int Cli_KeysPruefen(const CliKontext& k);
int Cli_CyclePruefen(const CliKontext& k);

int Cli_Keys(CliKontext& k);    // keys upload FILE.plt | keys download [--force] FILE.plt
int Cli_Cycle(CliKontext& k);   // cycle upload|download FILE.plk
int Cli_Monitor(CliKontext& k); // monitor [--interval S] [--count N]

// Device commands on the open port, one driver transaction each.
int Cli_Id(CliKontext& k);
int Cli_Scan(CliKontext& k);
int Cli_Get(CliKontext& k);
int Cli_Set(CliKontext& k);
int Cli_SpeicherLesen(CliKontext& k);
int Cli_SpeicherSchreiben(CliKontext& k);
int Cli_Funktion(CliKontext& k); // start, pause, stop: k.funktionswort
// The single-unit part of id and of the functions, for Cli_JeAdresse.
Fehlercode Cli_IdFuerEinheit(const CliKontext& k);
Fehlercode Cli_FunktionFuerEinheit(const CliKontext& k);
// The words of a device command, checked before the port is opened: the reason of a usage error, naming
// what is allowed; empty when they are right.
std::string Cli_GetPruefen(const std::string& befehl, const std::vector<std::string>& args);
std::string Cli_SetPruefen(const std::string& befehl, const std::vector<std::string>& args);
std::string Cli_SpeicherPruefen(const std::string& befehl, const std::vector<std::string>& args);
std::string Cli_OhneAngabenPruefen(const std::string& befehl, const std::vector<std::string>& args);

// A number on the command line: a whole number in decimal or with "0x" in hexadecimal, or a finite real
// number, each with an optional sign; nothing when the text is anything else (blanks included).
struct CliZahl {
    double wert = 0;               // every number, whole ones too
    std::optional<long long> ganz; // only for a whole number within long long
    bool hex = false;              // written with "0x"
};
std::optional<CliZahl> Cli_ZahlLesen(std::string_view text);

// Several units: "--address 1,3,5" (at least two of 1..9); false for anything else.
bool Cli_AdresslisteLesen(const std::string& text, std::vector<char>* adressen);
// For each address of k.adressen in turn (k.adresse set to it), the units' loop of the data tier runs
// `befehl`; prints "address identification result" per unit. Exit 0 only when every unit succeeded.
int Cli_JeAdresse(CliKontext& k, const std::function<Fehlercode()>& befehl, bool geprueft);
