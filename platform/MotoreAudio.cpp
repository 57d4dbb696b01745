// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MotoreAudio.h"

#include <algorithm>
#include <cstdio>

namespace mrvelto {

std::optional<TipoComando> TipoDaTesto(const std::string& comando) {
    if (comando == "Open") return TipoComando::Open;
    if (comando == "Prev") return TipoComando::Prev;
    if (comando == "Play") return TipoComando::Play;
    if (comando == "Close") return TipoComando::Close;
    return std::nullopt;
}

namespace {

class LettoreMotore : public Lettore {
public:
    LettoreMotore(MotoreAudio& motore, VoceAudio voce) : motore_(motore), voce_(voce) {}
    void ImpostaFile(const std::string& percorso) override { file_ = percorso; }
    void Comando(const std::string& comando) override {
        const auto tipo = TipoDaTesto(comando);
        if (!tipo) return;
        motore_.Accoda({voce_, *tipo, *tipo == TipoComando::Open ? file_ : std::string()});
    }

private:
    MotoreAudio& motore_;
    VoceAudio voce_;
    std::string file_;
};

}  // namespace

std::unique_ptr<Lettore> MotoreAudio::NuovoLettore(VoceAudio v) { return std::make_unique<LettoreMotore>(*this, v); }

MotoreCattura::MotoreCattura(const std::filesystem::path& file, std::filesystem::path soundfont)
    : file_(file), mix_(std::move(soundfont)) {
    aperto_ = file_.Aperto();
    mix_.MisuraLivelli();
    lavoratore_ = std::thread([this] { Lavora(); });
}

MotoreCattura::~MotoreCattura() {
    Segna();
    {
        std::lock_guard lock(mutex_);
        fine_ = true;
    }
    cv_.notify_all();
    lavoratore_.join();
    // What a listener would check first: headroom, and voice over music and noises.
    if (aperto_ && mix_.Livelli()) std::fprintf(stderr, "mrvelto: livelli audio: %s\n", mix_.Livelli()->Riassunto().c_str());
}

void MotoreCattura::ImpostaOra(std::function<Millisecondi()> ora) {
    if (!ora) {
        // The clock is going: time stops where it is.
        Adesso();
        ora_ = nullptr;
        return;
    }
    ora_ = std::move(ora);
    origine_ = ora_ ? ora_() : 0;
    ultimo_ = 0;
}

std::int64_t MotoreCattura::Adesso() {
    if (ora_) ultimo_ = std::max(ultimo_, FotogrammaDi(ora_() - origine_));
    return ultimo_;
}

void MotoreCattura::Accoda(ComandoAudio c) {
    const std::int64_t f = Adesso();
    {
        std::lock_guard lock(mutex_);
        coda_.push_back({f, std::move(c)});
        ++accodati_;
    }
    cv_.notify_all();
}

void MotoreCattura::Segna() {
    const std::int64_t f = Adesso();
    {
        std::lock_guard lock(mutex_);
        coda_.push_back({f, std::nullopt});
        ++accodati_;
    }
    cv_.notify_all();
}

void MotoreCattura::Attendi() {
    std::unique_lock lock(mutex_);
    const std::uint64_t obiettivo = accodati_;
    cv_.wait(lock, [&] { return elaborati_ >= obiettivo; });
}

std::uint64_t MotoreCattura::Fotogrammi() const { return fotogrammi_.load(); }

std::string MotoreCattura::Problema() const {
    std::lock_guard lock(mutex_);
    return problema_;
}

void MotoreCattura::Lavora() {
    mix_.Prepara();
    {
        std::lock_guard lock(mutex_);
        problema_ = mix_.Problema();
    }
    constexpr std::size_t kBlocco = 1024;
    std::vector<float> buffer(2 * kBlocco);
    std::vector<Elemento> presi;
    std::uint64_t scritti = 0;
    for (;;) {
        bool fine;
        {
            std::unique_lock lock(mutex_);
            cv_.wait(lock, [&] { return fine_ || !coda_.empty(); });
            presi.swap(coda_);
            fine = fine_;
        }
        for (const Elemento& e : presi) {
            while (scritti < static_cast<std::uint64_t>(e.fotogramma)) {
                const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(kBlocco, e.fotogramma - scritti));
                mix_.Rendi(buffer.data(), n);
                file_.Scrivi(buffer.data(), n);
                scritti += n;
                fotogrammi_.store(scritti);
            }
            if (e.comando) mix_.Applica(*e.comando);
        }
        {
            std::lock_guard lock(mutex_);
            elaborati_ += presi.size();
        }
        presi.clear();
        cv_.notify_all();
        if (fine) {
            std::lock_guard lock(mutex_);
            if (coda_.empty()) return;
        }
    }
}

}  // namespace mrvelto
