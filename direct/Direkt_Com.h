#pragma once
// Direct operation and the unit: sends the complete set of set values, and one polling step that reads
// the actual values (and in monitor mode the set values) back.

#include "direct/Direktarrays.h"
#include "errors/VKR_Fehlercodes.h"

// Sends valves, then per circuit pump, upper and lower limit: seven commands, stopping at the first failure.
[[nodiscard]] Fehlercode DirektCom_ArrayUpload();
// One timer tick: nothing while polling is off, else reads the actual values into gDirekt.
[[nodiscard]] Fehlercode DirektCom_ArrayDownload();

// What the window shows after a polling tick (nurIstwerte 1: only the actual values and the polling
// switches; status: the unit's status word, for the trend and the recording); registered by the window,
// nullptr without one.
using DirektAnzeigen = void (*)(int nurIstwerte, int status);
void DirektCom_AnzeigeSetzen(DirektAnzeigen fn);

// The unit's status bits on the five status lamps (0 or 1 each).
void DirektCom_StatusbitsZuLeds(int status, int leds[DIREKT_STATUSLEDS]);

// Valve mask as the unit takes it: bit i for valve i+1 when fitted and energised (a normally-open valve is
// energised when closed).
int DirektCom_Ventilmaske(const DirektArrays& a);

// Reads pressure 1, pressure 2, voltage, temperature and the status bits, in this order, into a and status;
// stops at the first failure (values read before it are kept). Shared by the window and the command line.
[[nodiscard]] Fehlercode DirektCom_IstwerteLesen(int port, char adresse, DirektArrays& a, int* status);
