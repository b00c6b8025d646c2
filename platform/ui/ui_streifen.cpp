// Strip chart: draws the visible span of a caller's history with QPainter, at most a few points per pixel
// column (minimum and maximum of each column), so 8 hours of history cost no more than a few minutes.

#include "platform/ui/ui_streifen.h"

#include "platform/ui/ui_intern.h"

#include <QDateTime>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

using namespace uiint;

namespace uiint {

QWidget* streifenNeu(QWidget* eltern); // for building the control (ui_ctrl.cpp)

class StreifenWidget : public QWidget {
  public:
    explicit StreifenWidget(QWidget* eltern) : QWidget(eltern) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::ClickFocus);
    }

    struct Spur {
        QColor farbe = Qt::black;
        bool gestrichelt = false;
        QString name;
    };
    const StripChartQuelle* quelle = nullptr;
    std::vector<Spur> spuren;
    QString einheit; // over the value labels
    double spanne = 60;
    bool angehalten = false;
    double ende = 0; // time at the right edge while held

    double ansichtEnde() const {
        if (angehalten) return ende;
        if (quelle && quelle->anzahl() > 0) return quelle->zeit(quelle->anzahl() - 1);
        return QDateTime::currentMSecsSinceEpoch() / 1000.0;
    }
    void verschieben(double sekunden) {
        if (!angehalten || !quelle || quelle->anzahl() == 0) return;
        const double erstes = quelle->zeit(0), letztes = quelle->zeit(quelle->anzahl() - 1);
        ende = std::clamp(ende + sekunden, std::min(erstes + spanne, letztes), letztes);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override { zieheVon_ = e->position().x(); }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!(e->buttons() & Qt::LeftButton)) return;
        const double dx = e->position().x() - zieheVon_;
        zieheVon_ = e->position().x();
        if (flaeche_.width() > 0) verschieben(-dx * spanne / flaeche_.width());
    }
    void wheelEvent(QWheelEvent* e) override {
        verschieben(-e->angleDelta().y() / 120.0 * spanne / 10);
        e->accept();
    }

  private:
    // Per column of the chart and trace: first, lowest, highest and last value, and whether a gap is in it.
    struct Spalte {
        double erster = std::numeric_limits<double>::quiet_NaN(), letzter = erster;
        double tief = std::numeric_limits<double>::infinity(), hoch = -tief;
        bool luecke = false;
        bool fertig = false; // no more points can fall into it
    };
    const std::vector<Spalte>& spalte(long long k); // every trace's
    // What one paint shows: its columns (every trace's, left to right), their times and the value range.
    struct Ansicht {
        int spalten = 0;
        double t0 = 0, t1 = 0;
        double y0 = 0, y1 = 0;
        std::vector<const std::vector<Spalte>*> sichtbar;
    };
    Ansicht ansichtBestimmen();
    void wertebereichBestimmen(Ansicht& a) const;
    double yVon(const Ansicht& a, double v) const; // row of value v in the plot area
    void werteRasterZeichnen(QPainter& p, const Ansicht& a);
    void zeitRasterZeichnen(QPainter& p, const Ansicht& a);
    void spurenZeichnen(QPainter& p, const Ansicht& a);
    // Draws trace `spur` over the visible columns, left to right.
    void spurZeichnen(QPainter& p, int spur, const Ansicht& a);
    void kopfzeileZeichnen(QPainter& p);
    std::map<long long, std::vector<Spalte>> spalten_; // by column k: [k, k+1) * spaltenSekunden_
    double spaltenSekunden_ = 0;
    const StripChartQuelle* gespeichertVon_ = nullptr;
    std::size_t gespeicherteSpuren_ = 0;
    QRectF flaeche_;
    double zieheVon_ = 0;
};

} // namespace uiint

