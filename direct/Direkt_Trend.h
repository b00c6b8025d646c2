#pragma once
// Direct-operation window: the pressure trend (strip chart over the history of the polls) and the
// recording of every poll to a CSV file, with their controls.

#include "direct/Direkt_Aufzeichnung.h"
#include "direct/Direkt_Messreihe.h"

constexpr int DIREKTTREND_STANDARD_MINUTEN = 5;
constexpr const char* DIREKTTREND_EINHEIT = "mbar";
constexpr const char* DIREKTTREND_CSV_FILTER = "*.csv";

// Binds the chart of the loaded panel to the history and sets its traces and span.
void DirektTrend_Initialisieren(int panel);
// Ends a running recording.
void DirektTrend_Freigeben();
// After each successful poll: the values of gDirekt and the status word into the history, the chart and a
// running recording. A failed write ends the recording and shows its error in the error controls.
void DirektTrend_Abgefragt(int status);

const DirektMessreihe& DirektTrend_Messreihe();
const DirektAufzeichnung& DirektTrend_Aufzeichnung();

int Callback_Direkt_Trend(int panel, int control, int event, void* callbackData, int eventData1,
                          int eventData2);
int Callback_Direkt_Aufzeichnen(int panel, int control, int event, void* callbackData, int eventData1,
                                int eventData2);
