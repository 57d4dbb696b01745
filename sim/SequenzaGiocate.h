// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cards played so far in a game, in the order they were played and with who played each, as
// anyone at the table saw them: fed by the table's events.
#include <string>
#include <vector>

#include "game/Eventi.h"
#include "game/StatoGioco.h"

namespace mrvelto::sim {

struct Giocata {
    CartaDaGioco carta;
    Chi chi = Chi::Nessuno;
};

class SequenzaGiocate {
public:
    void Azzera() { giocate_.clear(); }
    // A new game starts the list again; a card leaving a hand adds it.
    void Osserva(const Evento& e, const StatoGioco& s);
    const std::vector<Giocata>& Giocate() const { return giocate_; }

private:
    std::vector<Giocata> giocate_;
};

}  // namespace mrvelto::sim
