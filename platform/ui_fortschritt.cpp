// Progress dialog drawn by the layer: title, label, a percentage bar with scale marks; updates repaint it
// directly and never run the event loop, so no callback can run in the middle of a transfer.

#include "platform/ui_intern.h"
#include "platform/ui_test.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
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
std::function<void(const std::string&, int)> g_beobachter;

} // namespace

void UI_FortschrittsbeobachterSetzen(std::function<void(const std::string& title, int percent)> observer) {
    g_beobachter = std::move(observer);
}

int CreateProgressDialog(const char* title, const char* label, int modal) {
    const int h = g_naechster++;
    Dialog& d = dialoge()[h];
    d.titel = title ? title : "";
    if (uiint::appDa()) {
        auto* f = new QWidget(QApplication::activeWindow(),
                              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        f->setWindowTitle(QString::fromUtf8(title ? title : ""));
        if (modal) f->setWindowModality(Qt::ApplicationModal);
        auto* lay = new QVBoxLayout(f);
        lay->addWidget(new QLabel(QString::fromUtf8(label ? label : ""), f));
        d.balken = new Balken(f);
        lay->addWidget(d.balken);
        f->adjustSize();
        d.fenster = f;
        f->show();
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
        it->second.balken->repaint();
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
    return 0;
}
