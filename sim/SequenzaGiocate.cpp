#include "sim/SequenzaGiocate.h"

namespace mrvelto::sim {

namespace {

Chi ChiHaGiocato(const VoceMazzo& v) {
    if (v.colore == colore::RosaUmano) return Chi::H;
    if (v.colore == colore::Rosso) return Chi::PC;
    return Chi::Nessuno;
}

Chi Altro(Chi c) { return c == Chi::H ? Chi::PC : Chi::H; }

}  // namespace

void SequenzaGiocate::Azzera() {
    giocate_.clear();
    vista_.fill(false);
    diMano_ = Chi::Nessuno;
    briscola_ = '\0';
}

void SequenzaGiocate::Aggiungi(const std::string& carta, Chi chi) {
    giocate_.push_back({carta, chi});
    vista_[static_cast<std::size_t>(PosizioneNelMazzo(carta))] = true;
    if (giocate_.size() % 2 != 0) return;
    // A trick is complete: its winner leads the next one.
    const Giocata& a = giocate_[giocate_.size() - 2];
    const Giocata& b = giocate_.back();
    const Giocata& pc = a.chi == Chi::PC ? a : b;
    const Giocata& h = a.chi == Chi::PC ? b : a;
    diMano_ = DecidiPresa(a.chi, SemeDiCarta(pc.carta), ValoreDiCarta(pc.carta), SemeDiCarta(h.carta), ValoreDiCarta(h.carta),
                          briscola_)
                  .vincitore;
}

void SequenzaGiocate::Aggiorna(const StatoGioco& s) {
    for (const Giocata& g : giocate_)
        if (ChiHaGiocato(s.CarteGiocate[PosizioneNelMazzo(g.carta)]) != g.chi) {
            Azzera();
            break;
        }
    std::vector<std::string> nuove[2];  // [0] the human's, [1] the computer's, in deck order
    for (int n = 1; n <= 40; ++n) {
        const Chi chi = ChiHaGiocato(s.CarteGiocate[n]);
        if (chi != Chi::Nessuno && !vista_[static_cast<std::size_t>(n)]) nuove[chi == Chi::PC].push_back(s.CarteGiocate[n].testo);
    }
    if (nuove[0].empty() && nuove[1].empty()) return;
    if (giocate_.empty()) {
        diMano_ = s.GiocoIniziatoDa;
        briscola_ = s.SemeBriscola();
    }
    while (!nuove[0].empty() || !nuove[1].empty()) {
        Chi chi = giocate_.size() % 2 == 0 ? diMano_ : Altro(diMano_);
        if (nuove[chi == Chi::PC].empty()) chi = Altro(chi);  // cannot happen in a sound flow; keep the card anyway
        auto& lista = nuove[chi == Chi::PC];
        // Two new cards of one side: the one just played (CartaGiocata) is the later.
        auto scelta = lista.begin();
        if (lista.size() > 1 && *scelta == s.CartaGiocata.testo) ++scelta;
        Aggiungi(*scelta, chi);
        lista.erase(scelta);
    }
}

}  // namespace mrvelto::sim
