// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The players the simulator can seat, by name: --opponent on the human's seat, --pc on the
// computer's (Mr. VELTO by default). Register a new one by adding a row in Avversari.cpp; every
// player the simulator seats is built by CreaGiocatoreAlPosto. All are game/Giocatore.h players.
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
    // `casoPC`: on the computer's seat, the source Mr. VELTO draws from; nullptr on the human's.
    std::function<std::unique_ptr<Giocatore>(char livello, std::uint64_t seme, FonteCasuale* casoPC)> crea;
};

const std::vector<VoceAvversario>& Avversari();
bool GiocatoreRegistrato(const std::string& nome);
// Whether the options name an opponent the run can play: a registered one, or a program (--opponent-cmd).
bool AvversarioNoto(const OpzioniMatch& opzioni);
// The registered player `nome` on seat `posto`. On the computer's seat Mr. VELTO draws from `casoPC`
// (the table's source, or one of the game's own) and plays the level the table names; on the
// human's he plays at `livello` with a source seeded with `seme`. The others draw from `seme`.
// nullptr when no player has that name (an outside program is played through its session
// instead: sim/AvversarioEsterno.h).
std::unique_ptr<Giocatore> CreaGiocatoreAlPosto(const std::string& nome, char livello, Chi posto, std::uint64_t seme,
                                                FonteCasuale& casoPC);

}  // namespace mrvelto::sim
