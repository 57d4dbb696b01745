// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing levels and thinking time: below the top level a computed choice is sometimes replaced
// by a random card while the stock lasts, and each move's delay wanders by up to 150 ms.
#include "cards/Caso.h"
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

// Change in ms of the computer's next delay: a draw in 1..22 gives +150, +100, +50, -50, -100,
// -150 or nothing.
int VariaTempoDiRisposta(FonteCasuale& caso);

// The draw in 1..120 from which level `lettera` ('A'..'E') plays a random card; 121 for never.
int SogliaLivello(char lettera);

// Draws r in 1..120 and chooses a random card when r reaches the level's band. Never at level A nor
// once the stock is empty. True when ScegliCartaACaso ran.
bool ApplicaLivelloDiGioco(int NumeroCarteRimaste, TabellePC& tab, char lettera, FonteCasuale& caso);
inline bool ApplicaLivelloDiGioco(const StatoGioco& stato, TabellePC& tab, char lettera, FonteCasuale& caso) {
    return ApplicaLivelloDiGioco(stato.NumeroCarteRimaste, tab, lettera, caso);
}
// A slot drawn in 1..3 (possibly the computed one), its text marked green.
void ScegliCartaACaso(TabellePC& tab, FonteCasuale& caso);

}  // namespace mrvelto
