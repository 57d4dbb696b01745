// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/SequenzaGiocate.h"

namespace mrvelto::sim {

void SequenzaGiocate::Osserva(const Evento& e, const StatoGioco& s) {
    if (std::holds_alternative<evento::GiocoImpostato>(e)) {
        Azzera();
    } else if (const auto* g = std::get_if<evento::CartaGiocata>(&e)) {
        giocate_.push_back({s.Carta[g->slot], g->chi});
    }
}

}  // namespace mrvelto::sim
