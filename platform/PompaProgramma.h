// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the program on real time: the clock's pump, and with autoplay the built-in player's pace.
// Slow autoplay acts every 350 ms while the clock runs at its real pace; fast autoplay goes from
// event to event (an action, or else the clock's next step) as fast as the event loop allows.
#include <QObject>
#include <QTimer>

#include "platform/PompaTimer.h"
#include "screens/Programma.h"

namespace mrvelto {

class PompaProgramma : public QObject {
    Q_OBJECT
public:
    PompaProgramma(Programma& programma, bool autoplay, bool veloce, QObject* parent = nullptr);
    // Starts pumping; call once the program has started.
    void Avvia();
    // Call after input (a click, a key) may have armed or disarmed timers.
    void Ripianifica();
    // Stops the built-in player (the clock runs on, for the exit's timer).
    void Ferma();

private:
    void PassoAutomatico();

    Programma& programma_;
    PompaTimer orologio_;
    QTimer automatico_;
    bool autoplay_;
    bool veloce_;
};

}  // namespace mrvelto
