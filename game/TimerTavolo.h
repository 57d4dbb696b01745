// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flow's eleven named timers on the virtual clock: registered with the steps they run, their
// intervals set by the options or restored from the settings file, released with the table.
#include <functional>

#include "game/Opzioni.h"
#include "game/OrologioVirtuale.h"

namespace mrvelto {

class TimerTavolo {
public:
    using Id = OrologioVirtuale::Id;
    // The step each timer runs when it fires.
    struct Passi {
        std::function<void()> DistribuisciCarte, AttesaDelPCaMuovere, AnimazionecarteH, AnimazionecartePC, UltimacartaH,
            EffettuaLaPresa, Prendicarte, Pesca, PescaUltimeDue, CommentiFinali, ValoreAggiuntivo;
    };
    // The timer intervals kept in the settings file.
    struct IntervalliSalvati {
        int AttesaDelPCaMuovere, EffettuaLaPresa, AnimazionecartePC, AnimazionecarteH;
    };

    TimerTavolo(OrologioVirtuale& orologio, Passi passi);
    ~TimerTavolo();  // the steps point at the table: the clock may outlive it
    TimerTavolo(const TimerTavolo&) = delete;
    TimerTavolo& operator=(const TimerTavolo&) = delete;

    // The intervals option `n` sets: response speed, take speed, animation. A value the option
    // maps to 0 leaves the interval as it is ("Presa automatica:" "No": the take button sets it).
    void ApplicaOpzione(int n, const Opzioni& o);
    void Ripristina(const IntervalliSalvati& i);

private:
    OrologioVirtuale& orologio_;

public:
    // Registered in this order (the clock fires timers due together in their order).
    const Id DistribuisciCarte;    // 450 ms, 8 firings
    const Id AttesaDelPCaMuovere;  // by Opzione[19] (500 at start)
    const Id AnimazionecarteH;     // by Opzione[6] (40 at start)
    const Id AnimazionecartePC;
    const Id UltimacartaH;         // 550
    const Id EffettuaLaPresa;      // by Opzione[14] (750 at start); 10 after the button
    const Id Prendicarte;          // copies AnimazionecartePC's interval (100 at start)
    const Id Pesca;                // 530, 2 firings
    const Id PescaUltimeDue;       // 500, 2 firings
    const Id CommentiFinali;       // 900
    const Id ValoreAggiuntivo;     // 10 ms: the computer's choice completes while the stock lasts
};

}  // namespace mrvelto
