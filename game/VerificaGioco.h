// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks that every finished game must pass (the simulator runs them on each game).
#include <string>

#include "game/Tavolo.h"

namespace mrvelto {

// Empty when the game is sound; otherwise what went wrong. `sessantaPunti`: the game was played
// under "Appena uno supera 60 punti".
std::string VerificaGioco(const EsitoGioco& esito, bool sessantaPunti);

}  // namespace mrvelto
