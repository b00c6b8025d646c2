// The serial layer on a pseudo-terminal: network addresses and telnet framing by their bytes, port paths,
// per-byte time-out, buffered bytes, the bounded wait until sent, flushing, a line that goes away, and
// reading up to a terminator.

#include "platform/line/leitung_netz.h"
#include "platform/line/rfc2217.h"
#include "platform/line/rs232.h"
#include "platform/line/rs232_portliste.h"
#include "sim/plm1sim_server.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <grp.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int PORT = 2;

class Rs232 : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.starten());
        Rs232_GeraetepfadSetzen(PORT, server.pfad());
        ASSERT_EQ(OpenComConfig(PORT, "", 9600, RS232_PARITY_ODD, 7, 1, 512, 512), 0);
    }
    void TearDown() override {
        CloseCom(PORT);
        Rs232_GeraetepfadSetzen(PORT, "");
    }
    std::string lesen(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            const int b = ComRdByte(PORT);
            if (b < 0) break;
            s += static_cast<char>(b);
        }
        return s;
    }
    plm1sim::Server server;
};

QByteArray bytes(std::initializer_list<int> b) {
    QByteArray a;
    for (int x : b)
        a.append(static_cast<char>(x));
    return a;
}

TEST(Rs232Netz, AddressesAndTelnetFramingByTheirBytes) {
    Rs232_Netzadresse a;
    ASSERT_TRUE(Rs232_NetzadresseLesen("rfc2217://geraete-server.lab:4001", &a));
    EXPECT_TRUE(a.rfc2217);
    EXPECT_EQ(a.rechner, "geraete-server.lab");
    EXPECT_EQ(a.port, 4001);
    ASSERT_TRUE(Rs232_NetzadresseLesen("tcp://[::1]:7", &a));
    EXPECT_FALSE(a.rfc2217);
    EXPECT_EQ(a.rechner, "::1");
    for (const char* falsch : {"tcp://host", "tcp://host:0", "tcp://host:65536", "tcp://:4001",
                               "tcp://host:4001/x", "tcp://u@host:4001", "udp://host:4001", "/dev/ttyUSB0"})
        EXPECT_FALSE(Rs232_NetzadresseLesen(falsch, &a)) << falsch;
    EXPECT_TRUE(Rs232_IstNetzadresse("tcp://host"));
    EXPECT_FALSE(Rs232_IstNetzadresse("/dev/tcp://x"));

    const char daten[] = {'#', '\xFF', '1', '\xFF', '\xFF'};
    EXPECT_EQ(Rfc2217_Maskieren(daten, 5), bytes({'#', 255, 255, '1', 255, 255, 255, 255}));
    EXPECT_EQ(Rfc2217_Eroeffnung(), bytes({255, 251, 0, 255, 253, 0, 255, 251, 44}));
    // 9600 7O1; a baud rate with 0xFF in it is escaped inside the subnegotiation too.
    EXPECT_EQ(Rfc2217_Einstellungen(9600, 7, RS232_PARITY_ODD, 1),
              bytes({255, 250, 44,  1,  0, 0, 0x25, 0x80, 255, 240, 255, 250, 44, 2,   7,  255,
                     240, 255, 250, 44, 3, 2, 255,  240,  255, 250, 44,  4,   1,  255, 240}));
    EXPECT_EQ(Rfc2217_Einstellungen(0xFF, 8, RS232_PARITY_EVEN, 2).left(11),
              bytes({255, 250, 44, 1, 0, 0, 0, 255, 255, 255, 240}));
    EXPECT_EQ(Rfc2217_ErwarteteAntworten(9600, 7, RS232_PARITY_ODD, 1)[2].daten, bytes({103, 2}));

    // What ser2net sends on connecting, with data around it, cut at every place: the same data and
    // commands whatever the cut.
    const QByteArray strom = bytes({'A', 255, 255, 255, 251, 3,   255, 254, 1,   255, 253, 44,   255, 250,
                                    44,  101, 0,   0,   0,   255, 255, 255, 240, 255, 241, '\r', 'B'});
    for (int schnitt = 0; schnitt <= strom.size(); ++schnitt) {
        Rfc2217_Dekoder d;
        QByteArray nutz;
        std::vector<Telnetbefehl> befehle;
        d.zufuehren(strom.constData(), schnitt, nutz, befehle);
        d.zufuehren(strom.constData() + schnitt, static_cast<int>(strom.size()) - schnitt, nutz, befehle);
        EXPECT_EQ(nutz, bytes({'A', 255, '\r', 'B'})) << schnitt;
        ASSERT_EQ(befehle.size(), 4u) << schnitt;
        EXPECT_EQ(befehle[0].verb, TELNET_WILL);
        EXPECT_EQ(befehle[1].verb, TELNET_DONT);
        EXPECT_EQ(befehle[2].option, TELNET_OPT_COM_PORT);
        EXPECT_EQ(befehle[3].verb, TELNET_SB);
        EXPECT_EQ(befehle[3].daten, bytes({101, 0, 0, 0, 255})) << schnitt;
    }
    // Answers: suppress go-ahead taken, echo refused, what we asked for and refusals left alone.
    EXPECT_EQ(Rfc2217_Erwidern({TELNET_WILL, TELNET_OPT_SGA, {}}), bytes({255, 253, 3}));
    EXPECT_EQ(Rfc2217_Erwidern({TELNET_WILL, TELNET_OPT_ECHO, {}}), bytes({255, 254, 1}));
    EXPECT_EQ(Rfc2217_Erwidern({TELNET_DO, TELNET_OPT_ECHO, {}}), bytes({255, 252, 1}));
    EXPECT_EQ(Rfc2217_Erwidern({TELNET_DO, TELNET_OPT_COM_PORT, {}}), QByteArray());
    EXPECT_EQ(Rfc2217_Erwidern({TELNET_WILL, TELNET_OPT_BINARY, {}}), QByteArray());
    EXPECT_EQ(Rfc2217_Erwidern({TELNET_DONT, TELNET_OPT_ECHO, {}}), QByteArray());
}

