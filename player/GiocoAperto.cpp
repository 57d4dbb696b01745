// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/GiocoAperto.h"

#include <algorithm>

#include "player/DecisionePC.h"

namespace mrvelto {

void GiocoAperto::Prepara(std::uint64_t giocateBit) {
    const int blocco = IndiceDelSeme(semeBriscola);
    for (int n = 1; n <= 40; ++n) {
        VocePresa& v = memoria[n];
        v = VocePresa{};
        v.briscola = CartaDaGioco::DaPosizione(n).IndiceSeme() == blocco;
        if ((giocateBit >> n) & 1u) v.stato = StatoCarta::Giocata;
    }
}

int GiocoAperto::ChiGioca() const {
    if (giocata[primo] < 0) {
        for (CartaDaGioco c : mano[static_cast<std::size_t>(primo)])
            if (c) return primo;
        return -1;
    }
    return giocata[1 - primo] < 0 ? 1 - primo : -1;
}

void GiocoAperto::Gioca(int seat, int i) {
    const auto s = static_cast<std::size_t>(seat);
    memoria[mano[s][static_cast<std::size_t>(i)].Posizione()].stato = StatoCarta::Giocata;
    giocata[seat] = i;
    if (NumeroCarteRimaste <= 0) --NumeroCarteRimaste;
    if (giocata[0] < 0 || giocata[1] < 0) return;
    // The trick: seat 0 stands where the decision code puts the computer.
    CartaDaGioco& c0 = mano[0][static_cast<std::size_t>(giocata[0])];
    CartaDaGioco& c1 = mano[1][static_cast<std::size_t>(giocata[1])];
    const EsitoPresa esito = DecidiPresa(primo == 0 ? Chi::PC : Chi::H, c0, c1, semeBriscola);
    const int vince = esito.vincitore == Chi::PC ? 0 : 1;
    punti[static_cast<std::size_t>(vince)] += esito.punti;
    c0 = c1 = CartaDaGioco{};
    if (NumeroCarteRimaste > 0) {
        // The winner draws first into the slot it played from; the last draw leaves the loser the briscola.
        const int perde = 1 - vince;
        mano[static_cast<std::size_t>(vince)][static_cast<std::size_t>(giocata[vince])] = mazzo[static_cast<std::size_t>(pescate++)];
        mano[static_cast<std::size_t>(perde)][static_cast<std::size_t>(giocata[perde])] =
            NumeroCarteRimaste == 2 ? briscola : mazzo[static_cast<std::size_t>(pescate++)];
        NumeroCarteRimaste -= 2;
        carteNelMazzo = std::max(0, carteNelMazzo - (NumeroCarteRimaste == 0 ? 1 : 2));
    }
    primo = vince;
    giocata[0] = giocata[1] = -1;
}

int SceltaLivelloA(const GiocoAperto& g, int seat, FonteCasuale& caso, LavoroLivelloA& lavoro) {
    const int altro = 1 - seat;
    StatoGioco& s = lavoro.stato;
    for (int i = 0; i < 3; ++i) {
        s.Carta[i + 1] = g.mano[static_cast<std::size_t>(seat)][static_cast<std::size_t>(i)];
        s.Carta[i + 4] = g.mano[static_cast<std::size_t>(altro)][static_cast<std::size_t>(i)];
    }
    if (g.giocata[seat] >= 0) s.Carta[g.giocata[seat] + 1] = CartaDaGioco{};
    s.Carta[kSlotBriscola] = g.briscola;
    s.SemeSenzaCarta = g.semeBriscola;
    s.NumeroCarteRimaste = g.NumeroCarteRimaste;
    s.TurnoDiGioco = g.primo == seat ? Chi::PC : Chi::H;
    s.AChiTocca = Chi::PC;
    s.NumeroCartaGiocataDaH = g.giocata[altro] >= 0 ? g.giocata[altro] + 4 : 0;
    s.NumeroCartaGiocataDaPC = 0;
    s.PuntiPC = g.punti[static_cast<std::size_t>(seat)];
    s.PuntiH = g.punti[static_cast<std::size_t>(altro)];
    TabellePC& tab = lavoro.tab;
    tab = TabellePC{};
    tab.PreseVirtuali = g.memoria;
    // The card being answered is read before it is counted as played, as at the table.
    if (s.NumeroCartaGiocataDaH != 0) tab.PreseVirtuali[s.Carta[s.NumeroCartaGiocataDaH].Posizione()].stato = StatoCarta::NonVista;
    const int slot = DecidiMossa(s, tab, caso, 'A').scelta;
    if (slot >= 1 && slot <= 3 && s.Carta[slot]) return slot - 1;
    for (int i = 0; i < 3; ++i)
        if (s.Carta[i + 1]) return i;
    return -1;
}

int GiocaFinoInFondo(GiocoAperto g, FonteCasuale& caso, LavoroLivelloA& lavoro) {
    for (int seat = g.ChiGioca(); seat >= 0; seat = g.ChiGioca()) {
        const int i = SceltaLivelloA(g, seat, caso, lavoro);
        if (i < 0) break;
        g.Gioca(seat, i);
    }
    return g.punti[0];
}

int RicercaEsatta(const GiocoAperto& g) {
    const int seat = g.ChiGioca();
    if (seat < 0) return g.punti[0];
    int migliore = seat == 0 ? -1 : 1000;
    for (int i = 0; i < 3; ++i) {
        if (!g.mano[static_cast<std::size_t>(seat)][static_cast<std::size_t>(i)] || g.giocata[seat] == i) continue;
        GiocoAperto h = g;
        h.Gioca(seat, i);
        const int v = RicercaEsatta(h);
        migliore = seat == 0 ? std::max(migliore, v) : std::min(migliore, v);
    }
    return migliore;
}

}  // namespace mrvelto
