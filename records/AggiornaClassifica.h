// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the end of a match writes into the records: the log entry, the computer's result at its
// level and the ranking rows.
//
// Ranking choices (where the rules leave them open):
// - Rows rank by matches won, then by fewer matches lost; between equal rows the one that got
//   there first stays above.
// - The loser (the human's name, or "Mr. VELTO") is handled first: found, it gets one more loss
//   and moves down past the following rows with the same wins and fewer losses; not found, it
//   enters at the first row without wins (the rows from there move down, row 10 drops out), or not
//   at all when every row has wins. Its date stays as it was ("Ultima Data" is the date of the
//   last match won), so a new loser's row has none.
// - The winner found gets one more win and today's date and moves up past the rows above it that
//   now rank lower. A winner not yet ranked enters with one win where that record ranks (below
//   every row with more wins, or one win and no loss), pushing the rest down; not at all when
//   the table is full of better rows.
// - A match in which the human looked at the computer's cards is logged (marked) and counted in
//   the computer's per-level results, but leaves the ranking alone: a peeked match proves nothing.
// - So does a match whose human has no name, or is called "Mr. VELTO": the rows go by name.
// - The human's name is taken as the files store it (NormalizzaNome), whatever the caller passes.
#include <string>

#include "records/Record.h"
#include "game/PortaRecord.h"

namespace mrvelto {

// The log line of a match: number, players, games, date and time, with " * - " / " *    " when
// the human peeked.
std::string VoceAlbo(int numero, const EsitoPartita& esito);

// Updates the ranking and the per-level counts and inserts the log entry before the closing empty
// entry (so that SalvaRecord keeps it). Returns the entry.
std::string AggiornaClassifica(Record& r, const EsitoPartita& esito);

// The ranking update alone: `perdente` loses to `vincitore`, whose row takes `data`.
void AggiornaRighe(Da1<RigaClassifica, kRigheClassifica>& righe, const std::string& vincitore, const std::string& perdente,
                   const std::string& data);

}  // namespace mrvelto
