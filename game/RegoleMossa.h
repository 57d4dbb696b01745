// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What playing a card does to the game state, for either side; which card is the computer's last;
// the peek flag. The guards (whose turn, which slot may be clicked) and the movement stay with the
// table, which calls these and then shows and schedules.
#include "game/Opzioni.h"
#include "game/StatoGioco.h"

namespace mrvelto {

// The card in hand slot `slot` of `chi` leaves for the table: it becomes the side's played card
// (NumeroCartaGiocataDaH / NumeroCartaGiocataDaPC), UltimaCartaGiocata and CartaGiocata, and is
// registered as played. In the last three tricks each play counts NumeroCarteRimaste down.
void GiocaCarta(StatoGioco& s, Chi chi, int slot);

// The rules' part of the human's click: his turn in a game in progress, a card in hand slot
// `indice` (4..6), and not the last trick, where his card is played for him.
bool UmanoPuoGiocare(const StatoGioco& s, int indice);

// The computer's only card left (the first non-empty slot of 1..3), 0 when its hand is empty.
int UltimaCartaDelPC(const StatoGioco& s);

// While the computer's cards are shown face up the match counts as peeked (Sbirciata).
// True when this marks it for the first time.
bool SegnaSbirciata(StatoGioco& s, const Opzioni& o);

}  // namespace mrvelto
