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

TEST(CartaDaGioco, UsableAtCompileTimeOrderedAsTheDeckAndPrintedAsItsCode) {
    static_assert(sizeof(CartaDaGioco) == 1);
    static_assert(CartaDaGioco::DaCodice("Ab").Valore() == 44);
    static_assert(CartaDaGioco::DaCodice("Fc").Codice() == "Fc");
    static_assert(CartaDaGioco::DaCodice("3s").Seme() == 's');
    static_assert(CartaDaGioco::DaCodice("xx").Vuota());
    EXPECT_LT(CartaDaGioco::DaCodice("Ad"), CartaDaGioco::DaCodice("2s"));
    EXPECT_LT(CartaDaGioco{}, CartaDaGioco::DaCodice("2d"));
    std::ostringstream os;
    os << CartaDaGioco::DaCodice("Rb") << ' ' << CartaDaGioco{};
    EXPECT_EQ(os.str(), "Rb -");
}

EsitoPresa Presa(Chi leader, std::string_view pc, std::string_view h, char briscola) {
    return DecidiPresa(leader, CartaDaGioco::DaCodice(pc), CartaDaGioco::DaCodice(h), briscola);
}

// Each row: leader, computer's card, human's card, briscola suit, winner, points.
TEST(Presa, SuitBriscolaAndValoreDecideTheTrick) {
    struct Caso {
        const char *pc, *h;
        char briscola;
        Chi vincitore;  // with the leader given; a leader-dependent row has Chi::Nessuno
        int punti;
    };
    const Caso casi[] = {
        {"2d", "Ab", 'c', Chi::Nessuno, 11},  // different plain suits go to the leader
        {"Ab", "2d", 'c', Chi::Nessuno, 11},
        {"7d", "Fd", 's', Chi::H, 2},         // same suit: higher Valore, whoever led
        {"Fd", "7d", 's', Chi::PC, 2},
        {"3d", "Rd", 's', Chi::PC, 14},       // 3 beats the king
        {"3d", "Ad", 's', Chi::H, 21},
        {"2b", "4b", 'b', Chi::H, 0},         // both briscola: the same comparison
        {"Ab", "3b", 'b', Chi::PC, 21},
        {"Ab", "2c", 'c', Chi::H, 11},        // briscola beats any plain card
        {"2c", "Ab", 'c', Chi::PC, 11},
        {"2d", "4d", 's', Chi::H, 0},         // a worthless trick still has a winner
    };
    for (const Caso& c : casi)
        for (Chi leader : {Chi::H, Chi::PC}) {
            const auto esito = Presa(leader, c.pc, c.h, c.briscola);
            EXPECT_EQ(esito.vincitore, c.vincitore == Chi::Nessuno ? leader : c.vincitore) << c.pc << ' ' << c.h;
            EXPECT_EQ(esito.punti, c.punti) << c.pc << ' ' << c.h;
        }
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
