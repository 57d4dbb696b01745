// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How talkative Mr. VELTO is ("Loquacità di Mr. Velto:"): which draws make him speak.
#include "game/Opzioni.h"

namespace mrvelto {

// After a card that completes a trick: a comment for draw n (1..48)? "Pettegolo" always, then
// 32, 24 and 16 draws of 48 for "Loquace", "Gentleman" and "Riservato", "Taciturno" never.
bool CommentaLaCarta(opz::Loquacita loquacita, int n);
// When his patience runs out: does he grumble aloud for draw n (1..12)?
bool SbuffaImpaziente(opz::Loquacita loquacita, int n);

}  // namespace mrvelto
