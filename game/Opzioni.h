// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 21 options, held as their Italian display texts (they are shown and saved as such), with
// their captions, initial values and click cycles, and typed readings of the ones the game uses.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mrvelto {

inline constexpr int kNumeroOpzioni = 21;

enum IndiceOpzione : int {
    OpzVariazioniGrafiche = 0,
    OpzColoreTavolo = 1,
    OpzCambioBrano = 2,
    OpzStileCarte = 3,
    OpzColoreRetro = 4,
    OpzMotivoRetro = 5,
    OpzAnimazione = 6,
    OpzPunteggio = 7,
    OpzFrequenzaMusica = 8,
    OpzRumori = 9,
    OpzLoquacita = 10,
    OpzCarattere = 11,
    OpzAbilita = 12,
    OpzTitoli = 13,
    OpzPresaAutomatica = 14,
    OpzConclusioneGioco = 15,
    OpzConclusionePartita = 16,
    OpzCerimonia = 17,
    OpzMostraCarte = 18,
    OpzVelocitaRisposta = 19,
    OpzAudioAnalisi = 20,
};

std::string_view DidascaliaOpzione(int n);       // "Animazione Carte:" ...
std::string_view ValoreInizialeOpzione(int n);   // "No" ...
// The values a click steps through, in order. Options 1 and 4 list the 24 colour names; option 3
// lists the two built-in decks (the optional deck's name is added by the caller when installed).
std::vector<std::string_view> CicloOpzione(int n);

struct Opzioni {
    Opzioni();
    std::array<std::string, kNumeroOpzioni> Opzione;

    const std::string& operator[](int n) const { return Opzione.at(static_cast<std::size_t>(n)); }
    std::string& operator[](int n) { return Opzione.at(static_cast<std::size_t>(n)); }

    // The playing level letter 'A'..'E' from "Abilità di Mr. Velto:" ('A' for an unknown text).
    char LetteraLivello() const;
    // Interval of TimerAttesaDelPCaMuovere by "Velocità risposta di Mr. Velto:" (500 when unknown).
    int IntervalloRisposta() const;
    // Interval of TimerEffettuaLaPresa by "Presa automatica:": 0 means the take waits for a click.
    int IntervalloPresa() const;
    // Tick of the card animation timers by "Animazione Carte:"; 0 means no animation.
    int IntervalloAnimazione() const;
    // TimerImpazienza by "Carattere di Mr. Velto:"; 0 for "Pacifico" (it never runs).
    int IntervalloImpazienza() const;
    bool FinoUltimaPresa() const { return Opzione[OpzConclusioneGioco] == "Fino all'ultima presa"; }
    // Games needed to win the match: 3, 4 or 5 by "Conclusione della Partita:" (4 when unknown).
    int GiochiPerPartita() const;
    bool MostraCartePC() const { return Opzione[OpzMostraCarte] == "Si"; }
    bool RumoriAttivi() const { return Opzione[OpzRumori] == "Si"; }
};

}  // namespace mrvelto
