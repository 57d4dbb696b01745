// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/LivelliDiGioco.h"

namespace mrvelto {

int VariaTempoDiRisposta(FonteCasuale& caso) {
    const int r = IndiceCasuale(22, caso);
    if (r == 1) return 150;
    if (r <= 3) return 100;
    if (r <= 7) return 50;
    if (r <= 11) return -50;
    if (r <= 13) return -100;
    if (r == 14) return -150;
    return 0;
}

int SogliaLivello(char lettera) {
    switch (lettera) {
        case 'B': return 101;
        case 'C': return 97;
        case 'D': return 91;
        case 'E': return 81;
        default: return 121;
    }
}

bool ApplicaLivelloDiGioco(int NumeroCarteRimaste, TabellePC& tab, char lettera, FonteCasuale& caso) {
    if (lettera == 'A' || NumeroCarteRimaste <= 0) return false;
    const int r = IndiceCasuale(120, caso);
    if (r < SogliaLivello(lettera)) return false;
    ScegliCartaACaso(tab, caso);
    return true;
}

void ScegliCartaACaso(TabellePC& tab, FonteCasuale& caso) {
    const int r = IndiceCasuale(3, caso);
    tab.CartaPCDaGiocare2 = tab.CartaPCDaGiocare;
    tab.CartaPCDaGiocare = r;
    tab.SostituitaDalLivello = true;
}

}  // namespace mrvelto
