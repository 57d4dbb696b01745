// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "BancoDiProva.h"
#include "game/VistaGiocatore.h"

namespace mrvelto {
namespace {

// Mid-game, the human to play after Mr. VELTO led: what each seat sees, and what it must not.
TEST(VistaGiocatore, HiddenCardsNeverReachAViewWithoutThePrivilege) {
    test::Banco b(5);
    b.tavolo.Avvia();
    ASSERT_TRUE(b.Fino([&] {
        const StatoGioco& s = b.s();
        return s.PuoiGiocare && s.AChiTocca == Chi::H && s.TurnoDiGioco == Chi::PC && s.NumeroCartaGiocataDaPC != 0 &&
               s.NumeroCarteRimaste <= 20 && s.NumeroCarteRimaste > 2;
    }));
    const StatoGioco uno = b.s();
    const VistaGiocatore v = VistaDi(uno, Chi::H);
    EXPECT_EQ(v.giocate.Conta(), 2 * (uno.Manche - 1) + 1);
    EXPECT_EQ(v.inTavola, uno.Carta[uno.NumeroCartaGiocataDaPC]);
    EXPECT_EQ(v.Nascoste().Conta(), 2 + uno.NumeroCarteRimaste - 1);  // two in Mr. VELTO's hand, the covered stock
    EXPECT_FALSE(v.manoAvversario);

    // The same table with another card in Mr. VELTO's hand and the stock shuffled otherwise.
    StatoGioco due = uno;
    const int slot = uno.NumeroCartaGiocataDaPC == 1 ? 2 : 1;
    CartaDaGioco altra;
    v.Nascoste().PerOgni([&](CartaDaGioco c) {
        if (!altra && c != uno.Carta[slot] && c != uno.Carta[6 - slot - uno.NumeroCartaGiocataDaPC]) altra = c;
    });
    ASSERT_TRUE(altra);
    due.Carta[slot] = altra;
    std::swap(due.CartaDaEstrarre[3], due.CartaDaEstrarre[30]);
    EXPECT_EQ(VistaDi(due, Chi::H), v);
    // Mr. VELTO's privileged read does tell them apart.
    EXPECT_NE(VistaDi(due, Chi::H, true), VistaDi(uno, Chi::H, true));
    // The flow grants it only to the player that reads the other hand, and only while the stock lasts.
    struct Lettore : test::GiocatorePCSpia {
        bool LeggeLaManoAvversaria() const override { return true; }
    } lettore;
    EXPECT_EQ(VistaPer(uno, Chi::H, lettore), VistaDi(uno, Chi::H, true));
    EXPECT_EQ(VistaPer(uno, Chi::H, b.pc), v);
    StatoGioco finito = uno;
    finito.NumeroCarteRimaste = 0;
    EXPECT_FALSE(VistaPer(finito, Chi::PC, lettore).manoAvversario);
}

}  // namespace
}  // namespace mrvelto
