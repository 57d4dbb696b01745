// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/SceltaRisposta.h"

#include "player/FiltroSessantaPunti.h"

namespace mrvelto {

namespace {

bool Migliore(const TabellePC& tab, int c) { return tab.Convenienza[c].segno == Segno::Migliore; }
bool MiglioreNonBriscola(const TabellePC& tab, int c) { return Migliore(tab, c) && tab.Convenienza[c].spunta == Spunta::Nessuna; }

// Among the cards that `ammessa` accepts, the one with the lowest key; only a strictly lower key
// replaces the current one, so a tie goes to the lower slot.
template <class Ammessa, class Chiave>
int PiuBassa(int limite, Ammessa ammessa, Chiave chiave) {
    int scelta = 0;
    for (int c = 1; c <= 3; ++c)
        if (ammessa(c) && chiave(c) < limite) {
            limite = chiave(c);
            scelta = c;
        }
    return scelta;
}

int ScegliPerValoriAggiuntivi(const StatoGioco& stato, TabellePC& tab) {
    auto valore = [&](int c) { return stato.Carta[c].Valore(); };
    auto valAgg = [&](int c) { return tab.ValAgg[c].Valore(); };
    tab.TotaliValoriAggiuntivi = 0;
    for (const auto& v : tab.ValAgg) tab.TotaliValoriAggiuntivi += v.Piena();
    if (tab.TotaliValoriAggiuntivi == 0) return PiuBassa(50, [&](int c) { return MiglioreNonBriscola(tab, c); }, valore);

    tab.TotaliRossi = 0;
    for (const auto& v : tab.ValAgg) tab.TotaliRossi += v.segno == Segno::Superata;
    if (tab.TotaliRossi > 0)
        return PiuBassa(100, [&](int c) { return MiglioreNonBriscola(tab, c) && tab.ValAgg[c].segno == Segno::Superata; }, valAgg);

    tab.TotaliVerdi = 0;
    for (const auto& v : tab.ValAgg) tab.TotaliVerdi += v.segno == Segno::Supera;
    auto verde = [&](int c) { return MiglioreNonBriscola(tab, c) && tab.ValAgg[c].segno == Segno::Supera; };
    if (tab.ContatoreRisposteMultiple != tab.TotaliVerdi) {
        int scelta = 0;
        for (int c = 1; c <= 3; ++c)
            if (MiglioreNonBriscola(tab, c) && tab.ValAgg[c].segno == Segno::Nessuno) scelta = c;
        if (scelta != 0) return scelta;
        // A briscola among the best and every best non-briscola green: no white card to take.
        // Play the green one of least value, as when every best card is green.
    }
    return PiuBassa(100, verde, valAgg);
}

}  // namespace

void ValoreAggiuntivo(const StatoGioco& stato, TabellePC& tab) {
    tab.CartaPCDaGiocare = 0;
    float massimo = tab.Convenienza[1].Valore();
    tab.ValorePiuAlto = massimo;
    for (int c = 2; c <= 3; ++c) {
        const float v = tab.Convenienza[c].Valore();
        if (v > massimo) {
            massimo = v;
            tab.ValorePiuAlto = v;
            tab.ContatoreRisposteMultiple = 1;
        } else if (v == massimo) {
            ++tab.ContatoreRisposteMultiple;
        }
    }
    for (int c = 1; c <= 3; ++c)
        if (tab.Convenienza[c].Valore() == *tab.ValorePiuAlto) tab.Convenienza[c].segno = Segno::Migliore;
    const char briscola = stato.SemeBriscola();
    for (int c = 1; c <= 3; ++c)
        if (stato.Carta[c].Seme() == briscola) {
            tab.Convenienza[c].spunta = Spunta::Briscola;
            if (Migliore(tab, c)) ++tab.NumeroBriscole;
        }

    auto valore = [&](int c) { return stato.Carta[c].Valore(); };
    if (tab.ContatoreRisposteMultiple == 1) {
        for (int c = 1; c <= 3; ++c)
            if (Migliore(tab, c)) tab.CartaPCDaGiocare = c;
    } else if (tab.ContatoreRisposteMultiple == tab.NumeroBriscole) {
        tab.CartaPCDaGiocare = PiuBassa(50, [&](int c) { return Migliore(tab, c); }, valore);
    } else if (tab.ContatoreRisposteMultiple - tab.NumeroBriscole == 1) {
        for (int c = 1; c <= 3; ++c)
            if (MiglioreNonBriscola(tab, c)) tab.CartaPCDaGiocare = c;
    } else {
        // What the human still holds of each tied suit: the smallest signed sum of Valori.
        for (int c = 1; c <= 3; ++c) {
            if (!MiglioreNonBriscola(tab, c)) continue;
            int minimo = 100;
            for (int j = 4; j <= 6; ++j) {
                if (j == stato.NumeroCartaGiocataDaH || stato.Carta[j].Seme() != stato.Carta[c].Seme()) continue;
                const int s = stato.Carta[c].Valore() + stato.Carta[j].Valore();
                int v;
                if (stato.Carta[j].Valore() <= stato.Carta[c].Valore()) {
                    tab.ValAgg[c].segno = Segno::Supera;
                    v = s;
                } else {
                    tab.ValAgg[c].segno = Segno::Superata;
                    v = -s;
                }
                if (v < minimo) {
                    tab.ValAgg[c].valore = v;
                    minimo = v;
                }
            }
        }
        tab.CartaPCDaGiocare = ScegliPerValoriAggiuntivi(stato, tab);
    }
    if (!tab.Filtro60Punti) FiltroSessantaPuntiRispondePC(tab);
}

}  // namespace mrvelto
