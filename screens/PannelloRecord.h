// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records panel fraPannello(3) as the front end draws it: the ten best players under their
// column headings, Mr. VELTO's results at each level, and the match log LstAlbo.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cards/Indici.h"
#include "records/Record.h"

namespace mrvelto {

inline constexpr std::string_view kTitoloClassifica = "I DIECI MIGLIORI";          // lblDieciMigliori
inline constexpr std::string_view kTitoloLivelli = "I risultati di Mr. VELTO";
inline constexpr std::string_view kTitoloAlbo = "Albo d'oro delle Partite";
// Row 0: "N.", "Nome del Giocatore", "V", "P", "Ultima Data".
inline constexpr std::array<std::string_view, 5> kIntestazioniClassifica{"N.", "Nome del Giocatore", "V", "P", "Ultima Data"};

struct RigaPannelloClassifica {
    std::string posizione;  // lblPosizioneClassifica(i): "1".."10"
    std::string nome;
    std::string vinte;
    std::string perse;
    std::string data;
    bool posizioneVisibile = false;
    bool vinteVisibile = false;
    bool perseVisibile = false;
};

struct RisultatoLivello {
    std::string nome;      // "Mr. VELTO A" .. "Mr. VELTO E"
    std::string livello;   // "Massima (Livello A)" ..
    int vittorie = 0;
    int sconfitte = 0;
};

struct PannelloRecord {
    Da1<RigaPannelloClassifica, kRigheClassifica> righe;
    Da1<RisultatoLivello, kLivelli> livelli;
    std::vector<std::string> LstAlbo;  // as the list box holds it, the closing empty entry last
};

PannelloRecord ComponiPannelloRecord(const Record& r);

// Which entries of a list box are in view: the last ones, as a new entry arrives, until the
// wheel moves back; moved back to the end, it follows the new entries again.
class ScorrimentoLista {
public:
    // The first entry shown of `totale`, with room for `righe`.
    int Prima(int totale, int righe) const;
    // `passi` entries on (negative: towards the first ones), within the list.
    void Scorri(int passi, int totale, int righe);

private:
    int prima_ = -1;  // -1: at the end
};

}  // namespace mrvelto
