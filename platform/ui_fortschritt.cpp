// Progress dialog drawn by the layer: title, label, a percentage bar with scale marks. It is put on the
// screen before the work goes on and at every update; only paint and window events are handled then, and
// the dispatch block of waiting keeps every callback out of the middle of a transfer.

#include "platform/ui_intern.h"
#include "platform/ui_test.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>
#include <map>

namespace {

class Balken : public QWidget {
  public:
    explicit Balken(QWidget* parent) : QWidget(parent) { setMinimumSize(300, 38); }
    int prozent = 0;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect feld(0, 0, width() - 1, 20);
        p.fillRect(feld, palette().color(QPalette::Base));
        const int voll = feld.width() * prozent / 100;
        p.fillRect(QRect(feld.left(), feld.top(), voll, feld.height()), palette().color(QPalette::Highlight));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(feld);
        p.setPen(palette().color(QPalette::WindowText));
        for (int i = 0; i <= 10; ++i) { // scale marks every 10 %, longer at 0, 50 and 100
            const int x = feld.left() + feld.width() * i / 10;
            p.drawLine(x, 22, x, i % 5 == 0 ? 28 : 25);
        }
        p.drawText(QRect(0, 0, width(), 21), Qt::AlignCenter, QString("%1 %").arg(prozent));
    }
};

struct Dialog {
    std::string titel;
    QWidget* fenster = nullptr;
    Balken* balken = nullptr;
};

std::map<int, Dialog>& dialoge() {
    static std::map<int, Dialog> d;
    return d;
}
int g_naechster = 1;

constexpr int ZEIGEN_MS = 1000; // longest wait for the window system to show a new dialog

// Handles what the window system has sent meanwhile (exposure, paint requests, also of the window below)
// and holds back the operator's input, which the end of the wait throws away.
void fensterereignisseBearbeiten() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// A window shown just now is not on the screen before the window system has exposed it; painting it
// before that shows nothing.
void warteAufSichtbar(QWidget* f) {
    QElapsedTimer uhr;
    uhr.start();
    while (f->windowHandle() && !f->windowHandle()->isExposed() && uhr.elapsed() < ZEIGEN_MS)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}
std::function<void(const std::string&, int)> g_beobachter;

} // namespace

void UI_FortschrittsbeobachterSetzen(std::function<void(const std::string& title, int percent)> observer) {
    g_beobachter = std::move(observer);
}

int CreateProgressDialog(const char* title, const char* label, int modal) {
    const int h = g_naechster++;
    Dialog& d = dialoge()[h];
    d.titel = title ? title : "";
    UI_WartenBeginnen();
    if (uiint::appDa()) {
        QWidget* ueber = uiint::vorderesFenster();
        auto* f = new QWidget(ueber, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        f->setWindowTitle(QString::fromUtf8(title ? title : ""));
        if (modal) f->setWindowModality(Qt::ApplicationModal);
        auto* lay = new QVBoxLayout(f);
        lay->addWidget(new QLabel(QString::fromUtf8(label ? label : ""), f));
        d.balken = new Balken(f);
        lay->addWidget(d.balken);
        f->adjustSize();
        d.fenster = f;
        uiint::zentrieren(f, ueber);
        f->show();
        warteAufSichtbar(f);
        fensterereignisseBearbeiten();
        f->repaint();
    }
    if (g_beobachter) g_beobachter(d.titel, 0);
    return h;
}

int UpdateProgressDialog(int dialog, int percent) {
    auto it = dialoge().find(dialog);
    if (it == dialoge().end()) return uiint::FEHLER_WERT;
    percent = std::clamp(percent, 0, 100);
    if (it->second.balken) {
        it->second.balken->prozent = percent;
        fensterereignisseBearbeiten();
        if (it->second.balken) it->second.balken->repaint();
    }
    if (g_beobachter) g_beobachter(it->second.titel, percent);
    return 0;
}

int DiscardProgressDialog(int dialog) {
    auto it = dialoge().find(dialog);
    if (it == dialoge().end()) return uiint::FEHLER_WERT;
    const std::string titel = it->second.titel;
    if (it->second.fenster) {
        it->second.fenster->hide();
        delete it->second.fenster;
    }
    dialoge().erase(it);
    if (g_beobachter) g_beobachter(titel, -1);
    UI_WartenBeenden();
    return 0;
}
