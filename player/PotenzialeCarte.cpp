// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/PotenzialeCarte.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace mrvelto {

namespace {

// Points of the card of each rank, 2 to ace.
constexpr std::array<int, 10> kPuntiRango = [] {
    std::array<int, 10> p{};
    for (int r = 0; r < 10; ++r) p[static_cast<std::size_t>(r)] = CartaDaGioco::DaPosizione(r + 1).Punti();
    return p;
}();

void SegnaMano(const StatoGioco& stato, TabellePC& tab, int primo) {
    for (int s = primo; s < primo + 3; ++s) {
        const int n = stato.Carta[s].Posizione();
        // A card already marked played keeps its mark: the human's card may be registered before
        // the answer is analysed, and losing the mark would count it again.
        if (n != 0 && tab.PreseVirtuali[n].stato != StatoCarta::Giocata) tab.PreseVirtuali[n].stato = StatoCarta::InMano;
    }
}

// Fills the forty entries for the card in slot k: signed points of the trick c led, n answering.
// Block by block: positive up to the first card that takes c, negative from there on (the whole
// block when a briscola block beats a plain c; the cards above c in its own block, or in a
// briscola block when c is a briscola).
void Valuta(const StatoGioco& stato, TabellePC& tab, int k, bool cBriscola) {
    const int pc = stato.Carta[k].Punti();
    const int c = stato.Carta[k].Posizione();
    if (c == 0) return;  // an empty slot has nothing to rate
    auto& pv = tab.PreseVirtuali;
    for (int blocco = 0; blocco < 4; ++blocco) {
        const bool bloccoBriscola = pv[blocco * 10 + 1].briscola;
        int primoCheVince = 10;
        if (!cBriscola && bloccoBriscola)
            primoCheVince = 0;
        else if (cBriscola ? bloccoBriscola : blocco == stato.Carta[k].IndiceSeme())
            primoCheVince = std::clamp(c - blocco * 10, 0, 10);
        for (int r = 0; r < 10; ++r) {
            const int somma = pc + kPuntiRango[r];
            pv[blocco * 10 + r + 1].punti = r < primoCheVince ? somma : -somma;
        }
    }
    pv[c].punti = 0;
}

}  // namespace

void CalcolaPuntiPotenziali(const StatoGioco& stato, TabellePC& tab) {
    for (int s = 1; s <= 6; ++s) {
        if (stato.Carta[s]) tab.PuntiPotenziali[s] = static_cast<float>(stato.Carta[s].Punti());
    }
}

void PreparaPreseVirtuali(const StatoGioco& stato, TabellePC& tab) {
    const int blocco = IndiceDelSeme(stato.SemeBriscola());
    for (int n = 1; n <= 40; ++n) {
        VocePresa& v = tab.PreseVirtuali[n];
        v.stato = StatoCarta::NonVista;
        v.briscola = blocco >= 0 && CartaDaGioco::DaPosizione(n).IndiceSeme() == blocco;
    }
}

void DimenticaCarte(TabellePC& tab) { tab.PreseVirtuali.fill(VocePresa{}); }

void SegnaBriscole(const StatoGioco& stato, TabellePC& tab) {
    const int blocco = IndiceDelSeme(stato.SemeBriscola());
    if (blocco < 0) return;
    for (int n = 10 * blocco + 1; n <= 10 * blocco + 10; ++n) tab.PreseVirtuali[n].briscola = true;
}

void SegnaCartaGiocata(const StatoGioco& stato, TabellePC& tab, int slot) {
    if (slot < 1 || slot > 6) return;
    const int n = stato.Carta[slot].Posizione();
    if (n != 0) tab.PreseVirtuali[n].stato = StatoCarta::Giocata;
}

void SegnaManoDelPC(const StatoGioco& stato, TabellePC& tab) { SegnaMano(stato, tab, 1); }
void SegnaManoDiH(const StatoGioco& stato, TabellePC& tab) { SegnaMano(stato, tab, 4); }
void ValutaCartaNormale(const StatoGioco& stato, TabellePC& tab, int k) { Valuta(stato, tab, k, false); }
void ValutaBriscola(const StatoGioco& stato, TabellePC& tab, int k) { Valuta(stato, tab, k, true); }

namespace {

// The multiplier of a briscola's potential by its strength: the stronger, the less it gains.
float MoltiplicatoreBriscola(int valore) {
    switch (valore) {
        case 44: return 1.305f;
        case 40: return 1.358f;
        case 16: return 1.767f;
        case 12: return 1.988f;
        case 8: return 2.323f;
        default: return 1.0f;
    }
}

// By the mask of a block's cards (bit 0 the 2, bit 9 the ace): how many, and their rank points.
struct SommaBlocco {
    int carte = 0;
    int punti = 0;
};
constexpr std::array<SommaBlocco, 1024> kSommeBlocco = [] {
    std::array<SommaBlocco, 1024> s{};
    for (unsigned m = 0; m < 1024; ++m)
        for (int j = 0; j < 10; ++j)
            if (m >> j & 1) {
                ++s[m].carte;
                s[m].punti += kPuntiRango[j];
            }
    return s;
}();

// The forty values that rating the card of slot k leaves in the table.
void ScriviValori(const StatoGioco& stato, TabellePC& tab, int k) {
    if (stato.Carta[k].Seme() == stato.SemeBriscola())
        Valuta(stato, tab, k, true);
    else
        Valuta(stato, tab, k, false);
}

float Potenziale(const StatoGioco& stato, TabellePC& tab, int k, float somma) {
    tab.MediaValori = somma;
    tab.NumeroPrese = stato.NumeroCarteRimaste + 3;
    const float potenziale = somma / static_cast<float>(tab.NumeroPrese);
    if (stato.Carta[k].Seme() != stato.SemeBriscola()) return potenziale;
    const float m = MoltiplicatoreBriscola(stato.Carta[k].Valore());
    return m == 1.0f ? potenziale : potenziale * m;
}

}  // namespace

