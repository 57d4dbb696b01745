// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClipWav.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace mrvelto {

namespace {

std::uint32_t U32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kEstensibile = 0xFFFE;

float Campione(const std::uint8_t* p, int bit, std::uint16_t formato) {
    if (formato == kFloat) {
        float x;
        std::memcpy(&x, p, 4);
        return std::isfinite(x) ? std::clamp(x, -1.0f, 1.0f) : 0.0f;
    }
    switch (bit) {
    case 8: return (static_cast<int>(p[0]) - 128) / 128.0f;
    case 16: return static_cast<std::int16_t>(U16(p)) / 32768.0f;
    case 24: {
        const auto v = static_cast<std::int32_t>((std::uint32_t(p[0]) << 8) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 24));
        return static_cast<float>(v / 2147483648.0);
    }
    default: return static_cast<float>(static_cast<std::int32_t>(U32(p)) / 2147483648.0);
    }
}

}  // namespace

std::optional<ClipAudio> LeggiWav(const std::uint8_t* d, std::size_t n) {
    if (n < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0) return std::nullopt;
    std::uint16_t formato = 0, canali = 0, bit = 0;
    std::uint32_t frequenza = 0;
    const std::uint8_t* dati = nullptr;
    std::size_t lunghezza = 0;
    std::size_t i = 12;
    while (i + 8 <= n) {
        const std::uint32_t dim = U32(d + i + 4);
        const std::size_t corpo = i + 8;
        const std::size_t disponibile = std::min<std::size_t>(dim, n - corpo);
        if (std::memcmp(d + i, "fmt ", 4) == 0 && disponibile >= 16) {
            formato = U16(d + corpo);
            canali = U16(d + corpo + 2);
            frequenza = U32(d + corpo + 4);
            bit = U16(d + corpo + 14);
            if (formato == kEstensibile && disponibile >= 26) formato = U16(d + corpo + 24);
        } else if (std::memcmp(d + i, "data", 4) == 0) {
            dati = d + corpo;
            lunghezza = disponibile;  // a writer killed mid-file leaves a short or zero size
            if (dim == 0 || dim == 0xFFFFFFFFu) lunghezza = n - corpo;
            break;
        }
        // Chunks are padded to an even length.
        i = corpo + dim + (dim & 1u);
    }
    const bool bitValidi = formato == kFloat ? bit == 32 : (bit == 8 || bit == 16 || bit == 24 || bit == 32);
    if (!dati || (formato != kPcm && formato != kFloat) || !bitValidi || canali < 1 || canali > 8 || frequenza == 0)
        return std::nullopt;
    const std::size_t passo = std::size_t(bit / 8) * canali;
    const std::size_t sorgenti = lunghezza / passo;
    // Past two channels only the first two are kept.
    const int tenuti = canali > 1 ? 2 : 1;
    ClipAudio clip;
    clip.canali = tenuti;
    auto Leggi = [&](std::size_t f, int c) { return Campione(dati + f * passo + std::size_t(c) * (bit / 8), bit, formato); };
    if (frequenza == kFrequenzaAudio) {
        clip.campioni.resize(sorgenti * tenuti);
        for (std::size_t f = 0; f < sorgenti; ++f)
            for (int c = 0; c < tenuti; ++c) clip.campioni[f * tenuti + c] = A16Bit(Leggi(f, c), true);
        return clip;
    }
    // Another rate: linear interpolation is enough for short noises and speech.
    const double rapporto = double(frequenza) / kFrequenzaAudio;
    const auto uscita = sorgenti == 0 ? 0 : static_cast<std::size_t>(std::floor(double(sorgenti) / rapporto));
    clip.campioni.resize(uscita * tenuti);
    for (std::size_t f = 0; f < uscita; ++f) {
        const double pos = double(f) * rapporto;
        const auto a = std::min(static_cast<std::size_t>(pos), sorgenti - 1);
        const std::size_t b = std::min(a + 1, sorgenti - 1);
        const auto t = static_cast<float>(pos - double(a));
        for (int c = 0; c < tenuti; ++c) clip.campioni[f * tenuti + c] = A16Bit(Leggi(a, c) * (1 - t) + Leggi(b, c) * t, true);
    }
    return clip;
}

std::optional<ClipAudio> LeggiWav(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> byte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LeggiWav(byte.data(), byte.size());
}

std::int16_t A16Bit(float x, bool pieno) {
    // Read clips keep their full scale (-1 is -32768); the mix is scaled so +1 and -1 both fit.
    const float s = pieno ? std::clamp(x * 32768.0f, -32768.0f, 32767.0f) : std::clamp(x, -1.0f, 1.0f) * 32767.0f;
    return static_cast<std::int16_t>(std::lrint(s));
}

namespace {

void Scrivi32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

ScrittoreWav::ScrittoreWav(const std::filesystem::path& file) {
    f_ = std::fopen(file.c_str(), "wb");
    if (f_) AggiornaIntestazione();
}

ScrittoreWav::~ScrittoreWav() {
    if (f_) std::fclose(f_);
}

void ScrittoreWav::AggiornaIntestazione() {
    const std::uint64_t byte = std::min<std::uint64_t>(fotogrammi_ * 4, 0xFFFFFFFFu - 36);
    std::uint8_t h[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                          1,   0,   2,   0,   0, 0, 0, 0, 0,   0,   0,   0,   4,   0,   16,  0,   'd', 'a', 't', 'a'};
    Scrivi32(h + 4, static_cast<std::uint32_t>(36 + byte));
    Scrivi32(h + 24, kFrequenzaAudio);
    Scrivi32(h + 28, kFrequenzaAudio * 4);
    Scrivi32(h + 40, static_cast<std::uint32_t>(byte));
    std::fseek(f_, 0, SEEK_SET);
    std::fwrite(h, 1, sizeof h, f_);
    std::fseek(f_, 0, SEEK_END);
    std::fflush(f_);
}

void ScrittoreWav::Scrivi(const float* stereo, std::size_t fotogrammi) {
    if (!f_ || fotogrammi == 0) return;
    buffer_.resize(fotogrammi * 2);
    for (std::size_t i = 0; i < fotogrammi * 2; ++i) buffer_[i] = A16Bit(stereo[i]);
    std::fwrite(buffer_.data(), sizeof(std::int16_t), buffer_.size(), f_);
    fotogrammi_ += fotogrammi;
    AggiornaIntestazione();
}

}  // namespace mrvelto
