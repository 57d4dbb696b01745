// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RiparaRecord.h"

#include <regex>

#include "records/AggiornaClassifica.h"

namespace mrvelto {

namespace {

int Intero(const std::csub_match& m) { return m.length() > 9 ? -1 : std::stoi(m.str()); }

int PartiteInClassifica(const Record& r) {
    int n = 0;
    for (int k = 1; k <= kLivelli; ++k) n += r.VittoriePCVariLivelli[k] + r.SconfittePCVariLivelli[k];
    return n;
}

}  // namespace

std::optional<EsitoPartita> EsitoDaVoce(std::string_view voce, int* numero) {
    static const std::regex pc(R"(^(\d+)\)  Mr\. VELTO ([A-E]) - (.*?)( \*)?    (\d+)-(\d+)   (\d+)/(\d+)/(\d+)  (\d+):(\d\d)$)");
    static const std::regex umano(R"(^(\d+)\)  (.*?)( \*)? - Mr\. VELTO ([A-E])    (\d+)-(\d+)   (\d+)/(\d+)/(\d+)  (\d+):(\d\d)$)");
    std::cmatch m;
    EsitoPartita e;
    if (std::regex_match(voce.data(), voce.data() + voce.size(), m, pc)) {
        e.vincitore = Chi::PC;
        e.letteraLivello = m[2].str()[0];
        e.nomeH = m[3].str();
        e.Sbirciata = m[4].matched;
        e.PartitePC = Intero(m[5]);
        e.PartiteH = Intero(m[6]);
    } else if (std::regex_match(voce.data(), voce.data() + voce.size(), m, umano)) {
        e.vincitore = Chi::H;
        e.nomeH = m[2].str();
        e.Sbirciata = m[3].matched;
        e.letteraLivello = m[4].str()[0];
        e.PartiteH = Intero(m[5]);
        e.PartitePC = Intero(m[6]);
    } else {
        return std::nullopt;
    }
    e.NomeVincitorePartita = e.vincitore == Chi::PC ? std::string(kNomeMrVelto) : e.nomeH;
    e.quando = {Intero(m[7]), Intero(m[8]), 2000 + Intero(m[9]), Intero(m[10]), Intero(m[11]), 0};
    if (numero) *numero = Intero(m[1]);
    return e;
}

RiparazioneClassifica RiparaClassifica(Record& r, bool classificaUsabile) {
    // An empty log (new, or just set aside and said so) has nothing to weigh the ranking against.
    const int voci = r.VociAlbo();
    int ultima = 0;
    if (voci == 0 || !EsitoDaVoce(r.LstAlbo[static_cast<std::size_t>(voci - 1)], &ultima)) return {};
    const int inClassifica = PartiteInClassifica(r);
    if (inClassifica == ultima) return {};
    const std::string nome(kFileClassifica.substr(kFileClassifica.rfind('\\') + 1));
    int prima = 0;
    bool completo = EsitoDaVoce(r.LstAlbo[0], &prima) && prima == 1 && ultima == voci;
    if (classificaUsabile) {
        // Only said, never rebuilt over a ranking: the ends of the log tell whether it is whole.
        std::string t = "La classifica (" + nome + ") conta " + std::to_string(inClassifica) + " partite, l'albo d'oro " +
                        std::to_string(ultima) + ": non è possibile sapere quali partite manchino all'uno o all'altra, quindi sono "
                        "stati lasciati come sono.";
        if (completo)
            t += " Per ricostruire la classifica dalle " + std::to_string(voci) + " partite dell'albo, togli il file " + nome +
                 " dalla cartella dei dati prima del prossimo avvio.";
        return {false, t};
    }
    Record nuovo;
    for (int i = 0; i < voci && completo; ++i) {
        int numero = 0;
        const auto e = EsitoDaVoce(r.LstAlbo[static_cast<std::size_t>(i)], &numero);
        completo = e && numero == i + 1;
        if (completo) {
            AggiornaClassifica(nuovo, *e);
            nuovo.TotalePartite = i + 1;
        }
    }
    if (completo) {
        r.Classifica = nuovo.Classifica;
        r.VittoriePCVariLivelli = nuovo.VittoriePCVariLivelli;
        r.SconfittePCVariLivelli = nuovo.SconfittePCVariLivelli;
        return {true, "La classifica e i risultati di Mr. VELTO per livello sono stati ricostruiti dalle " + std::to_string(voci) +
                          " partite dell'albo d'oro."};
    }
    return {};  // the message about the missing or damaged ranking says it all
}

}  // namespace mrvelto
