// Error popups: the message of a code in a modal box titled with the error number.

#include "errors/VKR_errorV3.h"
#include "platform/ui/ui.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int TITEL2_GROESSE = 100;
constexpr int SILENT_TYP = -6;

// The code as the operator reads it; widened so that the most negative code has a positive form.
long long nummer(int code) {
    return -static_cast<long long>(code);
}

} // namespace

void VKR_Fehlerpopup(int code) {
    if (VKR_Fehlertyp(code) == SILENT_TYP) return;
    MessagePopup(VKR_Fehlernummer(code, VKR_FehlerspracheGet()).c_str(), VKR_Fehlermeldung(code));
}

void VKR_Fehlerpopup2(int code, const char* titel) {
    if (VKR_Fehlertyp(code) == SILENT_TYP) return;
    char zusatz[24];
    const int zusatzLaenge = std::snprintf(zusatz, sizeof zusatz, " #%lld", nummer(code));
    // A caller's title too long for the buffer loses its end (at a character boundary), never the number.
    std::size_t n = titel ? std::strlen(titel) : 0;
    const std::size_t platz = TITEL2_GROESSE - 1 - static_cast<std::size_t>(zusatzLaenge);
    if (n > platz) {
        n = platz;
        while (n > 0 && (static_cast<unsigned char>(titel[n]) & 0xC0) == 0x80)
            --n;
    }
    char ganz[TITEL2_GROESSE];
    if (n > 0) std::memcpy(ganz, titel, n);
    std::memcpy(ganz + n, zusatz, static_cast<std::size_t>(zusatzLaenge) + 1);
    MessagePopup(ganz, VKR_Fehlermeldung(code));
}
