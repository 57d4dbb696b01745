// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The third-to-last trick with the stock empty: every card is known, so every way the last three
// tricks can go is searched; the computer plays a card whose worst outcome is best, at random
// among equal ones.
#include "cards/Caso.h"
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

// Signed value of a trick in Valore units (cards below 8 count 0): positive when the computer takes.
int ValoreDiPresa(const StatoGioco& stato, Chi leader, int slotPC, int slotH, Chi* vincitore = nullptr);

// The computer leads: the nine first tricks, then the 36 ways the two last tricks follow.
void TerzultimaGiocataIniziaPC(const StatoGioco& stato, TabellePC& tab);
void AnalisiSecondoLivello(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso);
// The computer answers the human's card in NumeroCartaGiocataDaH: three first tricks, 12 leaves.
void TerzultimaGiocataRispondePC(const StatoGioco& stato, TabellePC& tab);
void AnalisiSecondoLivelloBis(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso);

// A..D of the leaf ContatoreSecondoLivello (the answer's twin takes the human's played slot).
void SegueterzultimaGiocata(const StatoGioco& stato, TabellePC& tab);
void SegueterzultimaGiocataBis(const StatoGioco& stato, TabellePC& tab);
// A uniform choice among the slots whose Peggiore is marked best.
void ScegliUnaDelleTre(TabellePC& tab, FonteCasuale& caso);
// Clears the search tables and counters; Peggiore back to 300.
void RiazzeraValori(TabellePC& tab);

}  // namespace mrvelto
