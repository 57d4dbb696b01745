// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WAV files in and out: a small RIFF reader that turns PCM (8/16/24/32-bit integer or 32-bit
// float, mono or stereo, any rate) into 16-bit clips at 44.1 kHz, and a writer whose
// header stays valid after every block it adds, so a capture cut short still opens.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace mrvelto {

inline constexpr int kFrequenzaAudio = 44100;

// 16-bit frames at kFrequenzaAudio, one or two channels as the file had them: the game's voice
// clips are mono, and kept so they take a quarter of what stereo float would.
struct ClipAudio {
    std::vector<std::int16_t> campioni;
    int canali = 1;
    std::size_t Fotogrammi() const { return campioni.size() / static_cast<std::size_t>(canali); }
    float Sinistro(std::size_t f) const { return campioni[f * canali] / 32768.0f; }
    float Destro(std::size_t f) const { return campioni[f * canali + (canali - 1)] / 32768.0f; }
};

// Nothing when the file is missing or not a PCM WAV this reader knows.
std::optional<ClipAudio> LeggiWav(const std::filesystem::path& file);
std::optional<ClipAudio> LeggiWav(const std::uint8_t* dati, std::size_t n);

// A 16-bit stereo 44.1 kHz WAV being written.
class ScrittoreWav {
public:
    explicit ScrittoreWav(const std::filesystem::path& file);
    ~ScrittoreWav();
    ScrittoreWav(const ScrittoreWav&) = delete;
    ScrittoreWav& operator=(const ScrittoreWav&) = delete;

    bool Aperto() const { return f_ != nullptr; }
    // Appends stereo frames (clamped to 16 bits) and brings the header's sizes up to date.
    void Scrivi(const float* stereo, std::size_t fotogrammi);
    std::uint64_t Fotogrammi() const { return fotogrammi_; }

private:
    void AggiornaIntestazione();

    std::FILE* f_ = nullptr;
    std::uint64_t fotogrammi_ = 0;
    std::vector<std::int16_t> buffer_;
};

// [-1, 1] to 16 bits; `pieno`: -1 maps to -32768 and 32767/32768 back to 32767.
std::int16_t A16Bit(float x, bool pieno = false);

}  // namespace mrvelto
