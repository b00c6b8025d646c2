// Widgets drawn by the windows layer and the filter that turns Qt input into control events.

#include "platform/ui/ui_widgets.h"

#include "platform/sprache/sprache.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QScrollArea>
#include <algorithm>
#include <cmath>

namespace uiint {

// ---- panel window
// ------------------------------------------------------------------------------------------

PanelFenster::PanelFenster(int handle) : QWidget(nullptr, Qt::Window), handle_(handle) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void PanelFenster::setzeInhalt(QWidget* inhalt, QWidget* menuBar) {
    inhalt_ = inhalt;
    menuBar_ = menuBar;
    // The controls stand at fixed places: a window larger than them shows them centred, a smaller one
    // (a screen smaller than the window) scrolls.
    rollen_ = new QScrollArea(this);
    rollen_->setFrameShape(QFrame::NoFrame);
    rollen_->setFocusPolicy(Qt::NoFocus);
    rollen_->setAlignment(Qt::AlignCenter);
    rollen_->viewport()->setBackgroundRole(QPalette::Window);
    rollen_->setWidgetResizable(false);
    rollen_->setWidget(inhalt);
    anordnen();
}

int PanelFenster::menuHoehe() const {
    return menuBar_ ? menuBar_->sizeHint().height() : 0;
}

QSize PanelFenster::sizeHint() const {
    if (!inhalt_) return QWidget::sizeHint();
    return QSize(inhalt_->width(), inhalt_->height() + menuHoehe());
}

void PanelFenster::schliessenErzwingen() {
    erzwungen_ = true;
    hide();
    erzwungen_ = false;
}

void PanelFenster::closeEvent(QCloseEvent* e) {
    if (erzwungen_) {
        e->accept();
        return;
    }
    // The program decides what closing means (usually: quit); the window itself stays.
    e->ignore();
    rufePanel(handle_, EVENT_CLOSE, 0, 0);
}

void PanelFenster::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    anordnen();
}

void PanelFenster::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) panelAktiviert(handle_);
        rufePanel(handle_, isActiveWindow() ? EVENT_GOT_FOCUS : EVENT_LOST_FOCUS, 0, 0);
    }
}

void PanelFenster::keyPressEvent(QKeyEvent* e) {
    // Escape on an installed popup asks its callback to close it, like the close box.
    Panel* p = panel(handle_);
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && p && p->popup) {
        rufePanel(handle_, EVENT_CLOSE, 0, 0);
        return;
    }
    QWidget::keyPressEvent(e);
}

void PanelFenster::anordnen() {
    const int mh = menuHoehe();
    if (menuBar_) menuBar_->setGeometry(0, 0, width(), mh);
    if (rollen_) rollen_->setGeometry(0, mh, width(), height() - mh);
}

// ---- lamp
// --------------------------------------------------------------------------------------------------

void LedWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) p.setOpacity(0.45);
    const int d = std::max(4, std::min(width(), height()) - 2);
    const QRectF r((width() - d) / 2.0, (height() - d) / 2.0, d, d);
    const QColor basis = farbe(an ? farbeAn : farbeAus);
    QRadialGradient g(r.center() - QPointF(d / 5.0, d / 5.0), d * 0.7);
    g.setColorAt(0, an ? basis.lighter(170) : basis.lighter(125));
    g.setColorAt(0.6, basis);
    g.setColorAt(1, basis.darker(an ? 130 : 115));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(g);
    p.drawEllipse(r);
}

// ---- switch
// ------------------------------------------------------------------------------------------------

SchalterWidget::SchalterWidget(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
}

QSize SchalterWidget::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    const int t = std::max(fm.horizontalAdvance(textAn), fm.horizontalAdvance(textAus));
    const int h = fm.height() + 8;
    return QSize(t + h + 16, h);
}

void SchalterWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) p.setOpacity(0.45);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double rad = std::min(r.height() / 2, 10.0);
    const bool an = isChecked();
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.setBrush(an ? QColor(0x2E, 0x7D, 0x32) : QColor(0xC8, 0xC8, 0xC8));
    p.drawRoundedRect(r, rad, rad);
    const double k = r.height() - 4;
    const QRectF knopf(an ? r.right() - k - 2 : r.left() + 2, r.top() + 2, k, k);
    p.setBrush(palette().color(QPalette::Button));
    p.drawRoundedRect(knopf, rad - 1, rad - 1);
    QRectF textFeld = an ? QRectF(r.left() + 4, r.top(), knopf.left() - r.left() - 6, r.height())
                         : QRectF(knopf.right() + 2, r.top(), r.right() - knopf.right() - 6, r.height());
    p.setPen(an ? Qt::white : palette().color(QPalette::WindowText));
    p.drawText(textFeld, Qt::AlignCenter, an ? textAn : textAus);
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), rad, rad);
    }
}

