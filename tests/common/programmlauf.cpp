// Runs a program with fork and exec: pipes for its output read with poll against the deadline.

#include "programmlauf.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace programmlauf {

namespace {

// The language is the test run's own choice (CTest sets it), so it passes through.
bool ausDemNutzer(const char* eintrag) {
    const std::string e(eintrag);
    if (e.rfind("PLM1_SPRACHE=", 0) == 0) return false;
    return e.rfind("HOME=", 0) == 0 || e.rfind("XDG_", 0) == 0 || e.rfind("PLM1_", 0) == 0;
}

std::vector<std::string> umgebungBauen(const Aufruf& a) {
    std::vector<std::string> u;
    for (char** e = environ; *e; ++e)
        if (!ausDemNutzer(*e)) u.emplace_back(*e);
    u.push_back("HOME=" + a.ordner.string());
    for (const auto& [name, wert] : a.umgebung)
        u.push_back(name + "=" + wert);
    return u;
}

std::vector<char*> zeiger(std::vector<std::string>& s) {
    std::vector<char*> z;
    for (auto& t : s)
        z.push_back(t.data());
    z.push_back(nullptr);
    return z;
}

int restMs(std::chrono::steady_clock::time_point ende) {
    const auto rest =
        std::chrono::duration_cast<std::chrono::milliseconds>(ende - std::chrono::steady_clock::now());
    return rest.count() > 0 ? static_cast<int>(rest.count()) : 0;
}

} // namespace

Ergebnis ausfuehren(const std::string& programm, const std::vector<std::string>& argumente, const Aufruf& a) {
    Ergebnis r;
    // Everything the child needs is built before the fork: between fork and exec only plain system calls.
    std::vector<std::string> args{programm};
    args.insert(args.end(), argumente.begin(), argumente.end());
    std::vector<std::string> umgebung = umgebungBauen(a);
    const std::vector<char*> argv = zeiger(args), envp = zeiger(umgebung);
    const std::string ordner = a.ordner.string();

    int aus[2], fehler[2];
    if (pipe2(aus, O_CLOEXEC) != 0) return r;
    if (pipe2(fehler, O_CLOEXEC) != 0) {
        close(aus[0]);
        close(aus[1]);
        return r;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        const int leer = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (leer < 0 || dup2(leer, STDIN_FILENO) < 0 || dup2(aus[1], STDOUT_FILENO) < 0 ||
            dup2(a.fehlerInAus ? aus[1] : fehler[1], STDERR_FILENO) < 0 || chdir(ordner.c_str()) != 0)
            _exit(126);
        execve(programm.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(aus[1]);
    close(fehler[1]);
    if (pid < 0) {
        close(aus[0]);
        close(fehler[0]);
        return r;
    }

    const auto ende = std::chrono::steady_clock::now() + a.frist;
    bool unterbrochen = false;
    std::array<pollfd, 2> fds{pollfd{aus[0], POLLIN, 0}, pollfd{fehler[0], POLLIN, 0}};
    std::array<std::string*, 2> ziel{&r.aus, &r.fehler};
    int offen = 2;
    while (offen > 0 && !r.fristAbgelaufen) {
        const int n = poll(fds.data(), fds.size(), restMs(ende));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            r.fristAbgelaufen = true;
            break;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char puffer[4096];
            const ssize_t gelesen = read(fds[i].fd, puffer, sizeof puffer);
            if (gelesen > 0) {
                ziel[i]->append(puffer, static_cast<std::size_t>(gelesen));
            } else if (gelesen == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --offen;
            }
        }
        if (a.unterbrechenWenn && !unterbrochen && a.unterbrechenWenn(r.aus)) {
            kill(pid, SIGINT);
            unterbrochen = true;
        }
    }
    for (const pollfd& f : fds)
        if (f.fd >= 0) close(f.fd);

    // Output closed: the program ends now, or at the latest by the deadline.
    int status = 0;
    pid_t fertig = 0;
    while ((fertig = waitpid(pid, &status, WNOHANG)) == 0 && !r.fristAbgelaufen) {
        if (restMs(ende) == 0)
            r.fristAbgelaufen = true;
        else
            poll(nullptr, 0, 5);
    }
    if (fertig == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return r;
    }
    r.exitCode = fertig == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::vector<std::string> woerter(const std::string& zeile) {
    std::vector<std::string> w;
    std::istringstream s(zeile);
    for (std::string wort; s >> wort;)
        w.push_back(wort);
    return w;
}

} // namespace programmlauf
