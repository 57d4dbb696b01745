#pragma once
// The data panel's cells lblDati(0..136) and its two heading lines, filled by the game
// flow: cell 1 the human's name, 2..8 the deal, then six cells per trick from b = 6 × Manche:
// b+9, b+10 the computer's and the human's played card, b+11, b+12 PuntiPC and PuntiH after the
// take, b+13, b+14 the cards then drawn by the computer and by the human.
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

struct PannelloDati {
    static constexpr int kCelle = 137;
    std::array<CellaDati, kCelle> lblDati{};
    std::string Intestazione1;  // "Partita n. 3 - Gioco n. 2"
    std::string Intestazione2;  // "14/03/2024 - 21:05"
    std::string Titolo = "PANNELLO DATI ";

    CellaDati& operator[](int i) { return lblDati.at(static_cast<std::size_t>(i)); }
    const CellaDati& operator[](int i) const { return lblDati.at(static_cast<std::size_t>(i)); }
};

}  // namespace mrvelto