TEST(Rs232Pfad, OverrideThenEnvironmentThenDefault) {
    unsetenv("PLM1_COM3");
    EXPECT_EQ(Rs232_Geraetepfad(3), "/dev/ttyS2");
    EXPECT_EQ(Rs232_Geraetepfad(1), "/dev/ttyS0");
    setenv("PLM1_COM3", "/dev/ttyUSB7", 1);
    EXPECT_EQ(Rs232_Geraetepfad(3), "/dev/ttyUSB7");
    Rs232_GeraetepfadSetzen(3, "/dev/plm1-line");
    EXPECT_EQ(Rs232_Geraetepfad(3), "/dev/plm1-line");
    Rs232_GeraetepfadSetzen(3, "");
    EXPECT_EQ(Rs232_Geraetepfad(3), "/dev/ttyUSB7");
    unsetenv("PLM1_COM3");
    EXPECT_EQ(Rs232_Geraetepfad(0), "");
    EXPECT_EQ(Rs232_Geraetepfad(9), "");
}

// ---- port list
// ---------------------------------------------------------------------------------------------

// A folder with two device nodes (plain files), a by-id folder with links to one of them.
class Rs232Portliste : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string vorlage = (std::filesystem::temp_directory_path() / "plm1-ports-XXXXXX").string();
        ASSERT_NE(mkdtemp(vorlage.data()), nullptr);
        ordner = vorlage;
        byId = ordner + "/by-id";
        std::filesystem::create_directory(byId);
        for (const char* name : {"/ttyUSB0", "/ttyUSB1", "/ttyS0"})
            std::ofstream(ordner + name).put('x');
        std::filesystem::create_symlink(ordner + "/ttyUSB0",
                                        byId + "/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        Rs232_GeraeteportsZuruecksetzen();
    }
    void TearDown() override {
        Rs232_GeraeteportsZuruecksetzen();
        unsetenv("PLM1_COM2");
        std::filesystem::remove_all(ordner);
    }
    Rs232_PortInfo gemeldet(const std::string& name, const std::string& beschreibung, int vid = -1,
                            int pid = -1) const {
        Rs232_PortInfo p;
        p.name = name;
        p.pfad = ordner + "/" + name;
        p.beschreibung = beschreibung;
        p.vendorId = vid;
        p.productId = pid;
        return p;
    }
    std::string ordner, byId;
};

