// Controls: building each kind from its definition, labels, values, attributes, list items, callbacks.

#include "platform/ui/ui_intern.h"
#include "platform/ui/ui_test.h"
#include "platform/ui/ui_widgets.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

namespace uiint {
QWidget* streifenNeu(QWidget* eltern); // ui_streifen.cpp

namespace {

template <class T> T* als(Ctrl& c) {
    return dynamic_cast<T*>(c.w.data());
}

bool istNumerisch(const Ctrl& c) {
    return c.def.art == CtrlArt::Numerisch || c.def.art == CtrlArt::Anzeige7Segment;
}
bool hatGrenzen(const Ctrl& c) {
    return c.def.min < c.def.max;
}

double begrenzt(const Ctrl& c, double v) {
    if (hatGrenzen(c)) v = std::clamp(v, c.def.min, c.def.max);
    if (c.def.ganzzahl) v = std::clamp(std::round(v), double(INT_MIN), double(INT_MAX));
    return v;
}

// A seven-segment display has a point segment only (QLCDNumber leaves a comma blank): the point in both
// languages.
QString zahlText(const Ctrl& c, double v) {
    return QString::number(v, 'f', c.def.ganzzahl ? 0 : std::max(0, c.def.nachkommastellen));
}

void spinGrenzen(Ctrl& c) {
    auto* s = als<QDoubleSpinBox>(c);
    if (!s) return;
    const QSignalBlocker b(s);
    s->setDecimals(c.def.ganzzahl ? 0 : std::max(0, c.def.nachkommastellen));
    if (hatGrenzen(c))
        s->setRange(c.def.min, c.def.max);
    else
        s->setRange(c.def.ganzzahl ? double(INT_MIN) : -1e12, c.def.ganzzahl ? double(INT_MAX) : 1e12);
    s->setSingleStep(c.def.schritt > 0 ? c.def.schritt : 1);
}

// Values that do not change what is shown repaint nothing: a polled window sets every control each time.
void setzeZahl(Ctrl& c, double v) {
    v = begrenzt(c, v);
    if (auto* s = als<QDoubleSpinBox>(c)) {
        // Shown already (its own rounding, and no unfinished typing to replace): nothing to do.
        const double gerundet = QString::number(v, 'f', s->decimals()).toDouble();
        if (s->value() == gerundet && s->cleanText() == s->textFromValue(gerundet)) return;
        const QSignalBlocker b(s);
        s->setValue(v);
    } else if (auto* l = als<QLCDNumber>(c)) {
        const QString text = zahlText(c, v);
        const bool anders = text != zahlText(c, c.wert);
        c.wert = v;
        if (anders) l->display(text);
    }
}

double leseZahl(Ctrl& c) {
    if (auto* s = als<QDoubleSpinBox>(c)) return s->value();
    return c.wert;
}

int lcdStellen(const CtrlDef& d) {
    if (d.min < d.max) {
        const double m = std::max(std::fabs(d.min), std::fabs(d.max));
        int stellen = int(QString::number(m, 'f', 0).size()) + (d.min < 0 ? 1 : 0);
        if (!d.ganzzahl && d.nachkommastellen > 0) stellen += d.nachkommastellen + 1;
        return std::max(stellen, 2);
    }
    return 6;
}

// Where the label of a kind goes: above, right of the control, or nowhere (it is the control's own text).
enum class LabelOrt { Keiner, Oben, Rechts };
LabelOrt labelOrt(CtrlArt a) {
    switch (a) {
    case CtrlArt::Numerisch:
    case CtrlArt::Anzeige7Segment:
    case CtrlArt::Text:
    case CtrlArt::Auswahl:
    case CtrlArt::Schalter:
        return LabelOrt::Oben;
    case CtrlArt::Led:
        return LabelOrt::Rechts;
    default:
        return LabelOrt::Keiner;
    }
}

void setzeLabel(Ctrl& c, const std::string& text) {
    c.def.label = text;
    const QString t = Sprache_Text(text);
    switch (c.def.art) {
    case CtrlArt::Knopf:
    case CtrlArt::Checkbox:
        if (auto* b = als<QAbstractButton>(c)) b->setText(t);
        break;
    case CtrlArt::TextMeldung:
        if (auto* l = als<QLabel>(c)) l->setText(t);
        break;
    case CtrlArt::Rahmen:
        if (auto* g = als<QGroupBox>(c)) g->setTitle(t);
        break;
    case CtrlArt::Verbindungsbild:
        if (auto* v = als<VerbindungsWidget>(c)) {
            v->name = t;
            v->update();
        }
        break;
    default:
        if (labelOrt(c.def.art) == LabelOrt::Keiner) break;
        if (!c.label && c.w) {
            c.label = new QLabel(c.w->parentWidget());
            c.label->setVisible(c.sichtbar && !t.isEmpty());
            c.label->setEnabled(!c.dimmed);
        }
        if (c.label) {
            c.label->setText(t);
            c.label->adjustSize();
            c.label->setVisible(c.sichtbar && !t.isEmpty());
        }
    }
    if (c.w) ctrlPlatzieren(c, c.def.top, c.def.left, c.def.width, c.def.height);
}

int standardBreite(CtrlArt a) {
    switch (a) {
    case CtrlArt::Led:
        return 16;
    case CtrlArt::Canvas:
    case CtrlArt::Graph:
        return 200;
    case CtrlArt::Text:
        return 120;
    default:
        return 80;
    }
}
int standardHoehe(CtrlArt a) {
    switch (a) {
    case CtrlArt::Led:
        return 16;
    case CtrlArt::Canvas:
    case CtrlArt::Graph:
        return 150;
    case CtrlArt::Anzeige7Segment:
        return 36;
    default:
        return 24;
    }
}

// Timer interval in milliseconds, kept within what QTimer takes.
int intervallMs(double sekunden) {
    if (!(sekunden > 0)) sekunden = 0.001; // also NaN
    return int(std::lround(std::min(std::max(sekunden, 0.001), 2.0e6) * 1000));
}

int neueId(const Panel& p) {
    if (p.ctrls.empty()) return 1;
    const int hoechste = p.ctrls.rbegin()->first;
    return hoechste == INT_MAX ? INT_MAX : std::max(1, hoechste + 1);
}

} // namespace

void ctrlPlatzieren(Ctrl& c, int top, int left, int width, int height) {
    c.def.top = top;
    c.def.left = left;
    c.def.width = width;
    c.def.height = height;
    if (!c.w) return;
    int w = width, h = height;
    if (c.def.art == CtrlArt::Checkbox) w = std::max(w, c.w->sizeHint().width());
    if (c.def.art == CtrlArt::TextMeldung && (w <= 0 || h <= 0)) {
        const QSize s = c.w->sizeHint();
        if (w <= 0) w = s.width();
        if (h <= 0) h = s.height();
    }
    c.w->setGeometry(left, top, std::max(w, 1), std::max(h, 1));
    if (c.canvas) c.canvas->groesseAnpassen(std::max(w, 1), std::max(h, 1));
    if (!c.label) return;
    const QSize ls = c.label->sizeHint();
    if (labelOrt(c.def.art) == LabelOrt::Rechts)
        c.label->setGeometry(left + w + LABEL_ABSTAND_RECHTS, top + (h - ls.height()) / 2, ls.width(),
                             ls.height());
    else
        c.label->setGeometry(left, top - ls.height() - 2, std::max(ls.width(), w), ls.height());
}

namespace {

// ---- one builder per kind: makes the widget from c.def and connects what it reports

// Text of the resource definition as the control shows it: labels, switch texts, ring items.
QString ressourcenText(const std::string& text) {
    return Sprache_Text(text);
}

// The control's callback with `event`, for a widget signal.
auto melder(const Ctrl& c, int event = EVENT_COMMIT) {
    return [ph = c.panel, id = c.id, event] { rufeCtrl(ph, id, event, 0, 0); };
}

void knopfBauen(Ctrl& c, QWidget* eltern) {
    auto* b = new QPushButton(ressourcenText(c.def.label), eltern);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, melder(c));
    c.w = b;
}

void schalterBauen(Ctrl& c, QWidget* eltern) {
    auto* s = new SchalterWidget(eltern);
    s->textAn = ressourcenText(c.def.textAn);
    s->textAus = ressourcenText(c.def.textAus);
    QObject::connect(s, &QAbstractButton::clicked, s, melder(c));
    c.w = s;
}

void checkboxBauen(Ctrl& c, QWidget* eltern) {
    auto* b = new QCheckBox(ressourcenText(c.def.label), eltern);
    QObject::connect(b, &QCheckBox::clicked, b, melder(c));
    c.w = b;
}

void ledBauen(Ctrl& c, QWidget* eltern) {
    auto* l = new LedWidget(eltern);
    l->farbeAn = c.farbeAn;
    l->farbeAus = c.farbeAus;
    c.w = l;
}

void numerischBauen(Ctrl& c, QWidget* eltern) {
    auto* s = new ZahlFeld(eltern);
    s->setKeyboardTracking(false); // one change per finished edit, not per keystroke
    s->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    s->setAccelerated(true);
    if (c.def.anzeige) {
        s->setReadOnly(true);
        s->setButtonSymbols(QAbstractSpinBox::NoButtons);
        s->setFocusPolicy(Qt::NoFocus);
    }
    c.w = s;
    spinGrenzen(c);
    {
        const QSignalBlocker b(s);
        s->setValue(begrenzt(c, 0));
    }
    QObject::connect(s, &QDoubleSpinBox::valueChanged, s, melder(c));
}

void anzeige7SegmentBauen(Ctrl& c, QWidget* eltern) {
    auto* l = new QLCDNumber(lcdStellen(c.def), eltern);
    l->setSegmentStyle(QLCDNumber::Flat);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, QColor(0x1E, 0x26, 0x1E));
    pal.setColor(QPalette::WindowText, QColor(0x6C, 0xF0, 0x6C));
    pal.setColor(QPalette::Light, QColor(0x6C, 0xF0, 0x6C));
    pal.setColor(QPalette::Dark, QColor(0x1E, 0x26, 0x1E));
    for (auto rolle : {QPalette::WindowText, QPalette::Light}) // dimmed: dull digits
        pal.setColor(QPalette::Disabled, rolle, QColor(0x4A, 0x62, 0x4A));
    l->setPalette(pal);
    c.w = l;
    c.wert = begrenzt(c, 0);
    l->display(zahlText(c, c.wert));
}

