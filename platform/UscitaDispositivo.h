// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine on the machine's audio device, through Qt Multimedia. The device, the synth and the
// mixer live on their own thread: the sink pulls blocks from the mixer there, and each block
// first applies the commands queued since the last one. With no device the engine goes mute,
// says so in one line on stderr and drops what it is given; the game runs the same.
#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/MotoreAudio.h"

namespace mrvelto {

class RiproduttoreQt;

class MotoreDispositivo : public MotoreAudio {
public:
    explicit MotoreDispositivo(std::filesystem::path soundfont = kSoundfontPredefinito);
    ~MotoreDispositivo() override;

    void Accoda(ComandoAudio c) override;
    // The rendering side takes what was queued.
    std::vector<ComandoAudio> Prendi();
    void Ammutolisci();
    bool Muto() const { return muto_.load(); }
    // The device's buffer, once the sink runs (0 before, or mute).
    int FotogrammiBuffer() const { return fotogrammiBuffer_.load(); }
    void ImpostaBuffer(int fotogrammi) { fotogrammiBuffer_.store(fotogrammi); }

    // Commands are applied between blocks of kBlocco frames; the sink asks for kFotogrammiBuffer
    // (93 ms) ahead, and PulseAudio may grant less (2931 frames, 66 ms, on Debian 12).
    static constexpr int kBlocco = 512;
    static constexpr int kFotogrammiBuffer = 4096;

private:
    std::mutex mutex_;
    std::vector<ComandoAudio> coda_;
    std::atomic<bool> muto_{false};
    std::atomic<int> fotogrammiBuffer_{0};
    QThread thread_;
    RiproduttoreQt* riproduttore_ = nullptr;  // lives on thread_
};

}  // namespace mrvelto
