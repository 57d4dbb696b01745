// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The second-to-last trick: with two cards each, the current trick and the forced last one are
// weighed together, so the computer may duck a trick to win the last for more.
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

// The computer leads.
void PenultimaGiocataIniziaPC(const StatoGioco& stato, TabellePC& tab);
// The computer answers the human's card in NumeroCartaGiocataDaH.
void PenultimaGiocataRispondePC(const StatoGioco& stato, TabellePC& tab);

}  // namespace mrvelto
