// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mixer behind the four players: it applies their commands and renders stereo float at
// 44.1 kHz. It is used from one thread only, the rendering side (the audio device's thread or
// the capture's worker); the game's thread talks to it through CodaAudio. WAV clips are decoded
// on first use and kept while they fit a budget, the least recently opened going first (the
// comments alone are tens of MB decoded, and a long evening would end up holding them all); MIDI goes through one FluidSynth synth with 48 channels, 16 per MIDI
// player, so the soundfont is loaded once and three tunes can sound at once without sharing a
// channel.
#include <cstdint>
#include <filesystem>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ClipWav.h"
#include "platform/LivelliMiscela.h"

namespace mrvelto {

enum class VoceAudio { Effetti = 0, Musica = 1, Inno = 2, Sigla = 3 };
inline constexpr int kVociAudio = 4;

enum class TipoComando { Open, Prev, Play, Close };

struct ComandoAudio {
    VoceAudio voce = VoceAudio::Effetti;
    TipoComando tipo = TipoComando::Close;
    std::string file;  // Open only
};

class Miscelatore {
public:
    // `soundfont`: the SF2 for the MIDI players; missing or unreadable, they stay silent.
    // `tettoClip`: bytes of decoded clips kept for the next time (one clip is kept whatever its size).
    explicit Miscelatore(std::filesystem::path soundfont, std::size_t tettoClip = kTettoClip);
    ~Miscelatore();
    Miscelatore(const Miscelatore&) = delete;
    Miscelatore& operator=(const Miscelatore&) = delete;

    // The slow part (synth and soundfont): call it on the rendering side before the first
    // command; Applica and Rendi call it themselves if not done.
    void Prepara();
    void Applica(const ComandoAudio& c);
    // Adds nothing: writes `fotogrammi` stereo frames over `uscita`.
    void Rendi(float* uscita, std::size_t fotogrammi);

    // What went wrong while preparing (empty if all is well), for one line on stderr.
    const std::string& Problema() const { return problema_; }
    // Bytes of decoded clips kept in the cache.
    std::size_t ByteClip() const { return byteClip_; }
    bool MidiDisponibile() const;

    // Measures the levels of everything rendered from now on (a capture asks for it).
    void MisuraLivelli() { misura_ = std::make_unique<LivelliMiscela>(); }
    const LivelliMiscela* Livelli() const { return misura_.get(); }

    // The mix's headroom: the synth and the clips together stay below -3 dBFS, the voice above
    // the music, the card noises below the voice.
    static constexpr float kGuadagnoMidi = 0.25f;
    static constexpr float kGuadagnoVoce = 0.6f;
    static constexpr float kGuadagnoRumori = 0.4f;
    // Every card noise and the thirty or so comments of a game or two.
    static constexpr std::size_t kTettoClip = 8u << 20;

    struct Midi;  // FluidSynth's side, kept out of this header

private:
    std::shared_ptr<const ClipAudio> Clip_(const std::string& file);
    void ApplicaWav(int voce, const ComandoAudio& c);
    void ApplicaMidi(int voce, const ComandoAudio& c);

    std::filesystem::path soundfont_;
    bool preparato_ = false;
    std::string problema_;
    struct InCache {
        std::shared_ptr<const ClipAudio> clip;  // null: the file would not read
        std::list<std::string>::iterator recente;
    };
    std::map<std::string, InCache> cache_;
    std::list<std::string> recenti_;  // the cache's files, the last opened first
    std::size_t tettoClip_;
    std::size_t byteClip_ = 0;
    struct StatoWav {
        std::shared_ptr<const ClipAudio> clip;
        std::size_t posizione = 0;
        bool suona = false;
        FonteAudio fonte = FonteAudio::Rumori;
        float guadagno = 1.0f;
    };
    void Misura(const float* uscita, std::size_t fotogrammi);

    StatoWav wav_[kVociAudio];
    std::unique_ptr<Midi> midi_;
    std::unique_ptr<LivelliMiscela> misura_;
    std::vector<float> contributi_[kFontiAudio];  // while measuring: what each source added
};

// The MIDI player's half of a voice: the extension decides.
bool EMidi(const std::string& file);

}  // namespace mrvelto
