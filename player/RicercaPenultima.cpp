// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/RicercaPenultima.h"

#include "player/RicercaTerzultima.h"

namespace mrvelto {

namespace {

// Writes the remaining hand slots of [primo, primo+2], lower first, into entries e and e+1.
void Rimaste(const StatoGioco& stato, TabellePC& tab, int primo, int e) {
    int voce = e;
    for (int s = primo; s < primo + 3 && voce <= e + 1; ++s)
        if (!stato.Carta[s].Vuota()) tab.SecondoLivello[voce++].valore = s;
}

int Slot(const TabellePC& tab, int e) { return tab.SecondoLivello[e].Valore(); }

// Entry n, n+12 and n+24: this trick, the forced last one, and both.
void Combinazione(const StatoGioco& stato, TabellePC& tab, int n, Chi leader, int pc, int h, int altraPC, int altraH) {
    auto& sl = tab.SecondoLivello;
    Chi vincitore;
    sl[n].valore = ValoreDiPresa(stato, leader, pc, h, &vincitore);
    if (vincitore == Chi::H) sl[n].segno = Segno::VinceUmano;
    sl[n + 12].valore = ValoreDiPresa(stato, vincitore, altraPC, altraH);
    sl[n + 24].valore = sl[n].Valore() + sl[n + 12].Valore();
}

}  // namespace

void PenultimaGiocataIniziaPC(const StatoGioco& stato, TabellePC& tab) {
    auto& sl = tab.SecondoLivello;
    Rimaste(stato, tab, 1, 21);
    Rimaste(stato, tab, 4, 23);
    int n = 1;
    for (int a = 21; a <= 22; ++a)
        for (int b = 23; b <= 24; ++b, ++n)
            Combinazione(stato, tab, n, Chi::PC, Slot(tab, a), Slot(tab, b), Slot(tab, a == 21 ? 22 : 21), Slot(tab, b == 23 ? 24 : 23));
    // The human keeps the lower total against each card; a tie keeps the first.
    for (int z = 25; z <= 27; z += 2) sl[sl[z].Valore() > sl[z + 1].Valore() ? z + 1 : z].spunta = Spunta::TenutaDalSecondo;
    int x = 0, y = 0;
    bool primo = true;
    for (int z = 25; z <= 28; ++z) {
        if (sl[z].spunta != Spunta::TenutaDalSecondo) continue;
        (primo ? x : y) = sl[z].Valore();
        primo = false;
    }
    tab.CartaPCDaGiocare = x < y ? Slot(tab, 22) : Slot(tab, 21);
}

void PenultimaGiocataRispondePC(const StatoGioco& stato, TabellePC& tab) {
    auto& sl = tab.SecondoLivello;
    Rimaste(stato, tab, 4, 21);
    Rimaste(stato, tab, 1, 23);
    const int altraH = Slot(tab, 21) == stato.NumeroCartaGiocataDaH ? Slot(tab, 22) : Slot(tab, 21);
    for (int n = 1; n <= 2; ++n) {
        const int pc = Slot(tab, 22 + n);
        const int altraPC = Slot(tab, n == 1 ? 24 : 23);
        Combinazione(stato, tab, n, Chi::H, pc, stato.NumeroCartaGiocataDaH, altraPC, altraH);
    }
    tab.CartaPCDaGiocare = sl[25].Valore() < sl[26].Valore() ? Slot(tab, 24) : Slot(tab, 23);
}

}  // namespace mrvelto
