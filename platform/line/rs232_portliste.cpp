// Port list: what QSerialPortInfo reports, merged with COM 1..8 by the device each one really opens, and
// the stable /dev/serial/by-id links that survive re-plugging (ttyUSB numbers follow the plug order).

#include "platform/line/rs232_portliste.h"
#include "platform/sprache/textmarke.h"

#include "platform/line/leitung_netz.h"
#include "platform/line/rs232.h"

#include <QSerialPortInfo>

#include <filesystem>
#include <set>
#include <string_view>
#include <system_error>

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

// The device a path ends up at, so that a link and its target count as one port.
std::string geraetVon(const std::string& pfad) {
    std::error_code fehler;
    const fs::path echt = fs::canonical(pfad, fehler);
    return fehler ? pfad : echt.string();
}

int letzterGeraeteport() {
    return RS232_ERSTER_GERAETEPORT + RS232_MAX_GERAETEPORTE - 1;
}

} // namespace

std::vector<Rs232_PortInfo> Rs232_GemeldetePorts(const std::string& byIdOrdner) {
    std::vector<Rs232_PortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        Rs232_PortInfo p;
        p.name = info.portName().toStdString();
        p.pfad = info.systemLocation().toStdString();
        p.stabilerPfad = Rs232_StabilerPfad(p.pfad, byIdOrdner);
        p.beschreibung = info.description().toStdString();
        if (info.hasVendorIdentifier()) p.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) p.productId = info.productIdentifier();
        ports.push_back(std::move(p));
    }
    return ports;
}

std::string Rs232_StabilerPfad(const std::string& pfad, const std::string& byIdOrdner) {
    if (pfad.empty()) return pfad;
    const std::string geraet = geraetVon(pfad);
    std::error_code fehler;
    std::set<std::string> links; // sorted, so that the same link wins every time
    for (fs::directory_iterator it(byIdOrdner, fehler), ende; !fehler && it != ende; it.increment(fehler))
        if (geraetVon(it->path().string()) == geraet) links.insert(it->path().string());
    return links.empty() ? pfad : *links.begin();
}

std::vector<Rs232_PortInfo> Rs232_PortlisteBilden(const std::vector<Rs232_PortInfo>& gemeldet,
                                                  const std::string& byIdOrdner) {
    std::vector<Rs232_PortInfo> liste;
    std::vector<std::string> geraete; // parallel to `liste`
    for (int n = 1; n <= RS232_MAX_PORT; ++n) {
        Rs232_PortInfo com;
        com.nummer = n;
        com.name = "COM " + std::to_string(n);
        com.pfad = Rs232_Geraetepfad(n);
        com.stabilerPfad = Rs232_StabilerPfad(com.pfad, byIdOrdner);
        geraete.push_back(geraetVon(com.pfad));
        liste.push_back(std::move(com));
    }
    for (const Rs232_PortInfo& p : gemeldet) {
        const std::string geraet = geraetVon(p.pfad);
        std::size_t i = 0;
        while (i < geraete.size() && geraete[i] != geraet)
            ++i;
        if (i < geraete.size()) {
            Rs232_PortInfo& schon = liste[i];
            if (schon.beschreibung.empty()) schon.beschreibung = p.beschreibung;
            if (schon.vendorId < 0) schon.vendorId = p.vendorId;
            if (schon.productId < 0) schon.productId = p.productId;
            continue;
        }
        Rs232_PortInfo neu = p;
        if (neu.stabilerPfad.empty()) neu.stabilerPfad = Rs232_StabilerPfad(neu.pfad, byIdOrdner);
        neu.nummer = Rs232_GeraeteportVergeben(neu.stabilerPfad);
        geraete.push_back(geraet);
        liste.push_back(std::move(neu));
    }
    return liste;
}

bool Rs232_IstGeraeteport(int port) {
    return port >= RS232_ERSTER_GERAETEPORT && port <= letzterGeraeteport();
}

