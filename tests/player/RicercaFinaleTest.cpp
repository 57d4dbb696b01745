// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <vector>

#include "Posizioni.h"
#include "player/DecisionePC.h"
#include "player/RicercaPenultima.h"
#include "player/RicercaTerzultima.h"
#include "support/MinimaxBruto.h"

namespace mrvelto {
namespace {

// The shared plain minimax, as the engine counts: the computer's minus the human's points over the
// tricks left, in Valori (four per point). `sua` is the human's led card, when there is one.
int Esatto(char briscola, const std::vector<std::string>& pc, const std::vector<std::string>& h, const std::string& mia,
           const std::string& sua = "") {
    VistaGiocatore v;
    v.briscola = CartaDaGioco::DaCodice(std::string("2") + briscola);
    std::vector<CartaDaGioco> sue;
    int totale = 0;
    for (std::size_t i = 0; i < pc.size(); ++i) v.mano[i] = CartaDaGioco::DaCodice(pc[i]);
    for (const auto& c : h) (c == sua ? v.inTavola : sue.emplace_back()) = CartaDaGioco::DaCodice(c);
    for (const auto* m : {&pc, &h})
        for (const auto& c : *m) totale += PuntiDiCarta(c);
    return 4 * (2 * test::ValoreBruto(v, sue, CartaDaGioco::DaCodice(mia)) - totale);
}

struct Finale {
    char briscola;
    std::array<std::string, 3> pc, h;
    std::vector<std::string> giocate;
};

Finale FinaleACaso(std::mt19937& gen, int perMano) {
    std::vector<std::string> mazzo(MazzoOrdinato().begin(), MazzoOrdinato().end());
    std::shuffle(mazzo.begin(), mazzo.end(), gen);
    Finale f;
    f.briscola = kSemi[gen() % 4];
    for (int i = 0; i < perMano; ++i) {
        f.pc[static_cast<std::size_t>(i)] = mazzo[static_cast<std::size_t>(i)];
        f.h[static_cast<std::size_t>(i)] = mazzo[static_cast<std::size_t>(3 + i)];
    }
    f.giocate.assign(mazzo.begin() + 6, mazzo.end());
    return f;
}

std::vector<std::string> Mano(const std::array<std::string, 3>& m) {
    std::vector<std::string> v;
    for (const auto& c : m)
        if (!c.empty()) v.push_back(c);
    return v;
}

CasoConSeme Caso(std::uint64_t seme) { return CasoConSeme(seme, [] { return OraMinSec{7, 31}; }); }

TEST(RicercaTerzultima, WorstCaseOfEveryLeadMatchesMinimax) {
    std::mt19937 gen(11);
    auto caso = Caso(1);
    for (int prova = 0; prova < 3000; ++prova) {
        const Finale f = FinaleACaso(gen, 3);
        auto [s, tab] = test::ConMazzo(f.briscola, f.pc, f.h, 0, Chi::PC, 0, f.giocate);
        TerzultimaGiocataIniziaPC(s, tab);
        AnalisiSecondoLivello(s, tab, caso);
        int migliore = -1000;
        for (int i = 1; i <= 3; ++i) {
            const int atteso = Esatto(f.briscola, Mano(f.pc), Mano(f.h), f.pc[static_cast<std::size_t>(i - 1)]);
            ASSERT_EQ(tab.Peggiore[i].Valore(), atteso) << "prova " << prova << " carta " << i;
            migliore = std::max(migliore, atteso);
        }
        ASSERT_EQ(tab.RisultatoMigliore, migliore);
        ASSERT_EQ(tab.Peggiore[tab.CartaPCDaGiocare].Valore(), migliore);
        ASSERT_EQ(tab.ContatorePrimoLivello, 1);
        ASSERT_EQ(tab.ContatoreSecondoLivello, 1);
    }
}

TEST(RicercaTerzultima, WorstCaseOfEveryAnswerMatchesMinimaxAndIgnoresTheHumansOtherCards) {
    std::mt19937 gen(12);
    auto caso = Caso(2);
    for (int prova = 0; prova < 3000; ++prova) {
        const Finale f = FinaleACaso(gen, 3);
        const int giocata = 4 + static_cast<int>(gen() % 3);
        auto [s, tab] = test::ConMazzo(f.briscola, f.pc, f.h, -1, Chi::H, giocata, f.giocate);
        TerzultimaGiocataRispondePC(s, tab);
        AnalisiSecondoLivelloBis(s, tab, caso);
        const std::string& carta = f.h[static_cast<std::size_t>(giocata - 4)];
        for (int i = 1; i <= 3; ++i) {
            const int atteso = Esatto(f.briscola, Mano(f.pc), Mano(f.h), f.pc[static_cast<std::size_t>(i - 1)], carta);
            ASSERT_EQ(tab.Peggiore[i].Valore(), atteso) << "prova " << prova << " carta " << i;
        }
        ASSERT_EQ(tab.Peggiore[tab.CartaPCDaGiocare].Valore(), tab.RisultatoMigliore);
        for (int k = 4; k <= 9; ++k) ASSERT_FALSE(tab.PrimoLivello[k].Piena());
    }
}

TEST(RicercaTerzultima, ALeafWhereTheComputerTakesAllHasTheSumOfTheSixCards) {
    // Three briscole against three plain cards: every leaf is taken by the computer.
    auto [s, tab] = test::ConMazzo('b', {"Ab", "3b", "Rb"}, {"Ad", "3s", "Cc"}, 0, Chi::PC, 0, {});
    auto caso = Caso(3);
    TerzultimaGiocataIniziaPC(s, tab);
    AnalisiSecondoLivello(s, tab, caso);
    for (int z = 1; z <= 36; ++z) EXPECT_EQ(tab.SecondoLivello[z].Valore(), 44 + 40 + 16 + 44 + 40 + 12);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(tab.Peggiore[i].segno, Segno::Migliore);
}

// With no card worth points every leaf is 0, so every choice in the search is a tie: the follower
// keeps the second leaf of each pair and the leader the later of the two kept.
TEST(RicercaTerzultima, TiesKeepTheLaterLeafWhoeverLeads) {
    auto caso = Caso(7);
    auto segniDeiGruppi = [](const TabellePC& tab, int foglie, Segno primo) {
        for (int g = 1; g < foglie; g += 4) {
            ASSERT_EQ(tab.PrimoLivello[(g + 3) / 4].segno, primo) << "foglia " << g;
            EXPECT_NE(tab.SecondoLivello[g].spunta, Spunta::TenutaDalSecondo) << "foglia " << g;
            EXPECT_NE(tab.SecondoLivello[g].spunta, Spunta::TenutaDalPrimo) << "foglia " << g;
            EXPECT_EQ(tab.SecondoLivello[g + 1].spunta, Spunta::TenutaDalSecondo) << "foglia " << g + 1;
            EXPECT_NE(tab.SecondoLivello[g + 2].spunta, Spunta::TenutaDalSecondo) << "foglia " << g + 2;
            EXPECT_NE(tab.SecondoLivello[g + 2].spunta, Spunta::TenutaDalPrimo) << "foglia " << g + 2;
            EXPECT_EQ(tab.SecondoLivello[g + 3].spunta, Spunta::TenutaDalPrimo) << "foglia " << g + 3;
        }
    };
    {  // the computer leads diamonds and takes every first trick, so it leads the next one too
        auto [s, tab] = test::ConMazzo('b', {"2d", "4d", "5d"}, {"6s", "7s", "2c"}, 0, Chi::PC, 0, {});
        TerzultimaGiocataIniziaPC(s, tab);
        AnalisiSecondoLivello(s, tab, caso);
        segniDeiGruppi(tab, 36, Segno::Nessuno);
    }
    {  // the human leads 6s and takes against any diamond, so it leads the next trick
        auto [s, tab] = test::ConMazzo('b', {"2d", "4d", "5d"}, {"6s", "7s", "2c"}, -1, Chi::H, 4, {});
        TerzultimaGiocataRispondePC(s, tab);
        AnalisiSecondoLivelloBis(s, tab, caso);
        segniDeiGruppi(tab, 12, Segno::VinceUmano);
    }
}

TEST(RicercaTerzultima, EqualBestCardsAreChosenUniformly) {
    const Situazione base = test::ConMazzo('b', {"Ab", "3b", "Rb"}, {"Ad", "3s", "Cc"}, 0, Chi::PC, 0, {});
    auto caso = Caso(4);
    std::map<int, int> volte;
    const int prove = 6000;
    for (int n = 0; n < prove; ++n) {
        const StatoGioco& s = base.stato;
        TabellePC tab = base.tab;
        TerzultimaGiocataIniziaPC(s, tab);
        AnalisiSecondoLivello(s, tab, caso);
        ++volte[tab.CartaPCDaGiocare];
    }
    ASSERT_EQ(volte.size(), 3u);
    for (auto [slot, n] : volte) EXPECT_NEAR(n, prove / 3, 4 * std::sqrt(prove * 2.0 / 9)) << slot;
}

TEST(RicercaPenultima, LeadAndAnswerPlayAMinimaxBestCardLowerSlotOnTies) {
    std::mt19937 gen(21);
    for (int prova = 0; prova < 4000; ++prova) {
        Finale f = FinaleACaso(gen, 3);
        // Two cards each, in random slots.
        f.pc[gen() % 3].clear();
        f.h[gen() % 3].clear();
        const bool risposta = prova % 2 == 1;
        int giocata = 0;
        if (risposta)
            do giocata = 4 + static_cast<int>(gen() % 3);
            while (f.h[static_cast<std::size_t>(giocata - 4)].empty());
        auto [s, tab] = test::ConMazzo(f.briscola, f.pc, f.h, risposta ? -3 : -2, risposta ? Chi::H : Chi::PC, giocata, {});
        if (risposta)
            PenultimaGiocataRispondePC(s, tab);
        else
            PenultimaGiocataIniziaPC(s, tab);
        std::map<int, int> valori;
        for (int i = 1; i <= 3; ++i) {
            const std::string& mia = f.pc[static_cast<std::size_t>(i - 1)];
            if (mia.empty()) continue;
            valori[i] = Esatto(f.briscola, Mano(f.pc), Mano(f.h), mia, risposta ? f.h[static_cast<std::size_t>(giocata - 4)] : "");
        }
        int migliore = -1000, slot = 0;
        for (auto [i, v] : valori)
            if (v > migliore) migliore = v, slot = i;
        ASSERT_EQ(tab.CartaPCDaGiocare, slot) << "prova " << prova;
    }
}

TEST(RicercaPenultima, WeighsBothTricksNotTheCurrentOneAlone) {
    // Briscola b; the human leads 2d and keeps Ad; the computer holds Fd and 3b. Taking with 3b
    // is worth more now (+40) but leaves Fd under Ad (-52): -12. Fd takes (+8), then 3b takes
    // Ad (+84): 92.
    auto [s, tab] = test::ConMazzo('b', {"Fd", "", "3b"}, {"2d", "Ad", ""}, -3, Chi::H, 4, {});
    PenultimaGiocataRispondePC(s, tab);
    EXPECT_EQ(tab.CartaPCDaGiocare, 1);
    EXPECT_EQ(tab.SecondoLivello[25].Valore(), 92);
    EXPECT_EQ(tab.SecondoLivello[26].Valore(), -12);
    EXPECT_EQ(tab.SecondoLivello[21].Valore(), 4);  // the human's slots, lower first
    EXPECT_EQ(tab.SecondoLivello[23].Valore(), 1);  // the computer's
    EXPECT_EQ(tab.SecondoLivello[24].Valore(), 3);
}

TEST(RicercaPenultima, AHumanSweepIsTheNegativeSumOfTheFourCards) {
    auto [s, tab] = test::ConMazzo('b', {"Fd", "Cs", ""}, {"Ab", "3b", ""}, -2, Chi::PC, 0, {});
    PenultimaGiocataIniziaPC(s, tab);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(tab.SecondoLivello[n + 24].Valore(), -(8 + 12 + 44 + 40));
        EXPECT_EQ(tab.SecondoLivello[n].segno, Segno::VinceUmano);
    }
}

TEST(DecidiMossa, TheLastTrickPlaysTheOnlyCardAndAfterPlayingNothingIsAsked) {
    auto [s, tab] = test::ConMazzo('b', {"", "", "Rd"}, {"", "Ad", ""}, -5, Chi::H, 5, {});
    auto caso = Caso(6);
    EXPECT_EQ(DecidiMossa(s, tab, caso, 'E').scelta, 3);
    s.NumeroCarteRimaste = -2;
    s.TurnoDiGioco = Chi::H;
    EXPECT_EQ(FaseDi(s), Fase::Nessuna);
    EXPECT_FALSE(AvviaRispostaPC(s, tab, caso));
}

}  // namespace
}  // namespace mrvelto
