// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run's signature (FNV-1a over the games' figures) and the seed mixer that gives each
// player its own random stream from the run's seed.
#include <cstdint>

namespace mrvelto::sim {

inline std::uint64_t SplitMix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

inline void Mescola(std::uint64_t& firma, std::int64_t valore) {
    auto v = static_cast<std::uint64_t>(valore);
    for (int i = 0; i < 8; ++i) {
        firma ^= (v >> (8 * i)) & 0xFF;
        firma *= 0x100000001B3ULL;
    }
}

}  // namespace mrvelto::sim
