// Modal popups of the windows layer: message box and file dialog (handlers of tests and tools are taken
// before these, in ui_melden).

#include "platform/ui/ui_intern.h"
#include "platform/ui/ui_test.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace uiint {

int meldungZeigen(const char* title, const char* message) {
    if (!appDa()) {
        std::fprintf(stderr, "%s\n%s\n", title, message);
        return 0;
    }
    if (beendenAngefordert()) return 0; // the program is ending: nobody waits for an answer
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget* ueber = vorderesFenster();
    QMessageBox box(QMessageBox::NoIcon, Sprache_Text(title), Sprache_Text(message), QMessageBox::Ok, ueber);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    PopupFreigabe frei; // timer callbacks go on while the box waits
    popupAusfuehren(box, ueber);
    return 0;
}

int bestaetigungZeigen(const char* title, const char* message) {
    if (!appDa() || beendenAngefordert()) return 0;
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget* ueber = vorderesFenster();
    QMessageBox box(QMessageBox::Question, Sprache_Text(title), Sprache_Text(message), QMessageBox::NoButton,
                    ueber);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ja = box.addButton(Sprache_Text(QT_TRANSLATE_NOOP("Plm1", "&Ja")), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(Sprache_Text(QT_TRANSLATE_NOOP("Plm1", "&Nein")), QMessageBox::NoRole);
    box.setDefaultButton(nein); // replacing a file is never what Return does by chance
    box.setEscapeButton(nein);
    PopupFreigabe frei;
    popupAusfuehren(box, ueber);
    return box.clickedButton() == ja ? 1 : 0;
}

std::string dateiauswahlZeigen(const DateiauswahlAnfrage& a, int restrictExtension) {
    if (!appDa() || beendenAngefordert()) return {};
    QString muster = QString::fromStdString(a.filter).replace(';', ' ').trimmed();
    QWidget* ueber = vorderesFenster();
    QFileDialog d(ueber, Sprache_Text(a.titel), QString::fromStdString(a.verzeichnis));
    d.setOption(QFileDialog::DontUseNativeDialog);
    if (!muster.isEmpty())
        d.setNameFilters(
            {QString("%1 (%1)").arg(muster), Sprache_Text(QT_TRANSLATE_NOOP("Plm1", "Alle Dateien (*)"))});
    if (a.knopf == VAL_SAVE_BUTTON) {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        d.setOption(QFileDialog::DontConfirmOverwrite); // the program decides about overwriting
    } else {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(a.knopf == VAL_LOAD_BUTTON ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (!a.neueVerzeichnisse) d.setOption(QFileDialog::ReadOnly);
    if (restrictExtension && muster.startsWith("*.") && !muster.contains(' '))
        d.setDefaultSuffix(muster.mid(2));
    const QString vorgabe = QString::fromStdString(a.vorgabe);
    if (!vorgabe.isEmpty() && !vorgabe.contains('*') && !vorgabe.contains('?')) d.selectFile(vorgabe);
    PopupFreigabe frei;
    if (popupAusfuehren(d, ueber) != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().first().toStdString();
}

} // namespace uiint
