// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A position in and the computer's decision out, as JSON: the format of `mrvelto-sim choose`.
//
// In: level ("A".."E", default "A"), briscola_suit ("d" "s" "c" "b"), stock (NumeroCarteRimaste at
// the decision), turn ("PC" leads, "H" answers), hand_pc and hand_h (3 codes or null each, slots
// 1..3 and 4..6), played_h (slot 4..6 of the human's card on the table, when answering), played
// (codes played earlier, not the card on the table), points_pc, points_h, seed (default 1).
// Out: choice, candidates, computed, replaced_at_random, and the working tables the stage fills.
#include <cstdint>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "player/PosizionePC.h"

namespace mrvelto {

struct RichiestaScelta {
    PosizionePC posizione;
    char livello = 'A';
    std::uint64_t seme = 1;
};

// Throws std::invalid_argument with a one-line message on a missing key, a wrong type, an
// unknown code, a card twice or counts that do not fit the stock.
RichiestaScelta LeggiRichiestaScelta(const nlohmann::json& j);

// Runs the decision, with the chance of `seme`, and describes it.
nlohmann::ordered_json RispostaScelta(const RichiestaScelta& richiesta);

}  // namespace mrvelto
