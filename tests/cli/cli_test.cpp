// The plm1 binary against simulated units on a pseudo-terminal: output formats, round trips through the
// unit, the "Fehler #" line with exit 1 and usage errors with exit 2.

#include "sim/plm1sim_server.h"

#include "plm1_version.h"

#include "tests/common/programmlauf.h"
#include "tests/common/ser2net_server.h"
#include "tests/common/testdatei.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Lauf = programmlauf::Ergebnis;
using testdatei::textLesen;

// Runs plm1 in `dir` with the given COM paths in its environment and nothing else of ours.
Lauf starten(const std::vector<std::string>& args, const fs::path& dir,
             const std::map<int, std::string>& com = {}) {
    programmlauf::Aufruf a;
    a.ordner = dir;
    for (const auto& [n, pfad] : com)
        a.umgebung.emplace_back("PLM1_COM" + std::to_string(n), pfad);
    return programmlauf::ausfuehren(PLM1_PROGRAMM, args, a);
}

void schreibgeschuetzt(const fs::path& p) {
    std::ofstream(p, std::ios::binary) << "ALT";
    fs::permissions(p, fs::perms(0444));
}

class Plm1Cli : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(server.starten({plm1sim::Einheit{'1', "VKR-PLM1-SIM"}})); }
    void TearDown() override { server.stoppen(); }
    Lauf plm1(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", server.pfad()});
        return starten(args, dir);
    }
    Lauf erfolgreich(const std::vector<std::string>& args) {
        Lauf l = plm1(args);
        EXPECT_EQ(l.exitCode, 0) << l.fehler;
        EXPECT_EQ(l.fehler, "");
        return l;
    }
    testdatei::Ordner ordner;
    const fs::path dir = ordner.pfad();
    plm1sim::Server server;
};

TEST_F(Plm1Cli, Kennung) {
    EXPECT_EQ(erfolgreich({"id"}).aus, "VKR-PLM1-SIM\n");
    EXPECT_EQ(server.bus().empfangeneZeilen(), std::vector<std::string>{"#1IDR\r"});
}

TEST_F(Plm1Cli, SucheFindetZweiEinheiten) {
    server.stoppen();
    ASSERT_TRUE(server.starten({plm1sim::Einheit{'2', "VKR-PLM1-A"}, plm1sim::Einheit{'5', "FREMD-X"}}));
    EXPECT_EQ(erfolgreich({"scan"}).aus, "2 VKR-PLM1-A\n5 FREMD-X\n");
    EXPECT_EQ(server.bus().empfangeneZeilen().size(), 9u);
    // Behind a device server the search finds the same units.
    for (const bool rfc2217 : {false, true}) {
        Ser2netServer ser2net;
        ASSERT_TRUE(ser2net.starten(server.pfad(), rfc2217));
        server.bus().protokollLeeren();
        const Lauf l = starten({"--port", ser2net.adresse(rfc2217), "scan"}, dir);
        EXPECT_EQ(l.exitCode, 0) << ser2net.adresse(rfc2217) << ": " << l.fehler;
        EXPECT_EQ(l.aus, "2 VKR-PLM1-A\n5 FREMD-X\n") << ser2net.adresse(rfc2217);
        EXPECT_EQ(server.bus().empfangeneZeilen().size(), 9u) << ser2net.adresse(rfc2217);
    }
}

