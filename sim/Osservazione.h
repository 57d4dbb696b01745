// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines the simulator sends to an external opponent: what a person sitting on `posto` may know
// and nothing more. The other side's hand never appears: only its card on the table, once played.
// Sides are named from the opponent's point of view ("you", "opponent"); the seat is given too.
#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "game/StatoGioco.h"
#include "game/Tavolo.h"
#include "sim/SequenzaGiocate.h"

namespace mrvelto::sim {

inline constexpr int kVersioneProtocollo = 1;

struct ContestoOsservazione {
    Chi posto = Chi::H;          // the external opponent's seat
    std::uint64_t gioco = 1;     // the game's number in the run
    std::uint64_t partita = 1;   // the match's number in the run
    int giocoNellaPartita = 1;   // NumeroGioco when the game started
    int mossa = 0;               // the opponent's move in this game, from 1
    std::string conclusioneGioco;    // the two options that change the rules, as display texts
    std::string conclusionePartita;
};

// The hand slots of a seat: 4..6 for the human's, 1..3 for the computer's.
std::array<int, 3> SlotDellaMano(Chi posto);

nlohmann::ordered_json RigaInizio(const StatoGioco& s, const ContestoOsservazione& c, std::uint64_t seme);
nlohmann::ordered_json RigaMossa(const StatoGioco& s, const ContestoOsservazione& c, const std::vector<Giocata>& giocate);
nlohmann::ordered_json RigaFine(const EsitoGioco& e, const ContestoOsservazione& c, const std::vector<Giocata>& giocate);

}  // namespace mrvelto::sim
