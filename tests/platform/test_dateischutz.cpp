// Saving and loading on real file systems, for every file kind through its own save and load: links,
// FIFOs, folders, device nodes, read-only files and folders, a full file system, a save killed half-way.
// Each case runs in a child process (its own privileges and mounts, a deadline for anything that blocks)
// and reports the target's state before and after.

#include "cycle/Kurven_Datei.h"
#include "cycle/Kurvenarrays.h"
#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Datei.h"
#include "platform/files/datei_sicher.h"
#include "platform/files/inifile.h"
#include "valves/Konfig_Datei.h"
#include "valves/Konfigarray.h"

#include "tests/common/testdatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <map>
#include <poll.h>
#include <sched.h>
#include <sstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

// The test program is linked with these calls wrapped (see its CMakeLists): what the writer writes,
// syncs and renames, by inode, in order.
namespace {
bool gMitschreiben = false;
std::vector<std::string> gEreignisse;

void merken(char art, const struct stat& st) {
    if (gMitschreiben) gEreignisse.push_back(art + std::to_string(st.st_ino));
}
} // namespace

extern "C" {
ssize_t __real_pwrite(int fd, const void* daten, size_t n, off_t ab);
int __real_fsync(int fd);
int __real_rename(const char* alt, const char* neu);

ssize_t __wrap_pwrite(int fd, const void* daten, size_t n, off_t ab) {
    struct stat st {};
    if (::fstat(fd, &st) == 0) merken('w', st);
    return __real_pwrite(fd, daten, n, ab);
}
int __wrap_fsync(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) == 0) merken('s', st);
    return __real_fsync(fd);
}
int __wrap_rename(const char* alt, const char* neu) {
    struct stat st {};
    if (::stat(alt, &st) == 0) merken('r', st);
    return __real_rename(alt, neu);
}
}

