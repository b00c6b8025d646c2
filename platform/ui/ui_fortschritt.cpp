// Progress dialog drawn by the layer: title, label, a percentage bar with scale marks. It is put on the
// screen before the work goes on and at every update; only paint and window events are handled then, and
// the dispatch block of waiting keeps every callback out of the middle of a transfer.

#include "platform/ui/ui_intern.h"

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
    QWidget* fenster = nullptr;
    Balken* balken = nullptr;
};

std::map<int, Dialog>& dialoge() {
    static std::map<int, Dialog> d;
    return d;
}

// Handles what the window system has sent meanwhile (exposure, paint requests, also of the window below)
// and holds back the operator's input, which the end of the wait throws away.
void fensterereignisseBearbeiten() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

namespace uiint {

// A progress dialog counts as waiting for as long as it exists.
void fortschrittZeigen(int dialog, const char* title, const char* label, int modal) {
    Dialog& d = dialoge()[dialog];
    UI_WartenBeginnen();
    if (!appDa()) return;
    QWidget* ueber = vorderesFenster();
    auto* f = new QWidget(ueber, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    f->setWindowTitle(Sprache_Text(title));
    if (modal) f->setWindowModality(Qt::ApplicationModal);
    auto* lay = new QVBoxLayout(f);
    lay->addWidget(new QLabel(Sprache_Text(label), f));
    d.balken = new Balken(f);
    lay->addWidget(d.balken);
    f->adjustSize();
    d.fenster = f;
    titelPlatzSichern(f);
    f->adjustSize();
    zentrieren(f, ueber);
    f->show();
    warteAufSichtbar(f);
    zentrieren(f, ueber);
    fensterereignisseBearbeiten();
    f->repaint();
}

void fortschrittSetzen(int dialog, int percent) {
    auto it = dialoge().find(dialog);
    if (it == dialoge().end() || !it->second.balken) return;
    it->second.balken->prozent = percent;
    fensterereignisseBearbeiten();
    // The events handled just now may have ended the dialog.
    it = dialoge().find(dialog);
    if (it != dialoge().end() && it->second.balken) it->second.balken->repaint();
}

void fortschrittSchliessen(int dialog) {
    auto it = dialoge().find(dialog);
    if (it == dialoge().end()) return;
    if (it->second.fenster) {
        it->second.fenster->hide();
        delete it->second.fenster;
    }
    dialoge().erase(it);
    UI_WartenBeenden();
}

} // namespace uiint
