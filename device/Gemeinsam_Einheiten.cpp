// Several units in turn: identification, the command, and each unit's result line.

#include "device/Gemeinsam_Einheiten.h"

#include "device/Gemeinsam_Vergleich.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "errors/VKR_errorV3.h"

namespace {

// A failure's text as the error controls showed it, with its extra line, else the code's own message.
std::string fehlertext(Fehlercode f) {
    const bool gezeigt = f == VkrCom_LetzterFehlerGet() && VkrCom_LetzteFehlermeldungGet()[0] != '\0';
    return gezeigt ? VkrCom_LetzteFehlermeldungGet() : VKR_Fehlermeldung(f);
}

GemEinheitErgebnis einheitBedienen(char adresse, const GemEinheitBefehl& befehl, bool geprueft) {
    GemEinheitErgebnis e;
    e.adresse = adresse;
    VkrCom_FehlermeldungSet(0);
    Fehlercode f = VkrCom_AdresseSet(adresse);
    char kennung[VKRPLM1_ID_LAENGE + 8] = {};
    // A unit that does not answer its identification is not sent to; the others still are.
    if (f == KEIN_FEHLER) f = VKRPLM1_IDLesen(VkrCom_ComPortGet(), adresse, kennung);
    if (f == KEIN_FEHLER) {
        f = befehl(adresse);
        if (f == KEIN_FEHLER) f = VkrCom_LetzterFehlerGet();
    }
    e.kennung = kennung;
    e.fehler = f;
    e.text = f != KEIN_FEHLER ? VKR_Fehlerzeile(f, fehlertext(f), true)
             : geprueft       ? GEMPRUEFEN_STATUS
                              : GEMEINHEITEN_OK;
    return e;
}

} // namespace

std::vector<GemEinheitErgebnis>
GemEinheiten_Nacheinander(const std::vector<char>& adressen, const GemEinheitBefehl& befehl, bool geprueft,
                          const std::function<void(std::size_t i)>& vorher,
                          const std::function<void(std::size_t i, const GemEinheitErgebnis&)>& nachher) {
    const char alteAdresse = VkrCom_AdresseGet();
    std::vector<GemEinheitErgebnis> ergebnisse;
    Fehlercode ersterFehler = KEIN_FEHLER;
    for (std::size_t i = 0; i < adressen.size(); ++i) {
        if (vorher) vorher(i);
        ergebnisse.push_back(einheitBedienen(adressen[i], befehl, geprueft));
        const GemEinheitErgebnis& e = ergebnisse.back();
        if (e.fehler != KEIN_FEHLER && ersterFehler == KEIN_FEHLER) ersterFehler = e.fehler;
        if (nachher) nachher(i, e);
    }
    (void)VkrCom_AdresseSet(alteAdresse);
    VkrCom_FehlermeldungSet(ersterFehler);
    return ergebnisse;
}
