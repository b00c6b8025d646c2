#pragma once
// Strip chart control (CtrlArt::Streifenschreiber): traces over time drawn from a history the caller keeps,
// scrolling with the newest point; the operator picks the visible span and may hold the scrolling to look
// back (then dragging or the wheel moves the view). All calls belong to the user-interface thread.

// The history a strip chart shows: points with rising times (seconds), several traces per point.
class StripChartQuelle {
  public:
    virtual ~StripChartQuelle() = default;
    virtual long anzahl() const = 0;                 // points, oldest first
    virtual double zeit(long i) const = 0;           // seconds since the epoch, rising with i
    virtual double wert(long i, int spur) const = 0; // NaN: no value here (a gap in the trace)
};

// Any history with the same three calls (a plain data class that knows no windows) as a chart's source.
template <class Reihe> class StripChartQuelleVon : public StripChartQuelle {
  public:
    explicit StripChartQuelleVon(const Reihe& reihe) : reihe_(reihe) {}
    long anzahl() const override { return reihe_.anzahl(); }
    double zeit(long i) const override { return reihe_.zeit(i); }
    double wert(long i, int spur) const override { return reihe_.wert(i, spur); }

  private:
    const Reihe& reihe_;
};

constexpr int STRIPCHART_MAX_SPUREN = 8;

// The chart draws from `quelle` (kept by the caller, nullptr for none) with `spuren` traces.
int SetStripChartSource(int panel, int control, const StripChartQuelle* quelle, int spuren);
// Trace `spur`: colour 0xRRGGBB, dashed or solid, and its name in the legend (empty: not listed).
int SetStripChartTrace(int panel, int control, int spur, int color, int dashed, const char* name);
// The unit of the values, shown over their labels (empty: none).
int SetStripChartUnit(int panel, int control, const char* einheit);
// Seconds of history across the chart's width (> 0).
int SetStripChartSpan(int panel, int control, double sekunden);
// 1: the view holds where it is (the operator scrolls it); 0: it follows the newest point again.
int SetStripChartPaused(int panel, int control, int paused);
// New points in the history: repaints (and scrolls unless paused).
int RefreshStripChart(int panel, int control);
// Newest time at the chart's right edge (seconds since the epoch); for tests and screenshots.
int GetStripChartViewEnd(int panel, int control, double* ende);
