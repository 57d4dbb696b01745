// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Seam of the game flow towards the records (ranking, hall of fame and match log). At the end of a
// match, MostraFineGioco calls AggiornaClassifica with everything it reads, then SalvaRecord.
// TotalePartite (matches logged so far) gives the data panel's heading "Partita n. N+1".
#include <string>

#include "cards/Carta.h"
#include "game/DataOra.h"

namespace mrvelto {

struct EsitoPartita {
    std::string nomeH;                 // the human's name (label H)
    std::string NomeVincitorePartita;  // the human's name, or "Mr. VELTO" when the computer won
    Chi vincitore = Chi::Nessuno;      // H or PC
    int PartiteH = 0;                  // games won in the match
    int PartitePC = 0;
    std::string livello;               // Opzione[12], e.g. "Massima (Livello A)"
    char letteraLivello = 'A';         // 'A'..'E'
    bool Sbirciata = false;            // the human saw the computer's cards during the match
    DataOra quando;                    // the clock at the end of the match
};

class RecordPartite {
public:
    virtual ~RecordPartite() = default;
    virtual void AggiornaClassifica(const EsitoPartita& esito) { (void)esito; }
    virtual void SalvaRecord() {}
    virtual int TotalePartite() const = 0;
};

// The default until the records subsystem is plugged in: nothing is kept but the count of matches.
class RecordInMemoria : public RecordPartite {
public:
    void AggiornaClassifica(const EsitoPartita&) override { ++totale_; }
    int TotalePartite() const override { return totale_; }

private:
    int totale_ = 0;
};

}  // namespace mrvelto