// ---- connection picture
// ------------------------------------------------------------------------------------

void VerbindungsWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) p.setOpacity(0.45);
    const bool offen = wert >= 1;
    const double h = height();
    const double s = std::min(h - 4, 36.0); // icon size
    const double oben = (h - s) / 2;
    const QColor linie(0x30, 0x30, 0x30);
    const QColor koerper = offen ? QColor(0x2E, 0x7D, 0x32) : QColor(0x9E, 0x9E, 0x9E);
    p.setPen(QPen(linie, 1.2));
    // Cable left, plug body with two pins, socket body, cable right.
    const double mitte = oben + s / 2;
    const double spalt = offen ? 0 : s * 0.35;
    const double stecker = s * 0.45;
    const double stift = s * 0.18;
    const double x0 = 2;
    p.drawLine(QPointF(x0, mitte), QPointF(x0 + s * 0.2, mitte));
    QRectF koerperL(x0 + s * 0.2, mitte - s * 0.22, stecker, s * 0.44);
    p.setBrush(koerper);
    p.drawRoundedRect(koerperL, 2, 2);
    p.setBrush(linie);
    p.drawRect(QRectF(koerperL.right(), mitte - s * 0.14, stift, s * 0.06));
    p.drawRect(QRectF(koerperL.right(), mitte + s * 0.08, stift, s * 0.06));
    QRectF dose(koerperL.right() + stift + spalt, mitte - s * 0.25, stecker, s * 0.5);
    p.setBrush(koerper);
    p.drawRoundedRect(dose, 2, 2);
    p.drawLine(QPointF(dose.right(), mitte), QPointF(dose.right() + s * 0.2, mitte));
    if (!offen) { // red slash across the gap
        p.setPen(QPen(QColor(0xC6, 0x28, 0x28), 2));
        const double gx = koerperL.right() + stift + spalt / 2;
        p.drawLine(QPointF(gx - s * 0.1, mitte + s * 0.25), QPointF(gx + s * 0.1, mitte - s * 0.25));
    }
    const double textLinks = dose.right() + s * 0.2 + 8;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(textLinks, 0, width() - textLinks, h), Qt::AlignVCenter | Qt::AlignLeft,
               !offen           ? Sprache_Text(QT_TRANSLATE_NOOP("Plm1", "nicht geöffnet"))
               : name.isEmpty() ? QString("COM %1").arg(wert)
                                : name);
}

// ---- canvas
// ------------------------------------------------------------------------------------------------

CanvasWidget::CanvasWidget(QWidget* parent, int panel, int control)
    : QWidget(parent), panel_(panel), control_(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CanvasWidget::groesseAnpassen(int w, int h) {
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (bild.width() == w && bild.height() == h) return;
    QImage neu(w, h, QImage::Format_RGB32);
    neu.fill(farbe(VAL_WHITE));
    if (!bild.isNull()) {
        QPainter p(&neu);
        p.drawImage(0, 0, bild);
    }
    bild = neu;
    schmutzig = true;
    update();
}

void CanvasWidget::gezeichnet() {
    schmutzig = true;
    if (stapel == 0) update();
}

void CanvasWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect(), bild, e->rect());
    if (!isEnabled()) p.fillRect(e->rect(), QColor(255, 255, 255, 110));
    schmutzig = false;
}

namespace {
// The state of the mouse event being handled, for GetRelativeMouseState; returns the pointer position.
QPoint mausMerken(int panel, int control, const QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    maus() = MausZustand{panel,
                         control,
                         pos.x(),
                         pos.y(),
                         (e->buttons() & Qt::LeftButton) ? 1 : 0,
                         (e->buttons() & Qt::RightButton) ? 1 : 0,
                         modifierBits(e->modifiers()),
                         true};
    return pos;
}
} // namespace

void CanvasWidget::melde(QMouseEvent* e, int event) {
    const QPoint pos = mausMerken(panel_, control_, e);
    rufeCtrl(panel_, control_, event, pos.y(), pos.x());
    maus().gueltig = false;
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        melde(e, EVENT_LEFT_CLICK);
    else if (e->button() == Qt::RightButton)
        melde(e, EVENT_RIGHT_CLICK);
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click is a press like any other, then the double click.
    mousePressEvent(e);
    if (e->button() == Qt::LeftButton)
        melde(e, EVENT_LEFT_DOUBLE_CLICK);
    else if (e->button() == Qt::RightButton)
        melde(e, EVENT_RIGHT_DOUBLE_CLICK);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* e) {
    melde(e, EVENT_MOUSE_POINTER_MOVE);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        melde(e, EVENT_LEFT_CLICK_UP);
    else if (e->button() == Qt::RightButton)
        melde(e, EVENT_RIGHT_CLICK_UP);
}

