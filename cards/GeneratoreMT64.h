// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 64-bit Mersenne twister of the standard (std::mt19937_64), number for number, with the state
// regenerated without a branch on each word's low bit: the library's loop mispredicts that branch
// every other word, which made it a twentieth of a simulated game.
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace mrvelto {

class GeneratoreMT64 {
public:
    using result_type = std::uint64_t;

    explicit GeneratoreMT64(result_type seme = 5489u) { seed(seme); }
    void seed(result_type seme) {
        x_[0] = seme;
        for (std::size_t i = 1; i < kN; ++i) x_[i] = 6364136223846793005ULL * (x_[i - 1] ^ (x_[i - 1] >> 62)) + i;
        p_ = kN;
    }
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }
    result_type operator()() {
        if (p_ >= kN) Rigenera();
        result_type z = x_[p_++];
        z ^= (z >> 29) & 0x5555555555555555ULL;
        z ^= (z << 17) & 0x71D67FFFEDA60000ULL;
        z ^= (z << 37) & 0xFFF7EEE000000000ULL;
        return z ^ (z >> 43);
    }

private:
    static constexpr std::size_t kN = 312, kM = 156;
    static constexpr result_type kSotto = (result_type{1} << 31) - 1, kSopra = ~kSotto;

    // Word i from its own high bits, the low bits of word i + 1 and word i + m (indices wrap).
    void Parola(std::size_t i, std::size_t dopo, std::size_t lontana) {
        const result_type y = (x_[i] & kSopra) | (x_[dopo] & kSotto);
        x_[i] = x_[lontana] ^ (y >> 1) ^ ((result_type{0} - (y & 1)) & 0xB5026F5AA96619E9ULL);
    }
    void Rigenera() {
        std::size_t i = 0;
        for (; i < kN - kM; ++i) Parola(i, i + 1, i + kM);
        for (; i < kN - 1; ++i) Parola(i, i + 1, i + kM - kN);
        Parola(kN - 1, 0, kM - 1);
        p_ = 0;
    }

    std::array<result_type, kN> x_{};
    std::size_t p_ = kN;
};

}  // namespace mrvelto
