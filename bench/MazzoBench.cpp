// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <random>

#include "cards/GeneratoreMT64.h"
#include "cards/Mazzo.h"

namespace mrvelto {
namespace {

// One game's worth of chance: a shuffle, then the 40 draws.
void BM_MescolaEQuarantaEstrazioni(benchmark::State& state) {
    CasoConSeme caso(1, [] { return OraMinSec{12, 34}; });
    Mazzo mazzo;
    SlotCarte slot;
    for (auto _ : state) {
        MescolaCarte(mazzo, caso);
        mazzo.AzzeraSegni();
        for (int n = 0; n < 40; ++n) EstraiACasoUnaCarta(mazzo, slot, n % 8 + 1, caso);
        benchmark::DoNotOptimize(slot);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MescolaEQuarantaEstrazioni);

// The game's engine against the library's, which gives the same numbers: the reason to keep ours.
template <class Motore>
void BM_Motore(benchmark::State& state) {
    Motore gen(1);
    for (auto _ : state) benchmark::DoNotOptimize(gen());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Motore<GeneratoreMT64>);
BENCHMARK(BM_Motore<std::mt19937_64>);

}  // namespace
}  // namespace mrvelto
