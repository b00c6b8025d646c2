#pragma once
// Commands of the command-line tool plm1, one function per command group, called by the dispatcher with
// the options it has already read. Each returns the process exit code: 0 success, 1 failure (the
// "Fehler #<n>: <text>" line has been printed to standard error), 2 usage error, 3 as the command says.

#include "valves/Ventilarten.h"

#include <string>
#include <vector>

struct CliKontext {
    int port = 0; // COM number in use; the device path is set for it already
    char adresse = '1';
    std::string ventilDatei;                                     // --valves FILE.plc, empty when not given
    Ventilarten ventilarten = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}; // valve kinds in effect
    std::vector<std::string> args;                               // the words after the command name
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

int Cli_Keys(CliKontext& k);    // keys upload|download FILE.plt
int Cli_Cycle(CliKontext& k);   // cycle upload|download FILE.plk
int Cli_Monitor(CliKontext& k); // monitor [--interval S] [--count N]

// Device commands on the open port: id, scan, get, set, start, pause, stop, read-mem, write-mem.
bool Cli_IstGeraetebefehl(const std::string& befehl);
// Checks the words of a device command before the port is opened; false for a usage error.
bool Cli_GeraetebefehlPruefen(const std::string& befehl, const std::vector<std::string>& args);
int Cli_Geraetebefehl(const std::string& befehl, CliKontext& k);

// The command line's two number parsers: a whole number in decimal or with "0x" in hexadecimal, and a
// finite real number; false when the text is anything else (blanks included).
bool Cli_ZahlLesen(const std::string& text, long long* zahl);
bool Cli_ReellLesen(const std::string& text, double* wert);