// A display: selectable, wrapped plain text in a sunken field.
void textanzeigeBauen(Ctrl& c, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Base);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    l->setMargin(2);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c.w = l;
}

void textBauen(Ctrl& c, QWidget* eltern) {
    if (c.def.anzeige) {
        textanzeigeBauen(c, eltern);
        return;
    }
    auto* e = new QLineEdit(eltern);
    QObject::connect(e, &QLineEdit::editingFinished, e, [e, melde = melder(c)] {
        if (!e->isModified()) return;
        e->setModified(false);
        melde();
    });
    c.w = e;
}

void textMeldungBauen(Ctrl& c, QWidget* eltern) {
    auto* l = new QLabel(ressourcenText(c.def.label), eltern);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(c.def.height > 0 && c.def.height > l->fontMetrics().height() * 3 / 2);
    c.w = l;
}

void auswahlBauen(Ctrl& c, QWidget* eltern) {
    auto* b = new QComboBox(eltern);
    for (const ListenEintrag& e : c.def.eintraege)
        b->addItem(ressourcenText(e.text));
    c.eintraege = c.def.eintraege;
    QObject::connect(b, &QComboBox::activated, b, melder(c));
    c.w = b;
}

void verbindungsbildBauen(Ctrl& c, QWidget* eltern) {
    auto* v = new VerbindungsWidget(eltern);
    v->setCursor(Qt::PointingHandCursor);
    c.w = v;
}

