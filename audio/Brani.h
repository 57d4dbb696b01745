// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music of the table: 21 folk tunes, one per region, and the two anthems of the ceremony.
#include <array>

#include "game/Opzioni.h"

namespace mrvelto {

struct Brano {
    const char* file;   // under the media folder
    const char* titolo;
    int metaDurata;     // ms: the stop timer fires twice per tune
    bool dueRighe;      // the title takes two lines: it sits higher (top 1440, else 1550)
};

extern const std::array<Brano, 21> kBrani;

struct Inno {
    const char* file;
    const char* titolo;
    const char* bandiera;  // the flag waved during it
};

inline constexpr Inno kInnoItaliano{"Musiche/Mameli.mid", "'Fratelli d'Italia' - Inno nazionale italiano", "Grafica/Italia.bmp"};
inline constexpr Inno kInnoInglese{"Musiche/GodSave.mid", "'God save the Queen' - Inno nazionale inglese", "Grafica/Inghil.bmp"};

// The pause before the next tune for "Frequenza Musica:"; 0 for "Mai" (no next tune).
int PausaMusica(opz::FrequenzaMusica frequenza);

}  // namespace mrvelto
