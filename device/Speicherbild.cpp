// The shared rules of the unit's memory images.

#include "device/Speicherbild.h"

#include "platform/files/le_bytes.h"

#include <algorithm>
#include <cmath>

int Speicherbild_Pruefsumme(const unsigned char* bild, int nutzbytes) {
    unsigned summe = 1;
    for (int i = 0; i < nutzbytes; ++i)
        summe += bild[i];
    return static_cast<int>(summe & 0xFFFFu);
}

void Speicherbild_PruefsummeSetzen(unsigned char* bild, int nutzbytes) {
    le16_setzen(bild + nutzbytes, Speicherbild_Pruefsumme(bild, nutzbytes));
}

bool Speicherbild_PruefsummeStimmt(const unsigned char* bild, int nutzbytes) {
    return Speicherbild_Pruefsumme(bild, nutzbytes) == le16u_lesen(bild + nutzbytes);
}

void Speicherbild_Invertieren(unsigned char* bild, int nutzbytes) {
    for (int i = 0; i < nutzbytes; ++i)
        bild[i] = static_cast<unsigned char>(~bild[i]);
}

int Speicherbild_PumpeZuGeraet(std::int64_t prozent, PumpenFeld feld) {
    const double s = std::round(static_cast<double>(prozent) * SPEICHERBILD_PUMPE_VOLL / 100.0);
    const double grenzeOben = feld == PumpenFeld::Zyklus ? SPEICHERBILD_PUMPE_VOLL : INT16_MAX;
    const double grenzeUnten = feld == PumpenFeld::Zyklus ? -SPEICHERBILD_PUMPE_VOLL : INT16_MIN;
    return static_cast<int>(std::clamp(s, grenzeUnten, grenzeOben));
}

int Speicherbild_PumpeVonGeraet(int roh) {
    const int feld = std::clamp(roh, static_cast<int>(INT16_MIN), static_cast<int>(INT16_MAX));
    return static_cast<int>(std::round(static_cast<double>(feld) * 100.0 / SPEICHERBILD_PUMPE_VOLL));
}

int Speicherbild_PumpenwertKorrigieren(int v, int vorher) {
    long long w = v;
    w = w >= 0 ? (w + 5) / 10 * 10 : (w - 5) / 10 * 10;
    w = std::clamp<long long>(w, -PUMPE_MAX_PROZENT, PUMPE_MAX_PROZENT);
    if (w > 0 && w < PUMPE_ANLAUF_PROZENT) w = vorher < PUMPE_ANLAUF_PROZENT ? PUMPE_ANLAUF_PROZENT : 0;
    if (w < 0 && w > -PUMPE_ANLAUF_PROZENT) w = vorher > -PUMPE_ANLAUF_PROZENT ? -PUMPE_ANLAUF_PROZENT : 0;
    return static_cast<int>(w);
}

int Speicherbild_ObereGrenze(int gesetzt, int druck) {
    return gesetzt == 1 ? druck : SPEICHERBILD_KEINE_GRENZE;
}

int Speicherbild_UntereGrenze(int gesetzt, int druck) {
    return gesetzt == 1 ? druck : -SPEICHERBILD_KEINE_GRENZE;
}

int Speicherbild_VentilwortKodieren(const int offen[ANZAHL_VENTILE], const Ventilarten& arten) {
    int wort = 0;
    for (int v = 0; v < ANZAHL_VENTILE; ++v)
        if (Ventilart_Spule(arten[v], offen[v] != 0)) wort |= 1 << v;
    return wort;
}

void Speicherbild_VentilwortDekodieren(int wort, const Ventilarten& arten, int offen[ANZAHL_VENTILE]) {
    for (int v = 0; v < ANZAHL_VENTILE; ++v)
        offen[v] = Ventilart_Offen(arten[v], (wort >> v) & 1);
}
