// The tick list and the save question as Qt dialogs, each replaceable by a handler.

#include "platform/ui/ui_fragen.h"

#include "platform/ui/ui_intern.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
std::function<int(const std::string&, const std::vector<std::string>&, std::vector<int>&)> g_auswahl;
std::function<int(const std::string&, const std::string&)> g_frage;
std::function<int(const std::string&, std::string&)> g_eingabe;
} // namespace

using namespace uiint;

namespace {

// A question with "OK" and "Abbrechen" over the front window: `hinweis` on top, below it the fields that
// `felder` adds. On OK `lesen` takes their values while they still exist; false on cancel.
bool okDialog(const char* titel, const char* hinweis,
              const std::function<void(QDialog&, QVBoxLayout*)>& felder, const std::function<void()>& lesen) {
    if (!appDa() || beendenAngefordert()) return false;
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget* ueber = vorderesFenster();
    QDialog d(ueber);
    d.setWindowTitle(Sprache_Text(titel));
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(new QLabel(Sprache_Text(hinweis), &d));
    felder(d, layout);
    auto* knoepfe = new QDialogButtonBox(&d);
    knoepfe->addButton(QString::fromUtf8("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    knoepfe->addButton(Sprache_Text(UI_KNOPF_ABBRECHEN), QDialogButtonBox::RejectRole);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    layout->addWidget(knoepfe);
    PopupFreigabe frei;
    if (popupAusfuehren(d, ueber) != QDialog::Accepted) return false;
    lesen();
    return true;
}

} // namespace

void UI_AuswahlabfangSetzen(
    std::function<int(const std::string&, const std::vector<std::string>&, std::vector<int>&)> handler) {
    g_auswahl = std::move(handler);
}

void UI_FrageabfangSetzen(std::function<int(const std::string&, const std::string&)> handler) {
    g_frage = std::move(handler);
}

void UI_EingabeabfangSetzen(std::function<int(const std::string&, std::string&)> handler) {
    g_eingabe = std::move(handler);
}

int UI_EingabePopup(const char* titel, const char* hinweis, std::string* antwort) {
    if (g_eingabe) {
        std::string neu = *antwort;
        const int r = g_eingabe(titel ? titel : "", neu);
        if (r == 1) *antwort = neu;
        return r == 1 ? 1 : 0;
    }
    QLineEdit* feld = nullptr;
    const bool ok = okDialog(
        titel, hinweis,
        [&](QDialog& d, QVBoxLayout* layout) {
            feld = new QLineEdit(QString::fromStdString(*antwort), &d);
            feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('x'))));
            layout->addWidget(feld);
        },
        [&] { *antwort = feld->text().trimmed().toStdString(); });
    return ok ? 1 : 0;
}

int UI_AuswahlPopup(const char* titel, const char* hinweis, const std::vector<std::string>& eintraege,
                    std::vector<int>* gewaehlt) {
    gewaehlt->resize(eintraege.size(), 0);
    if (g_auswahl) {
        std::vector<int> neu = *gewaehlt;
        const int r = g_auswahl(titel ? titel : "", eintraege, neu);
        if (r == 1) *gewaehlt = neu;
        return r == 1 ? 1 : 0;
    }
    std::vector<QCheckBox*> kaesten;
    const bool ok = okDialog(
        titel, hinweis,
        [&](QDialog& d, QVBoxLayout* layout) {
            for (std::size_t i = 0; i < eintraege.size(); ++i) {
                auto* k = new QCheckBox(QString::fromStdString(eintraege[i]), &d);
                k->setChecked((*gewaehlt)[i] != 0);
                layout->addWidget(k);
                kaesten.push_back(k);
            }
        },
        [&] {
            for (std::size_t i = 0; i < kaesten.size(); ++i)
                (*gewaehlt)[i] = kaesten[i]->isChecked() ? 1 : 0;
        });
    return ok ? 1 : 0;
}

int UI_SpeichernFrage(const char* titel, const char* frage) {
    if (g_frage) return g_frage(titel ? titel : "", frage ? frage : "");
    if (!appDa() || beendenAngefordert()) return UI_ANTWORT_ABBRECHEN;
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget* ueber = vorderesFenster();
    QMessageBox box(QMessageBox::Question, Sprache_Text(titel), Sprache_Text(frage), QMessageBox::NoButton,
                    ueber);
    box.setTextFormat(Qt::PlainText);
    QPushButton* speichern = box.addButton(Sprache_Text(UI_KNOPF_SPEICHERN), QMessageBox::AcceptRole);
    QPushButton* verwerfen = box.addButton(Sprache_Text(UI_KNOPF_VERWERFEN), QMessageBox::DestructiveRole);
    QPushButton* abbrechen = box.addButton(Sprache_Text(UI_KNOPF_ABBRECHEN), QMessageBox::RejectRole);
    box.setDefaultButton(speichern);
    box.setEscapeButton(abbrechen);
    PopupFreigabe frei;
    popupAusfuehren(box, ueber);
    if (box.clickedButton() == speichern) return UI_ANTWORT_SPEICHERN;
    if (box.clickedButton() == verwerfen) return UI_ANTWORT_VERWERFEN;
    return UI_ANTWORT_ABBRECHEN;
}
