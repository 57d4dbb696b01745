// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Presentazione.h"

namespace mrvelto {

Presentazione::Presentazione() {
    for (int k = 1; k <= 8; ++k) {
        Slot[k].Sposta(PosizioneDiManoDelloSlot(k));
        Slot[k].riempimento = k == 8 ? ColoreRetro : colore::Bianco;
    }
    NomeH = {"", true, false, true};
    NomePC = {"Mr. VELTO A", true, false, true};
    PuntiH = {"0", true, false, true};
    PuntiPC = {"0", true, false, true};
    PuntiHScritta = {"Punti", true, false, true};
    PuntiPCScritta = {"Punti", true, false, true};
    CarteRimaste = {"34", false, false, true};
    CarteRimasteScritta = {"Carte rimaste:", false, false, true};
    cmdEffettuaLaPresa = {"Prendi", false, false, true};
    PallinoH.fill(false);
    PallinoPC.fill(false);
    IstruzioneIniziale = {"Per giocare una carta clicca su di essa", true, false, true};
}

}  // namespace mrvelto
