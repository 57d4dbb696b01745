// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/Loquacita.h"

#include <initializer_list>
#include <utility>

namespace mrvelto {

// Talkativeness: does draw n (1..48) comment?
bool CommentaLaCarta(opz::Loquacita loquacita, int n) {
    auto in = [n](std::initializer_list<std::pair<int, int>> fasce) {
        for (auto [da, a] : fasce)
            if (n >= da && n <= a) return true;
        return false;
    };
    switch (loquacita) {
        case opz::Loquacita::Pettegolo: return true;
        case opz::Loquacita::Loquace: return in({{1, 9}, {15, 21}, {28, 34}, {40, 48}});
        case opz::Loquacita::Gentleman: return in({{2, 8}, {16, 20}, {29, 33}, {41, 47}});
        case opz::Loquacita::Riservato: return in({{3, 7}, {17, 19}, {30, 32}, {42, 46}});
        default: return false;
    }
}

// Does an impatience draw n (1..12) speak?
bool SbuffaImpaziente(opz::Loquacita loquacita, int n) {
    switch (loquacita) {
        case opz::Loquacita::Pettegolo: return true;
        case opz::Loquacita::Loquace: return n == 1 || (n >= 3 && n <= 5) || n == 7 || n == 8 || n == 10 || n == 12;
        case opz::Loquacita::Gentleman: return n == 1 || n == 2 || n == 5 || n == 6 || n == 10 || n == 11;
        default: return false;
    }
}


}  // namespace mrvelto