namespace {

constexpr uid_t NIEMAND = 65534;
constexpr int FRIST_MS = 30000;
constexpr const char* ALT = "ALT-INHALT";

// ---- the file kinds ------------------------------------------------------------------------------------

struct Art {
    const char* name;
    std::function<int(const std::string&)> speichern, laden;
    int oeffnenSchreiben, schreiben, oeffnenLesen;
    bool mitGrund; // the code carries the reason as extra text
};

int iniSpeichern(const std::string& p) {
    IniText ini = Ini_New(1);
    (void)Ini_PutInt(ini, "konfig", "com", 3);
    (void)Ini_PutInt(ini, "konfig", "adresse", 49);
    const int r = Ini_WriteToFile(ini, p.c_str());
    Ini_Dispose(ini);
    return r;
}

int iniLaden(const std::string& p) {
    IniText ini = Ini_New(1);
    const int r = Ini_ReadFromFile(ini, p.c_str());
    Ini_Dispose(ini);
    return r;
}

const std::vector<Art>& arten() {
    static const std::vector<Art> a = {
        {"plk", [](const std::string& p) { return KurvenDatei_SpeichernNach(p); },
         [](const std::string& p) { return KurvenDatei_LadenAus(p); }, FEHLER_KURVENDATEI_OEFFNEN_SCHREIBEN,
         FEHLER_KURVENDATEI_WERT_SCHREIBEN, FEHLER_KURVENDATEI_OEFFNEN, true},
        {"plt",
         [](const std::string& p) {
             TastenTabelle t{};
             t[0][TASTE_PUMPE1] = 40;
             t[8][TASTE_ZEIT2] = 900;
             return TastenDatei_InDateiSchreiben(p, t);
         },
         [](const std::string& p) {
             TastenTabelle t{};
             return TastenDatei_AusDateiLesen(p, t);
         },
         FEHLER_TASTENDATEI_OEFFNEN_SCHREIBEN, FEHLER_TASTENDATEI_SCHREIBEN, FEHLER_TASTENDATEI_OEFFNEN,
         true},
        {"plc", [](const std::string& p) { return KonfigDatei_SpeichernNach(p); },
         [](const std::string& p) { return KonfigDatei_LadenAus(p); }, FEHLER_KONFIGDATEI_OEFFNEN_SCHREIBEN,
         FEHLER_KONFIGDATEI_SCHREIBEN, FEHLER_KONFIGDATEI_OEFFNEN, true},
        {"ini", iniSpeichern, iniLaden, INI_FEHLER_DATEI_OEFFNEN, INI_FEHLER_DATEI_SCHREIBEN,
         INI_FEHLER_DATEI_OEFFNEN, false},
    };
    return a;
}

// ---- the state of a folder -----------------------------------------------------------------------------

std::string lesen(const fs::path& p) {
    if (::faccessat(AT_FDCWD, p.c_str(), R_OK, AT_EACCESS) != 0) return "<fehlt>";
    return testdatei::textLesen(p);
}

using testdatei::textSchreiben;

// Everything a case checks: what stands at the saved path, what the checked path holds, every entry.
std::map<std::string, std::string> zustand(const fs::path& dir, const std::string& ziel,
                                           const std::string& geprueft) {
    std::map<std::string, std::string> z;
    struct stat st {};
    const fs::path zp = dir / ziel;
    if (::lstat(zp.c_str(), &st) != 0)
        z["ziel"] = "fehlt";
    else if (S_ISLNK(st.st_mode))
        z["ziel"] = "link:" + fs::read_symlink(zp).string();
    else if (S_ISFIFO(st.st_mode))
        z["ziel"] = "fifo";
    else if (S_ISDIR(st.st_mode))
        z["ziel"] = "ordner";
    else if (S_ISCHR(st.st_mode))
        z["ziel"] = "geraet:" + std::to_string(major(st.st_rdev)) + "," + std::to_string(minor(st.st_rdev));
    else
        z["ziel"] = "datei";
    const fs::path gp = dir / geprueft;
    std::error_code ec;
    z["inhalt"] = fs::is_regular_file(gp, ec) ? lesen(gp) : "<keine Datei>";
    if (::stat(gp.c_str(), &st) == 0) {
        char modus[16];
        std::snprintf(modus, sizeof modus, "%04o", st.st_mode & 07777);
        z["modus"] = modus;
        z["inode"] = std::to_string(st.st_ino);
    }
    std::vector<std::string> namen;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        namen.push_back(it->path().lexically_relative(dir).string());
    std::sort(namen.begin(), namen.end());
    for (const auto& n : namen)
        z["eintraege"] += n + "\n";
    return z;
}

std::string packen(const std::map<std::string, std::string>& m) {
    std::string s;
    for (const auto& [k, v] : m)
        s += k + "\n" + std::to_string(v.size()) + "\n" + v;
    return s;
}

std::map<std::string, std::string> entpacken(const std::string& s) {
    std::map<std::string, std::string> m;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t a = s.find('\n', pos), b = s.find('\n', a + 1);
        if (a == std::string::npos || b == std::string::npos) break;
        const std::size_t n = std::stoul(s.substr(a + 1, b - a - 1));
        m[s.substr(pos, a - pos)] = s.substr(b + 1, n);
        pos = b + 1 + n;
    }
    return m;
}

// ---- the cases -----------------------------------------------------------------------------------------

enum class Erwartet { Ok, Oeffnen, Schreiben, Lesen, Getoetet };
enum class Nachher { Neu, Alt, Unveraendert };

struct Fall {
    const char* name;
    std::string ziel;     // the path saved to or loaded from, in the case's folder
    std::string geprueft; // the file whose content is checked (a link's target)
    std::function<std::string(const fs::path&, const std::string& neu)> aufbauen; // "" or why it is skipped
    bool laden;                                                                   // load instead of save
    Erwartet erwartet;
    Nachher nachher;
    bool alsBenutzer = false; // run without the privileges of root
    bool tmpfs = false;       // in a full 64 KB file system of its own
    bool toeten = false;      // the process dies on a file size limit half-way through the write
    bool grenze = false;      // the write fails half-way on a file size limit (the signal ignored)
};

