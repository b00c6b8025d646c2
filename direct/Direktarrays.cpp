// Start values of the direct-operation data and the control-id table.

#include "direct/Direktarrays.h"

#include "resources/Plm1SteuerungGui.h"

DirektArrays gDirekt;
DirektControls gDirektCtrl;
int gDirektAbfragenVorher = 0;

void Direktarrays_Initialisieren() {
    gDirekt = DirektArrays{};
    for (int n = 0; n < DIREKT_KREISE; ++n)
        gDirekt.pumpeEin[n] = 1;
    gDirektAbfragenVorher = 0;

    static constexpr int ventile[ANZAHL_VENTILE] = {DIREKTPNL_VENTIL1,  DIREKTPNL_VENTIL2, DIREKTPNL_VENTIL3,
                                                    DIREKTPNL_VENTIL4,  DIREKTPNL_VENTIL5, DIREKTPNL_VENTIL6,
                                                    DIREKTPNL_VENTIL7,  DIREKTPNL_VENTIL8, DIREKTPNL_VENTIL9,
                                                    DIREKTPNL_VENTIL10, DIREKTPNL_VENTIL11};
    DirektControls& c = gDirektCtrl;
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        c.ventil[i] = ventile[i];
    c.pumpeWert[0] = DIREKTPNL_PUMPE1;
    c.pumpeWert[1] = DIREKTPNL_PUMPE2;
    c.pumpeEin[0] = DIREKTPNL_PUMPE1EIN;
    c.pumpeEin[1] = DIREKTPNL_PUMPE2EIN;
    c.druckHighEin[0] = DIREKTPNL_DRUCKHIGH1CHECK;
    c.druckHighEin[1] = DIREKTPNL_DRUCKHIGH2CHECK;
    c.druckLowEin[0] = DIREKTPNL_DRUCKLOW1CHECK;
    c.druckLowEin[1] = DIREKTPNL_DRUCKLOW2CHECK;
    c.druckHigh[0] = DIREKTPNL_DRUCKHIGH1;
    c.druckHigh[1] = DIREKTPNL_DRUCKHIGH2;
    c.druckLow[0] = DIREKTPNL_DRUCKLOW1;
    c.druckLow[1] = DIREKTPNL_DRUCKLOW2;
    static constexpr int leds[DIREKT_STATUSLEDS] = {DIREKTPNL_STATUSLED1, DIREKTPNL_STATUSLED2,
                                                    DIREKTPNL_STATUSLED3, DIREKTPNL_STATUSLED4,
                                                    DIREKTPNL_STATUSLED5};
    for (int k = 0; k < DIREKT_STATUSLEDS; ++k)
        c.statusLed[k] = leds[k];
    c.druck[0] = DIREKTPNL_DRUCK1IST;
    c.druck[1] = DIREKTPNL_DRUCK2IST;
    c.temperatur = DIREKTPNL_TEMPERATURIST;
    c.spannung = DIREKTPNL_SPANNUNGIST;
    c.abfragen = DIREKTPNL_VERBINDEN;
    c.monitorModus = DIREKTPNL_MONITORMODUS;
}
