// Binary file access by handle and path splitting.

#include "platform/files/cvifile.h"

#include "platform/files/datei_sicher.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An open file: read through the shared reader check, or written here.
struct Offen {
    DateiLeser leser;
    int schreibFd = -1;
};

// Handles are our own numbers, so a stale or made-up handle never reaches another file.
std::map<int, Offen>& dateien() {
    static std::map<int, Offen> m;
    return m;
}
int g_naechster = 1;

Offen* offen(int handle) {
    auto it = dateien().find(handle);
    return it == dateien().end() ? nullptr : &it->second;
}

bool istTrenner(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// Writes all bytes or reports how many went out before a failure.
long schreibeAlles(int fd, const unsigned char* p, long n) {
    long geschrieben = 0;
    while (geschrieben < n) {
        const ssize_t r = ::write(fd, p + geschrieben, size_t(n - geschrieben));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        geschrieben += r;
    }
    return geschrieben;
}

} // namespace

int CVI_OpenFile(const char* path, int mode, int append, int /*type: always binary*/) {
    if (!path || !*path) return -1;
    int flags = 0;
    if (mode == VAL_READ_ONLY) {
        // A FIFO or device given as a data file is refused instead of waited on.
        DateiLeser leser;
        if (leser.oeffnen(path) != DATEI_OK) return -1;
        const int h = g_naechster++;
        dateien()[h].leser = std::move(leser);
        return h;
    }
    if (mode == VAL_WRITE_ONLY)
        flags = O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC);
    else
        return -1;
#ifdef O_CLOEXEC
    flags |= O_CLOEXEC;
#endif
    const int fd = ::open(Datei_Systempfad(path).c_str(), flags, 0666);
    if (fd < 0) return -1;
    const int h = g_naechster++;
    dateien()[h].schreibFd = fd;
    return h;
}

int CVI_ReadFile(int handle, void* buffer, int count) {
    Offen* o = offen(handle);
    if (!o || !o->leser.offen() || count < 0 || (!buffer && count > 0)) return -1;
    auto* p = static_cast<unsigned char*>(buffer);
    int gelesen = 0;
    while (gelesen < count) {
        const long r = o->leser.lesen(p + gelesen, size_t(count - gelesen));
        if (r < 0) return gelesen > 0 ? gelesen : -1;
        if (r == 0) break;
        gelesen += int(r);
    }
    return gelesen;
}

int CVI_WriteFile(int handle, const void* buffer, int count) {
    const Offen* o = offen(handle);
    if (!o || o->schreibFd < 0 || count < 0 || (!buffer && count > 0)) return -1;
    const long n = schreibeAlles(o->schreibFd, static_cast<const unsigned char*>(buffer), count);
    return n == 0 && count > 0 ? -1 : int(n);
}

int CVI_CloseFile(int handle) {
    auto it = dateien().find(handle);
    if (it == dateien().end()) return -1;
    Offen o = std::move(it->second);
    dateien().erase(it);
    const bool zu = o.schreibFd >= 0 ? ::close(o.schreibFd) == 0 : o.leser.schliessen();
    return zu ? 0 : -1;
}

void SplitPath(const std::string& path, std::string* drive, std::string* directory, std::string* fileName) {
    std::string rest = path, laufwerk;
#ifdef _WIN32
    if (rest.size() >= 2 && rest[1] == ':') {
        laufwerk = rest.substr(0, 2);
        rest = rest.substr(2);
    }
#endif
    size_t trenner = std::string::npos;
    for (size_t i = rest.size(); i-- > 0;)
        if (istTrenner(rest[i])) {
            trenner = i;
            break;
        }
    const std::string verzeichnis = trenner == std::string::npos ? "" : rest.substr(0, trenner + 1);
    const std::string name = trenner == std::string::npos ? rest : rest.substr(trenner + 1);
    if (drive) *drive = laufwerk;
    if (directory) *directory = verzeichnis;
    if (fileName) *fileName = name;
}
