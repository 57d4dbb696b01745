// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options' lock colours and the random graphic variations: the options panel's captions
// lblVoce(0..20) as the flow sees them. A caption's text colour is its lock flag, and the
// caption of option 0 doubles as the flag that alternates the random colour between the table
// and the card backs.
#include <array>
#include <string>

#include "cards/Caso.h"
#include "cards/Colori.h"
#include "game/Opzioni.h"
#include "game/PortaOpzioni.h"
#include "game/Tavolo.h"

namespace mrvelto {

inline constexpr Colore kVoceLibera = rgb(192, 255, 192);    // light green: may be changed now
inline constexpr Colore kVoceBloccata = rgb(255, 128, 128);  // pink: locked until the game or match ends
inline constexpr std::string_view kVoce0ConDuePunti = "Variazioni grafiche casuali:";
inline constexpr std::string_view kVoce0SenzaDuePunti = "Variazioni grafiche casuali";

class VociOpzioni : public BlocchiOpzioni {
public:
    // Plugs itself into the table's port; both must outlive this object's use by the table.
    VociOpzioni(Tavolo& tavolo, FonteCasuale& caso);
    ~VociOpzioni() override;
    VociOpzioni(const VociOpzioni&) = delete;
    VociOpzioni& operator=(const VociOpzioni&) = delete;

    // lblVoce(n): its caption and text colour.
    std::string Didascalia(int n) const;
    Colore ColoreVoce(int n) const { return colori_.at(static_cast<std::size_t>(n)); }
    bool Libera(int n) const { return ColoreVoce(n) == kVoceLibera; }

    void BloccaOpzioni(bool giocoInCorso, bool partitaInCorso) override;
    void SbloccaOpzioni(bool partitaFinita) override;
    void VariazioniGrafiche(bool nuovaPartita) override;

    // Option 1 or 4, alternately, becomes a random colour name.
    void ScegliColoreCasuale();
    // Option 5 becomes a random pattern name.
    void ScegliMotivoCasuale();
    // Table colour, back colour and pattern at random, each applied: the pair of colour draws
    // leaves the alternation flag as it found it.
    void Varia();
    // The window's start-up: random variations when option 0 asks for them, else the stored colours.
    void ColoriAllAvvio(bool casuali);

private:
    Tavolo& tavolo_;
    FonteCasuale& caso_;
    std::array<Colore, kNumeroOpzioni> colori_;
    std::string voce0_{kVoce0ConDuePunti};
};

}  // namespace mrvelto
