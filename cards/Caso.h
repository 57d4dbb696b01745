// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's source of chance: a uniform r in [0, 1) plus the wall clock's minute and second,
// which the random index formula mixes in. Production seeds once from the clock; tests and the
// simulator seed it and give it a wall clock that moves with virtual time, so a seed replays a match.
#include <cassert>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

#include "cards/GeneratoreMT64.h"

namespace mrvelto {

// Minute and second of the wall clock.
struct OraMinSec {
    int minuto = 0;
    int secondo = 0;
};

class FonteCasuale {
public:
    virtual ~FonteCasuale() = default;
    virtual double Uniforme() = 0;  // in [0, 1)
    virtual OraMinSec Ora() = 0;
};

// k = floor(N × ((r + m/60) − s/61)), brought into 1..N by a floor modulo; N at least 1.
// The product lies between -N and 2N, so truncating it and stepping down below zero gives its
// floor, and the floor modulo of that whole number is its remainder made non-negative: the same
// index as the formula in double precision, without library calls (the simulator draws it
// hundreds of times a game).
inline int IndiceCasuale(int n, double r, int minuto, int secondo) {
    assert(n >= 1);
    const double t = n * ((r + minuto / 60.0) - secondo / 61.0);
    int x = static_cast<int>(t);
    if (x > t) --x;
    const int k = x % n;
    return (k < 0 ? k + n : k) + 1;
}
inline int IndiceCasuale(int n, double r, OraMinSec ora) { return IndiceCasuale(n, r, ora.minuto, ora.secondo); }
// The same with a fresh r and the current minute and second of `fonte`.
int IndiceCasuale(int n, FonteCasuale& fonte);

// The standard's 64-bit Mersenne twister (fully specified, so a seed gives the same numbers on every
// platform; cards/GeneratoreMT64.h) with a pluggable wall clock.
class CasoConSeme : public FonteCasuale {
public:
    using Orologio = std::function<OraMinSec()>;
    CasoConSeme(std::uint64_t seme, Orologio orologio);
    double Uniforme() override;
    OraMinSec Ora() override { return orologio_(); }
    void Riseme(std::uint64_t seme) { gen_.seed(seme); }

private:
    GeneratoreMT64 gen_;
    Orologio orologio_;
};

}  // namespace mrvelto