TEST_F(Plm1Cli, SetzenUndLesenUeberDieEinheit) {
    struct Fall {
        std::vector<std::string> setzen;
        std::string wort, erwartet;
    } faelle[] = {
        {{"pumpe1", "55"}, "pumpe1", "55\n"},
        {{"pumpe2", "-100.00005"}, "pumpe2", "-100\n"},
        {{"drucklow2", "-1999.6"}, "drucklow2", "-2000\n"},
        {{"druckhigh1", "1500"}, "druckhigh1", "1500\n"},
        {{"alleventile", "0xbe"}, "alleventile", "00BE\n"},
        {{"alleventile", "0xBE"}, "ventil2", "1\n"},
        {{"alleventile", "0xBE"}, "ventil1", "0\n"},
        {{"alleventile", "5"}, "alleventile", "0005\n"},
        {{"alleventile", "0"}, "alleventile", "0000\n"},
        {{"ventil16", "1"}, "alleventile", "8000\n"},
        {{"ventil10", "1"}, "ventil10", "1\n"},
        {{"druckhigh2", "+1e3"}, "druckhigh2", "1000\n"},
        {{"ventil4", "+1"}, "ventil4", "1\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.setzen[0] + " " + f.setzen[1]);
        std::vector<std::string> args{"set"};
        args.insert(args.end(), f.setzen.begin(), f.setzen.end());
        EXPECT_EQ(erfolgreich(args).aus, "");
        EXPECT_EQ(erfolgreich({"get", f.wort}).aus, f.erwartet);
    }
    EXPECT_EQ(server.bus().zustand('1').pumpe[0], 55);
}

TEST_F(Plm1Cli, IstwerteUndStatus) {
    plm1sim::Zustand z = server.bus().zustand('1');
    z.spannung = 24.1;
    z.temperatur = -3.5;
    z.status = 0x1A20;
    server.bus().zustandSetzen('1', z);
    EXPECT_EQ(erfolgreich({"get", "istspannung"}).aus, "24.1\n");
    EXPECT_EQ(erfolgreich({"get", "isttemperatur"}).aus, "-3.5\n");
    EXPECT_EQ(erfolgreich({"get", "status"}).aus, "1A20\n");
}

TEST_F(Plm1Cli, Geraetefunktionen) {
    const std::pair<const char*, int> faelle[] = {{"start", 1}, {"pause", 2}, {"stop", 3}, {"start", 1}};
    for (const auto& [befehl, funktion] : faelle) {
        EXPECT_EQ(erfolgreich({befehl}).aus, "");
        EXPECT_EQ(server.bus().zustand('1').funktion, funktion) << befehl;
    }
}

TEST_F(Plm1Cli, MehrereAdressenEineZeileJeGeraet) {
    server.stoppen();
    ASSERT_TRUE(server.starten({plm1sim::Einheit{'1', "VKR-PLM1-A"}, plm1sim::Einheit{'5', "VKR-PLM1-C"}}));
    Lauf l = plm1({"--address", "1,3,5", "start"});
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_EQ(l.aus, "1 VKR-PLM1-A ok\n3 - Fehler #403012: Keine Antwort vom Gerät\n5 VKR-PLM1-C ok\n");
    EXPECT_EQ(server.bus().zustand('5').funktion, 1);
    l = plm1({"--address", "5,1", "id"});
    EXPECT_EQ(l.exitCode, 0) << l.fehler;
    EXPECT_EQ(l.aus, "5 VKR-PLM1-C ok\n1 VKR-PLM1-A ok\n");
    // A refused command is that unit's failure only.
    server.bus().fehlerSetzen("DF3", plm1sim::Fehlerart::Nak, 1, '1');
    l = plm1({"--address", "1,5", "stop"});
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_EQ(l.aus.rfind("1 VKR-PLM1-A Fehler #402039: ", 0), 0u) << l.aus;
    EXPECT_NE(l.aus.find("\n5 VKR-PLM1-C ok\n"), std::string::npos) << l.aus;
    EXPECT_EQ(server.bus().zustand('5').funktion, 3);
    // Each cycle function reaches both units of the list.
    server.bus().fehlerLoeschen();
    for (const auto& [befehl, funktion] :
         {std::pair{"start", 1}, std::pair{"pause", 2}, std::pair{"stop", 3}, std::pair{"start", 1}}) {
        l = plm1({"--address", "1,5", befehl});
        EXPECT_EQ(l.exitCode, 0) << befehl << l.fehler;
        EXPECT_EQ(server.bus().zustand('1').funktion, funktion) << befehl;
        EXPECT_EQ(server.bus().zustand('5').funktion, funktion) << befehl;
    }
}

TEST_F(Plm1Cli, SpeicherLesenSechzehnBytesJeZeile) {
    std::vector<std::uint8_t> daten;
    for (int i = 0; i < 20; ++i)
        daten.push_back(static_cast<std::uint8_t>(i * 13));
    server.bus().speicherSetzen('1', 0x0FF8, daten);
    EXPECT_EQ(erfolgreich({"read-mem", "0x0FF8", "20"}).aus,
              "0FF8: 00 0D 1A 27 34 41 4E 5B 68 75 82 8F 9C A9 B6 C3\n"
              "1008: D0 DD EA F7\n");
    EXPECT_EQ(erfolgreich({"read-mem", "4088", "16"}).aus,
              "0FF8: 00 0D 1A 27 34 41 4E 5B 68 75 82 8F 9C A9 B6 C3\n");
    EXPECT_EQ(erfolgreich({"read-mem", "4089", "1"}).aus, "0FF9: 0D\n");
    EXPECT_EQ(server.bus().empfangeneZeilen().back(), "#1BDR40FF90001\r");
}

TEST_F(Plm1Cli, SpeicherSchreiben) {
    EXPECT_EQ(erfolgreich({"write-mem", "0x100", "12abFF"}).aus, "");
    EXPECT_EQ(server.bus().speicher('1', 0x100, 3), (std::vector<std::uint8_t>{0x12, 0xAB, 0xFF}));
    EXPECT_EQ(server.bus().empfangeneZeilen().back(), "#1BDW40100000312ABFF01BD\r");
    EXPECT_EQ(erfolgreich({"read-mem", "256", "3"}).aus, "0100: 12 AB FF\n");
    EXPECT_EQ(erfolgreich({"write-mem", "0x300", ""}).aus, "");
    EXPECT_EQ(server.bus().empfangeneZeilen().back(), "#1BDW4030000000001\r");
    EXPECT_EQ(erfolgreich({"write-mem", "0", std::string(128, 'a')}).aus, "");
    EXPECT_EQ(server.bus().speicher('1', 0, 64), std::vector<std::uint8_t>(64, 0xAA));
}

TEST_F(Plm1Cli, FehlerMitNummerUndText) {
    struct Fall {
        std::vector<std::string> args;
        plm1sim::Fehlerart stoerung;
        const char* code;
        std::string fehler;
    } faelle[] = {
        {{"--address", "7", "id"},
         plm1sim::Fehlerart::Keiner,
         "",
         "Fehler #403012: Keine Antwort vom Gerät\n"},
        {{"id"}, plm1sim::Fehlerart::Nak, "IDR", "Fehler #402010: Fehlermeldung (NAK) vom Gerät erhalten\n"},
        {{"get", "pumpe1"}, plm1sim::Fehlerart::Err, "P1R", "Fehler #409118: Gerät meldet Parameterfehler\n"},
        {{"read-mem", "0", "4"},
         plm1sim::Fehlerart::FalscheChecksumme,
         "BDR",
         "Fehler #406147: Checksummenfehler bei der Übertragung\n"},
        {{"stop"},
         plm1sim::Fehlerart::Can,
         "DF3",
         "Fehler #405040: Befehlsausführung momentan nicht möglich (CAN erhalten)\n"},
        {{"--valves", "fehlt.plc", "id"},
         plm1sim::Fehlerart::Keiner,
         "",
         "Fehler #308704: Fehler beim Öffnen der Datei\nDatei fehlt\n"},
        {{"--valves", ".", "id"},
         plm1sim::Fehlerart::Keiner,
         "",
         "Fehler #308704: Fehler beim Öffnen der Datei\nDatei ist ein Ordner\n"},
        {{"--valves", "f.plc", "id"},
         plm1sim::Fehlerart::Keiner,
         "",
         "Fehler #308704: Fehler beim Öffnen der Datei\nDatei ist eine FIFO (benannte Pipe)\n"},
        {{"--valves", "leer.plc", "id"},
         plm1sim::Fehlerart::Keiner,
         "",
         "Fehler #302706: Die Datei ist nicht vom richtigen Typ\n"},
        // A valve file the user named is taken whole or refused, never partly replaced by defaults.
        {{"--valves", "art5.plc", "keys", "upload", "k.plt"},
         plm1sim::Fehlerart::Keiner,
         "",
         "Fehler #304708: Fehler beim Lesen der Datei\nVentil 3, Art: 5 (erlaubt 0 bis 2)\n"},
        {{"--valves", "minus1.plc", "id"},
         plm1sim::Fehlerart::Keiner,
         "",
         "Fehler #304708: Fehler beim Lesen der Datei\nVentil 1, Art: -1 (erlaubt 0 bis 2)\n"},
        {{"--valves", "gross.plc", "id"},
         plm1sim::Fehlerart::Keiner,
         "",
         "Fehler #304708: Fehler beim Lesen der Datei\nVentil 11, Art: 2147483647 (erlaubt 0 bis 2)\n"},
    };
    std::ofstream(dir / "leer.plc", std::ios::binary) << std::string(124, '\0');
    for (const auto& [name, ventil, art] : {std::tuple{"art5.plc", 2, 5}, std::tuple{"minus1.plc", 0, -1},
                                            std::tuple{"gross.plc", 10, INT32_MAX}}) {
        std::string plc(124, '\0');
        plc.replace(0, 14, "VKRPLM1 Konfig");
        plc[32] = 1;
        for (int v = 0; v < 11; ++v)
            plc[36 + 4 * v] = 2;
        for (int b = 0; b < 4; ++b)
            plc[static_cast<std::size_t>(36 + 4 * ventil + b)] =
                static_cast<char>((static_cast<uint32_t>(art) >> (8 * b)) & 0xFF);
        std::ofstream(dir / name, std::ios::binary) << plc;
    }
    ASSERT_EQ(mkfifo((dir / "f.plc").c_str(), 0644), 0);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.args[0] + " " + (f.args.size() > 1 ? f.args[1] : ""));
        server.bus().fehlerLoeschen();
        if (f.stoerung != plm1sim::Fehlerart::Keiner) server.bus().fehlerSetzen(f.code, f.stoerung);
        const Lauf l = plm1(f.args);
        EXPECT_EQ(l.exitCode, 1);
        EXPECT_EQ(l.fehler, f.fehler);
        EXPECT_EQ(l.aus, "");
    }
}

