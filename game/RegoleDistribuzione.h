// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What setting up a game and dealing it do to the game state: the table cleared, the match
// counts, the leader, the shuffle, and one card per step of the deal. No timers, no presentation:
// the table calls these and then shows and schedules.
#include "cards/Caso.h"
#include "game/StatoGioco.h"

namespace mrvelto {

// A card drawn into a hand or table slot.
struct Estrazione {
    int slot = 0;
    int posizione = 0;  // deck position 1..40 of the card; 0 when the deck had nothing left
};

// Draws a card not yet drawn this game into `slot` (which becomes ContatoreCarteEstratte).
// Returns its deck position, or 0 (slot unchanged) when every card has been drawn.
int EstraiNelloSlot(StatoGioco& s, int slot, FonteCasuale& caso);

// A new game (NuovoGioco), or with `primo` the first game of the window, which keeps the initial
// leader and the peek flag the settings gave. Every slot empty; a new match when none is in
// progress (counts to 0, game number 1), otherwise the next game number; nothing drawn, played or
// taken; the leader alternates; scores and counters of a fresh game; the deck shuffled.
void ImpostaNuovoGioco(StatoGioco& s, bool primo, FonteCasuale& caso);

// One step of the deal (ContatoreDistribuisciCarte): the slot it fills, who is to play, the draw.
Estrazione DistribuisciUnaCarta(StatoGioco& s, FonteCasuale& caso);

// Moves the deal to its next step; after the eighth the deal is over, the counter back at 1.
// True when the deal is over.
bool AvanzaDistribuzione(StatoGioco& s);

// The human may play now: the game and the match are in progress.
void TurnoAllUmano(StatoGioco& s);

}  // namespace mrvelto