void CalcolaPotenziale(const StatoGioco& stato, TabellePC& tab, int k) {
    // In deck order, one card at a time: the single-precision sum depends on it.
    float somma = 0.0f;
    for (const VocePresa& v : tab.PreseVirtuali)
        if (v.stato == StatoCarta::NonVista) somma += static_cast<float>(v.punti.value_or(0));
    tab.Potenziale[k] = Potenziale(stato, tab, k, somma);
}

void CalcolaPotenzialeCarte(const StatoGioco& stato, TabellePC& tab) {
    // The played marks are never cleared within a game, so the first trick of a game clears any
    // left by the previous game; only the card being answered may already be this game's.
    if (stato.NumeroCarteRimaste == 34) {
        const int h = stato.TurnoDiGioco == Chi::H ? stato.NumeroCartaGiocataDaH : 0;
        const int sulTavolo = h >= 4 && h <= 6 ? stato.Carta[h].Posizione() : 0;
        const bool marcata = sulTavolo != 0 && tab.PreseVirtuali[sulTavolo].stato == StatoCarta::Giocata;
        PreparaPreseVirtuali(stato, tab);
        if (marcata) tab.PreseVirtuali[sulTavolo].stato = StatoCarta::Giocata;
    }
    // The same as marking the hand, rating the card and summing (SegnaMano, Valuta,
    // CalcolaPotenziale) for each slot in turn, as it runs at every decision while the stock lasts.
    // Only the sums are needed for each slot; the table keeps what the last slot left.
    auto& pv = tab.PreseVirtuali;
    std::uint64_t mano[2] = {0, 0};  // deck positions in the computer's and in the human's hand
    for (int s = 1; s <= 6; ++s) {
        const int n = stato.Carta[s].Posizione();
        if (n != 0) mano[s < 4 ? 0 : 1] |= std::uint64_t{1} << n;
    }
    std::uint64_t giocate = 0, briscole = 0;  // by block: the mark of the block's first entry
    // Without branches here and below: which cards are played follows no pattern a branch
    // predictor could learn, and mispredicting these loops cost more than the rest of the rating.
    for (int n = 1; n <= 40; ++n) giocate |= std::uint64_t{pv[n].stato == StatoCarta::Giocata} << n;
    for (int blocco = 0; blocco < 4; ++blocco)
        if (pv[blocco * 10 + 1].briscola) briscole |= 1u << blocco;
    const char briscola = stato.SemeBriscola();
    int valutato = 0;        // the last slot rated
    bool scritto = true;     // the table holds its values (or, before any, the values it had)
    for (int k = 1; k <= 6; ++k) {
        const std::uint64_t contate = ~(mano[k < 4 ? 0 : 1] | giocate);
        const int c = stato.Carta[k].Posizione();
        // The points are small integers and so are their partial sums: the single-precision sum
        // of the deck in order is exact and equals the integer sum, in any order.
        int somma = 0;
        if (c == 0) {
            // An empty slot rates nothing: the values of the previous slot stay and are summed.
            if (!scritto) ScriviValori(stato, tab, valutato);
            scritto = true;
            for (int n = 1; n <= 40; ++n)
                if (contate >> n & 1) somma += pv[n].punti.value_or(0);
        } else {
            const int pc = stato.Carta[k].Punti();
            const bool cBriscola = stato.Carta[k].Seme() == briscola;
            const int semeC = stato.Carta[k].IndiceSeme();
            for (int blocco = 0; blocco < 4; ++blocco) {
                const unsigned m = static_cast<unsigned>(contate >> (blocco * 10 + 1)) & 0x3FFu;
                const bool bloccoBriscola = briscole >> blocco & 1;
                // Cards of this block above c: all, none, or those past c's rank.
                const int primoSopra = std::clamp(c - blocco * 10, 0, 10);
                const unsigned sopra = 0x3FFu & ~((1u << primoSopra) - 1u);
                const unsigned perdono = !cBriscola && bloccoBriscola ? 0x3FFu
                                         : (cBriscola ? bloccoBriscola : blocco == semeC) ? sopra
                                                                                          : 0u;
                const SommaBlocco& vince = kSommeBlocco[m & ~perdono];
                const SommaBlocco& perde = kSommeBlocco[m & perdono];
                somma += pc * (vince.carte - perde.carte) + vince.punti - perde.punti;
            }
            valutato = k;
            scritto = false;
        }
        tab.Potenziale[k] = Potenziale(stato, tab, k, static_cast<float>(somma));
    }
    if (!scritto) ScriviValori(stato, tab, valutato);
    // A played card keeps its mark; the others are in the human's hand or unseen.
    constexpr std::array<StatoCarta, 4> kStato = {StatoCarta::NonVista, StatoCarta::InMano, StatoCarta::Giocata, StatoCarta::Giocata};
    for (int n = 1; n <= 40; ++n) pv[n].stato = kStato[(giocate >> n & 1) << 1 | (mano[1] >> n & 1)];
}

}  // namespace mrvelto
