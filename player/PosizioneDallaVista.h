// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table as Mr. VELTO's procedures read it, built from one seat's view only: the seat's hand in
// slots 1..3 and the other hand in 4..6, whichever seat he sits on, with the other side's card on
// the table back in its slot (NumeroCartaGiocataDaH). While the stock lasts the other hand comes
// from the privilege, slot by slot; once it is out the seat can name the other hand from the cards
// it has seen, though not their slots, which the endgame searches do not depend on.
#include "game/StatoGioco.h"
#include "game/VistaGiocatore.h"

namespace mrvelto {

// Writes the fields the computer's procedures read into `posizione` (kept by the caller and
// reused, so that no move copies a table).
void PosizioneDallaVista(const VistaGiocatore& vista, StatoGioco& posizione);

}  // namespace mrvelto
