// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ratings of the six hand cards while the stock is not empty: their points, and their potential,
// the average points a card wins (or loses) when led against one card still unseen from its
// owner's side, raised for the higher briscole. Also the player's memory of the cards (PreseVirtuali),
// which the table's events keep.
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

// PuntiPotenziali[1..6]: the points of each hand card.
void CalcolaPuntiPotenziali(const StatoGioco& stato, TabellePC& tab);

// PreseVirtuali and Potenziale[1..6], slot by slot.
void CalcolaPotenzialeCarte(const StatoGioco& stato, TabellePC& tab);

// Its steps: mark the rated card's own hand, rate the deck against the card in slot k, average.
void SegnaManoDelPC(const StatoGioco& stato, TabellePC& tab);
void SegnaManoDiH(const StatoGioco& stato, TabellePC& tab);
void ValutaCartaNormale(const StatoGioco& stato, TabellePC& tab, int k);
void ValutaBriscola(const StatoGioco& stato, TabellePC& tab, int k);
void CalcolaPotenziale(const StatoGioco& stato, TabellePC& tab, int k);

// A new game forgets the previous game's cards: no entry marked played, the briscola suit's ten
// positions marked and the others not. CalcolaPotenzialeCarte runs it on the first trick,
// keeping the mark of a card being answered that has already been registered.
void PreparaPreseVirtuali(const StatoGioco& stato, TabellePC& tab);

// The memory as the table's events change it: cleared when a game is set up; the briscola suit
// marked once the deal is over; a card marked played when it leaves the hand of slot `slot`.
void DimenticaCarte(TabellePC& tab);
void SegnaBriscole(const StatoGioco& stato, TabellePC& tab);
void SegnaCartaGiocata(const StatoGioco& stato, TabellePC& tab, int slot);

}  // namespace mrvelto
