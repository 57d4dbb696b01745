// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/VistaGiocatore.h"


namespace mrvelto {

VistaGiocatore VistaDi(const StatoGioco& s, Chi posto, bool privilegio) {
    VistaGiocatore v;
    v.posto = posto;
    const int mio = posto == Chi::PC ? 1 : 4, suo = posto == Chi::PC ? 4 : 1;
    for (int i = 0; i < 3; ++i) v.mano[static_cast<std::size_t>(i)] = s.Carta[mio + i];
    v.briscola = s.Carta[kSlotBriscola];
    v.semeBriscola = s.SemeBriscola();
    v.giocate = s.Giocate;
    const int giocataAvversario = posto == Chi::PC ? s.NumeroCartaGiocataDaH : s.NumeroCartaGiocataDaPC;
    if (s.TurnoDiGioco != posto && giocataAvversario >= suo && giocataAvversario < suo + 3) {
        v.inTavola = s.Carta[giocataAvversario];
        v.giocate.Aggiungi(v.inTavola);
    }
    // Its own card already on the table is no longer in its hand.
    const int giocataPropria = posto == Chi::PC ? s.NumeroCartaGiocataDaPC : s.NumeroCartaGiocataDaH;
    if (giocataPropria >= mio && giocataPropria < mio + 3) {
        v.giocate.Aggiungi(v.mano[static_cast<std::size_t>(giocataPropria - mio)]);
        v.mano[static_cast<std::size_t>(giocataPropria - mio)] = CartaDaGioco{};
    }
    v.puntiPropri = posto == Chi::PC ? s.PuntiPC : s.PuntiH;
    v.puntiAvversario = posto == Chi::PC ? s.PuntiH : s.PuntiPC;
    v.NumeroCarteRimaste = s.NumeroCarteRimaste;
    v.TurnoDiGioco = s.TurnoDiGioco;
    if (privilegio) {
        std::array<CartaDaGioco, 3> altra{};
        for (int i = 0; i < 3; ++i) altra[static_cast<std::size_t>(i)] = s.Carta[suo + i];
        if (giocataAvversario >= suo && giocataAvversario < suo + 3) altra[static_cast<std::size_t>(giocataAvversario - suo)] = CartaDaGioco{};
        v.manoAvversario = altra;
    }
    return v;
}

}  // namespace mrvelto
