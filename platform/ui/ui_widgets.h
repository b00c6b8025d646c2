#pragma once
// Widgets the windows layer draws itself: panel window, lamp, switch, connection picture, canvas, graph and
// the event filter that turns Qt input into control events. Not for use outside platform/.

#include "platform/ui/ui_intern.h"

#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QImage>
#include <QObject>
#include <QWidget>
#include <vector>

class QScrollArea;

namespace uiint {

// Top-level window of a panel: menu bar on top, the panel's content below it in a scroll area (centred when
// the window is larger than the content, scrolling when smaller). The close box only reports EVENT_CLOSE to
// the panel callback; the window stays open.
class PanelFenster : public QWidget {
  public:
    explicit PanelFenster(int handle);
    int handle() const { return handle_; }
    void setzeInhalt(QWidget* inhalt, QWidget* menuBar);
    void schliessenErzwingen(); // hides without asking the callback (quitting, discarding)
    int menuHoehe() const;
    QSize sizeHint() const override;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void anordnen();
    int handle_;
    QWidget* inhalt_ = nullptr;
    QScrollArea* rollen_ = nullptr;
    QWidget* menuBar_ = nullptr;
    bool erzwungen_ = false;
};

// Round lamp: on colour when lit, a dull grey when off; paler when dimmed.
class LedWidget : public QWidget {
  public:
    explicit LedWidget(QWidget* parent) : QWidget(parent) {}
    bool an = false;
    int farbeAn = 0x00FF00, farbeAus = 0x6E6E6E;

  protected:
    void paintEvent(QPaintEvent*) override;
};

// Toggle switch: a track with a knob, the on text on the lit track, the off text on the grey one.
class SchalterWidget : public QAbstractButton {
  public:
    explicit SchalterWidget(QWidget* parent);
    QString textAn, textAus;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;
};

// Connection picture: value 0 shows a plug apart and "nicht geöffnet", 1..8 a joined plug and "COM n".
class VerbindungsWidget : public QWidget {
  public:
    explicit VerbindungsWidget(QWidget* parent) : QWidget(parent) {}
    int wert = 0;
    QString name; // shown instead of "COM n" when set (a port opened by its path)

  protected:
    void paintEvent(QPaintEvent*) override;
};

// Canvas: an off-screen image; painting only blits it.
class CanvasWidget : public QWidget {
  public:
    CanvasWidget(QWidget* parent, int panel, int control);
    QImage bild;
    int stift = VAL_BLACK, fuellung = VAL_WHITE;
    int stapel = 0;         // open batch draws
    bool schmutzig = false; // drawn since the last paint
    void gezeichnet();      // after drawing: repaint soon unless a batch is open
    void groesseAnpassen(int w, int h);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void melde(QMouseEvent* e, int event);
    int panel_, control_;
};

// Graph: a bare plot surface with manual axis ranges over the whole control and one cursor.
class GraphWidget : public QWidget {
  public:
    GraphWidget(QWidget* parent, int panel, int control);
    struct Plot {
        int handle;
        bool rechteck;
        double x1, y1, x2, y2;
        int farbe, fuellung;
    };
    std::vector<Plot> plots;
    int naechsterPlot = 1;
    double xMin = 0, xMax = 100, yMin = 0, yMax = 100;
    int hintergrund = VAL_WHITE;
    double cursorX = 0, cursorY = 0;
    int cursorFarbe = VAL_TRANSPARENT; // hidden until given a colour
    bool schmutzig = false;
    bool taste = false; // a mouse button is held

    QPointF nachPixel(double x, double y) const;
    void vonPixel(QPointF p, double* x, double* y) const;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void cursorNachMaus(QMouseEvent* e);
    int panel_, control_;
};

// Numeric field: takes any number typed, also one beyond its limits, and brings it into its range when
// the edit is finished (104 in a field of -100..100 becomes 100), as such fields do. A character that cannot
// be part of the number is refused as it is typed (a decimal separator in a field of whole numbers). Numbers
// are shown as the language writes them; a field with fractions takes the point, in German the comma as
// well. A field left empty keeps its value.
class ZahlFeld : public QDoubleSpinBox {
  public:
    explicit ZahlFeld(QWidget* parent) : QDoubleSpinBox(parent) {}
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double wert) const override;

  private:
    QString kern(const QString& text) const;
    bool moeglich(const QString& kern) const;
    bool alsZahl(const QString& text, double* wert) const;
};

// Turns clicks, double clicks, keys and focus changes of a control's widgets into its events.
class CtrlFilter : public QObject {
  public:
    CtrlFilter(QObject* parent, int panel, int control, bool maus)
        : QObject(parent), panel_(panel), control_(control), maus_(maus) {}

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    int panel_, control_;
    bool maus_;
};

} // namespace uiint
