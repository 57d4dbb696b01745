#pragma once
// The seam between the game flow and the computer player: one virtual method per entry point of
// the computer player's calling table. The flow (game/Tavolo) calls them at the points named below; the
// player works on the shared state through ContestoPC and leaves its choice in
// `stato.CartaPCDaGiocare` (1..3). The player's own working tables (PuntiPotenziali, Potenziale,
// TotaliNormali, Convenienza, ...) live inside the implementation.
//
// Who arms TimerAttesaDelPCaMuovere (the computer's move) after each choice:
//   AnalizzaInizioPC, AnalizzaRispostaPC   the PLAYER, at the end of its chain).
//   TerzultimaGiocataIniziaPC +
//     AnalisiSecondoLivello                the FLOW (after the deal with an empty stock, and after
//                                          TimerPescaUltimeDue); it also sets GiocoInCorso and
//                                          PartitaInCorso.
//   TerzultimaGiocataRispondePC +
//     AnalisiSecondoLivelloBis             the FLOW (answer dispatch, NumeroCarteRimaste -1).
//   PenultimaGiocataIniziaPC               the PLAYER and set PuoiGiocare).
//   PenultimaGiocataRispondePC             the FLOW (answer dispatch, NumeroCarteRimaste -3).
//   last card (n -5, or lead of the last)  the FLOW alone (ScegliUltimaCartaPC / GiocaUltimaCartaPC
//                                          need no choice and are not part of this interface).
// The answer dispatch AvviaRispostaPC (on NumeroCarteRimaste) lives in the flow.
//
// At the TimerAttesaDelPCaMuovere step the flow disarms the timer, sets its interval from
// Opzione[19], then calls VariaTempoDiRisposta (which may move that interval: it times the NEXT
// move), then ApplicaLivelloDiGioco when Opzione[12] is not "Massima (Livello A)" and
// NumeroCarteRimaste >= 1, then plays slot CartaPCDaGiocare (GiocaCartaPC, in the flow).
#include "cards/Caso.h"
#include "game/OrologioVirtuale.h"
#include "game/StatoGioco.h"
#include "game/Opzioni.h"

namespace mrvelto {

// What the computer player may read and write. The references live as long as the table does.
struct ContestoPC {
    StatoGioco& stato;
    const Opzioni& opzioni;
    FonteCasuale& caso;
    OrologioVirtuale& orologio;
    OrologioVirtuale::Id TimerAttesaDelPCaMuovere;

    // The end of a choice chain: arm the computer's move; GiocoInCorso and PartitaInCorso = "Si".
    void ArmaMossa() const {
        orologio.Abilita(TimerAttesaDelPCaMuovere, true);
        stato.GiocoInCorso = true;
        stato.PartitaInCorso = true;
    }
};

class GiocatorePC {
public:
    virtual ~GiocatorePC() = default;

    // Once, when the table adopts the player (before any other call). A player that needs timers of
    // its own (TimerValoreAggiuntivo, 10 ms) adds them to ctx.orologio here; ctx stays valid.
    virtual void Collega(ContestoPC& ctx) { (void)ctx; }

    // PuntiPotenziali[1..6] of the hand slots. End of the deal, end of each draw
    // (TimerPesca, TimerPescaUltimeDue), before the computer's lead is dispatched.
    virtual void CalcolaPuntiPotenziali(ContestoPC& ctx) { (void)ctx; }
    // Per-trick reset at the take (TimerEffettuaLaPresa step 5): the first while
    // NumeroCarteRimaste > 0, the second otherwise. The flow itself sets NumeroCartaAnalizzata = 1
    // just before AzzeraTabelleAnalisi (it is TimerPesca's phase flag).
    virtual void AzzeraTabelleAnalisi(ContestoPC& ctx) { (void)ctx; }
    virtual void AzzeraTabelleAnalisiFinale(ContestoPC& ctx) { (void)ctx; }

    // The computer leads, stock not empty (after the deal, after TimerPesca). Player arms.
    virtual void AnalizzaInizioPC(ContestoPC& ctx) = 0;
    // The computer answers, NumeroCarteRimaste >= 0 after the human's play. Player arms.
    virtual void AnalizzaRispostaPC(ContestoPC& ctx) = 0;
    // The computer leads the third-to-last trick; the flow calls AnalisiSecondoLivello right after,
    // then arms.
    virtual void TerzultimaGiocataIniziaPC(ContestoPC& ctx) = 0;
    virtual void AnalisiSecondoLivello(ContestoPC& ctx) { (void)ctx; }
    // The computer answers in the third-to-last trick (n = -1); then AnalisiSecondoLivelloBis;
    // then the flow arms.
    virtual void TerzultimaGiocataRispondePC(ContestoPC& ctx) = 0;
    virtual void AnalisiSecondoLivelloBis(ContestoPC& ctx) { (void)ctx; }
    // The computer leads the second-to-last trick (it took the third-to-last). Player arms and sets
    // PuoiGiocare.
    virtual void PenultimaGiocataIniziaPC(ContestoPC& ctx) = 0;
    // The computer answers in the second-to-last trick (n = -3). The flow arms.
    virtual void PenultimaGiocataRispondePC(ContestoPC& ctx) = 0;

    // TimerAttesaDelPCaMuovere step: move the interval just set from Opzione[19] (timer disarmed).
    virtual void VariaTempoDiRisposta(ContestoPC& ctx) { (void)ctx; }
    // TimerAttesaDelPCaMuovere step, level below A and stock not empty: may replace the choice.
    virtual void ApplicaLivelloDiGioco(ContestoPC& ctx) { (void)ctx; }
};

}  // namespace mrvelto
