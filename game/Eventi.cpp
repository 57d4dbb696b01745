#include "game/Eventi.h"

#include <algorithm>

namespace mrvelto {

CanaleEventi::Iscrizione CanaleEventi::Iscrivi(Ricevitore ricevitore) {
    const std::uint64_t id = prossimo_++;
    voci_.push_back(std::make_unique<Voce>(Voce{id, std::move(ricevitore)}));
    return Iscrizione(this, id);
}

void CanaleEventi::Disiscrivi(std::uint64_t id) {
    for (auto& v : voci_)
        if (v->id == id) v->attiva = false;
    daCompattare_ = true;
    if (annidamento_ == 0) {
        std::erase_if(voci_, [](const auto& v) { return !v->attiva; });
        daCompattare_ = false;
    }
}

void CanaleEventi::Pubblica(const Evento& e) {
    ++annidamento_;
    // By index and up to the count at the start: a subscriber added meanwhile hears later events only.
    const std::size_t n = voci_.size();
    for (std::size_t i = 0; i < n; ++i) {
        Voce* v = voci_[i].get();
        if (v->attiva) v->ricevitore(e);
    }
    if (--annidamento_ == 0 && daCompattare_) {
        std::erase_if(voci_, [](const auto& v) { return !v->attiva; });
        daCompattare_ = false;
    }
}

std::size_t CanaleEventi::Iscritti() const {
    return static_cast<std::size_t>(std::count_if(voci_.begin(), voci_.end(), [](const auto& v) { return v->attiva; }));
}

}  // namespace mrvelto
