// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every card the human played in a saved game, judged with what the human could know at that
// moment: the best card then, its expected points, and what the card played cost. Each trick is
// judged on its own seed, so the figures do not depend on the order or the threads that compute them.
#include <cstdint>
#include <string>
#include <vector>

#include "player/AnalisiMosse.h"
#include "records/ArchivioPartita.h"

namespace mrvelto {

// A card that costs this many expected points or more is marked in the data panel.
inline constexpr double kSogliaMossaCostosa = 3.0;
// Below this a card is said to be as good as the best.
inline constexpr double kDifferenzaMinima = 0.5;

struct GiudizioManche {
    int manche = 0;              // 1..20
    VistaGiocatore vista;        // the human's, before the card
    ValutazioneMosse valutazione;
    CartaDaGioco giocata, migliore;
    double costo = 0;            // expected points lost against the best card
    bool Costosa() const { return costo >= kSogliaMossaCostosa; }
};

// The human's view before its card in each trick of the game.
std::vector<VistaGiocatore> VisteDiH(const GiocoRicostruito& g);

// The judgement of trick `manche` (1-based) from its view.
GiudizioManche GiudicaManche(const GiocoRicostruito& g, const VistaGiocatore& vista, int manche, int campioni, std::uint64_t seme);

// The whole game, `fili` threads at a time.
std::vector<GiudizioManche> GiudicaPartita(const GiocoRicostruito& g, int campioni, std::uint64_t seme, int fili = 1);

// "3b era meglio: +6,2 punti attesi", "la scelta migliore: 58,4 punti attesi" or, within half a
// point, "buona quanto la migliore: ...".
std::string TestoGiudizio(const GiudizioManche& g);
// "Costo atteso del Gioco: 9,4 punti; 2 mosse costose."
std::string TestoRiepilogo(const std::vector<GiudizioManche>& giudizi);
// A figure with one decimal and a comma.
std::string Decimale(double x);

}  // namespace mrvelto
