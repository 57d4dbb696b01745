#pragma once
// The cards played so far in a game, in the order they were played and with who played each, as
// anyone at the table saw them. Read from the played marks of the fixed deck, so it needs no hook
// inside the flow; fed after every step it is exact, and with fewer looks it still orders a batch
// of new cards by replaying the tricks (the leader first, the winner leads the next).
#include <array>
#include <string>
#include <vector>

#include "game/StatoGioco.h"

namespace mrvelto::sim {

struct Giocata {
    std::string carta;
    Chi chi = Chi::Nessuno;
};

class SequenzaGiocate {
public:
    void Azzera();
    // Adds the cards marked played in `s` that the list does not hold yet. A listed card that is no
    // longer marked means a new game: the list starts again.
    void Aggiorna(const StatoGioco& s);
    const std::vector<Giocata>& Giocate() const { return giocate_; }

private:
    void Aggiungi(const std::string& carta, Chi chi);
    std::vector<Giocata> giocate_;
    std::array<bool, 41> vista_{};
    Chi diMano_ = Chi::Nessuno;  // leads the trick being played
    char briscola_ = '\0';
};

}  // namespace mrvelto::sim
