// Panels: loading from the resource tables, showing, hiding, popups, panel attributes and screenshots.

#include "platform/ui/ui_intern.h"
#include "platform/ui/ui_test.h"
#include "platform/ui/ui_widgets.h"

#include "platform/ui/ui_lage.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <vector>

namespace uiint {
namespace {

// A title "Name - [Datei *]": the window's name and "Unbenannt" in the program's language, a file name as
// it is.
QString titelText(const char* value) {
    const QString t = QString::fromUtf8(value);
    const qsizetype trenner = t.indexOf(QStringLiteral(" - ["));
    if (trenner < 0) return Sprache_Text(value);
    QString datei = t.mid(trenner + 4);
    const QString unbenannt = QString::fromUtf8(QT_TRANSLATE_NOOP("Plm1", "Unbenannt"));
    if (datei.startsWith(unbenannt))
        datei.replace(0, unbenannt.size(), Sprache_Text(unbenannt.toStdString()));
    return Sprache_Text(t.left(trenner).toStdString()) + QStringLiteral(" - [") + datei;
}

constexpr int ZEIGEN_MS = 1000; // longest wait for the window system to show a window
constexpr int RAHMEN_MS = 300;  // longest wait for the window manager to frame a popup

int g_naechsterHandle = 1;
QMargins g_rand; // the window manager's frame around a window, as last seen
int g_letzteAktiv = 0;
std::vector<int> g_popups; // installed popups, topmost last
const UiRessource* g_ressource = nullptr;

void popupEntfernen(int handle) {
    for (auto it = g_popups.begin(); it != g_popups.end(); ++it)
        if (*it == handle) {
            g_popups.erase(it);
            break;
        }
    if (Panel* p = panel(handle)) {
        p->popup = false;
        if (p->fenster) {
            p->fenster->schliessenErzwingen();
            p->fenster->setWindowModality(Qt::NonModal);
        }
    }
}

// Tab order follows reading order: rows from top to bottom (tops within a few pixels count as one row),
// left to right within a row.
void tabReihenfolge(Panel& p) {
    std::vector<Ctrl*> folge;
    for (auto& [id, c] : p.ctrls)
        if (c->w && (c->w->focusPolicy() & Qt::TabFocus)) folge.push_back(c.get());
    std::stable_sort(folge.begin(), folge.end(), [](const Ctrl* a, const Ctrl* b) {
        const int za = (a->def.top + 8) / 16, zb = (b->def.top + 8) / 16;
        return za != zb ? za < zb : a->def.left < b->def.left;
    });
    for (size_t i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1]->w, folge[i]->w);
}

int panelLaden(const PanelDef& def, const MenuBarDef* menu) {
    if (!appDa()) return FEHLER_KEINE_APP;
    // Ending the program is the program's decision (QuitUserInterface), never a side effect of the last
    // window or popup closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // One calm look for every window, whatever the desktop's style.
    if (QApplication::style()->name().compare("fusion", Qt::CaseInsensitive) != 0)
        QApplication::setStyle("Fusion");
    const int h = g_naechsterHandle++;
    auto neu = std::make_unique<Panel>();
    Panel& p = *neu;
    panels()[h] = std::move(neu);
    p.handle = h;
    p.def = def;
    auto* f = new PanelFenster(h);
    p.fenster = f;
    f->setWindowTitle(titelText(def.title.c_str()));
    p.inhalt = new QWidget(f);
    p.inhalt->resize(std::max(def.width, 1), std::max(def.height, 1));
    if (menu) menuBarAufbauen(p, *menu);
    f->setzeInhalt(p.inhalt, p.menuBar);
    f->resize(std::max(def.width, 1), std::max(def.height, 1) + f->menuHoehe());
    p.cb = panelCallback(def.callback);
    for (const CtrlDef& c : def.ctrls)
        ctrlAufbauen(p, c);
    tabReihenfolge(p);
    return h;
}

bool sichtbar(const Panel& p) {
    return p.fenster && p.fenster->isVisible();
}

} // namespace

void panelAktiviert(int handle) {
    g_letzteAktiv = handle;
}

QWidget* vorderesFenster() {
    if (!appDa()) return nullptr;
    if (Panel* p = panel(GetActivePanel()); p && p->fenster && p->fenster->isVisible()) return p->fenster;
    return QApplication::activeWindow();
}

