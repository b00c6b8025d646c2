// Modal popups: message box and file dialog, each replaceable by a handler for tests and tools.

#include "platform/ui_intern.h"
#include "platform/ui_test.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

namespace {
std::function<void(const std::string&, const std::string&)> g_meldung;
std::function<std::string(const DateiauswahlAnfrage&)> g_datei;

QString text(const char* s) {
    return QString::fromUtf8(s ? s : "");
}

// Shows a dialog modal and centred over the window that opened it, with the size it has once laid out
// (also without a window manager, which would otherwise leave it at the screen's corner).
void zentriertZeigen(QDialog& d, QWidget* ueber) {
    d.setWindowModality(Qt::ApplicationModal);
    d.show();
    uiint::zentrieren(&d, ueber);
}
} // namespace

using namespace uiint;

void UI_MeldungsabfangSetzen(std::function<void(const std::string& title, const std::string& text)> handler) {
    g_meldung = std::move(handler);
}

void UI_DateiauswahlSetzen(std::function<std::string(const DateiauswahlAnfrage&)> handler) {
    g_datei = std::move(handler);
}

int MessagePopup(const char* title, const char* message) {
    const std::string t = title ? title : "", m = message ? message : "";
    if (g_meldung) {
        g_meldung(t, m);
        return 0;
    }
    if (!appDa()) {
        std::fprintf(stderr, "%s\n%s\n", t.c_str(), m.c_str());
        return 0;
    }
    if (beendenAngefordert()) return 0; // the program is ending: nobody waits for an answer
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget* ueber = vorderesFenster();
    QMessageBox box(QMessageBox::NoIcon, text(title), text(message), QMessageBox::Ok, ueber);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    PopupFreigabe frei; // timer callbacks go on while the box waits
    zentriertZeigen(box, ueber);
    box.exec();
    return 0;
}

int FileSelectPopup(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                    const char* title, int buttonLabel, int /*restrictDirectory*/, int restrictExtension,
                    int /*allowCancel*/, int allowMakeDirectory, char* pathName) {
    DateiauswahlAnfrage a;
    a.verzeichnis = defaultDirectory ? defaultDirectory : "";
    a.vorgabe = defaultFileSpec ? defaultFileSpec : "";
    a.filter = fileTypeList ? fileTypeList : "";
    a.titel = title ? title : "";
    a.knopf = buttonLabel;
    a.neueVerzeichnisse = allowMakeDirectory;

    QString pfad;
    if (g_datei) {
        pfad = QString::fromStdString(g_datei(a));
    } else {
        if (!appDa() || beendenAngefordert()) return VAL_NO_FILE_SELECTED;
        QString muster = text(fileTypeList).replace(';', ' ').trimmed();
        QFileDialog d(vorderesFenster(), text(title), text(defaultDirectory));
        d.setOption(QFileDialog::DontUseNativeDialog);
        if (!muster.isEmpty())
            d.setNameFilters({QString("%1 (%1)").arg(muster), QString::fromUtf8("Alle Dateien (*)")});
        if (buttonLabel == VAL_SAVE_BUTTON) {
            d.setAcceptMode(QFileDialog::AcceptSave);
            d.setFileMode(QFileDialog::AnyFile);
            d.setOption(QFileDialog::DontConfirmOverwrite); // the program decides about overwriting
        } else {
            d.setAcceptMode(QFileDialog::AcceptOpen);
            d.setFileMode(buttonLabel == VAL_LOAD_BUTTON ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        }
        if (!allowMakeDirectory) d.setOption(QFileDialog::ReadOnly);
        if (restrictExtension && muster.startsWith("*.") && !muster.contains(' '))
            d.setDefaultSuffix(muster.mid(2));
        const QString vorgabe = text(defaultFileSpec);
        if (!vorgabe.isEmpty() && !vorgabe.contains('*') && !vorgabe.contains('?')) d.selectFile(vorgabe);
        PopupFreigabe frei;
        zentriertZeigen(d, vorderesFenster());
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return VAL_NO_FILE_SELECTED;
        pfad = d.selectedFiles().first();
    }
    if (pfad.isEmpty()) return VAL_NO_FILE_SELECTED;
    const QByteArray bytes = pfad.toUtf8();
    // A path that does not fit the caller's buffer is refused rather than cut to a different file.
    if (bytes.size() >= MAX_PATHNAME_LEN) return VAL_NO_FILE_SELECTED;
    if (pathName) std::memcpy(pathName, bytes.constData(), size_t(bytes.size()) + 1);
    return QFileInfo::exists(pfad) ? VAL_EXISTING_FILE_SELECTED : VAL_NEW_FILE_SELECTED;
}
