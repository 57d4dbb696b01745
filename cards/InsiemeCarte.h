// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A set of cards of the deck, one bit per deck position: the cards drawn or played in a game,
// the cards a seat has seen.
#include <bit>
#include <cstdint>

#include "cards/Carta.h"

namespace mrvelto {

// A set of cards of the deck, one bit per deck position.
class InsiemeCarte {
public:
    constexpr InsiemeCarte() = default;
    static constexpr InsiemeCarte Di(CartaDaGioco c) {
        InsiemeCarte s;
        s.Aggiungi(c);
        return s;
    }
    static constexpr InsiemeCarte Tutte() { return InsiemeCarte(((std::uint64_t{1} << 40) - 1) << 1); }
    constexpr bool Contiene(CartaDaGioco c) const { return (bit_ >> c.Posizione()) & 1u; }
    constexpr void Aggiungi(CartaDaGioco c) {
        if (c) bit_ |= std::uint64_t{1} << c.Posizione();
    }
    constexpr void Togli(CartaDaGioco c) { bit_ &= ~(std::uint64_t{1} << c.Posizione()); }
    constexpr int Conta() const { return std::popcount(bit_); }
    constexpr bool Vuoto() const { return bit_ == 0; }
    constexpr InsiemeCarte Senza(InsiemeCarte altro) const { return InsiemeCarte(bit_ & ~altro.bit_); }
    constexpr InsiemeCarte Con(InsiemeCarte altro) const { return InsiemeCarte(bit_ | altro.bit_); }
    constexpr std::uint64_t Bit() const { return bit_; }
    // Calls f for each card, in deck order.
    template <class F>
    constexpr void PerOgni(F f) const {
        for (std::uint64_t b = bit_; b; b &= b - 1) f(CartaDaGioco::DaPosizione(std::countr_zero(b)));
    }
    friend constexpr bool operator==(InsiemeCarte, InsiemeCarte) = default;

private:
    constexpr explicit InsiemeCarte(std::uint64_t bit) : bit_(bit) {}
    std::uint64_t bit_ = 0;
};

}  // namespace mrvelto
