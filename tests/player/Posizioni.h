// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions for the computer player's tests, written as card codes ("" for an empty slot).
#include <string>
#include <string_view>
#include <vector>

#include "player/PosizionePC.h"

namespace mrvelto::test {

inline std::array<CartaDaGioco, 3> Mano(const std::array<std::string, 3>& codici) {
    std::array<CartaDaGioco, 3> m;
    for (std::size_t i = 0; i < 3; ++i) m[i] = CartaDaGioco::DaCodice(codici[i]);
    return m;
}

// A position with the stock not empty: `giocate` fills up with low cards nobody holds so that
// the played count fits the stock (unless the test lists them all itself).
inline Situazione ConMazzo(char briscola, std::array<std::string, 3> pc, std::array<std::string, 3> h, int stock = 34,
                           Chi turno = Chi::PC, int giocataH = 0, std::vector<std::string> giocate = {}, int puntiPC = 0,
                           int puntiH = 0) {
    PosizionePC p;
    p.semeBriscola = briscola;
    p.manoPC = Mano(pc);
    p.manoH = Mano(h);
    p.NumeroCarteRimaste = stock;
    p.TurnoDiGioco = turno;
    p.NumeroCartaGiocataDaH = giocataH;
    for (const auto& c : giocate) p.giocate.push_back(CartaDaGioco::DaCodice(c));
    p.PuntiPC = puntiPC;
    p.PuntiH = puntiH;
    return SituazioneDaPosizione(p);
}

}  // namespace mrvelto::test
