#pragma once
// The connection as the settings file holds it (keys com, compfad, lcom, lcompfad, adresse), read in one
// place for the program and the command-line tool, and the port the program writes back.

#include "platform/files/inifile.h"

#include <optional>
#include <string>

struct VkrComEinstellungen {
    std::optional<int> com, lcom, adresse; // when present and a whole number
    std::string compfad, lcompfad;         // stable device paths; empty when missing or blank

    // "com" holds a port other than 0 or "compfad" names a device.
    [[nodiscard]] bool nenntPort() const;
    // The device path that applies: "compfad" while "com" names no COM port 1..8, else empty.
    [[nodiscard]] std::string geraetepfad() const;
    // The same for the last port: "lcompfad" while "lcom" names no COM port.
    [[nodiscard]] std::string letzterGeraetepfad() const;
};

// Reads the keys of the settings section; an unreadable number is noted by the store as unusable.
VkrComEinstellungen VkrCom_EinstellungenLesen(IniText ini);

// The port to write back: the open one; but a port from the settings that could not be opened (`eingestellt`,
// 0 for none) stays, as long as the operator has asked for no other.
int VkrCom_ZuSpeichernderPort(int eingestellt);
