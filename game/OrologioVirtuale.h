// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Virtual time and the named timers that drive every step of the game.
//
// A timer has an interval in ms and an enabled flag. While enabled it fires every interval;
// enabling it, or setting its interval while it is enabled, restarts its countdown; an interval
// of 0 never fires. Steps run one at a time and each to completion, in due-time order, timers due
// at the same moment in the order their countdowns started. A step that arms a timer only
// schedules it: it fires later, from the dispatch loop, never inside the step.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mrvelto {

using Millisecondi = std::int64_t;

class OrologioVirtuale {
public:
    using Id = int;
    using Passo = std::function<void()>;

    Id AggiungiTimer(std::string nome, Passo passo = {}, int intervallo = 0);
    // The timer never fires again and its step is dropped (with whatever it captured); its id may
    // be handed out again by a later AggiungiTimer.
    void RilasciaTimer(Id id);
    void ImpostaPasso(Id id, Passo passo);

    void Abilita(Id id, bool abilitato);
    void ImpostaIntervallo(Id id, int ms);
    bool Abilitato(Id id) const { return t(id).abilitato; }
    int Intervallo(Id id) const { return t(id).intervallo; }
    const std::string& Nome(Id id) const { return t(id).nome; }
    std::optional<Id> Cerca(const std::string& nome) const;
    // Disarms every timer (the program is closing, or a test resets the table).
    void FermaTutti();

    Millisecondi Adesso() const { return adesso_; }
    // When the next step is due, if any timer can fire.
    std::optional<Millisecondi> ProssimaScadenza() const;
    // Runs the earliest due step, moving time to its due moment. False when no timer can fire.
    bool EseguiProssimo();
    // Runs every step due up to `istante` in order, then sets the time to `istante`.
    int AvanzaFino(Millisecondi istante);
    int Avanza(Millisecondi durata) { return AvanzaFino(adesso_ + durata); }
    // Number of steps run so far.
    std::uint64_t PassiEseguiti() const { return passi_; }

private:
    struct Timer {
        std::string nome;
        Passo passo;
        int intervallo = 0;
        bool abilitato = false;
        Millisecondi scadenza = 0;
        std::uint64_t ordine = 0;  // when its countdown started: breaks ties
        bool rilasciato = false;
        bool attivo() const { return abilitato && intervallo > 0; }
    };
    const Timer& t(Id id) const { return timer_.at(static_cast<std::size_t>(id)); }
    Timer& t(Id id) { return timer_.at(static_cast<std::size_t>(id)); }
    void Riparti(Timer& timer);
    std::optional<Id> Prossimo() const;
    // Keeps the mask of timers that can fire in step with timer `i`.
    void AggiornaAttivo(std::size_t i);

    std::vector<Timer> timer_;
    Millisecondi adesso_ = 0;
    std::uint64_t contatore_ = 0;
    std::uint64_t passi_ = 0;
    // Bit i: timer i can fire. The search for the next step looks at these alone (most timers
    // are off at any moment); timers from the 64th on, if any, are looked at one by one.
    std::uint64_t attivi_ = 0;
};

}  // namespace mrvelto
