// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "cards/Caso.h"

namespace mrvelto {
namespace {

TEST(IndiceCasuale, ExtremesOfTheFormula) {
    EXPECT_EQ(IndiceCasuale(40, 0.0, 0, 59), 2);                        // x = -39
    EXPECT_EQ(IndiceCasuale(40, std::nextafter(1.0, 0.0), 59, 0), 40);  // x = 79
    EXPECT_EQ(IndiceCasuale(40, 0.0, 0, 0), 1);
}

TEST(IndiceCasuale, AlwaysWithinOneToN) {
    for (int n : {3, 4, 8, 13, 21, 22, 24, 40, 48, 120})
        for (int m = 0; m < 60; m += 7)
            for (int s = 0; s < 60; ++s)
                for (double r : {0.0, 0.1, 0.25, 0.5, 0.77, 0.999, std::nextafter(1.0, 0.0)}) {
                    const int k = IndiceCasuale(n, r, m, s);
                    ASSERT_GE(k, 1) << n << " " << r << " " << m << " " << s;
                    ASSERT_LE(k, n) << n << " " << r << " " << m << " " << s;
                }
}

TEST(CasoConSeme, SameSeedSameNumbersAndEveryIndexReached) {
    CasoConSeme a(7, [] { return OraMinSec{1, 2}; });
    CasoConSeme b(7, [] { return OraMinSec{1, 2}; });
    std::map<int, int> conteggi;
    for (int i = 0; i < 4000; ++i) {
        const double x = a.Uniforme();
        ASSERT_EQ(x, b.Uniforme());
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        ++conteggi[IndiceCasuale(40, x, 1, 2)];
    }
    ASSERT_EQ(conteggi.size(), 40u);
    for (const auto& [indice, volte] : conteggi) EXPECT_GT(volte, 50) << indice;  // about 100 each
}

}  // namespace
}  // namespace mrvelto
