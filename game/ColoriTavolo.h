// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 24 named colours: each has a table-and-panels shade and a darker card-back shade.
#include <array>
#include <string_view>

#include "cards/Colori.h"

namespace mrvelto {

struct ColoreNominato {
    std::string_view nome;
    Colore tavolo;
    Colore retro;
};

const std::array<ColoreNominato, 24>& TabellaColori();
// The entry with this name, or nullptr.
const ColoreNominato* CercaColore(std::string_view nome);

}  // namespace mrvelto
