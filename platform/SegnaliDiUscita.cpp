// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SegnaliDiUscita.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace mrvelto {
namespace {

int tubo[2] = {-1, -1};
volatile std::sig_atomic_t primo = 0;

constexpr int kSegnali[] = {SIGTERM, SIGINT, SIGHUP};

void Gestore(int segnale) {
    const int errore = errno;
    if (primo == 0) primo = segnale;
    const unsigned char b = static_cast<unsigned char>(segnale);
    // Non-blocking: with the pipe full, the loop already has a signal to read.
    [[maybe_unused]] const ssize_t n = ::write(tubo[1], &b, 1);
    errno = errore;
}

}  // namespace

SegnaliDiUscita::SegnaliDiUscita(std::function<void(int)> esci, QObject* parent) : QObject(parent), esci_(std::move(esci)) {
    if (tubo[0] < 0 && ::pipe2(tubo, O_CLOEXEC | O_NONBLOCK) != 0) return;  // no pipe: the signals keep their default
    notifica_ = new QSocketNotifier(tubo[0], QSocketNotifier::Read, this);
    connect(notifica_, &QSocketNotifier::activated, this, &SegnaliDiUscita::Leggi);
    struct sigaction azione = {};
    azione.sa_handler = Gestore;
    sigemptyset(&azione.sa_mask);
    azione.sa_flags = SA_RESTART;
    for (int s : kSegnali) ::sigaction(s, &azione, nullptr);
    // A signal that came before the loop runs is waiting in the pipe: the notifier finds it.
}

int SegnaliDiUscita::Ricevuto() { return primo; }

void SegnaliDiUscita::Leggi() {
    unsigned char b[64];
    bool letto = false;
    while (::read(tubo[0], b, sizeof b) > 0) letto = true;
    if (!letto || !esci_) return;
    // Only the first: the program is already on its way out after it.
    auto esci = std::move(esci_);
    esci_ = nullptr;
    esci(primo);
}

void SegnaliDiUscita::FinisciCome(int segnale) {
    struct sigaction predefinita = {};
    predefinita.sa_handler = SIG_DFL;
    sigemptyset(&predefinita.sa_mask);
    ::sigaction(segnale, &predefinita, nullptr);
    sigset_t questo;
    sigemptyset(&questo);
    sigaddset(&questo, segnale);
    ::sigprocmask(SIG_UNBLOCK, &questo, nullptr);
    ::raise(segnale);
    ::_exit(128 + segnale);
}

}  // namespace mrvelto
