#include <gtest/gtest.h>

#include "Posizioni.h"
#include "player/PotenzialeCarte.h"

namespace mrvelto {
namespace {

using test::ConMazzo;

int Voce(const StatoGioco& s, const char* codice) { return std::stoi(s.PreseVirtuali[PosizioneNelMazzo(codice)].testo); }

// Runs the rating of one slot only, as CalcolaPotenzialeCarte does for it.
void ValutaSlot(StatoGioco& s, TabellePC& tab, int k) {
    for (auto& v : s.PreseVirtuali)
        if (v.coloreTesto != colore::Verde) v.coloreTesto = colore::Nero;
    s.NumeroCartaAnalizzata = k;
    if (k < 4) SegnaManoDelPC(s); else SegnaManoDiH(s);
    if (s.Seme[k] == s.SemeBriscola()) ValutaBriscola(s); else ValutaCartaNormale(s);
    CalcolaPotenziale(s, tab);
}

TEST(PotenzialeCarte, NonBriscolaKingRatesEveryCardOfTheDeck) {
    StatoGioco s = ConMazzo('b', {"Rd", "2s", "4s"}, {"5s", "6s", "7s"});
    TabellePC tab;
    ValutaSlot(s, tab, 1);
    EXPECT_EQ(Voce(s, "2c"), 4);   // a low card of a third suit
    EXPECT_EQ(Voce(s, "2d"), 4);   // a weaker card of its own suit
    EXPECT_EQ(Voce(s, "Cd"), 7);   // weaker, with points
    EXPECT_EQ(Voce(s, "3d"), -14); // stronger cards of its suit take
    EXPECT_EQ(Voce(s, "Ad"), -15);
    EXPECT_EQ(Voce(s, "Rd"), 0);   // itself
    EXPECT_EQ(Voce(s, "2b"), -4);  // any briscola takes
    EXPECT_EQ(Voce(s, "Ab"), -15);
    EXPECT_EQ(Voce(s, "As"), 15);  // an ace of another plain suit loses to the leader
}

TEST(PotenzialeCarte, BriscolaJackRatesEveryCardOfTheDeck) {
    StatoGioco s = ConMazzo('c', {"Fc", "2s", "4s"}, {"5s", "6s", "7s"});
    TabellePC tab;
    ValutaSlot(s, tab, 1);
    for (const char* basso : {"2d", "7s", "4c", "2c", "6b"}) EXPECT_EQ(Voce(s, basso), 2) << basso;
    EXPECT_EQ(Voce(s, "Cc"), -5);
    EXPECT_EQ(Voce(s, "Ac"), -13);
    EXPECT_EQ(Voce(s, "Ad"), 13);
    EXPECT_EQ(Voce(s, "Fc"), 0);
}

TEST(PotenzialeCarte, FirstDealAveragesOverThirtySevenUnseenCards) {
    StatoGioco s = ConMazzo('b', {"Rd", "2s", "Ab"}, {"5s", "6s", "3c"});
    TabellePC tab;
    CalcolaPotenzialeCarte(s, tab);
    ASSERT_EQ(tab.NumeroPrese, 37);
    // Slot 1, Rd: the sum over the 37 cards outside its own hand, recomputed here by the rule.
    float atteso = 0;
    for (int n = 1; n <= 40; ++n) {
        const std::string c = MazzoOrdinato()[n];
        if (c == "Rd" || c == "2s" || c == "Ab") continue;
        const int somma = 4 + PuntiDiCarta(c);
        const bool prende = c[1] == 'b' || (c[1] == 'd' && ValoreDiCarta(c) > 16);
        atteso += static_cast<float>(prende ? -somma : somma);
    }
    EXPECT_FLOAT_EQ(*tab.Potenziale[1], atteso / 37.0f);
    // The human's 3c counts the computer's cards too, not its own hand.
    EXPECT_EQ(tab.MediaValori, [&] {
        float m = 0;
        for (int n = 1; n <= 40; ++n) {
            const std::string c = MazzoOrdinato()[n];
            if (c == "5s" || c == "6s" || c == "3c") continue;
            const int somma = 10 + PuntiDiCarta(c);
            const bool prende = c[1] == 'b' || c == "Ac";
            m += static_cast<float>(prende ? -somma : somma);
        }
        return m;
    }());
    // Briscola ace: its average raised by 1.305; a plain card is not raised.
    TabellePC solo;
    StatoGioco t = s;
    ValutaSlot(t, solo, 3);
    EXPECT_EQ(*solo.Potenziale[3], solo.MediaValori / 37.0f * 1.305f);
}

TEST(PotenzialeCarte, PlayedCardsNeverCountAgainAndTheCardBeingAnsweredStillDoes) {
    // Stock 32: four cards played. The human has just led 3s (slot 4), not yet marked played.
    StatoGioco s = ConMazzo('b', {"Rd", "2s", "4s"}, {"3s", "6s", "7s"}, 32, Chi::H, 4, {"Ad", "3d", "Ab", "5c"});
    TabellePC tab;
    CalcolaPotenzialeCarte(s, tab);
    EXPECT_EQ(tab.NumeroPrese, 35);
    // Slot 1 (Rd) counts the 33 cards not played and not in its hand, among them the human's 3s.
    float atteso = 0;
    for (int n = 1; n <= 40; ++n) {
        const std::string c = MazzoOrdinato()[n];
        if (c == "Rd" || c == "2s" || c == "4s" || c == "Ad" || c == "3d" || c == "Ab" || c == "5c") continue;
        const int somma = 4 + PuntiDiCarta(c);
        atteso += static_cast<float>(c[1] == 'b' ? -somma : somma);
    }
    TabellePC uno;
    StatoGioco t = s;
    ValutaSlot(t, uno, 1);
    EXPECT_EQ(uno.MediaValori, atteso);
    // The played marks survive the rating of every slot.
    for (const char* c : {"Ad", "3d", "Ab", "5c"}) EXPECT_EQ(s.PreseVirtuali[PosizioneNelMazzo(c)].coloreTesto, colore::Verde);
    EXPECT_EQ(s.PreseVirtuali[PosizioneNelMazzo("3s")].coloreTesto, colore::Rosso);  // in H's hand, rated last
}

TEST(PotenzialeCarte, ANewGameForgetsTheCardsOfThePreviousOne) {
    StatoGioco s = ConMazzo('b', {"Rd", "2s", "4s"}, {"3s", "6s", "7s"});
    for (auto& v : s.PreseVirtuali) v.coloreTesto = colore::Verde;  // all played last game
    s.PreseVirtuali[1].colore = colore::Giallo;                      // last game's briscola suit
    TabellePC tab;
    CalcolaPotenzialeCarte(s, tab);
    EXPECT_EQ(tab.NumeroPrese, 37);
    EXPECT_NE(tab.MediaValori, 0.0f);
    EXPECT_EQ(s.PreseVirtuali[1].colore, colore::Bianco);
    EXPECT_EQ(s.PreseVirtuali[31].colore, colore::Giallo);
}

TEST(PotenzialeCarte, PuntiPotenzialiAreTheCardPoints) {
    StatoGioco s = ConMazzo('b', {"Ad", "3s", "Rc"}, {"Cb", "Fd", "7s"});
    TabellePC tab;
    CalcolaPuntiPotenziali(s, tab);
    const float attesi[] = {11, 10, 4, 3, 2, 0};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(*tab.PuntiPotenziali[k], attesi[k - 1]);
}

}  // namespace
}  // namespace mrvelto

namespace mrvelto {
namespace {

TEST(PotenzialeCarte, OnTheFirstTrickACardAnsweredAfterItsMovementStaysPlayed) {
    // With the card animation on, the game marks the human's card before the answer is analysed.
    StatoGioco s = test::ConMazzo('b', {"Rd", "2s", "4s"}, {"3s", "6s", "7s"}, 34, Chi::H, 4);
    s.PreseVirtuali[PosizioneNelMazzo("3s")].coloreTesto = colore::Verde;
    s.PreseVirtuali[PosizioneNelMazzo("Ac")].coloreTesto = colore::Verde;  // stale, last game
    TabellePC tab;
    CalcolaPotenzialeCarte(s, tab);
    EXPECT_EQ(s.PreseVirtuali[PosizioneNelMazzo("3s")].coloreTesto, colore::Verde);
    EXPECT_NE(s.PreseVirtuali[PosizioneNelMazzo("Ac")].coloreTesto, colore::Verde);
}

}  // namespace
}  // namespace mrvelto
