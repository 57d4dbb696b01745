// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>

#include "player/DecisionePC.h"
#include "player/PosizionePC.h"

namespace mrvelto {
namespace {

// Every card not in the hands, for the endgame positions.
std::vector<CartaDaGioco> Giocate(const std::array<CartaDaGioco, 3>& pc, const std::array<CartaDaGioco, 3>& h) {
    std::vector<CartaDaGioco> v;
    for (int n = 1; n <= 40; ++n) {
        const CartaDaGioco c = CartaDaGioco::DaPosizione(n);
        if (std::find(pc.begin(), pc.end(), c) == pc.end() && std::find(h.begin(), h.end(), c) == h.end()) v.push_back(c);
    }
    return v;
}

Situazione Posizione(int stock, Chi turno, std::array<std::string_view, 3> pc, std::array<std::string_view, 3> h, int giocataH = 0) {
    PosizionePC p;
    p.semeBriscola = 'b';
    p.NumeroCarteRimaste = stock;
    p.TurnoDiGioco = turno;
    p.manoPC = ManoDaCodici(pc);
    p.manoH = ManoDaCodici(h);
    p.NumeroCartaGiocataDaH = giocataH;
    if (stock <= 0) p.giocate = Giocate(p.manoPC, p.manoH);
    return SituazioneDaPosizione(p);
}

// One whole decision (analysis, choice, thinking-time draw) on fresh working tables that know
// the position's cards.
void Decisione(benchmark::State& state, const Situazione& posizione) {
    CasoConSeme caso(1, [] { return OraMinSec{12, 34}; });
    for (auto _ : state) {
        TabellePC tab = posizione.tab;
        const EsitoDecisione e = DecidiMossa(posizione.stato, tab, caso, 'A');
        benchmark::DoNotOptimize(e.scelta);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_IniziaConMazzo(benchmark::State& s) { Decisione(s, Posizione(34, Chi::PC, {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"})); }
void BM_RispondeConMazzo(benchmark::State& s) { Decisione(s, Posizione(34, Chi::H, {"3d", "2b", "5c"}, {"Ad", "7s", "4s"}, 4)); }
void BM_IniziaTerzultima(benchmark::State& s) { Decisione(s, Posizione(0, Chi::PC, {"Ab", "2d", "3c"}, {"Rb", "As", "4d"})); }
void BM_RispondeTerzultima(benchmark::State& s) { Decisione(s, Posizione(-1, Chi::H, {"2b", "3d", "4c"}, {"Ad", "5s", "6s"}, 4)); }
void BM_IniziaPenultima(benchmark::State& s) { Decisione(s, Posizione(-2, Chi::PC, {"3b", "Fd", ""}, {"2d", "", "Ad"})); }
void BM_RispondePenultima(benchmark::State& s) { Decisione(s, Posizione(-3, Chi::H, {"Fd", "", "3b"}, {"2d", "Ad", ""}, 4)); }

BENCHMARK(BM_IniziaConMazzo);
BENCHMARK(BM_RispondeConMazzo);
BENCHMARK(BM_IniziaTerzultima);
BENCHMARK(BM_RispondeTerzultima);
BENCHMARK(BM_IniziaPenultima);
BENCHMARK(BM_RispondePenultima);

}  // namespace
}  // namespace mrvelto
