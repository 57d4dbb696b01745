// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PompaTimer.h"

#include <algorithm>

namespace mrvelto {

PompaTimer::PompaTimer(OrologioVirtuale& orologio, QObject* parent) : QObject(parent), orologio_(orologio) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PompaTimer::Scatta);
    reale_.start();
    spostamento_ = orologio_.Adesso();
}

Millisecondi PompaTimer::TempoReale() const { return reale_.elapsed() + spostamento_; }

void PompaTimer::Scatta() {
    if (veloce_) {
        if (auto prossima = orologio_.ProssimaScadenza()) {
            spostamento_ += std::max<Millisecondi>(0, *prossima - TempoReale());
            orologio_.EseguiProssimo();
        }
    } else {
        orologio_.AvanzaFino(TempoReale());
    }
    emit PassiEseguiti();
    Ripianifica();
}

void PompaTimer::Ripianifica() {
    auto prossima = orologio_.ProssimaScadenza();
    if (!prossima) {
        timer_.stop();
        return;
    }
    const Millisecondi attesa = veloce_ ? 0 : std::max<Millisecondi>(0, *prossima - TempoReale());
    timer_.start(static_cast<int>(std::min<Millisecondi>(attesa, 1 << 30)));
}

}  // namespace mrvelto