TEST_F(Plm1Cli, GeraetNichtZuOeffnen) {
    const Lauf l = starten({"--port", (dir / "gibtsnicht").string(), "id"}, dir);
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_EQ(l.fehler.rfind("Fehler #100", 0), 0u) << l.fehler;
}

// Standard error and the help follow the locale; what scripts read on standard output does not.
TEST_F(Plm1Cli, SpracheNachLocale) {
    const char* vorgabe = std::getenv("PLM1_SPRACHE");
    const std::string vorher = vorgabe ? vorgabe : "";
    unsetenv("PLM1_SPRACHE");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    const struct {
        const char *lang, *fehler, *hilfe, *wert, *befehl, *fehlt, *speicher;
    } zeilen[] = {
        {"C.UTF-8", "Error #100003: Error opening com-port\n", "Usage: plm1 ",
         "plm1: invalid value 101 for pumpe1 (allowed: -100 to 100)\n", "plm1: unknown command frob\n",
         "\nfile missing\n", "\nMemory error in the PLM-1.\nSend the curves to the PLM-1 again\n"},
        {"de_DE.UTF-8", "Fehler #100003: Fehler beim öffnen der seriellen Schnittstelle\n", "Aufruf: plm1 ",
         "plm1: ungültiger Wert 101 für pumpe1 (erlaubt: -100 bis 100)\n", "plm1: unbekannter Befehl frob\n",
         "\nDatei fehlt\n", "\nSpeicherfehler im PLM-1.\nSenden Sie die Kurven erneut zum PLM-1\n"},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.lang);
        setenv("LANG", z.lang, 1);
        Lauf l = starten({"--port", (dir / "gibtsnicht").string(), "id"}, dir);
        EXPECT_EQ(l.fehler, z.fehler);
        l = starten({"--help"}, dir);
        EXPECT_EQ(l.aus.rfind(z.hilfe, 0), 0u) << l.aus;
        // Reasons with their values, whole sentences in the language.
        l = starten({"--port", server.pfad(), "set", "pumpe1", "101"}, dir);
        EXPECT_EQ(l.fehler.rfind(z.wert, 0), 0u) << l.fehler;
        l = starten({"--port", server.pfad(), "frob"}, dir);
        EXPECT_EQ(l.fehler.rfind(z.befehl, 0), 0u) << l.fehler;
        // Added lines of a message: a file's reason, a text of the program's own.
        l = starten({"--port", server.pfad(), "--valves", "fehlt.plc", "id"}, dir);
        EXPECT_NE(l.fehler.find(z.fehlt), std::string::npos) << l.fehler;
        l = starten({"--port", server.pfad(), "cycle", "download", "c.plk"}, dir); // a fresh unit's memory
        EXPECT_NE(l.fehler.find(z.speicher), std::string::npos) << l.fehler;
        l = plm1({"--address", "1,3", "id"});
        EXPECT_EQ(l.aus.rfind("1 VKR-PLM1-SIM ok\n3 - Fehler #403012: ", 0), 0u) << l.aus;
    }
    setenv("PLM1_SPRACHE", vorher.c_str(), 1);
}

