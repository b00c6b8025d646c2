#pragma once
// Commands of the command-line tool plm1, one function per command group, called by the dispatcher with
// the options it has already read. Each returns the process exit code: 0 success, 1 failure (the
// "Fehler #<n>: <text>" line has been printed to standard error), 2 usage error, 3 as the command says.

#include <string>
#include <vector>

struct CliKontext {
    int port = 0;                 // COM number in use; the device path is set for it already
    char adresse = '1';
    std::string ventilDatei;      // --valves FILE.plc, empty when not given
    int ventilarten[11] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}; // valve kinds in effect
    std::vector<std::string> args; // the words after the command name
};

// Prints "Fehler #<n>: <message>" for a code to standard error (n is the code without its sign).
void Cli_FehlerAusgeben(int code);

int Cli_Keys(CliKontext& k);    // keys upload|download FILE.plt
int Cli_Cycle(CliKontext& k);   // cycle upload|download FILE.plk
int Cli_Monitor(CliKontext& k); // monitor [--interval S] [--count N]
