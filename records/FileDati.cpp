// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/FileDati.h"

#include "records/BloccoCartella.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

namespace mrvelto {

namespace fs = std::filesystem;

namespace {

long ScriviDiSistema(int fd, const void* dati, std::size_t quanti) { return ::write(fd, dati, quanti); }
FunzioneScrittura scrittura = &ScriviDiSistema;
FunzionePasso passo = nullptr;

std::string Nome(const fs::path& p) { return p.filename().string(); }

}  // namespace

FunzioneScrittura ImpostaScrittura(FunzioneScrittura f) {
    const FunzioneScrittura prima = scrittura;
    scrittura = f ? f : &ScriviDiSistema;
    return prima;
}

FunzionePasso ImpostaPasso(FunzionePasso f) {
    const FunzionePasso prima = passo;
    passo = f;
    return prima;
}

bool PassoScrittura(std::string_view nome, const fs::path& percorso) { return !passo || passo(nome, percorso); }

void SincronizzaCartella(const fs::path& cartella) {
    if (!PassoScrittura("fsync-cartella", cartella)) return;
    const int dir = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

std::string MotivoErrore(int errore) {
    switch (errore) {
        case EACCES:
        case EPERM: return "permesso negato";
        case ENOTDIR: return "una parte del percorso non è una cartella";
        case EEXIST: return "al suo posto c'è un file";
        case EISDIR: return "è una cartella, non un file";
        case ENOENT: return "non esiste";
        case ENOSPC:
        case EDQUOT: return "il disco è pieno";
        case EROFS: return "il disco è in sola lettura";
        case EFBIG: return "il file supera la dimensione consentita";
        case ENAMETOOLONG: return "il percorso è troppo lungo";
        case ELOOP: return "il percorso rimanda a se stesso";
        case EIO: return "errore di lettura o scrittura del disco";
        case EMFILE:
        case ENFILE: return "troppi file aperti";
        default: return "errore di sistema " + std::to_string(errore);
    }
}

std::string AvvisoIlleggibile(const fs::path& percorso, const FileLetto& f) {
    if (f.stato == FileLetto::Stato::NonUnFile) return "Al posto del file " + Nome(percorso) + " c'è una cartella o un dispositivo.";
    if (f.cartella)
        return "La cartella " + percorso.parent_path().string() + " non si può leggere (" + MotivoErrore(f.errore) + ").";
    return "Il file " + Nome(percorso) + " non si può leggere (" + MotivoErrore(f.errore) + ").";
}

FileLetto LeggiFile(const fs::path& percorso, std::size_t massimo) {
    FileLetto f;
    struct stat st {};
    if (::stat(percorso.c_str(), &st) != 0) {
        if (errno == ENOENT) return f;
        const int e = errno;
        struct stat link {};
        if (e == ELOOP && ::lstat(percorso.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            // The name itself is there: the loop is in the link, not on the way to it.
            f.stato = FileLetto::Stato::Illeggibile;
            f.errore = e;
            f.collegamentoInCiclo = true;
            return f;
        }
        errno = e;
        // The file itself was not reached: the fault is on the way to it.
        f.stato = FileLetto::Stato::Illeggibile;
        f.errore = errno;
        f.cartella = true;
        return f;
    }
    if (!S_ISREG(st.st_mode)) {
        f.stato = FileLetto::Stato::NonUnFile;
        return f;
    }
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        f.stato = FileLetto::Stato::Illeggibile;
        f.errore = errno;
        return f;
    }
    // Read at most one byte past the limit. The buffer starts at the size on disk (plus the byte
    // that shows the file grew while we read) rather than at the limit: the records files are a
    // few kB and their limit megabytes, which would all be touched and held for the read.
    const std::size_t tetto = massimo + 1;
    std::string byte(std::min(tetto, static_cast<std::size_t>(st.st_size) + 1), '\0');
    std::size_t letti = 0;
    for (;;) {
        if (letti == byte.size()) {
            if (byte.size() >= tetto) break;
            byte.resize(std::min(tetto, byte.size() * 2));
        }
        const auto n = ::read(fd, byte.data() + letti, byte.size() - letti);
        if (n < 0) {
            if (errno == EINTR) continue;
            f.stato = FileLetto::Stato::Illeggibile;
            f.errore = errno;
            ::close(fd);
            return f;
        }
        if (n == 0) break;
        letti += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (letti > massimo) {
        f.stato = FileLetto::Stato::TroppoGrande;
        std::error_code ec;
        const auto d = fs::file_size(percorso, ec);
        f.dimensione = ec ? letti : d;
        return f;
    }
    byte.resize(letti);
    f.stato = FileLetto::Stato::Letto;
    f.dimensione = letti;
    f.byte = std::move(byte);
    return f;
}

namespace {

// Writes all of `byte` to `fd` and flushes it to disk; 0 or the errno of the step that failed.
int ScriviTutto(int fd, std::string_view byte, const fs::path& percorso) {
    if (!PassoScrittura("scrittura", percorso)) return errno;
    std::size_t scritti = 0;
    while (scritti < byte.size()) {
        const long n = scrittura(fd, byte.data() + scritti, byte.size() - scritti);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        scritti += static_cast<std::size_t>(n);
    }
    if (!PassoScrittura("fsync", percorso) || ::fsync(fd) != 0) return errno;
    return 0;
}

// A file with no name in `cartella` (O_TMPFILE): a run killed while writing it leaves nothing.
// -1 when the file system cannot make one.
int ApriSenzaNome(const fs::path& cartella) {
#ifdef O_TMPFILE
    return ::open(cartella.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
#else
    (void)cartella;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

}  // namespace

bool ScriviFileAtomico(const fs::path& percorso, std::string_view byte, std::string* errore, bool cartellaDati) {
    auto fallito = [&](int e) {
        if (errore) *errore = "Impossibile scrivere il file " + percorso.string() + ": " + MotivoErrore(e) + ".";
        return false;
    };
    const fs::path cartella = percorso.has_parent_path() ? percorso.parent_path() : fs::path(".");
    std::optional<BloccoCartella> blocco;
    int fd = -1;
    fs::path temporaneo = percorso.string() + ".tmp";
    if (cartellaDati) {
        std::error_code ec;
        fs::create_directories(cartella, ec);
        if (ec) return fallito(ec.value());
        // Without the lock (a read-only folder refuses the lock file too) the open below says why.
        blocco = BloccoCartella::Prendi(cartella, kBloccoScrittura, BloccoCartella::Modo::Esclusivo);
    } else {
        // A folder of the player's: no lock file left in it, and no temporary name until the
        // content is safe on disk, as no start-up cleans there.
        fd = ApriSenzaNome(cartella);
        if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return fallito(errno);
        temporaneo = percorso.string() + ".tmp-" + std::to_string(::getpid());
    }
    const bool senzaNome = fd >= 0;
    if (!senzaNome) fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return fallito(errno);
    if (const int e = ScriviTutto(fd, byte, percorso)) {
        ::close(fd);
        if (!senzaNome) ::unlink(temporaneo.c_str());
        return fallito(e);
    }
    if (senzaNome) {
        const std::string proprio = "/proc/self/fd/" + std::to_string(fd);
        if (::linkat(AT_FDCWD, proprio.c_str(), AT_FDCWD, temporaneo.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            const int e = errno;
            ::close(fd);
            return fallito(e);
        }
    }
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(temporaneo.c_str());
        return fallito(e);
    }
    if (!PassoScrittura("rinomina", percorso) || ::rename(temporaneo.c_str(), percorso.c_str()) != 0) {
        const int e = errno;
        ::unlink(temporaneo.c_str());
        return fallito(e);
    }
    // The rename lives in the folder: without this a power cut may bring the old name back.
    SincronizzaCartella(cartella);
    return true;
}

int RimuoviTemporaneiAbbandonati(const fs::path& cartella) {
    int rimossi = 0;
    std::error_code ec;
    if (!fs::is_directory(cartella, ec)) return 0;
    const auto blocco = BloccoCartella::Prendi(cartella, kBloccoScrittura, BloccoCartella::Modo::Esclusivo);
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string nome = it->path().filename().string();
        const auto tmp = nome.rfind(".tmp");
        if (tmp == std::string::npos || tmp == 0) continue;
        const std::string coda = nome.substr(tmp + 4);
        const bool vecchio = coda.size() > 1 && coda[0] == '-' && coda.find_first_not_of("0123456789", 1) == std::string::npos;
        if (!coda.empty() && !vecchio) continue;
        std::error_code e;
        if (it->is_regular_file(e) && fs::remove(it->path(), e)) ++rimossi;
    }
    return rimossi;
}

std::optional<fs::path> MettiDaParte(const fs::path& percorso, const DataOra& quando) {
    char data[32];
    std::snprintf(data, sizeof data, "%04d%02d%02d-%02d%02d%02d", quando.anno % 10000, quando.mese % 100, quando.giorno % 100,
                  quando.ora % 100, quando.minuto % 100, quando.secondo % 100);
    const std::string base = percorso.stem().string() + "-danneggiato-" + data;
    const std::string estensione = percorso.extension().string();
    std::error_code ec;
    for (int n = 1; n < 1000; ++n) {
        const fs::path nuovo = percorso.parent_path() / (base + (n > 1 ? "-" + std::to_string(n) : "") + estensione);
        if (fs::exists(nuovo, ec)) continue;
        fs::rename(percorso, nuovo, ec);
        if (ec) return std::nullopt;
        return nuovo;
    }
    return std::nullopt;
}

std::string AvvisoTroppoGrande(const fs::path& percorso, std::uintmax_t dimensione, std::size_t massimo) {
    return "Il file " + percorso.filename().string() + " è troppo grande (" + std::to_string(dimensione) + " byte, al massimo " +
           std::to_string(massimo) + "): non è stato letto.";
}

}  // namespace mrvelto
