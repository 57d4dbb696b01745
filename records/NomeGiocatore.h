// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MVeNome.txt: the last accepted player name, one quoted line, offered again at the next start.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/Avvisi.h"

namespace mrvelto {

inline constexpr std::string_view kFileNomeGiocatore = "C:\\Programmi\\MrVelto\\Dati\\MVeNome.txt";
inline constexpr std::size_t kMassimoNomeFile = 4 * 1024;
// Longer names are cut: they must fit the ranking, the log line and the labels.
inline constexpr std::size_t kMassimoCaratteriNome = 40;

// The name as the game keeps and stores it: blanks around it removed, then made safe for the data
// files (a double quote becomes the closing typographic quote ”, control characters blanks,
// characters outside Windows-1252 "?"), cut to kMassimoCaratteriNome characters. Used on every
// name the player enters, so that the name in memory is the one the files hold and the ranking
// finds it again after a restart.
std::string NormalizzaNome(std::string_view nome);

// Writes the normalised name (one quoted line) and returns it. A failed write is reported once.
std::string SalvaNomeGiocatore(const std::filesystem::path& percorso, std::string_view nome, Avvisi& avvisi);
// The stored name, or "" when there is none or the file is not one we wrote (reported once).
std::string LeggiNomeGiocatore(const std::filesystem::path& percorso, Avvisi& avvisi);
// The same on the file's bytes; nullopt when they are not a single quoted or bare value.
std::optional<std::string> LeggiNomeGiocatoreDa(std::string_view byte);

}  // namespace mrvelto
