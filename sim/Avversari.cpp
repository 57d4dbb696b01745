// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Avversari.h"

#include "player/GiocatoriDiRiferimento.h"
#include "sim/AvversarioEsterno.h"

namespace mrvelto::sim {

namespace {

auto Crea(const char* nome) {
    return [nome](char livello, std::uint64_t seme, FonteCasuale* casoPC) { return CreaGiocatore(nome, livello, seme, casoPC); };
}

}  // namespace

const std::vector<VoceAvversario>& Avversari() {
    static const std::vector<VoceAvversario> voci = {
        {"random", "una carta ammessa della mano, a caso con uguale probabilità", Crea("random")},
        {"greedy", "prende una presa che vale punti con la carta vincente meno cara, altrimenti scarta la più bassa", Crea("greedy")},
        {"esperto", "la carta migliore secondo l'analisi, da ciò che vede il proprio posto (non sbircia la mano avversaria)",
         Crea("esperto")},
        {"velto", "Mr. VELTO stesso: al livello --level con --pc, al livello --opponent-level con --opponent", Crea("velto")},
    };
    return voci;
}

bool GiocatoreRegistrato(const std::string& nome) {
    for (const VoceAvversario& v : Avversari())
        if (v.nome == nome) return true;
    return false;
}

bool AvversarioNoto(const OpzioniMatch& o) {
    if (o.avversario == kNomeAvversarioEsterno) return !o.comandoAvversario.empty();
    return GiocatoreRegistrato(o.avversario);
}

std::unique_ptr<Giocatore> CreaGiocatoreAlPosto(const std::string& nome, char livello, Chi posto, std::uint64_t seme,
                                                FonteCasuale& casoPC) {
    for (const VoceAvversario& v : Avversari())
        if (v.nome == nome) return v.crea(livello, seme, posto == Chi::PC ? &casoPC : nullptr);
    return nullptr;
}

}  // namespace mrvelto::sim
