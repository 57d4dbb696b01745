// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives a table with a player on the human's side: the simulator runs it event to event, the
// program's --autoplay calls Agisci() after each step of its real-time clock pump (or Passo()
// with --fast). The human's side acts through the table's input entry points only, exactly as a
// person with a mouse would: the flow is the same one the human meets.
#include <cstdint>

#include "game/Giocatore.h"
#include "game/OrologioVirtuale.h"
#include "game/Tavolo.h"

namespace mrvelto {

class Conduttore {
public:
    enum class Azione { Nessuna, Carta, Presa, Continua };

    // The player hears the table's events for as long as the driver lives. `orologio` is the
    // table's clock, which Passo() advances.
    Conduttore(Tavolo& tavolo, OrologioVirtuale& orologio, Giocatore& giocatore);

    // Wait for the final comment (TimerCommentiFinali fired, InterdiciSuoni "No") before continuing
    // from the end-of-game frame; false continues as soon as the frame accepts it.
    bool AttendiCommentoFinale = true;

    // What the human's side can do now, by the table's own guards.
    Azione AzionePossibile() const;
    // Performs that action (a card click, the take button, Enter on the end-of-game frame).
    Azione Agisci();
    // One event: the human's action if one is possible, otherwise the clock's next step (time jumps
    // to it). False when nothing can happen any more.
    bool Passo();
    // Runs until the table has concluded `giochi` games in all (GiochiConclusi), or until it has
    // concluded `partite` matches; stops at the game's end (the end-of-game frame is not continued).
    // False when the flow got stuck or `limitePassi` events ran without getting there; 0 gives
    // kPassiPerGioco for each game still to play (nine for each match), so that a broken end of
    // game fails in a moment instead of running on.
    static constexpr std::uint64_t kPassiPerGioco = 200'000;
    bool FinoAGiochi(std::uint64_t giochi, std::uint64_t limitePassi = 0);
    bool FinoAPartite(std::uint64_t partite, std::uint64_t limitePassi = 0);
    // After a false from the two above: whether the step limit stopped it rather than a stuck flow.
    bool LimiteRaggiunto() const { return limiteRaggiunto_; }

    Tavolo& Tavolo_() { return tavolo_; }
    Giocatore& Giocatore_() { return giocatore_; }

private:
    template <class Fatto>
    bool Fino(Fatto fatto, std::uint64_t limitePassi);
    // The slot the player chose if the table accepts it, otherwise the first slot it accepts.
    int CartaDaCliccare();
    Tavolo& tavolo_;
    OrologioVirtuale& orologio_;
    Giocatore& giocatore_;
    CanaleEventi::Iscrizione ascolto_;
    bool limiteRaggiunto_ = false;
};

}  // namespace mrvelto