TEST_F(Plm1Cli, AufruffehlerSendenNichts) {
    const std::vector<std::vector<std::string>> faelle = {
        {},
        {"frobnicate"},
        {"get"},
        {"get", "pumpe1", "x"},
        {"set", "pumpe1"},
        {"set", "pumpe1", "abc"},
        {"set", "pumpe1", "5x"},
        {"set", "ventil1", "1.5"},
        {"set", "ventil1", "0x1"},
        {"set", "alleventile", "0xZZ"},
        {"set", "alleventile", "0x1FFFFFFFFFFFFFFFFF"},
        {"set", "ventil1", "+-1"},
        {"set", "ventil1", "99999999999"},
        {"set", "pumpe1", " 5"},
        {"set", "pumpe1", "5 "},
        {"set", "pumpe1", "nan"},
        {"set", "pumpe1", "-inf"},
        {"set", "pumpe1", "1,5"},
        {"read-mem", "0", "4.0"},
        {"read-mem", "0", "0x"},
        {"read-mem", "99999999999999999999", "4"},
        {"read-mem", "0", "-0x40"},
        {"--port", "0x9", "id"},
        {"--port", "-1", "id"},
        {"read-mem", "0", "65"},
        {"read-mem", "0", "0"},
        {"read-mem", "zz", "4"},
        {"read-mem", "0"},
        {"write-mem", "0", "123"},
        {"write-mem", "0", "zz"},
        {"write-mem", "0", std::string(130, '0')},
        {"write-mem", "0"},
        {"id", "extra"},
        {"scan", "1"},
        {"--port", "9", "id"},
        {"--port", "0", "id"},
        {"--address", "12", "id"},
        {"--address", "1,3,", "id"},
        {"--address", "1,a", "id"},
        {"--address", "1,2", "scan"},
        {"--address", "1,2", "get", "pumpe1"},
        {"--bogus", "x", "id"},
        {"--port"},
        // Empty values are slips, never "use the default".
        {"--port=", "id"},
        {"--address=", "id"},
        {"--address", "", "id"},
        {"--valves=", "id"},
        {"--trace=", "id"},
        {"--address", "1,&", "start"},
        {"--address", "13,5", "start"},
    };
    for (const auto& args : faelle) {
        std::string text;
        for (const auto& a : args)
            text += a + " ";
        SCOPED_TRACE(text);
        std::vector<std::string> mitPort{"--port", server.pfad()};
        mitPort.insert(mitPort.end(), args.begin(), args.end());
        const Lauf l = starten(args.size() > 0 && args[0].rfind("--port", 0) == 0 ? args : mitPort, dir);
        EXPECT_EQ(l.exitCode, 2);
        EXPECT_NE(l.fehler.find("Aufruf: plm1"), std::string::npos);
        EXPECT_EQ(l.aus, "");
    }
    // Whatever can be checked before the port is opened is, and the message names what is allowed.
    const std::pair<std::vector<std::string>, std::string> bereiche[] = {
        {{"--address", "0", "id"}, "ungültige Adresse 0 bei id (erlaubt: 1 bis 9)"},
        {{"--address", "g", "id"}, "(erlaubt: 1 bis 9)"},
        {{"--address", "A", "start"}, "ungültige Adresse A bei start (erlaubt: 1 bis 9, & für alle)"},
        {{"--address", "a", "id"}, "(erlaubt: 1 bis 9)"},
        {{"--address", "a", "keys", "upload", "k.plt"}, "(erlaubt: 1 bis 9, & für alle)"},
        {{"--address", "&", "id"}, "ungültige Adresse & bei id (erlaubt: 1 bis 9)"},
        {{"--address", "&", "keys", "upload", "--verify", "k.plt"}, "(erlaubt: 1 bis 9)"},
        {{"--address", "1,&", "start"}, "mindestens zwei Adressen 1 bis 9"},
        {{"get", "foo"}, "unbekannter Parameter foo (lesbar: istspannung, "},
        {{"get", "PUMPE1"}, "unbekannter Parameter PUMPE1"},
        {{"get", "ventil17"}, "unbekannter Parameter ventil17"},
        {{"set", "pumpe1", "101"}, "ungültiger Wert 101 für pumpe1 (erlaubt: -100 bis 100)"},
        {{"set", "pumpe1", "100.6"}, "ungültiger Wert 100.6 für pumpe1 (erlaubt: -100 bis 100)"},
        {{"set", "pumpe1", "0x10"}, "ungültiger Wert 0x10 für pumpe1"},
        {{"set", "ventil3", "2"}, "ungültiger Wert 2 für ventil3 (erlaubt: 0 oder 1)"},
        {{"set", "alleventile", "65536"}, "(erlaubt: 0 bis 65535 (0x0 bis 0xFFFF))"},
        {{"set", "druckhigh1", "2001"}, "für druckhigh1 (erlaubt: -2000 bis 2000)"},
        {{"set", "drucklow1", "-2000.001"}, "für drucklow1 (erlaubt: -2000 bis 2000)"},
        {{"set", "status", "1"}, "status kann nicht geschrieben werden (schreibbar: pumpe1, "},
        {{"read-mem", "65536", "1"}, "ungültiger Speicherbereich 65536 1 (Start 0 bis 65535, 1 bis 64 Bytes"},
        {{"read-mem", "65535", "64"}, "ungültiger Speicherbereich 65535 64"},
        {{"read-mem", "-1", "1"}, "ungültiger Speicherbereich -1 1"},
        {{"write-mem", "-5", "00"}, "ungültiger Speicherbereich -5 00"},
        {{"write-mem", "65535", "0000"}, "ungültiger Speicherbereich 65535 0000"},
        {{"--port", "99999999999999999999999", "id"}, "(erlaubt: COM 1 bis 8 oder ein serielles Gerät)"},
        {{"--port", "2.5", "id"}, "ungültiger Port 2.5"},
        {{"--port=", "id"}, "leerer Wert bei --port"},
        {{"--trace=", "id"}, "leerer Wert bei --trace"},
    };
    for (const auto& [args, text] : bereiche) {
        SCOPED_TRACE(text);
        std::vector<std::string> mitPort{"--port", server.pfad()};
        mitPort.insert(mitPort.end(), args.begin(), args.end());
        const Lauf l = starten(args[0].rfind("--port", 0) == 0 ? args : mitPort, dir);
        EXPECT_EQ(l.exitCode, 2);
        EXPECT_NE(l.fehler.find(text), std::string::npos) << l.fehler;
    }
    EXPECT_TRUE(server.bus().empfangeneZeilen().empty());
    // The last address and byte of the memory are still taken.
    EXPECT_EQ(erfolgreich({"write-mem", "65472", std::string(128, '0')}).aus, "");
    EXPECT_EQ(erfolgreich({"read-mem", "65535", "1"}).aus, "FFFF: 00\n");
    EXPECT_EQ(erfolgreich({"set", "pumpe1", "-100"}).aus, "");
    EXPECT_EQ(erfolgreich({"set", "alleventile", "0xFFFF"}).aus, "");
}