void ordner(const fs::path& p) {
    fs::create_directories(p);
}

std::string fifo(const fs::path& p) {
    return ::mkfifo(p.c_str(), 0644) == 0 ? "" : "mkfifo nicht möglich";
}

std::string geraet(const fs::path& p, int minor) {
    return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0
               ? ""
               : "Gerätedatei lässt sich hier nicht anlegen (mknod: " + std::string(std::strerror(errno)) +
                     ")";
}

std::string vollMachen(const fs::path& dir) {
    std::ofstream f(dir / "fueller", std::ios::binary);
    const std::string block(1024, 'f');
    for (int i = 0; i < 256 && f.write(block.data(), block.size()); ++i)
        f.flush();
    return "";
}

const std::vector<Fall>& schreibfaelle() {
    static const std::vector<Fall> f = {
        {"neue Datei", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             return "";
         },
         false, Erwartet::Ok, Nachher::Neu},
        {"vorhandene Datei behaelt Rechte", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             textSchreiben(d / "a/x", ALT);
             fs::permissions(d / "a/x", fs::perms(0640));
             return "";
         },
         false, Erwartet::Ok, Nachher::Neu},
        {"Link relativ in anderen Ordner", "a/l", "b/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             ordner(d / "b");
             textSchreiben(d / "b/x", ALT);
             fs::create_symlink("../b/x", d / "a/l");
             return "";
         },
         false, Erwartet::Ok, Nachher::Neu},
        {"Link absolut ueber Link", "a/l", "b/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             ordner(d / "b");
             textSchreiben(d / "b/x", ALT);
             fs::create_symlink(d / "b/x", d / "b/zwischen");
             fs::create_symlink(d / "b/zwischen", d / "a/l");
             return "";
         },
         false, Erwartet::Ok, Nachher::Neu},
        {"Link ins Leere", "a/l", "b/neu",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             ordner(d / "b");
             fs::create_symlink("../b/neu", d / "a/l");
             return "";
         },
         false, Erwartet::Ok, Nachher::Neu},
        {"Link in einen Ordner mit Umlauten", "a/l", "Übergröße für Prüfungen/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             ordner(d / "Übergröße für Prüfungen");
             textSchreiben(d / "Übergröße für Prüfungen/x", ALT);
             fs::create_symlink("../Übergröße für Prüfungen/x", d / "a/l");
             return "";
         },
         false, Erwartet::Ok, Nachher::Neu},
        {"neue Datei in Ordner mit Umlauten", "Prüfstand Größe/x", "Prüfstand Größe/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "Prüfstand Größe");
             return "";
         },
         false, Erwartet::Ok, Nachher::Neu},
        {"Link im Kreis", "a/l", "a/l",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             fs::create_symlink("m", d / "a/l");
             fs::create_symlink("l", d / "a/m");
             return "";
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert},
        {"FIFO", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             return fifo(d / "a/x");
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert},
        {"Link auf FIFO", "a/l", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             fs::create_symlink("x", d / "a/l");
             return fifo(d / "a/x");
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert},
        {"Ordner", "a/x", "a/x/innen",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a/x");
             textSchreiben(d / "a/x/innen", ALT);
             return "";
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert},
        {"Geraetedatei", "a/null", "a/null",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             return geraet(d / "a/null", 3);
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert},
        // Root may write anything: a file that nobody may write is refused by its mode alone.
        {"Datei nur lesbar", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             textSchreiben(d / "a/x", ALT);
             fs::permissions(d / "a/x", fs::perms(0444));
             return "";
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert},
        // Named "fremd": stays root's when the rest of the folder is handed to the unprivileged user.
        {"fremde Datei, als Benutzer", "a/fremd", "a/fremd",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             textSchreiben(d / "a/fremd", ALT);
             fs::permissions(d / "a/fremd", fs::perms(0644));
             return ::geteuid() == 0 ? "" : "braucht root, um eine fremde Datei anzulegen";
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert, true},
        {"Ordner nur lesbar, Datei beschreibbar", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             textSchreiben(d / "a/x", ALT);
             fs::permissions(d / "a", fs::perms(0555));
             return "";
         },
         false, Erwartet::Ok, Nachher::Neu, true},
        // In place, the old bytes come back when the new ones do not all arrive.
        {"Ordner nur lesbar, Schreiben scheitert halb", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             textSchreiben(d / "a/x", ALT);
             fs::permissions(d / "a", fs::perms(0555));
             return "";
         },
         false, Erwartet::Schreiben, Nachher::Unveraendert, true, false, false, true},
        {"Ordner und Datei nur lesbar", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             textSchreiben(d / "a/x", ALT);
             fs::permissions(d / "a/x", fs::perms(0444));
             fs::permissions(d / "a", fs::perms(0555));
             return "";
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert, true},
        {"Ordner nur lesbar, neue Datei", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             fs::permissions(d / "a", fs::perms(0555));
             return "";
         },
         false, Erwartet::Oeffnen, Nachher::Unveraendert, true},
        {"volles Dateisystem", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             textSchreiben(d / "a/x", ALT);
             return vollMachen(d / "a");
         },
         false, Erwartet::Schreiben, Nachher::Unveraendert, false, true},
        {"beim Schreiben getoetet", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             textSchreiben(d / "a/x", ALT);
             return "";
         },
         false, Erwartet::Getoetet, Nachher::Unveraendert, false, false, true},
    };
    return f;
}

