// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A seat's view handed along with an event, built only when it is read: most events change nothing
// a player keeps, and most players keep nothing, so building it for each one cost more than all the
// rest of the event. Read within the call that received it: it reads the table as it stands then.
#include <new>
#include <type_traits>

#include "game/VistaGiocatore.h"

namespace mrvelto {

class Giocatore;

class VistaPigra {
public:
    // A view already at hand (the caller keeps it alive for the call).
    VistaPigra(const VistaGiocatore& vista) : vista_(&vista) {}  // implicit: wherever a lazy view goes, a view does
    // The view the flow gives `giocatore` on `posto` (VistaPer), the first time it is read.
    VistaPigra(const StatoGioco& stato, Chi posto, const Giocatore& giocatore) : stato_(&stato), giocatore_(&giocatore), posto_(posto) {}
    VistaPigra(const VistaPigra&) = delete;
    VistaPigra& operator=(const VistaPigra&) = delete;

    const VistaGiocatore& operator*() const {
        if (!vista_) Costruisci();
        return *vista_;
    }
    const VistaGiocatore* operator->() const { return &**this; }

private:
    void Costruisci() const;

    mutable const VistaGiocatore* vista_ = nullptr;
    const StatoGioco* stato_ = nullptr;
    const Giocatore* giocatore_ = nullptr;
    Chi posto_ = Chi::H;
    // Raw room rather than an optional: the view is built right in it, and nothing copies it there
    // (reading back a view just written field by field stalled the processor).
    alignas(VistaGiocatore) mutable unsigned char spazio_[sizeof(VistaGiocatore)];
    static_assert(std::is_trivially_destructible_v<VistaGiocatore>, "the room is never destroyed");
};

}  // namespace mrvelto
