// Reads arbitrary bytes as a settings file. What it writes, read and written once more, must then stay the
// same text (a hand-made file may be ambiguous once, never twice).

#include "platform/files/inifile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool leer(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Lines longer than the reader keeps, or pieces that end in white space, cannot come back unchanged.
bool wiederlesbar(const std::string& text) {
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        const std::size_t ende = text.find("\r\n", anfang);
        if (ende == std::string::npos || ende - anfang > 255) return false;
        if (leer(text[ende - 1])) return false;
        if (text[anfang] != '[') {
            const std::size_t gleich = text.find('=', anfang);
            if (gleich + 2 < ende && leer(text[gleich + 2])) return false;
        }
        anfang = ende + 2;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniText ini = Ini_New(1);
    if (Ini_ReadFromBuffer(ini, reinterpret_cast<const char*>(data), size) != 0) std::abort();
    int wert = 0;
    for (const char* tag : {"com", "lcom", "adresse", "v1", "v11"})
        if (const int r = Ini_GetInt(ini, "konfig", tag, &wert);
            r != 0 && r != 1 && r != INI_FEHLER_KEINE_ZAHL)
            std::abort();
    if (Ini_PutInt(ini, "konfig", "com", 3) != 0 || Ini_GetInt(ini, "KONFIG ", " Com", &wert) != 1 ||
        wert != 3)
        std::abort();

    std::string erster;
    if (Ini_WriteToBuffer(ini, &erster) != 0) std::abort();
    Ini_Dispose(ini);
    std::string text[2];
    for (auto& t : text) {
        if (!wiederlesbar(erster)) return 0;
        IniText wieder = Ini_New(1);
        if (Ini_ReadFromBuffer(wieder, erster.data(), erster.size()) != 0 ||
            Ini_WriteToBuffer(wieder, &t) != 0)
            std::abort();
        Ini_Dispose(wieder);
        erster = t;
    }
    if (text[0] != text[1]) std::abort();
    return 0;
}
