// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What taking a trick and drawing do to the game state: who takes, the points, the lead, the taken
// cards, the 60-point end, what follows the take, and the draw (winner first, into the slot each
// side played from). No timers, no presentation: the table calls these and then shows and schedules.
#include "cards/Caso.h"
#include "game/Opzioni.h"
#include "game/StatoGioco.h"

namespace mrvelto {

// A trick taken.
struct Presa {
    Chi vincitore = Chi::Nessuno;
    int punti = 0;
    int manche = 0;  // its number (Manche before the take)
};

// Both cards of the trick are on the table: the computer's from 1..3, the human's from 4..6.
bool PresaCompleta(const StatoGioco& s);

// Takes the complete trick on the table: decides it, adds its points to
// the winner, who leads next (TurnoDiGioco and AChiTocca) and keeps both cards; moves Manche on;
// while the stock lasts the draw starts at its first firing. The first side above 60 becomes
// Vincitore and stays so.
Presa EffettuaPresa(StatoGioco& s);

// Under "Appena uno supera 60 punti" the take that brings a side above 60 ends the game.
bool PresaConcludeGioco(const StatoGioco& s, const Opzioni& o);

// In the last three tricks no card is drawn: the played slots are emptied at the take.
void LiberaPostiGiocati(StatoGioco& s);

// What follows a take, by NumeroCarteRimaste.
enum class DopoLaPresa {
    Pesca,           // the stock has cards: the ordinary draw
    PescaUltimeDue,  // one covered card and the briscola left
    Penultima,       // the third-last trick was taken: the next lead, no draw
    Ultima,          // the second-last was taken: the last lead
    FineGioco,       // the last trick was taken
    Nulla,
};
DopoLaPresa FaseDopoLaPresa(const StatoGioco& s);

// One firing of a draw. The winner draws at the first firing, the loser at the second
// (NumeroCartaAnalizzata counts them); each card goes into the slot its owner played from.
struct Pescata {
    int slot = 0;
    bool seconda = false;  // the second firing: both hands are full again
    int posizione = 0;     // ordinary draw: deck position drawn, 0 when the deck had nothing left
    int da = 0;            // last draw: the table slot the card came from
};

// The ordinary draw: a card from the stock.
Pescata Pesca(StatoGioco& s, FonteCasuale& caso);
// The last draw: the winner takes the covered card (slot 8), the loser the face-up briscola (7).
Pescata PescaUltimeDue(StatoGioco& s);
// After the second firing: no played card is left on the table.
void ChiudiPesca(StatoGioco& s);

}  // namespace mrvelto
