#pragma once
// The range a stored value must lie in before it may go to the unit: the check, bringing a value into
// range, and the text that names a value outside it. The key and cycle tables of ranges build on it.

#include "platform/sprache/textmarke.h"
#include <cstdint>
#include <string>

struct Wertebereich {
    int32_t min;
    int32_t max;
};

constexpr Wertebereich WERTEBEREICH_SCHALTER{0, 1};

constexpr bool Wertebereich_Enthaelt(Wertebereich b, int64_t wert) {
    return wert >= b.min && wert <= b.max;
}

// The nearest value in range; a switch (0..1) is on for any value but 0, as the window shows it.
constexpr int32_t Wertebereich_Einpassen(Wertebereich b, int32_t wert) {
    if (b.min == WERTEBEREICH_SCHALTER.min && b.max == WERTEBEREICH_SCHALTER.max) return wert != 0 ? 1 : 0;
    return wert < b.min ? b.min : wert > b.max ? b.max : wert;
}

// "<ort>: <wert> (erlaubt <min> bis <max>)".
std::string Wertebereich_Text(const std::string& ort, int64_t wert, Wertebereich b);
// "<ort>: <alt> -> <neu>", a line of the note that a loaded file was brought into range.
std::string Wertebereich_AenderungText(const std::string& ort, int64_t alt, int64_t neu);

constexpr const char* WERTEBEREICH_HINWEIS_TITEL = QT_TRANSLATE_NOOP("Plm1", "Werte angepasst");
constexpr int WERTEBEREICH_HINWEIS_ZEILEN = 12;

// The note shown after a load that changed values: a head line, at most `zeilen` of the lines, and how
// many more there were.
std::string Wertebereich_Hinweis(const std::string& zeilen, int maxZeilen);
