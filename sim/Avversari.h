// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The players the simulator can put on each side. The human's side: a registry of opponents by
// name (--opponent); register a new one by adding a row in Avversari.cpp. The computer's side:
// CreaGiocatorePC, Mr. VELTO (player/GiocatoreVelto.h). Both are game/Giocatore.h players.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cards/Caso.h"
#include "game/Giocatore.h"
#include "sim/OpzioniMatch.h"

namespace mrvelto::sim {

struct VoceAvversario {
    std::string nome;
    std::string descrizione;
    std::function<std::unique_ptr<Giocatore>(std::uint64_t seme, const OpzioniMatch& opzioni)> crea;
};

const std::vector<VoceAvversario>& Avversari();
// Whether the options name an opponent the run can play: a registered one, or a program (--opponent-cmd).
bool AvversarioNoto(const OpzioniMatch& opzioni);
// nullptr when no opponent has that name (an outside program is played through its session instead:
// sim/AvversarioEsterno.h).
std::unique_ptr<Giocatore> CreaAvversario(const std::string& nome, std::uint64_t seme, const OpzioniMatch& opzioni);
// Mr. VELTO on the computer's side, drawing from the table's random source `caso`.
std::unique_ptr<Giocatore> CreaGiocatorePC(const OpzioniMatch& opzioni, FonteCasuale& caso);

}  // namespace mrvelto::sim
