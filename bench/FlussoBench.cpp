// SPDX-License-Identifier: GPL-3.0-or-later
// Games per second of the game flow on virtual time: the same composition as `mrvelto-sim match`
// (a table, its timers and handlers, the random reference opponent on the human's side), with the
// table's default first-card player (the flow's own cost) and with Mr. VELTO.
#include <benchmark/benchmark.h>

#include "game/Conduttore.h"
#include "game/OraVirtuale.h"
#include "game/Tavolo.h"
#include "player/GiocatoreVelto.h"
#include "player/GiocatoriDiRiferimento.h"

namespace mrvelto {
namespace {

void GiochiSulTavolo(benchmark::State& state, bool provvisorio) {
    OrologioVirtuale orologio;
    CasoConSeme caso(1, OraDaOrologioVirtuale(orologio));
    Tavolo tavolo(orologio, caso, [] { return DataOra{}; });
    GiocatoreVelto velto(caso);
    if (!provvisorio) tavolo.ImpostaGiocatorePC(&velto);
    auto avversario = CreaGiocatore("random", 'A', 2);
    Conduttore conduttore(tavolo, orologio, *avversario);
    tavolo.Avvia();
    std::uint64_t giochi = 0;
    for (auto _ : state) {
        ++giochi;
        if (!conduttore.FinoAGiochi(giochi, 1'000'000)) state.SkipWithError("the flow got stuck");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(giochi));
    state.counters["giochi/s"] = benchmark::Counter(static_cast<double>(giochi), benchmark::Counter::kIsRate);
    state.counters["passi/gioco"] = static_cast<double>(orologio.PassiEseguiti()) / static_cast<double>(giochi ? giochi : 1);
}

void BM_GiocoConGiocatoreProvvisorio(benchmark::State& state) { GiochiSulTavolo(state, true); }
void BM_GiocoConMrVelto(benchmark::State& state) { GiochiSulTavolo(state, false); }
BENCHMARK(BM_GiocoConGiocatoreProvvisorio);
BENCHMARK(BM_GiocoConMrVelto);

}  // namespace
}  // namespace mrvelto
