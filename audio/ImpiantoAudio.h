// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the table sounds like, wired to one table: the clip lengths read from the media
// folder, the effects and comments, the music and the ceremony (set as the table's ceremony port).
#include <filesystem>
#include <memory>

#include "audio/DurateClip.h"
#include "audio/Lettore.h"
#include "audio/Musica.h"
#include "audio/SuoniECommenti.h"

namespace mrvelto {

class ImpiantoAudio {
public:
    // The players must outlive this; the table's ceremony port points here until destruction.
    ImpiantoAudio(Tavolo& tavolo, OrologioVirtuale& orologio, FonteCasuale& caso, LettoriAudio lettori,
                  const std::filesystem::path& media);
    ~ImpiantoAudio();
    ImpiantoAudio(const ImpiantoAudio&) = delete;
    ImpiantoAudio& operator=(const ImpiantoAudio&) = delete;

    SuoniECommenti& Suoni() { return *suoni_; }
    Musica& Musica_() { return *musica_; }
    const Musica& Musica_() const { return *musica_; }
    const DurateClip& Durate() const { return durate_; }
    const LettoriAudio& Lettori() const { return lettori_; }

private:
    Tavolo& tavolo_;
    LettoriAudio lettori_;
    DurateClip durate_;
    std::unique_ptr<SuoniECommenti> suoni_;
    std::unique_ptr<Musica> musica_;
};

}  // namespace mrvelto
