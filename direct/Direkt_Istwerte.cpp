// Reading the unit's actual values: shared by the window's polling and the command line's monitor.

#include "direct/Direkt_Istwerte.h"
#include "direct/Direkt_Com.h"

#include "device/vkrplm1.h"

namespace {
constexpr const char* WORT_ISTDRUCK[DIREKT_KREISE] = {"istdruck1", "istdruck2"};
constexpr const char* WORT_SPANNUNG = "istspannung";
constexpr const char* WORT_TEMPERATUR = "isttemperatur";
constexpr const char* WORT_STATUS = "status";
} // namespace

namespace direkt_detail {

// The driver stores only the output its word uses; the others get scratch room.
Fehlercode realLesen(int port, char adresse, const char* wort, double* ziel) {
    int ganz = 0;
    char text[VKRPLM1_ID_LAENGE] = {};
    return VKRPLM1_ParameterLesen(port, adresse, wort, ziel, &ganz, text);
}

Fehlercode ganzzahlLesen(int port, char adresse, const char* wort, int* ziel) {
    double real = 0;
    char text[VKRPLM1_ID_LAENGE] = {};
    return VKRPLM1_ParameterLesen(port, adresse, wort, &real, ziel, text);
}

} // namespace direkt_detail

using direkt_detail::ganzzahlLesen;
using direkt_detail::realLesen;

Fehlercode DirektCom_IstwerteLesen(int port, char adresse, DirektArrays& a, int* status) {
    for (int n = 0; n < DIREKT_KREISE; ++n)
        if (Fehlercode f = realLesen(port, adresse, WORT_ISTDRUCK[n], &a.druck[n])) return f;
    if (Fehlercode f = realLesen(port, adresse, WORT_SPANNUNG, &a.spannung)) return f;
    if (Fehlercode f = realLesen(port, adresse, WORT_TEMPERATUR, &a.temperatur)) return f;
    return ganzzahlLesen(port, adresse, WORT_STATUS, status);
}
