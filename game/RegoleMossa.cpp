// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RegoleMossa.h"

#include "game/Procedure.h"

namespace mrvelto {

void GiocaCarta(StatoGioco& s, Chi chi, int slot) {
    (chi == Chi::H ? s.NumeroCartaGiocataDaH : s.NumeroCartaGiocataDaPC) = slot;
    s.UltimaCartaGiocata = s.Carta[slot].Valore();
    if (s.NumeroCarteRimaste < 1) --s.NumeroCarteRimaste;
    s.CartaGiocata = {s.Carta[slot], chi};
    RegistraCartaGiocata(s);
}

bool UmanoPuoGiocare(const StatoGioco& s, int indice) {
    return s.NumeroCarteRimaste > -4 && indice >= 4 && indice <= 6 && s.GiocoInCorso && s.PuoiGiocare && s.AChiTocca == Chi::H &&
           !s.Carta[indice].Vuota();
}

int UltimaCartaDelPC(const StatoGioco& s) {
    for (int k = 1; k <= 3; ++k)
        if (!s.Carta[k].Vuota()) return k;
    return 0;
}

bool SegnaSbirciata(StatoGioco& s, const Opzioni& o) {
    if (!o.MostraCartePC()) return false;
    const bool prima = !s.Sbirciata;
    s.Sbirciata = true;
    return prima;
}

}  // namespace mrvelto
