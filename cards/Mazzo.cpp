// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/Mazzo.h"

#include <algorithm>

#include "cards/Carta.h"

namespace mrvelto {

Mazzo::Mazzo() {
    for (int i = 1; i <= 40; ++i) CarteGiocate[i].testo = MazzoOrdinato()[i];
}

int MescolaCarte(Mazzo& mazzo, FonteCasuale& caso) {
    int tentativi = 0;
    // One reading of the clock for the whole loop: it runs within one instant of the game.
    const OraMinSec ora = caso.Ora();
    for (;;) {
        ++tentativi;
        const int indice = IndiceCasuale(40, caso.Uniforme(), ora);
        VoceMazzo& voce = mazzo.CarteGiocate[indice];
        if (voce.colore != colore::Bianco) continue;
        voce.colore = colore::RosaPiazzata;
        mazzo.CartaDaEstrarre[mazzo.NumeroCartaAnalizzata].testo = voce.testo;
        if (mazzo.NumeroCartaAnalizzata < 40) {
            ++mazzo.NumeroCartaAnalizzata;
            continue;
        }
        mazzo.NumeroCartaAnalizzata = 1;
        for (VoceMazzo& v : mazzo.CarteGiocate) v.colore = colore::Bianco;
        return tentativi;
    }
}

int EstraiACasoUnaCarta(Mazzo& mazzo, SlotCarte& slot, int ContatoreCarteEstratte, FonteCasuale& caso) {
    const bool restaQualcosa =
        std::any_of(mazzo.CartaDaEstrarre.begin(), mazzo.CartaDaEstrarre.end(), [](const VoceMazzo& v) { return v.colore != colore::Rosso; });
    if (!restaQualcosa) return 0;  // a draw from an empty deck would never end
    int tentativi = 0;
    const OraMinSec ora = caso.Ora();
    for (;;) {
        ++tentativi;
        const int indice = IndiceCasuale(40, caso.Uniforme(), ora);
        VoceMazzo& voce = mazzo.CartaDaEstrarre[indice];
        if (voce.colore == colore::Rosso) continue;
        slot.Metti(ContatoreCarteEstratte, voce.testo);
        voce.colore = colore::Rosso;
        return tentativi;
    }
}

}  // namespace mrvelto
