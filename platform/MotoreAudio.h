// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound engine as the game sees it: four players (effects, music, anthem, theme) whose
// commands are queued for the rendering side, so a command costs the game's thread one lock and
// a push. Two ways out: an audio device (UscitaDispositivo.h, with Qt) and a capture rendered on
// the game's virtual time into a WAV file (below). Without either the players are LettoreMuto.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "audio/Lettore.h"
#include "game/OrologioVirtuale.h"
#include "platform/Miscelatore.h"

namespace mrvelto {

inline const char* const kSoundfontPredefinito = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// "Open" / "Prev" / "Play" / "Close"; anything else is no command.
std::optional<TipoComando> TipoDaTesto(const std::string& comando);

class MotoreAudio {
public:
    virtual ~MotoreAudio() = default;
    // A player on voice `v`; the engine must outlive it.
    std::unique_ptr<Lettore> NuovoLettore(VoceAudio v);
    virtual void Accoda(ComandoAudio c) = 0;
    // The game's clock: a capture places each command at the moment it was given.
    virtual void ImpostaOra(std::function<Millisecondi()>) {}
    // After a step of the clock: a capture renders up to now.
    virtual void Segna() {}
};

// Renders the mix for exactly the virtual time that passes, on a worker thread, into a 16-bit
// stereo WAV whose header is kept valid as it grows.
class MotoreCattura : public MotoreAudio {
public:
    MotoreCattura(const std::filesystem::path& file, std::filesystem::path soundfont = kSoundfontPredefinito);
    // Renders up to the clock's time, finishes the file.
    ~MotoreCattura() override;

    bool Aperto() const { return aperto_; }
    void Accoda(ComandoAudio c) override;
    // Time runs from `ora()` at this call: the file starts there. An empty one freezes time
    // where the last clock left it.
    void ImpostaOra(std::function<Millisecondi()> ora) override;
    void Segna() override;
    // Waits until everything queued so far is rendered and written.
    void Attendi();
    // Frames written; final once Attendi returned.
    std::uint64_t Fotogrammi() const;
    // What the mixer could not set up (no soundfont...), once it is prepared; empty if all is well.
    std::string Problema() const;

    static std::int64_t FotogrammaDi(Millisecondi ms) { return ms * kFrequenzaAudio / 1000; }

private:
    struct Elemento {
        std::int64_t fotogramma;
        std::optional<ComandoAudio> comando;
    };
    std::int64_t Adesso();
    void Lavora();

    std::function<Millisecondi()> ora_;
    Millisecondi origine_ = 0;
    std::int64_t ultimo_ = 0;  // commands never go back in time

    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<Elemento> coda_;
    bool fine_ = false;
    std::uint64_t accodati_ = 0, elaborati_ = 0;
    std::string problema_;
    std::atomic<std::uint64_t> fotogrammi_{0};

    bool aperto_ = false;
    ScrittoreWav file_;
    Miscelatore mix_;
    std::thread lavoratore_;
};

}  // namespace mrvelto
