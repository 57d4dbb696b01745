// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mr. VELTO's voice and the table's noises, on the one effects player: the noise of a played card
// or a comment on the trick, the deal and take noises, the opening and final comments, and his
// impatience while the player thinks. It follows the table's events; a clip runs for the length
// of its file, during which InterdiciSuoni holds every other clip off.
#include <filesystem>
#include <string>

#include "audio/DurateClip.h"
#include "audio/GruppiCommenti.h"
#include "audio/Lettore.h"
#include "cards/Caso.h"
#include "game/Eventi.h"
#include "game/OrologioVirtuale.h"
#include "game/Tavolo.h"

namespace mrvelto {

struct TimerSuoni {
    OrologioVirtuale::Id FineRumoreCarte = -1;
    OrologioVirtuale::Id FinisciCommento = -1;
    OrologioVirtuale::Id DurataCommentoFinale = -1;
    OrologioVirtuale::Id InterdiciSuoni = -1;
    OrologioVirtuale::Id Impazienza = -1;
    OrologioVirtuale::Id FineImpazienza = -1;
};

// The noise of a card by its Valore ("Rumori/asso.wav" ...), nullptr for none.
const char* RumoreDelValore(int valore);

class SuoniECommenti {
public:
    // `media`: the folder the clip paths start from. The table, clock, source, player and
    // lengths must outlive this.
    SuoniECommenti(Tavolo& tavolo, OrologioVirtuale& orologio, FonteCasuale& caso, Lettore& effetti,
                   std::filesystem::path media, const DurateClip& durate);
    ~SuoniECommenti();
    SuoniECommenti(const SuoniECommenti&) = delete;
    SuoniECommenti& operator=(const SuoniECommenti&) = delete;

    // A side panel that hides the table opens / closes: the impatience waits meanwhile. The
    // window restarts it only when the player is to move and Mr. VELTO is neither calm nor silent.
    void SospendiImpazienza();
    void RiprendiImpazienza();
    // "Carattere di Mr. Velto:" changed or was read: the impatience stops, its count goes back to
    // 0 and its pace follows the option ("Pacifico": never).
    void ImpostaCarattere();

    int ContaImpaz() const { return contaImpaz_; }
    const TimerSuoni& Timer() const { return timer_; }
    // The clip last started (path under the media folder), for whoever shows or checks it.
    const std::string& UltimaClip() const { return ultima_; }

    // The steps, public so that tests and the flow's order can be checked one by one.
    void SuonaCartaOCommenta();
    void SuonaRumoreCarta();
    void ScegliCommento();
    void RumoreDistribuzione();
    void RumorePresa();
    void CommentaInizioGioco();
    void CommentaImpazienza();
    void SuonaImpazienza();
    void CommentoFinale();

private:
    void Osserva(const Evento& e);
    // Stops the player, takes the lock and plays `clip`, ending with `fine` after its length.
    void Suona(const std::string& clip, OrologioVirtuale::Id fine);
    bool RumoriAmmessi() const;
    void AvviaImpazienza();
    void FermaImpazienza();
    void FineClip(OrologioVirtuale::Id id);

    Tavolo& tavolo_;
    OrologioVirtuale& orologio_;
    FonteCasuale& caso_;
    Lettore& effetti_;
    std::filesystem::path media_;
    const DurateClip& durate_;
    TimerSuoni timer_;
    int contaImpaz_ = 0;
    Chi ultimoEsito_ = Chi::Nessuno;  // who won the game that just ended
    std::string ultima_;
    CanaleEventi::Iscrizione ascolto_;
};

}  // namespace mrvelto
