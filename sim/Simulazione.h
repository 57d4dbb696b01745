// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays games on virtual time through the real flow (game/Tavolo, its timers and handlers),
// the human's side played by a registered opponent, and checks every game as it ends.
#include <cstdint>
#include <string>

#include "sim/OpzioniMatch.h"

namespace mrvelto::sim {

struct RisultatoSimulazione {
    std::uint64_t giochi = 0;        // games concluded
    std::uint64_t vintiH = 0;
    std::uint64_t vintiPC = 0;
    std::uint64_t pareggi = 0;       // 60 to 60
    std::uint64_t partite = 0;       // matches concluded
    std::uint64_t puntiH = 0;        // totals over the games
    std::uint64_t puntiPC = 0;
    std::uint64_t prese = 0;
    std::int64_t millisecondiVirtuali = 0;  // each session's, from its set-up to its last game's end, added up
    std::uint64_t passi = 0;          // clock steps run
    double secondiReali = 0;
    std::uint64_t firma = 0;          // FNV-1a over every game's result: the run's signature
    // Empty when every check held; otherwise the first violation, in which game, and how to replay it.
    std::string violazione;
    std::uint64_t giocoViolazione = 0;
    std::string riproduci;
};

// A run is a row of sessions of this many games (the last one may be shorter), each on a fresh
// table with a seed of its own drawn from --seed: the sessions are independent, so they can be
// played on any number of threads, and game g of a run does not depend on how many games follow it.
inline constexpr std::uint64_t kGiochiPerSeduta = 100;

// Options that name no known opponent give giochi 0 and the reason in `violazione`.
RisultatoSimulazione Simula(const OpzioniMatch& opzioni);

}  // namespace mrvelto::sim
