// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game state of the flow: the card slots, the two decks,
// the counters, the turn and the game and match flags. Each field starts at its initial value.
#include "cards/Carta.h"
#include "cards/Mazzo.h"

namespace mrvelto {

// A card with the side that played it.
struct CartaDiChi {
    CartaDaGioco carta;
    Chi chi = Chi::Nessuno;
    friend bool operator==(const CartaDiChi&, const CartaDiChi&) = default;
};

struct StatoGioco : Mazzo, SlotCarte {
    // Cards left in the stock (briscola included) while positive; from 0 on, counts the plays of
    // the last three tricks down to -6, which ends the game.
    int NumeroCarteRimaste = 34;
    int ContatoreCarteEstratte = 8;      // slot receiving the next drawn card
    int ContatoreDistribuisciCarte = 1;  // step of the deal, 1..8
    int Manche = 1;                      // trick number within the game
    int NumeroGioco = 1;                 // game number within the match
    int PuntiH = 0;
    int PuntiPC = 0;
    int PartiteH = 0;
    int PartitePC = 0;

    Chi GiocoIniziatoDa = Chi::H;  // leads the first trick of this game; alternates
    Chi TurnoDiGioco = Chi::H;     // leads the current trick
    Chi AChiTocca = Chi::H;        // to play now; Nessuno while a trick is being taken
    bool PuoiGiocare = false;      // the human may play now
    int NumeroCartaGiocataDaH = 0;   // 4..6, 0 when none
    int NumeroCartaGiocataDaPC = 0;  // 1..3, 0 when none
    int CartaPCDaGiocare = 0;        // 1..3, the computer's card to play at its move
    CartaDiChi CartaGiocata;         // the card just played, and by whom
    int UltimaCartaGiocata = 4;      // Valore of the card just played
    Chi Vincitore = Chi::Nessuno;    // who passed 60 points
    Chi UltimoVincitore = Chi::Nessuno;

    bool GiocoInCorso = false;
    bool PartitaInCorso = false;
    bool Sbirciata = false;  // the computer's cards were shown face up during this match
    bool CommentoIniziale = false;
    bool EtichettaAperturaGioco = false;
    bool InterdiciSuoni = false;

    // The briscola suit of a position given without its face-up card (positions built from plain
    // terms); a game always has the card in its slot.
    char SemeSenzaCarta = '\0';

    char SemeBriscola() const { return Carta[kSlotBriscola] ? Carta[kSlotBriscola].Seme() : SemeSenzaCarta; }
};

}  // namespace mrvelto
