#include "records/FileDati.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

namespace mrvelto {

namespace fs = std::filesystem;

FileLetto LeggiFile(const fs::path& percorso, std::size_t massimo) {
    FileLetto f;
    std::error_code ec;
    const auto stato = fs::status(percorso, ec);
    if (ec || !fs::exists(stato)) return f;
    if (!fs::is_regular_file(stato)) {
        f.stato = FileLetto::Stato::Illeggibile;
        return f;
    }
    std::ifstream in(percorso, std::ios::binary);
    if (!in) {
        f.stato = FileLetto::Stato::Illeggibile;
        return f;
    }
    // Read at most one byte past the limit: the size on disk may change while we read.
    std::string byte(massimo + 1, '\0');
    in.read(byte.data(), static_cast<std::streamsize>(byte.size()));
    const auto letti = static_cast<std::size_t>(in.gcount());
    if (in.bad()) {
        f.stato = FileLetto::Stato::Illeggibile;
        return f;
    }
    if (letti > massimo) {
        f.stato = FileLetto::Stato::TroppoGrande;
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

bool ScriviFileAtomico(const fs::path& percorso, std::string_view byte, std::string* errore) {
    auto fallito = [&](const std::string& perche) {
        if (errore) *errore = "Impossibile scrivere il file " + percorso.string() + ": " + perche;
        return false;
    };
    std::error_code ec;
    if (percorso.has_parent_path()) fs::create_directories(percorso.parent_path(), ec);
    if (ec) return fallito(ec.message());
    const fs::path temporaneo = percorso.string() + ".tmp-" + std::to_string(::getpid());
    const int fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return fallito(std::strerror(errno));
    std::size_t scritti = 0;
    while (scritti < byte.size()) {
        const auto n = ::write(fd, byte.data() + scritti, byte.size() - scritti);
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string perche = std::strerror(errno);
            ::close(fd);
            fs::remove(temporaneo, ec);
            return fallito(perche);
        }
        scritti += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const std::string perche = std::strerror(errno);
        fs::remove(temporaneo, ec);
        return fallito(perche);
    }
    fs::rename(temporaneo, percorso, ec);
    if (ec) {
        const std::string perche = ec.message();
        fs::remove(temporaneo, ec);
        return fallito(perche);
    }
    return true;
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
