#pragma once
// The pieces of the main window's logic that a seam implementation (sounds, music, option locks,
// records) may need beyond the arguments of its methods. Handed over once, in Collega(); the
// references live as long as the table does.
#include "cards/Caso.h"
#include "game/OrologioVirtuale.h"
#include "game/StatoGioco.h"
#include "game/Opzioni.h"

namespace mrvelto {

struct Presentazione;
struct PannelloDati;

struct ContestoTavolo {
    StatoGioco& stato;
    Opzioni& opzioni;
    FonteCasuale& caso;
    OrologioVirtuale& orologio;
    Presentazione& presentazione;
    PannelloDati& dati;
};

}  // namespace mrvelto
