// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Matches between two players, with either one on either seat of the real flow: the --pc side
// (Mr. VELTO at --level unless told) and the opponent. Paired: each deal is played twice on fresh
// tables with the same shuffle and draws and the same seat leading, the players swapping seats,
// so that the luck of the cards cancels out of the comparison.
#include <cstdint>
#include <memory>
#include <string>

#include "sim/OpzioniMatch.h"

namespace mrvelto::sim {

// The --pc side against the opponent, whatever the seat.
struct RisultatoAppaiato {
    std::uint64_t giochi = 0;
    std::uint64_t vinti = 0;  // by the --pc side
    std::uint64_t persi = 0;
    std::uint64_t pareggi = 0;
    std::uint64_t punti = 0;  // the --pc side's, over the games
    std::uint64_t puntiAvversario = 0;
    double tasso = 0;         // (wins + draws / 2) / games
    double intervallo = 0;    // half-width of its 95 % interval, over deals
    double secondiReali = 0;
    std::uint64_t firma = 0;
    std::string violazione;
    std::uint64_t giocoViolazione = 0;
};

RisultatoAppaiato SimulaAppaiata(const OpzioniMatch& opzioni);

// The display text of option 12 for a level letter ("Massima (Livello A)" for 'A').
std::string TestoLivello(char lettera);

// Half-width of the 95 % interval of a rate from `n` independent units with that many successes.
double MezzoIntervallo95(double tasso, double varianza, std::uint64_t n);

}  // namespace mrvelto::sim