namespace {

constexpr int RAND_LINKS = 52; // room for the pressure labels
constexpr int RAND_UNTEN = 20; // room for the time labels
constexpr int RAND_OBEN = 18;  // room for the legend
constexpr int RAND_RECHTS = 8;
constexpr double MIN_WERTEBEREICH = 100;
constexpr double ZEITSCHRITTE_S[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600};
constexpr int ZEITMARKEN = 6;
const QColor RASTER(0xDD, 0xDD, 0xDD);

StreifenWidget* streifen(int panel, int control) {
    Ctrl* c = ctrl(panel, control);
    return c ? dynamic_cast<StreifenWidget*>(c->w.data()) : nullptr;
}

// First index whose time is >= t (points have rising times).
long erstesAb(const StripChartQuelle& q, double t) {
    long lo = 0, hi = q.anzahl();
    while (lo < hi) {
        const long mitte = lo + (hi - lo) / 2;
        if (q.zeit(mitte) < t)
            lo = mitte + 1;
        else
            hi = mitte;
    }
    return lo;
}

// A step of 1, 2 or 5 times a power of ten giving about `teile` divisions of `bereich`.
double runderSchritt(double bereich, int teile) {
    const double roh = bereich / teile;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * zehner >= roh) return f * zehner;
    return 10 * zehner;
}

} // namespace

const std::vector<StreifenWidget::Spalte>& StreifenWidget::spalte(long long k) {
    auto& eintrag = spalten_[k];
    const double anfang = k * spaltenSekunden_, ende = anfang + spaltenSekunden_;
    const long n = quelle->anzahl();
    const double neueste = n > 0 ? quelle->zeit(n - 1) : 0;
    if (eintrag.empty() || !eintrag.front().fertig) {
        // Column k holds the points with times in [anfang, ende); it is final once a later point exists.
        eintrag.assign(spuren.size(), Spalte{});
        const long von = erstesAb(*quelle, anfang), bis = erstesAb(*quelle, ende);
        for (std::size_t s = 0; s < spuren.size(); ++s) {
            Spalte& c = eintrag[s];
            c.fertig = neueste >= ende;
            for (long i = von; i < bis; ++i) {
                const double v = quelle->wert(i, static_cast<int>(s));
                if (std::isnan(v)) {
                    c.luecke = true;
                    continue;
                }
                if (std::isnan(c.erster)) c.erster = v;
                c.letzter = v;
                c.tief = std::min(c.tief, v);
                c.hoch = std::max(c.hoch, v);
            }
        }
    }
    return eintrag;
}

void StreifenWidget::spurZeichnen(QPainter& p, int spur, const Ansicht& a) {
    const auto yGerundet = [&](double v) { return std::round(yVon(a, v)); };
    const auto& sp = spuren[static_cast<std::size_t>(spur)];
    QPolygonF linie;
    const auto zeichnen = [&] {
        if (linie.size() == 1) linie << linie.front() + QPointF(1, 0); // a lone point still shows
        if (!linie.isEmpty()) p.drawPolyline(linie);
        linie.clear();
    };
    // A point; one on the same row as the two before only lengthens the level run they make.
    const auto dazu = [&](double x, double y) {
        const int n = static_cast<int>(linie.size());
        if (n >= 2 && linie[n - 1].y() == y && linie[n - 2].y() == y)
            linie[n - 1].setX(x);
        else
            linie << QPointF(x, y);
    };
    // One-pixel cosmetic pens take Qt's fast line path.
    QPen stift(sp.farbe, 1);
    stift.setCosmetic(true);
    if (sp.gestrichelt) stift.setStyle(Qt::DashLine);
    p.setPen(stift);
    // Each column draws the range of its points' values.
    for (std::size_t i = 0; i < a.sichtbar.size(); ++i) {
        const Spalte& c = (*a.sichtbar[i])[static_cast<std::size_t>(spur)];
        if (c.luecke) zeichnen(); // a missing value breaks the line; a column without points does not
        if (std::isnan(c.erster)) continue;
        const double x = flaeche_.left() + i;
        // At one pixel a column is its span from lowest to highest, entered at the end nearer its first
        // value.
        const bool abwaerts = std::abs(c.erster - c.hoch) < std::abs(c.erster - c.tief);
        dazu(x, yGerundet(abwaerts ? c.hoch : c.tief));
        if (c.hoch > c.tief) dazu(x, yGerundet(abwaerts ? c.tief : c.hoch));
    }
    zeichnen();
}

