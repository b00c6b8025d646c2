// The shared writer and reader check: link resolution, refusal of non-regular and read-only targets,
// temporary file and rename, the in-place write for a locked folder, and non-blocking opens for reading.

#include "platform/files/datei_sicher.h"
#include "platform/sprache/textmarke.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <span>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace {

constexpr int MAX_VERWEISE = 40; // as the kernel's own limit for link chains
constexpr int NAMENSVERSUCHE = 100;
constexpr const char* PLATZHALTER = "XXXXXX";

// An open descriptor that is closed when it goes out of scope.
class Deskriptor {
  public:
    Deskriptor() = default;
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor() { schliessen(); }
    Deskriptor(Deskriptor&& anderer) noexcept : fd_(std::exchange(anderer.fd_, -1)) {}
    Deskriptor& operator=(Deskriptor&& anderer) noexcept {
        if (this != &anderer) {
            schliessen();
            fd_ = std::exchange(anderer.fd_, -1);
        }
        return *this;
    }
    int fd() const { return fd_; }
    bool offen() const { return fd_ >= 0; }
    int freigeben() { return std::exchange(fd_, -1); }
    // 0, or the errno of a close that reported a failure; closed either way.
    int schliessen() {
        if (fd_ < 0) return 0;
        const int r = ::close(std::exchange(fd_, -1));
        return r == 0 ? 0 : errno;
    }

  private:
    int fd_ = -1;
};

std::string fehlertext(int e) {
    switch (e) {
    case EACCES:
    case EPERM:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "keine Berechtigung"));
    case ENOENT:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "nicht vorhanden"));
    case ENOTDIR:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "ein Teil des Pfades ist kein Ordner"));
    case ELOOP:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "zu viele verkettete Verknüpfungen"));
    case ENAMETOOLONG:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Pfad zu lang"));
    case EROFS:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Dateisystem nur lesbar"));
    case ENOSPC:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Datenträger voll"));
#ifdef EDQUOT
    case EDQUOT:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Speicherkontingent erschöpft"));
#endif
    case EFBIG:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Datei zu groß"));
    case EIO:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Ein-/Ausgabefehler"));
    case EISDIR:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "ist ein Ordner"));
    case ETXTBSY:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Datei wird ausgeführt"));
    default:
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Systemfehler %1"), e);
    }
}

// What a path names when it is not a regular file.
std::string artText(mode_t m) {
    if (S_ISDIR(m)) return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "ein Ordner"));
    if (S_ISFIFO(m)) return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "eine FIFO (benannte Pipe)"));
    if (S_ISCHR(m) || S_ISBLK(m)) return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "ein Gerät"));
    if (S_ISSOCK(m)) return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "ein Socket"));
    return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "keine gewöhnliche Datei"));
}

int fehlschlag(std::string* grund, int code, const std::string& text) {
    if (grund) *grund = text;
    return code;
}

std::string ordnerVon(const std::string& pfad) {
    const std::size_t strich = pfad.rfind('/');
    if (strich == std::string::npos) return ".";
    return strich == 0 ? "/" : pfad.substr(0, strich);
}

std::string nameVon(const std::string& pfad) {
    const std::size_t strich = pfad.rfind('/');
    return strich == std::string::npos ? pfad : pfad.substr(strich + 1);
}

struct Ziel {
    std::string pfad; // the file itself, every link resolved
    bool existiert = false;
    struct stat st {};
};

// Follows symbolic links to the file that a save replaces; a dangling link names the file to create.
int zielAufloesen(const std::string& pfad, Ziel* ziel, std::string* grund) {
    std::string p = pfad;
    for (int i = 0; i <= MAX_VERWEISE; ++i) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno != ENOENT) return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, fehlertext(errno));
            ziel->pfad = p;
            ziel->existiert = false;
            return DATEI_OK;
        }
        if (!S_ISLNK(st.st_mode)) {
            ziel->pfad = p;
            ziel->existiert = true;
            ziel->st = st;
            return DATEI_OK;
        }
        std::string verweis(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(p.c_str(), verweis.data(), verweis.size());
        if (n < 0) return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, fehlertext(errno));
        verweis.resize(static_cast<std::size_t>(n));
        p = (verweis.empty() || verweis.front() == '/') ? verweis : ordnerVon(p) + "/" + verweis;
    }
    return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, fehlertext(ELOOP));
}

