// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game with every card known, from any point on: both hands by slot, the covered stock in the
// order it will be drawn, the scores, the lead and the card already on the table. It plays itself
// out with Mr. VELTO at level A on both seats, or searches the rest exactly once the stock is out.
// The analysis deals the hidden cards into one of these for each sample.
#include <array>
#include <cstdint>

#include "cards/Caso.h"
#include "cards/Carta.h"
#include "game/StatoGioco.h"
#include "player/TabellePC.h"

namespace mrvelto {

struct GiocoAperto {
    // Seat 0 is the one the analysis speaks for, seat 1 the other side.
    std::array<std::array<CartaDaGioco, 3>, 2> mano{};
    std::array<CartaDaGioco, 40> mazzo{};  // covered stock, drawn from index `pescate` on
    int carteNelMazzo = 0;                 // covered cards left, the face-up briscola excluded
    int pescate = 0;
    CartaDaGioco briscola;                 // the face-up card, taken by the loser of the last draw
    char semeBriscola = 'd';
    int NumeroCarteRimaste = 34;           // as the flow counts it
    std::array<int, 2> punti{};
    int primo = 0;                         // the seat leading this trick
    int giocata[2] = {-1, -1};             // hand index of the card each seat has on the table
    Da1<VocePresa, 40> memoria;            // cards played, as both seats remember them

    // The memory built from the briscola suit and the cards already played.
    void Prepara(std::uint64_t giocateBit);
    // Plays hand index `i` of `seat`, and takes the trick (and draws) when it is complete.
    void Gioca(int seat, int i);
    // The seat that plays next; -1 once both hands are empty.
    int ChiGioca() const;
    bool Finito() const { return ChiGioca() < 0; }
};

// The hand index Mr. VELTO plays at level A from `seat`, reading both hands as he does while the
// stock lasts. `lavoro` is scratch space kept between calls (two tables from the two seats).
struct LavoroLivelloA {
    StatoGioco stato;
    TabellePC tab;
};
int SceltaLivelloA(const GiocoAperto& g, int seat, FonteCasuale& caso, LavoroLivelloA& lavoro);

// The game played to its last trick by level A on both seats; seat 0's final points.
int GiocaFinoInFondo(GiocoAperto g, FonteCasuale& caso, LavoroLivelloA& lavoro);

// With the stock out: seat 0's final points when both seats play perfectly from here.
int RicercaEsatta(const GiocoAperto& g);

// A fast seeded source for the play-outs (splitmix64; the clock stands at 00:00).
class CasoVeloce : public FonteCasuale {
public:
    explicit CasoVeloce(std::uint64_t seme) : stato_(seme) {}
    std::uint64_t Prossimo() {
        std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double Uniforme() override { return static_cast<double>(Prossimo() >> 11) * 0x1.0p-53; }
    OraMinSec Ora() override { return {}; }

private:
    std::uint64_t stato_;
};

}  // namespace mrvelto