int Rs232_GeraeteportSuchen(const std::string& stabilerPfad) {
    if (stabilerPfad.empty()) return 0;
    for (int n = RS232_ERSTER_GERAETEPORT; n <= letzterGeraeteport(); ++n)
        if (Rs232_Geraetepfad(n) == stabilerPfad) return n;
    return 0;
}

int Rs232_GeraeteportVergeben(const std::string& stabilerPfad) {
    if (stabilerPfad.empty()) return 0;
    if (const int schon = Rs232_GeraeteportSuchen(stabilerPfad)) return schon;
    for (int n = RS232_ERSTER_GERAETEPORT; n <= letzterGeraeteport(); ++n)
        if (Rs232_Geraetepfad(n).empty()) {
            Rs232_GeraetepfadSetzen(n, stabilerPfad);
            return n;
        }
    return 0;
}

std::string Rs232_StabilerPfadVon(int port) {
    return Rs232_IstGeraeteport(port) ? Rs232_Geraetepfad(port) : std::string();
}

std::string Rs232_Anzeigename(const Rs232_PortInfo& port) {
    if (port.nummer >= 1 && port.nummer <= RS232_MAX_PORT) return port.name;
    const std::string name = port.name.empty() ? Rs232_Kurzname(port.pfad) : port.name;
    return port.beschreibung.empty() ? name : name + " \u2013 " + port.beschreibung;
}

std::string Rs232_Listenname(const std::string& pfad) {
    return Rs232_IstNetzadresse(pfad) ? pfad : Rs232_Kurzname(pfad) + " \u2013 " + pfad;
}

std::string Rs232_Kurzname(const std::string& pfad) {
    // The scheme does not fit beside the connection symbol; the selector shows it.
    if (Rs232_IstNetzadresse(pfad)) return pfad.substr(pfad.find("://") + 3);
    // A by-id link names the adapter, not the device node the operator knows; under /dev the node's name
    // is what the system calls the port ("ttyUSB0", "pts/4").
    constexpr std::string_view DEV = "/dev/";
    const std::string geraet = geraetVon(pfad);
    if (geraet.size() > DEV.size() && geraet.compare(0, DEV.size(), DEV) == 0)
        return geraet.substr(DEV.size());
    return fs::path(geraet).filename().string();
}

std::string Rs232_ZugriffHinweis(const std::string& pfad) {
#ifndef _WIN32
    // Joining the device's group helps only when that group may read and write it; root's group is
    // never the answer.
    struct stat st {};
    if (stat(pfad.c_str(), &st) == 0 && st.st_gid != 0 && (st.st_mode & S_IRGRP) && (st.st_mode & S_IWGRP))
        if (const group* g = getgrgid(st.st_gid); g && g->gr_name && *g->gr_name) {
            const std::string gruppe = g->gr_name;
            return Textmarke_Satz(
                QT_TRANSLATE_NOOP("Plm1",
                                  "Keine Berechtigung für %1: Benutzer in die Gruppe \"%2\" aufnehmen "
                                  "(sudo usermod -aG %2 $USER) und neu anmelden"),
                pfad, gruppe);
        }
#endif
    return Textmarke_Satz(
        QT_TRANSLATE_NOOP("Plm1", "Keine Berechtigung für %1: keine Gruppe gibt Zugriff darauf; der "
                                  "Systemverwalter muss ihn einrichten (zum Beispiel mit einer udev-Regel)"),
        pfad);
}

std::string Rs232_BelegtHinweis(const std::string& pfad) {
    return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 wird von einem anderen Programm benutzt"), pfad);
}

void Rs232_GeraeteportsZuruecksetzen() {
    for (int n = RS232_ERSTER_GERAETEPORT; n <= letzterGeraeteport(); ++n) {
        (void)CloseCom(n);
        Rs232_GeraetepfadSetzen(n, "");
    }
}
