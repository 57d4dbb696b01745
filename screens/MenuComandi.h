// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command menu lblComandi(1..5) "Partita", "Dati", "Albo", "Opzioni", "Esci" and the side
// panels it opens. An entry's text colour is its state: white closed, green open. Panels 1
// (match) and 0 (data) share the left place and exclude each other; so do 3 (records) and 2
// (options) on the right.
#include <array>
#include <string_view>

#include "cards/Colori.h"
#include "cards/Indici.h"
#include "game/Opzioni.h"
#include "game/PannelloLaterale.h"

namespace mrvelto {

inline constexpr Colore kVoceChiusa = colore::Bianco;
inline constexpr Colore kVoceAperta = colore::Verde;  // 65280

enum VoceComando : int { ComandoPartita = 1, ComandoDati = 2, ComandoAlbo = 3, ComandoOpzioni = 4, ComandoEsci = 5 };
// fraPannello(0..3).
enum IndicePannello : int { PannelloDatiIdx = 0, PannelloPartitaIdx = 1, PannelloOpzioniIdx = 2, PannelloAlboIdx = 3 };

struct Posizione {
    int left = 0;
    int top = 0;
    bool operator==(const Posizione&) const = default;
};

inline constexpr Posizione kPostoPannelloSinistro{110, 30};
inline constexpr Posizione kPostoPannelloDestro{2925, 30};
inline constexpr Posizione kPostoDomandaUscita{3420, 3030};

struct VoceMenu {
    std::string_view testo;
    Colore coloreTesto = kVoceChiusa;
    bool abilitata = true;  // the archive review disables some entries
};

struct StatoPannello {
    bool visibile = false;
    Posizione posizione;
};

// What the caller does beside the menu's own change.
enum class EffettoMenu {
    Nessuno,
    FermaImpazienza,    // a right panel opened: the impatience timer stops
    RiprendiImpazienza, // a right panel closed: restart it if the human is to play (see below)
    ChiediUscita,       // "Esci": show the exit question
};

// Where the keyboard focus goes after a click in the records panel.
enum class Fuoco { Invariato, SetFocusAlbo, ContinuaOIniziaPartita };

class MenuComandi {
public:
    MenuComandi();

    Da1<VoceMenu, 5> lblComandi;
    std::array<StatoPannello, 4> fraPannello;  // by IndicePannello
    PannelloLaterale PannelloVisualizzato = PannelloLaterale::Nessuno;

    // Click on entry k (1..5). A disabled entry does nothing.
    EffettoMenu Click(int k);
    // Start-up: opens the left panel the settings name (nothing for Nessuno).
    void ApriPannelloSalvato(PannelloLaterale p);

    // A click on the log list LstAlbo moves the focus to cmdSetFocusAlbo.
    Fuoco LstAlbo_Click() const { return Fuoco::SetFocusAlbo; }
    // cmdSetFocusAlbo's action: when the end-of-game frame is shown and the opening instruction is
    // not, the records panel closes and the focus goes to the continue button, so that Enter
    // continues the match.
    Fuoco cmdSetFocusAlbo(bool fineGiocoVisibile, bool istruzioneInizialeVisibile);

    bool Aperta(int k) const { return lblComandi[k].coloreTesto == kVoceAperta; }

private:
    void Apri(int k);
    void Chiudi(int k);
};

// Whether closing a right panel restarts the impatience timer: the human is to play, the
// temperament is not "Pacifico" and the talkativeness not "Taciturno".
bool RiprendereImpazienza(bool tocca_a_H, opz::Carattere carattere, opz::Loquacita loquacita);

}  // namespace mrvelto
