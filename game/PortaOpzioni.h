// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port of the options panel: locks on the options while a game or match runs, and the random
// graphic variations of a new game. The base class does nothing: no option is locked.
namespace mrvelto {

class BlocchiOpzioni {
public:
    virtual ~BlocchiOpzioni() = default;
    // The human's click, step 2: lock entry 15 while a game is in progress and entries 12 and 16
    // while a match is in progress.
    virtual void BloccaOpzioni(bool giocoInCorso, bool partitaInCorso) {
        (void)giocoInCorso;
        (void)partitaInCorso;
    }
    // AggiornaPartita step 5: between games only the end-of-game option is unlocked; after a match
    // (`partitaFinita`) all options are.
    virtual void SbloccaOpzioni(bool partitaFinita) { (void)partitaFinita; }
    // NuovoGioco step 2: the random colour and pattern variations when option 0 asks for them now
    // (`nuovaPartita`: no match in progress when the game is set up). May draw at random.
    virtual void VariazioniGrafiche(bool nuovaPartita) { (void)nuovaPartita; }
};

}  // namespace mrvelto
