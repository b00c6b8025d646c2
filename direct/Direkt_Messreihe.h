#pragma once
// The direct window's trend history: a bounded ring of the polled actual pressures and the active limits
// (8 hours at the 0.5 s poll), oldest first; the window's strip chart draws from it. No Qt.

#include <vector>

constexpr double DIREKTMESSREIHE_DAUER_S = 8 * 3600.0;
constexpr double DIREKTMESSREIHE_TAKT_S = 0.5;
constexpr long DIREKTMESSREIHE_KAPAZITAET =
    static_cast<long>(DIREKTMESSREIHE_DAUER_S / DIREKTMESSREIHE_TAKT_S);

// Traces of a point: both actual pressures, then per circuit the upper and the lower limit (NaN while off).
enum DirektMessreiheSpur : int {
    MESSREIHE_DRUCK1,
    MESSREIHE_DRUCK2,
    MESSREIHE_OBEN1,
    MESSREIHE_UNTEN1,
    MESSREIHE_OBEN2,
    MESSREIHE_UNTEN2,
    MESSREIHE_SPUREN
};

class DirektMessreihe {
  public:
    explicit DirektMessreihe(long kapazitaet = DIREKTMESSREIHE_KAPAZITAET);

    // Appends a point; once full, the oldest one goes. A time before the last point's counts as the
    // last point's (a clock set back does not unsort the ring).
    void hinzufuegen(double zeit, const double (&werte)[MESSREIHE_SPUREN]);
    void leeren();
    long kapazitaet() const { return kapazitaet_; }

    long anzahl() const { return anzahl_; }
    double zeit(long i) const;           // NaN outside
    double wert(long i, int spur) const; // NaN outside

  private:
    struct Punkt {
        double zeit;
        float wert[MESSREIHE_SPUREN]; // mbar fits a float's precision
    };
    const Punkt* punkt(long i) const;

    long kapazitaet_;
    std::vector<Punkt> ring_;
    long anfang_ = 0;
    long anzahl_ = 0;
};
