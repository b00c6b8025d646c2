// Key transfer over the block transfers of the connection manager.

#include "keys/Tasten_Com.h"

#include "device/Gemeinsam_Com.h"
#include "device/Vkr_Com.h"
#include "keys/Tasten_Bereich.h"
#include "platform/ui/ui_melden.h"
#include "valves/Konfigarray.h"

#include <memory>
#include <new>
#include <string>

namespace {
std::unique_ptr<unsigned char[]> puffer() {
    return std::unique_ptr<unsigned char[]>(new (std::nothrow) unsigned char[TASTENSPEICHER_GROESSE]);
}

void speicherErstellen(bool invertiert, unsigned char* speicher) {
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        TastenCom_BlockErstellen(n, invertiert, speicher + n * TASTENBLOCK_GROESSE);
}
} // namespace

void TastenCom_BlockErstellen(int taste, bool invertiert, unsigned char* block) {
    Ventilarten arten;
    KonfigMain_VentilartenHolen(arten);
    TastenBlock_Kodieren(gTaste[taste], arten, invertiert, block);
}

void TastenCom_BlockAuswerten(const unsigned char* speicher) {
    Ventilarten arten;
    KonfigMain_VentilartenHolen(arten);
    std::string meldung = TastenBlock_Dekodieren(speicher, arten, gTaste);
    if (meldung.empty()) return;
    meldung += TASTEN_SPEICHERFEHLER_SCHLUSS;
    MessagePopup(TASTEN_SPEICHERFEHLER_TITEL, meldung.c_str());
}

Fehlercode TastenCom_Plm1Upload() {
    VkrCom_FehlermeldungSet(0);
    // A value outside its range would reach the unit cut to its field: nothing is sent then.
    if (const Fehlercode f = TastenBereich_Pruefen(gTaste)) return f;
    auto speicher = puffer();
    if (!speicher) return FEHLER_TASTEN_UPLOAD_PUFFER;
    speicherErstellen(false, speicher.get());
    Fehlercode fehler = GemCom_SpeicherdatenZuPLM1Senden(TASTENSPEICHER_ADRESSE, TASTENSPEICHER_GROESSE,
                                                         speicher.get(), 0, 50);
    // The inverted copy is only written over a good plain copy.
    if (fehler == 0) {
        speicherErstellen(true, speicher.get());
        fehler = GemCom_SpeicherdatenZuPLM1Senden(TASTENSPEICHER_INVERTIERT_ADRESSE, TASTENSPEICHER_GROESSE,
                                                  speicher.get(), 50, 100);
    }
    if (fehler != 0) VkrCom_FehlermeldungSet(fehler);
    return 0;
}

Fehlercode TastenCom_Plm1Download() {
    VkrCom_FehlermeldungSet(0);
    auto speicher = puffer();
    if (!speicher) return FEHLER_TASTEN_DOWNLOAD_PUFFER;
    const Fehlercode fehler =
        GemCom_SpeicherdatenVonPLM1Lesen(TASTENSPEICHER_ADRESSE, TASTENSPEICHER_GROESSE, speicher.get(), 1);
    if (fehler != 0) {
        VkrCom_FehlermeldungSet(fehler);
        return 0;
    }
    TastenCom_BlockAuswerten(speicher.get());
    return 0;
}
