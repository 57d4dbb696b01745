// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one seat may know of the table: its own hand, the card the other side led, the briscola,
// the cards it has seen, both scores, the stock and whose lead it is. The other side's hand is
// there only as a privilege the caller grants (Mr. VELTO reads the human's hand while the stock
// lasts); two tables that differ only in cards hidden from a seat give that seat the same view.
#include <array>
#include <optional>

#include "cards/Carta.h"
#include "cards/InsiemeCarte.h"
#include "game/StatoGioco.h"

namespace mrvelto {

struct VistaGiocatore {
    Chi posto = Chi::H;
    std::array<CartaDaGioco, 3> mano{};  // the seat's slots in order (1..3 or 4..6); empty slots stay empty
    CartaDaGioco inTavola;               // the other side's card when it led this trick
    CartaDaGioco briscola;               // the face-up card, remembered after the last draw takes it
    char semeBriscola = '\0';            // its suit, also where a position names the suit alone
    InsiemeCarte giocate;                // every card played in this game, the one on the table included
    int puntiPropri = 0, puntiAvversario = 0;
    int NumeroCarteRimaste = 34;         // as the flow counts it, briscola included
    Chi TurnoDiGioco = Chi::H;           // who leads this trick
    std::optional<std::array<CartaDaGioco, 3>> manoAvversario;  // the privilege, in slot order

    bool Inizia() const { return TurnoDiGioco == posto; }
    char SemeBriscola() const { return semeBriscola ? semeBriscola : briscola.Seme(); }
    // Own hand, the cards played and the face-up briscola.
    InsiemeCarte Viste() const {
        InsiemeCarte v = giocate;
        for (CartaDaGioco c : mano) v.Aggiungi(c);
        v.Aggiungi(briscola);
        return v;
    }
    // The cards this seat cannot place: the other side's hand and the covered stock (the briscola,
    // once drawn by the other side, is known to be in its hand).
    InsiemeCarte Nascoste() const { return InsiemeCarte::Tutte().Senza(Viste()); }
    // The briscola card known to be in the other side's hand.
    bool BriscolaAllAvversario() const {
        if (NumeroCarteRimaste > 0 || giocate.Contiene(briscola)) return false;
        for (CartaDaGioco c : mano)
            if (c == briscola) return false;
        return true;
    }
    friend bool operator==(const VistaGiocatore&, const VistaGiocatore&) = default;
};

inline Chi Avversario(Chi c) { return c == Chi::H ? Chi::PC : c == Chi::PC ? Chi::H : Chi::Nessuno; }

// The view of `posto` on the table; `privilegio` adds the other side's hand.
VistaGiocatore VistaDi(const StatoGioco& stato, Chi posto, bool privilegio = false);

// Mr. VELTO's privilege, on whichever seat he sits: he reads the other hand while the stock lasts;
// afterwards every seat can tell the other hand from the cards seen.
inline bool PrivilegioDiVelto(const StatoGioco& stato) { return stato.NumeroCarteRimaste > 0; }

}  // namespace mrvelto
