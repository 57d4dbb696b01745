// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives the core's virtual clock from real time: one single-shot QTimer always aimed at the
// next due step. In fast mode it jumps from step to step, still letting the window repaint
// between steps.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "game/OrologioVirtuale.h"

namespace mrvelto {

class PompaTimer : public QObject {
    Q_OBJECT
public:
    explicit PompaTimer(OrologioVirtuale& orologio, QObject* parent = nullptr);
    void ImpostaVeloce(bool veloce) { veloce_ = veloce; }
    // Call after anything outside the pump (a click, a key) may have armed or disarmed timers.
    void Ripianifica();

signals:
    void PassiEseguiti();

private:
    void Scatta();
    Millisecondi TempoReale() const;

    OrologioVirtuale& orologio_;
    QTimer timer_;
    QElapsedTimer reale_;
    Millisecondi spostamento_ = 0;  // virtual minus real time, grown by fast jumps
    bool veloce_ = false;
};

}  // namespace mrvelto