void warteAufSichtbar(QWidget* f) {
    QElapsedTimer uhr;
    uhr.start();
    while (f && f->isVisible() && f->windowHandle() && !f->windowHandle()->isExposed() &&
           uhr.elapsed() < ZEIGEN_MS)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

// The window manager's frame round `f`; for a window not on the screen yet the one last seen round another.
QMargins rahmenRand(const QWidget* f) {
    if (f && f->isVisible() && f->windowHandle()) {
        const QMargins m = f->windowHandle()->frameMargins();
        if (!m.isNull()) g_rand = m;
        return m.isNull() ? g_rand : m;
    }
    return g_rand;
}

QRect freierBereich(const QRect& bei, const QWidget* f) {
    const QScreen* s = QGuiApplication::screenAt(bei.center());
    if (!s && f) s = f->screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

void fensterEinpassen(PanelFenster* f) {
    if (!f || (f->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) return;
    const QMargins rand = rahmenRand(f);
    const QRect frei = freierBereich(f->geometry(), f);
    const int balken = f->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, f);
    f->setMinimumSize(UiLage_Mindestgroesse(f->sizeHint(), frei, rand, balken));
    const QRect rahmen = f->geometry().marginsAdded(rand);
    const QRect passend = UiLage_Einpassen(rahmen, frei);
    if (passend != rahmen) f->setGeometry(passend.marginsRemoved(rand));
}

void zentrieren(QWidget* fenster, QWidget* ueber) {
    if (!fenster || !ueber || fenster == ueber) return;
    // A window the window manager has not placed yet stands somewhere else than it will.
    warteAufSichtbar(ueber);
    const QRect ziel = ueber->frameGeometry();
    QSize groesse = fenster->size();
    if (!fenster->testAttribute(Qt::WA_Resized)) groesse = groesse.expandedTo(fenster->sizeHint());
    // A window not on the screen yet has no frame: it will get one like the window it belongs over.
    const QMargins rand =
        fenster->isVisible() && fenster->windowHandle() && fenster->windowHandle()->isExposed()
            ? rahmenRand(fenster)
            : rahmenRand(ueber);
    groesse = groesse.grownBy(rand);
    const QRect r = UiLage_Zentrieren(groesse, ziel, freierBereich(ziel, ueber));
    // Placed by its own area: how the window system reads a position given with the frame depends on
    // whether it knows the frame yet.
    fenster->setGeometry(r.marginsRemoved(rand));
}

void titelPlatzSichern(QWidget* d) {
    if (!d) return;
    QFont fett = d->font();
    fett.setBold(true);
    const int noetig = UiLage_Titelbreite(QFontMetrics(fett).horizontalAdvance(d->windowTitle()));
    if (auto* box = qobject_cast<QMessageBox*>(d)) {
        // A message box sizes itself from its layout; a spacer across its grid gives it the width.
        if (auto* gitter = qobject_cast<QGridLayout*>(box->layout()))
            gitter->addItem(new QSpacerItem(noetig, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                            gitter->rowCount(), 0, 1, gitter->columnCount());
        return;
    }
    d->setMinimumWidth(std::max(d->minimumWidth(), noetig));
}

void popupZeigen(QWidget* d, QWidget* ueber) {
    d->setWindowModality(Qt::ApplicationModal);
    titelPlatzSichern(d);
    zentrieren(d, ueber);
    d->show(); // sized once shown (message boxes lay themselves out then)
    zentrieren(d, ueber);
    warteAufSichtbar(d);
    // Under a window manager (the window below has a frame) the popup's own frame comes a moment later.
    QElapsedTimer uhr;
    uhr.start();
    while (!rahmenRand(ueber).isNull() && d->windowHandle() && d->windowHandle()->frameMargins().isNull() &&
           uhr.elapsed() < RAHMEN_MS)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    zentrieren(d, ueber); // now with its own frame
}

int popupAusfuehren(QDialog& d, QWidget* ueber) {
    popupZeigen(&d, ueber);
    // Events handled while it came up may have answered or closed it already.
    return d.isVisible() ? d.exec() : d.result();
}

} // namespace uiint

using namespace uiint;

int UI_PanelDefLaden(const PanelDef& def) {
    return panelLaden(def, nullptr);
}
int UI_PanelDefLaden(const PanelDef& def, const MenuBarDef& menuBar) {
    return panelLaden(def, &menuBar);
}

void UI_RessourceSetzen(const UiRessource* ressource) {
    g_ressource = ressource;
}

int LoadPanel(int /*parentPanel*/, const char* resourceFile, int panelConstant) {
    if (!g_ressource || !resourceFile ||
        QFileInfo(QString::fromUtf8(resourceFile))
                .fileName()
                .compare(QString::fromUtf8(g_ressource->dateiname), Qt::CaseInsensitive) != 0)
        return FEHLER_RESSOURCE;
    const PanelDef* def = g_ressource->panel(panelConstant);
    if (!def) return FEHLER_RESSOURCE;
    const MenuBarDef* menu = def->menuBar ? g_ressource->menuBar(def->menuBar) : nullptr;
    return panelLaden(*def, menu);
}

int DisplayPanel(int handle) {
    Panel* p = panel(handle);
    if (!p || !p->fenster) return FEHLER_PANEL;
    PanelFenster* f = p->fenster;
    const int zoom = p->zoomVorAnzeige;
    p->zoomVorAnzeige = VAL_NO_ZOOM;
    if (zoom == VAL_MAXIMIZE) {
        f->showMaximized();
    } else if (zoom == VAL_MINIMIZE) {
        f->showMinimized();
    } else {
        // Wholly on its screen, whatever position it was given, with the frame the other windows have.
        fensterEinpassen(f);
        f->show();
        fensterEinpassen(f); // its own frame, where the window system knows it already
    }
    f->raise();
    f->activateWindow();
    g_letzteAktiv = handle;
    return 0;
}

int HidePanel(int handle) {
    Panel* p = panel(handle);
    if (!p || !p->fenster) return FEHLER_PANEL;
    (void)rahmenRand(p->fenster); // the next window shown gets the same frame
    if (p->popup)
        popupEntfernen(handle);
    else
        p->fenster->schliessenErzwingen();
    return 0;
}

int DiscardPanel(int handle) {
    Panel* p = panel(handle);
    if (!p) return FEHLER_PANEL;
    // Discard notices reach the callbacks always, also from inside another callback: owners free their
    // records on them.
    std::vector<int> ids;
    for (auto& [id, c] : p->ctrls)
        ids.push_back(id);
    for (int id : ids) {
        Ctrl* c = ctrl(handle, id);
        if (c && c->cb) c->cb(handle, id, EVENT_DISCARD, c->cbData, 0, 0);
    }
    p = panel(handle);
    if (!p) return 0;
    if (p->cb) p->cb(handle, EVENT_DISCARD, p->cbData, 0, 0);
    p = panel(handle);
    if (!p) return 0;
    if (p->popup) popupEntfernen(handle);
    QPointer<PanelFenster> f = p->fenster;
    for (auto& [id, c] : p->ctrls)
        if (c->timer) c->timer->stop();
    panels().erase(handle);
    if (g_letzteAktiv == handle) g_letzteAktiv = 0;
    if (f) {
        f->schliessenErzwingen();
        f->deleteLater(); // we may be inside one of its own signals
    }
    return 0;
}

int GetActivePanel() {
    if (!appDa()) return 0;
    if (Panel* p = panelVonFenster(QApplication::activeWindow())) return p->handle;
    if (!g_popups.empty()) return g_popups.back();
    if (Panel* p = panel(g_letzteAktiv); p && sichtbar(*p)) return p->handle;
    for (auto it = panels().rbegin(); it != panels().rend(); ++it)
        if (sichtbar(*it->second)) return it->first;
    return 0;
}

int InstallPopup(int handle) {
    Panel* p = panel(handle);
    if (!p || !p->fenster) return FEHLER_PANEL;
    if (p->popup) return 0;
    PanelFenster* f = p->fenster;
    QWidget* ueber = vorderesFenster();
    f->hide(); // modality changes only take effect on showing
    p->popup = true;
    g_popups.push_back(handle);
    popupZeigen(f, ueber);
    f->raise();
    f->activateWindow();
    return 0;
}

int RemovePopup(int allPopups) {
    if (g_popups.empty()) return 0;
    if (allPopups) {
        while (!g_popups.empty())
            popupEntfernen(g_popups.back());
    } else {
        popupEntfernen(g_popups.back());
    }
    return 0;
}

int SetPanelAttribute(int handle, int attribute, int value) {
    Panel* p = panel(handle);
    if (!p || !p->fenster) return FEHLER_PANEL;
    PanelFenster* f = p->fenster;
    const QRect g = f->geometry();
    switch (attribute) {
    case ATTR_TOP:
        f->setGeometry(g.left(), value, g.width(), g.height());
        return 0;
    case ATTR_LEFT:
        f->setGeometry(value, g.top(), g.width(), g.height());
        return 0;
    case ATTR_WIDTH:
        if (value < 1) return FEHLER_WERT;
        f->resize(value, g.height());
        return 0;
    case ATTR_HEIGHT:
        if (value < 1) return FEHLER_WERT;
        f->resize(g.width(), value + f->menuHoehe());
        return 0;
    case ATTR_VISIBLE:
        return value ? DisplayPanel(handle) : HidePanel(handle);
    case ATTR_WINDOW_ZOOM:
        if (value != VAL_NO_ZOOM && value != VAL_MINIMIZE && value != VAL_MAXIMIZE) return FEHLER_WERT;
        if (!f->isVisible()) {
            p->zoomVorAnzeige = value;
            return 0;
        }
        if (value == VAL_MAXIMIZE)
            f->showMaximized();
        else if (value == VAL_MINIMIZE)
            f->showMinimized();
        else
            f->showNormal();
        return 0;
    case ATTR_DIMMED:
        f->setEnabled(!value);
        return 0;
    default:
        return FEHLER_ATTRIBUT;
    }
}

int SetPanelAttribute(int handle, int attribute, const char* value) {
    Panel* p = panel(handle);
    if (!p || !p->fenster) return FEHLER_PANEL;
    if (attribute != ATTR_TITLE || !value) return FEHLER_ATTRIBUT;
    p->fenster->setWindowTitle(titelText(value));
    return 0;
}

int GetPanelAttribute(int handle, int attribute, int* value) {
    Panel* p = panel(handle);
    if (!p || !p->fenster) return FEHLER_PANEL;
    if (!value) return FEHLER_WERT;
    PanelFenster* f = p->fenster;
    const QRect g = f->geometry();
    switch (attribute) {
    case ATTR_TOP:
        *value = g.top();
        return 0;
    case ATTR_LEFT:
        *value = g.left();
        return 0;
    case ATTR_WIDTH:
        *value = g.width();
        return 0;
    case ATTR_HEIGHT:
        *value = g.height() - f->menuHoehe();
        return 0;
    case ATTR_VISIBLE:
        *value = f->isVisible() ? 1 : 0;
        return 0;
    case ATTR_DIMMED:
        *value = f->isEnabled() ? 0 : 1;
        return 0;
    case ATTR_WINDOW_ZOOM:
        if (!f->isVisible() && p->zoomVorAnzeige != VAL_NO_ZOOM)
            *value = p->zoomVorAnzeige;
        else if (f->windowState() & Qt::WindowMinimized)
            *value = VAL_MINIMIZE;
        else if (f->windowState() & Qt::WindowMaximized)
            *value = VAL_MAXIMIZE;
        else
            *value = VAL_NO_ZOOM;
        return 0;
    default:
        return FEHLER_ATTRIBUT;
    }
}

int GetPanelAttribute(int handle, int attribute, std::string* value) {
    Panel* p = panel(handle);
    if (!p || !p->fenster) return FEHLER_PANEL;
    if (attribute != ATTR_TITLE || !value) return FEHLER_ATTRIBUT;
    *value = p->fenster->windowTitle().toStdString();
    return 0;
}

QWidget* UI_PanelWidget(int handle) {
    Panel* p = panel(handle);
    return p ? p->fenster.data() : nullptr;
}

int UI_PanelAlsPngSpeichern(int handle, const std::string& pngPfad) {
    Panel* p = panel(handle);
    if (!p || !p->fenster) return FEHLER_PANEL;
    p->fenster->ensurePolished();
    const QImage bild = p->fenster->grab().toImage();
    if (bild.isNull()) return FEHLER_WERT;
    return bild.save(QString::fromStdString(pngPfad), "PNG") ? 1 : FEHLER_WERT;
}
