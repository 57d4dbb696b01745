// SPDX-License-Identifier: GPL-3.0-or-later
// The flags of an external opponent: read, refused with a reason, and written back for a replay.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/OpzioniMatch.h"

namespace mrvelto::sim {
namespace {

TEST(OpzioniAvversarioEsterno, ReadsTheCommandAndTheTimeoutAndWritesThemBack) {
    std::ostringstream err;
    const auto o = LeggiOpzioniMatch({"--games", "5", "--opponent-cmd", "python3 'my bot.py' --x \"$HOME\"", "--opponent-timeout-ms", "750"}, err);
    ASSERT_TRUE(o) << err.str();
    EXPECT_EQ(o->avversario, "external");
    EXPECT_EQ(o->comandoAvversario, "python3 'my bot.py' --x \"$HOME\"");
    EXPECT_EQ(o->timeoutAvversarioMs, 750);
    // Quoted for the shell: the replay runs the same command, not an expanded one.
    EXPECT_EQ(o->RigaDiComando(5),
              "mrvelto-sim match --games 5 --seed 1 --opponent-cmd \"python3 'my bot.py' --x \\\"\\$HOME\\\"\" --opponent-timeout-ms 750");
    EXPECT_EQ(LeggiOpzioniMatch({}, err)->timeoutAvversarioMs, 5000);
}

TEST(OpzioniAvversarioEsterno, RefusesAnEmptyCommandOrABadTimeout) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--opponent-cmd", "  "}, {"--opponent-cmd"}, {"--opponent-timeout-ms", "0"}, {"--opponent-timeout-ms", "5s"},
             {"--opponent-timeout-ms", "99999999999"}}) {
        std::ostringstream err;
        EXPECT_FALSE(LeggiOpzioniMatch(args, err)) << args[0];
        EXPECT_NE(err.str().find(args[0]), std::string::npos) << err.str();
    }
}

}  // namespace
}  // namespace mrvelto::sim
