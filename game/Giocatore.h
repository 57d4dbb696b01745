// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one interface of whoever chooses a card: Mr. VELTO, the reference opponents, an outside
// program, the autoplay. The flow owns every timer and every arming; a player only answers.
//
// On the computer's seat the flow asks at the step where the choice is made (after the deal,
// after the draw, after the human's card) and plays the answer when TimerAttesaDelPCaMuovere
// fires; at that step it first lets the player move its next thinking time, then, below level A
// with the stock not empty, lets the playing level replace the choice. On the human's seat the
// driver (simulator, autoplay) asks whenever the table accepts a click.
//
// A player decides from its seat's view only (game/VistaGiocatore.h), never from the table: the
// other side's hand reaches it only where the rules grant the privilege. A player that keeps tables
// of its own follows the table through Osserva, which the flow calls for every event, with the
// seat's view after it (built only if read), before any other subscriber hears it.
#include <string>

#include "cards/Carta.h"
#include "game/Eventi.h"
#include "game/StatoGioco.h"
#include "game/VistaGiocatore.h"
#include "game/VistaPigra.h"

namespace mrvelto {

class Giocatore {
public:
    virtual ~Giocatore() = default;

    // The name shown for this player when it sits on the human's seat.
    virtual std::string Nome() const { return {}; }

    // The hand slot to play: 1..3 on the computer's seat, 4..6 on the human's (`vista.posto`);
    // every slot of the hand that holds a card may be chosen.
    virtual int Scegli(const VistaGiocatore& vista) = 0;

    // Whether this player reads the other side's hand while the stock lasts: Mr. VELTO does.
    virtual bool LeggeLaManoAvversaria() const { return false; }

    // The computer's move is about to be played: milliseconds to add to the thinking time of its
    // next move (may be negative; the player may draw at random here).
    virtual int VariaTempoDiRisposta() { return 0; }

    // The computer's move is about to be played, the level below A and the stock not empty: the
    // slot actually played (`livello` 'B'..'E'; the player may draw at random here).
    virtual int ApplicaLivelloDiGioco(const VistaGiocatore& vista, char livello, int scelta) {
        (void)vista;
        (void)livello;
        return scelta;
    }

    // Every event of the table, with the seat's view as it stands after it.
    virtual void Osserva(const Evento& e, const VistaPigra& vista) {
        (void)e;
        (void)vista;
    }
};

// The view the flow gives `giocatore` on `posto`: with the other hand while the stock lasts for the
// player that reads it, and never otherwise.
inline VistaGiocatore VistaPer(const StatoGioco& stato, Chi posto, const Giocatore& giocatore) {
    return VistaDi(stato, posto, giocatore.LeggeLaManoAvversaria() && PrivilegioDiVelto(stato));
}

}  // namespace mrvelto
