// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/GruppiCommenti.h"

#include <cstdio>

namespace mrvelto {

int PuntiInGioco(int valorePC, int valoreH) {
    auto conta = [](int v) { return v < 8 ? 0 : v; };
    return (conta(valorePC) + conta(valoreH)) / 4;
}

GruppoCommento GruppoDellaPresa(const StatoGioco& s) {
    const int pc = s.NumeroCartaGiocataDaPC, h = s.NumeroCartaGiocataDaH;
    const char briscola = s.SemeBriscola();
    const bool pcB = s.Carta[pc].Seme() == briscola, hB = s.Carta[h].Seme() == briscola;
    const int vPC = s.Carta[pc].Valore(), vH = s.Carta[h].Valore();
    const bool pcGuida = s.TurnoDiGioco == Chi::PC;
    const int P = PuntiInGioco(vPC, vH);
    using namespace gruppo;
    if (pcB) {
        if (hB && vH > vPC) return pcGuida ? k1pBriscolaSuperata : k2pBriscolaSuperata;
        if (pcGuida) return k1vBriscola;
        return P >= 12 ? k2vC : k2vD;
    }
    if (hB) return pcGuida ? k1pTagliata : k2pTagliata;
    if (s.Carta[pc].Seme() != s.Carta[h].Seme()) return pcGuida ? k1vAltroSeme : k2pAltroSeme;
    if (vPC > vH) {
        if (pcGuida) return k1vSuperiore;
        return P < 8 ? k2vB : k2vA;
    }
    return pcGuida ? k1pSuperata : k2pInferiore;
}

int Specchio(int estratto, int n) {
    const int m = (estratto - 1) % (2 * n);
    return m < n ? m + 1 : 2 * n - m;
}

std::string ClipDelGruppo(const GruppoCommento& g, int estratto, char seme) {
    int numero;
    if (g.semi) {
        // Ten draws over six targets: the four general clips, then the suit's two.
        static constexpr int kBersagli[10] = {1, 2, 3, 4, 5, 6, 4, 3, 2, 1};
        const int b = kBersagli[(estratto - 1) % 10];
        if (b <= 4) {
            numero = g.primo + b - 1;
        } else {
            int blocco = 0;  // 2v21-22 denari, 23-24 spade, 25-26 coppe, 27-28 bastoni
            switch (seme) {
                case 's': blocco = 1; break;
                case 'c': blocco = 2; break;
                case 'b': blocco = 3; break;
                default: blocco = 0; break;
            }
            numero = 21 + 2 * blocco + (b - 5);
        }
    } else {
        numero = g.primo + Specchio(estratto, g.clip) - 1;
    }
    char numero2[8];
    std::snprintf(numero2, sizeof numero2, "%02d", numero);
    const std::string cartella(g.cartella);
    return "Commenti/" + cartella + "/" + cartella + numero2 + ".wav";
}

}  // namespace mrvelto