const std::vector<Fall>& lesefaelle() {
    static const std::vector<Fall> f = {
        {"ueber Link", "a/l", "b/x",
         [](const fs::path& d, const std::string& neu) {
             ordner(d / "a");
             ordner(d / "b");
             textSchreiben(d / "b/x", neu);
             fs::create_symlink("../b/x", d / "a/l");
             return "";
         },
         true, Erwartet::Ok, Nachher::Unveraendert},
        {"Ordner mit Umlauten", "Prüfstand Größe/x", "Prüfstand Größe/x",
         [](const fs::path& d, const std::string& neu) {
             ordner(d / "Prüfstand Größe");
             textSchreiben(d / "Prüfstand Größe/x", neu);
             return "";
         },
         true, Erwartet::Ok, Nachher::Unveraendert},
        {"FIFO ohne Schreiber", "a/x", "a/x",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             return fifo(d / "a/x");
         },
         true, Erwartet::Lesen, Nachher::Unveraendert},
        {"Ordner", "a", "a",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             return "";
         },
         true, Erwartet::Lesen, Nachher::Unveraendert},
        {"Geraetedatei ohne Ende", "a/zero", "a/zero",
         [](const fs::path& d, const std::string&) {
             ordner(d / "a");
             return geraet(d / "a/zero", 5);
         },
         true, Erwartet::Lesen, Nachher::Unveraendert},
        {"unlesbare Datei, als Benutzer", "a/x", "a/x",
         [](const fs::path& d, const std::string& neu) {
             ordner(d / "a");
             textSchreiben(d / "a/x", neu);
             fs::permissions(d / "a/x", fs::perms::none);
             return "";
         },
         true, Erwartet::Lesen, Nachher::Unveraendert, true},
    };
    return f;
}

// ---- running a case in a child process -----------------------------------------------------------------

struct Bericht {
    std::string uebersprungen;
    int code = 0;
    std::string meldung;
    std::map<std::string, std::string> vorher, nachher;
    bool getoetet = false;
};

void chownAlles(const fs::path& dir) {
    std::ignore = ::lchown(dir.c_str(), NIEMAND, NIEMAND);
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->path().filename() != "fremd") std::ignore = ::lchown(it->path().c_str(), NIEMAND, NIEMAND);
}

