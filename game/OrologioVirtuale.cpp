// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/OrologioVirtuale.h"

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
            return static_cast<Id>(i);
        }
    timer_.push_back(std::move(timer));
    return static_cast<Id>(timer_.size() - 1);
}

void OrologioVirtuale::RilasciaTimer(Id id) {
    if (id < 0 || static_cast<std::size_t>(id) >= timer_.size()) return;
    Timer& timer = t(id);
    timer = Timer{};
    timer.rilasciato = true;
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
}

void OrologioVirtuale::ImpostaIntervallo(Id id, int ms) {
    Timer& timer = t(id);
    timer.intervallo = ms < 0 ? 0 : ms;
    if (timer.abilitato) Riparti(timer);
}

std::optional<OrologioVirtuale::Id> OrologioVirtuale::Cerca(const std::string& nome) const {
    for (std::size_t i = 0; i < timer_.size(); ++i)
        if (timer_[i].nome == nome) return static_cast<Id>(i);
    return std::nullopt;
}

void OrologioVirtuale::FermaTutti() {
    for (Timer& timer : timer_) timer.abilitato = false;
}

std::optional<OrologioVirtuale::Id> OrologioVirtuale::Prossimo() const {
    std::optional<Id> migliore;
    for (std::size_t i = 0; i < timer_.size(); ++i) {
        const Timer& c = timer_[i];
        if (!c.attivo()) continue;
        if (!migliore) {
            migliore = static_cast<Id>(i);
            continue;
        }
        const Timer& m = t(*migliore);
        if (c.scadenza < m.scadenza || (c.scadenza == m.scadenza && c.ordine < m.ordine)) migliore = static_cast<Id>(i);
    }
    return migliore;
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
