// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/TimerTavolo.h"

#include <utility>

namespace mrvelto {

TimerTavolo::TimerTavolo(OrologioVirtuale& orologio, Passi p)
    : orologio_(orologio),
      DistribuisciCarte(orologio.AggiungiTimer("TimerDistribuisciCarte", std::move(p.DistribuisciCarte), 450)),
      AttesaDelPCaMuovere(orologio.AggiungiTimer("TimerAttesaDelPCaMuovere", std::move(p.AttesaDelPCaMuovere), 500)),
      AnimazionecarteH(orologio.AggiungiTimer("TimerAnimazionecarteH", std::move(p.AnimazionecarteH), 40)),
      AnimazionecartePC(orologio.AggiungiTimer("TimerAnimazionecartePC", std::move(p.AnimazionecartePC), 40)),
      UltimacartaH(orologio.AggiungiTimer("TimerUltimacartaH", std::move(p.UltimacartaH), 550)),
      EffettuaLaPresa(orologio.AggiungiTimer("TimerEffettuaLaPresa", std::move(p.EffettuaLaPresa), 750)),
      Prendicarte(orologio.AggiungiTimer("TimerPrendicarte", std::move(p.Prendicarte), 100)),
      Pesca(orologio.AggiungiTimer("TimerPesca", std::move(p.Pesca), 530)),
      PescaUltimeDue(orologio.AggiungiTimer("TimerPescaUltimeDue", std::move(p.PescaUltimeDue), 500)),
      CommentiFinali(orologio.AggiungiTimer("TimerCommentiFinali", std::move(p.CommentiFinali), 900)),
      ValoreAggiuntivo(orologio.AggiungiTimer("TimerValoreAggiuntivo", std::move(p.ValoreAggiuntivo), 10)) {}

TimerTavolo::~TimerTavolo() {
    for (Id id : {DistribuisciCarte, AttesaDelPCaMuovere, AnimazionecarteH, AnimazionecartePC, UltimacartaH, EffettuaLaPresa,
                  Prendicarte, Pesca, PescaUltimeDue, CommentiFinali, ValoreAggiuntivo})
        orologio_.RilasciaTimer(id);
}

void TimerTavolo::ApplicaOpzione(int n, const Opzioni& o) {
    auto imposta = [this](Id id, int ms) {
        if (ms > 0 && orologio_.Intervallo(id) != ms) orologio_.ImpostaIntervallo(id, ms);
    };
    switch (n) {
        case OpzVelocitaRisposta: imposta(AttesaDelPCaMuovere, o.IntervalloRisposta()); break;
        case OpzAnimazione:
            imposta(AnimazionecarteH, o.IntervalloAnimazione());
            imposta(AnimazionecartePC, o.IntervalloAnimazione());
            break;
        case OpzPresaAutomatica: imposta(EffettuaLaPresa, o.IntervalloPresa()); break;
        default: break;
    }
}

void TimerTavolo::Ripristina(const IntervalliSalvati& i) {
    orologio_.ImpostaIntervallo(AttesaDelPCaMuovere, i.AttesaDelPCaMuovere);
    orologio_.ImpostaIntervallo(EffettuaLaPresa, i.EffettuaLaPresa);
    orologio_.ImpostaIntervallo(AnimazionecartePC, i.AnimazionecartePC);
    orologio_.ImpostaIntervallo(AnimazionecarteH, i.AnimazionecarteH);
}

}  // namespace mrvelto
