// Texts of values outside their range, for the refusal of an upload and the note after a load.

#include "device/Wertebereich.h"

#include <algorithm>

std::string Wertebereich_Text(const std::string& ort, int64_t wert, Wertebereich b) {
    return ort + ": " + std::to_string(wert) + " (erlaubt " + std::to_string(b.min) + " bis " +
           std::to_string(b.max) + ")";
}

std::string Wertebereich_AenderungText(const std::string& ort, int64_t alt, int64_t neu) {
    return ort + ": " + std::to_string(alt) + " \xE2\x86\x92 " + std::to_string(neu);
}

std::string Wertebereich_Hinweis(const std::string& zeilen, int maxZeilen) {
    std::string text = "Werte außerhalb ihres Bereichs wurden angepasst:\n";
    int anzahl = 0;
    std::size_t pos = 0;
    while (pos < zeilen.size()) {
        const std::size_t ende = std::min(zeilen.find('\n', pos), zeilen.size());
        if (anzahl < maxZeilen) text += zeilen.substr(pos, ende - pos) + "\n";
        ++anzahl;
        pos = ende + 1;
    }
    if (anzahl > maxZeilen) text += "… und " + std::to_string(anzahl - maxZeilen) + " weitere\n";
    return text;
}
