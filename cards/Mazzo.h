// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shuffled deck and the eight card slots, with the shuffle and the draw; the sets of the cards
// drawn, played and taken in a game.
#include <string_view>

#include "cards/Carta.h"
#include "cards/Caso.h"
#include "cards/Indici.h"
#include "cards/InsiemeCarte.h"

namespace mrvelto {

struct Mazzo {
    // The shuffled deck, in the order the shuffle placed it.
    Da1<CartaDaGioco, 40> CartaDaEstrarre;
    InsiemeCarte Estratte;    // drawn in this game
    InsiemeCarte Giocate;     // played in this game
    InsiemeCarte GiocateDaH;  // of those, the ones the human played
    InsiemeCarte PreseDaPC;   // played cards of the tricks the computer took
    InsiemeCarte PreseDaH;    // ... and of those the human took
    int NumeroCartaAnalizzata = 1;

    // Played and not yet taken: the cards on the table.
    InsiemeCarte InTavola() const { return Giocate.Senza(PreseDaPC).Senza(PreseDaH); }
    // A new game: nothing drawn, played or taken.
    void AzzeraSegni() { Estratte = Giocate = GiocateDaH = PreseDaPC = PreseDaH = InsiemeCarte{}; }
};

// Slots 1..3 the computer's hand, 4..6 the human's, 7 the face-up briscola, 8 the covered stock.
// An empty slot holds no card: empty code, Valore 0 and suit '\0'.
struct SlotCarte {
    Da1<CartaDaGioco, 8> Carta;
    void Svuota(int k) { Carta[k] = CartaDaGioco{}; }
    void Metti(int k, CartaDaGioco carta) { Carta[k] = carta; }
    // A code that is not a card empties the slot.
    void Metti(int k, std::string_view codice) { Carta[k] = CartaDaGioco::DaCodice(codice); }
};

inline constexpr int kSlotBriscola = 7;
inline constexpr int kSlotMazzo = 8;

// Fills CartaDaEstrarre with a random permutation of the deck by rejection: each position takes a
// uniformly chosen card, retried until an unplaced one comes up. Returns the number of tries.
int MescolaCarte(Mazzo& mazzo, FonteCasuale& caso);

// Draws a card not yet drawn this game into slot `ContatoreCarteEstratte` and marks it drawn.
// Returns the number of tries, or 0 (changing nothing) when every card has been drawn.
int EstraiACasoUnaCarta(Mazzo& mazzo, SlotCarte& slot, int ContatoreCarteEstratte, FonteCasuale& caso);

}  // namespace mrvelto
