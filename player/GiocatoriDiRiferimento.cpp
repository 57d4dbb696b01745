// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/GiocatoriDiRiferimento.h"

#include <tuple>

#include "player/GiocatoreEsperto.h"
#include "player/GiocatoreVelto.h"

namespace mrvelto {

namespace {

int Primo(Chi posto) { return posto == Chi::PC ? 1 : 4; }

}  // namespace

int GiocatoreCasuale::Scegli(const VistaGiocatore& v) {
    int slot[3], n = 0;
    for (int i = 0; i < 3; ++i)
        if (v.mano[static_cast<std::size_t>(i)]) slot[n++] = Primo(v.posto) + i;
    if (n == 0) return 0;
    std::uniform_int_distribution<int> d(0, n - 1);
    return slot[d(gen_)];
}

int GiocatoreGoloso::Scegli(const VistaGiocatore& v) {
    const char briscola = v.SemeBriscola();
    auto carta = [&](int i) { return v.mano[static_cast<std::size_t>(i)]; };
    auto costo = [&](int i) { return std::make_tuple(carta(i).Seme() == briscola, carta(i).Punti(), carta(i).Valore()); };
    auto piuBassa = [&](auto ammessa) {
        int scelta = -1;
        for (int i = 0; i < 3; ++i)
            if (carta(i) && ammessa(carta(i)) && (scelta < 0 || costo(i) < costo(scelta))) scelta = i;
        return scelta;
    };
    const CartaDaGioco t = v.inTavola;
    if (t && t.Punti() > 0) {
        const Chi altro = Avversario(v.posto);
        const int vincente = piuBassa([&](CartaDaGioco c) {
            const CartaDaGioco pc = v.posto == Chi::PC ? c : t, h = v.posto == Chi::PC ? t : c;
            return DecidiPresa(altro, pc, h, briscola).vincitore == v.posto;
        });
        if (vincente >= 0) return Primo(v.posto) + vincente;
    }
    const int i = piuBassa([](CartaDaGioco) { return true; });
    return i < 0 ? 0 : Primo(v.posto) + i;
}

int GiocatorePrimaCarta::Scegli(const VistaGiocatore& v) {
    for (int i = 0; i < 3; ++i)
        if (v.mano[static_cast<std::size_t>(i)]) return Primo(v.posto) + i;
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
