// Placement rules of windows and popups on their screen, free of any window so that they can be checked
// on their own.

#include "platform/ui/ui_lage.h"

#include <algorithm>

namespace {
// Close, maximise and minimise buttons, the window icon and the gaps between them in common title bars.
constexpr int TITELLEISTE_KNOEPFE = 140;
} // namespace

QRect UiLage_Einpassen(const QRect& rahmen, const QRect& frei) {
    if (frei.isEmpty()) return rahmen;
    QRect r(rahmen.topLeft(), rahmen.size().boundedTo(frei.size()));
    r.moveLeft(std::clamp(r.left(), frei.left(), frei.left() + frei.width() - r.width()));
    r.moveTop(std::clamp(r.top(), frei.top(), frei.top() + frei.height() - r.height()));
    return r;
}

QRect UiLage_Zentrieren(const QSize& groesse, const QRect& ueber, const QRect& frei) {
    QRect r(QPoint(0, 0), groesse);
    r.moveCenter(ueber.center());
    return UiLage_Einpassen(r, frei);
}

QSize UiLage_Mindestgroesse(const QSize& voll, const QRect& frei, const QMargins& rand, int balken) {
    if (frei.isEmpty()) return voll;
    const QSize platz =
        QSize(frei.width() - rand.left() - rand.right(), frei.height() - rand.top() - rand.bottom())
            .expandedTo(QSize(1, 1));
    const bool senkrecht = voll.height() > platz.height();
    const bool waagrecht = voll.width() + (senkrecht ? balken : 0) > platz.width();
    const QSize mitBalken(voll.width() + (senkrecht ? balken : 0), voll.height() + (waagrecht ? balken : 0));
    return mitBalken.boundedTo(platz);
}

int UiLage_Titelbreite(int textbreite) {
    return std::max(0, textbreite) + TITELLEISTE_KNOEPFE;
}
