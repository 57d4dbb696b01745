#pragma once
// Mr. VELTO: the computer player the table adopts. It rates the cards and builds the pair table
// while the stock lasts, choosing 10 ms later on its own TimerValoreAggiuntivo; it searches the
// last three tricks; and it applies its playing level and thinking time.
#include "player/GiocatorePC.h"
#include "player/TabellePC.h"

namespace mrvelto {

class GiocatoreVelto : public GiocatorePC {
public:
    // The game draws its chance from the table's source; a simulator that replays a deal with the
    // seats swapped gives the player a source of its own, so that its draws leave the deal alone.
    explicit GiocatoreVelto(FonteCasuale* casoProprio = nullptr) : casoProprio_(casoProprio) {}

    void Collega(ContestoPC& ctx) override;
    void CalcolaPuntiPotenziali(ContestoPC& ctx) override;
    void AzzeraTabelleAnalisi(ContestoPC& ctx) override;
    void AzzeraTabelleAnalisiFinale(ContestoPC& ctx) override;
    void AnalizzaInizioPC(ContestoPC& ctx) override;
    void AnalizzaRispostaPC(ContestoPC& ctx) override;
    void TerzultimaGiocataIniziaPC(ContestoPC& ctx) override;
    void AnalisiSecondoLivello(ContestoPC& ctx) override;
    void TerzultimaGiocataRispondePC(ContestoPC& ctx) override;
    void AnalisiSecondoLivelloBis(ContestoPC& ctx) override;
    void PenultimaGiocataIniziaPC(ContestoPC& ctx) override;
    void PenultimaGiocataRispondePC(ContestoPC& ctx) override;
    void VariaTempoDiRisposta(ContestoPC& ctx) override;
    void ApplicaLivelloDiGioco(ContestoPC& ctx) override;

    const TabellePC& Tabelle() const { return tab_; }
    OrologioVirtuale::Id TimerValoreAggiuntivo() const { return timerValoreAggiuntivo_; }

private:
    void PassoValoreAggiuntivo();
    void ArmaValoreAggiuntivo(ContestoPC& ctx);
    FonteCasuale& Caso(ContestoPC& ctx) { return casoProprio_ ? *casoProprio_ : ctx.caso; }

    TabellePC tab_;
    ContestoPC* ctx_ = nullptr;
    OrologioVirtuale::Id timerValoreAggiuntivo_ = -1;
    FonteCasuale* casoProprio_ = nullptr;
};

}  // namespace mrvelto