// No widget: only the ticks.
void timerBauen(Ctrl& c, QWidget* eltern) {
    c.timer = new QTimer(eltern);
    c.timer->setInterval(intervallMs(c.def.intervall));
    QObject::connect(c.timer, &QTimer::timeout, c.timer, melder(c, EVENT_TIMER_TICK));
    if (c.def.aktiv) c.timer->start();
}

void canvasBauen(Ctrl& c, QWidget* eltern) {
    c.canvas = new CanvasWidget(eltern, c.panel, c.id);
    c.w = c.canvas;
}

void graphBauen(Ctrl& c, QWidget* eltern) {
    c.graph = new GraphWidget(eltern, c.panel, c.id);
    c.w = c.graph;
}

void rahmenBauen(Ctrl& c, QWidget* eltern) {
    c.w = new QGroupBox(ressourcenText(c.def.label), eltern);
}

void bildBauen(Ctrl& c, QWidget* eltern) {
    auto* f = new QFrame(eltern);
    f->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    c.w = f;
}

void streifenschreiberBauen(Ctrl& c, QWidget* eltern) {
    c.w = streifenNeu(eltern);
}

// Every kind: its style number and its builder, in the order of CtrlArt.
struct ArtEintrag {
    CtrlArt art;
    int stil;
    void (*bauen)(Ctrl& c, QWidget* eltern);
};
constexpr ArtEintrag ARTEN[] = {
    {CtrlArt::Knopf, CTRL_COMMAND_BUTTON, knopfBauen},
    {CtrlArt::Schalter, CTRL_TOGGLE_SWITCH, schalterBauen},
    {CtrlArt::Checkbox, CTRL_CHECK_BOX, checkboxBauen},
    {CtrlArt::Led, CTRL_ROUND_LED, ledBauen},
    {CtrlArt::Numerisch, CTRL_NUMERIC, numerischBauen},
    {CtrlArt::Anzeige7Segment, CTRL_NUMERIC_DISPLAY_7SEG, anzeige7SegmentBauen},
    {CtrlArt::Text, CTRL_STRING, textBauen},
    {CtrlArt::TextMeldung, CTRL_TEXT_MSG, textMeldungBauen},
    {CtrlArt::Auswahl, CTRL_RING, auswahlBauen},
    {CtrlArt::Verbindungsbild, CTRL_PICTURE_RING, verbindungsbildBauen},
    {CtrlArt::Timer, CTRL_TIMER, timerBauen},
    {CtrlArt::Canvas, CTRL_CANVAS, canvasBauen},
    {CtrlArt::Graph, CTRL_GRAPH, graphBauen},
    {CtrlArt::Rahmen, CTRL_DECORATION, rahmenBauen},
    {CtrlArt::Bild, CTRL_PICTURE, bildBauen},
    {CtrlArt::Streifenschreiber, CTRL_STRIP_CHART, streifenschreiberBauen},
};
constexpr bool artenVollstaendig() {
    for (std::size_t i = 0; i < std::size(ARTEN); ++i)
        if (static_cast<std::size_t>(ARTEN[i].art) != i) return false;
    return std::size(ARTEN) == static_cast<std::size_t>(CtrlArt::Streifenschreiber) + 1;
}
static_assert(artenVollstaendig(), "one entry per CtrlArt, in its order");

