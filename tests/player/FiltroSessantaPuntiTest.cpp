// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "player/FiltroSessantaPunti.h"

namespace mrvelto {
namespace {

// One filter run: pair totals (positive = the computer takes with that total, negative = the
// human takes with -t), the choice before and after, the flag, and which cards are marked
// dangerous (or must not be). Sixty is half the deck, not a win: only 61 or more passes.
struct Caso {
    const char* perche;
    bool inizia;  // leading (nine pairs) or answering (three)
    std::vector<int> totali;
    int prima, dopo;
    std::optional<bool> filtro;
    std::vector<int> pericolose = {}, sicure = {};
};

TEST(FiltroSessantaPunti, EveryCase) {
    const Caso casi[] = {
        {"answer that already passes 60 is kept", false, {50, 65, 62}, 3, 3, true},
        {"answer switches to the first card passing 60", false, {50, 61, 64}, 1, 2, true},
        {"answer avoids a card letting the human pass 60", false, {-61, 40, 41}, 1, 3, true, {1}},  // the last safe card
        {"the human reaching 60 is no danger", false, {-60, 40, 41}, 1, 1, false, {}, {1}},
        {"the computer reaching 60 wins nothing yet", false, {60, 60, 40}, 1, 1, false},
        {"... whichever card it chose", false, {60, 60, 40}, 3, 3, false},
        {"every answer loses: the choice stays", false, {-61, -70, -62}, 2, 2, true},
        {"lead the card passing 60 against every reply", true, {40, 40, 40, 61, 70, 62, 61, 20, 61}, 1, 2, true},
        {"a later row that also qualifies overwrites", true, {40, 40, 40, 61, 70, 62, 61, 61, 61}, 1, 3, std::nullopt},
        {"lead avoids cards letting the human pass 60", true, {-61, 40, 40, 30, -62, 30, 30, 30, 30}, 1, 3, false, {1, 2}},
        {"lead: the human reaching 60 is no danger", true, {-60, 40, 40, 30, 30, 30, 30, 30, 30}, 1, 1, std::nullopt, {}, {1}},
        {"lead: the human reaching 61 is", true, {-61, 40, 40, 30, 30, 30, 30, 30, 30}, 1, 2, std::nullopt, {1}},
        {"lead: 60 against one reply is no sure win", true, {60, 61, 61, 40, 40, 40, 40, 40, 40}, 3, 3, false},
        {"every lead loses: the choice stays", true, {-61, 40, 40, 30, -62, 30, 30, 30, -65}, 2, 2, true},
    };
    for (const Caso& c : casi) {
        TabellePC tab;
        int k = 1;
        for (int t : c.totali) {
            tab.TotaliNormali[k].valore = t < 0 ? -t : t;
            if (t < 0) tab.TotaliNormali[k].segno = Segno::VinceUmano;
            ++k;
        }
        tab.CartaPCDaGiocare = c.prima;
        if (c.inizia) {
            FiltroSessantaPuntiIniziaPC(tab);
            EXPECT_EQ(tab.CartaPCDaGiocare2, c.prima) << c.perche;
        } else {
            FiltroSessantaPuntiRispondePC(tab);
        }
        EXPECT_EQ(tab.CartaPCDaGiocare, c.dopo) << c.perche;
        if (c.filtro) {
            EXPECT_EQ(tab.Filtro60Punti, *c.filtro) << c.perche;
        }
        for (int p : c.pericolose) EXPECT_EQ(tab.TotaliPotenziali[p].segno, Segno::Pericolo60) << c.perche << " card " << p;
        for (int p : c.sicure) EXPECT_NE(tab.TotaliPotenziali[p].segno, Segno::Pericolo60) << c.perche << " card " << p;
    }
}

}  // namespace
}  // namespace mrvelto
