// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/OrologioVirtuale.h"

#include <bit>

namespace mrvelto {

OrologioVirtuale::Id OrologioVirtuale::AggiungiTimer(std::string nome, Passo passo, int intervallo) {
    Timer timer;
    timer.nome = std::move(nome);
    timer.passo = std::move(passo);
    timer.intervallo = intervallo;
    // A released place is taken again, so that tables built one after another on one clock
    // (the simulator's paired games) do not grow it.
    for (std::size_t i = 0; i < timer_.size(); ++i)
        if (timer_[i].rilasciato) {
            timer_[i] = std::move(timer);
            AggiornaAttivo(i);
            return static_cast<Id>(i);
        }
    timer_.push_back(std::move(timer));
    AggiornaAttivo(timer_.size() - 1);
    return static_cast<Id>(timer_.size() - 1);
}

void OrologioVirtuale::RilasciaTimer(Id id) {
    if (id < 0 || static_cast<std::size_t>(id) >= timer_.size()) return;
    Timer& timer = t(id);
    timer = Timer{};
    timer.rilasciato = true;
    AggiornaAttivo(static_cast<std::size_t>(id));
}

void OrologioVirtuale::AggiornaAttivo(std::size_t i) {
    if (i >= 64) return;
    const std::uint64_t bit = std::uint64_t{1} << i;
    attivi_ = timer_[i].attivo() ? attivi_ | bit : attivi_ & ~bit;
}

void OrologioVirtuale::ImpostaPasso(Id id, Passo passo) { t(id).passo = std::move(passo); }

void OrologioVirtuale::Riparti(Timer& timer) {
    timer.scadenza = adesso_ + timer.intervallo;
    timer.ordine = ++contatore_;
}

void OrologioVirtuale::Abilita(Id id, bool abilitato) {
    Timer& timer = t(id);
    if (abilitato && !timer.abilitato) Riparti(timer);
    timer.abilitato = abilitato;
    AggiornaAttivo(static_cast<std::size_t>(id));
}

void OrologioVirtuale::ImpostaIntervallo(Id id, int ms) {
    Timer& timer = t(id);
    timer.intervallo = ms < 0 ? 0 : ms;
    if (timer.abilitato) Riparti(timer);
    AggiornaAttivo(static_cast<std::size_t>(id));
}

std::optional<OrologioVirtuale::Id> OrologioVirtuale::Cerca(const std::string& nome) const {
    for (std::size_t i = 0; i < timer_.size(); ++i)
        if (timer_[i].nome == nome) return static_cast<Id>(i);
    return std::nullopt;
}

void OrologioVirtuale::FermaTutti() {
    for (Timer& timer : timer_) timer.abilitato = false;
    attivi_ = 0;
}

std::optional<OrologioVirtuale::Id> OrologioVirtuale::Prossimo() const {
    // Due time, then the start of the countdown, which no two timers share: the order in which
    // the timers are looked at does not matter.
    const Timer* m = nullptr;
    std::size_t migliore = 0;
    auto confronta = [&](std::size_t i) {
        const Timer& c = timer_[i];
        if (!m || c.scadenza < m->scadenza || (c.scadenza == m->scadenza && c.ordine < m->ordine)) {
            m = &c;
            migliore = i;
        }
    };
    for (std::uint64_t resto = attivi_; resto != 0; resto &= resto - 1) confronta(static_cast<std::size_t>(std::countr_zero(resto)));
    for (std::size_t i = 64; i < timer_.size(); ++i)
        if (timer_[i].attivo()) confronta(i);
    if (!m) return std::nullopt;
    return static_cast<Id>(migliore);
}

std::optional<Millisecondi> OrologioVirtuale::ProssimaScadenza() const {
    auto id = Prossimo();
    if (!id) return std::nullopt;
    return t(*id).scadenza;
}

bool OrologioVirtuale::EseguiProssimo() {
    auto id = Prossimo();
    if (!id) return false;
    Timer& timer = t(*id);
    if (timer.scadenza > adesso_) adesso_ = timer.scadenza;
    // The next countdown starts now; the step may still disarm or re-arm its own timer.
    Riparti(timer);
    ++passi_;
    if (timer.passo) {
        Passo passo = timer.passo;  // the step may replace its own handler
        passo();
    }
    return true;
}

int OrologioVirtuale::AvanzaFino(Millisecondi istante) {
    int eseguiti = 0;
    for (;;) {
        auto scadenza = ProssimaScadenza();
        if (!scadenza || *scadenza > istante) break;
        EseguiProssimo();
        ++eseguiti;
    }
    if (istante > adesso_) adesso_ = istante;
    return eseguiti;
}

}  // namespace mrvelto
