#pragma once
// Ratings of the six hand cards while the stock is not empty: their points, and their potential,
// the average points a card wins (or loses) when led against one card still unseen from its
// owner's side, raised for the higher briscole.
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

// PuntiPotenziali[1..6]: the points of each hand card.
void CalcolaPuntiPotenziali(const StatoGioco& stato, TabellePC& tab);

// PreseVirtuali and Potenziale[1..6], slot by slot. The caller arms TimerValoreAggiuntivo after it.
void CalcolaPotenzialeCarte(StatoGioco& stato, TabellePC& tab);

// Its steps, for the slot in stato.NumeroCartaAnalizzata.
void SegnaManoDelPC(StatoGioco& stato);
void SegnaManoDiH(StatoGioco& stato);
void ValutaCartaNormale(StatoGioco& stato);
void ValutaBriscola(StatoGioco& stato);
void CalcolaPotenziale(StatoGioco& stato, TabellePC& tab);

// PreseVirtuali index (1..40) of a Valore and suit, 0 when they are not a card.
int IndiceCarta(int valore, char seme);

// A new game forgets the previous game's cards: no entry marked played, the briscola suit's ten
// positions yellow and the others white. CalcolaPotenzialeCarte runs it on the first trick,
// keeping the mark of a card being answered that the game has already marked.
void PreparaPreseVirtuali(StatoGioco& stato);

}  // namespace mrvelto
