// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ProcessoFiglio.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace mrvelto::sim {

namespace {

using Orologio = std::chrono::steady_clock;

// Milliseconds left before `scadenza`, never negative.
int Restanti(Orologio::time_point scadenza) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(scadenza - Orologio::now()).count();
    return ms > 0 ? static_cast<int>(ms) : 0;
}

void ChiudiFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// The children still spoken to: a clean-up must not take them for orphans.
std::mutex vivi_mutex;
std::set<pid_t> vivi;

// Our children that no ProcessoFiglio speaks to: as a subreaper we inherit whatever a child's
// tree leaves without a parent, its setsid'd descendants included.
std::vector<pid_t> Orfani() {
    std::vector<pid_t> r;
    const pid_t io = ::getpid();
    DIR* proc = ::opendir("/proc");
    if (!proc) return r;
    std::lock_guard<std::mutex> guardia(vivi_mutex);
    while (const dirent* e = ::readdir(proc)) {
        char* fine = nullptr;
        const long pid = std::strtol(e->d_name, &fine, 10);
        if (pid <= 0 || *fine != '\0') continue;
        std::ifstream stat(std::string("/proc/") + e->d_name + "/stat");
        std::string riga;
        if (!std::getline(stat, riga)) continue;
        // "pid (comm) state ppid ...": comm may hold blanks and brackets, so read after the last ')'.
        const auto chiusa = riga.rfind(')');
        if (chiusa == std::string::npos || chiusa + 4 >= riga.size()) continue;
        const long ppid = std::strtol(riga.c_str() + chiusa + 4, nullptr, 10);
        if (ppid == io && !vivi.count(static_cast<pid_t>(pid))) r.push_back(static_cast<pid_t>(pid));
    }
    ::closedir(proc);
    return r;
}

