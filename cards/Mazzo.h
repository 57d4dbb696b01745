// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed deck, the shuffled deck and the eight card slots, with the shuffle and the draw.
#include <string>
#include <string_view>

#include "cards/Carta.h"
#include "cards/Caso.h"
#include "cards/Colori.h"
#include "cards/Indici.h"

namespace mrvelto {

// A deck entry: a text with the colours beside it that the game uses as marks.
struct VoceMazzo {
    std::string testo;
    Colore colore = colore::Bianco;     // background
    Colore coloreTesto = colore::Nero;  // foreground
};

struct Mazzo {
    Mazzo();
    // The fixed deck in its order; the colour marks shuffle placement, then briscola and plays.
    Da1<VoceMazzo, 40> CarteGiocate;
    // The shuffled deck; colour 255 marks a card already drawn in this game.
    Da1<VoceMazzo, 40> CartaDaEstrarre;
    int NumeroCartaAnalizzata = 1;
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