// Columns of whole pixels fixed in time, so a column once complete is summed up only once.
StreifenWidget::Ansicht StreifenWidget::ansichtBestimmen() {
    Ansicht a;
    a.spalten = static_cast<int>(flaeche_.width());
    const double sekunden = spanne / a.spalten;
    if (sekunden != spaltenSekunden_ || quelle != gespeichertVon_ || spuren.size() != gespeicherteSpuren_) {
        spalten_.clear();
        spaltenSekunden_ = sekunden;
        gespeichertVon_ = quelle;
        gespeicherteSpuren_ = spuren.size();
    }
    const long long kEnde = static_cast<long long>(std::floor(ansichtEnde() / sekunden));
    const long long k0 = kEnde - a.spalten + 1;
    a.t0 = k0 * sekunden;
    a.t1 = a.t0 + spanne;
    spalten_.erase(spalten_.begin(),
                   spalten_.lower_bound(k0 - a.spalten)); // keep one width for looking back
    if (quelle && quelle->anzahl() > 0 && quelle->zeit(0) > a.t0)
        spalten_.erase(spalten_.begin(),
                       spalten_.upper_bound(static_cast<long long>(quelle->zeit(0) / sekunden)));
    if (quelle)
        for (int i = 0; i < a.spalten; ++i)
            a.sichtbar.push_back(&spalte(k0 + i));
    wertebereichBestimmen(a);
    return a;
}

// The values of the visible columns with a tenth of room above and below, at least MIN_WERTEBEREICH.
void StreifenWidget::wertebereichBestimmen(Ansicht& a) const {
    double y0 = std::numeric_limits<double>::infinity(), y1 = -y0;
    for (const std::vector<Spalte>* jeSpur : a.sichtbar)
        for (const Spalte& c : *jeSpur) {
            if (std::isnan(c.erster)) continue;
            y0 = std::min(y0, c.tief);
            y1 = std::max(y1, c.hoch);
        }
    if (!(y0 <= y1)) y0 = y1 = 0;
    const double mitte = (y0 + y1) / 2;
    const double halb = std::max((y1 - y0) / 2 * 1.1, MIN_WERTEBEREICH / 2);
    a.y0 = mitte - halb;
    a.y1 = mitte + halb;
}

double StreifenWidget::yVon(const Ansicht& a, double v) const {
    return flaeche_.bottom() - (v - a.y0) / (a.y1 - a.y0) * flaeche_.height();
}

// Grid rows on round values, labelled left of the plot area.
void StreifenWidget::werteRasterZeichnen(QPainter& p, const Ansicht& a) {
    const double dy = runderSchritt(a.y1 - a.y0, 5);
    for (double v = std::ceil(a.y0 / dy) * dy; v <= a.y1; v += dy) {
        const double y = yVon(a, v);
        p.setPen(RASTER);
        p.drawLine(QPointF(flaeche_.left(), y), QPointF(flaeche_.right(), y));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRectF(0, y - 8, RAND_LINKS - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QLocale().toString(v, 'f', 0));
    }
}

// Time marks on whole clock steps, about six across, labelled below the plot area.
void StreifenWidget::zeitRasterZeichnen(QPainter& p, const Ansicht& a) {
    double dt = ZEITSCHRITTE_S[std::size(ZEITSCHRITTE_S) - 1];
    for (double schritt : ZEITSCHRITTE_S)
        if (schritt * ZEITMARKEN >= spanne) {
            dt = schritt;
            break;
        }
    for (double t = std::ceil(a.t0 / dt) * dt; t <= a.t1; t += dt) {
        const double x = flaeche_.left() + (t - a.t0) / spanne * flaeche_.width();
        p.setPen(RASTER);
        p.drawLine(QPointF(x, flaeche_.top()), QPointF(x, flaeche_.bottom()));
        p.setPen(palette().color(QPalette::WindowText));
        const QString text =
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(t * 1000)).toString("HH:mm:ss");
        const double w = p.fontMetrics().horizontalAdvance(text) + 4;
        const double links = std::clamp(x - w / 2, 0.0, std::max(0.0, width() - w)); // never cut at the edges
        p.drawText(QRectF(links, flaeche_.bottom() + 2, w, RAND_UNTEN - 2), Qt::AlignHCenter | Qt::AlignTop,
                   text);
    }
}

// Every trace clipped to the plot area, then its frame.
void StreifenWidget::spurenZeichnen(QPainter& p, const Ansicht& a) {
    p.save();
    p.setClipRect(flaeche_);
    // Plain lines: an antialiased or curved path costs far more than a poll's worth of time here.
    if (quelle)
        for (std::size_t s = 0; s < spuren.size(); ++s)
            spurZeichnen(p, static_cast<int>(s), a);
    p.restore();
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.drawRect(flaeche_);
}

