// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/UscitaProgramma.h"

namespace mrvelto {

UscitaProgramma::UscitaProgramma(OrologioVirtuale& orologio, std::function<void()> salva, std::function<void()> chiudi)
    : orologio_(orologio), salva_(std::move(salva)), chiudi_(std::move(chiudi)) {
    timer_ = orologio_.AggiungiTimer("TimerEsci", [this] { TimerEsci_Timer(); }, kIntervalloTimerEsci);
}

UscitaProgramma::~UscitaProgramma() {
    orologio_.Abilita(timer_, false);
    orologio_.ImpostaPasso(timer_, {});
}

void UscitaProgramma::Chiedi() {
    if (chiusa_) return;
    visibile_ = true;
}

void UscitaProgramma::RispostaSi() {
    if (!RisposteAbilitate()) return;
    inUscita_ = true;
    if (salva_) salva_();
    orologio_.Abilita(timer_, true);
}

void UscitaProgramma::RispostaNo() {
    if (!RisposteAbilitate()) return;
    visibile_ = false;
}

void UscitaProgramma::EsciSubito() {
    if (chiusa_) return;
    if (!inUscita_) {
        inUscita_ = true;
        if (salva_) salva_();
    }
    orologio_.Abilita(timer_, false);
    chiusa_ = true;
    if (chiudi_) chiudi_();
}

void UscitaProgramma::TimerEsci_Timer() {
    orologio_.Abilita(timer_, false);
    if (!inUscita_ || chiusa_) return;
    chiusa_ = true;
    if (chiudi_) chiudi_();
}

}  // namespace mrvelto
