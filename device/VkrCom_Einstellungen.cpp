// Reading the connection keys of the settings file and the port written back.

#include "device/VkrCom_Einstellungen.h"

#include "device/Vkr_Com.h"
#include "platform/files/einstellungsdatei.h"
#include "platform/line/rs232.h"

namespace {

std::optional<int> zahl(IniText ini, const char* schluessel) {
    int wert = 0;
    if (Ini_GetInt(ini, INI_SEKTION, schluessel, &wert) > 0) return wert;
    return std::nullopt;
}

std::string text(IniText ini, const char* schluessel) {
    std::string wert;
    if (Ini_GetString(ini, INI_SEKTION, schluessel, &wert) > 0) return wert;
    return {};
}

std::string pfadOhneComPort(const std::optional<int>& com, const std::string& pfad) {
    return com && Rs232_IstComPort(*com) ? std::string() : pfad;
}

} // namespace

bool VkrComEinstellungen::nenntPort() const {
    return (com && *com != 0) || !compfad.empty();
}

std::string VkrComEinstellungen::geraetepfad() const {
    return pfadOhneComPort(com, compfad);
}

std::string VkrComEinstellungen::letzterGeraetepfad() const {
    return pfadOhneComPort(lcom, lcompfad);
}

VkrComEinstellungen VkrCom_EinstellungenLesen(IniText ini) {
    // In this order, so that the unusable values are listed as they stand in the keys' order.
    VkrComEinstellungen e;
    e.com = zahl(ini, "com");
    e.compfad = text(ini, "compfad");
    e.lcom = zahl(ini, "lcom");
    e.lcompfad = text(ini, "lcompfad");
    e.adresse = zahl(ini, "adresse");
    return e;
}

int VkrCom_ZuSpeichernderPort(int eingestellt) {
    const int offen = VkrCom_ComPortGet();
    return offen == 0 && eingestellt != 0 && VkrCom_GewaehlterPortGet() == eingestellt ? eingestellt : offen;
}
