// Direct operation and the unit: the set of set values out, actual and set values in.

#include "direct/Direkt_Com.h"

#include "device/Speicherbild.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "direct/Direkt_Istwerte.h"
#include "valves/Konfigarray.h"

#include <cmath>

namespace {

using direkt_detail::ganzzahlLesen;
using direkt_detail::realLesen;

constexpr const char* WORT_PUMPE[DIREKT_KREISE] = {"pumpe1", "pumpe2"};
constexpr const char* WORT_DRUCKHIGH[DIREKT_KREISE] = {"druckhigh1", "druckhigh2"};
constexpr const char* WORT_DRUCKLOW[DIREKT_KREISE] = {"drucklow1", "drucklow2"};
constexpr const char* WORT_VENTILE = "alleventile";
// The status bit each of the five lamps shows, in lamp order.
constexpr int STATUSMASKE[DIREKT_STATUSLEDS] = {0x0001, 0x0002, 0x0004, 0x0008, 0x0100};

DirektAnzeigen gAnzeigen = nullptr;

constexpr int DRUCK_GRENZE = SPEICHERBILD_KEINE_GRENZE; // the controls' range

// A value from the unit truncated toward zero into the range of its control; NaN counts as 0.
int abgeschnitten(double v, int grenze) {
    if (std::isnan(v)) return 0;
    if (v > grenze) return grenze;
    if (v < -grenze) return -grenze;
    return static_cast<int>(v);
}

// Monitor mode: the unit's set values into gDirekt (valves, pumps, upper limits, lower limits).
Fehlercode sollwerteLesen(int port, char adresse) {
    DirektArrays& a = gDirekt;
    int maske = 0;
    if (Fehlercode f = ganzzahlLesen(port, adresse, WORT_VENTILE, &maske)) return f;
    Ventilarten arten;
    KonfigMain_VentilartenHolen(arten);
    Speicherbild_VentilwortDekodieren(maske, arten, a.ventil);
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        double v = 0;
        if (Fehlercode f = realLesen(port, adresse, WORT_PUMPE[n], &v)) return f;
        a.pumpeWert[n] = abgeschnitten(v, PUMPE_MAX_PROZENT);
        a.pumpeEin[n] = 1;
    }
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        double v = 0;
        if (Fehlercode f = realLesen(port, adresse, WORT_DRUCKHIGH[n], &v)) return f;
        if (v < DIREKT_DRUCKHIGH_AUS_AB) {
            a.druckHighEin[n] = 1;
            a.druckHigh[n] = abgeschnitten(v, DRUCK_GRENZE);
        } else {
            a.druckHighEin[n] = 0;
        }
    }
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        double v = 0;
        if (Fehlercode f = realLesen(port, adresse, WORT_DRUCKLOW[n], &v)) return f;
        if (v > DIREKT_DRUCKLOW_AUS_AB) {
            a.druckLowEin[n] = 1;
            a.druckLow[n] = abgeschnitten(v, DRUCK_GRENZE);
        } else {
            a.druckLowEin[n] = 0;
        }
    }
    return KEIN_FEHLER;
}

} // namespace

void DirektCom_AnzeigeSetzen(DirektAnzeigen fn) {
    gAnzeigen = fn;
}

void DirektCom_StatusbitsZuLeds(int status, int leds[DIREKT_STATUSLEDS]) {
    for (int k = 0; k < DIREKT_STATUSLEDS; ++k)
        leds[k] = (status & STATUSMASKE[k]) ? 1 : 0;
}

int DirektCom_Ventilmaske(const DirektArrays& a) {
    Ventilarten arten;
    KonfigMain_VentilartenHolen(arten);
    return Speicherbild_VentilwortKodieren(a.ventil, arten);
}

Fehlercode DirektCom_ArrayUpload() {
    VkrCom_FehlermeldungSet(KEIN_FEHLER);
    const int port = VkrCom_ComPortGet();
    if (port == 0) return FEHLER_DIREKT_SENDEN_KEIN_PORT;
    const char adresse = VkrCom_AdresseGet();
    const DirektArrays& a = gDirekt;

    if (Fehlercode f = VKRPLM1_ParameterSchreiben(port, adresse, WORT_VENTILE, 0.0, DirektCom_Ventilmaske(a)))
        return f;
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        const double pumpe = a.pumpeEin[n] ? static_cast<double>(a.pumpeWert[n]) : DIREKT_PUMPE_AUS;
        const double high = a.druckHighEin[n] ? static_cast<double>(a.druckHigh[n]) : DIREKT_DRUCKHIGH_AUS;
        const double low = a.druckLowEin[n] ? static_cast<double>(a.druckLow[n]) : DIREKT_DRUCKLOW_AUS;
        if (Fehlercode f = VKRPLM1_ParameterSchreiben(port, adresse, WORT_PUMPE[n], pumpe, 0)) return f;
        if (Fehlercode f = VKRPLM1_ParameterSchreiben(port, adresse, WORT_DRUCKHIGH[n], high, 0)) return f;
        if (Fehlercode f = VKRPLM1_ParameterSchreiben(port, adresse, WORT_DRUCKLOW[n], low, 0)) return f;
    }
    return KEIN_FEHLER;
}

Fehlercode DirektCom_ArrayDownload() {
    DirektArrays& a = gDirekt;
    if (a.abfragen && !gDirektAbfragenVorher) VkrCom_FehlermeldungSet(KEIN_FEHLER);
    gDirektAbfragenVorher = a.abfragen;
    if (!a.abfragen) return KEIN_FEHLER;

    const int port = VkrCom_ComPortGet();
    if (port == 0) return FEHLER_DIREKT_ABFRAGEN_KEIN_PORT;
    const char adresse = VkrCom_AdresseGet();

    int status = 0;
    if (Fehlercode f = DirektCom_IstwerteLesen(port, adresse, a, &status)) return f;
    DirektCom_StatusbitsZuLeds(status, a.statusLed);

    if (!a.monitorModus) {
        if (gAnzeigen) gAnzeigen(1, status);
        return KEIN_FEHLER;
    }
    if (Fehlercode f = sollwerteLesen(port, adresse)) return f;
    if (gAnzeigen) gAnzeigen(0, status);
    return KEIN_FEHLER;
}
