// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Posizioni.h"
#include "player/GiocatoriDiRiferimento.h"

namespace mrvelto {
namespace {

TEST(GiocatoreGoloso, TakesATrickWorthPointsWithTheCheapestWinningCard) {
    GiocatoreGoloso g;
    // The human answers the computer's Ad (slot 1 on the table) holding 3d, 2b and Ab (briscola b):
    // 3d wins too but is worth 10; the 2b is cheaper.
    StatoGioco s = test::ConMazzo('b', {"Ad", "4s", "5s"}, {"3d", "2b", "Ab"}, 30, Chi::PC, 0, {"2d", "4d", "5d", "6d"}).stato;
    s.NumeroCartaGiocataDaPC = 1;
    EXPECT_EQ(g.Scegli(s, Chi::H), 5);
    // Nothing worth taking: the lowest card, a plain one before a briscola.
    s.Metti(1, "7d");
    EXPECT_EQ(g.Scegli(s, Chi::H), 4);
}

TEST(GiocatoreGoloso, LeadsItsLowestCardKeepingBriscole) {
    GiocatoreGoloso g;
    // Fs: 2 points, below Rd's 4; the 2b is kept.
    EXPECT_EQ(g.Scegli(test::ConMazzo('b', {"2b", "Rd", "Fs"}, {"3d", "4c", "Ab"}).stato, Chi::PC), 3);
    EXPECT_EQ(g.Scegli(test::ConMazzo('b', {"2b", "7d", "Fs"}, {"3d", "4c", "Ab"}).stato, Chi::PC), 2);
    EXPECT_EQ(g.Scegli(test::ConMazzo('b', {"2b", "Cb", "Ab"}, {"3d", "4c", "5c"}).stato, Chi::PC), 1);
}

TEST(GiocatoreGoloso, ThrowsTheLowestWhenItCannotTake) {
    GiocatoreGoloso g;
    const StatoGioco s = test::ConMazzo('b', {"3d", "4d", "5d"}, {"Ab", "6s", "Rs"}, 34, Chi::H, 4).stato;
    EXPECT_EQ(g.Scegli(s, Chi::PC), 2);  // none beats the briscola ace: 4d is the lowest
}

TEST(GiocatoriDiRiferimento, PlayOnlyCardsOfTheirOwnHandOnEitherSeat) {
    StatoGioco s = test::ConMazzo('b', {"", "2s", "Rc"}, {"3d", "", "7c"}, -2).stato;
    GiocatorePrimaCarta prima;
    EXPECT_EQ(prima.Scegli(s, Chi::PC), 2);
    EXPECT_EQ(prima.Scegli(s, Chi::H), 4);
    GiocatoreCasuale caso(3);
    for (int n = 0; n < 50; ++n) {
        const int pc = caso.Scegli(s, Chi::PC), h = caso.Scegli(s, Chi::H);
        EXPECT_TRUE(pc == 2 || pc == 3) << pc;
        EXPECT_TRUE(h == 4 || h == 6) << h;
    }
    s.Svuota(2);
    s.Svuota(3);
    EXPECT_EQ(prima.Scegli(s, Chi::PC), 0);
    EXPECT_EQ(caso.Scegli(s, Chi::PC), 0);
}

}  // namespace
}  // namespace mrvelto