void senden(int fd, const std::string& s) {
    const std::string paket = std::to_string(s.size()) + "\n" + s;
    for (std::size_t n = 0; n < paket.size();) {
        const ssize_t r = ::write(fd, paket.data() + n, paket.size() - n);
        if (r <= 0) _exit(3);
        n += static_cast<std::size_t>(r);
    }
}

[[noreturn]] void kind(int fd, const fs::path& dir, const Art& art, const Fall& fall,
                       const std::string& neu) {
    if (fall.tmpfs) {
        ordner(dir / "a");
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", (dir / "a").c_str(), "tmpfs", 0, "size=64k") != 0) {
            senden(fd, std::string("kein eigenes tmpfs möglich: ") + std::strerror(errno));
            _exit(0);
        }
    }
    const std::string grund = fall.aufbauen(dir, neu);
    if (!grund.empty()) {
        senden(fd, grund);
        _exit(0);
    }
    if (fall.alsBenutzer && ::geteuid() == 0) {
        chownAlles(dir);
        if (::setgroups(0, nullptr) != 0 || ::setresgid(NIEMAND, NIEMAND, NIEMAND) != 0 ||
            ::setresuid(NIEMAND, NIEMAND, NIEMAND) != 0) {
            senden(fd, "Rechte lassen sich nicht abgeben");
            _exit(0);
        }
    }
    senden(fd, "");
    senden(fd, packen(zustand(dir, fall.ziel, fall.geprueft)));
    if (fall.toeten || fall.grenze) {
        // Above the old content, below every kind's new one.
        static_assert(std::char_traits<char>::length(ALT) < 16);
        rlimit grenze{16, RLIM_INFINITY};
        std::signal(SIGXFSZ, fall.toeten ? SIG_DFL : SIG_IGN);
        (void)::setrlimit(RLIMIT_FSIZE, &grenze);
    }
    const std::string pfad = (dir / fall.ziel).string();
    const int code = fall.laden ? art.laden(pfad) : art.speichern(pfad);
    senden(fd, std::to_string(code));
    senden(fd, VKR_Fehlermeldung(code));
    senden(fd, packen(zustand(dir, fall.ziel, fall.geprueft)));
    _exit(0);
}

bool empfangen(int fd, std::string* s) {
    std::string kopf;
    char c;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, FRIST_MS) <= 0) return false;
        if (::read(fd, &c, 1) != 1) return false;
        if (c == '\n') break;
        kopf += c;
    }
    const std::size_t n = std::stoul(kopf);
    s->clear();
    while (s->size() < n) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, FRIST_MS) <= 0) return false;
        char block[4096];
        const ssize_t r = ::read(fd, block, std::min(sizeof block, n - s->size()));
        if (r <= 0) return false;
        s->append(block, static_cast<std::size_t>(r));
    }
    return true;
}

Bericht ausfuehren(const fs::path& dir, const Art& art, const Fall& fall, const std::string& neu) {
    int rohr[2];
    EXPECT_EQ(::pipe(rohr), 0);
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(rohr[0]);
        try {
            kind(rohr[1], dir, art, fall, neu);
        } catch (...) {
            _exit(4); // never back into the test runner
        }
    }
    ::close(rohr[1]);
    Bericht b;
    std::string teil;
    bool ok = empfangen(rohr[0], &b.uebersprungen);
    if (ok && b.uebersprungen.empty()) {
        ok = empfangen(rohr[0], &teil);
        b.vorher = entpacken(teil);
        if (empfangen(rohr[0], &teil)) {
            b.code = std::stoi(teil);
            ok = empfangen(rohr[0], &b.meldung) && empfangen(rohr[0], &teil);
            b.nachher = entpacken(teil);
        } else {
            b.getoetet = true; // nothing more: the state after is looked at from here
        }
    }
    ::close(rohr[0]);
    if (!ok && !b.getoetet) ::kill(pid, SIGKILL); // the deadline: a blocked load fails, it does not hang
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(ok || b.getoetet) << "no report in time";
    if (b.getoetet) {
        EXPECT_TRUE(WIFSIGNALED(status)) << "child was expected to die half-way";
        b.nachher = zustand(dir, fall.ziel, fall.geprueft);
    }
    return b;
}

