#pragma once
// The players the simulator can put on each side. The human's side: a registry of opponents by
// name (--opponent); register a new one by adding a row in Avversari.cpp. The computer's side:
// CreaGiocatorePC, Mr. VELTO (player/GiocatoreVelto.h).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/Avversario.h"
#include "player/GiocatorePC.h"
#include "sim/OpzioniMatch.h"

namespace mrvelto::sim {

struct VoceAvversario {
    std::string nome;
    std::string descrizione;
    std::function<std::unique_ptr<AvversarioUmano>(std::uint64_t seme, const OpzioniMatch& opzioni)> crea;
};

const std::vector<VoceAvversario>& Avversari();
// nullptr when no opponent has that name.
std::unique_ptr<AvversarioUmano> CreaAvversario(const std::string& nome, std::uint64_t seme, const OpzioniMatch& opzioni);
// The computer player that plays Mr. VELTO's side.
std::unique_ptr<GiocatorePC> CreaGiocatorePC(const OpzioniMatch& opzioni);

}  // namespace mrvelto::sim
