// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/RicercaTerzultima.h"

#include <vector>

namespace mrvelto {

namespace {

int Contato(int valore) { return valore < 8 ? 0 : valore; }

// The first-level pair k's cards: the computer's slot and the human's.
struct Coppia {
    int pc;
    int h;
};

Coppia CoppiaDelPrimoLivello(const StatoGioco& stato, int k, bool risposta) {
    if (risposta) return {k, stato.NumeroCartaGiocataDaH};
    return {(k - 1) / 3 + 1, (k - 1) % 3 + 4};
}

// The two hand slots of [primo, primo+2] other than `giocato`, lower first.
void AltreDue(int primo, int giocato, int& a, int& b) {
    a = b = 0;
    for (int s = primo; s < primo + 3; ++s) {
        if (s == giocato) continue;
        (a == 0 ? a : b) = s;
    }
}

void Segue(const StatoGioco& stato, TabellePC& tab, bool risposta) {
    const int z = tab.ContatoreSecondoLivello;
    const int k = (z + 3) / 4;
    const Coppia coppia = CoppiaDelPrimoLivello(stato, k, risposta);
    int p1, p2, h1, h2;
    AltreDue(1, coppia.pc, p1, p2);
    AltreDue(4, coppia.h, h1, h2);
    const int foglia = (z - 1) % 4;  // 0..3 within the group
    const bool guidaPC = tab.PrimoLivello[k].segno != Segno::VinceUmano;
    if (guidaPC) {  // (p1,h1) (p1,h2) (p2,h1) (p2,h2)
        tab.A = foglia < 2 ? p1 : p2;
        tab.B = foglia % 2 == 0 ? h1 : h2;
    } else {  // (p1,h1) (p2,h1) (p1,h2) (p2,h2)
        tab.A = foglia % 2 == 0 ? p1 : p2;
        tab.B = foglia < 2 ? h1 : h2;
    }
    tab.C = tab.A == p1 ? p2 : p1;
    tab.D = tab.B == h1 ? h2 : h1;
}

void PrimoLivello(const StatoGioco& stato, TabellePC& tab, bool risposta) {
    const Chi leader = risposta ? Chi::H : Chi::PC;
    const int coppie = risposta ? 3 : 9;
    RiazzeraValori(tab);
    for (int k = 1; k <= coppie; ++k) {
        const Coppia c = CoppiaDelPrimoLivello(stato, k, risposta);
        Chi vincitore;
        tab.PrimoLivello[k].valore = ValoreDiPresa(stato, leader, c.pc, c.h, &vincitore);
        if (vincitore == Chi::H) tab.PrimoLivello[k].segno = Segno::VinceUmano;
        ++tab.ContatorePrimoLivello;
    }
}

void SecondoLivello(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso, bool risposta) {
    const int foglie = risposta ? 12 : 36;
    auto& sl = tab.SecondoLivello;
    tab.ContatorePrimoLivello = 1;
    for (int z = 1; z <= foglie; ++z) {
        tab.ContatoreSecondoLivello = z;
        if (risposta)
            SegueterzultimaGiocataBis(stato, tab);
        else
            SegueterzultimaGiocata(stato, tab);
        const int k = (z + 3) / 4;
        const Chi leader = tab.PrimoLivello[k].segno == Segno::VinceUmano ? Chi::H : Chi::PC;
        Chi vincitore;
        int valore = ValoreDiPresa(stato, leader, tab.A, tab.B, &vincitore);
        valore += ValoreDiPresa(stato, vincitore, tab.C, tab.D);
        valore += tab.PrimoLivello[k].Valore();
        sl[z].valore = valore;
        if (z % 4 == 0) ++tab.ContatorePrimoLivello;
    }
    // The follower of the second-to-last trick keeps its better leaf of each pair; a tie the second.
    for (int z = 1; z < foglie; z += 2) {
        const bool guidaPC = tab.PrimoLivello[(z + 3) / 4].segno != Segno::VinceUmano;
        const int s1 = sl[z].Valore(), s2 = sl[z + 1].Valore();
        const bool secondo = guidaPC ? s1 >= s2 : s1 <= s2;
        sl[secondo ? z + 1 : z].spunta = Spunta::TenutaDalSecondo;
    }
    // The leader keeps its better one of the two kept; a tie the later.
    for (int g = 1; g < foglie; g += 4) {
        const bool guidaPC = tab.PrimoLivello[(g + 3) / 4].segno != Segno::VinceUmano;
        int primo = 0;
        for (int z = g; z < g + 4; ++z) {
            if (sl[z].spunta != Spunta::TenutaDalSecondo) continue;
            if (primo == 0) {
                primo = z;
                continue;
            }
            const int x = sl[primo].Valore(), y = sl[z].Valore();
            const bool ilPrimo = guidaPC ? y < x : y > x;
            sl[ilPrimo ? primo : z].spunta = Spunta::TenutaDalPrimo;
            break;
        }
    }
    // Worst case per card, then the best card.
    const int perCarta = foglie / 3;
    for (int i = 1; i <= 3; ++i) {
        tab.Peggiore[i] = CasellaI{300};
        for (int z = perCarta * (i - 1) + 1; z <= perCarta * i; ++z)
            if (sl[z].spunta == Spunta::TenutaDalPrimo && sl[z].Valore() < tab.Peggiore[i].Valore()) tab.Peggiore[i].valore = sl[z].Valore();
    }
    auto peggiore = [&](int i) { return tab.Peggiore[i].Valore(); };
    tab.RisultatoMigliore = peggiore(1) < peggiore(2) ? peggiore(2) : peggiore(1);
    if (peggiore(3) >= tab.RisultatoMigliore) tab.RisultatoMigliore = peggiore(3);
    for (int i = 1; i <= 3; ++i)
        if (peggiore(i) == tab.RisultatoMigliore) tab.Peggiore[i].segno = Segno::Migliore;
    ScegliUnaDelleTre(tab, caso);
    tab.ContatorePrimoLivello = 1;
    tab.ContatoreSecondoLivello = 1;
}

}  // namespace

int ValoreDiPresa(const StatoGioco& stato, Chi leader, int slotPC, int slotH, Chi* vincitore) {
    const EsitoPresa e = DecidiPresa(leader, stato.Carta[slotPC], stato.Carta[slotH], stato.SemeBriscola());
    if (vincitore) *vincitore = e.vincitore;
    const int v = Contato(stato.Carta[slotPC].Valore()) + Contato(stato.Carta[slotH].Valore());
    return e.vincitore == Chi::PC ? v : -v;
}

void TerzultimaGiocataIniziaPC(const StatoGioco& stato, TabellePC& tab) { PrimoLivello(stato, tab, false); }
void TerzultimaGiocataRispondePC(const StatoGioco& stato, TabellePC& tab) { PrimoLivello(stato, tab, true); }
void AnalisiSecondoLivello(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso) { SecondoLivello(stato, tab, caso, false); }
void AnalisiSecondoLivelloBis(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso) { SecondoLivello(stato, tab, caso, true); }
void SegueterzultimaGiocata(const StatoGioco& stato, TabellePC& tab) { Segue(stato, tab, false); }
void SegueterzultimaGiocataBis(const StatoGioco& stato, TabellePC& tab) { Segue(stato, tab, true); }

void ScegliUnaDelleTre(TabellePC& tab, FonteCasuale& caso) {
    for (;;) {
        const int r = IndiceCasuale(3, caso);
        if (tab.Peggiore[r].segno == Segno::Migliore) {
            tab.CartaPCDaGiocare = r;
            return;
        }
    }
}

void RiazzeraValori(TabellePC& tab) {
    for (auto& c : tab.PrimoLivello) c.Svuota();
    for (auto& c : tab.SecondoLivello) c.Svuota();
    tab.ContatorePrimoLivello = 1;
    tab.ContatoreSecondoLivello = 1;
    for (auto& c : tab.Peggiore) c = CasellaI{300};
}

}  // namespace mrvelto