// --help and --version answer on standard output with exit 0, whatever stands around them, and send nothing.
TEST_F(Plm1Cli, HilfeUndVersionAufStandardausgabe) {
    const std::string version = std::string("plm1 ") + PLM1_VERSION + "\n";
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"--help"}, "Aufruf: plm1 "},           {{"-h", "id"}, "Aufruf: plm1 "}, {{"--version"}, version},
        {{"--port", "3", "--version"}, version}, {{"--version", "id"}, version},
    };
    for (const auto& [args, anfang] : faelle) {
        std::string text;
        for (const auto& a : args)
            text += a + " ";
        SCOPED_TRACE(text);
        const Lauf l = plm1(args);
        EXPECT_EQ(l.exitCode, 0);
        EXPECT_EQ(l.aus.rfind(anfang, 0), 0u) << l.aus;
        EXPECT_EQ(l.fehler, "");
    }
    // Every command has its usage line, what it does in one column.
    const std::string hilfe = plm1({"--help"}).aus;
    for (const char* zeile :
         {"\nBefehle:\n  ports                   serielle Schnittstellen",
          "\n  start | pause | stop    Zyklus starten", "\n  read-mem START GROESSE  1..64 Bytes",
          "\n  write-mem START HEX     0..64 Bytes",
          "\n  keys upload [--verify] DATEI.plt | keys download [--force] DATEI.plt\n",
          "\n  monitor [--interval S] [--count N] [--out FILE]\n"})
        EXPECT_NE(hilfe.find(zeile), std::string::npos) << zeile;
    EXPECT_TRUE(server.bus().empfangeneZeilen().empty());
}

