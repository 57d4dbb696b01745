// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answer while the stock is not empty: the card of highest convenience; a tie prefers the
// cheapest briscola, then a non-briscola by what the human still holds in its suit.
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

// Chooses CartaPCDaGiocare from Convenienza[1..3] and runs the answer's 60-point filter while
// Filtro60Punti is off.
void ValoreAggiuntivo(const StatoGioco& stato, TabellePC& tab);

}  // namespace mrvelto
