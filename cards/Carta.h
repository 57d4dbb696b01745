#pragma once
// Card codes ("Ad", "3b", "Fc": rank letter, then suit letter), their strength (Valore) and points,
// the fixed order of the deck and the rule that decides a trick.
#include <optional>
#include <string>
#include <string_view>

#include "cards/Indici.h"

namespace mrvelto {

enum class Chi { Nessuno, H, PC };

inline constexpr std::string_view kLettereRango = "24567FCR3A";
inline constexpr std::string_view kSemi = "dscb";

// Valore of a rank letter (2, 4, 5, 6, 7, 8, 12, 16, 40, 44), 0 for anything else.
int ValoreDelRango(char rango);
// Valore of a card code, 0 when the code is not a card.
int ValoreDiCarta(std::string_view codice);
char SemeDiCarta(std::string_view codice);
bool CodiceValido(std::string_view codice);
// Points of a Valore: 0 below 8, otherwise Valore / 4.
int PuntiDelValore(int valore);
int PuntiDiCarta(std::string_view codice);

// The fixed deck, positions 1..40: "2d".."Ad", "2s".."As", "2c".."Ac", "2b".."Ab".
const Da1<std::string, 40>& MazzoOrdinato();
// Position 1..40 of a card code in the fixed deck, 0 when it is not a card.
int PosizioneNelMazzo(std::string_view codice);

struct EsitoPresa {
    Chi vincitore;
    int punti;
};

// Who takes a trick and what it is worth. `leader` is who led it (TurnoDiGioco). The tests run in
// this order: computer's card not briscola (different suits: leader wins; same suit: higher
// Valore wins, the human on equal); human's card briscola wins; both briscola compare Valori.
EsitoPresa DecidiPresa(Chi leader, char semePC, int valorePC, char semeH, int valoreH, char semeBriscola);

const char* TestoDi(Chi chi);  // "H", "PC" or "Nessuno"

}  // namespace mrvelto