const ArtEintrag& artEintrag(CtrlArt a) {
    return ARTEN[static_cast<std::size_t>(a)];
}

// Kinds that read the mouse themselves; the others pass their clicks to the control filter.
bool eigeneMaus(CtrlArt a) {
    return a == CtrlArt::Canvas || a == CtrlArt::Graph || a == CtrlArt::Streifenschreiber;
}

// Tooltip, label, place, event filter, stacking and visibility of a built control.
void ctrlEinrichten(Ctrl& c) {
    const CtrlDef& d = c.def;
    if (!d.tooltip.empty()) c.w->setToolTip(Sprache_Text(d.tooltip));
    if (labelOrt(d.art) != LabelOrt::Keiner && !d.label.empty()) setzeLabel(c, d.label);
    // A text message without a width takes the width of its text, now and whenever the text changes.
    const bool textBreite = d.art == CtrlArt::TextMeldung && d.width <= 0;
    ctrlPlatzieren(c, d.top, d.left, d.width > 0 || textBreite ? d.width : standardBreite(d.art),
                   d.height > 0 ? d.height : standardHoehe(d.art));
    const bool mausFilter = !eigeneMaus(d.art);
    auto* filter = new CtrlFilter(c.w, c.panel, c.id, mausFilter);
    c.w->installEventFilter(filter);
    if (mausFilter)
        for (QWidget* kind : c.w->findChildren<QWidget*>())
            kind->installEventFilter(filter);
    if (d.art == CtrlArt::Rahmen || d.art == CtrlArt::Bild) c.w->lower(); // behind the controls it frames
    if (!d.sichtbar) {
        c.w->hide();
        if (c.label) c.label->hide();
    }
}

} // namespace

void ctrlAufbauen(Panel& p, const CtrlDef& d) {
    auto neu = std::make_unique<Ctrl>();
    Ctrl& c = *neu;
    c.panel = p.handle;
    // Anonymous decoration gets an id no caller can name.
    c.id = d.id != 0 ? d.id : -int(p.ctrls.size() + 1);
    while (p.ctrls.count(c.id))
        --c.id;
    c.def = d;
    c.cb = ctrlCallback(d.callback);
    c.farbeAn = d.farbeAn;
    c.sichtbar = d.sichtbar;
    artEintrag(d.art).bauen(c, p.inhalt);
    p.ctrls[c.id] = std::move(neu);
    if (c.w) ctrlEinrichten(c); // not a timer
}

void ctrlEntfernen(Panel& p, int id) {
    auto it = p.ctrls.find(id);
    if (it == p.ctrls.end()) return;
    Ctrl& c = *it->second;
    if (c.timer) {
        c.timer->stop();
        c.timer->deleteLater();
    }
    if (c.w) {
        c.w->hide();
        c.w->deleteLater();
    }
    if (c.label) c.label->deleteLater();
    p.ctrls.erase(it);
}

} // namespace uiint

