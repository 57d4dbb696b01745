// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the card pairs of a trick while the stock is not empty: for each pair of a
// computer card and a human card, who takes it, the taker's new total, the pair's points and its
// convenience for the computer. Also the per-trick resets of the working tables.
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

// Bonus of a losing briscola by its Valore (single precision).
float BonusBriscola(int valore);

// One pair: the computer's slot i against the human's slot j, entry k.
void ValutaCoppia(const StatoGioco& stato, TabellePC& tab, int k, int i, int j);

// The nine lead pairs (computer slot outer, human slot inner) after rating the cards.
void AnalizzaInizioPC(const StatoGioco& stato, TabellePC& tab);
// The three answers to the human's card in NumeroCartaGiocataDaH, after rating the cards.
void AnalizzaRispostaPC(const StatoGioco& stato, TabellePC& tab);

// Clears the tables of one trick; the first while there are cards to draw, the second after.
// The played marks of PreseVirtuali stay.
void AzzeraTabelleAnalisi(TabellePC& tab);
void AzzeraTabelleAnalisiFinale(TabellePC& tab);

}  // namespace mrvelto
