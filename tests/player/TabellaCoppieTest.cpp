// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Posizioni.h"
#include "player/PotenzialeCarte.h"
#include "player/TabellaCoppie.h"

namespace mrvelto {
namespace {

using test::ConMazzo;

TEST(TabellaCoppie, LeadingWithTwoBriscoleAgainstPlainCardsTakesTheirSixPairs) {
    auto [s, tab] = ConMazzo('c', {"2c", "Ac", "Rd"}, {"3s", "As", "3d"}, 20, Chi::PC, 0,
                             {"2d", "4d", "5d", "6d", "7d", "2s", "4s", "5s", "6s", "7s", "2b", "4b", "5b", "6b"}, 10, 20);
    CalcolaPuntiPotenziali(s, tab);
    AnalizzaInizioPC(s, tab);
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(tab.TotaliNormali[k].segno, Segno::Nessuno) << k;
    EXPECT_EQ(tab.TotaliNormali[2].Valore(), 10 + 11);      // 2c takes As: the computer's total
    EXPECT_EQ(tab.TotaliNormali[9].Valore(), 20 + 4 + 10);  // Rd under 3d: the human takes, its total
    EXPECT_EQ(tab.TotaliNormali[9].segno, Segno::VinceUmano);
    EXPECT_EQ(tab.TotaliNormali[7].segno, Segno::Nessuno);  // Rd led on 3s: different suits, leader takes
    EXPECT_EQ(tab.ContatoreCaselle, 10);
}

TEST(TabellaCoppie, ConvenienceAddsTheLosersBonus) {
    auto [s, tab] = ConMazzo('c', {"2c", "Ac", "Rd"}, {"3s", "As", "Cc"});
    CalcolaPuntiPotenziali(s, tab);
    AnalizzaInizioPC(s, tab);
    const auto& pot = tab.Potenziale;
    // Pair 2 (2c takes As): T = 0 + 11, bonus = the plain ace's points.
    EXPECT_EQ(tab.TotaliPotenziali[2].Valore(), 11.0f);
    EXPECT_EQ(tab.Convenienza[2].Valore(), 11.0f - *pot[1] + 11.0f);
    // Pair 3 (2c under Cc): the human takes; the bonus is the losing briscola 2's.
    EXPECT_EQ(tab.Convenienza[3].Valore(), -(3.0f - *pot[6] + 1.538462f));
    // Pair 6 (Ac takes Cc): the losing briscola C's bonus.
    EXPECT_EQ(tab.Convenienza[6].Valore(), 14.0f - *pot[2] + 4.256410f);
    // Pair 7 (Rd on 3s, different plain suits): the leader takes.
    EXPECT_EQ(tab.Convenienza[7].Valore(), 14.0f - *pot[3] + 10.0f);
    EXPECT_EQ(BonusBriscola(44), 13.794872f);
    EXPECT_EQ(BonusBriscola(40), 11.743590f);
    EXPECT_EQ(BonusBriscola(16), 5.487179f);
    EXPECT_EQ(BonusBriscola(8), 3.179487f);
    EXPECT_EQ(BonusBriscola(7), 1.538462f);
}

TEST(TabellaCoppie, AnsweringAPlainCardWithAnotherPlainSuitGivesTheTrickToTheHuman) {
    auto [s, tab] = ConMazzo('b', {"As", "2d", "Ab"}, {"4c", "6s", "7s"}, 34, Chi::H, 4);
    CalcolaPuntiPotenziali(s, tab);
    AnalizzaRispostaPC(s, tab);
    EXPECT_EQ(tab.TotaliNormali[1].segno, Segno::VinceUmano);
    EXPECT_EQ(tab.TotaliNormali[1].Valore(), 11);
    EXPECT_EQ(tab.Convenienza[1].Valore(), -(11.0f - *tab.Potenziale[4] + 11.0f));
    EXPECT_EQ(tab.TotaliNormali[3].segno, Segno::Nessuno);  // the briscola takes
    EXPECT_EQ(tab.Convenienza[3].Valore(), 11.0f - *tab.Potenziale[3] + 0.0f);
    for (int k = 4; k <= 9; ++k) EXPECT_FALSE(tab.Convenienza[k].Piena());
}

TEST(TabellaCoppie, ResetClearsTheTrickButKeepsPlayedMarks) {
    auto [s, tab] = ConMazzo('b', {"As", "2d", "Ab"}, {"4c", "6s", "7s"}, 32, Chi::PC, 0, {"2c", "2s", "2b", "4b"});
    CalcolaPuntiPotenziali(s, tab);
    AnalizzaInizioPC(s, tab);
    tab.ValAgg[2].valore = 5;
    AzzeraTabelleAnalisi(tab);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_FALSE(tab.Convenienza[k].Piena());
        EXPECT_EQ(tab.TotaliNormali[k].segno, Segno::Nessuno);
    }
    EXPECT_FALSE(tab.ValAgg[2].Piena());
    EXPECT_EQ(tab.PreseVirtuali[PosizioneNelMazzo("2c")].stato, StatoCarta::Giocata);
    EXPECT_EQ(tab.PreseVirtuali[PosizioneNelMazzo("As")].stato, StatoCarta::NonVista);
    for (const VocePresa& v : tab.PreseVirtuali) EXPECT_FALSE(v.punti.has_value());
}

}  // namespace
}  // namespace mrvelto
