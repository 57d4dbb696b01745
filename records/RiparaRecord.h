// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ranking and the log checked against each other. Every match adds one to the computer's
// results at its level and one entry to the log, so their totals agree unless the files were once
// saved apart (a run of an older version killed between the ranking and the log). The log is
// what is certain: each entry names the players, the winner, the level, the peek and the date,
// everything the ranking is built from.
#include <optional>
#include <string>
#include <string_view>

#include "game/PortaRecord.h"
#include "records/Record.h"

namespace mrvelto {

// The match a log entry describes (its number in `numero`), or nullopt for an entry of another shape.
std::optional<EsitoPartita> EsitoDaVoce(std::string_view voce, int* numero = nullptr);

struct RiparazioneClassifica {
    bool ricostruita = false;
    std::string testo;  // for the player; empty when all agreed
};

// Checks `r`'s ranking against its log. Without a usable ranking (`classificaUsabile` false: the
// file missing or set aside) and with a log that holds every match from the first, the ranking
// and the per-level results are rebuilt from the log. A ranking file that disagrees is left as it
// is: which of its matches the log lacks cannot be told (a log lost once restarts from 1 while
// the ranking keeps its past), so the message says so and how to have it rebuilt.
RiparazioneClassifica RiparaClassifica(Record& r, bool classificaUsabile);

}  // namespace mrvelto
