// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Avversari.h"

#include "player/GiocatoreVelto.h"
#include "player/GiocatoriDiRiferimento.h"
#include "sim/AvversarioEsterno.h"

namespace mrvelto::sim {

const std::vector<VoceAvversario>& Avversari() {
    static const std::vector<VoceAvversario> voci = {
        {"random", "una carta ammessa della mano, a caso con uguale probabilità",
         [](std::uint64_t seme, const OpzioniMatch&) { return CreaGiocatore("random", 'A', seme); }},
        {"greedy", "prende una presa che vale punti con la carta vincente meno cara, altrimenti scarta la più bassa",
         [](std::uint64_t seme, const OpzioniMatch&) { return CreaGiocatore("greedy", 'A', seme); }},
        {"esperto", "la carta migliore secondo l'analisi, da ciò che vede il proprio posto (non sbircia la mano avversaria)",
         [](std::uint64_t seme, const OpzioniMatch&) { return CreaGiocatore("esperto", 'A', seme); }},
        {"velto", "Mr. VELTO stesso al livello --opponent-level, dal lato dell'umano",
         [](std::uint64_t seme, const OpzioniMatch& o) { return CreaGiocatore("velto", o.livelloAvversario, seme); }},
    };
    return voci;
}

bool AvversarioNoto(const OpzioniMatch& o) {
    if (o.avversario == kNomeAvversarioEsterno) return !o.comandoAvversario.empty();
    for (const VoceAvversario& v : Avversari())
        if (v.nome == o.avversario) return true;
    return false;
}

std::unique_ptr<Giocatore> CreaAvversario(const std::string& nome, std::uint64_t seme, const OpzioniMatch& opzioni) {
    for (const VoceAvversario& v : Avversari())
        if (v.nome == nome) return v.crea(seme, opzioni);
    return nullptr;
}

// Its level comes from option 12, which --level sets.
std::unique_ptr<Giocatore> CreaGiocatorePC(const OpzioniMatch&, FonteCasuale& caso) { return std::make_unique<GiocatoreVelto>(caso); }

}  // namespace mrvelto::sim
