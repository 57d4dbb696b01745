#pragma once
// Players that can sit on either side of the table, for the simulator's matches: a random card,
// a plain greedy player, and Mr. VELTO itself seen from the side it sits on. Each chooses one of
// its own hand slots (1..3 on the computer's side, 4..6 on the human's) from the game state.
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "cards/Caso.h"
#include "game/StatoGioco.h"

namespace mrvelto {

class Politica {
public:
    virtual ~Politica() = default;
    // Called when `posto` must play; returns a slot of its hand that holds a card.
    virtual int Scegli(const StatoGioco& stato, Chi posto) = 0;
    virtual std::string Nome() const = 0;
};

// A uniformly random card of the hand.
class PoliticaCasuale : public Politica {
public:
    explicit PoliticaCasuale(std::uint64_t seme) : gen_(seme) {}
    int Scegli(const StatoGioco& stato, Chi posto) override;
    std::string Nome() const override { return "random"; }

private:
    std::mt19937_64 gen_;
};

// Sees only its own hand, the card on the table and the cards played. Answering a card worth
// points, it takes with its cheapest winning card; otherwise, and when leading, it throws its
// lowest card. Cheapest and lowest: a plain card before a briscola, then fewer points, then the
// lower Valore.
class PoliticaGolosa : public Politica {
public:
    int Scegli(const StatoGioco& stato, Chi posto) override;
    std::string Nome() const override { return "greedy"; }
};

// Mr. VELTO at a playing level, deciding at once as the computer would in that position: on the
// human's side it sees the table mirrored (its hand in slots 1..3, the other in 4..6).
class PoliticaVelto : public Politica {
public:
    PoliticaVelto(char livello, std::uint64_t seme);
    int Scegli(const StatoGioco& stato, Chi posto) override;
    std::string Nome() const override { return std::string("velto ") + livello_; }

private:
    char livello_;
    CasoConSeme caso_;
    bool filtro60Punti_ = false;  // its own 60-point flag on the human's side, one per game
};

// The state as the computer player would read it from `posto`: unchanged for the computer's side;
// for the human's, hands, scores and turn swapped, and the card being answered not yet counted
// as played (the computer reads the human's card before it is marked).
StatoGioco VistaDalPosto(const StatoGioco& stato, Chi posto);

// nullptr for an unknown name ("random", "greedy", "velto").
std::unique_ptr<Politica> CreaPolitica(const std::string& nome, char livello, std::uint64_t seme);

}  // namespace mrvelto
