// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Posizioni.h"
#include "player/SceltaRisposta.h"

namespace mrvelto {
namespace {

// The answer to the human's card in slot 4 over three given convenience values; the 60-point
// filter is off so that the cascade alone decides.
struct Risposta {
    StatoGioco s;
    TabellePC tab;
    Risposta(std::array<std::string, 3> pc, std::array<std::string, 3> h, std::array<float, 3> conv)
        : s(test::ConMazzo('b', std::move(pc), std::move(h), 34, Chi::H, 4).stato) {
        for (int c = 1; c <= 3; ++c) tab.Convenienza[c].valore = conv[static_cast<std::size_t>(c - 1)];
        tab.Filtro60Punti = true;
    }
    int Scegli() {
        ValoreAggiuntivo(s, tab);
        return tab.CartaPCDaGiocare;
    }
};

TEST(SceltaRisposta, PlaysTheHighestConvenienceWhateverItsSuit) {
    Risposta r({"5d", "Ab", "7c"}, {"2s", "4s", "6s"}, {1.5f, 3.25f, -2});
    EXPECT_EQ(r.Scegli(), 2);
    EXPECT_EQ(r.tab.Convenienza[2].segno, Segno::Migliore);
    EXPECT_EQ(r.tab.Convenienza[1].segno, Segno::Nessuno);
    EXPECT_EQ(r.tab.Convenienza[2].spunta, Spunta::Briscola);  // a briscola
    EXPECT_EQ(r.tab.NumeroBriscole, 1);
}

TEST(SceltaRisposta, AmongBestBriscolePlaysTheLowest) {
    Risposta r({"Ab", "5b", "Cb"}, {"2s", "4s", "6s"}, {2, 2, 2});
    EXPECT_EQ(r.Scegli(), 2);
    EXPECT_EQ(r.tab.ContatoreRisposteMultiple, 3);
    EXPECT_EQ(r.tab.NumeroBriscole, 3);
}

TEST(SceltaRisposta, ABriscolaTiedWithOnePlainCardPlaysThePlainCard) {
    Risposta r({"2b", "Ad", "7c"}, {"2s", "4s", "6s"}, {2, 2, 0});
    EXPECT_EQ(r.Scegli(), 2);
}

TEST(SceltaRisposta, TiedPlainSuitsTheHumanLacksPlayTheLowerCard) {
    Risposta r({"Rd", "Cc", "7s"}, {"2s", "4s", "6s"}, {2, 2, 0});
    EXPECT_EQ(r.Scegli(), 2);
    EXPECT_EQ(r.tab.TotaliValoriAggiuntivi, 0);
    // Two aces tied: the highest Valore still gets a card, the first.
    Risposta assi({"Ad", "Ac", "7s"}, {"2b", "4b", "6b"}, {2, 2, 0});
    EXPECT_EQ(assi.Scegli(), 1);
}

TEST(SceltaRisposta, ACardTheHumanCanBeatInItsSuitIsPreferred) {
    // The human holds Ad over 5d: 5d's entry is red, 6s has none; 5d is played.
    Risposta r({"5d", "6s", "7c"}, {"2c", "Ad", "4c"}, {1, 1, 0});
    EXPECT_EQ(r.Scegli(), 1);
    EXPECT_EQ(r.tab.ValAgg[1].segno, Segno::Superata);
    EXPECT_EQ(r.tab.ValAgg[1].Valore(), -49);
    EXPECT_FALSE(r.tab.ValAgg[2].Piena());
    EXPECT_EQ(r.tab.TotaliRossi, 1);
}

TEST(SceltaRisposta, WithoutRedEntriesTheLastCardTheHumanCannotAnswerInSuitIsPlayed) {
    Risposta r({"5d", "6s", "7c"}, {"Fb", "4d", "3b"}, {1, 1, 1});
    EXPECT_EQ(r.Scegli(), 3);
    EXPECT_EQ(r.tab.ValAgg[1].segno, Segno::Supera);
    EXPECT_EQ(r.tab.ValAgg[1].Valore(), 9);
    EXPECT_EQ(r.tab.TotaliVerdi, 1);
}

TEST(SceltaRisposta, AllGreenPlaysTheSmallestSum) {
    Risposta r({"5d", "6s", "7c"}, {"Fb", "4d", "2s"}, {1, 1, 0});
    EXPECT_EQ(r.Scegli(), 2);
    EXPECT_EQ(r.tab.ValAgg[2].Valore(), 8);
}

TEST(SceltaRisposta, ABriscolaTiedWithTwoGreenCardsStillPlaysACard) {
    // No white entry to take: the fallback plays the green card of the smallest sum.
    Risposta r({"5d", "6s", "7b"}, {"Fc", "4d", "2s"}, {1, 1, 1});
    EXPECT_EQ(r.Scegli(), 2);
}

TEST(SceltaRisposta, TwoCardsOfTheSameSuitInTheHumansHandKeepTheSmallestValueAndTheLastColour) {
    Risposta a({"5d", "6s", "7c"}, {"2c", "4d", "Ad"}, {1, 1, 0});
    a.Scegli();
    EXPECT_EQ(a.tab.ValAgg[1].Valore(), -49);
    EXPECT_EQ(a.tab.ValAgg[1].segno, Segno::Superata);
    Risposta b({"5d", "6s", "7c"}, {"2c", "Ad", "4d"}, {1, 1, 0});
    b.Scegli();
    EXPECT_EQ(b.tab.ValAgg[1].Valore(), -49);
    EXPECT_EQ(b.tab.ValAgg[1].segno, Segno::Supera);
    EXPECT_EQ(b.tab.CartaPCDaGiocare, 2);  // no red entry: 6s, white, is played
}

TEST(SceltaRisposta, TheHumansLedCardIsNotCountedAmongItsSuitCards) {
    // The human led Ad (slot 4): it is on the table, not in hand, so 5d has no entry.
    Risposta r({"5d", "6s", "7c"}, {"Ad", "2c", "4c"}, {1, 1, 0});
    r.Scegli();
    EXPECT_FALSE(r.tab.ValAgg[1].Piena());
}

}  // namespace
}  // namespace mrvelto
