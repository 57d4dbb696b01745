#pragma once
// The computer player's working tables: its memory of the cards, the card ratings, the pair table
// of a trick, the choice and its marks, and the endgame search. They belong to the player, which
// keeps them up to date from the table's events; the game state is only read. Colours kept beside
// an entry are flags that the choice procedures read back, exactly as the procedures set them.
#include <cstdint>
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

// Where a card of the deck stands for the card being rated (its text colour in the table).
enum class StatoCarta : std::uint8_t {
    NonVista,  // 0: unseen, counted in the average
    InMano,    // 255: in the same hand as the card being rated
    Giocata,   // 0x00FF00: played in this game, never counted again
};

// One card of PreseVirtuali, in deck order: the signed points of the trick between the card
// being rated and this one; the briscola suit's ten cards carry the background 0x00FFFF.
struct VocePresa {
    std::optional<int> punti;
    StatoCarta stato = StatoCarta::NonVista;
    bool briscola = false;

    bool operator==(const VocePresa&) const = default;
};

struct TabellePC {
    // The cards of the deck as the player has seen them go.
    Da1<VocePresa, 40> PreseVirtuali;

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
    bool Filtro60Punti = false;  // the 60-point filter has decided in this trick; the end-of-trick reset clears it

    // The choice (hand slot 1..3, 0 before the first), its marks, and the choice kept before a change.
    int CartaPCDaGiocare = 0;
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
