// The program's language: choice from the environment, installing the catalogues, looking texts up.

#include "platform/sprache/sprache.h"
#include "platform/sprache/textmarke.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace {

Sprache gSprache = Sprache::Deutsch;

// Lines and texts with a number that the code puts together; in the catalogue for the look-up by line
// and by number.
[[maybe_unused]] constexpr const char* ZEILEN[] = {
    QT_TRANSLATE_NOOP("Plm1", "Speicher im PLM-1 ist ungültig."),
    QT_TRANSLATE_NOOP("Plm1", "Senden Sie die Tastenbelegung erneut zum PLM-1."),
    QT_TRANSLATE_NOOP("Plm1", "Taste %1: Speicher ungültig"),
    QT_TRANSLATE_NOOP("Plm1", "Suche nach Gerät %1"),
};

QString nachschlagen(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return QCoreApplication::translate(SPRACHE_KONTEXT, utf8.constData());
}

// The whole text, else the text with its first number as "%1"; an empty result when nothing is found.
QString uebersetzen(const QString& text) {
    if (text.isEmpty()) return text;
    if (QString t = nachschlagen(text); t != text) return t;
    static const QRegularExpression zahl(QStringLiteral("\\d+"));
    if (const QRegularExpressionMatch m = zahl.match(text); m.hasMatch()) {
        QString vorlage = text;
        vorlage.replace(m.capturedStart(), m.capturedLength(), QStringLiteral("%1"));
        if (const QString t = nachschlagen(vorlage); t != vorlage) return t.arg(m.captured());
    }
    return {};
}

// The numbers the operator sees and types follow the language, whatever the system's locale: German
// decimal comma or English point, no group separators. Files and the wire never go through QLocale().
void zahlenEinstellen(Sprache sprache) {
    QLocale zahlen = sprache == Sprache::Englisch ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                  : QLocale(QLocale::German, QLocale::Germany);
    zahlen.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(zahlen);
    // The application object took the system's locale for the C library too; what goes to files and
    // to the wire through printf keeps the point.
    std::setlocale(LC_NUMERIC, "C");
}

const char* umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert && *wert ? wert : nullptr;
}

} // namespace

Sprache Sprache_AusUmgebung() {
    if (const char* vorgabe = umgebung("PLM1_SPRACHE"))
        return std::strncmp(vorgabe, "de", 2) == 0 ? Sprache::Deutsch : Sprache::Englisch;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* wert = umgebung(name))
            return std::strncmp(wert, "de", 2) == 0 ? Sprache::Deutsch : Sprache::Englisch;
    return Sprache::Englisch;
}

bool Sprache_AusWert(int wert, Sprache* sprache) {
    if (wert != static_cast<int>(Sprache::Deutsch) && wert != static_cast<int>(Sprache::Englisch))
        return false;
    *sprache = static_cast<Sprache>(wert);
    return true;
}

bool Sprache_Einstellen(Sprache sprache) {
    static QTranslator programm;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&programm);
    QCoreApplication::removeTranslator(&qt);
    gSprache = sprache;
    gTextmarke_Uebersetzer = [](const char* text) { return Sprache_TextUtf8(text); };
    const bool englisch = sprache == Sprache::Englisch;
    zahlenEinstellen(sprache);
    if (qt.load(englisch ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_de"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    if (!englisch) return true;
    if (!programm.load(QStringLiteral(":/i18n/plm1_en.qm"))) {
        gSprache = Sprache::Deutsch;
        zahlenEinstellen(gSprache);
        return false;
    }
    QCoreApplication::installTranslator(&programm);
    return true;
}

Sprache Sprache_Aktuell() {
    return gSprache;
}

QString Sprache_Text(const char* text) {
    if (!text || !*text) return QString();
    const QString quelle = QString::fromUtf8(text);
    if (gSprache == Sprache::Deutsch) return quelle;
    if (QString t = uebersetzen(quelle); !t.isEmpty()) return t;
    // A text of several lines (a message with a line added): each line on its own.
    if (!quelle.contains('\n')) return quelle;
    QStringList zeilen = quelle.split('\n');
    for (QString& z : zeilen)
        if (QString t = uebersetzen(z); !t.isEmpty()) z = t;
    return zeilen.join('\n');
}

QString Sprache_Text(const std::string& text) {
    return Sprache_Text(text.c_str());
}

std::string Sprache_TextUtf8(const char* text) {
    return Sprache_Text(text).toStdString();
}
