// Texts of values outside their range, for the refusal of an upload and the note after a load.

#include "device/Wertebereich.h"
#include "platform/sprache/textmarke.h"

#include <algorithm>

std::string Wertebereich_Text(const std::string& ort, int64_t wert, Wertebereich b) {
    return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1: %2 (erlaubt %3 bis %4)"), ort, wert, b.min, b.max);
}

std::string Wertebereich_AenderungText(const std::string& ort, int64_t alt, int64_t neu) {
    return ort + ": " + std::to_string(alt) + " \xE2\x86\x92 " + std::to_string(neu);
}

std::string Wertebereich_Hinweis(const std::string& zeilen, int maxZeilen) {
    std::string text =
        Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Werte außerhalb ihres Bereichs wurden angepasst:")) + "\n";
    int anzahl = 0;
    std::size_t pos = 0;
    while (pos < zeilen.size()) {
        const std::size_t ende = std::min(zeilen.find('\n', pos), zeilen.size());
        if (anzahl < maxZeilen) text += zeilen.substr(pos, ende - pos) + "\n";
        ++anzahl;
        pos = ende + 1;
    }
    if (anzahl > maxZeilen)
        text += Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "… und %1 weitere"), anzahl - maxZeilen) + "\n";
    return text;
}
