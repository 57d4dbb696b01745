// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/Mazzo.h"

#include <algorithm>

namespace mrvelto {

int MescolaCarte(Mazzo& mazzo, FonteCasuale& caso) {
    InsiemeCarte piazzate;
    int tentativi = 0;
    // One reading of the clock for the whole loop: it runs within one instant of the game.
    const OraMinSec ora = caso.Ora();
    for (;;) {
        ++tentativi;
        const CartaDaGioco carta = CartaDaGioco::DaPosizione(IndiceCasuale(40, caso.Uniforme(), ora));
        if (piazzate.Contiene(carta)) continue;
        piazzate.Aggiungi(carta);
        mazzo.CartaDaEstrarre[mazzo.NumeroCartaAnalizzata] = carta;
        if (mazzo.NumeroCartaAnalizzata < 40) {
            ++mazzo.NumeroCartaAnalizzata;
            continue;
        }
        mazzo.NumeroCartaAnalizzata = 1;
        return tentativi;
    }
}

int EstraiACasoUnaCarta(Mazzo& mazzo, SlotCarte& slot, int ContatoreCarteEstratte, FonteCasuale& caso) {
    const bool restaQualcosa = std::any_of(mazzo.CartaDaEstrarre.begin(), mazzo.CartaDaEstrarre.end(),
                                           [&](CartaDaGioco c) { return c && !mazzo.Estratte.Contiene(c); });
    if (!restaQualcosa) return 0;  // a draw from an empty deck would never end
    int tentativi = 0;
    const OraMinSec ora = caso.Ora();
    for (;;) {
        ++tentativi;
        const CartaDaGioco carta = mazzo.CartaDaEstrarre[IndiceCasuale(40, caso.Uniforme(), ora)];
        if (!carta || mazzo.Estratte.Contiene(carta)) continue;
        slot.Metti(ContatoreCarteEstratte, carta);
        mazzo.Estratte.Aggiungi(carta);
        return tentativi;
    }
}

}  // namespace mrvelto
