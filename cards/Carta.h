// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cards: the one-byte CartaDaGioco, their codes ("Ad", "3b", "Fc": rank letter, then suit letter),
// their strength (Valore) and points, the fixed order of the deck and the rule that decides a trick.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "cards/Indici.h"

namespace mrvelto {

enum class Chi { Nessuno, H, PC };

inline constexpr std::string_view kLettereRango = "24567FCR3A";
inline constexpr std::string_view kSemi = "dscb";

// A card as its position 1..40 in the fixed deck ("2d".."Ad", "2s".."As", "2c".."Ac",
// "2b".."Ab"), 0 for no card. One byte and table look-ups: the simulator reads cards in its
// innermost loops, where string codes cost searches and compares.
class CartaDaGioco {
public:
    constexpr CartaDaGioco() = default;

    // The card at a deck position; anything outside 1..40 gives no card.
    static constexpr CartaDaGioco DaPosizione(int posizione) {
        CartaDaGioco c;
        if (posizione >= 1 && posizione <= 40) c.posizione_ = static_cast<std::uint8_t>(posizione);
        return c;
    }
    // The card of a code; no card when the code is not one.
    static constexpr CartaDaGioco DaCodice(std::string_view codice) {
        if (codice.size() != 2) return {};
        const auto rango = kLettereRango.find(codice[0]);
        const auto seme = kSemi.find(codice[1]);
        if (rango == std::string_view::npos || seme == std::string_view::npos) return {};
        return DaPosizione(static_cast<int>(seme * 10 + rango + 1));
    }

    constexpr int Posizione() const { return posizione_; }
    constexpr bool Vuota() const { return posizione_ == 0; }
    constexpr explicit operator bool() const { return posizione_ != 0; }
    // The suit letter, '\0' for no card.
    constexpr char Seme() const { return kTabSemi[posizione_]; }
    // 2, 4, 5, 6, 7, 8, 12, 16, 40, 44 by rank; 0 for no card.
    constexpr int Valore() const { return kTabValori[posizione_]; }
    // 0 below Valore 8, otherwise Valore / 4.
    constexpr int Punti() const { return kTabValori[posizione_] < 8 ? 0 : kTabValori[posizione_] / 4; }
    // Rank 0..9 in kLettereRango order (the 2 to the ace), suit 0..3 in kSemi order: the card's
    // place within its suit's block of ten and that block. Both -1 for no card.
    constexpr int IndiceRango() const { return posizione_ == 0 ? -1 : (posizione_ - 1) % 10; }
    constexpr int IndiceSeme() const { return posizione_ == 0 ? -1 : (posizione_ - 1) / 10; }
    // The two-letter code, empty for no card.
    constexpr std::string_view Codice() const {
        return posizione_ == 0 ? std::string_view{} : kCodici.substr(static_cast<std::size_t>(posizione_ - 1) * 2, 2);
    }

    friend constexpr bool operator==(CartaDaGioco, CartaDaGioco) = default;
    friend constexpr auto operator<=>(CartaDaGioco, CartaDaGioco) = default;

private:
    static constexpr std::string_view kCodici =
        "2d4d5d6d7dFdCdRd3dAd2s4s5s6s7sFsCsRs3sAs2c4c5c6c7cFcCcRc3cAc2b4b5b6b7bFbCbRb3bAb";
    static constexpr std::array<int, 10> kValoriRango = {2, 4, 5, 6, 7, 8, 12, 16, 40, 44};
    static constexpr std::array<std::uint8_t, 41> kTabValori = [] {
        std::array<std::uint8_t, 41> t{};
        for (int p = 1; p <= 40; ++p) t[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(kValoriRango[static_cast<std::size_t>((p - 1) % 10)]);
        return t;
    }();
    static constexpr std::array<char, 41> kTabSemi = [] {
        std::array<char, 41> t{};
        for (int p = 1; p <= 40; ++p) t[static_cast<std::size_t>(p)] = kSemi[static_cast<std::size_t>((p - 1) / 10)];
        return t;
    }();

    std::uint8_t posizione_ = 0;
};

static_assert(sizeof(CartaDaGioco) == 1);

// Index 0..3 of a suit letter in kSemi, -1 for anything else.
constexpr int IndiceDelSeme(char seme) {
    const auto i = kSemi.find(seme);
    return i == std::string_view::npos ? -1 : static_cast<int>(i);
}

// Prints the code, "-" for no card (test messages).
std::ostream& operator<<(std::ostream& os, CartaDaGioco carta);

// Valore of a rank letter (2, 4, 5, 6, 7, 8, 12, 16, 40, 44), 0 for anything else.
int ValoreDelRango(char rango);
// Valore of a card code, 0 when the code is not a card.
int ValoreDiCarta(std::string_view codice);
char SemeDiCarta(std::string_view codice);
bool CodiceValido(std::string_view codice);
// Points of a Valore: 0 below 8, otherwise Valore / 4.
constexpr int PuntiDelValore(int valore) { return valore < 8 ? 0 : valore / 4; }
int PuntiDiCarta(std::string_view codice);

// The fixed deck, positions 1..40: "2d".."Ad", "2s".."As", "2c".."Ac", "2b".."Ab".
const Da1<std::string, 40>& MazzoOrdinato();
// Position 1..40 of a card code in the fixed deck, 0 when it is not a card.
int PosizioneNelMazzo(std::string_view codice);
// Three hand slots from their codes, as positions are written by hand (tests, benchmarks); an
// empty or unknown code leaves its slot empty.
constexpr std::array<CartaDaGioco, 3> ManoDaCodici(const std::array<std::string_view, 3>& codici) {
    return {CartaDaGioco::DaCodice(codici[0]), CartaDaGioco::DaCodice(codici[1]), CartaDaGioco::DaCodice(codici[2])};
}

struct EsitoPresa {
    Chi vincitore;
    int punti;
};

// Who takes a trick and what it is worth. `leader` is who led it (TurnoDiGioco). The tests run in
// this order: computer's card not briscola (different suits: leader wins; same suit: higher
// Valore wins, the human on equal); human's card briscola wins; both briscola compare Valori.
constexpr EsitoPresa DecidiPresa(Chi leader, char semePC, int valorePC, char semeH, int valoreH, char semeBriscola) {
    auto confronta = [&] { return valorePC <= valoreH ? Chi::H : Chi::PC; };
    Chi vincitore;
    if (semePC != semeBriscola) {
        if (semeH != semeBriscola)
            vincitore = semePC != semeH ? leader : confronta();
        else
            vincitore = Chi::H;
    } else {
        vincitore = semeH != semeBriscola ? Chi::PC : confronta();
    }
    return {vincitore, PuntiDelValore(valorePC) + PuntiDelValore(valoreH)};
}

constexpr EsitoPresa DecidiPresa(Chi leader, CartaDaGioco pc, CartaDaGioco h, char semeBriscola) {
    return DecidiPresa(leader, pc.Seme(), pc.Valore(), h.Seme(), h.Valore(), semeBriscola);
}

const char* TestoDi(Chi chi);  // "H", "PC" or "Nessuno"

}  // namespace mrvelto
