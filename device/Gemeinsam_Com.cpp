// Block transfers of unit memory in pieces of at most 64 bytes with the progress dialog.

#include "device/Gemeinsam_Com.h"

#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "platform/ui_melden.h"

#include <algorithm>

namespace {

constexpr const char* TITEL_LESEN = "Daten lesen";
constexpr const char* TITEL_SENDEN = "Daten senden";

// Closes the dialog on every way out of a transfer.
class Fortschritt {
  public:
    Fortschritt(bool zeigen, const char* titel)
        : dialog_(zeigen ? CreateProgressDialog(titel, titel, 1) : -1) {}
    ~Fortschritt() {
        if (dialog_ >= 0) DiscardProgressDialog(dialog_);
    }
    Fortschritt(const Fortschritt&) = delete;
    Fortschritt& operator=(const Fortschritt&) = delete;
    void setzen(int prozent) {
        if (dialog_ >= 0) UpdateProgressDialog(dialog_, std::clamp(prozent, 0, 100));
    }

  private:
    int dialog_;
};

} // namespace

Fehlercode GemCom_SpeicherdatenVonPLM1Lesen(int startAddress, int size, unsigned char* buffer,
                                            int showProgress) {
    const int port = VkrCom_ComPortGet();
    if (port == 0) return FEHLER_BLOCK_LESEN_KEIN_PORT;
    Fortschritt dialog(showProgress != 0, TITEL_LESEN);

    int adresse = startAddress;
    int rest = size;
    do {
        const int stueck = std::min(rest, VKRPLM1_MAX_BLOCK);
        const Fehlercode f = VKRPLM1_SpeicherLesen(port, VkrCom_AdresseGet(), VKRPLM1_SPEICHERTYP, adresse,
                                                   stueck, buffer + (adresse - startAddress));
        if (f != KEIN_FEHLER) return f;
        if (stueck <= 0) break; // nothing to advance by (the driver refuses such sizes anyway)
        adresse += stueck;
        rest -= stueck;
        dialog.setzen(static_cast<int>(100LL * (size - rest) / size));
    } while (rest > 0);
    return KEIN_FEHLER;
}

Fehlercode GemCom_SpeicherdatenZuPLM1Senden(int startAddress, int size, const unsigned char* data,
                                            int fromPercent, int toPercent) {
    const int port = VkrCom_ComPortGet();
    if (port == 0) return FEHLER_BLOCK_SENDEN_KEIN_PORT;
    Fortschritt dialog(true, TITEL_SENDEN);

    int adresse = startAddress;
    int rest = size;
    do {
        // A piece never crosses a 64-byte boundary of the unit's memory.
        const int versatz = ((adresse % VKRPLM1_MAX_BLOCK) + VKRPLM1_MAX_BLOCK) % VKRPLM1_MAX_BLOCK;
        const int stueck = std::min(rest, VKRPLM1_MAX_BLOCK - versatz);
        const Fehlercode f = VKRPLM1_SpeicherSchreiben(port, VkrCom_AdresseGet(), VKRPLM1_SPEICHERTYP,
                                                       adresse, stueck, data + (adresse - startAddress));
        if (f != KEIN_FEHLER) return f;
        if (stueck <= 0) {
            dialog.setzen(100); // an empty block is complete at once
            break;
        }
        rest -= stueck;
        const double anteil = 100.0 * (size - rest) / size;
        const double prozent = fromPercent + anteil * (static_cast<double>(toPercent) - fromPercent) / 100.0;
        dialog.setzen(static_cast<int>(std::clamp(prozent, 0.0, 100.0)));
        adresse += stueck;
    } while (rest > 0);
    return KEIN_FEHLER;
}
