// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading an external opponent's answer: `{"card": "Ad"}` names the card; a slot number of its
// hand is accepted too (`{"slot": 5}`, or a bare `5`), and so is a bare `"Ad"`.
#include <functional>
#include <string>
#include <string_view>

#include "game/StatoGioco.h"

namespace mrvelto::sim {

struct RispostaEsterna {
    int slot = 0;        // the slot to play, 0 when the answer is refused
    std::string errore;  // why it was refused: one line
};

// `ammessa(k)`: slot k of the seat's hand may be played now.
RispostaEsterna LeggiRispostaEsterna(std::string_view riga, const StatoGioco& s, Chi posto,
                                     const std::function<bool(int)>& ammessa);

// `testo` made fit for a one-line message: control characters escaped, at most `massimo` bytes.
std::string SuUnaRiga(std::string_view testo, std::size_t massimo = 200);

}  // namespace mrvelto::sim
