#pragma once
// A real ser2net for tests and benchmarks: its serial side on a simulated unit's pseudo-terminal, its
// network side on free loopback ports (raw TCP or telnet with RFC 2217, and its control port), its
// configuration in a private temporary folder. Every wait has a deadline. POSIX only, like ser2net.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

class Ser2netServer {
  public:
    static constexpr const char* PROGRAMM = "/usr/sbin/ser2net";

    Ser2netServer() {
        std::string muster = (std::filesystem::temp_directory_path() / "plm1-ser2net-XXXXXX").string();
        if (mkdtemp(muster.data())) ordner_ = muster;
    }
    ~Ser2netServer() {
        stoppen();
        std::error_code f;
        if (!ordner_.empty()) std::filesystem::remove_all(ordner_, f);
    }
    Ser2netServer(const Ser2netServer&) = delete;
    Ser2netServer& operator=(const Ser2netServer&) = delete;

    // `serielleSeite` is the device path, `einstellung` ser2net's own line setting for it ("9600o71").
    bool starten(const std::string& serielleSeite, bool rfc2217, const std::string& einstellung = "9600o71") {
        if (ordner_.empty()) return false;
        port_ = freierPort();
        steuerport_ = freierPort();
        if (port_ == 0 || steuerport_ == 0 || port_ == steuerport_) return false;
        const std::string yaml = ordner_ + "/ser2net.yaml";
        {
            std::ofstream f(yaml);
            f << "connection: &plm1\n"
              << "  accepter: " << (rfc2217 ? "telnet(rfc2217),tcp(nodelay)," : "tcp(nodelay),")
              << "127.0.0.1," << port_ << "\n"
              << "  connector: serialdev," << serielleSeite << "," << einstellung << ",local\n"
              << "  options:\n    kickolduser: true\n    chardelay: false\n"
              << "admin:\n  accepter: tcp,127.0.0.1," << steuerport_ << "\n";
            if (!f) return false;
        }
        const std::string log = ordner_ + "/ser2net.log", pid = ordner_ + "/ser2net.pid";
        std::fflush(nullptr); // the child must not write our buffered output a second time
        pid_ = fork();
        if (pid_ < 0) return false;
        if (pid_ == 0) {
            if (!freopen(log.c_str(), "w", stdout) || !freopen(log.c_str(), "a", stderr)) _exit(126);
            execl(PROGRAMM, PROGRAMM, "-n", "-d", "-c", yaml.c_str(), "-P", pid.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        // Ready once the control port takes a connection and the line's port listens (ser2net sets its ports
        // up one after the other: the control port may come first). Neither touches the serial side.
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < ende) {
            if (verbindbar(steuerport_) && lauscht(port_)) return true;
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    // Gone at once, as a server that is switched off or crashes.
    void stoppen() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    int port() const { return port_; }
    std::string adresse(bool rfc2217) const {
        return std::string(rfc2217 ? "rfc2217://" : "tcp://") + "127.0.0.1:" + std::to_string(port_);
    }

    // A loopback port nobody listens on right now.
    static int freierPort() {
        const int s = socket(AF_INET, SOCK_STREAM, 0);
        if (s < 0) return 0;
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t laenge = sizeof a;
        int port = 0;
        if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
            getsockname(s, reinterpret_cast<sockaddr*>(&a), &laenge) == 0)
            port = ntohs(a.sin_port);
        close(s);
        return port;
    }

  private:
    static bool verbindbar(int port) {
        const int s = socket(AF_INET, SOCK_STREAM, 0);
        if (s < 0) return false;
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<uint16_t>(port));
        const bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        close(s);
        return ok;
    }

    // Whether a socket listens on the loopback port, from the kernel's table (/proc/net/tcp, Linux); where
    // that table is missing, the control port alone tells.
    static bool lauscht(int port) {
        std::ifstream tabelle("/proc/net/tcp");
        if (!tabelle) return true;
        constexpr const char* LAUSCHEND = "0A"; // the table's state LISTEN
        std::string zeile;
        std::getline(tabelle, zeile); // column titles
        while (std::getline(tabelle, zeile)) {
            std::istringstream felder(zeile);
            std::string nummer, lokal, entfernt, zustand;
            felder >> nummer >> lokal >> entfernt >> zustand;
            const auto doppelpunkt = lokal.find(':');
            if (doppelpunkt == std::string::npos || zustand != LAUSCHEND) continue;
            if (std::stoi(lokal.substr(doppelpunkt + 1), nullptr, 16) == port) return true;
        }
        return false;
    }

    std::string ordner_;
    pid_t pid_ = -1;
    int port_ = 0;
    int steuerport_ = 0;
};