struct Listenfall {
    std::string name;
    std::string com2;                         // PLM1_COM2, relative to the folder; empty: default
    std::vector<std::string> gemeldet;        // reported device names
    std::vector<std::string> erwarteteZusatz; // display names after COM 1..8
    std::string com2Beschreibung;             // what COM 2 shows afterwards
};

TEST_F(Rs232Portliste, MergesComPortsAndReportedPortsWithoutDuplicates) {
    const std::vector<Listenfall> faelle = {
        {"none reported", "", {}, {}, ""},
        {"two adapters",
         "",
         {"ttyUSB0", "ttyUSB1"},
         {"ttyUSB0 \u2013 FT232R USB UART", "ttyUSB1 \u2013 CP2102"},
         ""},
        {"reported twice", "", {"ttyUSB1", "ttyUSB1"}, {"ttyUSB1 \u2013 CP2102"}, ""},
        {"an adapter that is COM 2",
         "ttyUSB0",
         {"ttyUSB0", "ttyUSB1"},
         {"ttyUSB1 \u2013 CP2102"},
         "FT232R USB UART"},
        {"COM 2 through the adapter's by-id link",
         "by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
         {"ttyUSB0"},
         {},
         "FT232R USB UART"},
        {"without description", "", {"ttyS0"}, {"ttyS0"}, ""},
    };
    const std::map<std::string, std::string> beschreibungen = {
        {"ttyUSB0", "FT232R USB UART"}, {"ttyUSB1", "CP2102"}, {"ttyS0", ""}};
    for (const Listenfall& f : faelle) {
        if (f.com2.empty())
            unsetenv("PLM1_COM2");
        else
            setenv("PLM1_COM2", (ordner + "/" + f.com2).c_str(), 1);
        std::vector<Rs232_PortInfo> gemeldetListe;
        for (const std::string& n : f.gemeldet)
            gemeldetListe.push_back(gemeldet(n, beschreibungen.at(n), 0x0403, 0x6001));
        const auto liste = Rs232_PortlisteBilden(gemeldetListe, byId);
        ASSERT_EQ(liste.size(), 8 + f.erwarteteZusatz.size()) << f.name;
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(liste[n - 1].nummer, n) << f.name;
            EXPECT_EQ(Rs232_Anzeigename(liste[n - 1]), "COM " + std::to_string(n)) << f.name;
        }
        EXPECT_EQ(liste[1].beschreibung, f.com2Beschreibung) << f.name;
        for (std::size_t i = 0; i < f.erwarteteZusatz.size(); ++i) {
            const Rs232_PortInfo& p = liste[8 + i];
            EXPECT_EQ(Rs232_Anzeigename(p), f.erwarteteZusatz[i]) << f.name;
            EXPECT_GE(p.nummer, RS232_ERSTER_GERAETEPORT) << f.name;
            EXPECT_EQ(Rs232_Geraetepfad(p.nummer), p.stabilerPfad) << f.name << ": the number opens its path";
        }
    }
}

