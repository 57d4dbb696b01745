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
    {'A', "random", 'A', false, nullptr, "0c9b97cd69708608"},
    {'A', "random", 'A', true, nullptr, "a3ded0cdab4c5b1e"},
    {'A', "greedy", 'A', false, nullptr, "c5284f64948b379c"},
    {'A', "greedy", 'A', true, nullptr, "f1705a83c46cabd6"},
    {'B', "random", 'A', false, nullptr, "ea8cfb97f5a4902c"},
    {'B', "random", 'A', true, nullptr, "207d56e1e7fc79c7"},
    {'B', "greedy", 'A', false, nullptr, "47a0a94c8b5feaf5"},
    {'B', "greedy", 'A', true, nullptr, "792d6151afb7ea10"},
    {'C', "random", 'A', false, nullptr, "7ff4c5e2ebb59815"},
    {'C', "random", 'A', true, nullptr, "b370f3c48bcf70a4"},
    {'C', "greedy", 'A', false, nullptr, "6952548f90075774"},
    {'C', "greedy", 'A', true, nullptr, "0170591d787ec272"},
    {'D', "random", 'A', false, nullptr, "7cc4dde896dcb475"},
    {'D', "random", 'A', true, nullptr, "74f52df4a8c41afd"},
    {'D', "greedy", 'A', false, nullptr, "f5d7dd99c7f7aca6"},
    {'D', "greedy", 'A', true, nullptr, "2c0302ea4ee90b39"},
    {'E', "random", 'A', false, nullptr, "df8678799fe2f2d4"},
    {'E', "random", 'A', true, nullptr, "7b8d7d4aaca26bfb"},
    {'E', "greedy", 'A', false, nullptr, "c7ece5340742755d"},
    {'E', "greedy", 'A', true, nullptr, "68575854c960651f"},
    {'A', "velto", 'C', false, nullptr, "f52964c4cd1b74ee"},
    {'A', "velto", 'C', true, nullptr, "736be05725aa0951"},
    {'B', "velto", 'B', true, nullptr, "55b13017532b11e7"},
    {'A', "random", 'A', false, kUltimaPresa, "62f61af78c1691fb"},
    {'A', "greedy", 'A', false, kUltimaPresa, "744a2dbe55cea241"},
    {'A', "random", 'A', true, kUltimaPresa, "8e53664a6ec5633b"},
    {'A', "greedy", 'A', true, kUltimaPresa, "ef595d5da3b385d1"},
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