// Unit over the value labels, legend along the top edge; "angehalten" while the view holds.
void StreifenWidget::kopfzeileZeichnen(QPainter& p) {
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(0, 0, RAND_LINKS - 4, RAND_OBEN), Qt::AlignRight | Qt::AlignVCenter, einheit);
    double x = flaeche_.left();
    for (const Spur& s : spuren) {
        if (s.name.isEmpty()) continue;
        QPen stift(s.farbe, 2);
        if (s.gestrichelt) stift.setStyle(Qt::DashLine);
        p.setPen(stift);
        p.drawLine(QPointF(x, RAND_OBEN / 2.0), QPointF(x + 18, RAND_OBEN / 2.0));
        p.setPen(palette().color(QPalette::WindowText));
        const int w = p.fontMetrics().horizontalAdvance(s.name);
        p.drawText(QRectF(x + 22, 0, w + 4, RAND_OBEN), Qt::AlignLeft | Qt::AlignVCenter, s.name);
        x += 22 + w + 16;
    }
    if (angehalten) {
        p.setPen(QColor(0xB0, 0x50, 0x00));
        p.drawText(QRectF(flaeche_.left(), 0, flaeche_.width(), RAND_OBEN), Qt::AlignRight | Qt::AlignVCenter,
                   Sprache_Text(QT_TRANSLATE_NOOP("Plm1", "angehalten")));
    }
}

void StreifenWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    flaeche_ = QRectF(RAND_LINKS, RAND_OBEN, std::max(1, width() - RAND_LINKS - RAND_RECHTS),
                      std::max(1, height() - RAND_OBEN - RAND_UNTEN));
    p.fillRect(flaeche_, Qt::white);
    const Ansicht a = ansichtBestimmen();
    QFont klein = font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    p.setFont(klein);
    werteRasterZeichnen(p, a);
    zeitRasterZeichnen(p, a);
    spurenZeichnen(p, a);
    kopfzeileZeichnen(p);
}

QWidget* uiint::streifenNeu(QWidget* eltern) {
    return new StreifenWidget(eltern);
}

int SetStripChartSource(int panel, int control, const StripChartQuelle* quelle, int spuren) {
    StreifenWidget* w = streifen(panel, control);
    if (!w) return ctrlFehler(panel, control);
    if (spuren < 0 || spuren > STRIPCHART_MAX_SPUREN || (quelle == nullptr && spuren != 0))
        return FEHLER_WERT;
    w->quelle = quelle;
    w->spuren.resize(static_cast<std::size_t>(spuren));
    w->update();
    return 0;
}

int SetStripChartTrace(int panel, int control, int spur, int color, int dashed, const char* name) {
    StreifenWidget* w = streifen(panel, control);
    if (!w) return ctrlFehler(panel, control);
    if (spur < 0 || spur >= static_cast<int>(w->spuren.size())) return FEHLER_WERT;
    auto& s = w->spuren[static_cast<std::size_t>(spur)];
    s.farbe = farbe(color);
    s.gestrichelt = dashed != 0;
    s.name = Sprache_Text(name);
    w->update();
    return 0;
}

int SetStripChartUnit(int panel, int control, const char* einheit) {
    StreifenWidget* w = streifen(panel, control);
    if (!w) return ctrlFehler(panel, control);
    if (!einheit) return FEHLER_WERT;
    w->einheit = QString::fromUtf8(einheit);
    w->update();
    return 0;
}

int SetStripChartSpan(int panel, int control, double sekunden) {
    StreifenWidget* w = streifen(panel, control);
    if (!w) return ctrlFehler(panel, control);
    if (!(sekunden > 0) || !std::isfinite(sekunden)) return FEHLER_WERT;
    w->spanne = sekunden;
    w->verschieben(0); // a held view stays within the history
    w->update();
    return 0;
}

int SetStripChartPaused(int panel, int control, int paused) {
    StreifenWidget* w = streifen(panel, control);
    if (!w) return ctrlFehler(panel, control);
    if (paused && !w->angehalten) w->ende = w->ansichtEnde();
    w->angehalten = paused != 0;
    w->update();
    return 0;
}

int RefreshStripChart(int panel, int control) {
    StreifenWidget* w = streifen(panel, control);
    if (!w) return ctrlFehler(panel, control);
    if (!w->angehalten) w->update();
    return 0;
}

int GetStripChartViewEnd(int panel, int control, double* ende) {
    StreifenWidget* w = streifen(panel, control);
    if (!w) return ctrlFehler(panel, control);
    if (ende) *ende = w->ansichtEnde();
    return 0;
}
