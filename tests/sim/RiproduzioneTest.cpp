// SPDX-License-Identifier: GPL-3.0-or-later
// What a failed run prints to reproduce it must reproduce it: the same flags, the same failure.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/ComandoMatch.h"
#include "sim/OpzioniMatch.h"

namespace mrvelto::sim {
namespace {

struct Esito {
    int stato = -1;
    std::string out, err;
};

Esito Match(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Esito e;
    e.stato = ComandoMatch(args, out, err);
    e.out = out.str();
    e.err = err.str();
    return e;
}

// The arguments after "mrvelto-sim match" of the "reproduce with:" line (no quoting needed here).
std::vector<std::string> ArgomentiDelSuggerimento(const std::string& err) {
    const std::string segno = "per riprodurlo: mrvelto-sim match ";
    const auto inizio = err.find(segno);
    if (inizio == std::string::npos) return {};
    std::istringstream riga(err.substr(inizio + segno.size(), err.find('\n', inizio) - inizio - segno.size()));
    std::vector<std::string> args;
    for (std::string a; riga >> a;) args.push_back(a);
    return args;
}

TEST(Riproduzione, AStepLimitIsNamedAndKeptInTheReplay) {
    for (const bool appaiati : {false, true}) {
        SCOPED_TRACE(appaiati ? "paired" : "plain");
        std::vector<std::string> args = {"--games", "6", "--seed", "9", "--max-steps", "40"};
        if (appaiati) args.push_back("--paired");
        const Esito prima = Match(args);
        EXPECT_EQ(prima.stato, 1);
        EXPECT_NE(prima.err.find("limite di passi raggiunto (--max-steps 40)"), std::string::npos) << prima.err;
        EXPECT_EQ(prima.err.find("si è bloccato"), std::string::npos) << prima.err;
        const auto replay = ArgomentiDelSuggerimento(prima.err);
        ASSERT_FALSE(replay.empty()) << prima.err;
        std::vector<std::string> attesi = {"--games", appaiati ? "2" : "1", "--seed", "9"};
        if (appaiati) attesi.push_back("--paired");
        attesi.insert(attesi.end(), {"--max-steps", "40"});
        EXPECT_EQ(replay, attesi);
        const Esito dopo = Match(replay);
        EXPECT_EQ(dopo.stato, 1);
        EXPECT_NE(dopo.err.find("limite di passi raggiunto (--max-steps 40)"), std::string::npos) << dopo.err;
    }
}

TEST(Riproduzione, PairedRefusesAnOddCountAndSaysWhatToUse) {
    for (const auto& [giochi, consiglio] : std::vector<std::pair<const char*, const char*>>{{"5", "(usa 6 o 4)"}, {"1", "(usa 2)"}}) {
        std::ostringstream err;
        EXPECT_FALSE(LeggiOpzioniMatch({"--games", giochi, "--paired"}, err)) << giochi;
        EXPECT_NE(err.str().find("--games deve essere pari"), std::string::npos) << err.str();
        EXPECT_NE(err.str().find(consiglio), std::string::npos) << err.str();
        // Whatever the order of the flags.
        std::ostringstream err2;
        EXPECT_FALSE(LeggiOpzioniMatch({"--paired", "--games", giochi}, err2)) << giochi;
    }
    std::ostringstream err;
    EXPECT_TRUE(LeggiOpzioniMatch({"--games", "4", "--paired"}, err)) << err.str();
    // A failure in the first game of a deal names the whole deal, which --paired accepts.
    OpzioniMatch o;
    o.appaiati = true;
    EXPECT_NE(o.RigaDiComando(3).find("--games 4 "), std::string::npos);
}

}  // namespace
}  // namespace mrvelto::sim
