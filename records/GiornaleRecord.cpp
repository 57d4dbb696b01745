// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/GiornaleRecord.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>

#include "records/FileDati.h"

namespace mrvelto {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kIntestazione = "Mr. VELTO giornale dei record 1\n";

std::uint64_t Fnv1a(std::string_view b) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : b) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string Esadecimale(std::uint64_t v) {
    char buf[17];
    auto [fine, ec] = std::to_chars(buf, buf + 16, v, 16);
    (void)ec;
    return {buf, fine};
}

// One "<length>\n<bytes>" block from `b` at `i`.
bool Blocco(std::string_view b, std::size_t& i, std::string& fuori) {
    const auto acapo = b.find('\n', i);
    if (acapo == std::string_view::npos || acapo == i || acapo - i > 9) return false;
    std::size_t n = 0;
    const auto [p, ec] = std::from_chars(b.data() + i, b.data() + acapo, n);
    if (ec != std::errc{} || p != b.data() + acapo || n > b.size() - acapo - 1) return false;
    fuori.assign(b.substr(acapo + 1, n));
    i = acapo + 1 + n;
    return true;
}

}  // namespace

std::string CodificaGiornale(const FileRecord& f) {
    std::string b(kIntestazione);
    for (const std::string* s : {&f.classifica, &f.albo, &f.partite}) b += std::to_string(s->size()) + "\n" + *s;
    return b + Esadecimale(Fnv1a(b)) + "\n";
}

std::optional<FileRecord> DecodificaGiornale(std::string_view b) {
    if (b.substr(0, kIntestazione.size()) != kIntestazione) return std::nullopt;
    FileRecord f;
    std::size_t i = kIntestazione.size();
    for (std::string* s : {&f.classifica, &f.albo, &f.partite})
        if (!Blocco(b, i, *s)) return std::nullopt;
    if (b.substr(i) != Esadecimale(Fnv1a(b.substr(0, i))) + "\n") return std::nullopt;
    return f;
}

bool ApplicaGiornale(const fs::path& giornale, const FileRecord& f, const fs::path& classifica, const fs::path& albo,
                     const fs::path& partite, std::string* errore) {
    if (!ScriviFileAtomico(classifica, f.classifica, errore) || !ScriviFileAtomico(albo, f.albo, errore) ||
        !ScriviFileAtomico(partite, f.partite, errore))
        return false;
    if (!PassoScrittura("rimozione", giornale) || (::unlink(giornale.c_str()) != 0 && errno != ENOENT)) {
        if (errore) *errore = "Impossibile rimuovere il file " + giornale.string() + ": " + MotivoErrore(errno) + ".";
        return false;
    }
    SincronizzaCartella(giornale.parent_path());
    return true;
}

}  // namespace mrvelto
