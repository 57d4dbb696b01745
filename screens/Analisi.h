// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The review of a game from its data panel: each press of cmdScegliManche lays the next trick on
// the table (both cards, who led and who took it, the running score, the cards then drawn), with
// the noises when option 20 allows; after the last trick cell 14 reads "Fine Analisi".
//
//   Analisi analisi(tavolo, effetti, media);
//   if (auto errore = analisi.Inizia()) ...   // the data panel does not hold a whole game
//   analisi.cmdScegliManche_Click();          // trick 1, 2, ... then "Fine Analisi"
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "audio/Lettore.h"
#include "game/Tavolo.h"
#include "records/ArchivioPartita.h"

namespace mrvelto {

// What the review shows on the table.
struct VistaAnalisi {
    std::array<CartaDaGioco, 3> manoPC{}, manoH{};
    CartaDaGioco briscola;
    bool briscolaInTavola = true;   // until the last draw takes it
    int carteNelMazzo = 33;         // covered stock, briscola excluded
    CartaDaGioco inTavolaPC, inTavolaH;
    Chi presaDi = Chi::Nessuno;     // who took the trick on the table
    int Manche = 0;                 // the trick shown; 0 = the deal
    int PuntiPC = 0, PuntiH = 0;
    std::string descrizione;        // the trick in words
    bool finita = false;
};

class Analisi {
public:
    // `effetti` plays the noises; `media` is where their paths start.
    Analisi(Tavolo& tavolo, Lettore& effetti, std::filesystem::path media);

    // From the table's data panel: the deal on the table, cell 14 emptied, cell 10 white.
    // The reason in Italian when the panel does not hold a whole game (nothing is changed then).
    std::optional<std::string> Inizia();
    // cmdInizioAnalisi: whether the noises follow the review ("Rumori di Gioco:" and option 20).
    void cmdInizioAnalisi_Click();
    // The next trick; after the last one, "Fine Analisi".
    void cmdScegliManche_Click();

    bool Attiva() const { return gioco_.has_value(); }
    const VistaAnalisi& Vista() const { return vista_; }
    bool RumoriAmmessi() const { return rumori_; }
    void Termina() { gioco_.reset(); }

private:
    void Suona(const char* clip);

    Tavolo& tavolo_;
    Lettore& effetti_;
    std::filesystem::path media_;
    std::optional<GiocoRicostruito> gioco_;
    VistaAnalisi vista_;
    bool rumori_ = false;
};

}  // namespace mrvelto
