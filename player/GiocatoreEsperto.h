// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fair strong opponent: from its own seat's view only (it never reads the other hand), it plays
// the card the analysis rates best. The simulator's measure of how much Mr. VELTO's reading of
// the human's hand is worth.
#include <cstdint>
#include <string>

#include "cards/Caso.h"
#include "game/Giocatore.h"
#include "player/AnalisiMosse.h"
#include "player/GiocoAperto.h"

namespace mrvelto {

class GiocatoreEsperto : public Giocatore {
public:
    static constexpr int kCampioniEsperto = 48;
    explicit GiocatoreEsperto(std::uint64_t seme, int campioni = kCampioniEsperto) : caso_(seme), campioni_(campioni) {}
    std::string Nome() const override { return "esperto"; }
    int Scegli(const VistaGiocatore& vista) override;

private:
    CasoVeloce caso_;
    int campioni_;
};

}  // namespace mrvelto
