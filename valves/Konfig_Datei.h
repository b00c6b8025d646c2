#pragma once
// The *.plc file of the valve kinds (124 bytes): save and load through the file dialog, and the byte image.

#include "errors/VKR_Fehlercodes.h"
#include "valves/Ventilarten.h"

#include <string>

constexpr int KONFIGDATEI_GROESSE = 124;

void KonfigDatei_DateinameZuruecksetzen();
[[nodiscard]] Fehlercode KonfigDatei_Speichern();
[[nodiscard]] Fehlercode KonfigDatei_Laden();
// The same without the dialog: gKonfig to / from the file at `pfad`.
[[nodiscard]] Fehlercode KonfigDatei_SpeichernNach(const std::string& pfad);
[[nodiscard]] Fehlercode KonfigDatei_LadenAus(const std::string& pfad);

// Image of gKonfig and gKonfigAuswahl; and checking an image of `laenge` bytes, taking its valve kinds
// into arten on success (codes of the load: -304705, -302706, -303707).
void KonfigDatei_BildErstellen(unsigned char bild[KONFIGDATEI_GROESSE]);
[[nodiscard]] Fehlercode KonfigDatei_BildAuswerten(const unsigned char* bild, int laenge, Ventilarten& arten);
