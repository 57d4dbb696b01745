// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saved games: the data panel written to a text file of 268 lines (the two headings, then the
// background colour and the text of cells 0..132), read back for review. A file is taken only
// whole: anything that is not a game this program could have played is refused with a message
// and nothing is changed.
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cards/Carta.h"
#include "game/PannelloDati.h"

namespace mrvelto {

inline constexpr std::string_view kCartellaArchivio = "C:\\Programmi\\MrVelto\\Archivio\\";
inline constexpr int kCelleSalvate = 133;  // lblDati(0..132)
inline constexpr int kRigheSalvate = 2 + 2 * kCelleSalvate;
inline constexpr std::size_t kMassimoFilePartita = 64 * 1024;
inline constexpr std::string_view kFiltroFileDiTesto = "File di testo (*.txt)";
inline constexpr std::string_view kFineAnalisi = "Fine Analisi";

// "007-03.txt": the match number padded to three digits, the game number to two.
// `totalePartite` is the matches concluded; a match in progress counts as the next one.
std::string NomeFilePartita(long long totalePartite, bool partitaInCorso, int numeroGioco);

// The file's bytes (line format, CR LF, Windows-1252).
std::string ScriviPartita(const PannelloDati& dati);

// A saved game read back: the two headings and cells 0..132 with text and background; the text
// colours are the caller's (RipristinaColoriDati). Otherwise the Italian reason for refusing it.
using PartitaLetta = std::variant<PannelloDati, std::string>;
PartitaLetta LeggiPartita(std::string_view byte);

// The same on a file; a missing, unreadable or oversized file is refused with its reason.
bool SalvaPartitaSuFile(const std::filesystem::path& percorso, const PannelloDati& dati, std::string* errore);
PartitaLetta LeggiPartitaDaFile(const std::filesystem::path& percorso);

}  // namespace mrvelto

namespace mrvelto {

// The course of a game as its data panel tells it, checked card by card.
struct MancheRicostruita {
    CartaDaGioco cartaPC, cartaH;
    Chi primo = Chi::H;       // who led the trick
    Chi vincitore = Chi::H;
    int puntiPC = 0, puntiH = 0;  // running scores after the take
    CartaDaGioco pescaPC, pescaH; // empty when nothing was drawn
};
struct GiocoRicostruito {
    std::array<CartaDaGioco, 3> manoPC{}, manoH{};  // as dealt (slots 1..3, 4..6)
    CartaDaGioco briscola;                          // slot 7, face up
    Chi iniziatoDa = Chi::H;
    std::vector<MancheRicostruita> manche;         // the tricks played, in order
};
// The game in cells 2..132, or the Italian reason why no game of this program could have left
// them so (a card twice or not in the hand that played it, a score that does not add up, a winner
// against the rules).
std::variant<GiocoRicostruito, std::string> RicostruisciGioco(const PannelloDati& dati);

}  // namespace mrvelto
