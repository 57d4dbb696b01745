// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/GiocatoriDiRiferimento.h"

#include <tuple>

#include "player/GiocatoreEsperto.h"
#include "player/GiocatoreVelto.h"

namespace mrvelto {

namespace {

int Primo(Chi posto) { return posto == Chi::PC ? 1 : 4; }

// The card of the other side on the table, 0 when `posto` leads.
int CartaInTavola(const StatoGioco& s, Chi posto) {
    if (s.TurnoDiGioco == posto) return 0;
    return posto == Chi::PC ? s.NumeroCartaGiocataDaH : s.NumeroCartaGiocataDaPC;
}

}  // namespace

int GiocatoreCasuale::Scegli(const StatoGioco& stato, Chi posto) {
    int slot[3], n = 0;
    for (int k = Primo(posto); k < Primo(posto) + 3; ++k)
        if (!stato.Carta[k].Vuota()) slot[n++] = k;
    if (n == 0) return 0;
    std::uniform_int_distribution<int> d(0, n - 1);
    return slot[d(gen_)];
}

int GiocatoreGoloso::Scegli(const StatoGioco& s, Chi posto) {
    const char briscola = s.SemeBriscola();
    auto costo = [&](int k) { return std::make_tuple(s.Carta[k].Seme() == briscola, PuntiDelValore(s.Carta[k].Valore()), s.Carta[k].Valore()); };
    auto piuBassa = [&](auto ammessa) {
        int scelta = 0;
        for (int k = Primo(posto); k < Primo(posto) + 3; ++k)
            if (!s.Carta[k].Vuota() && ammessa(k) && (scelta == 0 || costo(k) < costo(scelta))) scelta = k;
        return scelta;
    };
    const int t = CartaInTavola(s, posto);
    if (t != 0 && PuntiDelValore(s.Carta[t].Valore()) > 0) {
        const Chi altro = posto == Chi::PC ? Chi::H : Chi::PC;
        const int vincente = piuBassa([&](int k) {
            const int pc = posto == Chi::PC ? k : t, h = posto == Chi::PC ? t : k;
            return DecidiPresa(altro, s.Carta[pc], s.Carta[h], briscola).vincitore == posto;
        });
        if (vincente != 0) return vincente;
    }
    return piuBassa([](int) { return true; });
}

int GiocatorePrimaCarta::Scegli(const StatoGioco& stato, Chi posto) {
    for (int k = Primo(posto); k < Primo(posto) + 3; ++k)
        if (!stato.Carta[k].Vuota()) return k;
    return 0;
}

std::unique_ptr<Giocatore> CreaGiocatore(const std::string& nome, char livello, std::uint64_t seme, FonteCasuale* casoVelto) {
    if (nome == "random") return std::make_unique<GiocatoreCasuale>(seme);
    if (nome == "greedy") return std::make_unique<GiocatoreGoloso>();
    if (nome == "esperto") return std::make_unique<GiocatoreEsperto>(seme);
    if (nome == "velto") {
        if (casoVelto) return std::make_unique<GiocatoreVelto>(*casoVelto, livello);
        return std::make_unique<GiocatoreVelto>(seme, livello);
    }
    return nullptr;
}

}  // namespace mrvelto