TEST_F(Rs232Portliste, StablePathAndDevicePortNumbers) {
    const std::string link = byId + "/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    EXPECT_EQ(Rs232_StabilerPfad(ordner + "/ttyUSB0", byId), link);
    EXPECT_EQ(Rs232_StabilerPfad(link, byId), link);
    EXPECT_EQ(Rs232_StabilerPfad(ordner + "/ttyUSB1", byId), ordner + "/ttyUSB1")
        << "no link: the device itself";
    EXPECT_EQ(Rs232_StabilerPfad(ordner + "/ttyUSB0", ordner + "/fehlt"), ordner + "/ttyUSB0");
    // Several links to one adapter (by serial number, by its place on the bus): the first by name every
    // time, whatever order they were made in and the folder lists them.
    const std::vector<std::vector<std::string>> reihenfolgen = {
        {"usb-b", "usb-a", "usb-c"}, {"usb-a", "usb-c", "usb-b"}, {"usb-c", "usb-b", "usb-a"}};
    for (const auto& namen : reihenfolgen) {
        const std::string zweiLinks = ordner + "/zwei-links";
        std::filesystem::remove_all(zweiLinks);
        std::filesystem::create_directory(zweiLinks);
        for (const std::string& n : namen)
            std::filesystem::create_symlink(ordner + "/ttyUSB1", zweiLinks + "/" + n);
        for (int mal = 0; mal < 2; ++mal)
            EXPECT_EQ(Rs232_StabilerPfad(ordner + "/ttyUSB1", zweiLinks), zweiLinks + "/usb-a") << namen[0];
        EXPECT_EQ(Rs232_StabilerPfad(zweiLinks + "/usb-c", zweiLinks), zweiLinks + "/usb-a") << namen[0];
    }
    EXPECT_EQ(Rs232_Kurzname(link), "ttyUSB0");
    EXPECT_EQ(Rs232_Kurzname("/dev/pts/4"), "pts/4");
    EXPECT_EQ(Rs232_Kurzname("/dev/ttyS0"), "ttyS0");

    EXPECT_EQ(Rs232_GeraeteportSuchen(link), 0) << "looking up gives no number";
    EXPECT_EQ(Rs232_GeraeteportSuchen(link), 0);
    const int a = Rs232_GeraeteportVergeben(link);
    EXPECT_EQ(Rs232_GeraeteportSuchen(link), a);
    const int b = Rs232_GeraeteportVergeben(ordner + "/ttyUSB1");
    EXPECT_EQ(a, RS232_ERSTER_GERAETEPORT);
    EXPECT_EQ(b, RS232_ERSTER_GERAETEPORT + 1);
    EXPECT_EQ(Rs232_GeraeteportVergeben(link), a) << "the same path keeps its number";
    EXPECT_EQ(Rs232_GeraeteportVergeben(""), 0);
    EXPECT_EQ(Rs232_StabilerPfadVon(a), link);
    EXPECT_EQ(Rs232_StabilerPfadVon(3), "");
    EXPECT_TRUE(Rs232_PortGueltig(a));
    EXPECT_FALSE(Rs232_PortGueltig(RS232_ERSTER_GERAETEPORT + 5)) << "no path, no port";
    for (int i = 2; i < RS232_MAX_GERAETEPORTE; ++i)
        ASSERT_NE(Rs232_GeraeteportVergeben(ordner + "/x" + std::to_string(i)), 0);
    EXPECT_EQ(Rs232_GeraeteportVergeben(ordner + "/eins-zu-viel"), 0) << "all numbers taken";
}

// A group is named only where joining it gives access: it may read and write the device, and it is not
// root's.
TEST_F(Rs232Portliste, PermissionHintNamesAGroupOnlyWhereJoiningItHelps) {
    // Any group other than root's will do: root may give a file any group, others their own.
    const group* dialout = getgrnam("dialout");
    const gid_t gruppe = getuid() != 0 ? getegid() : dialout ? dialout->gr_gid : 20;
    ASSERT_NE(gruppe, 0u);
    const group* g = getgrgid(gruppe);
    ASSERT_NE(g, nullptr);
    const std::string name = g->gr_name;
    struct Fall {
        const char* datei;
        gid_t gid;
        mode_t modus;
        bool gruppeGenannt;
    };
    const Fall faelle[] = {{"ttyUSB1", gruppe, 0660, true},
                           {"ttyUSB1", 0, 0660, false},      // root's group
                           {"ttyUSB1", gruppe, 0640, false}, // the group may only read
                           {"ttyUSB1", gruppe, 0600, false},
                           {"fehlt", 0, 0, false}};
    for (const Fall& f : faelle) {
        const std::string pfad = ordner + "/" + f.datei;
        if (f.modus) {
            if (chown(pfad.c_str(), static_cast<uid_t>(-1), f.gid) != 0) {
                EXPECT_NE(getuid(), 0u) << "only a user outside root's group may not hand a file to it";
                continue;
            }
            ASSERT_EQ(chmod(pfad.c_str(), f.modus), 0) << f.datei;
        }
        const std::string hinweis = Rs232_ZugriffHinweis(pfad);
        SCOPED_TRACE(hinweis);
        EXPECT_EQ(hinweis.rfind("Keine Berechtigung für " + pfad + ": ", 0), 0u);
        EXPECT_EQ(hinweis.find("Gruppe \"" + name + "\"") != std::string::npos, f.gruppeGenannt);
        EXPECT_EQ(hinweis.find("usermod -aG " + name + " $USER") != std::string::npos, f.gruppeGenannt);
        EXPECT_EQ(hinweis.find("usermod -aG root"), std::string::npos);
        EXPECT_EQ(hinweis.find("usermod") != std::string::npos, f.gruppeGenannt);
    }
}

