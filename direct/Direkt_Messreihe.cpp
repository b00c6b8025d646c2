// The trend history as a ring: grows to its capacity, then overwrites its oldest point.

#include "direct/Direkt_Messreihe.h"

#include <algorithm>
#include <cmath>
#include <limits>

DirektMessreihe::DirektMessreihe(long kapazitaet) : kapazitaet_(std::max(1L, kapazitaet)) {}

void DirektMessreihe::hinzufuegen(double zeit, const double (&werte)[MESSREIHE_SPUREN]) {
    if (!std::isfinite(zeit)) return;
    if (anzahl_ > 0) zeit = std::max(zeit, this->zeit(anzahl_ - 1));
    Punkt p{zeit, {}};
    for (int s = 0; s < MESSREIHE_SPUREN; ++s)
        p.wert[s] = static_cast<float>(werte[s]);
    if (anzahl_ < kapazitaet_) {
        // Reserved whole: untouched pages cost no memory, and growing never copies the history.
        if (ring_.capacity() == 0) ring_.reserve(static_cast<std::size_t>(kapazitaet_));
        ring_.push_back(p);
        ++anzahl_;
        return;
    }
    ring_[static_cast<std::size_t>(anfang_)] = p;
    anfang_ = (anfang_ + 1) % kapazitaet_;
}

void DirektMessreihe::leeren() {
    ring_.clear();
    ring_.shrink_to_fit();
    anfang_ = 0;
    anzahl_ = 0;
}

const DirektMessreihe::Punkt* DirektMessreihe::punkt(long i) const {
    if (i < 0 || i >= anzahl_) return nullptr;
    return &ring_[static_cast<std::size_t>((anfang_ + i) % kapazitaet_)];
}

double DirektMessreihe::zeit(long i) const {
    const Punkt* p = punkt(i);
    return p ? p->zeit : std::numeric_limits<double>::quiet_NaN();
}

double DirektMessreihe::wert(long i, int spur) const {
    const Punkt* p = punkt(i);
    if (!p || spur < 0 || spur >= MESSREIHE_SPUREN) return std::numeric_limits<double>::quiet_NaN();
    return p->wert[spur];
}
