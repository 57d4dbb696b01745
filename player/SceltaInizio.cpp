// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/SceltaInizio.h"

#include "player/FiltroSessantaPunti.h"

namespace mrvelto {

namespace {

int Riga(int k) { return (k - 1) / 3 + 1; }

// The entry of row r with the given mark (each row has one of each after the marking).
CasellaF& DellaRiga(TabellePC& tab, int r, Segno segno) {
    for (int k = 3 * r - 2; k <= 3 * r; ++k)
        if (tab.Convenienza[k].segno == segno) return tab.Convenienza[k];
    return tab.Convenienza[3 * r];
}

}  // namespace

void ValoreAggiuntivoIniziaPC(const StatoGioco& stato, TabellePC& tab) {
    auto& conv = tab.Convenienza;
    // Lowest of each row: the human's best reply.
    for (int r = 1; r <= 3; ++r) {
        float minimo = 100;
        for (int k = 3 * r - 2; k <= 3 * r; ++k)
            if (conv[k].Valore() < minimo && conv[k].segno == Segno::Nessuno) {
                for (int q = 3 * r - 2; q <= 3 * r; ++q) conv[q].segno = Segno::Nessuno;
                conv[k].segno = Segno::Minimo;
                minimo = conv[k].Valore();
            }
    }
    // Second-lowest of each row; the one left white is the highest.
    for (int r = 1; r <= 3; ++r) {
        float minimo = 100;
        for (int k = 3 * r - 2; k <= 3 * r; ++k)
            if (conv[k].Valore() < minimo && conv[k].segno == Segno::Nessuno) {
                for (int q = 3 * r - 2; q <= 3 * r; ++q)
                    if (conv[q].segno != Segno::Minimo) conv[q].segno = Segno::Nessuno;
                conv[k].segno = Segno::SecondoMinimo;
                minimo = conv[k].Valore();
            }
    }

    // First level: the best worst case.
    tab.ContatoreRisposteMultiple = 1;
    float massimo = -100;
    for (int k = 1; k <= 9; ++k) {
        if (conv[k].segno != Segno::Minimo) continue;
        if (conv[k].Valore() > massimo) {
            massimo = conv[k].Valore();
            tab.ValorePiuAlto = massimo;
            tab.ContatoreRisposteMultiple = 1;
        } else if (conv[k].Valore() == massimo) {
            ++tab.ContatoreRisposteMultiple;
        }
    }
    for (int k = 1; k <= 9; ++k)
        if (conv[k].segno == Segno::Minimo && conv[k].Valore() == tab.ValorePiuAlto) conv[k].spunta = Spunta::AlPari;

    if (tab.ContatoreRisposteMultiple == 1) {
        for (int k = 1; k <= 9; ++k)
            if (conv[k].segno == Segno::Minimo && conv[k].Valore() == tab.ValorePiuAlto) tab.CartaPCDaGiocare = Riga(k);
    } else {
        // Second level: the second-worst case of the tied rows.
        tab.ContatoreRisposteMultiple = 1;
        massimo = -100;
        for (int k = 1; k <= 9; ++k) {
            if (conv[k].segno != Segno::Minimo || conv[k].spunta != Spunta::AlPari) continue;
            const float v = DellaRiga(tab, Riga(k), Segno::SecondoMinimo).Valore();
            if (v > massimo) {
                massimo = v;
                tab.ValorePiuAlto = v;
                tab.CartaPCDaGiocare = Riga(k);
                tab.ContatoreRisposteMultiple = 1;
            } else if (v == massimo) {
                ++tab.ContatoreRisposteMultiple;
            }
        }
        // Any row's second-lowest equal to the best is marked, tied at the first level or not.
        for (int k = 1; k <= 9; ++k)
            if (conv[k].segno == Segno::SecondoMinimo && conv[k].Valore() == tab.ValorePiuAlto) conv[k].spunta = Spunta::AlPari;

        if (tab.ContatoreRisposteMultiple > 1) {
            // Third level: the best case of the rows marked at the second.
            tab.ContatoreRisposteMultiple = 1;
            massimo = -100;
            for (int k = 1; k <= 9; ++k) {
                if (conv[k].segno != Segno::SecondoMinimo || conv[k].spunta != Spunta::AlPari) continue;
                const float v = DellaRiga(tab, Riga(k), Segno::Nessuno).Valore();
                if (v > massimo) {
                    massimo = v;
                    tab.ValorePiuAlto = v;
                    tab.CartaPCDaGiocare = Riga(k);
                } else if (v == massimo) {
                    ++tab.ContatoreRisposteMultiple;
                    tab.PariMeritoInizio = true;
                }
            }
            if (tab.PariMeritoInizio) {
                int limite = 50;
                for (int k = 1; k <= 9; ++k)
                    if (conv[k].segno == Segno::Nessuno && conv[k].Valore() == tab.ValorePiuAlto && stato.Carta[Riga(k)].Valore() < limite) {
                        limite = stato.Carta[Riga(k)].Valore();
                        tab.CartaPCDaGiocare = Riga(k);
                    }
            }
        }
    }
    tab.ContatoreRisposteMultiple = 1;
    if (!tab.Filtro60Punti) FiltroSessantaPuntiIniziaPC(tab);
    tab.PariMeritoInizio = false;
}

}  // namespace mrvelto
