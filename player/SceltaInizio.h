// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lead while the stock is not empty: each card's worst case over the human's three replies,
// the best of them; ties go to the second-worst case, then the best case, then the lowest Valore.
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

// Chooses CartaPCDaGiocare from Convenienza[1..9] and runs the lead's 60-point filter while
// Filtro60Punti is off.
void ValoreAggiuntivoIniziaPC(const StatoGioco& stato, TabellePC& tab);

}  // namespace mrvelto
