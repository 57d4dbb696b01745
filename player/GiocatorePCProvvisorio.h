#pragma once
// Computer players that choose by a plain rule instead of the analyses: they arm
// TimerAttesaDelPCaMuovere exactly where the real player does (see GiocatorePC.h), so the flow
// runs the same with them.
#include "player/GiocatorePC.h"

namespace mrvelto {

class GiocatorePCSemplice : public GiocatorePC {
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

protected:
    // The hand slot 1..3 to play.
    virtual int ScegliSlot(const StatoGioco& stato) = 0;

private:
    void Scegli(ContestoPC& ctx) { ctx.stato.CartaPCDaGiocare = ScegliSlot(ctx.stato); }
};

// For tests and measurements of the flow alone: the first non-empty hand slot of 1..3; no
// thinking-time adjustment, no playing level.
class GiocatorePCProvvisorio : public GiocatorePCSemplice {
protected:
    int ScegliSlot(const StatoGioco& stato) override {
        for (int s = 1; s <= 3; ++s)
            if (!stato.Carta[s].empty()) return s;
        return stato.CartaPCDaGiocare;
    }
};

}  // namespace mrvelto