class Dateischutz : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string vorlage = (fs::temp_directory_path() / "plm1_dateischutz_XXXXXX").string();
        ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
        basis = vorlage;
        ::chmod(basis.c_str(), 0755); // a child without privileges must reach its own folder
        ASSERT_EQ(Kurvenarrays_Initialisieren(), KEIN_FEHLER);
        Konfigarray_Initialisieren();
    }
    void TearDown() override {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(basis, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            if (it->symlink_status().type() == fs::file_type::directory)
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(basis, ec);
    }

    // The bytes a kind saves, taken from a save into a fresh folder.
    std::string neueBytes(const Art& art) {
        const fs::path p = basis / (std::string("referenz.") + art.name);
        EXPECT_EQ(art.speichern(p.string()), 0) << art.name;
        return lesen(p);
    }

    void pruefen(const std::vector<Fall>& faelle) {
        int nr = 0;
        for (const Art& art : arten()) {
            const std::string neu = neueBytes(art);
            for (const Fall& fall : faelle) {
                SCOPED_TRACE(std::string(art.name) + ": " + fall.name);
                const fs::path dir = basis / std::to_string(++nr);
                ordner(dir);
                const Bericht b = ausfuehren(dir, art, fall, neu);
                if (!b.uebersprungen.empty()) {
                    std::printf("[ SKIPPED  ] %s: %s: %s\n", art.name, fall.name, b.uebersprungen.c_str());
                    continue;
                }
                const int erwartet[] = {0, art.oeffnenSchreiben, art.schreiben, art.oeffnenLesen};
                if (fall.erwartet != Erwartet::Getoetet) {
                    EXPECT_EQ(b.code, erwartet[static_cast<int>(fall.erwartet)]);
                    // A refusal says why, in the extra line of its message.
                    if (fall.erwartet != Erwartet::Ok && art.mitGrund) {
                        EXPECT_NE(b.meldung.find('\n'), std::string::npos) << b.meldung;
                    }
                }
                // A link stays the same link; a new file is a plain file.
                EXPECT_EQ(b.nachher.at("ziel"), b.vorher.at("ziel") == "fehlt" && fall.nachher == Nachher::Neu
                                                    ? "datei"
                                                    : b.vorher.at("ziel"));
                switch (fall.nachher) {
                case Nachher::Neu: {
                    EXPECT_EQ(b.nachher.at("inhalt"), neu);
                    const std::string neuerName = fall.geprueft + "\n";
                    std::string eintraege = b.vorher.at("eintraege");
                    if (eintraege.find(neuerName) == std::string::npos) {
                        eintraege += neuerName; // the new file and nothing else
                        std::vector<std::string> z;
                        std::istringstream s(eintraege);
                        for (std::string zeile; std::getline(s, zeile);)
                            z.push_back(zeile);
                        std::sort(z.begin(), z.end());
                        eintraege.clear();
                        for (const auto& zeile : z)
                            eintraege += zeile + "\n";
                    }
                    EXPECT_EQ(b.nachher.at("eintraege"), eintraege);
                    if (b.vorher.count("modus")) {
                        EXPECT_EQ(b.nachher.at("modus"), b.vorher.at("modus"));
                    }
                    break;
                }
                case Nachher::Alt:
                case Nachher::Unveraendert:
                    EXPECT_EQ(b.nachher, b.vorher);
                    break;
                }
            }
        }
    }

    fs::path basis;
};

TEST_F(Dateischutz, SpeichernJeDateiart) {
    pruefen(schreibfaelle());
}

TEST_F(Dateischutz, LadenJeDateiart) {
    pruefen(lesefaelle());
}

