// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last word on a choice while the stock is not empty: play a card that takes the computer
// past 60 points, and avoid one that lets the human pass 60, when the pair table shows either.
#include "player/TabellePC.h"

namespace mrvelto {

// They test and may change CartaPCDaGiocare and set Filtro60Punti.
void FiltroSessantaPuntiIniziaPC(TabellePC& tab);
void FiltroSessantaPuntiRispondePC(TabellePC& tab);

}  // namespace mrvelto
