// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "Posizioni.h"
#include "player/DecisionePC.h"
#include "player/LivelliDiGioco.h"

namespace mrvelto {
namespace {

CasoConSeme Caso(std::uint64_t seme) { return CasoConSeme(seme, [] { return OraMinSec{23, 5}; }); }

TEST(LivelliDiGioco, LowerLevelsReplaceAboutOneInSixFiveFourThreeWhileTheStockLasts) {
    const std::pair<char, double> livelli[] = {{'B', 20.0 / 120}, {'C', 24.0 / 120}, {'D', 30.0 / 120}, {'E', 40.0 / 120}};
    for (auto [lettera, p] : livelli) {
        auto caso = Caso(static_cast<std::uint64_t>(lettera));
        const int prove = 30000;
        int sostituite = 0, diverse = 0;
        for (int n = 0; n < prove; ++n) {
            auto [s, tab] = test::ConMazzo('b', {"Rd", "2s", "4s"}, {"5s", "6s", "7s"}, 20 - 2 * (n % 10), Chi::PC, 0,
                                           std::vector<std::string>(static_cast<std::size_t>(14 + 2 * (n % 10)), "2d"));
            tab.CartaPCDaGiocare = 1;
            if (ApplicaLivelloDiGioco(s, tab, lettera, caso)) {
                ++sostituite;
                EXPECT_TRUE(tab.SostituitaDalLivello);
                EXPECT_EQ(tab.CartaPCDaGiocare2, 1);
                diverse += tab.CartaPCDaGiocare != 1;
            }
        }
        const double sigma = std::sqrt(prove * p * (1 - p));
        EXPECT_NEAR(sostituite, prove * p, 4 * sigma) << lettera;
        EXPECT_NEAR(diverse, sostituite * 2.0 / 3, 4 * std::sqrt(sostituite * 2.0 / 9)) << lettera;  // r may repeat the choice
    }
}

// Level A never replaces a choice; no level does once the stock is empty.
TEST(LivelliDiGioco, NoReplacementAtLevelAOrOnceTheStockIsEmpty) {
    auto caso = Caso(3);
    const std::pair<char, int> casi[] = {{'A', 34}, {'A', 1}, {'E', 0}, {'E', -1}, {'E', -2}, {'E', -3}, {'E', -4}, {'E', -5}};
    for (auto [livello, stock] : casi)
        for (int n = 0; n < 1000; ++n) {
            auto [s, tab] = test::ConMazzo('b', {"Rd", "2s", "4s"}, {"5s", "6s", "7s"});
            s.NumeroCarteRimaste = stock;
            tab.CartaPCDaGiocare = 2;
            EXPECT_FALSE(ApplicaLivelloDiGioco(s, tab, livello, caso)) << livello << " " << stock;
            EXPECT_EQ(tab.CartaPCDaGiocare, 2);
            EXPECT_FALSE(tab.SostituitaDalLivello);
        }
}

TEST(LivelliDiGioco, ThinkingTimeMovesByAtMost150InTheTabledSteps) {
    auto caso = Caso(4);
    std::map<int, int> volte;
    for (int n = 0; n < 22000; ++n) ++volte[VariaTempoDiRisposta(caso)];
    EXPECT_EQ(volte.size(), 7u);
    const std::pair<int, double> attese[] = {{150, 1}, {100, 2}, {50, 4}, {-50, 4}, {-100, 2}, {-150, 1}, {0, 8}};
    for (auto [delta, parti] : attese) EXPECT_NEAR(volte[delta], 1000 * parti, 5 * std::sqrt(1000 * parti)) << delta;
}

TEST(LivelliDiGioco, ADecisionReportsTheComputedChoiceAndTheReplacement) {
    auto caso = Caso(5);
    int sostituite = 0;
    for (int n = 0; n < 3000; ++n) {
        auto [s, tab] = test::ConMazzo('b', {"Rd", "2s", "4s"}, {"5s", "6s", "7s"});
        const EsitoDecisione e = DecidiMossa(s, tab, caso, 'E');
        EXPECT_EQ(e.candidati, std::vector<int>{e.scelta});
        if (!e.sostituita) {
            EXPECT_EQ(e.scelta, e.calcolata);
        }
        sostituite += e.sostituita;
    }
    EXPECT_NEAR(sostituite, 1000, 4 * std::sqrt(3000 * 2.0 / 9));
}

}  // namespace
}  // namespace mrvelto
