// SPDX-License-Identifier: GPL-3.0-or-later
// The sound engine's cost: one second of the mix (a folk tune through FluidSynth plus a spoken
// comment) rendered in the device's 512-frame blocks; the counter "cpu/s audio" is the share of
// one core a second of sound takes. Also the clips' memory, and the time to
// prepare the synth (done once, off the game's thread). The process's memory with the engine is
// measured on the game itself (peak RSS with and without --audio-capture).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Miscelatore.h"
#include "platform/MotoreAudio.h"

namespace mrvelto {
namespace {

const std::filesystem::path kMedia = MRVELTO_MEDIA_BUILD;

void Comandi(Miscelatore& mix, VoceAudio voce, const std::filesystem::path& file) {
    mix.Applica({voce, TipoComando::Close, ""});
    mix.Applica({voce, TipoComando::Open, file.string()});
    mix.Applica({voce, TipoComando::Prev, ""});
    mix.Applica({voce, TipoComando::Play, ""});
}

void UnSecondoDiMix(benchmark::State& state) {
    const auto brano = kMedia / "Musiche/MelPop01.mid";
    const auto clip = kMedia / "Commenti/1p/1p01.wav";
    if (!std::filesystem::exists(brano) || !std::filesystem::exists(clip) || !std::filesystem::exists(kSoundfontPredefinito)) {
        state.SkipWithError("media or soundfont missing: build the media, install fluid-soundfont-gm");
        return;
    }
    Miscelatore mix(kSoundfontPredefinito);
    mix.Prepara();
    Comandi(mix, VoceAudio::Musica, brano);
    constexpr std::size_t kBlocco = 512;
    std::vector<float> buffer(2 * kBlocco);
    // Past the tune's first notes, so their instruments are loaded.
    for (int i = 0; i < 20; ++i) mix.Rendi(buffer.data(), kBlocco);
    for (auto _ : state) {
        // Both from their start each time: every second measured has the tune's notes in it.
        Comandi(mix, VoceAudio::Musica, brano);
        Comandi(mix, VoceAudio::Effetti, clip);
        for (std::size_t fatti = 0; fatti < kFrequenzaAudio; fatti += kBlocco) mix.Rendi(buffer.data(), std::min(kBlocco, kFrequenzaAudio - fatti));
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["cpu/s audio"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["MB clip"] = static_cast<double>(mix.ByteClip()) / 1e6;
}
BENCHMARK(UnSecondoDiMix)->Unit(benchmark::kMillisecond);

void PreparaSynth(benchmark::State& state) {
    if (!std::filesystem::exists(kSoundfontPredefinito)) {
        state.SkipWithError("soundfont missing");
        return;
    }
    for (auto _ : state) {
        Miscelatore mix(kSoundfontPredefinito);
        mix.Prepara();
        benchmark::DoNotOptimize(mix.MidiDisponibile());
    }
}
BENCHMARK(PreparaSynth)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every clip of the game decoded: what the cache holds at most.
void TutteLeClip(benchmark::State& state) {
    std::vector<std::string> file;
    for (const auto& e : std::filesystem::recursive_directory_iterator(kMedia))
        if (e.path().extension() == ".wav") file.push_back(e.path().string());
    std::size_t byte = 0;
    for (auto _ : state) {
        Miscelatore mix("/nessun/soundfont.sf2");
        for (const std::string& f : file) mix.Applica({VoceAudio::Effetti, TipoComando::Open, f});
        byte = mix.ByteClip();
    }
    state.counters["clip"] = static_cast<double>(file.size());
    state.counters["MB"] = static_cast<double>(byte) / 1e6;
}
BENCHMARK(TutteLeClip)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace mrvelto
