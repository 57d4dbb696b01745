#include "sim/Avversari.h"

#include "player/GiocatorePCProvvisorio.h"

namespace mrvelto::sim {

const std::vector<VoceAvversario>& Avversari() {
    static const std::vector<VoceAvversario> voci = {
        {"random", "a uniformly random legal hand card",
         [](std::uint64_t seme, const OpzioniMatch&) -> std::unique_ptr<AvversarioUmano> {
             return std::make_unique<AvversarioCasuale>(seme);
         }},
    };
    return voci;
}

std::unique_ptr<AvversarioUmano> CreaAvversario(const std::string& nome, std::uint64_t seme, const OpzioniMatch& opzioni) {
    for (const VoceAvversario& v : Avversari())
        if (v.nome == nome) return v.crea(seme, opzioni);
    return nullptr;
}

std::unique_ptr<GiocatorePC> CreaGiocatorePC(const OpzioniMatch&) { return std::make_unique<GiocatorePCProvvisorio>(); }

}  // namespace mrvelto::sim
