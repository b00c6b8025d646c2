// Direct operation and the unit: the set of set values out, actual and set values in.

#include "direct/Direkt_Com.h"

#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "direct/Direkt_Istwerte.h"
#include "direct/Direkt_Trend.h"
#include "direct/Direkt_Userinterface.h"
#include "valves/Konfig_Main.h"

#include <cmath>

namespace {

using direkt_detail::ganzzahlLesen;
using direkt_detail::realLesen;

constexpr const char* WORT_PUMPE[DIREKT_KREISE] = {"pumpe1", "pumpe2"};
constexpr const char* WORT_DRUCKHIGH[DIREKT_KREISE] = {"druckhigh1", "druckhigh2"};
constexpr const char* WORT_DRUCKLOW[DIREKT_KREISE] = {"drucklow1", "drucklow2"};
constexpr const char* WORT_VENTILE = "alleventile";

constexpr int PUMPE_GRENZE = 100;
constexpr int DRUCK_GRENZE = 2000;

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
    for (int i = 0; i < DIREKT_VENTILE; ++i) {
        const int bit = maske & 1;
        a.ventil[i] = KonfigMain_VentilIstNO(i) ? !bit : bit;
        maske >>= 1;
    }
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        double v = 0;
        if (Fehlercode f = realLesen(port, adresse, WORT_PUMPE[n], &v)) return f;
        a.pumpeWert[n] = abgeschnitten(v, PUMPE_GRENZE);
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

int DirektCom_Ventilmaske(const DirektArrays& a) {
    unsigned maske = 0;
    for (int i = 0; i < DIREKT_VENTILE; ++i) {
        maske >>= 1;
        const int bestromt = KonfigMain_VentilIstNO(i) ? a.ventil[i] == 0 : a.ventil[i] == 1;
        if (KonfigMain_VentilVorhanden(i) && bestromt) maske |= 0x8000u;
    }
    maske >>= 16 - DIREKT_VENTILE;
    return static_cast<int>(maske);
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
    DirektGui_StatusbitsToStatusleds(status, a.statusLed);

    if (!a.monitorModus) {
        DirektGui_ArrayToGui(1);
        DirektTrend_Abgefragt(status);
        return KEIN_FEHLER;
    }
    if (Fehlercode f = sollwerteLesen(port, adresse)) return f;
    DirektGui_ArrayToGui(0);
    DirektTrend_Abgefragt(status);
    return KEIN_FEHLER;
}
