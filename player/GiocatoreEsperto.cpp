// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/GiocatoreEsperto.h"

#include "game/VistaGiocatore.h"
#include "player/GiocoAperto.h"

namespace mrvelto {

int GiocatoreEsperto::Scegli(const StatoGioco& stato, Chi posto) {
    const VistaGiocatore vista = VistaDi(stato, posto);
    const ValutazioneMosse v = ValutaMosse(vista, campioni_, caso_.Prossimo());
    const int primo = posto == Chi::PC ? 1 : 4;
    if (const StimaCarta* m = v.Migliore()) return primo + m->indice;
    for (int k = primo; k < primo + 3; ++k)
        if (stato.Carta[k]) return k;
    return 0;
}

}  // namespace mrvelto
