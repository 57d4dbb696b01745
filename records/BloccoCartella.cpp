// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/BloccoCartella.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "records/FileDati.h"

namespace mrvelto {

namespace fs = std::filesystem;

namespace {

int Apri(const fs::path& cartella, std::string_view nome, std::string* errore) {
    std::error_code ec;
    fs::create_directories(cartella, ec);
    const fs::path percorso = cartella / std::string(nome);
    const int fd = ::open(percorso.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && errore) *errore = "Impossibile aprire il file di blocco " + percorso.string() + ": " + MotivoErrore(errno) + ".";
    return fd;
}

int Operazione(BloccoCartella::Modo modo) { return modo == BloccoCartella::Modo::Esclusivo ? LOCK_EX : LOCK_SH; }

}  // namespace

std::optional<BloccoCartella> BloccoCartella::Prendi(const fs::path& cartella, std::string_view nome, Modo modo, std::string* errore) {
    const int fd = Apri(cartella, nome, errore);
    if (fd < 0) return std::nullopt;
    while (::flock(fd, Operazione(modo)) != 0) {
        if (errno == EINTR) continue;
        if (errore) *errore = "Impossibile bloccare la cartella " + cartella.string() + ": " + MotivoErrore(errno) + ".";
        ::close(fd);
        return std::nullopt;
    }
    return BloccoCartella(fd);
}

std::optional<BloccoCartella> BloccoCartella::Prova(const fs::path& cartella, std::string_view nome, Modo modo, bool* occupato,
                                                    std::string* errore) {
    if (occupato) *occupato = false;
    const int fd = Apri(cartella, nome, errore);
    if (fd < 0) return std::nullopt;
    if (::flock(fd, Operazione(modo) | LOCK_NB) != 0) {
        if (occupato) *occupato = errno == EWOULDBLOCK;
        ::close(fd);
        return std::nullopt;
    }
    return BloccoCartella(fd);
}

void BloccoCartella::Condividi() {
    if (fd_ >= 0) ::flock(fd_, LOCK_SH);
}

BloccoCartella::BloccoCartella(BloccoCartella&& altro) noexcept : fd_(std::exchange(altro.fd_, -1)) {}

BloccoCartella& BloccoCartella::operator=(BloccoCartella&& altro) noexcept {
    if (this != &altro) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(altro.fd_, -1);
    }
    return *this;
}

BloccoCartella::~BloccoCartella() {
    if (fd_ >= 0) ::close(fd_);  // closing the only descriptor lets go of the lock
}

PresenzaFinestra AnnunciaFinestra(const fs::path& cartella) {
    PresenzaFinestra p;
    bool occupato = false;
    p.blocco = BloccoCartella::Prova(cartella, kBloccoFinestre, BloccoCartella::Modo::Esclusivo, &occupato);
    if (p.blocco) {
        p.blocco->Condividi();
        return p;
    }
    // Others hold it shared (or one is probing, for a moment): join them.
    p.altre = occupato;
    p.blocco = BloccoCartella::Prendi(cartella, kBloccoFinestre, BloccoCartella::Modo::Condiviso);
    return p;
}

}  // namespace mrvelto
