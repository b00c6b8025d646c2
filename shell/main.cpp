// Entry point of Plm1Steuerung.

#include "shell/Plm1Steuerung_Main.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) try {
    return Plm1Steuerung_Starten(argc, argv) == 0 ? 0 : 1;
} catch (const std::exception& e) { // nothing may end the program unannounced
    std::fprintf(stderr, "Plm1Steuerung: %s\n", e.what());
    return 1;
} catch (...) {
    std::fprintf(stderr, "Plm1Steuerung: unerwarteter Fehler\n");
    return 1;
}
