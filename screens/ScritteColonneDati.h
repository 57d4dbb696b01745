// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data panel's column headings lblScritteRecord(0..13), in two lines over the trick rows:
// what a pair of columns holds ("Giocate", "Punti", "Pescate"), then whose card or score each
// column is. The two over the cards drawn, (6) and (13), show only while those columns may be
// seen: the computer's draws would tell its hand.
#include <array>
#include <string_view>

namespace mrvelto {

struct ScrittaColonna {
    std::string_view testo;
    int prima = 0, ultima = 0;  // the columns it spans: 0 the trick's number, 1..6 its cells
    int riga = 0;               // 0 the upper line, 1 the lower one
    bool visibile = true;
};

inline constexpr int kScritteRecord = 14;
using ScritteRecord = std::array<ScrittaColonna, kScritteRecord>;

// Unused numbers are empty texts.
inline constexpr ScritteRecord kScritteRecord0{{
    {"", 0, 0, 0}, {"", 1, 1, 0}, {"Giocate", 1, 2, 0}, {"", 3, 3, 0}, {"Punti", 3, 4, 0}, {"", 5, 5, 0}, {"Pescate", 5, 6, 0},
    {"N.", 0, 0, 1}, {"", 1, 1, 1}, {"MV Tu", 1, 2, 1}, {"", 3, 3, 1}, {"MV Tu", 3, 4, 1}, {"", 5, 5, 1}, {"MV Tu", 5, 6, 1},
}};

// The headings as the start-up leaves them: (6) and (13) only with the computer's cards shown.
constexpr ScritteRecord ScritteConCartePC(bool mostra) {
    ScritteRecord s = kScritteRecord0;
    s[6].visibile = s[13].visibile = mostra;
    return s;
}

}  // namespace mrvelto
