// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data panel's cells lblDati(0..136) and its two heading lines, filled by the game
// flow: cell 1 the human's name, 2..8 the deal, then six cells for each of the 20 tricks
// (CellaDellaManche).
#include <array>
#include <string>

#include "cards/Colori.h"

namespace mrvelto {

struct CellaDati {
    std::string testo;
    Colore sfondo = colore::Bianco;    // 0x80FFFF briscola suit; 255 / 0x8080FF the trick's winner
    Colore coloreTesto = colore::Nero; // blue 0xFF0000 on played cards
    bool visibile = false;             // cells are shown at the end of the game (MostraFineGioco)
};

// The six cells of a trick's row: the computer's and the human's played card, PuntiPC and PuntiH
// after the take, the cards then drawn by the computer and by the human.
enum class ColonnaDati { CartaPC, CartaH, PuntiPC, PuntiH, PescaPC, PescaH };
inline constexpr int kManchePannello = 20;

// The cell of trick `manche` (1..kManchePannello) and column `c`: 6 × manche + 9 onwards.
constexpr int CellaDellaManche(int manche, ColonnaDati c) { return 6 * manche + 9 + static_cast<int>(c); }

struct PannelloDati {
    static constexpr int kCelle = 137;
    std::array<CellaDati, kCelle> lblDati{};
    std::string Intestazione1;  // "Partita n. 3 - Gioco n. 2"
    std::string Intestazione2;  // "14/03/2024 - 21:05"
    std::string Titolo = "PANNELLO DATI ";

    CellaDati& operator()(int manche, ColonnaDati c) { return (*this)[CellaDellaManche(manche, c)]; }
    const CellaDati& operator()(int manche, ColonnaDati c) const { return (*this)[CellaDellaManche(manche, c)]; }
    CellaDati& operator[](int i) { return lblDati.at(static_cast<std::size_t>(i)); }
    const CellaDati& operator[](int i) const { return lblDati.at(static_cast<std::size_t>(i)); }
};
static_assert(CellaDellaManche(kManchePannello, ColonnaDati::PescaH) < PannelloDati::kCelle);

}  // namespace mrvelto
