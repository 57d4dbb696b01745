// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer player's working tables: its memory of the cards, the card ratings, the pair table
// of a trick, the choice and its marks, and the endgame search. They belong to the player, which
// keeps them up to date from the table's events; the game state is only read. The marks kept beside
// an entry are flags that the choice procedures set and read back.
#include <cstdint>
#include <optional>

#include "cards/Indici.h"

namespace mrvelto {

// What an entry stands for beside its number; each table uses the marks of its own comment.
enum class Segno : std::uint8_t {
    Nessuno,
    VinceUmano,     // pair totals, the endgame's tricks: the human takes that trick
    Pericolo60,     // TotaliPotenziali 1..3: that card lets the human pass 60
    Minimo,         // Convenienza when leading: the lowest of its row (the human's best reply)
    SecondoMinimo,  // ... the second lowest of its row
    Migliore,       // Convenienza when answering: the highest; Peggiore: equal to the best result
    Supera,         // ValAgg: beats the human's card of the same suit
    Superata,       // ValAgg: beaten by it
};

// A second, independent mark of an entry.
enum class Spunta : std::uint8_t {
    Nessuna,
    AlPari,            // Convenienza when leading: ties the highest worst case
    Briscola,          // Convenienza when answering: the card is a briscola
    TenutaDalSecondo,  // SecondoLivello: the leaf the follower keeps
    TenutaDalPrimo,    // ... and of those, the one the leader keeps
};

// One entry of a working table: a number or nothing, with its two marks.
template <class T>
struct Casella {
    std::optional<T> valore;
    Segno segno = Segno::Nessuno;
    Spunta spunta = Spunta::Nessuna;

    bool Piena() const { return valore.has_value(); }
    T Valore() const { return valore.value_or(T{}); }
    void Svuota() { *this = Casella{}; }
};

using CasellaF = Casella<float>;  // single precision, as the tables hold their fractions
using CasellaI = Casella<int>;

// Where a card of the deck stands for the card being rated.
enum class StatoCarta : std::uint8_t {
    NonVista,  // unseen, counted in the average
    InMano,    // in the same hand as the card being rated
    Giocata,   // played in this game, never counted again
};

// One card of PreseVirtuali, in deck order: the signed points of the trick between the card
// being rated and this one, and whether it is of the briscola suit.
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
    Da1<CasellaI, 9> TotaliNormali;     // VinceUmano
    Da1<CasellaF, 9> TotaliPotenziali;  // Pericolo60 on 1..3
    Da1<CasellaF, 9> Convenienza;       // Minimo, SecondoMinimo, AlPari when leading; Migliore, Briscola answering
    int ContatoreCaselle = 1;

    // Choice of the answer and of the lead.
    Da1<CasellaI, 3> ValAgg;  // Supera, Superata
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
    bool PariMeritoInizio = false;    // a tie of the lead survives its third level
    bool SostituitaDalLivello = false;  // the level replaced the choice at random

    // Endgame search.
    Da1<CasellaI, 9> PrimoLivello;     // VinceUmano: the human takes that trick
    Da1<CasellaI, 36> SecondoLivello;  // VinceUmano; TenutaDalSecondo, TenutaDalPrimo
    Da1<CasellaI, 3> Peggiore;         // Migliore: equal to the best
    int RisultatoMigliore = 0;
    int ContatorePrimoLivello = 1;
    int ContatoreSecondoLivello = 1;
    int A = 0, B = 0, C = 0, D = 0;  // slots of a leaf: A against B, then C against D

    TabellePC() { Peggiore.fill(CasellaI{300}); }
};

}  // namespace mrvelto
