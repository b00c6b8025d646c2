#pragma once
// What the real-display tests share: running xdotool, finding windows and their geometry, points inside the
// controls of a shown panel, screen captures, clicks and typing.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace xanzeige {
QString programmPfad();
QString xdotool(const QStringList& argumente);
qulonglong fensterFinden(const QString& titel);
qulonglong fensterAbwarten(const QString& titel, int ms);
QRect geometrie(qulonglong fenster);
QPoint punktIn(qulonglong fenster, int panelKonstante, int id, int dx);
QRect rechteckVon(qulonglong fenster, int panelKonstante, int id);
QImage bildVon(const QRect& r);
bool titelAbwarten(qulonglong fenster, const QString& titel, int ms);
void klicken(QPoint p, int anzahl);
void tippen(const QString& text);
} // namespace xanzeige
