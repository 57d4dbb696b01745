// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Players that choose by a plain rule, on either seat: the simulator's reference opponents (a
// random card, a plain greedy player) and the first card of the hand for tests of the flow. Each
// chooses one of its own hand slots (1..3 on the computer's seat, 4..6 on the human's); none
// varies its thinking time or plays at a level.
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "cards/Caso.h"
#include "game/Giocatore.h"

namespace mrvelto {

// A uniformly random card of the hand.
class GiocatoreCasuale : public Giocatore {
public:
    explicit GiocatoreCasuale(std::uint64_t seme) : gen_(seme) {}
    std::string Nome() const override { return "random"; }
    int Scegli(const VistaGiocatore& vista) override;

private:
    GeneratoreMT64 gen_;
};

// Sees only its own hand, the card on the table and the cards played. Answering a card worth
// points, it takes with its cheapest winning card; otherwise, and when leading, it throws its
// lowest card. Cheapest and lowest: a plain card before a briscola, then fewer points, then the
// lower Valore.
class GiocatoreGoloso : public Giocatore {
public:
    std::string Nome() const override { return "greedy"; }
    int Scegli(const VistaGiocatore& vista) override;
};

// The first slot of the hand that holds a card; 0 when the hand is empty.
class GiocatorePrimaCarta : public Giocatore {
public:
    int Scegli(const VistaGiocatore& vista) override;
};

// "random", "greedy", "esperto" (player/GiocatoreEsperto.h) or "velto" (Mr. VELTO at `livello`, drawing from `casoVelto` when given,
// otherwise from a source of its own seeded with `seme`); nullptr for an unknown name.
std::unique_ptr<Giocatore> CreaGiocatore(const std::string& nome, char livello, std::uint64_t seme, FonteCasuale* casoVelto = nullptr);

}  // namespace mrvelto