// After the child's group was killed: until its group is gone and no orphan is left, kill and reap
// what comes back to us. Bounded, so that a process the kernel cannot kill does not hang the run.
void FineDellAlbero(pid_t gruppo) {
    const auto scadenza = Orologio::now() + std::chrono::seconds(5);
    for (;;) {
        ::kill(-gruppo, SIGKILL);
        const auto orfani = Orfani();
        for (pid_t o : orfani) ::kill(o, SIGKILL);
        for (pid_t o : orfani)
            while (::waitpid(o, nullptr, 0) < 0 && errno == EINTR) {
            }
        const bool gruppoFinito = ::kill(-gruppo, 0) != 0 && errno == ESRCH;
        if ((gruppoFinito && orfani.empty()) || Orologio::now() >= scadenza) return;
        if (orfani.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Every child of ours, spoken to or not.
std::vector<pid_t> TuttiIFigli() {
    std::vector<pid_t> r = Orfani();
    std::lock_guard<std::mutex> guardia(vivi_mutex);
    r.insert(r.end(), vivi.begin(), vivi.end());
    return r;
}

}  // namespace

void FineAlSegnale() {
    static const bool fatto = [] {
        sigset_t segnali;
        sigemptyset(&segnali);
        for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&segnali, s);
        // Blocked here, before any thread starts, so that only the thread below receives them.
        ::pthread_sigmask(SIG_BLOCK, &segnali, nullptr);
        std::thread([segnali] {
            int segnale = 0;
            while (::sigwait(&segnali, &segnale) != 0) {
            }
            // Every child's group, then whatever their trees left to us, until nothing is left.
            const auto scadenza = Orologio::now() + std::chrono::seconds(5);
            for (;;) {
                const auto figli = TuttiIFigli();
                if (figli.empty() || Orologio::now() >= scadenza) break;
                for (pid_t f : figli) ::kill(-f, SIGKILL), ::kill(f, SIGKILL);
                for (pid_t f : figli) ::waitpid(f, nullptr, WNOHANG);
                {
                    std::lock_guard<std::mutex> guardia(vivi_mutex);
                    for (pid_t f : figli)
                        if (::kill(f, 0) != 0 && errno == ESRCH) vivi.erase(f);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            // Then end as the signal would have ended us: the shell sees 128 + its number.
            ::signal(segnale, SIG_DFL);
            sigset_t questo;
            sigemptyset(&questo);
            sigaddset(&questo, segnale);
            ::pthread_sigmask(SIG_UNBLOCK, &questo, nullptr);
            ::kill(::getpid(), segnale);
            ::_exit(128 + segnale);
        }).detach();
        return true;
    }();
    (void)fatto;
}

ProcessoFiglio::ProcessoFiglio(const std::string& comando) {
    // A child that exits while we write must give us EPIPE, not kill us.
    ::signal(SIGPIPE, SIG_IGN);
    // What the child's tree leaves without a parent (a setsid'd helper) comes to us rather than to
    // init, so that it too ends with the child.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0);

    int verso[2], da[2];
    if (::pipe2(verso, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    if (::pipe2(da, O_CLOEXEC) != 0) {
        ::close(verso[0]), ::close(verso[1]);
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, verso[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&azioni, da[1], STDOUT_FILENO);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // Its own process group, so that one kill reaches whatever the command starts; the default
    // SIGPIPE and an empty mask, since an ignored signal would otherwise be inherited.
    sigset_t predefiniti, vuoto;
    sigemptyset(&predefiniti);
    sigaddset(&predefiniti, SIGPIPE);
    sigemptyset(&vuoto);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setsigdefault(&attr, &predefiniti);
    posix_spawnattr_setsigmask(&attr, &vuoto);

    std::string sh = "sh", c = "-c", cmd = comando;
    char* argv[] = {sh.data(), c.data(), cmd.data(), nullptr};
    const int errore = ::posix_spawn(&pid_, "/bin/sh", &azioni, &attr, argv, environ);
    posix_spawn_file_actions_destroy(&azioni);
    posix_spawnattr_destroy(&attr);
    ::close(verso[0]);
    ::close(da[1]);
    if (errore != 0) {
        ::close(verso[1]), ::close(da[0]);
        pid_ = -1;
        raccolto_ = true;
        throw std::runtime_error(std::string("non riesco ad avviare /bin/sh: ") + std::strerror(errore));
    }
    ingresso_ = verso[1];
    uscita_ = da[0];
    {
        std::lock_guard<std::mutex> guardia(vivi_mutex);
        vivi.insert(pid_);
    }
    ::fcntl(ingresso_, F_SETFL, ::fcntl(ingresso_, F_GETFL) | O_NONBLOCK);
    ::fcntl(uscita_, F_SETFL, ::fcntl(uscita_, F_GETFL) | O_NONBLOCK);
}

ProcessoFiglio::~ProcessoFiglio() {
    Uccidi();
    ChiudiFd(ingresso_);
    ChiudiFd(uscita_);
}

ProcessoFiglio::Esito ProcessoFiglio::ScriviRiga(std::string_view riga, int millisecondi) {
    if (ingresso_ < 0) return Esito::Chiuso;
    std::string dati(riga);
    dati += '\n';
    const auto scadenza = Orologio::now() + std::chrono::milliseconds(millisecondi);
    std::size_t scritti = 0;
    while (scritti < dati.size()) {
        const ssize_t n = ::write(ingresso_, dati.data() + scritti, dati.size() - scritti);
        if (n > 0) {
            scritti += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return Esito::Chiuso;  // EPIPE: it is gone
        pollfd p{ingresso_, POLLOUT, 0};
        const int pronto = ::poll(&p, 1, Restanti(scadenza));
        if (pronto == 0) return Esito::Scaduto;
        if (pronto < 0 && errno != EINTR) return Esito::Chiuso;
        if (pronto > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) return Esito::Chiuso;
    }
    return Esito::Ok;
}

ProcessoFiglio::Esito ProcessoFiglio::LeggiRiga(std::string& riga, int millisecondi) {
    const auto scadenza = Orologio::now() + std::chrono::milliseconds(millisecondi);
    for (;;) {
        if (const auto a = buffer_.find('\n'); a != std::string::npos) {
            riga.assign(buffer_, 0, a);
            buffer_.erase(0, a + 1);
            if (!riga.empty() && riga.back() == '\r') riga.pop_back();
            return Esito::Ok;
        }
        if (buffer_.size() > kLimiteRiga) return Esito::TroppoLunga;
        if (uscita_ < 0) return Esito::Chiuso;
        char blocco[4096];
        const ssize_t n = ::read(uscita_, blocco, sizeof blocco);
        if (n > 0) {
            buffer_.append(blocco, static_cast<std::size_t>(n));
            continue;
        }
        if (n == 0) return Esito::Chiuso;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return Esito::Chiuso;
        pollfd p{uscita_, POLLIN, 0};
        const int pronto = ::poll(&p, 1, Restanti(scadenza));
        if (pronto == 0) return Esito::Scaduto;
        if (pronto < 0 && errno != EINTR) return Esito::Chiuso;
        // POLLHUP with nothing left: the next read returns 0.
    }
}

bool ProcessoFiglio::CiSonoDatiInAttesa() {
    if (buffer_.find('\n') != std::string::npos) return true;
    if (uscita_ < 0) return false;
    pollfd p{uscita_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLIN | POLLHUP));
}

bool ProcessoFiglio::Raccogli(int attesa) {
    if (raccolto_) return true;
    const auto scadenza = Orologio::now() + std::chrono::milliseconds(attesa);
    auto pausa = std::chrono::microseconds(200);
    for (;;) {
        siginfo_t info{};
        // WNOWAIT: while it is a zombie its process group still names what it left behind.
        if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid_) {
            ::kill(-pid_, SIGKILL);
            while (::waitpid(pid_, &stato_, 0) < 0 && errno == EINTR) {
            }
            Raccolto();
            return true;
        }
        if (Orologio::now() >= scadenza) return false;
        std::this_thread::sleep_for(pausa);
        if (pausa < std::chrono::milliseconds(5)) pausa *= 2;
    }
}

std::string ProcessoFiglio::ComeETerminato(int attesa) {
    if (!Raccogli(attesa)) {
        Uccidi();
        return "ha chiuso le sue pipe ma non è uscito (ucciso)";
    }
    if (uccisoDaNoi_) return "è stato ucciso";
    if (WIFEXITED(stato_)) {
        const int s = WEXITSTATUS(stato_);
        std::string r = "è uscito con stato " + std::to_string(s);
        // The shell that runs the command reports a command killed by signal N as 128 + N.
        const char* nome = s > 128 && s < 128 + 32 ? ::sigabbrev_np(s - 128) : nullptr;
        if (nome) r += std::string(" (un comando ucciso da SIG") + nome + ")";
        return r;
    }
    if (WIFSIGNALED(stato_)) {
        const int s = WTERMSIG(stato_);
        const char* nome = ::sigabbrev_np(s);
        return "è stato ucciso dal segnale " + std::to_string(s) + (nome ? std::string(" (SIG") + nome + ")" : std::string());
    }
    return "è terminato";
}

void ProcessoFiglio::Chiudi(int attesa) {
    ChiudiFd(ingresso_);  // end of its input: a well-behaved child exits now
    if (!Raccogli(attesa)) Uccidi();
    ChiudiFd(uscita_);
}

void ProcessoFiglio::Uccidi() {
    if (raccolto_) return;
    ::kill(-pid_, SIGKILL);
    ::kill(pid_, SIGKILL);
    while (::waitpid(pid_, &stato_, 0) < 0 && errno == EINTR) {
    }
    uccisoDaNoi_ = true;
    Raccolto();
}

void ProcessoFiglio::Raccolto() {
    raccolto_ = true;
    {
        std::lock_guard<std::mutex> guardia(vivi_mutex);
        vivi.erase(pid_);
    }
    FineDellAlbero(pid_);
}

}  // namespace mrvelto::sim
