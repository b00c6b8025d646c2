// Header shared by the data files: tag field and version.

#include "platform/files/Datei_Kopf.h"
#include "platform/sprache/textmarke.h"

#include "errors/VKR_errorV3.h"
#include "platform/files/le_bytes.h"

#include <algorithm>
#include <cstring>
#include <string>

void DateiKopf_Schreiben(unsigned char* bild, const char* art, int version) {
    std::memset(bild, 0, DATEIKOPF_TAGLAENGE);
    const std::string tag = std::string("VKRPLM1 ") + art;
    std::memcpy(bild, tag.data(), std::min<std::size_t>(tag.size(), DATEIKOPF_TAGLAENGE - 1));
    le32_setzen(bild + DATEIKOPF_TAGLAENGE, version);
}

KopfPruefung DateiKopf_Pruefen(const unsigned char* bild, const char* art, int version) {
    // The tag need not be zero-terminated within its field: compare at most 32 bytes.
    const std::string erwartet = std::string("VKRPLM1 ") + art;
    const auto* ende = static_cast<const unsigned char*>(std::memchr(bild, 0, DATEIKOPF_TAGLAENGE));
    const std::size_t laenge = ende ? static_cast<std::size_t>(ende - bild) : DATEIKOPF_TAGLAENGE;
    if (laenge != erwartet.size() || std::memcmp(bild, erwartet.data(), laenge) != 0)
        return KopfPruefung::FalscherTyp;
    const int gefunden = le32_lesen(bild + DATEIKOPF_TAGLAENGE);
    if (gefunden != version) {
        VKR_Fehleruserstring(
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "V %1 (erwartet V %2)"), gefunden, version).c_str());
        return KopfPruefung::FalscheVersion;
    }
    return KopfPruefung::Ok;
}
