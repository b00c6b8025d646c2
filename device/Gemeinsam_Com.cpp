// Block transfers of unit memory in pieces of at most 64 bytes with the progress dialog.

#include "device/Gemeinsam_Com.h"
#include "platform/sprache/textmarke.h"

#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "platform/ui/ui_melden.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

namespace {

constexpr const char* TITEL_LESEN = QT_TRANSLATE_NOOP("Plm1", "Daten lesen");
constexpr const char* TITEL_SENDEN = QT_TRANSLATE_NOOP("Plm1", "Daten senden");
constexpr const char* TITEL_PRUEFEN = QT_TRANSLATE_NOOP("Plm1", "Daten prüfen");

// The dialog of several transfers in a row that is in scope, none when null.
GemComSammeldialog* gSammel = nullptr;

bool sammelnd() {
    return gSammel && gSammel->dialog() > 0;
}

// Closes its own dialog on every way out of a transfer; draws into the shared one instead when set.
class Fortschritt {
  public:
    Fortschritt(bool zeigen, const char* titel)
        : dialog_(!zeigen      ? -1
                  : sammelnd() ? gSammel->dialog()
                               : CreateProgressDialog(titel, titel, 1)),
          eigener_(zeigen && !sammelnd()) {}
    ~Fortschritt() {
        if (eigener_ && dialog_ >= 0) DiscardProgressDialog(dialog_);
    }
    Fortschritt(const Fortschritt&) = delete;
    Fortschritt& operator=(const Fortschritt&) = delete;
    void setzen(int prozent) {
        if (dialog_ < 0) return;
        prozent = std::clamp(prozent, 0, 100);
        if (!eigener_) prozent = gSammel->umrechnen(prozent);
        UpdateProgressDialog(dialog_, prozent);
    }

  private:
    int dialog_;
    bool eigener_;
};

} // namespace

namespace {

double anteilImBereich(double anteil, int fromPercent, int toPercent) {
    return fromPercent + anteil * (static_cast<double>(toPercent) - fromPercent) / 100.0;
}

// Reads in pieces of at most 64 bytes; the dialog moves from fromPercent to toPercent.
Fehlercode lesen(int port, int startAddress, int size, unsigned char* buffer, Fortschritt& dialog,
                 int fromPercent, int toPercent) {
    int adresse = startAddress;
    int rest = size;
    do {
        if (UI_BeendenAngefordert()) return FEHLER_ABBRUCH_DURCH_BENUTZER; // the program is ending
        const int stueck = std::min(rest, VKRPLM1_MAX_BLOCK);
        const Fehlercode f = VKRPLM1_SpeicherLesen(port, VkrCom_AdresseGet(), VKRPLM1_SPEICHERTYP, adresse,
                                                   stueck, buffer + (adresse - startAddress));
        if (f != KEIN_FEHLER) return f;
        if (stueck <= 0) break; // nothing to advance by (the driver refuses such sizes anyway)
        adresse += stueck;
        rest -= stueck;
        const double prozent = anteilImBereich(100.0 * (size - rest) / size, fromPercent, toPercent);
        dialog.setzen(static_cast<int>(std::clamp(prozent, 0.0, 100.0)));
    } while (rest > 0);
    return KEIN_FEHLER;
}

} // namespace

Fehlercode GemCom_SpeicherdatenVonPLM1Lesen(int startAddress, int size, unsigned char* buffer,
                                            int showProgress) {
    const int port = VkrCom_ComPortGet();
    if (port == 0) return FEHLER_BLOCK_LESEN_KEIN_PORT;
    Fortschritt dialog(showProgress != 0, TITEL_LESEN);
    return lesen(port, startAddress, size, buffer, dialog, 0, 100);
}

Fehlercode GemCom_SpeicherdatenMitPLM1Vergleichen(int startAddress, int size, const unsigned char* expected,
                                                  int fromPercent, int toPercent, int* firstDifference) {
    *firstDifference = -1;
    const int port = VkrCom_ComPortGet();
    if (port == 0) return FEHLER_BLOCK_LESEN_KEIN_PORT;
    if (size <= 0) return KEIN_FEHLER;
    std::vector<unsigned char> gelesen;
    try {
        gelesen.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return FEHLER_BLOCK_PRUEFEN_PUFFER;
    }
    Fortschritt dialog(true, TITEL_PRUEFEN);
    if (const Fehlercode f = lesen(port, startAddress, size, gelesen.data(), dialog, fromPercent, toPercent))
        return f;
    const auto abweichung = std::mismatch(gelesen.begin(), gelesen.end(), expected);
    if (abweichung.first != gelesen.end())
        *firstDifference = startAddress + static_cast<int>(abweichung.first - gelesen.begin());
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
        if (UI_BeendenAngefordert()) return FEHLER_ABBRUCH_DURCH_BENUTZER; // the program is ending
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

GemComSammeldialog::GemComSammeldialog(const char* titel)
    : dialog_(CreateProgressDialog(titel, titel, 1)), vorher_(gSammel) {
    gSammel = this;
}

GemComSammeldialog::~GemComSammeldialog() {
    gSammel = vorher_;
    if (dialog_ > 0) DiscardProgressDialog(dialog_);
}

void GemComSammeldialog::bereichSetzen(int fromPercent, int toPercent) {
    von_ = fromPercent;
    bis_ = toPercent;
}

void GemComSammeldialog::setzen(int prozent) const {
    UpdateProgressDialog(dialog_, prozent);
}
