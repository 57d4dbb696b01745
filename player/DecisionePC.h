// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One whole decision of the computer, at once: the analysis of the stage named by
// NumeroCarteRimaste and TurnoDiGioco, the choice, then the thinking-time draw and the playing
// level, in the order the game runs them at the move. GiocatoreVelto runs the same analysis and
// choice on the tables it keeps through the game; DecidiMossa serves the simulator's `choose`,
// the benchmarks and the tests.
#include <vector>

#include "cards/Caso.h"
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

enum class Fase {
    IniziaConMazzo,      // leads, stock not empty
    RispondeConMazzo,    // answers, stock not empty
    IniziaTerzultima,    // leads the third-to-last trick (n 0)
    RispondeTerzultima,  // answers it (n -1)
    IniziaPenultima,     // leads the second-to-last (n -2)
    RispondePenultima,   // answers it (n -3)
    Ultima,              // the last trick: the one card left
    Nessuna,             // the computer has already played in this trick
};

// The stage from NumeroCarteRimaste (after the human's play) and TurnoDiGioco.
Fase FaseDi(const StatoGioco& stato);

// The stage's analysis and choice into tab.CartaPCDaGiocare, the random tie draw of the
// third-to-last search included. With the stock not empty it reads PuntiPotenziali as the last
// deal or draw left them. Nothing for Fase::Nessuna.
void AnalisiEScelta(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso, Fase fase);

// The answer dispatch: what the computer does after the human's card, by NumeroCarteRimaste.
// Runs the stage's analysis and choice at once; false when it has nothing to answer.
bool AvviaRispostaPC(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso);

struct EsitoDecisione {
    int scelta = 0;               // slot 1..3 played
    std::vector<int> candidati;   // equal best slots of the third-to-last search; otherwise {scelta}
    int calcolata = 0;            // the choice before the playing level
    bool sostituita = false;      // the playing level drew a random card
    Fase fase = Fase::Nessuna;
};

// The stage's analysis and choice (rating the hands first while the stock lasts), then the move's
// own draws. `tab` holds the card memory of the position (SituazioneDaPosizione) and is otherwise
// fresh or reset, as after a take; tab.CartaPCDaGiocare holds the result.
EsitoDecisione DecidiMossa(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso, char livello);

}  // namespace mrvelto
