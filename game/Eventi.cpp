// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Eventi.h"

#include <algorithm>

namespace mrvelto {

void CanaleEventi::Iscrizione::Rilascia() {
    if (auto r = registro_.lock()) r->Disiscrivi(id_);
    registro_.reset();
}

CanaleEventi::Iscrizione CanaleEventi::Iscrivi(Ricevitore ricevitore) {
    Registro& r = *registro_;
    const std::uint64_t id = r.prossimo++;
    r.voci.push_back(std::make_unique<Voce>(Voce{id, std::move(ricevitore)}));
    return Iscrizione(registro_, id);
}

void CanaleEventi::Registro::Disiscrivi(std::uint64_t id) {
    for (auto& v : voci)
        if (v->id == id) v->attiva = false;
    daCompattare = true;
    if (annidamento == 0) Compatta();
}

void CanaleEventi::Registro::Compatta() {
    std::erase_if(voci, [](const auto& v) { return !v->attiva; });
    daCompattare = false;
}

CanaleEventi::~CanaleEventi() {
    if (registro_->annidamento > 0) registro_->tenuta = registro_;
}

void CanaleEventi::Pubblica(const Evento& e) {
    // The registry stays alive through the publication even if a subscriber ends the channel's
    // owner: the channel's end then hands it to itself (no count to keep at every event).
    Registro* r = registro_.get();
    ++r->annidamento;
    // By index and up to the count at the start: a subscriber added meanwhile hears later events only.
    const std::size_t n = r->voci.size();
    for (std::size_t i = 0; i < n; ++i) {
        Voce* v = r->voci[i].get();
        if (v->attiva) v->ricevitore(e);
    }
    if (--r->annidamento != 0) return;
    if (r->daCompattare) r->Compatta();
    if (r->tenuta) std::shared_ptr<Registro> ultima = std::move(r->tenuta);  // the channel is gone: so is its registry
}

std::size_t CanaleEventi::Iscritti() const {
    const auto& voci = registro_->voci;
    return static_cast<std::size_t>(std::count_if(voci.begin(), voci.end(), [](const auto& v) { return v->attiva; }));
}

}  // namespace mrvelto
