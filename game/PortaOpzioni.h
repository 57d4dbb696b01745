#pragma once
// Seam of the game flow towards the options panel (option locks) and the table colours (random graphic variations at
// a new game). The base class does nothing: until the options panel fills it, no option is locked.
#include "game/ContestoTavolo.h"

namespace mrvelto {

class BlocchiOpzioni {
public:
    virtual ~BlocchiOpzioni() = default;
    virtual void Collega(ContestoTavolo& ctx) { (void)ctx; }

    // ImgCarta_Click step 2: lock (text colour 0x8080FF) entry 15 while a game is in progress and
    // entries 12 and 16 while a match is in progress.
    virtual void BloccaOpzioni(bool giocoInCorso, bool partitaInCorso) {
        (void)giocoInCorso;
        (void)partitaInCorso;
    }
    // AggiornaPartita step 5: between games only the end-of-game option is unlocked; after a match
    // (`partitaFinita`) all options are.
    virtual void SbloccaOpzioni(bool partitaFinita) { (void)partitaFinita; }
    // NuovoGioco step 2: the random colour and pattern variations when option 0 asks for them now
    // (`nuovaPartita`: no match in progress when the game is set up).
    virtual void VariazioniGrafiche(bool nuovaPartita) { (void)nuovaPartita; }
};

}  // namespace mrvelto
