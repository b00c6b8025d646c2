// Entry point of Plm1Steuerung.

#include "shell/Plm1Steuerung_Main.h"

int main(int argc, char** argv) {
    return Plm1Steuerung_Starten(argc, argv) == 0 ? 0 : 1;
}
