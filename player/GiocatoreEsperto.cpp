// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/GiocatoreEsperto.h"

#include "game/VistaGiocatore.h"
#include "player/GiocoAperto.h"

namespace mrvelto {

int GiocatoreEsperto::Scegli(const VistaGiocatore& vista) {
    const ValutazioneMosse v = ValutaMosse(vista, campioni_, caso_.Prossimo());
    const int primo = vista.posto == Chi::PC ? 1 : 4;
    if (const StimaCarta* m = v.Migliore()) return primo + m->indice;
    for (int i = 0; i < 3; ++i)
        if (vista.mano[static_cast<std::size_t>(i)]) return primo + i;
    return 0;
}

}  // namespace mrvelto
