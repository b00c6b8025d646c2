#pragma once
// Data of the direct-operation window: the set values sent to the unit, the actual values read back,
// the polling switches, and the control id of every field.

#include "device/Speicherbild.h"
#include "valves/Ventilarten.h"

constexpr int DIREKT_KREISE = 2; // pump / pressure circuits
constexpr int DIREKT_STATUSLEDS = 5;

// Wire values of a switched-off pump and of unchecked pressure limits, and the read-back thresholds
// beyond which a limit counts as off.
constexpr double DIREKT_PUMPE_AUS = 0.0;
constexpr double DIREKT_DRUCKHIGH_AUS = SPEICHERBILD_KEINE_GRENZE;
constexpr double DIREKT_DRUCKLOW_AUS = -SPEICHERBILD_KEINE_GRENZE;
constexpr double DIREKT_DRUCKHIGH_AUS_AB = 1999.9999;
constexpr double DIREKT_DRUCKLOW_AUS_AB = -1999.9999;

struct DirektArrays {
    int ventil[ANZAHL_VENTILE];   // 1 = open
    int pumpeWert[DIREKT_KREISE]; // percent, -100..100
    int pumpeEin[DIREKT_KREISE];
    int druckHighEin[DIREKT_KREISE]; // upper limit checked
    int druckLowEin[DIREKT_KREISE];  // lower limit checked
    int druckHigh[DIREKT_KREISE];    // mbar
    int druckLow[DIREKT_KREISE];     // mbar
    int statusLed[DIREKT_STATUSLEDS];
    double druck[DIREKT_KREISE]; // actual pressures, mbar
    double temperatur;           // heat sink, deg C
    double spannung;             // supply, V
    int abfragen;                // polling switched on
    int monitorModus;            // polling also reads the set values back
};

// Same shape, holding the control id of each field on DIREKTPNL.
struct DirektControls {
    int ventil[ANZAHL_VENTILE];
    int pumpeWert[DIREKT_KREISE];
    int pumpeEin[DIREKT_KREISE];
    int druckHighEin[DIREKT_KREISE];
    int druckLowEin[DIREKT_KREISE];
    int druckHigh[DIREKT_KREISE];
    int druckLow[DIREKT_KREISE];
    int statusLed[DIREKT_STATUSLEDS];
    int druck[DIREKT_KREISE];
    int temperatur;
    int spannung;
    int abfragen;
    int monitorModus;
};

extern DirektArrays gDirekt;
extern DirektControls gDirektCtrl;
extern int gDirektAbfragenVorher; // polling state seen at the previous timer tick

void Direktarrays_Initialisieren();
