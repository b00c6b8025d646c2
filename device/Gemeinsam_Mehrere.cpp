// Upload to several units: the tick list, the loop over the units and the summary.

#include "device/Gemeinsam_Mehrere.h"

#include "device/Gemeinsam_Com.h"
#include "device/Gemeinsam_Einheiten.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/Vkr_Com.h"
#include "errors/VKR_errorV3.h"
#include "platform/sprache/sprache.h"
#include "platform/sprache/textmarke.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_fragen.h"

#include <cstddef>
#include <vector>

namespace {

struct MehrereEintrag {
    int leiste;
    int item;
    GemMehrereSenden senden;
};
MehrereEintrag gMehrereEintraege[GEMMEHRERE_MAX_MENUS];
int gMehrereAnzahl = 0;

void mehrereGewaehlt(int leiste, int item, void*, int) {
    for (int i = 0; i < gMehrereAnzahl; ++i)
        if (gMehrereEintraege[i].leiste == leiste && gMehrereEintraege[i].item == item)
            (void)GemMehrere_Senden(gMehrereEintraege[i].senden);
}

// A unit's result in the window's language; the result words of the command line stay as they are.
std::string ergebnisText(const GemEinheitErgebnis& e) {
    if (e.fehler == KEIN_FEHLER) return Sprache_TextUtf8(e.text.c_str());
    const std::string nummer = VKR_Fehlernummer(e.fehler);
    if (e.text.rfind(nummer, 0) != 0) return e.text;
    return VKR_Fehlernummer(e.fehler, VKR_FehlerspracheGet()) + e.text.substr(nummer.size());
}

} // namespace

int GemMehrere_MenuEintragHinzufuegen(int panel, int menuId, GemMehrereSenden senden) {
    const int leiste = GetPanelMenuBar(panel);
    if (leiste <= 0 || gMehrereAnzahl >= GEMMEHRERE_MAX_MENUS) return -1;
    const int item = NewMenuItem(leiste, menuId, GEMMEHRERE_MENUTEXT, -1, 0, &mehrereGewaehlt, nullptr);
    if (item >= 0) gMehrereEintraege[gMehrereAnzahl++] = MehrereEintrag{leiste, item, senden};
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
        zeilen.push_back(Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Adresse %1  %2"), g.adresse, g.id));
    std::vector<int> gewaehlt(geraete.size(), 1);
    if (UI_AuswahlPopup(GEMMEHRERE_TITEL, GEMMEHRERE_HINWEIS, zeilen, &gewaehlt) != 1) return {};
    std::vector<VkrComGeraet> ziele;
    for (std::size_t i = 0; i < geraete.size(); ++i)
        if (gewaehlt[i]) ziele.push_back(geraete[i]);
    if (ziele.empty()) return {};

    std::vector<char> adressen;
    for (const auto& g : ziele)
        adressen.push_back(g.adresse);
    const bool pruefen = GemPruefen_Eingeschaltet();
    const std::size_t n = ziele.size();
    std::string zusammenfassung;
    {
        GemComSammeldialog dialog(GEMMEHRERE_TITEL);
        (void)GemEinheiten_Nacheinander(
            adressen, [&](char) { return senden(pruefen); }, pruefen,
            [&](std::size_t i) {
                dialog.bereichSetzen(static_cast<int>(100 * i / n), static_cast<int>(100 * (i + 1) / n));
            },
            [&](std::size_t i, const GemEinheitErgebnis& e) {
                const std::string& kennung = e.kennung.empty() ? ziele[i].id : e.kennung;
                zusammenfassung += Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Adresse %1 (%2): %3"), e.adresse,
                                                  kennung, ergebnisText(e)) +
                                   "\n";
                dialog.setzen(static_cast<int>(100 * (i + 1) / n));
            });
    }
    MessagePopup(GEMMEHRERE_TITEL, zusammenfassung.c_str());
    return zusammenfassung;
}
