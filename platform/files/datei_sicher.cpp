// The shared writer and reader check: link resolution, refusal of non-regular and read-only targets,
// temporary file and rename, the in-place write for a locked folder, and non-blocking opens for reading.

#include "platform/files/datei_sicher.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

constexpr int MAX_VERWEISE = 40; // as the kernel's own limit for link chains
constexpr int NAMENSVERSUCHE = 100;
constexpr const char* PLATZHALTER = "XXXXXX";

std::string fehlertext(int e) {
    switch (e) {
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case ENOENT:
        return "nicht vorhanden";
    case ENOTDIR:
        return "ein Teil des Pfades ist kein Ordner";
    case ELOOP:
        return "zu viele verkettete Verknüpfungen";
    case ENAMETOOLONG:
        return "Pfad zu lang";
    case EROFS:
        return "Dateisystem nur lesbar";
    case ENOSPC:
        return "Datenträger voll";
#ifdef EDQUOT
    case EDQUOT:
        return "Speicherkontingent erschöpft";
#endif
    case EFBIG:
        return "Datei zu groß";
    case EIO:
        return "Ein-/Ausgabefehler";
    case EISDIR:
        return "ist ein Ordner";
    case ETXTBSY:
        return "Datei wird ausgeführt";
    default:
        return "Systemfehler " + std::to_string(e);
    }
}

