#pragma once
// Block transfers of unit memory of any size in pieces of at most 64 bytes, with a progress dialog, on the
// connection manager's open port and device address.

#include "errors/VKR_Fehlercodes.h"

[[nodiscard]] Fehlercode GemCom_SpeicherdatenVonPLM1Lesen(int startAddress, int size, unsigned char* buffer,
                                                          int showProgress);
[[nodiscard]] Fehlercode GemCom_SpeicherdatenZuPLM1Senden(int startAddress, int size,
                                                          const unsigned char* data, int fromPercent,
                                                          int toPercent);
// Reads `size` bytes from the unit at `startAddress` under the "Daten prüfen" dialog (moving from
// fromPercent to toPercent) and compares them with `expected`. *firstDifference is the unit address of the
// first byte that differs, or -1 when all match; it is only meaningful when 0 is returned.
[[nodiscard]] Fehlercode GemCom_SpeicherdatenMitPLM1Vergleichen(int startAddress, int size,
                                                                const unsigned char* expected,
                                                                int fromPercent, int toPercent,
                                                                int* firstDifference);
// One progress dialog over several transfers in a row: while it lives, every transfer draws its progress
// into it, within the range last set, instead of opening its own; it closes when it goes out of scope.
class GemComSammeldialog {
  public:
    explicit GemComSammeldialog(const char* titel);
    ~GemComSammeldialog();
    GemComSammeldialog(const GemComSammeldialog&) = delete;
    GemComSammeldialog& operator=(const GemComSammeldialog&) = delete;
    // The part of the bar the next transfers fill.
    void bereichSetzen(int fromPercent, int toPercent);
    void setzen(int prozent) const;
    // Where a transfer's own 0..100 lands on the bar.
    [[nodiscard]] int umrechnen(int prozent) const { return von_ + prozent * (bis_ - von_) / 100; }
    [[nodiscard]] int dialog() const { return dialog_; }

  private:
    int dialog_;
    int von_ = 0, bis_ = 100;
    GemComSammeldialog* vorher_; // the one this one hides, while nested
};
