// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A position as the computer sees it when it must play, in plain terms (cards, the stock count,
// the scores), checked for consistency and turned into the game state and the player's card
// memory. `mrvelto-sim choose`, the benchmarks and the tests build their positions with it; card
// codes are read where a position comes in as text, never here.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cards/Carta.h"
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

struct PosizionePC {
    char semeBriscola = 'd';
    int NumeroCarteRimaste = 34;  // after the human's play in the last three tricks
    Chi TurnoDiGioco = Chi::PC;
    std::array<CartaDaGioco, 3> manoPC;  // slots 1..3; no card for an empty slot
    std::array<CartaDaGioco, 3> manoH;   // slots 4..6
    int NumeroCartaGiocataDaH = 0;       // 4..6 when the computer answers
    std::vector<CartaDaGioco> giocate;   // played before, not the card now on the table
    int PuntiPC = 0;
    int PuntiH = 0;
};

// The first inconsistency found, as a message; nothing when the position can occur in a game.
std::optional<std::string> ErrorePosizione(const PosizionePC& p);

// What a decision reads at a position: the table, and the computer's tables as fresh ones with
// the card memory of that point of the game (briscola suit and cards played marked).
struct Situazione {
    StatoGioco stato;
    TabellePC tab;
};

// The position as the game would have it: slots, briscola suit, played marks, counters.
Situazione SituazioneDaPosizione(const PosizionePC& p);

}  // namespace mrvelto
