// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the analysis engine's checks: a plain minimax over card lists, written apart from the
// engine, and random positions of the last three tricks seen from the human's seat.
#include <algorithm>
#include <random>
#include <vector>

#include "game/VistaGiocatore.h"

namespace mrvelto::test {

// Plain minimax over card lists, written apart from the engine: the seat's final points when both
// sides play perfectly. `suaInTavola` is the other side's card already led.
struct Bruto {
    char briscola;
    bool PrimaVince(CartaDaGioco primo, CartaDaGioco secondo) const {
        if (primo.Seme() == secondo.Seme()) return primo.Valore() > secondo.Valore();
        return secondo.Seme() != briscola;
    }
    int Valuta(std::vector<CartaDaGioco> mie, std::vector<CartaDaGioco> sue, bool inizioIo, int punti, CartaDaGioco suaInTavola) const {
        if (mie.empty() && !suaInTavola) return punti;
        auto presa = [&](CartaDaGioco mia, CartaDaGioco sua, bool ioPrimo, std::vector<CartaDaGioco> m, std::vector<CartaDaGioco> s) {
            const bool vinco = ioPrimo ? PrimaVince(mia, sua) : !PrimaVince(sua, mia);
            return Valuta(std::move(m), std::move(s), vinco, punti + (vinco ? mia.Punti() + sua.Punti() : 0), {});
        };
        auto senza = [](std::vector<CartaDaGioco> v, std::size_t i) {
            v.erase(v.begin() + static_cast<long>(i));
            return v;
        };
        int migliore = -1;
        for (std::size_t i = 0; i < mie.size(); ++i) {
            int v;
            if (suaInTavola) {
                v = presa(mie[i], suaInTavola, false, senza(mie, i), sue);
            } else if (inizioIo) {
                v = 1000;
                for (std::size_t j = 0; j < sue.size(); ++j) v = std::min(v, presa(mie[i], sue[j], true, senza(mie, i), senza(sue, j)));
            } else {
                continue;
            }
            migliore = std::max(migliore, v);
        }
        if (!inizioIo && !suaInTavola) {  // the other side leads
            migliore = 1000;
            for (std::size_t j = 0; j < sue.size(); ++j) migliore = std::min(migliore, Valuta(mie, senza(sue, j), false, punti, sue[j]));
        }
        return migliore;
    }
};

// A random position of the last three tricks, seen from the human's seat.
inline VistaGiocatore PosizioneFinale(std::mt19937_64& gen, std::vector<CartaDaGioco>& sue) {
    std::vector<CartaDaGioco> mazzo;
    for (int p = 1; p <= 40; ++p) mazzo.push_back(CartaDaGioco::DaPosizione(p));
    std::shuffle(mazzo.begin(), mazzo.end(), gen);
    const int n = -static_cast<int>(gen() % 6);  // 0..-5
    const bool rispondo = n % 2 != 0;
    const int carte = 3 + (n - (rispondo ? -1 : 0)) / 2;  // in my hand before I play
    VistaGiocatore v;
    v.NumeroCarteRimaste = n;
    v.TurnoDiGioco = rispondo ? Chi::PC : Chi::H;
    std::size_t k = 0;
    for (int i = 0; i < carte; ++i) v.mano[static_cast<std::size_t>(i)] = mazzo[k++];
    sue.assign(mazzo.begin() + static_cast<long>(k), mazzo.begin() + static_cast<long>(k) + carte);
    k += static_cast<std::size_t>(carte);
    if (rispondo) {
        v.inTavola = sue.back();
        sue.pop_back();
    }
    v.briscola = mazzo[gen() % 40];
    int punti[2] = {0, 0};
    for (; k < mazzo.size(); ++k) {
        v.giocate.Aggiungi(mazzo[k]);
        punti[gen() % 2] += mazzo[k].Punti();
    }
    v.giocate.Aggiungi(v.inTavola);
    v.puntiPropri = punti[0];
    v.puntiAvversario = punti[1];
    return v;
}

// The exact value of each card of the view, by the plain minimax (`sue`: the other hand).
inline int ValoreBruto(const VistaGiocatore& v, const std::vector<CartaDaGioco>& sue, CartaDaGioco carta) {
    const Bruto b{v.briscola.Seme()};
    std::vector<CartaDaGioco> resto;
    for (CartaDaGioco c : v.mano)
        if (c && c != carta) resto.push_back(c);
    if (v.inTavola) {
        const bool vinco = !b.PrimaVince(v.inTavola, carta);
        return b.Valuta(resto, sue, vinco, v.puntiPropri + (vinco ? carta.Punti() + v.inTavola.Punti() : 0), {});
    }
    int atteso = 1000;
    for (std::size_t j = 0; j < sue.size(); ++j) {
        std::vector<CartaDaGioco> altre = sue;
        altre.erase(altre.begin() + static_cast<long>(j));
        const bool vinco = b.PrimaVince(carta, sue[j]);
        atteso = std::min(atteso, b.Valuta(resto, altre, vinco, v.puntiPropri + (vinco ? carta.Punti() + sue[j].Punti() : 0), {}));
    }
    return atteso;
}

}  // namespace mrvelto::test