// The temporary file reaches the disk before it replaces the target: its last write, then its sync, then
// the rename.
TEST_F(Dateischutz, TemporaereDateiVorDemUmbenennenGesynct) {
    textSchreiben(basis / "x", ALT);
    gEreignisse.clear();
    gMitschreiben = true;
    const int r = Datei_SicherSchreiben((basis / "x").string(), "NEU", 3);
    gMitschreiben = false;
    ASSERT_EQ(r, DATEI_OK);
    EXPECT_EQ(lesen(basis / "x"), "NEU");
    if (gEreignisse.empty()) GTEST_SKIP() << "write, fsync and rename cannot be watched in this build";
    const auto umbenannt = std::find_if(gEreignisse.begin(), gEreignisse.end(),
                                        [](const std::string& e) { return e[0] == 'r'; });
    ASSERT_NE(umbenannt, gEreignisse.end());
    const std::string inode = umbenannt->substr(1);
    std::vector<char> folge; // what happened to the renamed file, in order
    for (auto it = gEreignisse.begin(); it != gEreignisse.end(); ++it)
        if (it->substr(1) == inode) folge.push_back((*it)[0]);
    ASSERT_FALSE(folge.empty());
    EXPECT_EQ(folge.back(), 'r');
    const auto letzterSync = std::find(folge.rbegin(), folge.rend(), 's');
    const auto letztesSchreiben = std::find(folge.rbegin(), folge.rend(), 'w');
    ASSERT_NE(letzterSync, folge.rend()) << "never synced";
    ASSERT_NE(letztesSchreiben, folge.rend());
    EXPECT_LT(letzterSync - folge.rbegin(), letztesSchreiben - folge.rbegin()) << "written after its sync";
}

