// SPDX-License-Identifier: GPL-3.0-or-later
// A run split over threads adds up to the same run: the summary, its signature and the first
// failure do not depend on --jobs.
#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <sstream>
#include <stdexcept>

#include "sim/ComandoMatch.h"
#include "sim/InParallelo.h"
#include "sim/OpzioniMatch.h"

namespace mrvelto::sim {
namespace {

// The text summary without the line that measures speed.
std::string Riepilogo(std::vector<std::string> args, const std::string& fili, int& stato) {
    args.insert(args.end(), {"--jobs", fili});
    std::ostringstream out, err;
    stato = ComandoMatch(args, out, err);
    std::istringstream righe(out.str());
    std::string r;
    for (std::string riga; std::getline(righe, riga);)
        if (riga.rfind("giochi al secondo", 0) != 0) r += riga + "\n";
    return r + err.str();
}

TEST(InParallelo, TheSummaryIsTheSameOnAnyNumberOfThreads) {
    const std::vector<std::vector<std::string>> casi = {
        {"--games", "250", "--seed", "5", "--level", "B"},  // three sessions, the last one short
        {"--games", "250", "--seed", "5", "--level", "D", "--opponent", "greedy", "--paired"},
        {"--games", "120", "--seed", "8", "--opponent", "velto", "--opponent-level", "C", "--end-of-game", "Fino all'ultima presa"},
    };
    for (const auto& args : casi) {
        int stato1 = -1;
        const std::string uno = Riepilogo(args, "1", stato1);
        EXPECT_EQ(stato1, 0) << uno;
        EXPECT_NE(uno.find("controlli:                   ok"), std::string::npos) << uno;
        for (const char* fili : {"2", "3", "7"}) {
            int stato = -1;
            EXPECT_EQ(Riepilogo(args, fili, stato), uno) << "--jobs " << fili;
            EXPECT_EQ(stato, stato1);
        }
    }
}

TEST(InParallelo, AFailedCheckIsReportedAtTheSameGameWhateverTheThreads) {
    // A step limit just under the longest games: the first game over it is in the second session
    // (plain) and in the 32nd deal (paired), with later failures on other threads.
    const std::vector<std::pair<std::vector<std::string>, std::string>> casi = {
        {{"--games", "400", "--seed", "54", "--max-steps", "120"}, "nel gioco 128"},
        {{"--games", "400", "--seed", "3", "--max-steps", "118", "--paired"}, "nel gioco 64"},
    };
    for (const auto& [args, dove] : casi) {
        int stato1 = -1, stato2 = -1;
        const std::string uno = Riepilogo(args, "1", stato1);
        EXPECT_EQ(stato1, 1) << uno;
        EXPECT_NE(uno.find(dove), std::string::npos) << uno;
        EXPECT_NE(uno.find("per riprodurlo:"), std::string::npos) << uno;
        EXPECT_EQ(Riepilogo(args, "2", stato2), uno);
        EXPECT_EQ(stato2, 1);
    }
}

TEST(InParallelo, NothingPastTheFirstFailureStartsAndTheLowestErrorWins) {
    for (unsigned fili : {1u, 4u}) {
        std::mutex m;
        std::set<std::size_t> fatti;
        InParallelo(1000, fili, [&](std::size_t i) {
            std::lock_guard<std::mutex> g(m);
            fatti.insert(i);
            return i != 37;
        });
        for (std::size_t i = 0; i <= 37; ++i) EXPECT_TRUE(fatti.count(i)) << i;
        if (fili == 1) {
            EXPECT_EQ(fatti.size(), 38u);
        }
        // Only what was already running on another thread may lie past the failure.
        EXPECT_LE(fatti.size(), 38u + fili - 1) << fili;

        try {
            InParallelo(100, fili, [](std::size_t i) {
                if (i == 12 || i == 40) throw std::runtime_error(std::to_string(i));
                return true;
            });
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "12");
        }
    }
}

TEST(InParallelo, JobsMustBeAPositiveCount) {
    for (const char* v : {"0", "-1", "due", ""}) {
        std::ostringstream err;
        EXPECT_FALSE(LeggiOpzioniMatch({"--jobs", v}, err)) << v;
        EXPECT_NE(err.str().find("--jobs vuole"), std::string::npos) << err.str();
    }
    std::ostringstream err;
    const auto o = LeggiOpzioniMatch({}, err);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->fili, FiliPredefiniti());
}

}  // namespace
}  // namespace mrvelto::sim
