#pragma once
// Where a window may stand on its screen: wholly inside the screen's free area, moved first and shrunk
// only where it is bigger than that area; a popup centred over the window it belongs to.

#include <QMargins>
#include <QRect>

// The frame rectangle `rahmen` moved into `frei`, and shrunk to `frei` where it is bigger. An empty
// `frei` (no screen known) leaves it as it is.
QRect UiLage_Einpassen(const QRect& rahmen, const QRect& frei);
// A frame of `groesse` centred over the frame `ueber`, then fitted into `frei`.
QRect UiLage_Zentrieren(const QSize& groesse, const QRect& ueber, const QRect& frei);
// The client size a window may not go below: all of its content (`voll`, client size), unless the free
// area less the window manager's frame `rand` is smaller; then that, and the content scrolls. Where one
// direction scrolls, its scroll bar (`balken` wide) is added across, so that the other direction need not
// scroll as well while the screen has room for it.
QSize UiLage_Mindestgroesse(const QSize& voll, const QRect& frei, const QMargins& rand, int balken);
// Width a popup needs so that the window manager shows its title whole: the title's text width plus
// the room of the title bar's buttons.
int UiLage_Titelbreite(int textbreite);