// The writer's own answers to the checks the command-line tool makes before it opens the port.
TEST_F(Dateischutz, ZielPruefenUndLesbarPruefen) {
    ordner(basis / "o");
    textSchreiben(basis / "o/d", ALT);
    ordner(basis / "Prüfstand Größe");
    textSchreiben(basis / "Prüfstand Größe/Ventile.plc", ALT);
    ASSERT_EQ(::mkfifo((basis / "o/f").c_str(), 0644), 0);
    fs::create_symlink("nirgends", basis / "o/leer");
    struct Fall {
        const char* name;
        int ziel, lesbar;
    };
    const Fall faelle[] = {
        {"o/d", DATEI_OK, DATEI_OK},
        {"o/f", DATEI_FEHLER_OEFFNEN, DATEI_FEHLER_OEFFNEN},
        {"o", DATEI_FEHLER_OEFFNEN, DATEI_FEHLER_OEFFNEN},
        {"o/leer", DATEI_OK, DATEI_FEHLT},
        {"o/neu", DATEI_OK, DATEI_FEHLT},
        {"fehlt/neu", DATEI_FEHLER_OEFFNEN, DATEI_FEHLT},
        {"Prüfstand Größe/Ventile.plc", DATEI_OK, DATEI_OK},
        {"Prüfstand Größe/neu", DATEI_OK, DATEI_FEHLT},
        {"Prüfstand Grösse/neu", DATEI_FEHLER_OEFFNEN, DATEI_FEHLT}, // another spelling is another folder
    };
    for (const Fall& f : faelle) {
        std::string grund;
        EXPECT_EQ(Datei_ZielPruefen((basis / f.name).string(), &grund), f.ziel) << f.name;
        EXPECT_EQ(f.ziel == DATEI_OK, grund.empty()) << f.name << ": " << grund;
        EXPECT_EQ(Datei_LesbarPruefen((basis / f.name).string()), f.lesbar) << f.name;
    }

    // Logs and recordings, written as they go: the same refusals, a FIFO only with a reader, of devices
    // only a standard stream's and /dev/null, and opening never waits.
    textSchreiben(basis / "o/nurlesen", ALT);
    fs::permissions(basis / "o/nurlesen", fs::perms(0444));
    ASSERT_EQ(::mkfifo((basis / "o/mitleser").c_str(), 0644), 0);
    const int leser = ::open((basis / "o/mitleser").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    struct sigaction wecker {};
    wecker.sa_handler = [](int) {}; // no SA_RESTART: an open that would block ends with EINTR
    struct sigaction alt {};
    ASSERT_EQ(::sigaction(SIGALRM, &wecker, &alt), 0);
    struct Fortlaufend {
        std::string pfad;
        const char* grund;  // nullptr: taken
        const char* inhalt; // of the file afterwards, nullptr: not looked at
    };
    const Fortlaufend fortlaufend[] = {
        {(basis / "o/d").string(), nullptr, "neu"},
        {(basis / "o/neu").string(), nullptr, "neu"},
        {(basis / "o/leer").string(), nullptr, nullptr}, // creates the link's target
        {(basis / "o/nurlesen").string(), "Datei ist schreibgeschützt", ALT},
        {(basis / "o/f").string(), "FIFO (benannte Pipe) ohne Leser", nullptr},
        {(basis / "o/mitleser").string(), nullptr, nullptr},
        {(basis / "o").string(), "Ziel ist ein Ordner", nullptr},
        {"/dev/zero", "Ziel ist ein Gerät", nullptr},
        {"/dev/null", nullptr, nullptr},
        {(basis / "fehlt/neu").string(), "nicht vorhanden", nullptr},
        {(basis / "Prüfstand Größe/Aufzeichnung.csv").string(), nullptr, "neu"},
        {"", "kein Dateiname", nullptr},
    };
    // The descriptors open in this process, to find the one the file holds.
    auto offeneDeskriptoren = [] {
        std::vector<int> fds;
        for (int fd = 0; fd < 1024; ++fd)
            if (::fcntl(fd, F_GETFD) != -1) fds.push_back(fd);
        return fds;
    };
    for (const Fortlaufend& f : fortlaufend) {
        SCOPED_TRACE(f.pfad);
        std::string grund;
        const std::vector<int> vorher = offeneDeskriptoren();
        DateiFortlaufend datei;
        ::alarm(5);
        const bool offen = datei.oeffnen(f.pfad, &grund);
        ::alarm(0);
        EXPECT_EQ(offen, f.grund == nullptr) << grund;
        if (f.grund) {
            EXPECT_NE(grund.find(f.grund), std::string::npos) << grund;
        }
        std::vector<int> neu;
        const std::vector<int> nachher = offeneDeskriptoren();
        std::set_difference(nachher.begin(), nachher.end(), vorher.begin(), vorher.end(),
                            std::back_inserter(neu));
        EXPECT_EQ(neu.size(), offen ? 1u : 0u); // a refusal leaves nothing open
        if (offen && neu.size() == 1) {
            EXPECT_EQ(::fcntl(neu[0], F_GETFL) & O_NONBLOCK, 0); // writes wait as usual once it is open
            EXPECT_TRUE(datei.anhaengen("neu"));
            datei.schliessen();
            EXPECT_EQ(::fcntl(neu[0], F_GETFD), -1); // closed by its holder
        }
        if (f.inhalt) {
            EXPECT_EQ(lesen(f.pfad), f.inhalt);
        }
    }
    ::sigaction(SIGALRM, &alt, nullptr);
    EXPECT_EQ(lesen(basis / "o/nirgends"), "neu");
    char gelesen[8] = {};
    EXPECT_EQ(::read(leser, gelesen, sizeof gelesen), 3);
    ::close(leser);
    // The longest name the system takes is written too; a longer one is refused before anything is done.
    {
        const fs::path lang = basis / "o" / std::string(255, 'n');
        EXPECT_EQ(Datei_ZielPruefen(lang.string()), DATEI_OK);
        std::string grund;
        EXPECT_EQ(Datei_SicherSchreiben(lang.string(), ALT, std::strlen(ALT), &grund), DATEI_OK) << grund;
        EXPECT_EQ(lesen(lang), ALT);
        EXPECT_EQ(Datei_ZielPruefen((basis / "o" / std::string(256, 'n')).string()), DATEI_FEHLER_OEFFNEN);
    }
}

} // namespace
