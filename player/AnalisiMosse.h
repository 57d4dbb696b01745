// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each card of a seat's hand is worth, with what that seat can know: for every card it may
// play, its expected final points. While cards are hidden, each sample deals them at random
// (never a card the seat has seen) and plays the game out with Mr. VELTO at level A on both seats,
// every card judged on the same samples; once the stock is out nothing is hidden and the rest is
// searched exactly. A seed gives the same figures on every run.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/VistaGiocatore.h"

namespace mrvelto {

inline constexpr int kCampioniPredefiniti = 200;

struct StimaCarta {
    int indice = 0;             // hand index 0..2 of the view
    CartaDaGioco carta;
    double media = 0;           // expected final points of the seat
    double margine = 0;         // half-width of the 95 % interval; 0 when exact
};

struct ValutazioneMosse {
    std::vector<StimaCarta> carte;  // the cards the seat may play, in hand order
    int campioni = 0;               // 0: exact
    bool Esatta() const { return campioni == 0; }
    // The best card (the lowest hand index on a tie).
    const StimaCarta* Migliore() const;
    const StimaCarta* Di(CartaDaGioco c) const;
};

// The figures for the view; the reason in words when the view cannot come from a game (wrong
// counts of hidden cards, a card twice).
std::optional<std::string> ErroreVista(const VistaGiocatore& v);
ValutazioneMosse ValutaMosse(const VistaGiocatore& v, int campioni = kCampioniPredefiniti, std::uint64_t seme = 1);

}  // namespace mrvelto
