// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flow's procedures that need only a few pieces of state, as free functions whose signature
// names what they read and write. The timer steps (game/Tavolo) call them.
#include <string>
#include <utility>

#include "cards/Carta.h"
#include "game/DataOra.h"
#include "game/PannelloDati.h"
#include "game/Presentazione.h"
#include "game/StatoGioco.h"
#include "game/Opzioni.h"

namespace mrvelto {

// The slot that step `passo` (1..8) of the deal fills: "H" leads (the computer deals) 4,1,5,2,6,3,7,8;
// "PC" leads (the human deals) 1,4,2,5,3,6,7,8.
int SlotDellaDistribuzione(int passo, Chi giocoIniziatoDa);

// Whether a freshly dealt or drawn card in `slot` is shown face up: 4..7 always, 8 never,
// 1..3 only when "Mostra carte di Mr. Velto:" is "Si".
bool SlotScoperto(int slot, const Opzioni& opzioni);

// Whether a face is drawn with a one-line border: "Piacentine" yes,
// "Napoletane" no, the optional deck when BordoCarteOpzionali is not 0.
bool BordoDelMazzo(const Opzioni& opzioni, int BordoCarteOpzionali);

// Per-tick movement of a played card from its hand slot to the table.
Punto PassoAnimazione(int slot);

// RegistraCartaGiocata: CartaGiocata among the cards played in this game, and whose it was.
void RegistraCartaGiocata(StatoGioco& stato);
// Whether deck position n (1..40) has been played in this game, as RegistraCartaGiocata marks it.
bool CartaGiocataNelGioco(const StatoGioco& stato, int n);

// RegistraPresa's panel part: trick `manche` into cells b+9..b+12 with b = 6 × manche, the
// winner (TurnoDiGioco, already set by the take) coloured.
void ScriviPresa(const StatoGioco& stato, int manche, PannelloDati& dati);

// RiponiCarteGiocate: hides the two played cards and puts them back at their hand places.
void RiponiCarteGiocate(const StatoGioco& stato, Presentazione& vista);

// "Mr. VELTO A".."Mr. VELTO E" by "Abilità di Mr. Velto:".
std::string NomeLivello(const Opzioni& opzioni);

// The two messages of the end-of-game frame.
std::pair<std::string, std::string> MessaggiFineGioco(bool partitaFinita);

// Data panel cells that show a card the human has not seen (the computer's dealt hand 2..4 and
// the cards drawn after each trick, b+13 and b+14): written hidden while the computer's cards are
// not shown, revealed at the end of the game (MostraFineGioco).
bool CellaRiservata(int cella);
// Writes a card's code into a cell, background 0x80FFFF when of the briscola suit, white otherwise.
void ScriviCarta(PannelloDati& dati, int cella, CartaDaGioco carta, char semeBriscola, bool visibile);
// Clears every cell but 0 and 1 (the two names).
void SvuotaPannelloDati(PannelloDati& dati);
// RipristinaColoriDati: played-card cells blue, drawn-card cells black.
void RipristinaColoriDati(PannelloDati& dati);

}  // namespace mrvelto
