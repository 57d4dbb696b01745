// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/FiltroSessantaPunti.h"

namespace mrvelto {

namespace {
bool Umano(const CasellaI& c) { return c.segno == Segno::VinceUmano; }
bool Nostra(const CasellaI& c) { return c.segno == Segno::Nessuno; }
}  // namespace

void FiltroSessantaPuntiIniziaPC(TabellePC& tab) {
    if (tab.CartaPCDaGiocare < 1 || tab.CartaPCDaGiocare > 3) return;  // nothing chosen to test
    tab.CartaPCDaGiocare2 = tab.CartaPCDaGiocare;
    for (int k = 1; k <= 9; ++k)
        if (Umano(tab.TotaliNormali[k]) && tab.TotaliNormali[k].Valore() > 60) tab.TotaliPotenziali[(k - 1) / 3 + 1].segno = Segno::Pericolo60;
    int pericolose = 0;
    for (int c = 1; c <= 3; ++c) pericolose += tab.TotaliPotenziali[c].segno == Segno::Pericolo60;
    if (pericolose == 3) {  // every card loses
        tab.Filtro60Punti = true;
        return;
    }
    for (int r = 0; r <= 6; r += 3) {
        int vincenti = 0;
        for (int k = r + 1; k <= r + 3; ++k) vincenti += Nostra(tab.TotaliNormali[k]) && tab.TotaliNormali[k].Valore() > 60;
        if (vincenti == 3) {
            tab.CartaPCDaGiocare = r / 3 + 1;
            tab.Filtro60Punti = true;
        }
    }
    if (tab.TotaliPotenziali[tab.CartaPCDaGiocare].segno == Segno::Pericolo60) {
        for (int c = 1; c <= 3; ++c)
            if (tab.TotaliPotenziali[c].segno == Segno::Nessuno) {
                tab.CartaPCDaGiocare = c;
                break;
            }
    }
}

void FiltroSessantaPuntiRispondePC(TabellePC& tab) {
    if (tab.CartaPCDaGiocare < 1 || tab.CartaPCDaGiocare > 3) return;
    if (tab.TotaliNormali[tab.CartaPCDaGiocare].Valore() >= 61) {
        tab.Filtro60Punti = true;
    } else {
        for (int c = 1; c <= 3; ++c)
            if (Nostra(tab.TotaliNormali[c]) && tab.TotaliNormali[c].Valore() > 60) {
                tab.CartaPCDaGiocare = c;
                tab.Filtro60Punti = true;
                break;
            }
    }
    int pericolose = 0;
    for (int c = 1; c <= 3; ++c)
        if (Umano(tab.TotaliNormali[c]) && tab.TotaliNormali[c].Valore() > 60) {
            tab.TotaliPotenziali[c].segno = Segno::Pericolo60;
            ++pericolose;
        }
    if (pericolose == 3) {
        tab.Filtro60Punti = true;
    } else if (tab.TotaliPotenziali[tab.CartaPCDaGiocare].segno == Segno::Pericolo60) {
        for (int c = 1; c <= 3; ++c)
            if (tab.TotaliPotenziali[c].segno == Segno::Nessuno) tab.CartaPCDaGiocare = c;
    }
}

}  // namespace mrvelto
