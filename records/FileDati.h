#pragma once
// Whole-file reads with a size limit, atomic whole-file writes, and keeping a damaged file aside
// before it is overwritten.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "game/DataOra.h"

namespace mrvelto {

struct FileLetto {
    enum class Stato { Mancante, Letto, TroppoGrande, Illeggibile };
    Stato stato = Stato::Mancante;
    std::string byte;              // the content when Letto
    std::uintmax_t dimensione = 0;
};

// Reads the whole file unless it is larger than `massimo` bytes (then nothing is read).
FileLetto LeggiFile(const std::filesystem::path& percorso, std::size_t massimo);

// Writes `byte` to a temporary file beside `percorso`, flushes it to disk and renames it over
// `percorso`, so that the file is either the old one or the new one, never half written. Creates
// the folder when missing. On failure returns false with the reason in Italian in `errore`.
bool ScriviFileAtomico(const std::filesystem::path& percorso, std::string_view byte, std::string* errore = nullptr);

// Moves a file that could not be read to "<nome>-danneggiato-AAAAMMGG-hhmmss<estensione>" beside
// it (with "-2", "-3"... when that name is taken), so that no later write overwrites it and the next
// start does not find it, and report it, again. Returns the new path, or nullopt when it failed.
std::optional<std::filesystem::path> MettiDaParte(const std::filesystem::path& percorso, const DataOra& quando);

// The Italian message for a file refused as too large.
std::string AvvisoTroppoGrande(const std::filesystem::path& percorso, std::uintmax_t dimensione, std::size_t massimo);

}  // namespace mrvelto
