// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exit question fraEsci: "Vuoi davvero lasciarmi?" with a yes and a no answer. Yes writes the
// settings and ends the program when TimerEsci fires (1500 ms, so that the last sound can end);
// no hides the question. Closing the window from the window manager asks the same question.
#include <functional>
#include <string_view>

#include "game/OrologioVirtuale.h"
#include "screens/MenuComandi.h"

namespace mrvelto {

inline constexpr std::string_view kDomandaUscita = "Vuoi davvero lasciarmi?";
inline constexpr std::string_view kRispostaSiUscita = "- Si, purtroppo!";
inline constexpr std::string_view kRispostaNoUscita = "- No, resto ancora!";
inline constexpr int kIntervalloTimerEsci = 1500;

class UscitaProgramma {
public:
    // `salva` writes the settings; `chiudi` ends the program (the front end closes the window).
    UscitaProgramma(OrologioVirtuale& orologio, std::function<void()> salva, std::function<void()> chiudi);
    UscitaProgramma(const UscitaProgramma&) = delete;  // its timer's step holds `this`
    UscitaProgramma& operator=(const UscitaProgramma&) = delete;
    ~UscitaProgramma();  // the clock may outlive us: its timer is disarmed and forgets us

    // Menu entry "Esci", or the window manager's close.
    void Chiedi();
    void RispostaSi();
    void RispostaNo();
    void TimerEsci_Timer();
    // The program is told to end (a signal): the yes's save, unless the yes already ran it, and
    // the end at once, without the question or the timer. Once only.
    void EsciSubito();

    // The front end asks this before letting the window close: only once TimerEsci has fired.
    bool PuoChiudere() const { return chiusa_; }
    bool DomandaVisibile() const { return visibile_; }
    // The answers are refused while the program is already on its way out.
    bool RisposteAbilitate() const { return visibile_ && !inUscita_; }
    bool InUscita() const { return inUscita_; }
    Posizione PosizioneDomanda() const { return kPostoDomandaUscita; }
    OrologioVirtuale::Id TimerEsci() const { return timer_; }

private:
    OrologioVirtuale& orologio_;
    std::function<void()> salva_;
    std::function<void()> chiudi_;
    OrologioVirtuale::Id timer_;
    bool visibile_ = false;
    bool inUscita_ = false;
    bool chiusa_ = false;
};

}  // namespace mrvelto
