// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <vector>

#include "cards/Caso.h"
#include "cards/GeneratoreMT64.h"

namespace mrvelto {
namespace {

TEST(IndiceCasuale, ExtremesOfTheFormula) {
    EXPECT_EQ(IndiceCasuale(40, 0.0, 0, 59), 2);                        // x = -39
    EXPECT_EQ(IndiceCasuale(40, std::nextafter(1.0, 0.0), 59, 0), 40);  // x = 79
    EXPECT_EQ(IndiceCasuale(40, 0.0, 0, 0), 1);
}

// The formula as written, in double precision: the index must be this one, bit for bit, for every
// draw, or a seed would no longer replay its games.
int Formula(int n, double r, int m, int s) {
    const double x = std::floor(n * ((r + m / 60.0) - s / 61.0));
    return static_cast<int>(x - std::floor(x / n) * n) + 1;
}

TEST(IndiceCasuale, SameAsTheFormulaAndWithinOneToN) {
    std::mt19937_64 gen(3);
    std::vector<double> erre = {0.0, 0.1, 0.25, 0.5, 0.77, 0.999, std::nextafter(1.0, 0.0)};
    for (int i = 0; i < 40; ++i) erre.push_back(static_cast<double>(gen() >> 11) * 0x1.0p-53);
    for (int n : {1, 2, 3, 4, 8, 13, 21, 22, 24, 40, 48, 120})
        for (int m = 0; m < 60; ++m)
            for (int s = 0; s < 60; ++s) {
                // r just below and at each step of the product, where the floor changes.
                std::vector<double> casi = erre;
                for (int x = -n; x <= 2 * n; ++x) {
                    const double confine = static_cast<double>(x) / n - m / 60.0 + s / 61.0;
                    if (confine < 0 || confine >= 1) continue;
                    casi.push_back(confine);
                    casi.push_back(std::nextafter(confine, 0.0));
                    casi.push_back(std::nextafter(confine, 1.0));
                }
                for (double r : casi) {
                    const int k = IndiceCasuale(n, r, m, s);
                    ASSERT_EQ(k, Formula(n, r, m, s)) << n << " " << r << " " << m << " " << s;
                    ASSERT_GE(k, 1);
                    ASSERT_LE(k, n);
                }
            }
}

// Every seed replays the games it played with the library's engine: the same numbers, across
// several regenerations of the state and after a new seed.
TEST(GeneratoreMT64, SameNumbersAsTheStandardEngine) {
    for (std::uint64_t seme : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{5489}, std::uint64_t{0x9E3779B97F4A7C15ULL}, ~std::uint64_t{0}}) {
        std::mt19937_64 atteso(seme);
        GeneratoreMT64 gen(seme);
        for (int i = 0; i < 2000; ++i) ASSERT_EQ(gen(), atteso()) << "seed " << seme << " draw " << i;
        atteso.seed(seme + 7);
        gen.seed(seme + 7);
        for (int i = 0; i < 700; ++i) ASSERT_EQ(gen(), atteso()) << "reseeded " << seme << " draw " << i;
        std::uniform_int_distribution<int> d(0, 2);
        EXPECT_EQ(d(gen), d(atteso));  // a library distribution reads it the same way
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
