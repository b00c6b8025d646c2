// Upload to several units: the tick list, the loop over the units and the summary.

#include "device/Gemeinsam_Mehrere.h"

#include "device/Gemeinsam_Com.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "errors/VKR_errorV3.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_fragen.h"

#include <algorithm>
#include <vector>

namespace {

struct Eintrag {
    int leiste;
    int item;
    GemMehrereSenden senden;
};
Eintrag gEintraege[GEMMEHRERE_MAX_MENUS];
int gAnzahl = 0;

void menuGewaehlt(int leiste, int item, void*, int) {
    for (int i = 0; i < gAnzahl; ++i)
        if (gEintraege[i].leiste == leiste && gEintraege[i].item == item)
            (void)GemMehrere_Senden(gEintraege[i].senden);
}

// A transfer's message as the error controls got it, with its extra line, on one line.
std::string fehlertext(Fehlercode f) {
    const bool gezeigt = f == VkrCom_LetzterFehlerGet() && VkrCom_LetzteFehlermeldungGet()[0] != '\0';
    std::string text = gezeigt ? VkrCom_LetzteFehlermeldungGet() : VKR_Fehlermeldung(f);
    std::replace(text.begin(), text.end(), '\n', ' ');
    return "Fehler #" + std::to_string(-static_cast<long long>(f)) + ": " + text;
}

} // namespace

int GemMehrere_MenuEintragHinzufuegen(int panel, int menuId, GemMehrereSenden senden) {
    const int leiste = GetPanelMenuBar(panel);
    if (leiste <= 0 || gAnzahl >= GEMMEHRERE_MAX_MENUS) return -1;
    const int item = NewMenuItem(leiste, menuId, GEMMEHRERE_MENUTEXT, -1, 0, &menuGewaehlt, nullptr);
    if (item >= 0) gEintraege[gAnzahl++] = Eintrag{leiste, item, senden};
    return item;
}

std::string GemMehrere_Senden(GemMehrereSenden senden) {
    const std::vector<VkrComGeraet> geraete = VkrCom_GefundeneGeraete();
    if (geraete.empty()) {
        MessagePopup(GEMMEHRERE_TITEL, GEMMEHRERE_KEINE_GERAETE);
        return {};
    }
    std::vector<std::string> zeilen;
    for (const auto& g : geraete)
        zeilen.push_back(std::string("Adresse ") + g.adresse + "  " + g.id);
    std::vector<int> gewaehlt(geraete.size(), 1);
    if (UI_AuswahlPopup(GEMMEHRERE_TITEL, GEMMEHRERE_HINWEIS, zeilen, &gewaehlt) != 1) return {};
    std::vector<VkrComGeraet> ziele;
    for (std::size_t i = 0; i < geraete.size(); ++i)
        if (gewaehlt[i]) ziele.push_back(geraete[i]);
    if (ziele.empty()) return {};

    const char alteAdresse = VkrCom_AdresseGet();
    const bool pruefen = GemPruefen_Eingeschaltet();
    const int dialog = CreateProgressDialog(GEMMEHRERE_TITEL, GEMMEHRERE_TITEL, 1);
    std::string zusammenfassung;
    Fehlercode ersterFehler = KEIN_FEHLER;
    const int n = static_cast<int>(ziele.size());
    for (int i = 0; i < n; ++i) {
        const VkrComGeraet& g = ziele[static_cast<std::size_t>(i)];
        GemCom_SammeldialogSetzen(dialog, 100 * i / n, 100 * (i + 1) / n);
        VkrCom_FehlermeldungSet(0);
        Fehlercode f = VkrCom_AdresseSet(g.adresse);
        char kennung[VKRPLM1_ID_LAENGE + 8] = {};
        // A unit that no longer answers is not sent to; the others still are.
        if (f == KEIN_FEHLER) f = VKRPLM1_IDLesen(VkrCom_ComPortGet(), g.adresse, kennung);
        if (f == KEIN_FEHLER) {
            f = senden(pruefen);
            if (f == KEIN_FEHLER) f = VkrCom_LetzterFehlerGet();
        }
        if (f != KEIN_FEHLER && ersterFehler == KEIN_FEHLER) ersterFehler = f;
        zusammenfassung += std::string("Adresse ") + g.adresse + " (" +
                           (kennung[0] ? kennung : g.id.c_str()) + "): " +
                           (f != KEIN_FEHLER ? fehlertext(f)
                            : pruefen        ? GEMPRUEFEN_STATUS
                                             : GEMMEHRERE_OK) +
                           "\n";
        UpdateProgressDialog(dialog, 100 * (i + 1) / n);
    }
    GemCom_SammeldialogSetzen(0, 0, 100);
    DiscardProgressDialog(dialog);
    (void)VkrCom_AdresseSet(alteAdresse);
    VkrCom_FehlermeldungSet(ersterFehler);
    MessagePopup(GEMMEHRERE_TITEL, zusammenfassung.c_str());
    return zusammenfassung;
}
