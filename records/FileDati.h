// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Illeggibile: there, but the system refused it (`errore`); NonUnFile: a folder or a device.
    enum class Stato { Mancante, Letto, TroppoGrande, Illeggibile, NonUnFile };
    Stato stato = Stato::Mancante;
    std::string byte;              // the content when Letto
    std::uintmax_t dimensione = 0;
    int errore = 0;                // errno when Illeggibile
    bool cartella = false;         // Illeggibile because of the folder, not of the file itself
    bool collegamentoInCiclo = false;  // Illeggibile: a symbolic link that leads back to itself
};

// Reads the whole file unless it is larger than `massimo` bytes (then nothing is read). Only a
// file that is not there is Mancante: a folder that cannot be searched is Illeggibile.
FileLetto LeggiFile(const std::filesystem::path& percorso, std::size_t massimo);

// The reason of a failed system call, in words a player understands ("permesso negato").
std::string MotivoErrore(int errore);
// The Italian sentence for a file that is there but could not be read.
std::string AvvisoIlleggibile(const std::filesystem::path& percorso, const FileLetto& f);

// Writes `byte` to "<percorso>.tmp", flushes it to disk, renames it over `percorso` and flushes
// the folder, so that the file is either the old one or the new one, never half written. Creates
// the folder when missing. On failure returns false with the reason in Italian in `errore`.
// One writer per folder (see BloccoCartella.h): the temporary name is the same for every run.
// Outside the data folders (`cartellaDati` false: a saved game where the player chose) nothing is
// created beside the file but the file: no folder, no lock file, and the content is written to a
// file with no name, named only for the rename.
bool ScriviFileAtomico(const std::filesystem::path& percorso, std::string_view byte, std::string* errore = nullptr,
                       bool cartellaDati = true);

// Removes what a run killed while writing left behind in `cartella`: "<nome>.tmp" and the
// "<nome>.tmp-<pid>" of earlier versions. Returns how many were removed.
int RimuoviTemporaneiAbbandonati(const std::filesystem::path& cartella);

// For tests: the call that writes bytes to a file (::write unless replaced); returns the old one.
using FunzioneScrittura = long (*)(int fd, const void* dati, std::size_t quanti);
FunzioneScrittura ImpostaScrittura(FunzioneScrittura f);

// Every step of a write ("scrittura", "fsync", "rinomina", "fsync-cartella", "rimozione") passes
// here first, so that tests can stop a save at any of them: a hook set with ImpostaPasso may end
// the process there, or return false with errno set to make the step fail.
using FunzionePasso = bool (*)(std::string_view passo, const std::filesystem::path& percorso);
FunzionePasso ImpostaPasso(FunzionePasso f);
bool PassoScrittura(std::string_view passo, const std::filesystem::path& percorso);

// Flushes a folder's entries (renames, removals) to disk.
void SincronizzaCartella(const std::filesystem::path& cartella);

// Moves a file that could not be read to "<nome>-danneggiato-AAAAMMGG-hhmmss<estensione>" beside
// it (with "-2", "-3"... when that name is taken), so that no later write overwrites it and the next
// start does not find it, and report it, again. Returns the new path, or nullopt when it failed.
std::optional<std::filesystem::path> MettiDaParte(const std::filesystem::path& percorso, const DataOra& quando);

// The Italian message for a file refused as too large.
std::string AvvisoTroppoGrande(const std::filesystem::path& percorso, std::uintmax_t dimensione, std::size_t massimo);

}  // namespace mrvelto