// Every module command reaches its module: a bad argument is the module's usage error, never an unknown
// command.
TEST_F(Plm1Cli, ModulbefehleErreichenIhrModul) {
    for (const char* befehl : {"keys", "cycle", "monitor"}) {
        const Lauf l = plm1({befehl, "--kein-gueltiges-argument"});
        EXPECT_EQ(l.exitCode, 2) << befehl;
        EXPECT_EQ(l.fehler.find("unbekannter Befehl"), std::string::npos) << befehl << ": " << l.fehler;
    }
}

TEST_F(Plm1Cli, PortUndAdresseAusDenEinstellungen) {
    server.stoppen();
    ASSERT_TRUE(server.starten({plm1sim::Einheit{'5', "VKR-PLM1-FUENF"}}));
    std::ofstream(dir / "plm1Steuerung.ini", std::ios::binary) << "[konfig]\r\nadresse = 53\r\ncom = 3\r\n";
    Lauf l = starten({"id"}, dir, {{3, server.pfad()}});
    EXPECT_EQ(l.exitCode, 0) << l.fehler;
    EXPECT_EQ(l.aus, "VKR-PLM1-FUENF\n");
    // Options win over the settings file.
    l = starten({"--address", "1", "id"}, dir, {{3, server.pfad()}});
    EXPECT_EQ(l.fehler, "Fehler #403012: Keine Antwort vom Gerät\n");
    // Without a settings file: COM 1, address 1.
    fs::remove(dir / "plm1Steuerung.ini");
    l = starten({"--address", "5", "id"}, dir, {{1, server.pfad()}});
    EXPECT_EQ(l.aus, "VKR-PLM1-FUENF\n");
    l = starten({"id"}, dir, {{1, server.pfad()}});
    EXPECT_EQ(l.fehler, "Fehler #403012: Keine Antwort vom Gerät\n");
    // The environment of the one who runs the tests does not reach plm1: its COM 1 would answer.
    setenv("PLM1_COM1", server.pfad().c_str(), 1);
    l = starten({"--address", "5", "id"}, dir);
    unsetenv("PLM1_COM1");
    EXPECT_NE(l.aus, "VKR-PLM1-FUENF\n");
}