// An existing target must be a regular file that may be written. A file without any write permission is
// left alone even by a privileged user, who could otherwise replace it unasked. Returns a descriptor open
// for writing (used only by the in-place write), closed when there is none.
Deskriptor zielOeffnen(const Ziel& ziel, int* ergebnis, std::string* grund) {
    *ergebnis = DATEI_OK;
    if (!ziel.existiert) return {};
    if (!S_ISREG(ziel.st.st_mode)) {
        *ergebnis =
            fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                       Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ziel ist %1"), artText(ziel.st.st_mode)));
        return {};
    }
    if ((ziel.st.st_mode & 0222) == 0) {
        *ergebnis = fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                               Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Datei ist schreibgeschützt")));
        return {};
    }
    Deskriptor fd(::open(ziel.pfad.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.offen()) {
        *ergebnis = fehlschlag(
            grund, DATEI_FEHLER_OEFFNEN,
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Datei nicht beschreibbar: %1"), fehlertext(errno)));
        return {};
    }
    struct stat jetzt {};
    if (::fstat(fd.fd(), &jetzt) != 0 || !S_ISREG(jetzt.st_mode)) { // swapped since the check
        *ergebnis =
            fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                       Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ziel ist %1"), artText(jetzt.st_mode)));
        return {};
    }
    return fd;
}

bool allesSchreiben(int fd, const unsigned char* p, std::size_t n, off_t ab, int* fehler) {
    std::size_t geschrieben = 0;
    while (geschrieben < n) {
        const ssize_t r =
            ::pwrite(fd, p + geschrieben, n - geschrieben, ab + static_cast<off_t>(geschrieben));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {
            *fehler = r < 0 ? errno : ENOSPC;
            return false;
        }
        geschrieben += static_cast<std::size_t>(r);
    }
    return true;
}

std::string zufallsname(const std::string& vorlage) {
    static std::mt19937 zufall{std::random_device{}()};
    static constexpr char ZEICHEN[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = vorlage;
    const std::size_t stelle = name.find(PLATZHALTER);
    for (std::size_t i = 0; i < std::strlen(PLATZHALTER); ++i)
        name[stelle + i] = ZEICHEN[zufall() % (sizeof ZEICHEN - 1)];
    return name;
}

// The temporary file of one save. Where the file system allows, it has no name while it is written, so
// that even a process killed half-way leaves nothing behind; it is named only for the rename. Whatever has
// not replaced the target when the holder goes, or when a new attempt begins, is closed and removed.
class TempDatei {
  public:
    TempDatei(std::string ordner, std::string vorlage)
        : ordner_(std::move(ordner)), vorlage_(std::move(vorlage)) {}
    ~TempDatei() { verwerfen(); }
    TempDatei(const TempDatei&) = delete;
    TempDatei& operator=(const TempDatei&) = delete;

    // A new attempt; false when no temporary file could be made at all (its errno in anlegeFehler()).
    bool anlegen(bool anonymErlaubt) {
        verwerfen();
        ohneNamen_ = false;
        anlegeFehler_ = 0;
#ifdef O_TMPFILE
        if (anonymErlaubt) {
            fd_ = Deskriptor(::open(ordner_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
            if (fd_.offen()) {
                anonym_ = true;
                return true;
            }
            if (errno == EACCES || errno == EPERM || errno == EROFS || errno == ENOENT || errno == ENOTDIR) {
                anlegeFehler_ = errno;
                return false;
            }
        }
#else
        (void)anonymErlaubt;
#endif
        std::string muster = ordner_ + "/" + vorlage_;
        const std::size_t stelle = muster.rfind(PLATZHALTER);
        const int endung = static_cast<int>(muster.size() - stelle - std::strlen(PLATZHALTER));
        fd_ = Deskriptor(::mkstemps(muster.data(), endung));
        if (!fd_.offen()) {
            anlegeFehler_ = errno;
            return false;
        }
        anonym_ = false;
        pfad_ = muster;
        return true;
    }

    // Gives the anonymous file a name beside the target when it has none. False when this system cannot
    // (ohneNamen() then asks for an attempt with a named file).
    bool benennen() {
        if (!anonym_) return true;
        const std::string fdPfad = "/proc/self/fd/" + std::to_string(fd_.fd());
        for (int i = 0; i < NAMENSVERSUCHE; ++i) {
            const std::string name = ordner_ + "/" + zufallsname(vorlage_);
            if (::linkat(AT_FDCWD, fdPfad.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                ::linkat(fd_.fd(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
                pfad_ = name;
                return true;
            }
            if (errno != EEXIST) break;
        }
        ohneNamen_ = true;
        return false;
    }

    // 0 or the errno of the close; the name stays for the rename.
    int schliessen() {
        return fd_.schliessen();
    }

    // Replaces `ziel` by the file: 0, or the errno of the rename.
    int ersetzen(const std::string& ziel) {
        if (::rename(pfad_.c_str(), ziel.c_str()) != 0) return errno;
        pfad_.clear(); // it is the target now
        return 0;
    }

    void verwerfen() {
        fd_.schliessen();
        if (!pfad_.empty()) ::unlink(pfad_.c_str());
        pfad_.clear();
        anonym_ = false;
    }

    int fd() const {
        return fd_.fd();
    }
    int anlegeFehler() const {
        return anlegeFehler_;
    }
    bool ohneNamen() const {
        return ohneNamen_;
    }

  private:
    std::string ordner_;
    std::string vorlage_;
    Deskriptor fd_;
    std::string pfad_; // empty while it has no name
    bool anonym_ = false;
    int anlegeFehler_ = 0;
    bool ohneNamen_ = false;
};

void ordnerSyncen(const std::string& ordner) {
    const Deskriptor dfd(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dfd.offen()) (void)::fsync(dfd.fd()); // makes the rename durable; failing here changes nothing
}

// The folder takes no new file, yet the file itself may be written: the truncating write of old worked
// here, so the save goes into the file in place. It cannot be atomic; to lose as little as possible the
// old bytes are kept and written back when the new ones do not all arrive.
int anOrtSchreiben(int fd, const Ziel& ziel, const unsigned char* daten, std::size_t anzahl,
                   std::string* grund) {
    std::string alt;
    const Deskriptor lesen(::open(ziel.pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    const bool altGelesen = lesen.offen();
    if (altGelesen) {
        char block[4096];
        ssize_t n;
        while ((n = ::read(lesen.fd(), block, sizeof block)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0) alt.append(block, static_cast<std::size_t>(n));
    }
    int fehler = 0;
    if (allesSchreiben(fd, daten, anzahl, 0, &fehler) && ::ftruncate(fd, static_cast<off_t>(anzahl)) == 0 &&
        ::fsync(fd) == 0)
        return DATEI_OK;
    if (fehler == 0) fehler = errno;
    int egal = 0;
    if (altGelesen &&
        allesSchreiben(fd, reinterpret_cast<const unsigned char*>(alt.data()), alt.size(), 0, &egal))
        std::ignore = ::ftruncate(fd, static_cast<off_t>(alt.size())); // a tail that stays is the lesser harm
    (void)::fsync(fd);
    return fehlschlag(
        grund, DATEI_FEHLER_SCHREIBEN,
        Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Schreiben fehlgeschlagen: %1"), fehlertext(fehler)));
}

// One attempt at the save through the temporary file; what made it fail is left in `temp` (no file made
// at all, or one that this system cannot name) for the caller to decide.
int tempSchreiben(const Ziel& ziel, TempDatei& temp, bool anonymErlaubt,
                  std::span<const unsigned char> inhalt, std::string* grund) {
    if (!temp.anlegen(anonymErlaubt))
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, fehlertext(temp.anlegeFehler()));
    auto aufgeben = [&](int code, const std::string& text) {
        temp.verwerfen();
        return fehlschlag(grund, code, text);
    };
    // The new file gets the target's owner and permissions, or the usual ones for a new file.
    if (ziel.existiert) {
        if (ziel.st.st_uid != ::geteuid() || ziel.st.st_gid != ::getegid())
            std::ignore =
                ::fchown(temp.fd(), ziel.st.st_uid, ziel.st.st_gid); // only root may give files away
        (void)::fchmod(temp.fd(), ziel.st.st_mode & 07777);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        (void)::fchmod(temp.fd(), 0666 & ~maske);
    }
    int fehler = 0;
    if (!allesSchreiben(temp.fd(), inhalt.data(), inhalt.size(), 0, &fehler))
        return aufgeben(
            DATEI_FEHLER_SCHREIBEN,
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Schreiben fehlgeschlagen: %1"), fehlertext(fehler)));
    if (::fsync(temp.fd()) != 0)
        return aufgeben(
            DATEI_FEHLER_SCHREIBEN,
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Schreiben fehlgeschlagen: %1"), fehlertext(errno)));
    if (!temp.benennen()) return aufgeben(DATEI_FEHLER_OEFFNEN, fehlertext(errno));
    if (const int e = temp.schliessen(); e != 0)
        return aufgeben(
            DATEI_FEHLER_SCHREIBEN,
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Schreiben fehlgeschlagen: %1"), fehlertext(e)));
    if (const int e = temp.ersetzen(ziel.pfad); e != 0)
        return aufgeben(
            DATEI_FEHLER_OEFFNEN,
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ersetzen fehlgeschlagen: %1"), fehlertext(e)));
    ordnerSyncen(ordnerVon(ziel.pfad));
    return DATEI_OK;
}

bool ordnerGesperrt(int e) {
    return e == EACCES || e == EPERM;
}

} // namespace

std::filesystem::path Datei_Systempfad(const std::string& pfad) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(pfad.begin(), pfad.end()));
#else
    return std::filesystem::path(pfad); // the system takes the bytes as they are
#endif
}

int Datei_ZielPruefen(const std::string& utf8Pfad, std::string* grund) {
    if (utf8Pfad.empty())
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                          Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "kein Dateiname")));
    const std::string pfad = Datei_Systempfad(utf8Pfad).native();
    Ziel ziel;
    if (const int r = zielAufloesen(pfad, &ziel, grund); r != DATEI_OK) return r;
    int ergebnis = DATEI_OK;
    (void)zielOeffnen(ziel, &ergebnis, grund);
    if (ergebnis != DATEI_OK || ziel.existiert) return ergebnis;
    struct stat ordner {};
    if (::stat(ordnerVon(ziel.pfad).c_str(), &ordner) != 0)
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                          Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ordner %1"), fehlertext(errno)));
    if (!S_ISDIR(ordner.st_mode)) return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, fehlertext(ENOTDIR));
    if (::access(ordnerVon(ziel.pfad).c_str(), W_OK | X_OK) != 0)
        return fehlschlag(
            grund, DATEI_FEHLER_OEFFNEN,
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ordner nicht beschreibbar: %1"), fehlertext(errno)));
    return DATEI_OK;
}

int Datei_SicherSchreiben(const std::string& utf8Pfad, const void* daten, std::size_t anzahl,
                          std::string* grund, const char* vorlage) {
    if (grund) grund->clear();
    if (utf8Pfad.empty() || (!daten && anzahl > 0))
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                          Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "kein Dateiname")));
    Ziel ziel;
    if (const int r = zielAufloesen(Datei_Systempfad(utf8Pfad).native(), &ziel, grund); r != DATEI_OK)
        return r;
    if (nameVon(ziel.pfad).empty())
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                          Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "kein Dateiname")));
    int ergebnis = DATEI_OK;
    const Deskriptor schreibFd = zielOeffnen(ziel, &ergebnis, grund);
    if (ergebnis != DATEI_OK) return ergebnis;

    // The temporary name is cut so that it fits where the target's longest name fits.
    const std::size_t platz = NAME_MAX - 2 - std::strlen(PLATZHALTER);
    std::string muster = vorlage ? vorlage : "." + nameVon(ziel.pfad).substr(0, platz) + "." + PLATZHALTER;
    if (muster.find(PLATZHALTER) == std::string::npos) muster += PLATZHALTER;
    const std::span inhalt(static_cast<const unsigned char*>(daten), anzahl);
    TempDatei temp(ordnerVon(ziel.pfad), muster);
    int r = tempSchreiben(ziel, temp, true, inhalt, grund);
    if (temp.ohneNamen()) r = tempSchreiben(ziel, temp, false, inhalt, grund); // then with a named one
    if (const int e = temp.anlegeFehler(); e != 0) {
        if (ordnerGesperrt(e) && schreibFd.offen())
            r = anOrtSchreiben(schreibFd.fd(), ziel, inhalt.data(), inhalt.size(), grund);
        else
            r = fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                           (ordnerGesperrt(e) ? "Ordner nicht beschreibbar: " : "Ordner: ") + fehlertext(e));
    }
    return r;
}

namespace {

// The device, or the file, that one of the standard streams writes to.
bool vonStandardkanal(const struct stat& st) {
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        struct stat kanal {};
        if (::fstat(fd, &kanal) != 0 || (kanal.st_mode & S_IFMT) != (st.st_mode & S_IFMT)) continue;
        if (S_ISCHR(st.st_mode) ? kanal.st_rdev == st.st_rdev
                                : kanal.st_dev == st.st_dev && kanal.st_ino == st.st_ino)
            return true;
    }
    return false;
}

bool istNullgeraet(const struct stat& st) {
    struct stat null {};
    return S_ISCHR(st.st_mode) && ::stat("/dev/null", &null) == 0 && null.st_rdev == st.st_rdev;
}

// The opening for DateiFortlaufend: a descriptor open for writing, closed with the reason in `grund`.
Deskriptor fortlaufendOeffnen(const std::string& pfad, std::string* grund) {
    auto ablehnen = [&](const std::string& text) {
        fehlschlag(grund, -1, text);
        return Deskriptor();
    };
    if (pfad.empty()) return ablehnen(Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "kein Dateiname")));
    // The system follows the links itself: /dev/stdout may lead to a pipe that has no name.
    Ziel ziel;
    ziel.pfad = pfad;
    ziel.existiert = ::stat(pfad.c_str(), &ziel.st) == 0;
    if (!ziel.existiert && errno != ENOENT) return ablehnen(fehlertext(errno));
    if (!ziel.existiert && zielAufloesen(pfad, &ziel, grund) != DATEI_OK)
        return {}; // a dangling link's target
    int flags = O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    bool leeren = false;
    if (!ziel.existiert) {
        flags |= O_CREAT | O_EXCL;
    } else if (S_ISREG(ziel.st.st_mode)) {
        if ((ziel.st.st_mode & 0222) == 0)
            return ablehnen(Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Datei ist schreibgeschützt")));
        leeren = !vonStandardkanal(ziel.st);
        if (!leeren) flags |= O_APPEND;
    } else if (S_ISCHR(ziel.st.st_mode)) {
        if (!vonStandardkanal(ziel.st) && !istNullgeraet(ziel.st))
            return ablehnen(
                Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ziel ist %1"), artText(ziel.st.st_mode)));
    } else if (!S_ISFIFO(ziel.st.st_mode)) {
        return ablehnen(Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ziel ist %1"), artText(ziel.st.st_mode)));
    }
    Deskriptor fd(::open(ziel.pfad.c_str(), flags, 0666));
    if (!fd.offen()) {
        const int e = errno;
        if (e == ENXIO)
            return ablehnen(Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "FIFO (benannte Pipe) ohne Leser")));
        return ablehnen(
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Datei nicht beschreibbar: %1"), fehlertext(e)));
    }
    struct stat st {};
    const bool gleicheArt = ::fstat(fd.fd(), &st) == 0 &&
                            (!ziel.existiert || (st.st_mode & S_IFMT) == (ziel.st.st_mode & S_IFMT));
    if (!gleicheArt)
        return ablehnen(Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Ziel ist %1"),
                                       artText(st.st_mode))); // swapped since the check
    if (leeren && ::ftruncate(fd.fd(), 0) != 0)
        return ablehnen(
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Datei nicht beschreibbar: %1"), fehlertext(errno)));
    // Writes wait as usual once it is open: a slow reader must not lose lines.
    if (const int f = ::fcntl(fd.fd(), F_GETFL); f >= 0) (void)::fcntl(fd.fd(), F_SETFL, f & ~O_NONBLOCK);
    return fd;
}

// The opening for reading, looked at before it is opened: opening a FIFO waits for a writer, opening a
// device may act on it. `*fehler` is DATEI_OK, DATEI_FEHLT or DATEI_FEHLER_OEFFNEN.
Deskriptor lesenOeffnen(const std::string& pfad, int* fehler, std::string* grund) {
    *fehler = DATEI_OK;
    auto ablehnen = [&](int code, const std::string& text) {
        *fehler = fehlschlag(grund, code, text);
        return Deskriptor();
    };
    struct stat st {};
    if (pfad.empty() || ::stat(pfad.c_str(), &st) != 0)
        return pfad.empty() || errno == ENOENT
                   ? ablehnen(DATEI_FEHLT, Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Datei fehlt")))
                   : ablehnen(DATEI_FEHLER_OEFFNEN, fehlertext(errno));
    if (!S_ISREG(st.st_mode))
        return ablehnen(DATEI_FEHLER_OEFFNEN,
                        Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Datei ist %1"), artText(st.st_mode)));
    // Non-blocking all the same, for a file swapped in between.
    Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.offen())
        return ablehnen(
            DATEI_FEHLER_OEFFNEN,
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Datei nicht lesbar: %1"), fehlertext(errno)));
    if (::fstat(fd.fd(), &st) != 0 || !S_ISREG(st.st_mode))
        return ablehnen(DATEI_FEHLER_OEFFNEN,
                        Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Datei ist %1"), artText(st.st_mode)));
    const int flags = ::fcntl(fd.fd(), F_GETFL);
    if (flags >= 0) (void)::fcntl(fd.fd(), F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

// Up to `n` bytes, a read interrupted by a signal taken up again: how many came, -1 on failure.
long lesenBis(int fd, void* ziel, std::size_t n) {
    for (;;) {
        const ssize_t r = ::read(fd, ziel, n);
        if (r >= 0 || errno != EINTR) return static_cast<long>(r);
    }
}

} // namespace

DateiFortlaufend::~DateiFortlaufend() {
    schliessen();
}

bool DateiFortlaufend::oeffnen(const std::string& pfad, std::string* grund) {
    schliessen();
    if (grund) grund->clear();
    griff_ = fortlaufendOeffnen(Datei_Systempfad(pfad).native(), grund).freigeben();
    return griff_ >= 0;
}

bool DateiFortlaufend::anhaengen(std::string_view text) {
    if (griff_ < 0) return false;
    const off_t vorher = ::lseek(griff_, 0, SEEK_CUR); // -1 on a pipe or terminal: nothing to cut there
    std::size_t geschrieben = 0;
    while (geschrieben < text.size()) {
        const ssize_t r = ::write(griff_, text.data() + geschrieben, text.size() - geschrieben);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {
            if (vorher >= 0) (void)!::ftruncate(griff_, vorher);
            return false;
        }
        geschrieben += static_cast<std::size_t>(r);
    }
    return ::fdatasync(griff_) == 0 || errno == EINVAL; // EINVAL: a pipe or terminal, nothing to sync
}

void DateiFortlaufend::schliessen() {
    Deskriptor(std::exchange(griff_, -1)).schliessen();
}

DateiLeser::~DateiLeser() {
    schliessen();
}

DateiLeser::DateiLeser(DateiLeser&& anderer) noexcept : griff_(std::exchange(anderer.griff_, -1)) {}

DateiLeser& DateiLeser::operator=(DateiLeser&& anderer) noexcept {
    if (this != &anderer) {
        schliessen();
        griff_ = std::exchange(anderer.griff_, -1);
    }
    return *this;
}

int DateiLeser::oeffnen(const std::string& pfad, std::string* grund) {
    schliessen();
    int fehler = DATEI_OK;
    griff_ = lesenOeffnen(Datei_Systempfad(pfad).native(), &fehler, grund).freigeben();
    return fehler;
}

long DateiLeser::lesen(void* ziel, std::size_t hoechstens) {
    return griff_ < 0 ? -1 : lesenBis(griff_, ziel, hoechstens);
}

bool DateiLeser::schliessen() {
    return Deskriptor(std::exchange(griff_, -1)).schliessen() == 0;
}

int Datei_LesbarPruefen(const std::string& pfad, std::string* grund) {
    DateiLeser leser;
    return leser.oeffnen(pfad, grund);
}

int Datei_Lesen(const std::string& pfad, std::size_t hoechstens, std::vector<unsigned char>* daten,
                std::string* grund) {
    DateiLeser leser;
    if (const int fehler = leser.oeffnen(pfad, grund); fehler != DATEI_OK) return fehler;
    daten->clear();
    unsigned char block[4096];
    while (daten->size() < hoechstens) {
        const long n = leser.lesen(block, std::min(sizeof block, hoechstens - daten->size()));
        if (n < 0)
            return fehlschlag(
                grund, DATEI_FEHLER_LESEN,
                Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Lesen fehlgeschlagen: %1"), fehlertext(errno)));
        if (n == 0) break;
        daten->insert(daten->end(), block, block + n);
    }
    return DATEI_OK;
}
