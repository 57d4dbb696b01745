// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Posizioni.h"
#include "player/PotenzialeCarte.h"

namespace mrvelto {
namespace {

using test::ConMazzo;

int Voce(const TabellePC& tab, const char* codice) { return tab.PreseVirtuali[PosizioneNelMazzo(codice)].punti.value(); }
StatoCarta Stato(const TabellePC& tab, const char* codice) { return tab.PreseVirtuali[PosizioneNelMazzo(codice)].stato; }

// Runs the rating of one slot only, as CalcolaPotenzialeCarte does for it.
void ValutaSlot(const StatoGioco& s, TabellePC& tab, int k) {
    for (auto& v : tab.PreseVirtuali)
        if (v.stato != StatoCarta::Giocata) v.stato = StatoCarta::NonVista;
    if (k < 4) SegnaManoDelPC(s, tab); else SegnaManoDiH(s, tab);
    if (s.Carta[k].Seme() == s.SemeBriscola()) ValutaBriscola(s, tab, k); else ValutaCartaNormale(s, tab, k);
    CalcolaPotenziale(s, tab, k);
}

// The rule summed over every card not in `fuori`: a card that takes costs the rated card's `valore`
// plus its own points, one that does not take earns them.
template <typename Prende>
float PerRegola(std::initializer_list<std::string_view> fuori, int valore, Prende prende) {
    float somma = 0;
    for (int n = 1; n <= 40; ++n) {
        const std::string c = MazzoOrdinato()[n];
        if (std::find(fuori.begin(), fuori.end(), c) != fuori.end()) continue;
        somma += static_cast<float>((prende(c) ? -1 : 1) * (valore + PuntiDiCarta(c)));
    }
    return somma;
}

TEST(PotenzialeCarte, NonBriscolaKingRatesEveryCardOfTheDeck) {
    auto [s, tab] = ConMazzo('b', {"Rd", "2s", "4s"}, {"5s", "6s", "7s"});
    ValutaSlot(s, tab, 1);
    EXPECT_EQ(Voce(tab, "2c"), 4);   // a low card of a third suit
    EXPECT_EQ(Voce(tab, "2d"), 4);   // a weaker card of its own suit
    EXPECT_EQ(Voce(tab, "Cd"), 7);   // weaker, with points
    EXPECT_EQ(Voce(tab, "3d"), -14); // stronger cards of its suit take
    EXPECT_EQ(Voce(tab, "Ad"), -15);
    EXPECT_EQ(Voce(tab, "Rd"), 0);   // itself
    EXPECT_EQ(Voce(tab, "2b"), -4);  // any briscola takes
    EXPECT_EQ(Voce(tab, "Ab"), -15);
    EXPECT_EQ(Voce(tab, "As"), 15);  // an ace of another plain suit loses to the leader
}

TEST(PotenzialeCarte, BriscolaJackRatesEveryCardOfTheDeck) {
    auto [s, tab] = ConMazzo('c', {"Fc", "2s", "4s"}, {"5s", "6s", "7s"});
    ValutaSlot(s, tab, 1);
    for (const char* basso : {"2d", "7s", "4c", "2c", "6b"}) EXPECT_EQ(Voce(tab, basso), 2) << basso;
    EXPECT_EQ(Voce(tab, "Cc"), -5);
    EXPECT_EQ(Voce(tab, "Ac"), -13);
    EXPECT_EQ(Voce(tab, "Ad"), 13);
    EXPECT_EQ(Voce(tab, "Fc"), 0);
}

TEST(PotenzialeCarte, FirstDealAveragesOverThirtySevenUnseenCards) {
    auto [s, tab] = ConMazzo('b', {"Rd", "2s", "Ab"}, {"5s", "6s", "3c"});
    CalcolaPotenzialeCarte(s, tab);
    ASSERT_EQ(tab.NumeroPrese, 37);
    // Slot 1, Rd: the sum over the 37 cards outside its own hand, recomputed here by the rule.
    const float atteso = PerRegola({"Rd", "2s", "Ab"}, 4, [](const std::string& c) {
        return c[1] == 'b' || (c[1] == 'd' && ValoreDiCarta(c) > 16);
    });
    EXPECT_FLOAT_EQ(*tab.Potenziale[1], atteso / 37.0f);
    // The human's 3c counts the computer's cards too, not its own hand.
    EXPECT_EQ(tab.MediaValori, PerRegola({"5s", "6s", "3c"}, 10, [](const std::string& c) { return c[1] == 'b' || c == "Ac"; }));
    // Briscola ace: its average raised by 1.305; a plain card is not raised.
    TabellePC solo = tab;
    ValutaSlot(s, solo, 3);
    EXPECT_EQ(*solo.Potenziale[3], solo.MediaValori / 37.0f * 1.305f);
}

TEST(PotenzialeCarte, PlayedCardsNeverCountAgainAndTheCardBeingAnsweredStillDoes) {
    // Stock 32: four cards played. The human has just led 3s (slot 4), not yet marked played.
    auto [s, tab] = ConMazzo('b', {"Rd", "2s", "4s"}, {"3s", "6s", "7s"}, 32, Chi::H, 4, {"Ad", "3d", "Ab", "5c"});
    CalcolaPotenzialeCarte(s, tab);
    EXPECT_EQ(tab.NumeroPrese, 35);
    // Slot 1 (Rd) counts the 33 cards not played and not in its hand, among them the human's 3s.
    TabellePC uno = tab;
    ValutaSlot(s, uno, 1);
    EXPECT_EQ(uno.MediaValori,
              PerRegola({"Rd", "2s", "4s", "Ad", "3d", "Ab", "5c"}, 4, [](const std::string& c) { return c[1] == 'b'; }));
    // The played marks survive the rating of every slot.
    for (const char* c : {"Ad", "3d", "Ab", "5c"}) EXPECT_EQ(Stato(tab, c), StatoCarta::Giocata);
    EXPECT_EQ(Stato(tab, "3s"), StatoCarta::InMano);  // in H's hand, rated last
}

// A new game forgets the previous one's marks; on the first trick, with the card animation on,
// the game marks the human's card before the answer is analysed, and that mark stays.
TEST(PotenzialeCarte, ANewGameForgetsThePreviousOneButKeepsTheCardBeingAnswered) {
    auto [s, tab] = ConMazzo('b', {"Rd", "2s", "4s"}, {"3s", "6s", "7s"});
    for (auto& v : tab.PreseVirtuali) v.stato = StatoCarta::Giocata;  // all played last game
    tab.PreseVirtuali[1].briscola = true;                              // last game's briscola suit
    CalcolaPotenzialeCarte(s, tab);
    EXPECT_EQ(tab.NumeroPrese, 37);
    EXPECT_NE(tab.MediaValori, 0.0f);
    EXPECT_FALSE(tab.PreseVirtuali[1].briscola);
    EXPECT_TRUE(tab.PreseVirtuali[31].briscola);

    auto [r, risposta] = ConMazzo('b', {"Rd", "2s", "4s"}, {"3s", "6s", "7s"}, 34, Chi::H, 4);
    risposta.PreseVirtuali[PosizioneNelMazzo("3s")].stato = StatoCarta::Giocata;
    risposta.PreseVirtuali[PosizioneNelMazzo("Ac")].stato = StatoCarta::Giocata;  // stale, last game
    CalcolaPotenzialeCarte(r, risposta);
    EXPECT_EQ(Stato(risposta, "3s"), StatoCarta::Giocata);
    EXPECT_NE(Stato(risposta, "Ac"), StatoCarta::Giocata);
}

// The whole rating in one pass must leave exactly what rating the slots one by one leaves, float
// sums included, whatever the marks: played cards, briscola marks that disagree with the
// briscola card, empty slots.
TEST(PotenzialeCarte, TheOnePassRatingEqualsTheSlotBySlotRating) {
    std::mt19937 gen(5);
    std::vector<std::string> mazzo(MazzoOrdinato().begin(), MazzoOrdinato().end());
    for (int prova = 0; prova < 3000; ++prova) {
        std::shuffle(mazzo.begin(), mazzo.end(), gen);
        StatoGioco s;
        for (int k = 1; k <= 7; ++k) s.Metti(k, mazzo[static_cast<std::size_t>(k)]);
        if (prova % 7 == 0) s.Svuota(1 + static_cast<int>(gen() % 6));
        s.NumeroCarteRimaste = 1 + static_cast<int>(gen() % 33);
        TabellePC tab;
        PreparaPreseVirtuali(s, tab);
        for (int n = 1; n <= 40; ++n) {
            if (gen() % 4 == 0) tab.PreseVirtuali[n].stato = StatoCarta::Giocata;
            if (prova % 11 == 0) tab.PreseVirtuali[n].briscola = gen() % 2 == 0;
            if (gen() % 3 == 0) tab.PreseVirtuali[n].punti = static_cast<int>(gen() % 31) - 15;
        }
        TabellePC attesa = tab;
        for (int k = 1; k <= 6; ++k) ValutaSlot(s, attesa, k);
        CalcolaPotenzialeCarte(s, tab);
        ASSERT_EQ(tab.PreseVirtuali, attesa.PreseVirtuali) << "prova " << prova;
        ASSERT_EQ(tab.Potenziale, attesa.Potenziale) << "prova " << prova;
        ASSERT_EQ(tab.MediaValori, attesa.MediaValori) << "prova " << prova;
        ASSERT_EQ(tab.NumeroPrese, attesa.NumeroPrese) << "prova " << prova;
    }
}

}  // namespace
}  // namespace mrvelto
