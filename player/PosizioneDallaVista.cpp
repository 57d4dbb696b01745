// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/PosizioneDallaVista.h"

namespace mrvelto {

void PosizioneDallaVista(const VistaGiocatore& v, StatoGioco& p) {
    std::array<CartaDaGioco, 3> altra{};
    int giocata = -1;  // the other side's slot (0..2) of its card on the table, -1 for none
    if (v.manoAvversario) {
        altra = *v.manoAvversario;
        // Its card on the table has left the slot that the privilege shows empty.
        if (v.inTavola)
            for (int i = 0; i < 3 && giocata < 0; ++i)
                if (!altra[static_cast<std::size_t>(i)]) giocata = i;
    } else if (v.inTavola) {
        giocata = 0;
    }
    if (giocata >= 0) altra[static_cast<std::size_t>(giocata)] = v.inTavola;
    if (!v.manoAvversario) {
        // The cards the seat cannot place: the other hand once the stock is out (without the
        // privilege and with the stock still there, the first of them stand in for it).
        InsiemeCarte nascoste = v.Nascoste();
        if (v.BriscolaAllAvversario()) nascoste.Aggiungi(v.briscola);
        const int carte = v.NumeroCarteRimaste > 0 ? 3 : v.NumeroCarteRimaste >= -1 ? 3 : v.NumeroCarteRimaste >= -3 ? 2 : 1;
        std::size_t i = 0;
        nascoste.PerOgni([&](CartaDaGioco c) {
            while (i < 3 && altra[i]) ++i;
            if (i < 3 && static_cast<int>(i) < carte) altra[i++] = c;
        });
    }
    for (int i = 0; i < 3; ++i) {
        p.Carta[i + 1] = v.mano[static_cast<std::size_t>(i)];
        p.Carta[i + 4] = altra[static_cast<std::size_t>(i)];
    }
    p.Carta[kSlotBriscola] = v.briscola;
    p.Carta[kSlotMazzo] = CartaDaGioco{};
    p.SemeSenzaCarta = v.SemeBriscola();
    p.NumeroCarteRimaste = v.NumeroCarteRimaste;
    p.TurnoDiGioco = v.Inizia() ? Chi::PC : Chi::H;
    p.AChiTocca = Chi::PC;
    p.NumeroCartaGiocataDaH = giocata >= 0 ? giocata + 4 : 0;
    p.NumeroCartaGiocataDaPC = 0;
    p.PuntiPC = v.puntiPropri;
    p.PuntiH = v.puntiAvversario;
}

}  // namespace mrvelto
