// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/PannelloLaterale.h"

namespace mrvelto {

std::string_view TestoPannello(PannelloLaterale p) {
    switch (p) {
        case PannelloLaterale::Partita: return "Partita";
        case PannelloLaterale::Dati: return "Dati";
        default: return "Nessuno";
    }
}

std::optional<PannelloLaterale> PannelloDaTesto(std::string_view testo) {
    if (testo == "Nessuno") return PannelloLaterale::Nessuno;
    if (testo == "Partita") return PannelloLaterale::Partita;
    if (testo == "Dati") return PannelloLaterale::Dati;
    return std::nullopt;
}

}  // namespace mrvelto
