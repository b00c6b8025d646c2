// Binary file access by handle, path splitting and the replace-on-success write of the data files.

#include "platform/cvifile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Handles are our own numbers, so a stale or made-up handle never reaches another descriptor.
std::map<int, int>& dateien() {
    static std::map<int, int> m;
    return m;
}
int g_naechster = 1;

int deskriptor(int handle) {
    auto it = dateien().find(handle);
    return it == dateien().end() ? -1 : it->second;
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
    if (mode == VAL_READ_ONLY)
        flags = O_RDONLY;
    else if (mode == VAL_WRITE_ONLY)
        flags = O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC);
    else
        return -1;
#ifdef O_CLOEXEC
    flags |= O_CLOEXEC;
#endif
    const int fd = ::open(path, flags, 0666);
    if (fd < 0) return -1;
    const int h = g_naechster++;
    dateien()[h] = fd;
    return h;
}

int CVI_ReadFile(int handle, void* buffer, int count) {
    const int fd = deskriptor(handle);
    if (fd < 0 || count < 0 || (!buffer && count > 0)) return -1;
    auto* p = static_cast<unsigned char*>(buffer);
    int gelesen = 0;
    while (gelesen < count) {
        const ssize_t r = ::read(fd, p + gelesen, size_t(count - gelesen));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return gelesen > 0 ? gelesen : -1;
        if (r == 0) break;
        gelesen += int(r);
    }
    return gelesen;
}

int CVI_WriteFile(int handle, const void* buffer, int count) {
    const int fd = deskriptor(handle);
    if (fd < 0 || count < 0 || (!buffer && count > 0)) return -1;
    const long n = schreibeAlles(fd, static_cast<const unsigned char*>(buffer), count);
    return n == 0 && count > 0 ? -1 : int(n);
}

int CVI_CloseFile(int handle) {
    const int fd = deskriptor(handle);
    if (fd < 0) return -1;
    dateien().erase(handle);
    return ::close(fd) == 0 ? 0 : -1;
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

int Datei_SicherSchreiben(const std::string& path, const void* data, int count) {
    if (path.empty() || count < 0 || (!data && count > 0)) return -1;
    std::string laufwerk, verzeichnis, name;
    SplitPath(path, &laufwerk, &verzeichnis, &name);
    if (name.empty()) return -1;
    std::string muster = laufwerk + verzeichnis + "." + name + ".XXXXXX";
    std::vector<char> puffer(muster.begin(), muster.end());
    puffer.push_back('\0');
    const int fd = ::mkstemp(puffer.data());
    if (fd < 0) return -1;
    const std::string temp(puffer.data());

    // The new file gets the target's permissions, or the usual ones for a new file.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
    }

    const long n = schreibeAlles(fd, static_cast<const unsigned char*>(data), count);
    const bool ok = n == count && ::fsync(fd) == 0;
    const bool zu = ::close(fd) == 0;
    if (!ok || !zu) {
        ::unlink(temp.c_str());
        return -2;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return -3;
    }
    const std::string dir = verzeichnis.empty() ? "." : laufwerk + verzeichnis;
    const int dfd = ::open(dir.c_str(), O_RDONLY);
    if (dfd >= 0) { // make the rename itself durable; failing here changes nothing for the caller
        ::fsync(dfd);
        ::close(dfd);
    }
    return 0;
}
