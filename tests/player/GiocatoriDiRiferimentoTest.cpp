// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "../game/BancoDiProva.h"
#include "Posizioni.h"
#include "player/GiocatoreEsperto.h"
#include "player/GiocatoreVelto.h"
#include "player/GiocatoriDiRiferimento.h"

namespace mrvelto {
namespace {

TEST(GiocatoreGoloso, TakesATrickWorthPointsWithTheCheapestWinningCard) {
    GiocatoreGoloso g;
    // The human answers the computer's Ad (slot 1 on the table) holding 3d, 2b and Ab (briscola b):
    // 3d wins too but is worth 10; the 2b is cheaper.
    StatoGioco s = test::ConMazzo('b', {"Ad", "4s", "5s"}, {"3d", "2b", "Ab"}, 30, Chi::PC, 0, {"2d", "4d", "5d", "6d"}).stato;
    s.NumeroCartaGiocataDaPC = 1;
    EXPECT_EQ(g.Scegli(VistaDi(s, Chi::H)), 5);
    // Nothing worth taking: the lowest card, a plain one before a briscola.
    s.Metti(1, "7d");
    EXPECT_EQ(g.Scegli(VistaDi(s, Chi::H)), 4);
}

TEST(GiocatoreGoloso, LeadsItsLowestCardKeepingBriscole) {
    GiocatoreGoloso g;
    // Fs: 2 points, below Rd's 4; the 2b is kept.
    EXPECT_EQ(g.Scegli(VistaDi(test::ConMazzo('b', {"2b", "Rd", "Fs"}, {"3d", "4c", "Ab"}).stato, Chi::PC)), 3);
    EXPECT_EQ(g.Scegli(VistaDi(test::ConMazzo('b', {"2b", "7d", "Fs"}, {"3d", "4c", "Ab"}).stato, Chi::PC)), 2);
    EXPECT_EQ(g.Scegli(VistaDi(test::ConMazzo('b', {"2b", "Cb", "Ab"}, {"3d", "4c", "5c"}).stato, Chi::PC)), 1);
}

TEST(GiocatoreGoloso, ThrowsTheLowestWhenItCannotTake) {
    GiocatoreGoloso g;
    const StatoGioco s = test::ConMazzo('b', {"3d", "4d", "5d"}, {"Ab", "6s", "Rs"}, 34, Chi::H, 4).stato;
    EXPECT_EQ(g.Scegli(VistaDi(s, Chi::PC)), 2);  // none beats the briscola ace: 4d is the lowest
}

TEST(GiocatoriDiRiferimento, PlayOnlyCardsOfTheirOwnHandOnEitherSeat) {
    StatoGioco s = test::ConMazzo('b', {"", "2s", "Rc"}, {"3d", "", "7c"}, -2).stato;
    GiocatorePrimaCarta prima;
    EXPECT_EQ(prima.Scegli(VistaDi(s, Chi::PC)), 2);
    EXPECT_EQ(prima.Scegli(VistaDi(s, Chi::H)), 4);
    GiocatoreCasuale caso(3);
    for (int n = 0; n < 50; ++n) {
        const int pc = caso.Scegli(VistaDi(s, Chi::PC)), h = caso.Scegli(VistaDi(s, Chi::H));
        EXPECT_TRUE(pc == 2 || pc == 3) << pc;
        EXPECT_TRUE(h == 4 || h == 6) << h;
    }
    s.Svuota(2);
    s.Svuota(3);
    EXPECT_EQ(prima.Scegli(VistaDi(s, Chi::PC)), 0);
    EXPECT_EQ(caso.Scegli(VistaDi(s, Chi::PC)), 0);
}

// Every player decides from its seat's view: two tables that differ only in cards hidden from the
// human's seat get the same card from each, the same seed given. While the stock lasts the hidden
// cards are the computer's hand and the covered stock; Mr. VELTO reads that hand then, so he is
// held to it once the stock is out, where the computer's hand is known but not its slots.
TEST(GiocatoriDiRiferimento, TablesDifferingOnlyInHiddenCardsGetTheSameChoice) {
    const std::function<std::unique_ptr<Giocatore>()> giocatori[] = {
        [] { return std::make_unique<GiocatoreCasuale>(11); },
        [] { return std::make_unique<GiocatoreGoloso>(); },
        [] { return std::make_unique<GiocatoreEsperto>(11, 8); },
        [] { return std::make_unique<GiocatorePrimaCarta>(); },
        [] { return std::make_unique<GiocatoreVelto>(11, 'C'); },
    };
    test::Banco b(5);
    b.tavolo.Avvia();
    for (const bool mazzoFinito : {false, true}) {
        // The human to answer Mr. VELTO's lead.
        ASSERT_TRUE(b.Fino([&] {
            const StatoGioco& s = b.s();
            const bool fase = mazzoFinito ? s.NumeroCarteRimaste == -1 : s.NumeroCarteRimaste > 2 && s.NumeroCarteRimaste <= 20;
            return fase && s.PuoiGiocare && s.AChiTocca == Chi::H && s.NumeroCartaGiocataDaPC != 0;
        }));
        const StatoGioco uno = b.s();
        StatoGioco due = uno;
        const int a = uno.NumeroCartaGiocataDaPC == 1 ? 2 : 1, c = 6 - a - uno.NumeroCartaGiocataDaPC;
        if (mazzoFinito) {
            std::swap(due.Carta[a], due.Carta[c]);
        } else {
            // Another unseen card in the computer's hand, the stock shuffled otherwise.
            VistaDi(uno, Chi::H).Nascoste().PerOgni([&](CartaDaGioco x) {
                if (x != uno.Carta[a] && x != uno.Carta[c]) due.Carta[a] = x;
            });
            std::swap(due.CartaDaEstrarre[3], due.CartaDaEstrarre[30]);
        }
        ASSERT_NE(due.Carta[a], uno.Carta[a]);
        for (const auto& crea : giocatori) {
            const auto primo = crea(), secondo = crea();
            const bool privilegio = !mazzoFinito && primo->LeggeLaManoAvversaria();
            if (privilegio) continue;  // Mr. VELTO may read the computer's hand here
            EXPECT_FALSE(VistaPer(uno, Chi::H, *primo).manoAvversario);
            EXPECT_EQ(primo->Scegli(VistaPer(uno, Chi::H, *primo)), secondo->Scegli(VistaPer(due, Chi::H, *secondo))) << primo->Nome();
        }
    }
}

}  // namespace
}  // namespace mrvelto
