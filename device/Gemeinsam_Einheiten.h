#pragma once
// One command for several units on the line, each in turn: identified first, sent to only when it answers,
// one result per unit. Shared by the command line and "Upload an mehrere…" (no windows).

#include "errors/VKR_Fehlercodes.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

constexpr const char* GEMEINHEITEN_OK = "ok";

struct GemEinheitErgebnis {
    char adresse = 0;
    std::string kennung; // as the unit answered; empty when it did not
    Fehlercode fehler = KEIN_FEHLER;
    std::string text; // "ok", "geprüft" or the one-line "Fehler #<n>: <text>"
};

// The command for the unit at `adresse` (already the connection manager's address): 0 or its error.
using GemEinheitBefehl = std::function<Fehlercode(char adresse)>;

// For each address in turn: sets it, reads the identification and, when the unit answered, runs `befehl`;
// a failure the connection manager kept counts as the command's. `vorher(i)` runs before unit i,
// `nachher(i, ergebnis)` after it. A clean result reads "geprüft" with `geprueft`, else "ok". Afterwards
// the device address is the one before, and the error controls show the first failure (or none).
std::vector<GemEinheitErgebnis>
GemEinheiten_Nacheinander(const std::vector<char>& adressen, const GemEinheitBefehl& befehl, bool geprueft,
                          const std::function<void(std::size_t i)>& vorher = {},
                          const std::function<void(std::size_t i, const GemEinheitErgebnis&)>& nachher = {});
