// SPDX-License-Identifier: GPL-3.0-or-later
// The sound engine rendered off-line: what the capture writes is what a player would hear, sample
// by sample, at the virtual moment each command was given.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/ClipWav.h"
#include "platform/Miscelatore.h"
#include "platform/MotoreAudio.h"
#include "support/FileDiProva.h"

namespace mrvelto {
namespace {

namespace fs = std::filesystem;

using Cartella = test::CartellaTemporanea;

void Le32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Le16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A PCM WAV, with an odd-sized chunk before the data as some editors write.
std::vector<std::uint8_t> Wav(int canali, int bit, int frequenza, const std::vector<std::uint8_t>& dati, bool conAltro = true) {
    std::vector<std::uint8_t> b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    Le32(b, 16);
    Le16(b, 1);
    Le16(b, static_cast<std::uint16_t>(canali));
    Le32(b, static_cast<std::uint32_t>(frequenza));
    Le32(b, static_cast<std::uint32_t>(frequenza * canali * bit / 8));
    Le16(b, static_cast<std::uint16_t>(canali * bit / 8));
    Le16(b, static_cast<std::uint16_t>(bit));
    if (conAltro) {
        for (char c : std::string("LIST")) b.push_back(static_cast<std::uint8_t>(c));
        Le32(b, 3);
        b.insert(b.end(), {'a', 'b', 'c', 0});  // padded to even
    }
    for (char c : std::string("data")) b.push_back(static_cast<std::uint8_t>(c));
    Le32(b, static_cast<std::uint32_t>(dati.size()));
    b.insert(b.end(), dati.begin(), dati.end());
    const auto riff = static_cast<std::uint32_t>(b.size() - 8);
    for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<std::uint8_t>(riff >> (8 * i));
    return b;
}

// Mono 16-bit at 44.1 kHz: sample i is valori(i).
template <class F>
fs::path ScriviClip(const fs::path& file, int fotogrammi, F valori) {
    std::vector<std::uint8_t> dati;
    for (int i = 0; i < fotogrammi; ++i) Le16(dati, static_cast<std::uint16_t>(static_cast<std::int16_t>(valori(i))));
    const auto b = Wav(1, 16, kFrequenzaAudio, dati);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return file;
}

int Rampa(int i) { return 1000 + (i % 2000) * 10; }
int Negativa(int i) { return -5000 - (i % 100) * 7; }

// The capture's left channel back in 16-bit steps.
std::vector<int> Sinistro(const fs::path& file) {
    auto clip = LeggiWav(file);
    EXPECT_TRUE(clip.has_value());
    std::vector<int> s;
    if (!clip) return s;
    for (std::size_t f = 0; f < clip->Fotogrammi(); ++f) s.push_back(clip->campioni[f * clip->canali]);
    return s;
}

// 16-bit sample `atteso` as the capture writes it back (x / 32768 * 32767, rounded).
// A clip's sample as the capture writes it back: at the noises' gain (the voice has its own).
int Riscritto(int atteso, float guadagno = Miscelatore::kGuadagnoRumori) {
    return static_cast<int>(std::lround(atteso * double(guadagno) / 32768.0 * 32767.0));
}

// 8, 16 and 24 bits, mono and stereo, other rates, an unknown chunk skipped; what is not PCM refused.
TEST(ClipWav, ReadsThePcmFormatsAndRefusesTheRest) {
    std::vector<std::uint8_t> dati;
    for (int v : {0, 16384, -32768, 32767}) Le16(dati, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    const auto clip = [](const std::vector<std::uint8_t>& b) { return LeggiWav(b.data(), b.size()); };
    const auto c16 = clip(Wav(1, 16, kFrequenzaAudio, dati));
    ASSERT_TRUE(c16);
    EXPECT_EQ(c16->canali, 1);
    EXPECT_EQ(c16->campioni, (std::vector<std::int16_t>{0, 16384, -32768, 32767}));
    EXPECT_EQ(c16->Destro(2), -1.0f);
    const auto c8 = clip(Wav(2, 8, kFrequenzaAudio, {128, 192, 0, 255}, false));
    ASSERT_TRUE(c8);
    EXPECT_EQ(c8->canali, 2);
    EXPECT_EQ(c8->campioni, (std::vector<std::int16_t>{0, 16384, -32768, 32512}));
    // 24-bit little-endian: 0x400000 is half scale, 0xC00000 minus half.
    const auto c24 = clip(Wav(2, 24, kFrequenzaAudio, {0, 0, 0x40, 0, 0, 0xC0}));
    ASSERT_TRUE(c24);
    EXPECT_EQ(c24->campioni, (std::vector<std::int16_t>{16384, -16384}));
    // One second at 22050 Hz lasts one second at 44100.
    dati.clear();
    for (int i = 0; i < 22050; ++i) Le16(dati, 8000);
    const auto c22 = clip(Wav(1, 16, 22050, dati));
    ASSERT_TRUE(c22);
    EXPECT_NEAR(static_cast<double>(c22->Fotogrammi()), 44100.0, 2.0);
    EXPECT_EQ(c22->campioni[1000], 8000);
    EXPECT_FALSE(clip({'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}));
    EXPECT_FALSE(clip(std::vector<std::uint8_t>(15, 'x')));
    EXPECT_FALSE(LeggiWav("/percorso/che/non/esiste.wav"));
}

// The capture with a hand-driven clock; no soundfont, so only the clips sound.
struct Banco {
    Cartella cartella;
    Millisecondi adesso = 0;
    std::unique_ptr<MotoreCattura> motore;
    std::unique_ptr<Lettore> effetti, musica, inno;

    explicit Banco(const char* soundfont = "/nessun/soundfont.sf2") {
        motore = std::make_unique<MotoreCattura>(cartella() / "cattura.wav", soundfont);
        motore->ImpostaOra([this] { return adesso; });
        effetti = motore->NuovoLettore(VoceAudio::Effetti);
        musica = motore->NuovoLettore(VoceAudio::Musica);
        inno = motore->NuovoLettore(VoceAudio::Inno);
    }
    void A(Millisecondi t) {
        adesso = t;
        motore->Segna();
    }
    // Writes clip `nome` (see ScriviClip) and plays it on `lettore` now.
    void Suona(Lettore& lettore, const std::string& nome, int fotogrammi, int (*valori)(int)) {
        SuonaDaCapo(lettore, ScriviClip(cartella() / nome, fotogrammi, valori).string());
    }
    std::vector<int> Fine(Millisecondi t) {
        A(t);
        motore.reset();
        return Sinistro(cartella() / "cattura.wav");
    }
};

// s[da, da + n) is `clip` from its sample `inizio` at the noises' gain, or silence without one.
void Tratto(const std::vector<int>& s, std::size_t da, std::size_t n, int (*clip)(int) = nullptr, int inizio = 0) {
    ASSERT_LE(da + n, s.size());
    for (std::size_t i = 0; i < n; ++i)
        ASSERT_NEAR(s[da + i], clip ? Riscritto(clip(inizio + static_cast<int>(i))) : 0, clip ? 1 : 0) << da + i;
}

// Each command takes effect at its virtual moment, to the sample: play, Close, the next clip, Prev.
TEST(Cattura, CommandsTakeEffectAtTheirVirtualMoment) {
    {
        Banco b;
        b.A(10);
        b.Suona(*b.effetti, "a.wav", 2000, Rampa);
        const auto s = b.Fine(100);
        ASSERT_EQ(s.size(), 4410u);
        Tratto(s, 0, 441);  // 10 ms of silence, the clip, silence again
        Tratto(s, 441, 2000, Rampa);
        Tratto(s, 2441, 4410 - 2441);
    }
    {
        Banco b;
        b.Suona(*b.effetti, "a.wav", 4000, Rampa);
        b.adesso = 20;
        FermaLettore(*b.effetti);
        const auto s = b.Fine(60);
        ASSERT_EQ(s.size(), 2646u);
        Tratto(s, 0, 882, Rampa);
        Tratto(s, 882, 2646 - 882);
    }
    {
        Banco b;
        b.Suona(*b.effetti, "a.wav", 4000, Rampa);
        b.adesso = 15;
        b.Suona(*b.effetti, "c.wav", 1000, Negativa);
        const auto s = b.Fine(50);
        Tratto(s, 0, 661, Rampa);  // from 15 ms only the second clip: nothing of the first is added
        Tratto(s, 661, 1000, Negativa);
        Tratto(s, 1661, s.size() - 1661);
    }
    {
        Banco b;
        b.Suona(*b.effetti, "a.wav", 4000, Rampa);
        b.adesso = 5;
        b.effetti->Comando("Prev");
        const auto s = b.Fine(30);
        Tratto(s, 0, 220, Rampa);
        Tratto(s, 220, 1000, Rampa);
    }
}

// Each at its gain: a comment louder than a noise.
TEST(Cattura, DueLettoriSiSommano) {
    Banco b;
    fs::create_directories(b.cartella() / "Commenti");
    b.Suona(*b.effetti, "Commenti/a.wav", 4000, [](int) { return 10000; });
    b.Suona(*b.inno, "c.wav", 4000, [](int) { return 10000; });
    const auto s = b.Fine(20);
    EXPECT_NEAR(s[100], Riscritto(10000, Miscelatore::kGuadagnoVoce) + Riscritto(10000), 2);
}

TEST(Cattura, LaDurataEIlTempoVirtuale) {
    Banco b;
    const auto a = ScriviClip(b.cartella() / "a.wav", 100, Rampa);
    for (Millisecondi t = 0; t < 1234; t += 97) {
        b.adesso = t;
        SuonaDaCapo(*b.effetti, a.string());
    }
    b.A(1234);
    b.motore->Attendi();
    const std::uint64_t attesi = 1234 * 44100 / 1000;
    EXPECT_EQ(b.motore->Fotogrammi(), attesi);
    // Readable before the end: the header already counts every frame written.
    const auto durante = LeggiWav(b.cartella() / "cattura.wav");
    ASSERT_TRUE(durante);
    EXPECT_EQ(durante->Fotogrammi(), attesi);
    b.adesso = 2000;  // the end renders up to the clock's time
    const auto s = b.Fine(2000);
    EXPECT_EQ(s.size(), 2000u * 441 / 10);
    EXPECT_EQ(fs::file_size(b.cartella() / "cattura.wav"), 44 + s.size() * 4);
}

// A format-0 MIDI file: one note of an organ (it holds without decaying) on channel `canale`,
// held for `ticks` at 96 per beat (120 bpm).
fs::path ScriviMidi(const fs::path& file, int nota, int ticks, int canale = 0) {
    std::vector<std::uint8_t> traccia = {0x00, static_cast<std::uint8_t>(0xC0 | canale), 16,
                                         0x00, static_cast<std::uint8_t>(0x90 | canale), static_cast<std::uint8_t>(nota), 100};
    traccia.push_back(static_cast<std::uint8_t>(0x80 | (ticks >> 7)));
    traccia.push_back(static_cast<std::uint8_t>(ticks & 0x7F));
    traccia.insert(traccia.end(), {static_cast<std::uint8_t>(0x80 | canale), static_cast<std::uint8_t>(nota), 0, 0x00, 0xFF, 0x2F, 0x00});
    std::vector<std::uint8_t> b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
    for (int i = 3; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(traccia.size() >> (8 * i)));
    b.insert(b.end(), traccia.begin(), traccia.end());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return file;
}

double Rms(const std::vector<int>& s, std::size_t da, std::size_t a) {
    double somma = 0;
    for (std::size_t i = da; i < a; ++i) somma += double(s[i]) * s[i];
    return std::sqrt(somma / double(a - da)) / 32768.0;
}

bool ConSoundfont() { return fs::exists(kSoundfontPredefinito); }

// A tune sounds and Close silences it at once (no reverb tail); an anthem on another player, both
// on channel 0, closes without silencing the tune's held note.
TEST(CatturaMidi, IlBranoSuonaECloseLoZittisceMaUnInnoNonZittisceLaMusica) {
    if (!ConSoundfont()) GTEST_SKIP() << "fluid-soundfont-gm is not installed";
    {
        Banco b(kSoundfontPredefinito);
        SuonaDaCapo(*b.musica, ScriviMidi(b.cartella() / "brano.mid", 60, 1000).string());
        b.adesso = 1000;
        FermaLettore(*b.musica);
        const auto s = b.Fine(1500);
        ASSERT_EQ(s.size(), 66150u);
        EXPECT_GT(Rms(s, 4410, 44100), 0.01);
        EXPECT_LT(Rms(s, 44100 + 441, 66150), 1e-4);
    }
    Banco b(kSoundfontPredefinito);
    SuonaDaCapo(*b.musica, ScriviMidi(b.cartella() / "brano.mid", 60, 2000).string());
    b.adesso = 500;
    SuonaDaCapo(*b.inno, ScriviMidi(b.cartella() / "inno.mid", 67, 2000).string());
    b.adesso = 1000;
    FermaLettore(*b.inno);
    const auto s = b.Fine(2000);
    const double prima = Rms(s, 4410, 22050);
    EXPECT_GT(prima, 0.01);
    EXPECT_GT(Rms(s, 50000, 88200), prima * 0.5);
}

// An unknown command, a missing file, a tune without a soundfont: silence, and the engine says why.
TEST(CatturaMidi, WhatCannotSoundIsSilentAndTheEngineSaysWhy) {
    Banco b("/nessun/soundfont.sf2");
    b.effetti->Comando("Pause");
    SuonaDaCapo(*b.effetti, (b.cartella() / "manca.wav").string());
    SuonaDaCapo(*b.musica, ScriviMidi(b.cartella() / "brano.mid", 60, 500).string());
    b.A(500);
    b.motore->Attendi();
    EXPECT_NE(b.motore->Problema(), "");
    const auto s = b.Fine(500);
    Tratto(s, 0, s.size());
}

// Whether voice `v` sounds in the next block after opening and playing `file` on it.
bool Suona(Miscelatore& mix, VoceAudio v, const fs::path& file) {
    mix.Applica({v, TipoComando::Open, file.string()});
    mix.Applica({v, TipoComando::Play, {}});
    std::vector<float> buffer(2 * 64);
    mix.Rendi(buffer.data(), 64);
    for (float x : buffer)
        if (x != 0) return true;
    return false;
}

// The decoded clips stay within their budget, the least recently opened leaving first.
TEST(CacheClip, KeepsTheRecentClipsWithinItsBudget) {
    Cartella c;
    const std::size_t unaClip = 4000 * sizeof(std::int16_t);
    Miscelatore mix("/nessun/soundfont.sf2", 2 * unaClip);
    const auto a = ScriviClip(c() / "a.wav", 4000, Rampa);
    const auto b = ScriviClip(c() / "b.wav", 4000, Rampa);
    const auto d = ScriviClip(c() / "d.wav", 4000, Rampa);
    EXPECT_TRUE(Suona(mix, VoceAudio::Effetti, a));
    EXPECT_TRUE(Suona(mix, VoceAudio::Effetti, b));
    EXPECT_TRUE(Suona(mix, VoceAudio::Effetti, a));  // a is the recent one now
    EXPECT_EQ(mix.ByteClip(), 2 * unaClip);
    EXPECT_TRUE(Suona(mix, VoceAudio::Effetti, d));  // b leaves
    EXPECT_EQ(mix.ByteClip(), 2 * unaClip);
    // Gone from the disk: only what the cache kept can still sound.
    for (const auto& f : {a, b, d}) fs::remove(f);
    EXPECT_TRUE(Suona(mix, VoceAudio::Effetti, a));
    EXPECT_TRUE(Suona(mix, VoceAudio::Effetti, d));
    EXPECT_FALSE(Suona(mix, VoceAudio::Effetti, b));
    // One clip bigger than the whole budget is still kept: its next cue is the likely one.
    Miscelatore stretto("/nessun/soundfont.sf2", 16);
    const auto e = ScriviClip(c() / "e.wav", 4000, Rampa);
    EXPECT_TRUE(Suona(stretto, VoceAudio::Effetti, e));
    EXPECT_EQ(stretto.ByteClip(), unaClip);
    fs::remove(e);
    EXPECT_TRUE(Suona(stretto, VoceAudio::Effetti, e));
}

// A clip pushed out of the cache while it sounds plays on to its end.
TEST(CacheClip, AClipLeavingTheCacheWhileSoundingPlaysOn) {
    Cartella c;
    Miscelatore mix("/nessun/soundfont.sf2", 16);
    const auto lunga = ScriviClip(c() / "lunga.wav", 3000, Negativa);
    const auto breve = ScriviClip(c() / "breve.wav", 100, Rampa);
    ASSERT_TRUE(Suona(mix, VoceAudio::Musica, lunga));
    Suona(mix, VoceAudio::Effetti, breve);  // pushes the long one out
    mix.Applica({VoceAudio::Effetti, TipoComando::Close, {}});
    std::vector<float> buffer(2 * 64);
    mix.Rendi(buffer.data(), 64);
    EXPECT_NEAR(buffer[0] * 32768.0f, static_cast<float>(Negativa(128)) * Miscelatore::kGuadagnoRumori, 2.0f);
}

}  // namespace
}  // namespace mrvelto