TEST(Rs232Port, CallsOnPortsThatAreNotOpen) {
    EXPECT_EQ(ComRdByte(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(ComWrt(5, "x", 1), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(FlushInQ(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(FlushOutQ(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(GetOutQLen(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(ComWaitUntilSent(5, 0.1), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(SetComTime(5, 0.5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(CloseCom(5), RS232_FEHLER_NICHT_OFFEN);
    EXPECT_EQ(ComRdByte(9), RS232_FEHLER_PORTNUMMER);
    EXPECT_EQ(OpenComConfig(0, "", 9600, 1, 7, 1, 512, 512), RS232_FEHLER_PORTNUMMER);
    EXPECT_EQ(OpenComConfig(5, "", 9600, 3, 7, 1, 512, 512), RS232_FEHLER_PARAMETER);
    EXPECT_EQ(OpenComConfig(5, "", 9600, 1, 9, 1, 512, 512), RS232_FEHLER_PARAMETER);
    EXPECT_EQ(OpenComConfig(5, "/dev/plm1-gibt-es-nicht", 9600, 1, 7, 1, 512, 512), RS232_FEHLER_ALLGEMEIN);
}

TEST_F(Rs232, BufferedBytesAreReadWithoutWaiting) {
    ASSERT_EQ(SetComTime(PORT, 5.0), 0);
    ASSERT_EQ(ComWrt(PORT, "#1IDR\r", 6), 6);
    ASSERT_EQ(ComWaitUntilSent(PORT, 1.0), 0);
    const auto anfang = std::chrono::steady_clock::now();
    // ACK and the 15-byte line arrive in one piece; only the first read may wait for them.
    EXPECT_EQ(lesen(16), "\x06#1VKR-PLM1-SIM\r");
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(2));
}

TEST_F(Rs232, SilenceEndsAfterTheTimeOut) {
    ASSERT_EQ(SetComTime(PORT, 0.1), 0);
    EXPECT_EQ(ComRdByte(PORT), RS232_FEHLER_ZEITLIMIT);
    EXPECT_EQ(SetComTime(PORT, -1), RS232_FEHLER_PARAMETER);
    EXPECT_EQ(SetComTime(PORT, std::nan("")), RS232_FEHLER_PARAMETER);
}

TEST_F(Rs232, FlushDiscardsWhatWasLeftUnread) {
    ASSERT_EQ(SetComTime(PORT, 0.5), 0);
    ASSERT_EQ(ComWrt(PORT, "#1IDR\r", 6), 6);
    ASSERT_EQ(ComWaitUntilSent(PORT, 1.0), 0);
    ASSERT_EQ(ComRdByte(PORT), 0x06);
    ASSERT_EQ(FlushInQ(PORT), 0);
    ASSERT_EQ(ComWrt(PORT, "#1V1R\r", 6), 6);
    ASSERT_EQ(ComWaitUntilSent(PORT, 1.0), 0);
    EXPECT_EQ(lesen(8), "\x06#1V1R0\r");
}

TEST_F(Rs232, AStoppedLineNeverDrainsAndTheWaitIsBounded) {
    ASSERT_TRUE(server.ausgabeAnhalten(true));
    ASSERT_EQ(ComWrt(PORT, "#1P1W5\r", 7), 7);
    EXPECT_GT(GetOutQLen(PORT), 0);
    EXPECT_EQ(ComWaitUntilSent(PORT, 0.1), RS232_FEHLER_ZEITLIMIT);
    EXPECT_EQ(FlushOutQ(PORT), 0);
    EXPECT_EQ(GetOutQLen(PORT), 0);
    ASSERT_TRUE(server.ausgabeAnhalten(false));
    EXPECT_EQ(ComWaitUntilSent(PORT, 0.1), 0);
}

TEST_F(Rs232, ALostLineIsReportedAtOnce) {
    ASSERT_EQ(SetComTime(PORT, 5.0), 0);
    server.stoppen();
    const auto anfang = std::chrono::steady_clock::now();
    EXPECT_LT(ComRdByte(PORT), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(2));
    EXPECT_EQ(CloseCom(PORT), 0);
}

TEST_F(Rs232, ReopeningAnOpenPortReplacesIt) {
    EXPECT_EQ(OpenComConfig(PORT, server.pfad().c_str(), 9600, RS232_PARITY_ODD, 7, 1, 512, 512), 0);
    ASSERT_EQ(SetComTime(PORT, 0.5), 0);
    ASSERT_EQ(ComWrt(PORT, "#1V1R\r", 6), 6);
    ASSERT_EQ(ComWaitUntilSent(PORT, 1.0), 0);
    EXPECT_EQ(lesen(8), "\x06#1V1R0\r");
    // The same device under another number is held already: in use, not a lack of permission.
    EXPECT_EQ(OpenComConfig(PORT + 1, server.pfad().c_str(), 9600, RS232_PARITY_ODD, 7, 1, 512, 512),
              RS232_FEHLER_BELEGT);
}

// ---- reading up to a terminator, against a peer that sends any bytes at any pace ----------------------

namespace zeile {

using namespace std::chrono_literals;

// One piece the peer sends after a pause.
struct Stueck {
    std::chrono::milliseconds pause;
    std::string bytes;
};

class Gegenstelle {
  public:
    Gegenstelle() {
        if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) return;
        for (int fd : {master_, slave_}) {
            termios t{};
            tcgetattr(fd, &t);
            cfmakeraw(&t);
            tcsetattr(fd, TCSANOW, &t);
        }
        pfad_ = ttyname(slave_);
    }
    ~Gegenstelle() {
        if (thread_.joinable()) thread_.join();
        for (int fd : {master_, slave_})
            if (fd >= 0) close(fd);
    }
    const std::string& pfad() const { return pfad_; }
    void senden(std::vector<Stueck> stuecke) {
        thread_ = std::thread([this, stuecke = std::move(stuecke)] {
            for (const auto& s : stuecke) {
                std::this_thread::sleep_for(s.pause);
                if (write(master_, s.bytes.data(), s.bytes.size()) != static_cast<ssize_t>(s.bytes.size()))
                    return;
            }
        });
    }
    void warten() {
        if (thread_.joinable()) thread_.join();
    }
    // Waits (at most 2 s) until `n` bytes wait unread at the line's end (the port reads the same queue).
    bool wartenBisDa(int n) const {
        const auto ende = std::chrono::steady_clock::now() + 2s;
        int da = -1;
        while (ioctl(slave_, FIONREAD, &da) == 0 && da < n && std::chrono::steady_clock::now() < ende)
            std::this_thread::sleep_for(1ms);
        return da >= n;
    }
    void auflegen() {
        warten();
        close(master_);
        close(slave_);
        master_ = slave_ = -1;
    }

  private:
    int master_ = -1, slave_ = -1;
    std::string pfad_;
    std::thread thread_;
};

// Every byte value but the terminator, the line discipline's special characters among them.
std::string alleBytesAusserCr() {
    std::string s;
    for (int b = 0; b < 256; ++b)
        if (b != '\r') s += static_cast<char>(b);
    return s;
}

struct Fall {
    const char* name;
    std::vector<Stueck> stuecke;
    int anzahl;
    double zeitlimitS;
    int erwartet; // bytes returned, or the negative result
    std::string zeile;
    std::string danach;   // what ComRdByte reads afterwards
    bool schonDa = false; // everything waits in the kernel's queue before the read begins
    int quittung = -1;    // >= 0: read as a reply led by this handshake byte (Rs232_AntwortLesen)
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

std::string fallname(const ::testing::TestParamInfo<Fall>& info) {
    return info.param.name;
}

class Rs232Zeile : public ::testing::TestWithParam<Fall> {
  protected:
    void SetUp() override {
        ASSERT_FALSE(gegenstelle.pfad().empty());
        ASSERT_EQ(OpenComConfig(PORT, gegenstelle.pfad().c_str(), 9600, RS232_PARITY_ODD, 7, 1, 512, 512), 0);
    }
    void TearDown() override { CloseCom(PORT); }
    Gegenstelle gegenstelle;
};

TEST_P(Rs232Zeile, ReadsUpToTheTerminator) {
    const Fall& f = GetParam();
    ASSERT_EQ(SetComTime(PORT, f.zeitlimitS), 0);
    gegenstelle.senden(f.stuecke);
    if (f.schonDa) {
        gegenstelle.warten();
        std::size_t gesendet = 0;
        for (const Stueck& s : f.stuecke)
            gesendet += s.bytes.size();
        ASSERT_TRUE(gegenstelle.wartenBisDa(static_cast<int>(gesendet)));
    }
    std::string puffer(static_cast<std::size_t>(f.anzahl), '\0');
    const auto anfang = std::chrono::steady_clock::now();
    int erhalten = -1;
    const int n = f.quittung < 0
                      ? ComRdTerm(PORT, puffer.data(), f.anzahl, '\r')
                      : Rs232_AntwortLesen(PORT, f.quittung, puffer.data(), f.anzahl, '\r', &erhalten);
    const double dauer = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    ASSERT_EQ(n, f.erwartet);
    if (n >= 0) {
        EXPECT_EQ(puffer.substr(0, static_cast<std::size_t>(n)), f.zeile);
    }
    if (f.quittung >= 0) {
        EXPECT_EQ(erhalten, n >= 0 ? n : static_cast<int>(f.zeile.size())); // what came before a failure
    }
    if (n == RS232_FEHLER_ZEITLIMIT) {
        // The time-out counts from the last byte: never early, and not much late.
        EXPECT_GE(dauer, f.zeitlimitS);
        EXPECT_LT(dauer, f.zeitlimitS + 1.0);
    }
    ASSERT_EQ(SetComTime(PORT, 0.1), 0);
    std::string danach;
    for (int b; (b = ComRdByte(PORT)) >= 0;)
        danach += static_cast<char>(b);
    EXPECT_EQ(danach, f.danach);
}

const std::string ALLE = alleBytesAusserCr();

INSTANTIATE_TEST_SUITE_P(
    Faelle, Rs232Zeile,
    ::testing::Values(
        Fall{"LineInOnePiece", {{0ms, "ab\rcd"}}, 29, 0.5, 3, "ab\r", "cd"},
        Fall{"LinesQueuedBeforeTheRead", {{0ms, "ab\rcd\ref"}}, 29, 0.5, 3, "ab\r", "cd\ref", true},
        Fall{"CountReachedFirst", {{0ms, "abcdef\r"}}, 4, 0.5, 4, "abcd", "ef\r"},
        Fall{"LineFeedDoesNotEndIt", {{0ms, "a\nb"}, {20ms, "\n\rz"}}, 29, 0.5, 5, "a\nb\n\r", "z"},
        Fall{"SpecialBytesPassUnchanged",
             {{0ms, ALLE.substr(0, 100)}, {30ms, ALLE.substr(100) + "\r"}},
             300,
             0.5,
             256,
             ALLE + "\r",
             ""},
        // Gaps of half the time-out leave room for a busy machine; the whole line lasts twice as long.
        Fall{"SlowLineLongerThanTheTimeOut",
             {{30ms, "a"}, {100ms, "b"}, {100ms, "c"}, {100ms, "d"}, {100ms, "\re"}},
             29,
             0.2,
             5,
             "abcd\r",
             "e"},
        // Two look-at intervals of 50 ms pass before the rest comes, well inside the time-out.
        Fall{"TerminatorInAPieceThatEndsAWindow",
             {{0ms, "abc"}, {100ms, "d\rxy"}},
             29,
             0.4,
             5,
             "abcd\r",
             "xy"},
        Fall{"BrokenOffAfterSomeBytes", {{0ms, "abc"}}, 29, 0.2, RS232_FEHLER_ZEITLIMIT, "", ""},
        Fall{"SilenceFromTheStart", {}, 29, 0.15, RS232_FEHLER_ZEITLIMIT, "", ""},
        Fall{"LongReadsGoByteByByte", {{0ms, "abc"}, {20ms, "\rq"}}, 5000, 0.5, 4, "abc\r", "q"},
        Fall{"NothingAsked", {{0ms, "ab\r"}}, 0, 0.5, 0, "", "ab\r"},
        // A reply led by its handshake: both in one read; another first byte comes back alone, at once when
        // more follows it, after a look-at interval when it is all there is.
        Fall{"HandshakeAndLine",
             {{5ms, "\x06"
                    "ab\rcd"}},
             29,
             0.5,
             4,
             "\x06"
             "ab\r",
             "cd",
             false,
             0x06},
        Fall{"HandshakeAndLineInPieces",
             {{0ms, "\x06"}, {20ms, "ab"}, {20ms, "\r"}},
             29,
             0.5,
             4,
             "\x06"
             "ab\r",
             "",
             false,
             0x06},
        Fall{"OtherFirstByteWithALine", {{0ms, "\x15xy\r"}}, 29, 0.5, 1, "\x15", "xy\r", false, 0x06},
        Fall{"OtherFirstByteAlone", {{0ms, "\x15"}}, 29, 0.5, 1, "\x15", "", false, 0x06},
        Fall{"CountReachedAfterTheHandshake",
             {{0ms, "\x06"
                    "abcdef\r"}},
             4,
             0.5,
             4,
             "\x06"
             "abc",
             "def\r",
             false,
             0x06},
        Fall{"HandshakeThenBrokenOff",
             {{0ms, "\x06"
                    "ab"}},
             29,
             0.2,
             RS232_FEHLER_ZEITLIMIT,
             "\x06"
             "ab",
             "",
             false,
             0x06},
        Fall{"NoHandshake", {}, 29, 0.15, RS232_FEHLER_ZEITLIMIT, "", "", false, 0x06}),
    fallname);

TEST(Rs232ZeileLeitung, ALineThatHangsUpMidwayIsReportedAtOnce) {
    Gegenstelle gegenstelle;
    ASSERT_EQ(OpenComConfig(PORT, gegenstelle.pfad().c_str(), 9600, RS232_PARITY_ODD, 7, 1, 512, 512), 0);
    ASSERT_EQ(SetComTime(PORT, 5.0), 0);
    gegenstelle.senden({{0ms, "ab"}});
    std::thread auflegen([&] {
        std::this_thread::sleep_for(50ms);
        gegenstelle.auflegen();
    });
    char puffer[29];
    const auto anfang = std::chrono::steady_clock::now();
    EXPECT_LT(ComRdTerm(PORT, puffer, 29, '\r'), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, 2s);
    auflegen.join();
    EXPECT_EQ(ComRdTerm(PORT, nullptr, 3, '\r'), RS232_FEHLER_PARAMETER);
    EXPECT_EQ(CloseCom(PORT), 0);
    EXPECT_EQ(ComRdTerm(PORT, puffer, 3, '\r'), RS232_FEHLER_NICHT_OFFEN);
}

} // namespace zeile

} // namespace
