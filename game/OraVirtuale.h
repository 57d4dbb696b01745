// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A wall clock that moves with virtual time, for seeded runs: the random index reads its minute
// and second, so a seed and a starting time replay the same match.
#include "cards/Caso.h"
#include "game/OrologioVirtuale.h"

namespace mrvelto {

inline CasoConSeme::Orologio OraDaOrologioVirtuale(const OrologioVirtuale& orologio, int secondiDelGiornoIniziali = 0) {
    return [&orologio, secondiDelGiornoIniziali] {
        const auto secondi = secondiDelGiornoIniziali + orologio.Adesso() / 1000;
        return OraMinSec{static_cast<int>((secondi / 60) % 60), static_cast<int>(secondi % 60)};
    };
}

}  // namespace mrvelto
