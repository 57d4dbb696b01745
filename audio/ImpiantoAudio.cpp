// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/ImpiantoAudio.h"

namespace mrvelto {

ImpiantoAudio::ImpiantoAudio(Tavolo& tavolo, OrologioVirtuale& orologio, FonteCasuale& caso, LettoriAudio lettori,
                             const std::filesystem::path& media)
    : tavolo_(tavolo), lettori_(lettori), durate_(DurateClip::Leggi(media / "Durate.txt")) {
    // Music first: at the end of the deal the tune is chosen before anything else draws.
    musica_ = std::make_unique<Musica>(tavolo, orologio, caso, lettori_.musica, lettori_.inno, media);
    suoni_ = std::make_unique<SuoniECommenti>(tavolo, orologio, caso, lettori_.effetti, media, durate_);
    tavolo_.ImpostaMusica(musica_.get());
}

ImpiantoAudio::~ImpiantoAudio() { tavolo_.ImpostaMusica(nullptr); }

}  // namespace mrvelto
