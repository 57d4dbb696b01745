// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/VerificaGioco.h"

#include <algorithm>

namespace mrvelto {

std::string VerificaGioco(const EsitoGioco& e, bool sessantaPunti) {
    auto n = [](int x) { return std::to_string(x); };
    if (e.estrazioni[0] != 0) return "a card was drawn from an exhausted deck";
    int carte = 0;
    for (int i = 1; i <= 40; ++i) {
        if (e.estrazioni[static_cast<std::size_t>(i)] > 1)
            return "card " + MazzoOrdinato()[i] + " dealt or drawn " + n(e.estrazioni[static_cast<std::size_t>(i)]) + " times";
        carte += e.estrazioni[static_cast<std::size_t>(i)];
    }
    // Cards are drawn after every trick but the game's last, up to 16 tricks.
    const int attese = 8 + 2 * std::min(e.prese - 1, 16);
    if (carte != attese) return n(carte) + " cards dealt or drawn after " + n(e.prese) + " tricks, expected " + n(attese);
    if (e.PuntiH < 0 || e.PuntiH > 120 || e.PuntiPC < 0 || e.PuntiPC > 120)
        return "scores out of 0..120: " + n(e.PuntiH) + "-" + n(e.PuntiPC);
    if (e.prese == 20) {
        if (e.PuntiH + e.PuntiPC != 120) return "20 tricks but " + n(e.PuntiH + e.PuntiPC) + " points in all";
        if (e.NumeroCarteRimaste != -6) return "20 tricks but NumeroCarteRimaste " + n(e.NumeroCarteRimaste);
    } else {
        if (e.prese > 20 || e.prese < 1) return n(e.prese) + " tricks in a game";
        if (!sessantaPunti) return "game ended after " + n(e.prese) + " tricks without the 60-point rule";
        if (e.PuntiH <= 60 && e.PuntiPC <= 60) return "game ended after " + n(e.prese) + " tricks with nobody above 60";
        if (e.PuntiH + e.PuntiPC > 120) return "more than 120 points";
    }
    const Chi vincitore = e.PuntiH > 60 ? Chi::H : e.PuntiPC > 60 ? Chi::PC : Chi::Nessuno;
    if (e.Vincitore != vincitore)
        return std::string("Vincitore ") + TestoDi(e.Vincitore) + " with scores " + n(e.PuntiH) + "-" + n(e.PuntiPC);
    if (e.UltimoVincitore != vincitore) return std::string("UltimoVincitore ") + TestoDi(e.UltimoVincitore);
    return {};
}

}  // namespace mrvelto
