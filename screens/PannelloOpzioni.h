// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options panel "Opzioni di Mr. VELTO": 21 captions and values in three groups, two notes,
// a click on a light-green caption steps its value round its cycle and applies it at once, a pink
// caption refuses, the mouse over a caption highlights its value. The front end draws Riga(n) and
// forwards clicks and mouse moves; each option also has a longer explanation for its tooltip.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cards/Colori.h"
#include "game/Opzioni.h"
#include "game/Tavolo.h"
#include "records/CarteOpzionali.h"
#include "table/VociOpzioni.h"

namespace mrvelto {

inline constexpr std::string_view kTitoloPannelloOpzioni = "Opzioni di Mr. VELTO";
inline constexpr std::string_view kNotaCiclo =
    "Cliccando più volte sulle scritte di color verde potrai 'ciclare' tra le varie opzioni, fermandoti poi su quella "
    "preferita. Sostando per un attimo col mouse sull'opzione corrispondente ricaverai invece qualche informazione "
    "supplementare.";
inline constexpr std::string_view kNotaBlocchi =
    "Qualche opzione (con la scritta di color rosa) non può essere modificata nel corso di un Gioco (o di una Partita), "
    "ma solo prima del suo svolgimento o dopo la sua conclusione! All'uscita dal Programma tutte le modifiche introdotte "
    "saranno automaticamente memorizzate e riproposte nelle Partite successive.";
inline constexpr int kNessunaOpzione = 21;  // lblOpzioneMouse when the mouse is over no caption

struct GruppoOpzioni {
    std::string_view titolo;
    std::vector<int> opzioni;  // in the order they are listed
};
// "Opzioni Grafiche:", "Opzioni Audio:", "Opzioni di Gioco:" and the options under each.
const std::array<GruppoOpzioni, 3>& GruppiOpzioni();

// What a click makes of `valore`: the next value of option n's cycle, the first after the last. A
// value outside the cycle stays, but for "Stile Carte:", which goes back to "Napoletane". The
// optional deck's name (when installed, else "") ends the deck cycle.
std::string ValoreSuccessivo(int n, std::string_view valore, std::string_view nomeCarteOpzionali);

// What the mouse resting on option n explains.
std::string_view SpiegazioneOpzione(int n);

struct RigaOpzione {
    std::string didascalia;   // lblVoce(n)
    Colore coloreDidascalia;  // light green or pink
    std::string valore;       // Opzione[n]
    bool evidenziato;         // the value's opaque background
};

class PannelloOpzioni {
public:
    PannelloOpzioni(Tavolo& tavolo, VociOpzioni& voci, const CarteOpzionali& opzionali);

    RigaOpzione Riga(int n) const;
    int lblOpzioneMouse() const { return mouse_; }

    // Click on caption n: refused while pink; else the next value, applied at once. True if it changed.
    bool lblVoce_Click(int n);
    // The mouse over caption n: its value highlighted (when the caption is light green).
    void lblVoce_MouseMove(int n);
    // The mouse over any value: no highlight.
    void Opzione_MouseMove();

private:
    Tavolo& tavolo_;
    VociOpzioni& voci_;
    const CarteOpzionali& opzionali_;
    std::array<bool, kNumeroOpzioni> evidenziato_{};
    int mouse_ = kNessunaOpzione;
};

}  // namespace mrvelto
