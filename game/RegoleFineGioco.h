// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the end of a game does to the match: the game scored into it and the match end. No
// presentation, no ports: the table calls this and then shows, unlocks and records.
#include "game/Opzioni.h"
#include "game/StatoGioco.h"

namespace mrvelto {

// AggiornaPartita's rule: the game is over; a won game counts for its side and makes it
// UltimoVincitore, a 60-to-60 draw counts for nobody (UltimoVincitore Nessuno); the side that
// reaches the won games of "Conclusione della Partita:" ends the match. Returns the game's winner.
Chi SegnaGiocoNellaPartita(StatoGioco& s, const Opzioni& o);

// Whether the scored game gets the award ceremony by "Cerimonia di Premiazione:": only a won game,
// and with "Al termine della Partita" only the game that ended the match.
bool CerimoniaDovuta(const StatoGioco& s, const Opzioni& o);

}  // namespace mrvelto
