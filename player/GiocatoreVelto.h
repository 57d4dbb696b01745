// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mr. VELTO, on either seat, from that seat's view with his privilege (the other hand while the
// stock lasts). On the computer's seat it keeps its working tables through the game from the
// table's events: while the stock lasts it rates the cards and builds the pair table, then it
// searches the last three tricks; the table lets it vary its thinking time and apply its playing
// level at the move. On the human's seat it decides as the computer would, the move's draws included.
#include <cstdint>
#include <memory>
#include <string>

#include "cards/Caso.h"
#include "game/Giocatore.h"
#include "player/TabellePC.h"

namespace mrvelto {

class GiocatoreVelto : public Giocatore {
public:
    // Draws from `caso`: the table's source, or one of its own, so that a deal replayed with the
    // seats swapped stays the same. `livello` ('A'..'E') is the level it plays at on the human's
    // seat; on the computer's seat the table names the level at the move.
    explicit GiocatoreVelto(FonteCasuale& caso, char livello = 'A');
    // With a source of its own seeded with `seme`, its clock standing at 00:00.
    GiocatoreVelto(std::uint64_t seme, char livello);

    std::string Nome() const override { return std::string("velto ") + livello_; }
    int Scegli(const VistaGiocatore& vista) override;
    bool LeggeLaManoAvversaria() const override { return true; }
    int VariaTempoDiRisposta() override;
    int ApplicaLivelloDiGioco(const VistaGiocatore& vista, char livello, int scelta) override;
    void Osserva(const Evento& e, const VistaPigra& vista) override;

    // The tables of the computer's seat, as the last event or analysis left them.
    const TabellePC& Tabelle() const { return tab_; }

private:
    int ScegliAlPostoH();

    std::unique_ptr<FonteCasuale> casoProprio_;
    FonteCasuale& caso_;
    char livello_;
    TabellePC tab_;
    StatoGioco posizione_;  // the last view, as his procedures read it (player/PosizioneDallaVista.h)
};

// The card memory as the human's seat reads it: the card being answered not yet counted as
// played (the computer reads the human's card before it is marked).
void CartaDaRispondereNonVista(const StatoGioco& posizione, TabellePC& tab);

}  // namespace mrvelto
