#include "player/GiocatoreVelto.h"

#include "player/LivelliDiGioco.h"
#include "player/PotenzialeCarte.h"
#include "player/RicercaPenultima.h"
#include "player/RicercaTerzultima.h"
#include "player/SceltaInizio.h"
#include "player/SceltaRisposta.h"
#include "player/TabellaCoppie.h"

namespace mrvelto {

void GiocatoreVelto::Collega(ContestoPC& ctx) {
    if (ctx_ == &ctx) return;  // adopted again by the same table: its timer is already there
    ctx_ = &ctx;
    timerValoreAggiuntivo_ = ctx.orologio.AggiungiTimer("TimerValoreAggiuntivo", [this] { PassoValoreAggiuntivo(); }, 10);
}

void GiocatoreVelto::CalcolaPuntiPotenziali(ContestoPC& ctx) { mrvelto::CalcolaPuntiPotenziali(ctx.stato, tab_); }
void GiocatoreVelto::AzzeraTabelleAnalisi(ContestoPC& ctx) { mrvelto::AzzeraTabelleAnalisi(ctx.stato, tab_); }
void GiocatoreVelto::AzzeraTabelleAnalisiFinale(ContestoPC&) { mrvelto::AzzeraTabelleAnalisiFinale(tab_); }

void GiocatoreVelto::ArmaValoreAggiuntivo(ContestoPC& ctx) {
    ctx.orologio.ImpostaIntervallo(timerValoreAggiuntivo_, 10);
    ctx.orologio.Abilita(timerValoreAggiuntivo_, true);
}

void GiocatoreVelto::AnalizzaInizioPC(ContestoPC& ctx) {
    tab_.TestoCartaPCDaGiocare = colore::Nero;
    mrvelto::AnalizzaInizioPC(ctx.stato, tab_);
    ArmaValoreAggiuntivo(ctx);
}

void GiocatoreVelto::AnalizzaRispostaPC(ContestoPC& ctx) {
    tab_.TestoCartaPCDaGiocare = colore::Nero;
    mrvelto::AnalizzaRispostaPC(ctx.stato, tab_);
    ArmaValoreAggiuntivo(ctx);
}

void GiocatoreVelto::PassoValoreAggiuntivo() {
    ContestoPC& ctx = *ctx_;
    ctx.orologio.Abilita(timerValoreAggiuntivo_, false);
    if (ctx.stato.TurnoDiGioco == Chi::H)
        ValoreAggiuntivo(ctx.stato, tab_);
    else
        ValoreAggiuntivoIniziaPC(ctx.stato, tab_);
    ctx.ArmaMossa();
}

void GiocatoreVelto::TerzultimaGiocataIniziaPC(ContestoPC& ctx) {
    tab_.TestoCartaPCDaGiocare = colore::Nero;
    mrvelto::TerzultimaGiocataIniziaPC(ctx.stato, tab_);
}
void GiocatoreVelto::AnalisiSecondoLivello(ContestoPC& ctx) { mrvelto::AnalisiSecondoLivello(ctx.stato, tab_, Caso(ctx)); }
void GiocatoreVelto::TerzultimaGiocataRispondePC(ContestoPC& ctx) {
    tab_.TestoCartaPCDaGiocare = colore::Nero;
    mrvelto::TerzultimaGiocataRispondePC(ctx.stato, tab_);
}
void GiocatoreVelto::AnalisiSecondoLivelloBis(ContestoPC& ctx) { mrvelto::AnalisiSecondoLivelloBis(ctx.stato, tab_, Caso(ctx)); }

void GiocatoreVelto::PenultimaGiocataIniziaPC(ContestoPC& ctx) {
    tab_.TestoCartaPCDaGiocare = colore::Nero;
    mrvelto::PenultimaGiocataIniziaPC(ctx.stato, tab_);
    ctx.ArmaMossa();
    ctx.stato.PuoiGiocare = true;
}
void GiocatoreVelto::PenultimaGiocataRispondePC(ContestoPC& ctx) {
    tab_.TestoCartaPCDaGiocare = colore::Nero;
    mrvelto::PenultimaGiocataRispondePC(ctx.stato, tab_);
}

void GiocatoreVelto::VariaTempoDiRisposta(ContestoPC& ctx) {
    const int delta = mrvelto::VariaTempoDiRisposta(Caso(ctx));
    if (delta != 0) ctx.orologio.ImpostaIntervallo(ctx.TimerAttesaDelPCaMuovere, ctx.orologio.Intervallo(ctx.TimerAttesaDelPCaMuovere) + delta);
}

void GiocatoreVelto::ApplicaLivelloDiGioco(ContestoPC& ctx) {
    mrvelto::ApplicaLivelloDiGioco(ctx.stato, tab_, ctx.opzioni.LetteraLivello(), Caso(ctx));
}

}  // namespace mrvelto
