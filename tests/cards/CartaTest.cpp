// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cards/Carta.h"

namespace mrvelto {
namespace {

// The object and the code-string helpers agree on every card; the deck holds 120 points.
TEST(CartaDaGioco, EveryCardOfTheDeckInOrder) {
    const int valori[] = {2, 4, 5, 6, 7, 8, 12, 16, 40, 44};
    const int punti[] = {0, 0, 0, 0, 0, 2, 3, 4, 10, 11};
    int posizione = 0, totale = 0;
    for (char seme : {'d', 's', 'c', 'b'})
        for (int r = 0; r < 10; ++r) {
            ++posizione;
            const std::string codice{"24567FCR3A"[r], seme};
            const CartaDaGioco c = CartaDaGioco::DaCodice(codice);
            EXPECT_EQ(c.Posizione(), posizione) << codice;
            EXPECT_EQ(c, CartaDaGioco::DaPosizione(posizione)) << codice;
            EXPECT_EQ(c.Codice(), codice);
            EXPECT_EQ(c.Seme(), seme) << codice;
            EXPECT_EQ(c.Valore(), valori[r]) << codice;
            EXPECT_EQ(c.Punti(), punti[r]) << codice;
            EXPECT_FALSE(c.Vuota()) << codice;
            EXPECT_TRUE(static_cast<bool>(c)) << codice;
            EXPECT_EQ(MazzoOrdinato()[posizione], codice);
            EXPECT_EQ(PosizioneNelMazzo(codice), posizione);
            EXPECT_EQ(ValoreDiCarta(codice), valori[r]) << codice;
            totale += PuntiDiCarta(codice);
        }
    EXPECT_EQ(totale, 120);
}

TEST(CartaDaGioco, NoCardIsEmptyInEveryRespect) {
    for (const CartaDaGioco c : {CartaDaGioco{}, CartaDaGioco::DaPosizione(0), CartaDaGioco::DaPosizione(41),
                                 CartaDaGioco::DaPosizione(-1), CartaDaGioco::DaPosizione(256 + 1)}) {
        EXPECT_TRUE(c.Vuota());
        EXPECT_FALSE(static_cast<bool>(c));
        EXPECT_EQ(c.Posizione(), 0);
        EXPECT_EQ(c.Seme(), '\0');
        EXPECT_EQ(c.Valore(), 0);
        EXPECT_EQ(c.Punti(), 0);
        EXPECT_TRUE(c.Codice().empty());
        EXPECT_EQ(c, CartaDaGioco{});
    }
    for (const char* codice : {"", "A", "Adx", "1d", "Ax", "ad", "dA", "d2"}) {
        EXPECT_TRUE(CartaDaGioco::DaCodice(codice).Vuota()) << codice;
        EXPECT_FALSE(CodiceValido(codice)) << codice;
        EXPECT_EQ(ValoreDiCarta(codice), 0) << codice;
        EXPECT_EQ(PosizioneNelMazzo(codice), 0) << codice;
    }
}

TEST(CartaDaGioco, UsableAtCompileTimeAndOrderedAsTheDeck) {
    static_assert(sizeof(CartaDaGioco) == 1);
    static_assert(CartaDaGioco::DaCodice("Ab").Valore() == 44);
    static_assert(CartaDaGioco::DaCodice("Fc").Codice() == "Fc");
    static_assert(CartaDaGioco::DaCodice("3s").Seme() == 's');
    static_assert(CartaDaGioco::DaCodice("xx").Vuota());
    EXPECT_LT(CartaDaGioco::DaCodice("Ad"), CartaDaGioco::DaCodice("2s"));
    EXPECT_LT(CartaDaGioco{}, CartaDaGioco::DaCodice("2d"));
    EXPECT_NE(CartaDaGioco::DaCodice("Ad"), CartaDaGioco::DaCodice("As"));
}

TEST(CartaDaGioco, PrintsItsCode) {
    std::ostringstream os;
    os << CartaDaGioco::DaCodice("Rb") << ' ' << CartaDaGioco{};
    EXPECT_EQ(os.str(), "Rb -");
}

EsitoPresa Presa(Chi leader, std::string_view pc, std::string_view h, char briscola) {
    return DecidiPresa(leader, CartaDaGioco::DaCodice(pc), CartaDaGioco::DaCodice(h), briscola);
}

TEST(Presa, DifferentPlainSuitsGoToTheLeader) {
    EXPECT_EQ(Presa(Chi::PC, "2d", "Ab", 'c').vincitore, Chi::PC);
    EXPECT_EQ(Presa(Chi::H, "2d", "Ab", 'c').vincitore, Chi::H);
    EXPECT_EQ(Presa(Chi::H, "Ab", "2d", 'c').vincitore, Chi::H);
    EXPECT_EQ(Presa(Chi::H, "Ab", "2d", 'c').punti, 11);
}

TEST(Presa, SameSuitHigherValoreWinsWhoeverLed) {
    for (Chi leader : {Chi::H, Chi::PC}) {
        EXPECT_EQ(Presa(leader, "7d", "Fd", 's').vincitore, Chi::H);
        EXPECT_EQ(Presa(leader, "Fd", "7d", 's').vincitore, Chi::PC);
        EXPECT_EQ(Presa(leader, "3d", "Rd", 's').vincitore, Chi::PC);  // 3 beats the king
        EXPECT_EQ(Presa(leader, "3d", "Ad", 's').vincitore, Chi::H);
        // Both briscola: the same comparison.
        EXPECT_EQ(Presa(leader, "2b", "4b", 'b').vincitore, Chi::H);
        EXPECT_EQ(Presa(leader, "Ab", "3b", 'b').vincitore, Chi::PC);
    }
    EXPECT_EQ(Presa(Chi::H, "7d", "Fd", 's').punti, 2);
}

TEST(Presa, BriscolaBeatsAnyPlainCard) {
    for (Chi leader : {Chi::H, Chi::PC}) {
        EXPECT_EQ(Presa(leader, "Ab", "2c", 'c').vincitore, Chi::H);
        EXPECT_EQ(Presa(leader, "2c", "Ab", 'c').vincitore, Chi::PC);
    }
    EXPECT_EQ(Presa(Chi::PC, "Ab", "2c", 'c').punti, 11);
}

TEST(Presa, WorthlessTrickStillHasAWinner) {
    const auto esito = Presa(Chi::PC, "2d", "4d", 's');
    EXPECT_EQ(esito.punti, 0);
    EXPECT_EQ(esito.vincitore, Chi::H);
}

TEST(Presa, NoTieWithinASuitAndPointsAlwaysSum) {
    // Every ordered pair of distinct cards: the winner is one side, same-suit pairs go to the
    // higher Valore, and the points are the two cards' points.
    const auto& mazzo = MazzoOrdinato();
    for (char briscola : std::string_view("dscb"))
        for (int i = 1; i <= 40; ++i)
            for (int j = 1; j <= 40; ++j) {
                if (i == j) continue;
                const auto esito = Presa(Chi::PC, mazzo[i], mazzo[j], briscola);
                EXPECT_EQ(esito.punti, PuntiDiCarta(mazzo[i]) + PuntiDiCarta(mazzo[j]));
                if (SemeDiCarta(mazzo[i]) == SemeDiCarta(mazzo[j])) {
                    EXPECT_EQ(esito.vincitore, ValoreDiCarta(mazzo[i]) > ValoreDiCarta(mazzo[j]) ? Chi::PC : Chi::H);
                }
            }
}

}  // namespace
}  // namespace mrvelto
