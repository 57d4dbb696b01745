// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "sim/ComandoAnalizza.h"

namespace mrvelto::sim {
namespace {

const std::string kPartita = std::string(MRVELTO_SORGENTI) + "/tests/screens/data/Partita-esempio.txt";

int Analizza(std::vector<std::string> args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int r = ComandoAnalizza(args, o, e);
    out = o.str();
    err = e.str();
    return r;
}

TEST(Analizza, ASavedGameGetsTheSameJudgementOnAnyNumberOfThreads) {
    std::string uno, tre, err;
    ASSERT_EQ(Analizza({kPartita, "--campioni", "30", "--seed", "4", "--json", "--jobs", "1"}, uno, err), 0) << err;
    ASSERT_EQ(Analizza({kPartita, "--campioni", "30", "--seed", "4", "--json", "--jobs", "3"}, tre, err), 0) << err;
    EXPECT_EQ(uno, tre);
    const auto j = nlohmann::json::parse(uno);
    ASSERT_EQ(j["tricks"].size(), 14u);  // the game ended at trick 14, past 60
    // Trick 1: the human held 4c 7s Fs and played Fs.
    EXPECT_EQ(j["tricks"][0]["played"], "Fs");
    EXPECT_EQ(j["tricks"][0]["cards"].size(), 3u);
    double totale = 0;
    for (const auto& t : j["tricks"]) {
        EXPECT_GE(t["cost"].get<double>(), 0);
        totale += t["cost"].get<double>();
    }
    EXPECT_NEAR(j["total_cost"].get<double>(), totale, 1e-9);

    EXPECT_EQ(Analizza({"/nessuna/cartella/x.txt"}, uno, err), 2);
    EXPECT_NE(err.find("non esiste"), std::string::npos) << err;
    EXPECT_EQ(Analizza({kPartita, "--campioni", "zero"}, uno, err), 2);
    EXPECT_NE(err.find("--campioni"), std::string::npos) << err;
}

}  // namespace
}  // namespace mrvelto::sim
