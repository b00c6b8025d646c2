// SIGINT/SIGTERM as bytes from the signal helper: a socket notifier on the UI thread reads them and asks
// the event loop to end.

#include "platform/ui/ui_signale.h"

#include "platform/prozess/signale.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_intern.h"

#include <QCoreApplication>
#include <QSocketNotifier>

void UI_BeendenBeiSignal() {
    static bool eingerichtet = false;
    if (!uiint::appDa() || eingerichtet) return;
    const int zeichen = Signale_AlsZeichen(Endesignale::UnterbrechungUndBeenden);
    if (zeichen < 0) return;
    eingerichtet = true;
    auto* n = new QSocketNotifier(zeichen, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(n, &QSocketNotifier::activated, n, [] {
        Signale_ZeichenLeeren();
        QuitUserInterface(0);
    });
}
