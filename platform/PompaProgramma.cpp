// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PompaProgramma.h"

namespace mrvelto {

PompaProgramma::PompaProgramma(Programma& programma, bool autoplay, bool veloce, QObject* parent)
    : QObject(parent), programma_(programma), orologio_(programma.Orologio()), autoplay_(autoplay), veloce_(veloce) {
    connect(&automatico_, &QTimer::timeout, this, &PompaProgramma::PassoAutomatico);
}

void PompaProgramma::Avvia() {
    if (autoplay_) automatico_.start(veloce_ ? 0 : 350);
    // Fast autoplay moves the clock itself, step by step: the real-time pump stays idle.
    if (!(autoplay_ && veloce_)) orologio_.Ripianifica();
}

void PompaProgramma::Ripianifica() {
    if (!(autoplay_ && veloce_)) orologio_.Ripianifica();
}

void PompaProgramma::Ferma() {
    automatico_.stop();
}

void PompaProgramma::PassoAutomatico() {
    if (veloce_) {
        if (!programma_.PassoAutomatico()) automatico_.stop();
        return;
    }
    const bool eraConcluso = programma_.AutoplayConcluso();
    if (programma_.AgisciAutomatico()) orologio_.Ripianifica();
    if (!eraConcluso && programma_.AutoplayConcluso()) {
        // Only the clock runs now, at its real pace, until the exit's timer ends the program.
        automatico_.stop();
        orologio_.Ripianifica();
    }
}

}  // namespace mrvelto
