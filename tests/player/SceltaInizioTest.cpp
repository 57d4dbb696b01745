// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Posizioni.h"
#include "player/SceltaInizio.h"

namespace mrvelto {
namespace {

// The lead choice over nine given convenience values, the stock far from the 60-point filter.
struct Inizio {
    StatoGioco s = test::ConMazzo('b', {"4d", "5s", "6c"}, {"7d", "7s", "7c"}).stato;
    TabellePC tab;
    explicit Inizio(std::array<float, 9> conv) {
        for (int k = 1; k <= 9; ++k) {
            tab.Convenienza[k].valore = conv[static_cast<std::size_t>(k - 1)];
            tab.TotaliNormali[k].valore = 0;
        }
        tab.Filtro60Punti = true;
    }
    int Scegli() {
        ValoreAggiuntivoIniziaPC(s, tab);
        return tab.CartaPCDaGiocare;
    }
};

TEST(SceltaInizio, PlaysTheCardWithTheBestWorstCase) {
    Inizio i({2.5f, 7, 9, -4, 20, 30, 1, 1.5f, 8});
    EXPECT_EQ(i.Scegli(), 1);
    // Marks: lowest red, second-lowest 0x8080FF, highest white; the winning lowest in blue.
    EXPECT_EQ(i.tab.Convenienza[1].segno, Segno::Minimo);
    EXPECT_EQ(i.tab.Convenienza[2].segno, Segno::SecondoMinimo);
    EXPECT_EQ(i.tab.Convenienza[3].segno, Segno::Nessuno);
    EXPECT_EQ(i.tab.Convenienza[1].spunta, Spunta::AlPari);
    EXPECT_EQ(i.tab.Convenienza[4].spunta, Spunta::Nessuna);
    EXPECT_EQ(i.tab.ContatoreRisposteMultiple, 1);
}

TEST(SceltaInizio, EqualLowestValuesKeepTheFirstRed) {
    Inizio i({3, 3, 5, 0, 0, 0, -1, 9, 9});
    i.Scegli();
    EXPECT_EQ(i.tab.Convenienza[1].segno, Segno::Minimo);
    EXPECT_EQ(i.tab.Convenienza[2].segno, Segno::SecondoMinimo);
    EXPECT_EQ(i.tab.Convenienza[4].segno, Segno::Minimo);
    EXPECT_EQ(i.tab.Convenienza[5].segno, Segno::SecondoMinimo);
    EXPECT_EQ(i.tab.Convenienza[6].segno, Segno::Nessuno);
    EXPECT_EQ(i.tab.Convenienza[8].segno, Segno::SecondoMinimo);
    EXPECT_EQ(i.tab.Convenienza[9].segno, Segno::Nessuno);
}

TEST(SceltaInizio, SecondLevelMarksReachRowsThatDidNotTieAtTheFirst) {
    // Rows 1 and 2 tie at 1; their second-worst values are 3 and 3; row 3 (worst 0) also has a
    // second-worst 3, so it is marked blue and enters the third level, where its best value wins.
    Inizio i({1, 3, 4, 1, 3, 5, 0, 3, 8});
    EXPECT_EQ(i.Scegli(), 3);
    EXPECT_EQ(i.tab.Convenienza[8].spunta, Spunta::AlPari);
    EXPECT_EQ(i.tab.Convenienza[2].spunta, Spunta::AlPari);
    EXPECT_EQ(i.tab.Convenienza[7].spunta, Spunta::Nessuna);  // its red entry was not a tie
}

// The tie-breaks: worst case, then second-worst, then the best remaining value, then the lowest
// card, read from each row's best entry (rows and cards numbered 1..3).
TEST(SceltaInizio, TieBreaks) {
    struct Caso {
        std::array<float, 9> conv;
        std::array<const char*, 3> mano;
        int attesa;
    };
    const Caso casi[] = {
        {{1, 2, 9, 1, 4, 5, 0, 10, 10}, {"4d", "5s", "6c"}, 2},   // tied worst cases: the better second-worst
        {{1, 3, 4, 1, 3, 6, -2, 2, 9}, {"4d", "5s", "6c"}, 2},    // the third level's best remaining value
        {{1, 3, 4, 1, 3, 4, 1, 3, 4}, {"Ad", "5s", "Rc"}, 2},     // tied all through: the lowest card
        {{1, 3, 4, 1, 3, 4, 1, 3, 4}, {"2d", "5s", "4c"}, 1},
        // Rows 1 and 2 tie at all three levels (1, 3, 5); row 3's worst case is 0, but its best
        // entry equals 5 too, so the last tie-break looks at it: its lower card wins.
        {{1, 3, 5, 1, 3, 5, 0, 2, 5}, {"4d", "5s", "6c"}, 1},
        {{1, 3, 5, 1, 3, 5, 0, 2, 5}, {"4d", "5s", "2c"}, 3},
    };
    for (const Caso& c : casi) {
        Inizio i(c.conv);
        for (int k = 1; k <= 3; ++k) i.s.Metti(k, c.mano[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(i.Scegli(), c.attesa) << c.mano[0] << c.mano[1] << c.mano[2] << " " << c.conv[0];
        EXPECT_FALSE(i.tab.PariMeritoInizio);  // off again at the end
    }
}

}  // namespace
}  // namespace mrvelto