// ---- graph
// -------------------------------------------------------------------------------------------------

GraphWidget::GraphWidget(QWidget* parent, int panel, int control)
    : QWidget(parent), panel_(panel), control_(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QPointF GraphWidget::nachPixel(double x, double y) const {
    const double bx = xMax - xMin, by = yMax - yMin;
    const double px = bx != 0 ? (x - xMin) / bx * (width() - 1) : 0;
    const double py = by != 0 ? (height() - 1) - (y - yMin) / by * (height() - 1) : height() - 1;
    return {px, py};
}

void GraphWidget::vonPixel(QPointF p, double* x, double* y) const {
    const double w = std::max(1, width() - 1), h = std::max(1, height() - 1);
    const double px = std::clamp(p.x(), 0.0, w), py = std::clamp(p.y(), 0.0, h);
    *x = xMin + px / w * (xMax - xMin);
    *y = yMin + (h - py) / h * (yMax - yMin);
}

namespace {
// Far-off plot points are drawn at a far-off but representable pixel.
QPoint gerundet(QPointF p) {
    return QPoint(int(std::lround(std::clamp(p.x(), -1e6, 1e6))),
                  int(std::lround(std::clamp(p.y(), -1e6, 1e6))));
}
} // namespace

void GraphWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(),
               hintergrund == VAL_TRANSPARENT ? palette().color(QPalette::Window) : farbe(hintergrund));
    for (const Plot& pl : plots) {
        const QPoint a = gerundet(nachPixel(pl.x1, pl.y1)), b = gerundet(nachPixel(pl.x2, pl.y2));
        if (!pl.rechteck) {
            if (pl.farbe == VAL_TRANSPARENT) continue;
            p.setPen(QPen(farbe(pl.farbe), 0));
            p.drawLine(a, b);
            p.drawPoint(b);
            continue;
        }
        // Both corners belong to the rectangle (QRect::normalized would drop them).
        const QRect r(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                      QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
        if (pl.fuellung != VAL_TRANSPARENT) p.fillRect(r, farbe(pl.fuellung));
        if (pl.farbe != VAL_TRANSPARENT) {
            const QColor c = farbe(pl.farbe);
            p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
            p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
            p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
            p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
        }
    }
    if (cursorFarbe != VAL_TRANSPARENT) {
        const QPoint c = gerundet(nachPixel(cursorX, cursorY));
        p.setPen(QPen(farbe(cursorFarbe), 0, Qt::DotLine));
        p.drawLine(c.x(), 0, c.x(), height() - 1);
        p.drawLine(0, c.y(), width() - 1, c.y());
    }
    if (!isEnabled()) p.fillRect(rect(), QColor(255, 255, 255, 110));
    schmutzig = false;
}

void GraphWidget::cursorNachMaus(QMouseEvent* e) {
    vonPixel(e->position(), &cursorX, &cursorY);
    update();
}

void GraphWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
    taste = true;
    cursorNachMaus(e);
    const QPoint pos = mausMerken(panel_, control_, e);
    rufeCtrl(panel_, control_, e->button() == Qt::LeftButton ? EVENT_LEFT_CLICK : EVENT_RIGHT_CLICK, pos.y(),
             pos.x());
    rufeCtrl(panel_, control_, EVENT_VAL_CHANGED, 0, 0);
    maus().gueltig = false;
}

void GraphWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    mousePressEvent(e);
}

void GraphWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!taste) return;
    cursorNachMaus(e);
    mausMerken(panel_, control_, e);
    rufeCtrl(panel_, control_, EVENT_VAL_CHANGED, 0, 0);
    maus().gueltig = false;
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (!taste || e->buttons() & (Qt::LeftButton | Qt::RightButton)) return;
    taste = false;
    cursorNachMaus(e);
    rufeCtrl(panel_, control_, EVENT_COMMIT, 0, 0);
}

// ---- input filter
// ------------------------------------------------------------------------------------------