using namespace uiint;

// ---- values
// ------------------------------------------------------------------------------------------------

int SetCtrlVal(int panel, int control, int value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    switch (c->def.art) {
    case CtrlArt::Schalter:
    case CtrlArt::Checkbox:
        if (auto* b = als<QAbstractButton>(*c); b && b->isChecked() != (value != 0)) {
            const QSignalBlocker bl(b);
            b->setChecked(value != 0);
            b->update();
        }
        return 0;
    case CtrlArt::Led:
        if (auto* l = als<LedWidget>(*c); l && l->an != (value != 0)) {
            l->an = value != 0;
            l->update();
        }
        return 0;
    case CtrlArt::Numerisch:
    case CtrlArt::Anzeige7Segment:
        setzeZahl(*c, value);
        return 0;
    case CtrlArt::Auswahl: {
        auto* b = als<QComboBox>(*c);
        for (size_t i = 0; i < c->eintraege.size(); ++i)
            if (c->eintraege[i].wert == value) {
                const QSignalBlocker bl(b);
                b->setCurrentIndex(int(i));
                return 0;
            }
        return FEHLER_WERT;
    }
    case CtrlArt::Verbindungsbild:
        if (auto* v = als<VerbindungsWidget>(*c); v && v->wert != value) {
            v->wert = value;
            v->update();
        }
        return 0;
    default:
        return FEHLER_TYP;
    }
}

int SetCtrlVal(int panel, int control, double value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (!std::isfinite(value)) return FEHLER_WERT;
    if (istNumerisch(*c)) {
        setzeZahl(*c, value);
        return 0;
    }
    return SetCtrlVal(panel, control, int(std::clamp(std::round(value), double(INT_MIN), double(INT_MAX))));
}

int SetCtrlVal(int panel, int control, const char* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (!value) return FEHLER_WERT;
    const QString t = QString::fromUtf8(value);
    if (auto* e = als<QLineEdit>(*c)) {
        const QSignalBlocker bl(e);
        e->setText(t);
        e->setModified(false);
        return 0;
    }
    if (c->def.art == CtrlArt::Text || c->def.art == CtrlArt::TextMeldung) {
        if (auto* l = als<QLabel>(*c)) l->setText(Sprache_Text(value));
        if (c->def.art == CtrlArt::TextMeldung) c->def.label = value;
        return 0;
    }
    return FEHLER_TYP;
}

int GetCtrlVal(int panel, int control, int* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (!value) return FEHLER_WERT;
    switch (c->def.art) {
    case CtrlArt::Schalter:
    case CtrlArt::Checkbox:
        *value = als<QAbstractButton>(*c)->isChecked() ? 1 : 0;
        return 0;
    case CtrlArt::Led:
        *value = als<LedWidget>(*c)->an ? 1 : 0;
        return 0;
    case CtrlArt::Numerisch:
    case CtrlArt::Anzeige7Segment:
        *value = int(std::clamp(std::round(leseZahl(*c)), double(INT_MIN), double(INT_MAX)));
        return 0;
    case CtrlArt::Auswahl: {
        const int i = als<QComboBox>(*c)->currentIndex();
        *value = i >= 0 && size_t(i) < c->eintraege.size() ? c->eintraege[size_t(i)].wert : 0;
        return 0;
    }
    case CtrlArt::Verbindungsbild:
        *value = als<VerbindungsWidget>(*c)->wert;
        return 0;
    default:
        return FEHLER_TYP;
    }
}

int GetCtrlVal(int panel, int control, double* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (!value) return FEHLER_WERT;
    if (istNumerisch(*c)) {
        *value = leseZahl(*c);
        return 0;
    }
    int i = 0;
    const int r = GetCtrlVal(panel, control, &i);
    if (r == 0) *value = i;
    return r;
}

int GetCtrlVal(int panel, int control, std::string* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (!value) return FEHLER_WERT;
    if (auto* e = als<QLineEdit>(*c))
        *value = e->text().toStdString();
    else if (c->def.art == CtrlArt::Text || c->def.art == CtrlArt::TextMeldung)
        *value = als<QLabel>(*c)->text().toStdString();
    else if (c->def.art == CtrlArt::Auswahl)
        *value = als<QComboBox>(*c)->currentText().toStdString();
    else
        return FEHLER_TYP;
    return 0;
}

// ---- attributes
// --------------------------------------------------------------------------------------------

