#pragma once
// The computer player's working tables: the card ratings, the pair table of a trick, the choice
// marks and the endgame search. Their colours are flags that the choice procedures read back, so
// they are kept beside each entry exactly as the procedures set them.
#include <optional>

#include "cards/Colori.h"
#include "cards/Indici.h"

namespace mrvelto {

// One entry of a working table: a number or nothing, with its background and text colour.
template <class T>
struct Casella {
    std::optional<T> valore;
    Colore sfondo = colore::Bianco;
    Colore testo = colore::Nero;

    bool Piena() const { return valore.has_value(); }
    T Valore() const { return valore.value_or(T{}); }
    void Svuota() { *this = Casella{}; }
};

using CasellaF = Casella<float>;  // single precision, as the tables hold their fractions
using CasellaI = Casella<int>;

namespace colore {
inline constexpr Colore Magenta = 0xFF00FF;  // a card that lets the human pass 60
}  // namespace colore

struct TabellePC {
    // Card ratings of the six hand slots.
    Da1<std::optional<float>, 6> PuntiPotenziali;
    Da1<std::optional<float>, 6> Potenziale;
    float MediaValori = 0;  // sum behind the last average
    int NumeroPrese = 0;    // divisor of the last average

    // Pair table: 9 pairs when leading (computer slot outer, human slot inner), 3 when answering.
    Da1<CasellaI, 9> TotaliNormali;     // background 255: the human takes the pair
    Da1<CasellaF, 9> TotaliPotenziali;  // background of 1..3 magenta: that card lets the human pass 60
    Da1<CasellaF, 9> Convenienza;
    int ContatoreCaselle = 1;

    // Choice of the answer and of the lead.
    Da1<CasellaI, 3> ValAgg;  // green: beats the human's same-suit card; red: beaten by it
    std::optional<float> ValorePiuAlto;
    int ContatoreRisposteMultiple = 1;
    int NumeroBriscole = 0;
    int TotaliValoriAggiuntivi = 0;
    int TotaliRossi = 0;
    int TotaliVerdi = 0;

    // The choice's marks beside StatoGioco::CartaPCDaGiocare, and the choice kept before a change.
    int CartaPCDaGiocare2 = 0;
    Colore SfondoCartaPCDaGiocare = colore::Bianco;  // 0x8080FF while a lead tie survives level 3
    Colore TestoCartaPCDaGiocare = colore::Nero;     // green: replaced at random by the level

    // Endgame search.
    Da1<CasellaI, 9> PrimoLivello;     // background 255: the human takes that trick
    Da1<CasellaI, 36> SecondoLivello;  // text blue: kept by the follower; green: by the leader too
    Da1<CasellaI, 3> Peggiore;         // background 255: equal to the best
    int RisultatoMigliore = 0;
    int ContatorePrimoLivello = 1;
    int ContatoreSecondoLivello = 1;
    int A = 0, B = 0, C = 0, D = 0;  // slots of a leaf: A against B, then C against D

    TabellePC() { Peggiore.fill(CasellaI{300}); }
};

}  // namespace mrvelto
