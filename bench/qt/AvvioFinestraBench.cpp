// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window to its first drawn table with the cards dealt: the program and its
// start-up, the deal run on the clock, one frame painted with every picture read cold from the
// media. The goal is under 300 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "ui/FinestraPrincipale.h"

namespace {

// The first deal run on the clock, without waiting for real time.
void Distribuisci(mrvelto::FinestraPrincipale& finestra) {
    mrvelto::OrologioVirtuale& orologio = finestra.Orologio();
    while (orologio.Abilitato(finestra.Tavolo_().Timer().DistribuisciCarte) && orologio.EseguiProssimo()) {
    }
}

void BM_AvvioPrimoTavolo(benchmark::State& state) {
    for (auto _ : state) {
        mrvelto::AvvioFinestra avvio;
        avvio.seme = 42;
        mrvelto::FinestraPrincipale finestra(avvio);
        Distribuisci(finestra);
        QImage quadro(finestra.size(), QImage::Format_ARGB32_Premultiplied);
        finestra.render(&quadro);
        benchmark::DoNotOptimize(quadro.constBits());
    }
}
BENCHMARK(BM_AvvioPrimoTavolo)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same table drawn again: every picture from the cache.
void BM_RidisegnoTavolo(benchmark::State& state) {
    mrvelto::AvvioFinestra avvio;
    avvio.seme = 42;
    mrvelto::FinestraPrincipale finestra(avvio);
    Distribuisci(finestra);
    QImage quadro(finestra.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        finestra.render(&quadro);
        benchmark::DoNotOptimize(quadro.constBits());
    }
}
BENCHMARK(BM_RidisegnoTavolo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("MRVELTO_HOME")) setenv("MRVELTO_HOME", "/tmp/mrvelto-bench-casa", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
