#pragma once
// Ending the program from SIGINT/SIGTERM: the signal ends the event loop like QuitUserInterface(0) and
// closes any modal popup, so the normal shutdown (settings file) runs.

// Installs the handlers; call once after the QApplication exists. Safe to call again (no effect).
void UI_BeendenBeiSignal();