namespace {

void grenzenAnwenden(Ctrl& c) {
    spinGrenzen(c);
    setzeZahl(c, leseZahl(c));
}

int setzeZahlAttribut(Ctrl& c, int attribute, double v) {
    switch (attribute) {
    case ATTR_MIN_VALUE:
    case ATTR_MAX_VALUE:
    case ATTR_INCR_VALUE:
        if (!istNumerisch(c) || !std::isfinite(v)) return FEHLER_ATTRIBUT;
        if (attribute == ATTR_MIN_VALUE)
            c.def.min = v;
        else if (attribute == ATTR_MAX_VALUE)
            c.def.max = v;
        else
            c.def.schritt = v;
        grenzenAnwenden(c);
        return 0;
    case ATTR_INTERVAL:
        if (!c.timer || !(v > 0)) return c.timer ? FEHLER_WERT : FEHLER_ATTRIBUT;
        c.def.intervall = v;
        c.timer->setInterval(intervallMs(v));
        return 0;
    default:
        return -1000; // not a number attribute
    }
}

} // namespace

int SetCtrlAttribute(int panel, int control, int attribute, int value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    const int z = setzeZahlAttribut(*c, attribute, value);
    if (z != -1000) return z;
    switch (attribute) {
    case ATTR_DIMMED:
        c->dimmed = value != 0;
        if (c->w) c->w->setEnabled(!c->dimmed);
        if (c->label) c->label->setEnabled(!c->dimmed);
        return 0;
    case ATTR_VISIBLE:
        c->sichtbar = value != 0;
        c->def.sichtbar = c->sichtbar;
        if (c->w) c->w->setVisible(c->sichtbar);
        if (c->label) c->label->setVisible(c->sichtbar && !c->label->text().isEmpty());
        return 0;
    case ATTR_TOP:
        ctrlPlatzieren(*c, value, c->def.left, c->def.width, c->def.height);
        return 0;
    case ATTR_LEFT:
        ctrlPlatzieren(*c, c->def.top, value, c->def.width, c->def.height);
        return 0;
    case ATTR_WIDTH:
        if (value < 1) return FEHLER_WERT;
        ctrlPlatzieren(*c, c->def.top, c->def.left, value, c->def.height);
        return 0;
    case ATTR_HEIGHT:
        if (value < 1) return FEHLER_WERT;
        ctrlPlatzieren(*c, c->def.top, c->def.left, c->def.width, value);
        return 0;
    case ATTR_ON_COLOR:
    case ATTR_OFF_COLOR:
        if (auto* l = als<LedWidget>(*c)) {
            (attribute == ATTR_ON_COLOR ? c->farbeAn : c->farbeAus) = value & 0xFFFFFF;
            l->farbeAn = c->farbeAn;
            l->farbeAus = c->farbeAus;
            l->update();
            return 0;
        }
        return FEHLER_ATTRIBUT;
    case ATTR_PEN_COLOR:
    case ATTR_PEN_FILL_COLOR:
        if (!c->canvas) return FEHLER_ATTRIBUT;
        (attribute == ATTR_PEN_COLOR ? c->canvas->stift : c->canvas->fuellung) = value;
        return 0;
    case ATTR_PLOT_BGCOLOR:
        if (!c->graph) return FEHLER_ATTRIBUT;
        c->graph->hintergrund = value;
        c->graph->update();
        return 0;
    case ATTR_ENABLED:
        if (!c->timer) return FEHLER_ATTRIBUT;
        c->def.aktiv = value != 0;
        if (value)
            c->timer->start();
        else
            c->timer->stop();
        return 0;
    case ATTR_TEXT_BOLD:
    case ATTR_TEXT_POINT_SIZE: {
        if (!c->w) return FEHLER_ATTRIBUT;
        if (attribute == ATTR_TEXT_POINT_SIZE && value < 1) return FEHLER_WERT;
        QFont schrift = c->w->font();
        if (attribute == ATTR_TEXT_BOLD)
            schrift.setBold(value != 0);
        else
            schrift.setPointSize(value);
        c->w->setFont(schrift);
        return 0;
    }
    case ATTR_TEXT_JUSTIFY: {
        auto* l = qobject_cast<QLabel*>(c->w.data());
        if (!l) return FEHLER_ATTRIBUT;
        l->setAlignment(value == VAL_CENTER_JUSTIFIED  ? Qt::AlignCenter
                        : value == VAL_RIGHT_JUSTIFIED ? Qt::AlignRight | Qt::AlignVCenter
                                                       : Qt::AlignLeft | Qt::AlignVCenter);
        return 0;
    }
    case ATTR_TEXT_COLOR: {
        if (!c->w) return FEHLER_ATTRIBUT;
        QPalette pal = c->w->palette();
        pal.setColor(QPalette::WindowText, farbe(value));
        pal.setColor(QPalette::Text, farbe(value));
        pal.setColor(QPalette::ButtonText, farbe(value));
        c->w->setPalette(pal);
        return 0;
    }
    default:
        return FEHLER_ATTRIBUT;
    }
}

