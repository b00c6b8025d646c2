#pragma once
// What the real-display tests share: starting the program, running xdotool, finding windows and their
// geometry, points inside the controls of a shown panel, screen captures, clicks and typing.

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

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
// Settings file with every key in `ordner`, then the program started there on the line `simPfad` as COM 1.
bool programmStarten(QProcess& programm, const QTemporaryDir& ordner, const std::string& simPfad);
} // namespace xanzeige