// What a path names when it is not a regular file.
const char* artText(mode_t m) {
    if (S_ISDIR(m)) return "ein Ordner";
    if (S_ISFIFO(m)) return "eine FIFO (benannte Pipe)";
    if (S_ISCHR(m) || S_ISBLK(m)) return "ein Gerät";
    if (S_ISSOCK(m)) return "ein Socket";
    return "keine gewöhnliche Datei";
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
// for writing (used only by the in-place write) or -1.
int zielOeffnen(const Ziel& ziel, int* ergebnis, std::string* grund) {
    *ergebnis = DATEI_OK;
    if (!ziel.existiert) return -1;
    if (!S_ISREG(ziel.st.st_mode)) {
        *ergebnis =
            fehlschlag(grund, DATEI_FEHLER_OEFFNEN, std::string("Ziel ist ") + artText(ziel.st.st_mode));
        return -1;
    }
    if ((ziel.st.st_mode & 0222) == 0) {
        *ergebnis = fehlschlag(grund, DATEI_FEHLER_OEFFNEN, "Datei ist schreibgeschützt");
        return -1;
    }
    const int fd = ::open(ziel.pfad.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *ergebnis = fehlschlag(grund, DATEI_FEHLER_OEFFNEN, "Datei nicht beschreibbar: " + fehlertext(errno));
        return -1;
    }
    struct stat jetzt {};
    if (::fstat(fd, &jetzt) != 0 || !S_ISREG(jetzt.st_mode)) { // swapped since the check
        ::close(fd);
        *ergebnis =
            fehlschlag(grund, DATEI_FEHLER_OEFFNEN, std::string("Ziel ist ") + artText(jetzt.st_mode));
        return -1;
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

// The temporary file. Where the file system allows, it has no name while it is written, so that even a
// process killed half-way leaves nothing behind; it is named only for the rename.
struct Temp {
    int fd = -1;
    bool anonym = false;
    std::string pfad;
};

int tempAnlegen(const std::string& ordner, const std::string& vorlage, bool anonymErlaubt, Temp* t) {
#ifdef O_TMPFILE
    if (anonymErlaubt) {
        t->fd = ::open(ordner.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (t->fd >= 0) {
            t->anonym = true;
            return 0;
        }
        if (errno == EACCES || errno == EPERM || errno == EROFS || errno == ENOENT || errno == ENOTDIR)
            return errno;
    }
#else
    (void)anonymErlaubt;
#endif
    std::string muster = ordner + "/" + vorlage;
    const std::size_t stelle = muster.rfind(PLATZHALTER);
    const int endung = static_cast<int>(muster.size() - stelle - std::strlen(PLATZHALTER));
    t->fd = ::mkstemps(muster.data(), endung);
    if (t->fd < 0) return errno;
    t->anonym = false;
    t->pfad = muster;
    return 0;
}

// Gives the anonymous temporary file a name beside the target; false when this system cannot.
bool tempBenennen(Temp* t, const std::string& ordner, const std::string& vorlage) {
    const std::string fdPfad = "/proc/self/fd/" + std::to_string(t->fd);
    for (int i = 0; i < NAMENSVERSUCHE; ++i) {
        const std::string name = ordner + "/" + zufallsname(vorlage);
        if (::linkat(AT_FDCWD, fdPfad.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            ::linkat(t->fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
            t->pfad = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

void ordnerSyncen(const std::string& ordner) {
    const int dfd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) { // makes the rename itself durable; failing here changes nothing for the caller
        (void)::fsync(dfd);
        ::close(dfd);
    }
}

// The folder takes no new file, yet the file itself may be written: the truncating write of old worked
// here, so the save goes into the file in place. It cannot be atomic; to lose as little as possible the
// old bytes are kept and written back when the new ones do not all arrive.
int anOrtSchreiben(int fd, const Ziel& ziel, const unsigned char* daten, std::size_t anzahl,
                   std::string* grund) {
    std::string alt;
    const int lesen = ::open(ziel.pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    const bool altGelesen = lesen >= 0;
    if (altGelesen) {
        char block[4096];
        ssize_t n;
        while ((n = ::read(lesen, block, sizeof block)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0) alt.append(block, static_cast<std::size_t>(n));
        ::close(lesen);
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
    return fehlschlag(grund, DATEI_FEHLER_SCHREIBEN, "Schreiben fehlgeschlagen: " + fehlertext(fehler));
}

// `*tempFehler` gets the errno when no temporary file could be made at all; the caller decides what that
// means.
int tempSchreiben(const Ziel& ziel, const std::string& ordner, const std::string& vorlage, bool anonymErlaubt,
                  const unsigned char* daten, std::size_t anzahl, std::string* grund, bool* nochmal,
                  int* tempFehler) {
    *nochmal = false;
    *tempFehler = 0;
    Temp t;
    if (const int e = tempAnlegen(ordner, vorlage, anonymErlaubt, &t); e != 0) {
        *tempFehler = e;
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, fehlertext(e));
    }
    auto aufgeben = [&](int code, const std::string& text) {
        ::close(t.fd);
        if (!t.pfad.empty()) ::unlink(t.pfad.c_str());
        return fehlschlag(grund, code, text);
    };
    // The new file gets the target's owner and permissions, or the usual ones for a new file.
    if (ziel.existiert) {
        if (ziel.st.st_uid != ::geteuid() || ziel.st.st_gid != ::getegid())
            std::ignore = ::fchown(t.fd, ziel.st.st_uid, ziel.st.st_gid); // only root may give files away
        (void)::fchmod(t.fd, ziel.st.st_mode & 07777);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        (void)::fchmod(t.fd, 0666 & ~maske);
    }
    int fehler = 0;
    if (!allesSchreiben(t.fd, daten, anzahl, 0, &fehler))
        return aufgeben(DATEI_FEHLER_SCHREIBEN, "Schreiben fehlgeschlagen: " + fehlertext(fehler));
    if (::fsync(t.fd) != 0)
        return aufgeben(DATEI_FEHLER_SCHREIBEN, "Schreiben fehlgeschlagen: " + fehlertext(errno));
    if (t.anonym && !tempBenennen(&t, ordner, vorlage)) {
        *nochmal = true; // this system cannot name it: once more with a named temporary file
        return aufgeben(DATEI_FEHLER_OEFFNEN, fehlertext(errno));
    }
    if (::close(t.fd) != 0) {
        const int e = errno;
        ::unlink(t.pfad.c_str());
        return fehlschlag(grund, DATEI_FEHLER_SCHREIBEN, "Schreiben fehlgeschlagen: " + fehlertext(e));
    }
    if (::rename(t.pfad.c_str(), ziel.pfad.c_str()) != 0) {
        const int e = errno;
        ::unlink(t.pfad.c_str());
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, "Ersetzen fehlgeschlagen: " + fehlertext(e));
    }
    ordnerSyncen(ordner);
    return DATEI_OK;
}

bool ordnerGesperrt(int e) {
    return e == EACCES || e == EPERM;
}

} // namespace

int Datei_ZielPruefen(const std::string& pfad, std::string* grund) {
    if (pfad.empty()) return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, "kein Dateiname");
    Ziel ziel;
    if (const int r = zielAufloesen(pfad, &ziel, grund); r != DATEI_OK) return r;
    int ergebnis = DATEI_OK;
    const int fd = zielOeffnen(ziel, &ergebnis, grund);
    if (fd >= 0) ::close(fd);
    if (ergebnis != DATEI_OK || ziel.existiert) return ergebnis;
    struct stat ordner {};
    if (::stat(ordnerVon(ziel.pfad).c_str(), &ordner) != 0)
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, "Ordner " + fehlertext(errno));
    if (!S_ISDIR(ordner.st_mode)) return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, fehlertext(ENOTDIR));
    if (::access(ordnerVon(ziel.pfad).c_str(), W_OK | X_OK) != 0)
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, "Ordner nicht beschreibbar: " + fehlertext(errno));
    return DATEI_OK;
}

int Datei_SicherSchreiben(const std::string& pfad, const void* daten, std::size_t anzahl, std::string* grund,
                          const char* vorlage) {
    if (grund) grund->clear();
    if (pfad.empty() || (!daten && anzahl > 0))
        return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, "kein Dateiname");
    Ziel ziel;
    if (const int r = zielAufloesen(pfad, &ziel, grund); r != DATEI_OK) return r;
    if (nameVon(ziel.pfad).empty()) return fehlschlag(grund, DATEI_FEHLER_OEFFNEN, "kein Dateiname");
    int ergebnis = DATEI_OK;
    const int schreibFd = zielOeffnen(ziel, &ergebnis, grund);
    if (ergebnis != DATEI_OK) return ergebnis;

    // The temporary name is cut so that it fits where the target's longest name fits.
    const std::size_t platz = NAME_MAX - 2 - std::strlen(PLATZHALTER);
    std::string muster = vorlage ? vorlage : "." + nameVon(ziel.pfad).substr(0, platz) + "." + PLATZHALTER;
    if (muster.find(PLATZHALTER) == std::string::npos) muster += PLATZHALTER;
    const std::string ordner = ordnerVon(ziel.pfad);
    const auto* bytes = static_cast<const unsigned char*>(daten);
    bool nochmal = false;
    int e = 0;
    int r = tempSchreiben(ziel, ordner, muster, true, bytes, anzahl, grund, &nochmal, &e);
    if (nochmal) r = tempSchreiben(ziel, ordner, muster, false, bytes, anzahl, grund, &nochmal, &e);
    if (e != 0) {
        if (ordnerGesperrt(e) && schreibFd >= 0)
            r = anOrtSchreiben(schreibFd, ziel, bytes, anzahl, grund);
        else
            r = fehlschlag(grund, DATEI_FEHLER_OEFFNEN,
                           (ordnerGesperrt(e) ? "Ordner nicht beschreibbar: " : "Ordner: ") + fehlertext(e));
    }
    if (schreibFd >= 0) ::close(schreibFd);
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

} // namespace

int Datei_FortlaufendOeffnen(const std::string& pfad, std::string* grund) {
    if (grund) grund->clear();
    if (pfad.empty()) return fehlschlag(grund, -1, "kein Dateiname");
    // The system follows the links itself: /dev/stdout may lead to a pipe that has no name.
    Ziel ziel;
    ziel.pfad = pfad;
    ziel.existiert = ::stat(pfad.c_str(), &ziel.st) == 0;
    if (!ziel.existiert && errno != ENOENT) return fehlschlag(grund, -1, fehlertext(errno));
    if (!ziel.existiert && zielAufloesen(pfad, &ziel, grund) != DATEI_OK)
        return -1; // a dangling link's target
    int flags = O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    bool leeren = false;
    if (!ziel.existiert) {
        flags |= O_CREAT | O_EXCL;
    } else if (S_ISREG(ziel.st.st_mode)) {
        if ((ziel.st.st_mode & 0222) == 0) return fehlschlag(grund, -1, "Datei ist schreibgeschützt");
        leeren = !vonStandardkanal(ziel.st);
        if (!leeren) flags |= O_APPEND;
    } else if (S_ISCHR(ziel.st.st_mode)) {
        if (!vonStandardkanal(ziel.st) && !istNullgeraet(ziel.st))
            return fehlschlag(grund, -1, std::string("Ziel ist ") + artText(ziel.st.st_mode));
    } else if (!S_ISFIFO(ziel.st.st_mode)) {
        return fehlschlag(grund, -1, std::string("Ziel ist ") + artText(ziel.st.st_mode));
    }
    const int fd = ::open(ziel.pfad.c_str(), flags, 0666);
    if (fd < 0) {
        const int e = errno;
        if (e == ENXIO) return fehlschlag(grund, -1, "FIFO (benannte Pipe) ohne Leser");
        return fehlschlag(grund, -1, "Datei nicht beschreibbar: " + fehlertext(e));
    }
    struct stat st {};
    const bool gleicheArt =
        ::fstat(fd, &st) == 0 && (!ziel.existiert || (st.st_mode & S_IFMT) == (ziel.st.st_mode & S_IFMT));
    if (!gleicheArt) { // swapped since the check
        ::close(fd);
        return fehlschlag(grund, -1, std::string("Ziel ist ") + artText(st.st_mode));
    }
    if (leeren && ::ftruncate(fd, 0) != 0) {
        const int e = errno;
        ::close(fd);
        return fehlschlag(grund, -1, "Datei nicht beschreibbar: " + fehlertext(e));
    }
    // Writes wait as usual once it is open: a slow reader must not lose lines.
    if (const int f = ::fcntl(fd, F_GETFL); f >= 0) (void)::fcntl(fd, F_SETFL, f & ~O_NONBLOCK);
    return fd;
}

int Datei_LesenOeffnen(const std::string& pfad, int* fehler, std::string* grund) {
    *fehler = DATEI_OK;
    auto ablehnen = [&](int code, const std::string& text) {
        *fehler = fehlschlag(grund, code, text);
        return -1;
    };
    // Looked at before opening: opening a FIFO waits for a writer, opening a device may act on it.
    struct stat st {};
    if (pfad.empty() || ::stat(pfad.c_str(), &st) != 0)
        return pfad.empty() || errno == ENOENT ? ablehnen(DATEI_FEHLT, "Datei fehlt")
                                               : ablehnen(DATEI_FEHLER_OEFFNEN, fehlertext(errno));
    if (!S_ISREG(st.st_mode))
        return ablehnen(DATEI_FEHLER_OEFFNEN, std::string("Datei ist ") + artText(st.st_mode));
    // Non-blocking all the same, for a file swapped in between.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return ablehnen(DATEI_FEHLER_OEFFNEN, "Datei nicht lesbar: " + fehlertext(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ablehnen(DATEI_FEHLER_OEFFNEN, std::string("Datei ist ") + artText(st.st_mode));
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

int Datei_LesbarPruefen(const std::string& pfad, std::string* grund) {
    int fehler = DATEI_OK;
    const int fd = Datei_LesenOeffnen(pfad, &fehler, grund);
    if (fd >= 0) ::close(fd);
    return fehler;
}

int Datei_Lesen(const std::string& pfad, std::size_t hoechstens, std::vector<unsigned char>* daten,
                std::string* grund) {
    int fehler = DATEI_OK;
    const int fd = Datei_LesenOeffnen(pfad, &fehler, grund);
    if (fd < 0) return fehler;
    daten->clear();
    unsigned char block[4096];
    while (daten->size() < hoechstens) {
        const ssize_t n = ::read(fd, block, std::min(sizeof block, hoechstens - daten->size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int e = errno;
            ::close(fd);
            return fehlschlag(grund, DATEI_FEHLER_LESEN, "Lesen fehlgeschlagen: " + fehlertext(e));
        }
        if (n == 0) break;
        daten->insert(daten->end(), block, block + n);
    }
    ::close(fd);
    return DATEI_OK;
}