int SetCtrlAttribute(int panel, int control, int attribute, double value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    const int z = setzeZahlAttribut(*c, attribute, value);
    if (z != -1000) return z;
    if (!std::isfinite(value)) return FEHLER_WERT;
    return SetCtrlAttribute(panel, control, attribute, int(std::lround(value)));
}

int SetCtrlAttribute(int panel, int control, int attribute, const char* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (attribute != ATTR_LABEL_TEXT || !value) return FEHLER_ATTRIBUT;
    setzeLabel(*c, value);
    return 0;
}

int SetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (attribute != ATTR_CALLBACK_FUNCTION_POINTER) return FEHLER_ATTRIBUT;
    c->cb = value;
    return 0;
}

int SetCtrlAttribute(int panel, int control, int attribute, void* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (attribute != ATTR_CALLBACK_DATA) return FEHLER_ATTRIBUT;
    c->cbData = value;
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, int* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (!value) return FEHLER_WERT;
    switch (attribute) {
    case ATTR_DIMMED:
        *value = c->dimmed ? 1 : 0;
        return 0;
    case ATTR_VISIBLE:
        *value = c->sichtbar ? 1 : 0;
        return 0;
    case ATTR_TOP:
        *value = c->def.top;
        return 0;
    case ATTR_LEFT:
        *value = c->def.left;
        return 0;
    case ATTR_WIDTH:
        *value = c->w ? c->w->width() : 0;
        return 0;
    case ATTR_HEIGHT:
        *value = c->w ? c->w->height() : 0;
        return 0;
    case ATTR_MIN_VALUE:
    case ATTR_MAX_VALUE:
    case ATTR_INCR_VALUE:
    case ATTR_INTERVAL: {
        double d = 0;
        const int r = GetCtrlAttribute(panel, control, attribute, &d);
        if (r == 0) *value = int(std::clamp(std::round(d), double(INT_MIN), double(INT_MAX)));
        return r;
    }
    case ATTR_ON_COLOR:
    case ATTR_OFF_COLOR:
        if (c->def.art != CtrlArt::Led) return FEHLER_ATTRIBUT;
        *value = attribute == ATTR_ON_COLOR ? c->farbeAn : c->farbeAus;
        return 0;
    case ATTR_PEN_COLOR:
    case ATTR_PEN_FILL_COLOR:
        if (!c->canvas) return FEHLER_ATTRIBUT;
        *value = attribute == ATTR_PEN_COLOR ? c->canvas->stift : c->canvas->fuellung;
        return 0;
    case ATTR_PLOT_BGCOLOR:
        if (!c->graph) return FEHLER_ATTRIBUT;
        *value = c->graph->hintergrund;
        return 0;
    case ATTR_CTRL_STYLE:
        *value = artEintrag(c->def.art).stil;
        return 0;
    case ATTR_ENABLED:
        if (!c->timer) return FEHLER_ATTRIBUT;
        *value = c->timer->isActive() ? 1 : 0;
        return 0;
    case ATTR_TEXT_BOLD:
        if (!c->w) return FEHLER_ATTRIBUT;
        *value = c->w->font().bold() ? 1 : 0;
        return 0;
    case ATTR_TEXT_POINT_SIZE:
        if (!c->w) return FEHLER_ATTRIBUT;
        *value = c->w->font().pointSize();
        return 0;
    case ATTR_TEXT_COLOR:
        if (!c->w) return FEHLER_ATTRIBUT;
        *value = rgb(c->w->palette().color(QPalette::WindowText));
        return 0;
    default:
        return FEHLER_ATTRIBUT;
    }
}

int GetCtrlAttribute(int panel, int control, int attribute, double* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (!value) return FEHLER_WERT;
    switch (attribute) {
    case ATTR_MIN_VALUE:
    case ATTR_MAX_VALUE:
    case ATTR_INCR_VALUE:
        if (!istNumerisch(*c)) return FEHLER_ATTRIBUT;
        *value = attribute == ATTR_MIN_VALUE   ? c->def.min
                 : attribute == ATTR_MAX_VALUE ? c->def.max
                                               : c->def.schritt;
        return 0;
    case ATTR_INTERVAL:
        if (!c->timer) return FEHLER_ATTRIBUT;
        *value = c->def.intervall;
        return 0;
    default: {
        int i = 0;
        const int r = GetCtrlAttribute(panel, control, attribute, &i);
        if (r == 0) *value = i;
        return r;
    }
    }
}

