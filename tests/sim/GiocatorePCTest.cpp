// SPDX-License-Identifier: GPL-3.0-or-later
// --pc seats any registered player on the computer's side: paired runs must credit each side with
// its own games whichever seat it plays from.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/OpzioniMatch.h"
#include "sim/Simulazione.h"
#include "sim/SimulazioneAppaiata.h"

namespace mrvelto::sim {
namespace {

OpzioniMatch Leggi(const std::vector<std::string>& args) {
    std::ostringstream err;
    const auto o = LeggiOpzioniMatch(args, err);
    EXPECT_TRUE(o.has_value()) << err.str();
    return o.value_or(OpzioniMatch{});
}

TEST(GiocatorePC, ReadRefusedAndWrittenBackForTheReplay) {
    const OpzioniMatch o = Leggi({"--games", "8", "--paired", "--pc", "greedy", "--opponent", "esperto"});
    EXPECT_EQ(o.giocatorePC, "greedy");
    EXPECT_EQ(o.RigaDiComando(8), "mrvelto-sim match --games 8 --seed 1 --opponent esperto --pc greedy --paired");
    EXPECT_EQ(Leggi({}).giocatorePC, "velto");
    std::ostringstream err;
    EXPECT_FALSE(LeggiOpzioniMatch({"--pc", "external"}, err));
    EXPECT_NE(err.str().find("--pc: giocatore sconosciuto \"external\" (random, greedy, esperto, velto)"), std::string::npos) << err.str();
}

// The same deterministic player on both seats: the second game of a deal is the first with the
// players swapped, so each side wins one (or both are drawn).
TEST(GiocatorePC, GreedyAgainstItselfPairedIsExactlyEven) {
    const RisultatoAppaiato a = SimulaAppaiata(Leggi({"--games", "200", "--seed", "5", "--paired", "--pc", "greedy", "--opponent", "greedy"}));
    EXPECT_EQ(a.violazione, "");
    EXPECT_EQ(a.giochi, 200u);
    EXPECT_EQ(a.tasso, 0.5);
    EXPECT_EQ(a.punti, a.puntiAvversario);
}

// The figures are the --pc side's from either seat: a random player there loses most games to
// Mr. VELTO (he wins about 95 % of them).
TEST(GiocatorePC, TheFiguresAreThoseOfThePlayerSeated) {
    const RisultatoAppaiato a = SimulaAppaiata(Leggi({"--games", "100", "--seed", "3", "--paired", "--pc", "random", "--opponent", "velto"}));
    EXPECT_EQ(a.violazione, "");
    EXPECT_LT(a.tasso, 0.25);
    EXPECT_LT(a.punti, a.puntiAvversario);
}

// A plain run seats the player too: greedy plays no level, so --level changes nothing.
TEST(GiocatorePC, PlainRunSeatsItWithoutALevel) {
    const RisultatoSimulazione a = Simula(Leggi({"--games", "100", "--pc", "greedy", "--level", "A"}));
    const RisultatoSimulazione e = Simula(Leggi({"--games", "100", "--pc", "greedy", "--level", "E"}));
    const RisultatoSimulazione velto = Simula(Leggi({"--games", "100", "--level", "A"}));
    EXPECT_EQ(a.violazione + e.violazione, "");
    EXPECT_EQ(a.firma, e.firma);
    EXPECT_NE(a.firma, velto.firma);
}

}  // namespace
}  // namespace mrvelto::sim
