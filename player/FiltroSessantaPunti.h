#pragma once
// The last word on a choice while the stock is not empty: play a card that takes the computer
// past 60 points, and avoid one that lets the human pass 60, when the pair table shows either.
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

void FiltroSessantaPuntiIniziaPC(StatoGioco& stato, TabellePC& tab);
void FiltroSessantaPuntiRispondePC(StatoGioco& stato, TabellePC& tab);

}  // namespace mrvelto