int GetCtrlAttribute(int panel, int control, int attribute, std::string* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (attribute != ATTR_LABEL_TEXT || !value) return FEHLER_ATTRIBUT;
    *value = c->def.label;
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr* value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (attribute != ATTR_CALLBACK_FUNCTION_POINTER || !value) return FEHLER_ATTRIBUT;
    *value = c->cb;
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, void** value) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (attribute != ATTR_CALLBACK_DATA || !value) return FEHLER_ATTRIBUT;
    *value = c->cbData;
    return 0;
}

int InstallCtrlCallback(int panel, int control, CtrlCallbackPtr fn, void* callbackData) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    c->cb = fn;
    c->cbData = callbackData;
    return 0;
}

// ---- list items
// --------------------------------------------------------------------------------------------

int InsertListItem(int panel, int control, int index, const char* itemLabel, int itemValue) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    auto* b = als<QComboBox>(*c);
    if (!b || !itemLabel) return FEHLER_TYP;
    const int n = int(c->eintraege.size());
    const int i = index < 0 || index > n ? n : index;
    c->eintraege.insert(c->eintraege.begin() + i, ListenEintrag{itemLabel, itemValue});
    const QSignalBlocker bl(b);
    b->insertItem(i, Sprache_Text(itemLabel));
    return 0;
}

int ClearListCtrl(int panel, int control) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    auto* b = als<QComboBox>(*c);
    if (!b) return FEHLER_TYP;
    c->eintraege.clear();
    const QSignalBlocker bl(b);
    b->clear();
    return 0;
}

int UI_ListeGanzZeigen(int panel, int control) {
    constexpr int RAND = 24; // room for the frame and a scroll bar
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    auto* b = als<QComboBox>(*c);
    if (!b) return FEHLER_TYP;
    b->view()->setMinimumWidth(b->view()->sizeHintForColumn(0) + RAND);
    return 0;
}

// ---- creating and discarding
// -------------------------------------------------------------------------------

int NewCtrl(int panel, int style, const char* label, int top, int left) {
    Panel* p = uiint::panel(panel);
    if (!p) return FEHLER_PANEL;
    // Every kind but the strip chart, which only a resource places.
    const auto art = std::find_if(std::begin(ARTEN), std::end(ARTEN), [style](const ArtEintrag& e) {
        return e.stil == style && e.art != CtrlArt::Streifenschreiber;
    });
    if (art == std::end(ARTEN)) return FEHLER_TYP;
    CtrlDef d;
    d.art = art->art;
    d.id = neueId(*p);
    if (d.id == INT_MAX) return FEHLER_CTRL; // no free id left above the resource's
    d.label = label ? label : "";
    d.top = top;
    d.left = left;
    d.width = standardBreite(d.art);
    d.height = standardHoehe(d.art);
    d.intervall = 1.0;
    ctrlAufbauen(*p, d);
    if (Ctrl* c = ctrl(panel, d.id); c && c->w) c->w->show(); // shown with its panel, also one shown before
    return d.id;
}

int DiscardCtrl(int panel, int control) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    // The owner frees what it keeps for the control on this notice, even inside another callback.
    if (c->cb) c->cb(panel, control, EVENT_DISCARD, c->cbData, 0, 0);
    if (Panel* p = uiint::panel(panel)) ctrlEntfernen(*p, control);
    return 0;
}

int DrawCtrlNow(int panel, int control) {
    Ctrl* c = ctrl(panel, control);
    if (!c) return FEHLER_CTRL;
    if (c->w) c->w->repaint();
    return 0;
}

QWidget* UI_CtrlWidget(int panel, int control) {
    Ctrl* c = ctrl(panel, control);
    return c ? c->w.data() : nullptr;
}

int UI_CtrlWirdBearbeitet(int panel, int control) {
    Ctrl* c = ctrl(panel, control);
    if (!c || !c->w || !c->w->hasFocus()) return 0;
    if (auto* s = als<QDoubleSpinBox>(*c)) return s->cleanText() != s->textFromValue(s->value()) ? 1 : 0;
    if (auto* e = als<QLineEdit>(*c)) return e->isModified() ? 1 : 0;
    return 0;
}
