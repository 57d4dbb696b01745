// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "Campioni.h"
#include "records/AggiornaClassifica.h"

namespace mrvelto {
namespace {

using Righe = Da1<RigaClassifica, kRigheClassifica>;
using Voce = std::tuple<std::string, int, int>;

Righe Tabella(std::initializer_list<Voce> voci) {
    Righe r;
    int i = 1;
    for (const auto& [nome, v, p] : voci) {
        r[i] = RigaClassifica{nome, v, p, "1/1/26", true, true, true};
        ++i;
    }
    return r;
}

std::vector<Voce> Contenuto(const Righe& r) {
    std::vector<Voce> v;
    for (int i = 1; i <= kRigheClassifica; ++i)
        if (!r[i].Vuota()) v.emplace_back(r[i].NomeVincitore, r[i].NumeroPartiteVinte, r[i].NumeroPartitePerse);
    return v;
}

TEST(Classifica, TheLoserMovesDownPastRowsWithTheSameWinsAndFewerLosses) {
    Righe r = Tabella({{"Anna", 3, 1}, {"Bruno", 3, 1}, {"Carla", 3, 2}, {"Dario", 2, 0}});
    AggiornaRighe(r, "Dario", "Anna", "2/2/26");
    // Anna drops below Bruno, not below Carla (same losses now); then Dario's win takes him to the top.
    EXPECT_EQ(Contenuto(r), (std::vector<Voce>{{"Dario", 3, 0}, {"Bruno", 3, 1}, {"Anna", 3, 2}, {"Carla", 3, 2}}));
}

TEST(Classifica, TheWinnerMovesUpPastRowsThatNowRankLowerButNotPastItsEquals) {
    Righe r = Tabella({{"Anna", 2, 0}, {"Bruno", 1, 0}, {"Carla", 1, 1}, {"Ezio", 0, 3}});
    AggiornaRighe(r, "Carla", "Ezio", "2/2/26");
    EXPECT_EQ(Contenuto(r), (std::vector<Voce>{{"Anna", 2, 0}, {"Carla", 2, 1}, {"Bruno", 1, 0}, {"Ezio", 0, 4}}));
    Righe pari = Tabella({{"Anna", 2, 1}, {"Bruno", 1, 1}, {"Ezio", 0, 3}});
    AggiornaRighe(pari, "Bruno", "Ezio", "2/2/26");
    EXPECT_EQ(Contenuto(pari), (std::vector<Voce>{{"Anna", 2, 1}, {"Bruno", 2, 1}, {"Ezio", 0, 4}}));
}

TEST(Classifica, ANewLoserEntersAtTheFirstRowWithoutWins) {
    Righe r = Tabella({{"Anna", 2, 0}, {"Bruno", 0, 2}});
    AggiornaRighe(r, "Anna", "Mr. VELTO", "2/2/26");
    EXPECT_EQ(Contenuto(r), (std::vector<Voce>{{"Anna", 3, 0}, {"Mr. VELTO", 0, 1}, {"Bruno", 0, 2}}));
    EXPECT_TRUE(r[2].PosizioneVisibile && r[2].VinteVisibile && r[2].PerseVisibile);
}

// "Ultima Data" is the date of the last match won: a loss leaves it as it was, and a loser new to
// the ranking has won nothing yet.
TEST(Classifica, OnlyTheWinnersRowTakesTheMatchDate) {
    Record r;
    r.Classifica = Tabella({{"Anna", 2, 1}, {"Bruno", 1, 3}});
    auto data = [&r](const std::string& nome) {
        for (int i = 1; i <= kRigheClassifica; ++i)
            if (r.Classifica[i].NomeVincitore == nome) return r.Classifica[i].DataPartitaVinta;
        return std::string("(not ranked)");
    };
    AggiornaClassifica(r, test::Esito("Bruno", Chi::PC, 0, 3, 'C', {14, 3, 2026, 18, 7, 0}));  // a known loser
    ASSERT_EQ(Contenuto(r.Classifica), (std::vector<Voce>{{"Anna", 2, 1}, {"Mr. VELTO", 1, 0}, {"Bruno", 1, 4}}));
    EXPECT_EQ(data("Mr. VELTO"), "14/3/26");
    EXPECT_EQ(data("Bruno"), "1/1/26");
    EXPECT_EQ(data("Anna"), "1/1/26");

    AggiornaClassifica(r, test::Esito("Carla", Chi::PC, 0, 3, 'C', {15, 3, 2026, 9, 0, 0}));  // a new loser
    ASSERT_EQ(Contenuto(r.Classifica),
              (std::vector<Voce>{{"Mr. VELTO", 2, 0}, {"Anna", 2, 1}, {"Bruno", 1, 4}, {"Carla", 0, 1}}));
    EXPECT_EQ(data("Mr. VELTO"), "15/3/26");
    EXPECT_EQ(data("Carla"), "");
    EXPECT_EQ(data("Bruno"), "1/1/26");

    // The undated row goes through the file and back as it is.
    const FileRecord f = ScriviRecord(r);
    Record letto;
    ASSERT_TRUE(LeggiRecordDa(&f.classifica, &f.albo, &f.partite, letto).Integro());
    EXPECT_EQ(letto.Classifica[4], r.Classifica[4]);
}

TEST(Classifica, ANewWinnerEntersWhereOneWinRanksAndRowTenDropsOut) {
    Righe r = Tabella({{"A", 5, 0}, {"B", 4, 0}, {"C", 3, 0}, {"D", 2, 0}, {"E", 1, 0}, {"F", 1, 2}, {"G", 0, 1}, {"H", 0, 2}, {"I", 0, 3},
                       {"J", 0, 4}});
    AggiornaRighe(r, "Nuovo", "A", "3/3/26");
    // The loser A stays first; the new winner goes below E (same record, there first), above F.
    const auto c = Contenuto(r);
    ASSERT_EQ(c.size(), 10u);
    EXPECT_EQ(c[0], (Voce{"A", 5, 1}));
    EXPECT_EQ(c[4], (Voce{"E", 1, 0}));
    EXPECT_EQ(c[5], (Voce{"Nuovo", 1, 0}));
    EXPECT_EQ(c[6], (Voce{"F", 1, 2}));
    EXPECT_EQ(c[9], (Voce{"I", 0, 3}));  // J dropped out
}

TEST(Classifica, WhenEveryRowHasWinsANewLoserIsNotEntered) {
    Righe r = Tabella({{"A", 9, 0}, {"B", 8, 0}, {"C", 7, 0}, {"D", 6, 0}, {"E", 5, 0}, {"F", 4, 0}, {"G", 3, 0}, {"H", 3, 1}, {"I", 2, 0},
                       {"J", 2, 5}});
    AggiornaRighe(r, "J", "Estraneo", "3/3/26");
    const auto c = Contenuto(r);
    EXPECT_EQ(std::count_if(c.begin(), c.end(), [](const Voce& v) { return std::get<0>(v) == "Estraneo"; }), 0);
    EXPECT_EQ(c[8], (Voce{"J", 3, 5}));  // up past I (2, 0), not past H (3, 1)
    // A new winner with one win ranks below all these: not entered either.
    Righe prima = r;
    AggiornaRighe(r, "Altro", "Estraneo", "3/3/26");
    EXPECT_EQ(Contenuto(r), Contenuto(prima));
}

TEST(Classifica, PerLevelCountsAndPeekedMatches) {
    Record r;
    AggiornaClassifica(r, test::Esito("Ugo", Chi::H, 3, 0, 'D', {}, true));
    EXPECT_EQ(r.SconfittePCVariLivelli[4], 1);
    EXPECT_TRUE(r.Classifica[1].Vuota());  // a peeked match leaves the ranking alone
    AggiornaClassifica(r, test::Esito("Ugo", Chi::PC, 0, 3, 'E', {}));
    EXPECT_EQ(r.VittoriePCVariLivelli[5], 1);
    EXPECT_EQ(Contenuto(r.Classifica), (std::vector<Voce>{{"Mr. VELTO", 1, 0}, {"Ugo", 0, 1}}));
    AggiornaClassifica(r, test::Esito("", Chi::PC, 0, 3, 'E', {}));  // a nameless player is not ranked
    EXPECT_EQ(Contenuto(r.Classifica).size(), 2u);
    EXPECT_EQ(r.VociAlbo(), 3);
}

}  // namespace
}  // namespace mrvelto
