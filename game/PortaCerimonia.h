// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port of the award ceremony: the end of a game waits for it. Sounds, comments and music
// follow the table's events instead; only the ceremony holds the flow.
#include <functional>

#include "cards/Carta.h"

namespace mrvelto {

class MusicaECerimonia {
public:
    virtual ~MusicaECerimonia() = default;
    // ConcludiGioco step 3, when a ceremony is due for `vincitore` (H or PC). Return true when the
    // ceremony has started: it then calls `alTermine` (which runs MostraFineGioco) when it ends.
    // Return false to skip it: the flow calls MostraFineGioco at once.
    virtual bool Cerimonia(Chi vincitore, std::function<void()> alTermine) {
        (void)vincitore;
        (void)alTermine;
        return false;
    }
};

}  // namespace mrvelto
