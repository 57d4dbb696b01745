// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

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

}  // namespace
}  // namespace mrvelto