bool CtrlFilter::eventFilter(QObject* o, QEvent* e) {
    Ctrl* c = ctrl(panel_, control_);
    if (!c || !c->w) return false;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!maus_) return false;
        auto* me = static_cast<QMouseEvent*>(e);
        // The same click may pass a child and then its parent: report it once.
        static quint64 letzteZeit = 0;
        static int letzterTyp = 0;
        if (me->timestamp() == letzteZeit && letzterTyp == int(e->type()) && me->timestamp() != 0)
            return false;
        letzteZeit = me->timestamp();
        letzterTyp = int(e->type());
        auto* ow = qobject_cast<QWidget*>(o);
        const QPoint pos = ow ? ow->mapTo(c->w.data(), me->position().toPoint()) : me->position().toPoint();
        const bool links = me->button() == Qt::LeftButton;
        int event = 0;
        if (e->type() == QEvent::MouseButtonPress)
            event = links ? EVENT_LEFT_CLICK : EVENT_RIGHT_CLICK;
        else
            event = links ? EVENT_LEFT_DOUBLE_CLICK : EVENT_RIGHT_DOUBLE_CLICK;
        if (me->button() != Qt::LeftButton && me->button() != Qt::RightButton) return false;
        rufeCtrl(panel_, control_, event, pos.y(), pos.x());
        return false;
    }
    case QEvent::KeyPress: {
        if (o != c->w.data()) return false;
        const int code = tastenCode(static_cast<QKeyEvent*>(e));
        if (!code) return false;
        int r = 0;
        if (rufeCtrl(panel_, control_, EVENT_KEYPRESS, code, 0, &r) && r != 0) return true;
        return false;
    }
    case QEvent::ShortcutOverride: {
        // A field keeps undo and redo for the text typed into it; once that is committed (or there is
        // none) the keys belong to the window's "Bearbeiten" menu.
        auto* ke = static_cast<QKeyEvent*>(e);
        const bool undoTaste = ke->matches(QKeySequence::Undo) || ke->matches(QKeySequence::Redo) ||
                               ke->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
        if (o != c->w.data() || !undoTaste || UI_CtrlWirdBearbeitet(panel_, control_)) return false;
        e->ignore();
        return true;
    }
    case QEvent::FocusIn:
        if (o == c->w.data()) rufeCtrl(panel_, control_, EVENT_GOT_FOCUS, 0, 0);
        return false;
    case QEvent::FocusOut:
        if (o == c->w.data()) rufeCtrl(panel_, control_, EVENT_LOST_FOCUS, 0, 0);
        return false;
    default:
        return false;
    }
}

// The field's own text without prefix, suffix and blanks.
QString ZahlFeld::kern(const QString& text) const {
    QString t = text;
    if (!prefix().isEmpty() && t.startsWith(prefix())) t.remove(0, prefix().size());
    if (!suffix().isEmpty() && t.endsWith(suffix())) t.chop(suffix().size());
    return t.trimmed();
}

// Digits with a sign in front and, where the field takes fractions, one decimal separator: the point, and
// in German the comma as well; anything else could never become the field's number.
bool ZahlFeld::moeglich(const QString& t) const {
    static const QRegularExpression GANZ(QStringLiteral("^[+-]?[0-9]*$"));
    static const QRegularExpression PUNKT(QStringLiteral("^[+-]?[0-9]*([.][0-9]*)?$"));
    static const QRegularExpression KOMMA(QStringLiteral("^[+-]?[0-9]*([.,][0-9]*)?$"));
    if (decimals() == 0) return GANZ.match(t).hasMatch();
    return (QLocale().decimalPoint() == QLatin1String(",") ? KOMMA : PUNKT).match(t).hasMatch();
}

bool ZahlFeld::alsZahl(const QString& text, double* wert) const {
    QString t = kern(text);
    if (!moeglich(t)) return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return false;
    if (wert) *wert = v;
    return true;
}

QValidator::State ZahlFeld::validate(QString& text, int& pos) const {
    (void)pos;
    const QString t = kern(text);
    if (!moeglich(t)) return QValidator::Invalid;
    double v = 0;
    if (!alsZahl(text, &v)) return QValidator::Intermediate; // empty, a sign, a lone separator
    // Out of range or too many places: still a number, brought into range when the edit ends.
    const qsizetype trenner = t.indexOf(QRegularExpression(QStringLiteral("[.,]")));
    const bool zuVieleStellen = trenner >= 0 && t.size() - trenner - 1 > decimals();
    if (v < minimum() || v > maximum() || zuVieleStellen) return QValidator::Intermediate;
    return QValidator::Acceptable;
}

// In the language's own way (QLocale's default), not the system's: decimal comma or point, no groups.
QString ZahlFeld::textFromValue(double wert) const {
    return QLocale().toString(wert, 'f', decimals());
}

double ZahlFeld::valueFromText(const QString& text) const {
    double v = 0;
    return alsZahl(text, &v) ? v : value();
}

void ZahlFeld::fixup(QString& text) const {
    double v = 0;
    if (!alsZahl(text, &v)) return; // left empty or unfinished: the field keeps its value
    text = textFromValue(std::clamp(v, minimum(), maximum()));
}

} // namespace uiint
