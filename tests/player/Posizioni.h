// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions for the computer player's tests, written as card codes ("" for an empty slot).
#include <string>
#include <vector>

#include "player/PosizionePC.h"

namespace mrvelto::test {

// A position with the stock not empty: `giocate` fills up with low cards nobody holds so that
// the played count fits the stock (unless the test lists them all itself).
inline Situazione ConMazzo(char briscola, std::array<std::string, 3> pc, std::array<std::string, 3> h, int stock = 34,
                           Chi turno = Chi::PC, int giocataH = 0, std::vector<std::string> giocate = {}, int puntiPC = 0,
                           int puntiH = 0) {
    PosizionePC p;
    p.semeBriscola = briscola;
    p.manoPC = ManoDaCodici({pc[0], pc[1], pc[2]});
    p.manoH = ManoDaCodici({h[0], h[1], h[2]});
    p.NumeroCarteRimaste = stock;
    p.TurnoDiGioco = turno;
    p.NumeroCartaGiocataDaH = giocataH;
    for (const auto& c : giocate) p.giocate.push_back(CartaDaGioco::DaCodice(c));
    p.PuntiPC = puntiPC;
    p.PuntiH = puntiH;
    return SituazioneDaPosizione(p);
}

}  // namespace mrvelto::test