TEST_F(Plm1Cli, GeraetUeberSeinenPfadAusDenEinstellungen) {
    // "com" 0 and the saved path of the device: the program's choice of a reported port.
    std::ofstream(dir / "plm1Steuerung.ini", std::ios::binary)
        << "[konfig]\r\nadresse = 49\r\ncom = 0\r\ncompfad = " << server.pfad() << "\r\n";
    Lauf l = starten({"id"}, dir);
    EXPECT_EQ(l.exitCode, 0) << l.fehler;
    EXPECT_EQ(l.aus, "VKR-PLM1-SIM\n");
    // An address the program does not take from the file (a driver address, a code that wraps onto '5')
    // leaves the default '1' here too.
    for (const char* adresse : {"97", "309"}) {
        std::ofstream(dir / "plm1Steuerung.ini", std::ios::binary)
            << "[konfig]\r\nadresse = " << adresse << "\r\ncom = 0\r\ncompfad = " << server.pfad() << "\r\n";
        EXPECT_EQ(starten({"id"}, dir).aus, "VKR-PLM1-SIM\n") << adresse;
    }
    // A COM port in "com" wins; --port wins over both.
    std::ofstream(dir / "plm1Steuerung.ini", std::ios::binary)
        << "[konfig]\r\ncom = 2\r\ncompfad = " << server.pfad() << "\r\n";
    EXPECT_EQ(starten({"id"}, dir, {{2, "/dev/plm1-gibt-es-nicht"}}).exitCode, 1);
    EXPECT_EQ(starten({"--port", server.pfad(), "id"}, dir, {{2, "/dev/plm1-gibt-es-nicht"}}).aus,
              "VKR-PLM1-SIM\n");
}

