// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mix's levels by source, as a capture measures them: the sample peak of the whole mix, its
// RMS, and for each source (voice comments, card noises, music) the median RMS of the 100 ms
// windows in which that source sounded, measured on what it adds to the mix.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace mrvelto {

enum class FonteAudio { Voce = 0, Rumori = 1, Musica = 2 };
inline constexpr int kFontiAudio = 3;

class LivelliMiscela {
public:
    // Frame `i` of the current slice: what each source added and the mix that went out.
    void Aggiungi(FonteAudio f, float sinistro, float destro);
    void Uscita(float sinistro, float destro);
    // The end of one frame: a window closes every 4410 frames.
    void FineFotogramma();

    // In dBFS; -inf when nothing was measured.
    double PiccoDb() const;
    double RmsDb() const;
    double MedianaDb(FonteAudio f) const;
    double PiccoDb(FonteAudio f) const;
    // One line for stderr: "picco P dBFS, RMS R dBFS; mediane: voce V, rumori N, musica M dBFS;
    // picchi: voce ..., rumori ..., musica ... dBFS".
    std::string Riassunto() const;

private:
    static constexpr std::size_t kFinestra = 4410;
    std::array<double, kFontiAudio> quadrati_{};
    std::array<double, kFontiAudio> picchi_{};
    std::array<bool, kFontiAudio> attiva_{};
    std::array<std::vector<float>, kFontiAudio> finestre_;
    std::size_t nellaFinestra_ = 0;
    double picco_ = 0;
    double quadratiTotali_ = 0;
    std::size_t fotogrammi_ = 0;
};

}  // namespace mrvelto
