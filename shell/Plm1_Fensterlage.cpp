// Windows' places and sizes in the settings file: "<window> links", "oben", "breite", "hoehe".

#include "shell/Plm1_Fensterlage.h"

#include "shell/Plm1_GemeinsameFunktionen.h"
#include "shell/Plm1_Startoptionen.h"

#include <string>

namespace {

struct Feld {
    const char* name;
    int FensterLage::*wert;
};
constexpr Feld FELDER[] = {{"links", &FensterLage::links},
                           {"oben", &FensterLage::oben},
                           {"breite", &FensterLage::breite},
                           {"hoehe", &FensterLage::hoehe}};

std::string schluessel(int index, const Feld& f) {
    return Startoptionen_Bildname(GemFunc_NameGet(index)) + " " + f.name;
}

} // namespace

void Fensterlage_Lesen(IniText ini) {
    for (int i = 0; i < GemFunc_AnzahlGet(); ++i) {
        FensterLage lage;
        bool vollstaendig = true;
        for (const Feld& f : FELDER)
            vollstaendig = vollstaendig &&
                           Ini_GetInt(ini, INI_SEKTION_LAGE, schluessel(i, f).c_str(), &(lage.*f.wert)) == 1;
        if (vollstaendig) GemFunc_LageSetzen(i, lage);
    }
}

void Fensterlage_Schreiben(IniText ini) {
    for (int i = 0; i < GemFunc_AnzahlGet(); ++i) {
        FensterLage lage;
        if (!GemFunc_LageGet(i, &lage)) continue;
        for (const Feld& f : FELDER)
            if (Ini_PutInt(ini, INI_SEKTION_LAGE, schluessel(i, f).c_str(), lage.*f.wert) < 0) return;
    }
}
