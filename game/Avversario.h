#pragma once
// Players for the human's side of the table. They act only through the table's input entry
// points, exactly as a person with a mouse would: the flow is the same one the human meets.
#include <cstdint>
#include <random>
#include <string>

namespace mrvelto {

class Tavolo;

class AvversarioUmano {
public:
    virtual ~AvversarioUmano() = default;
    // The hand slot (4..6) to click, chosen among those the table accepts now
    // (tavolo.ClickAccettato); called only when at least one is accepted.
    virtual int ScegliCarta(const Tavolo& tavolo) = 0;
    virtual std::string Nome() const = 0;
};

// The reference opponent: a uniformly random legal hand card. Its own random stream, so that its
// choices never move the game's draws.
class AvversarioCasuale : public AvversarioUmano {
public:
    explicit AvversarioCasuale(std::uint64_t seme) : gen_(seme) {}
    int ScegliCarta(const Tavolo& tavolo) override;
    std::string Nome() const override { return "random"; }

private:
    std::mt19937_64 gen_;
};

}  // namespace mrvelto
