#include <gtest/gtest.h>

#include "Posizioni.h"
#include "player/DecisionePC.h"
#include "player/GiocatoriDiRiferimento.h"

namespace mrvelto {
namespace {

TEST(PoliticaGolosa, TakesATrickWorthPointsWithTheCheapestWinningCard) {
    PoliticaGolosa g;
    // The human answers the computer's Ad (slot 1 on the table) holding 3d, 2b and Ab (briscola b):
    // 3d wins too but is worth 10; the 2b is cheaper.
    StatoGioco s = test::ConMazzo('b', {"Ad", "4s", "5s"}, {"3d", "2b", "Ab"}, 30, Chi::PC, 0, {"2d", "4d", "5d", "6d"});
    s.NumeroCartaGiocataDaPC = 1;
    EXPECT_EQ(g.Scegli(s, Chi::H), 5);
    // Nothing worth taking: the lowest card, a plain one before a briscola.
    s.Metti(1, "7d");
    EXPECT_EQ(g.Scegli(s, Chi::H), 4);
}

TEST(PoliticaGolosa, LeadsItsLowestCardKeepingBriscole) {
    PoliticaGolosa g;
    StatoGioco s = test::ConMazzo('b', {"2b", "Rd", "Fs"}, {"3d", "4c", "Ab"});
    EXPECT_EQ(g.Scegli(s, Chi::PC), 3);  // Fs: 2 points, below Rd's 4; the 2b is kept
    StatoGioco t = test::ConMazzo('b', {"2b", "7d", "Fs"}, {"3d", "4c", "Ab"});
    EXPECT_EQ(g.Scegli(t, Chi::PC), 2);
    StatoGioco u = test::ConMazzo('b', {"2b", "Cb", "Ab"}, {"3d", "4c", "5c"});
    EXPECT_EQ(g.Scegli(u, Chi::PC), 1);
}

TEST(PoliticaGolosa, ThrowsTheLowestWhenItCannotTake) {
    PoliticaGolosa g;
    StatoGioco s = test::ConMazzo('b', {"3d", "4d", "5d"}, {"Ab", "6s", "Rs"}, 34, Chi::H, 4);
    EXPECT_EQ(g.Scegli(s, Chi::PC), 2);  // none beats the briscola ace: 4d is the lowest
}

TEST(VistaDalPosto, SwapsTheSidesAndLeavesTheAnsweredCardUnseen) {
    StatoGioco s = test::ConMazzo('b', {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"}, 32, Chi::PC, 0, {"2d", "4d", "5d", "6d"}, 7, 3);
    s.NumeroCartaGiocataDaPC = 1;
    s.PreseVirtuali[PosizioneNelMazzo("Ad")].coloreTesto = colore::Verde;  // marked when played
    const StatoGioco m = VistaDalPosto(s, Chi::H);
    EXPECT_EQ(m.Carta[1], "3d");
    EXPECT_EQ(m.Carta[6], "Rc");
    EXPECT_EQ(m.TurnoDiGioco, Chi::H);
    EXPECT_EQ(m.NumeroCartaGiocataDaH, 4);
    EXPECT_EQ(m.PuntiPC, 3);
    EXPECT_EQ(m.PuntiH, 7);
    EXPECT_EQ(m.PreseVirtuali[PosizioneNelMazzo("Ad")].coloreTesto, colore::Nero);
    EXPECT_EQ(m.PreseVirtuali[PosizioneNelMazzo("2d")].coloreTesto, colore::Verde);
    EXPECT_EQ(FaseDi(m), Fase::RispondeConMazzo);
}

TEST(PoliticaVelto, OnTheHumansSideChoosesAsTheComputerWouldInTheMirror) {
    StatoGioco s = test::ConMazzo('b', {"3d", "Fb", "7c"}, {"Ad", "2s", "Rc"}, 34, Chi::H);
    PoliticaVelto v('A', 1);
    EXPECT_EQ(v.Scegli(s, Chi::H), 5);  // the 2s, as the computer leads it with this hand
}

}  // namespace
}  // namespace mrvelto
