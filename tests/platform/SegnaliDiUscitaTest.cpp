// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <vector>

#include "platform/SegnaliDiUscita.h"

namespace mrvelto {
namespace {

// Two signals before the loop turns and a third after: the way out is taken once, for the first.
TEST(SegnaliDiUscita, TheFirstSignalReachesTheLoopOnceAndTheLaterOnesAreDropped) {
    std::vector<int> uscite;
    SegnaliDiUscita segnali([&](int s) { uscite.push_back(s); });
    std::raise(SIGTERM);
    std::raise(SIGHUP);
    EXPECT_TRUE(uscite.empty());  // nothing runs inside the handler
    QTRY_COMPARE_WITH_TIMEOUT(uscite.size(), std::size_t{1}, 10000);
    std::raise(SIGINT);
    QTest::qWait(50);
    EXPECT_EQ(uscite, std::vector<int>{SIGTERM});
    EXPECT_EQ(SegnaliDiUscita::Ricevuto(), SIGTERM);
}

}  // namespace
}  // namespace mrvelto
