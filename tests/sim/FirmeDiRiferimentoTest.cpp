// SPDX-License-Identifier: GPL-3.0-or-later
// Golden signatures: whole runs of the simulator, every level against the reference opponents,
// plain and paired. A signature covers every game's points, tricks, leader and (plain runs) the
// virtual time of its end, so any change in the flow's order of steps or draws, or in a decision
// of Mr. VELTO, shows up here. Change a value only together with a deliberate change of play.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "sim/OpzioniMatch.h"
#include "sim/Simulazione.h"
#include "sim/SimulazioneAppaiata.h"

namespace mrvelto::sim {
namespace {

struct Riferimento {
    char livello;
    const char* avversario;
    char livelloAvversario;
    bool appaiati;
    const char* conclusione;  // nullptr: the default end of game
    const char* firma;
};

constexpr const char* kUltimaPresa = "Fino all'ultima presa";

const Riferimento kRiferimenti[] = {
    {'A', "random", 'A', false, nullptr, "194efee12615b2de"},
    {'A', "random", 'A', true, nullptr, "a3ded0cdab4c5b1e"},
    {'A', "greedy", 'A', false, nullptr, "629078510c926bd4"},
    {'A', "greedy", 'A', true, nullptr, "f1705a83c46cabd6"},
    {'B', "random", 'A', false, nullptr, "1ae1e5871edfef1f"},
    {'B', "random", 'A', true, nullptr, "3b8d58240e5651c2"},
    {'B', "greedy", 'A', false, nullptr, "ab2baaf96ae85494"},
    {'B', "greedy", 'A', true, nullptr, "0037a7dc443d1013"},
    {'C', "random", 'A', false, nullptr, "9200fd870444c2ef"},
    {'C', "random", 'A', true, nullptr, "8ada8bbdf237006a"},
    {'C', "greedy", 'A', false, nullptr, "41cb019522c1783f"},
    {'C', "greedy", 'A', true, nullptr, "205a7c1b93f237cc"},
    {'D', "random", 'A', false, nullptr, "b481fafa906f3e0a"},
    {'D', "random", 'A', true, nullptr, "045c19230212806c"},
    {'D', "greedy", 'A', false, nullptr, "cbd6ed23bba936a8"},
    {'D', "greedy", 'A', true, nullptr, "47f31f8b6f29de98"},
    {'E', "random", 'A', false, nullptr, "3160b1fb7d1eb122"},
    {'E', "random", 'A', true, nullptr, "579d21808daf88f3"},
    {'E', "greedy", 'A', false, nullptr, "fcec7d11a8e31f51"},
    {'E', "greedy", 'A', true, nullptr, "d3818a7f0dc1dfa0"},
    {'A', "velto", 'C', false, nullptr, "ceeaecc25df5a276"},
    {'A', "velto", 'C', true, nullptr, "736be05725aa0951"},
    {'B', "velto", 'B', true, nullptr, "953d7515ffeae0ad"},
    {'A', "random", 'A', false, kUltimaPresa, "522043042cb953f1"},
    {'A', "greedy", 'A', false, kUltimaPresa, "290a8ba6cfd7de97"},
    {'A', "random", 'A', true, kUltimaPresa, "81b288fbe897b741"},
    {'A', "greedy", 'A', true, kUltimaPresa, "ceae18d204c4d399"},
};

std::string Esadecimale(std::uint64_t x) {
    std::ostringstream s;
    s << std::hex << std::setw(16) << std::setfill('0') << x;
    return s.str();
}

// Read from a command line, exactly as `mrvelto-sim match` takes it.
OpzioniMatch Opzioni(const Riferimento& r) {
    std::vector<std::string> args = {"--games", "300", "--seed", "7", "--level", std::string(1, r.livello),
                                     "--opponent", r.avversario, "--opponent-level", std::string(1, r.livelloAvversario)};
    if (r.appaiati) args.push_back("--paired");
    if (r.conclusione) args.insert(args.end(), {"--end-of-game", r.conclusione});
    std::ostringstream err;
    const auto o = LeggiOpzioniMatch(args, err);
    EXPECT_TRUE(o.has_value()) << err.str();
    return o.value_or(OpzioniMatch{});
}

TEST(FirmeDiRiferimento, OgniLivelloControGliAvversariDiRiferimento) {
    for (const Riferimento& r : kRiferimenti) {
        const OpzioniMatch o = Opzioni(r);
        std::string firma, violazione;
        if (r.appaiati) {
            const RisultatoAppaiato a = SimulaAppaiata(o);
            firma = Esadecimale(a.firma);
            violazione = a.violazione;
        } else {
            const RisultatoSimulazione s = Simula(o);
            firma = Esadecimale(s.firma);
            violazione = s.violazione;
        }
        const std::string caso = std::string(1, r.livello) + " vs " + r.avversario + (r.appaiati ? " paired" : " plain") +
                                 (r.conclusione ? " to the last trick" : "");
        EXPECT_EQ(violazione, "") << caso;
        EXPECT_EQ(firma, r.firma) << caso;
    }
}

// Mr. VELTO at full strength on both seats of every deal: the same cards get the same answers
// whatever the seat (only ties between equal cards are drawn, each seat from its own stream), so
// each deal is won once by each side.
TEST(FirmeDiRiferimento, VeltoControSeStessoAppaiatoFaEsattamenteMeta) {
    for (std::uint64_t seme : {3u, 11u}) {
        OpzioniMatch o;
        o.giochi = 200;
        o.seme = seme;
        o.avversario = "velto";
        o.appaiati = true;
        const RisultatoAppaiato a = SimulaAppaiata(o);
        EXPECT_EQ(a.violazione, "");
        EXPECT_EQ(a.giochi, 200u);
        EXPECT_EQ(a.tasso, 0.5) << seme;
    }
}

}  // namespace
}  // namespace mrvelto::sim
