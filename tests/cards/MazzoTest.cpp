// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "cards/Carta.h"
#include "cards/Mazzo.h"
#include "support/CasoFinto.h"

namespace mrvelto {
namespace {

CasoConSeme Caso(std::uint64_t seme) {
    return CasoConSeme(seme, [] { return OraMinSec{17, 42}; });
}

TEST(MescolaCarte, GivesAPermutationAndRestoresTheCursor) {
    for (std::uint64_t seme = 1; seme <= 50; ++seme) {
        Mazzo mazzo;
        auto caso = Caso(seme);
        MescolaCarte(mazzo, caso);
        InsiemeCarte viste;
        for (CartaDaGioco c : mazzo.CartaDaEstrarre) viste.Aggiungi(c);
        EXPECT_EQ(viste, InsiemeCarte::Tutte());
        EXPECT_TRUE(mazzo.Estratte.Vuoto());
        EXPECT_EQ(mazzo.NumeroCartaAnalizzata, 1);
    }
}

TEST(MescolaCarte, RetriesWithoutAdvancingOnAPlacedCard) {
    // r values aimed at positions 1, 1 (rejected), 2, 3, ... with minute and second 0.
    std::deque<double> r{0.0, 0.0};
    for (int i = 1; i < 40; ++i) r.push_back((i + 0.5) / 40.0);
    test::CasoFinto caso(r);
    Mazzo mazzo;
    EXPECT_EQ(MescolaCarte(mazzo, caso), 41);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(mazzo.CartaDaEstrarre[i].Codice(), MazzoOrdinato()[i]);
}

TEST(EstraiACasoUnaCarta, EachCardOnceAndTheLastOneFound) {
    Mazzo mazzo;
    auto caso = Caso(3);
    MescolaCarte(mazzo, caso);
    SlotCarte slot;
    std::set<CartaDaGioco> estratte;
    for (int n = 1; n <= 40; ++n) {
        const int k = (n - 1) % 8 + 1;
        ASSERT_GT(EstraiACasoUnaCarta(mazzo, slot, k, caso), 0) << "draw " << n;
        ASSERT_FALSE(slot.Carta[k].Vuota()) << "draw " << n;
        EXPECT_TRUE(estratte.insert(slot.Carta[k]).second) << slot.Carta[k] << " drawn twice";
    }
    EXPECT_EQ(estratte.size(), 40u);
    EXPECT_EQ(mazzo.Estratte, InsiemeCarte::Tutte());
    // A 41st draw finds nothing and changes nothing instead of looping for ever.
    const SlotCarte prima = slot;
    EXPECT_EQ(EstraiACasoUnaCarta(mazzo, slot, 1, caso), 0);
    EXPECT_EQ(slot.Carta, prima.Carta);
}

TEST(MescolaCarte, AverageTriesNearTheCouponCollectorFigure) {
    // 40 × H(40) ≈ 171 tries per shuffle on average.
    auto caso = Caso(99);
    Mazzo mazzo;
    long totale = 0;
    const int n = 2000;
    for (int i = 0; i < n; ++i) totale += MescolaCarte(mazzo, caso);
    const double media = static_cast<double>(totale) / n;
    EXPECT_GT(media, 160.0);
    EXPECT_LT(media, 182.0);
}

}  // namespace
}  // namespace mrvelto
