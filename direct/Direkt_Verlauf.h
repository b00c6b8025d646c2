#pragma once
// The direct window's trend history: a bounded ring of the polled actual pressures and the active limits
// (8 hours at the 0.5 s poll), oldest first; it is the strip chart's data source. No Qt.

#include "platform/ui/ui_streifen.h"

#include <vector>

constexpr double DIREKTVERLAUF_DAUER_S = 8 * 3600.0;
constexpr double DIREKTVERLAUF_TAKT_S = 0.5;
constexpr long DIREKTVERLAUF_KAPAZITAET = static_cast<long>(DIREKTVERLAUF_DAUER_S / DIREKTVERLAUF_TAKT_S);

// Traces of a point: both actual pressures, then per circuit the upper and the lower limit (NaN while off).
enum DirektVerlaufSpur : int {
    VERLAUF_DRUCK1,
    VERLAUF_DRUCK2,
    VERLAUF_OBEN1,
    VERLAUF_UNTEN1,
    VERLAUF_OBEN2,
    VERLAUF_UNTEN2,
    VERLAUF_SPUREN
};

class DirektVerlauf : public StripChartQuelle {
  public:
    explicit DirektVerlauf(long kapazitaet = DIREKTVERLAUF_KAPAZITAET);

    // Appends a point; once full, the oldest one goes. A time before the last point's counts as the
    // last point's (a clock set back does not unsort the ring).
    void hinzufuegen(double zeit, const double (&werte)[VERLAUF_SPUREN]);
    void leeren();
    long kapazitaet() const { return kapazitaet_; }

    long anzahl() const override { return anzahl_; }
    double zeit(long i) const override;
    double wert(long i, int spur) const override; // NaN outside

  private:
    struct Punkt {
        double zeit;
        float wert[VERLAUF_SPUREN]; // mbar fits a float's precision
    };
    const Punkt* punkt(long i) const;

    long kapazitaet_;
    std::vector<Punkt> ring_;
    long anfang_ = 0;
    long anzahl_ = 0;
};
