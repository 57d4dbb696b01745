#pragma once
// Interim computer player, for tests and measurements of the flow alone: every choice is the first
// non-empty hand slot of 1..3; no thinking-time adjustment, no playing level. It arms
// TimerAttesaDelPCaMuovere exactly where the real player will (see GiocatorePC.h).
#include "player/GiocatorePC.h"

namespace mrvelto {

class GiocatorePCProvvisorio : public GiocatorePC {
public:
    void AnalizzaInizioPC(ContestoPC& ctx) override { Scegli(ctx), ctx.ArmaMossa(); }
    void AnalizzaRispostaPC(ContestoPC& ctx) override { Scegli(ctx), ctx.ArmaMossa(); }
    void TerzultimaGiocataIniziaPC(ContestoPC& ctx) override { Scegli(ctx); }
    void TerzultimaGiocataRispondePC(ContestoPC& ctx) override { Scegli(ctx); }
    void PenultimaGiocataIniziaPC(ContestoPC& ctx) override {
        Scegli(ctx);
        ctx.ArmaMossa();
        ctx.stato.PuoiGiocare = true;
    }
    void PenultimaGiocataRispondePC(ContestoPC& ctx) override { Scegli(ctx); }

    static void Scegli(ContestoPC& ctx) {
        for (int s = 1; s <= 3; ++s)
            if (!ctx.stato.Carta[s].empty()) {
                ctx.stato.CartaPCDaGiocare = s;
                return;
            }
    }
};

}  // namespace mrvelto
