#pragma once
// Seams of the game flow towards the sound effects, spoken comments and impatience, and towards the music and the ceremony
// (music, anthems, the award ceremony). The base classes do nothing: until the audio subsystem
// fills them, nothing plays, no comment sets InterdiciSuoni, and the ceremony is never held, so
// MostraFineGioco follows ConcludiGioco at once.
#include <functional>

#include "cards/Carta.h"
#include "game/ContestoTavolo.h"

namespace mrvelto {

// the sounds. Each method is a point where the flow gives the sounds their turn; the implementation applies
// the options (noises, talkativeness, temperament) and sets InterdiciSuoni while it plays.
class SuoniECommenti {
public:
    virtual ~SuoniECommenti() = default;
    virtual void Collega(ContestoTavolo& ctx) { (void)ctx; }

    // Every firing of TimerDistribuisciCarte, step 1: the opening comment logic's turn
    // (CommentoIniziale; the deal sets it to "No" at its end).
    virtual void CommentoIniziale() {}
    // A card was played by `chi` and the other side still has to answer: the card noise.
    virtual void SuonoCarta(Chi chi) { (void)chi; }
    // A card was played by `chi` as the answer (the trick is complete): the spoken comment on the
    // card, or the card noise when the talkativeness is "Taciturno".
    virtual void CommentoCarta(Chi chi) { (void)chi; }
    // TimerEffettuaLaPresa step 1 (not at the last trick): the take noise ("Presa1.wav"/"Presa2.wav").
    virtual void SuonoPresa() {}
    // The human is to play: start the impatience timer (its own further conditions apply).
    virtual void AvviaImpazienza() {}
    // The human played, or the game ended: stop the impatience timer and reset its counter.
    virtual void FermaImpazienza() {}
    // TimerCommentiFinali step, unless the talkativeness is "Taciturno": the final comment.
    virtual void CommentoFinale() {}
};

// the music and the award ceremony.
class MusicaECerimonia {
public:
    virtual ~MusicaECerimonia() = default;
    virtual void Collega(ContestoTavolo& ctx) { (void)ctx; }

    // End of the deal: the music starts on the first deal
    // (EtichettaAperturaGioco; the implementation reads and sets it).
    virtual void AvvioMusicaAllaDistribuzione() {}
    // ConcludiGioco step 3, when a ceremony is due for `vincitore` (H or PC). Return true when the
    // ceremony has started: it then calls `alTermine` (which runs MostraFineGioco) when it ends.
    // Return false to skip it: the flow calls MostraFineGioco at once.
    virtual bool Cerimonia(Chi vincitore, std::function<void()> alTermine) {
        (void)vincitore;
        (void)alTermine;
        return false;
    }
    // Click on cmdContinuaOIniziaPartita: close the anthem player and clear its file name.
    virtual void ChiudiInno() {}
};

}  // namespace mrvelto
