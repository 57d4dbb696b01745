// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of `mrvelto-sim match`, parsed in one place: a table of flags, each with its help
// text and the handler that writes it into OpzioniMatch. A new flag (--opponent values, --level,
// --paired) is one more row of the table in OpzioniMatch.cpp and, if needed, one more field here.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace mrvelto::sim {

struct OpzioniMatch {
    std::uint64_t giochi = 100;          // --games N
    std::uint64_t seme = 1;              // --seed S
    std::string avversario = "random";   // --opponent NAME (the human's side; see Avversari.h)
    std::string giocatorePC = "velto";   // --pc NAME: the computer's side (Mr. VELTO at --level unless told)
    bool json = false;                   // --json
    char livello = 'A';                  // --level: Mr. VELTO's level (option 12)
    char livelloAvversario = 'A';        // --opponent-level: the level of --opponent velto
    bool appaiati = false;               // --paired: each deal twice, the seats swapped
    // Option values set before the first game, as (index, display text), in command-line order:
    // --end-of-game TEXT is (15, TEXT); --option N=TEXT any other.
    std::vector<std::pair<int, std::string>> opzioni;
    static constexpr std::uint64_t kLimitePassi = 1'000'000;
    std::uint64_t limitePassiPerGioco = kLimitePassi;  // --max-steps: a game that needs more is stuck
    std::string comandoAvversario;       // --opponent-cmd: an outside program plays (opponent "external")
    int timeoutAvversarioMs = 5000;      // --opponent-timeout-ms
    unsigned fili = 1;                   // --jobs: threads (the command line's default is one per core)

    // The command line that reproduces a run of `giochi` games with these options (paired: rounded
    // up to whole deals).
    std::string RigaDiComando(std::uint64_t giochi) const;
};

// Parses the arguments after "match". On an error writes it to `err` and returns nothing.
std::optional<OpzioniMatch> LeggiOpzioniMatch(const std::vector<std::string>& args, std::ostream& err);
// The flags and their help, one per line.
void AiutoOpzioniMatch(std::ostream& out);

}  // namespace mrvelto::sim