TEST_F(Plm1Cli, PortlisteUndVerkehrsprotokoll) {
    Lauf l = starten({"ports"}, dir, {{2, server.pfad()}});
    EXPECT_EQ(l.exitCode, 0) << l.fehler;
    std::vector<std::string> zeilen = testdatei::zeilen(l.aus);
    ASSERT_GE(zeilen.size(), 8u) << l.aus;
    EXPECT_EQ(zeilen[0].rfind("COM 1\t", 0), 0u) << zeilen[0];
    EXPECT_EQ(zeilen[1], "COM 2\t" + server.pfad() + "\t-\t-");
    EXPECT_EQ(zeilen[7].rfind("COM 8\t", 0), 0u) << zeilen[7];
    EXPECT_EQ(starten({"ports", "x"}, dir).exitCode, 2);
    // Device servers named in the settings file come last, each once; a local path there is no server.
    std::ofstream(dir / "plm1Steuerung.ini", std::ios::binary)
        << "[konfig]\r\ncom = 0\r\ncompfad = rfc2217://10.0.0.7:4001\r\nlcompfad = tcp://labor:4002\r\n";
    l = starten({"ports"}, dir);
    EXPECT_NE(l.aus.find("\n10.0.0.7:4001\trfc2217://10.0.0.7:4001\tGeräteserver im Netzwerk\t-\n"
                         "labor:4002\ttcp://labor:4002\tGeräteserver im Netzwerk\t-\n"),
              std::string::npos)
        << l.aus;
    std::ofstream(dir / "plm1Steuerung.ini", std::ios::binary)
        << "[konfig]\r\ncom = 0\r\ncompfad = tcp://labor:4002\r\nlcompfad = tcp://labor:4002\r\n";
    l = starten({"ports"}, dir);
    EXPECT_EQ(l.aus.find("tcp://labor:4002"), l.aus.rfind("tcp://labor:4002")) << l.aus;
    fs::remove(dir / "plm1Steuerung.ini");

    // Every byte of the exchange, one transaction a line.
    l = plm1({"--trace", (dir / "verkehr.txt").string(), "id"});
    EXPECT_EQ(l.exitCode, 0) << l.fehler;
    zeilen = testdatei::zeilenLesen(dir / "verkehr.txt");
    ASSERT_EQ(zeilen.size(), 4u) << textLesen(dir / "verkehr.txt");
    EXPECT_EQ(zeilen[0].rfind("# PLM-1 Verkehrsprotokoll ab ", 0), 0u);
    EXPECT_TRUE(std::regex_match(zeilen[1], std::regex("\\[[0-9]+\\] COM 1 geöffnet: " + server.pfad())))
        << zeilen[1];
    EXPECT_TRUE(std::regex_match(zeilen[2], std::regex("\\[[0-9]+\\] > #1IDR<CR>  \\[[0-9]+\\] < <ACK>"
                                                       "(  \\[[0-9]+\\] < )?#1VKR-PLM1-SIM<CR>")))
        << zeilen[2];
    EXPECT_TRUE(std::regex_match(zeilen[3], std::regex("\\[[0-9]+\\] COM 1 geschlossen"))) << zeilen[3];

    // The log follows the rules of the one file writer: a read-only file is left alone even by root, a FIFO
    // without a reader and a device are refused at once, a terminal or pipe named on purpose is taken.
    schreibgeschuetzt(dir / "nurlesen.txt");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo((dir / "fifo2").c_str(), 0644), 0);
    const int leser = open((dir / "fifo2").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    struct Fall {
        std::string ziel;
        int exitCode;
        const char* grund; // in the message on standard error
    };
    const Fall faelle[] = {
        {(dir / "fehlt" / "x.txt").string(), 1, "nicht vorhanden"},
        {(dir / "nurlesen.txt").string(), 1, "schreibgeschützt"},
        {(dir / "fifo").string(), 1, "ohne Leser"},
        {"/dev/zero", 1, "Gerät"},
        {(dir / "fifo2").string(), 0, nullptr},
        {"/dev/stderr", 0, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.ziel);
        const auto beginn = std::chrono::steady_clock::now();
        l = plm1({"--trace", f.ziel, "id"});
        EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(10));
        EXPECT_EQ(l.exitCode, f.exitCode) << l.fehler;
        if (f.grund) {
            EXPECT_NE(l.fehler.find(f.grund), std::string::npos) << l.fehler;
        }
    }
    EXPECT_EQ(textLesen(dir / "nurlesen.txt"), "ALT");
    EXPECT_NE(l.fehler.find("# PLM-1 Verkehrsprotokoll"), std::string::npos) << l.fehler; // /dev/stderr
    char gelesen[4096] = {};
    EXPECT_GT(read(leser, gelesen, sizeof gelesen - 1), 0);
    EXPECT_NE(std::string(gelesen).find("#1IDR<CR>"), std::string::npos) << gelesen;
    close(leser);
}

} // namespace
