// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Presentation state of the main window's table, kept in the core: whatever the behaviour writes
// to a widget or reads back from one. The front end only draws it. Positions are in twips
// (15 twips = 1 pixel at 100 %), left and top of the widget within the window's client area.
#include <string>

#include "cards/Colori.h"
#include "cards/Indici.h"

namespace mrvelto {

inline constexpr int kTwipsPerPixel = 15;

// Sizes: the frame ShpCarta is the card's body, the image ImgCarta sits 180 inside it.
inline constexpr int kLarghezzaCornice = 1560;
inline constexpr int kAltezzaCornice = 2760;
inline constexpr int kLarghezzaImmagine = 1185;
inline constexpr int kAltezzaImmagine = 2415;
inline constexpr int kScartoCornice = 180;  // the frame is drawn 180 left of and above the image

struct Punto {
    int left = 0;
    int top = 0;
    bool operator==(const Punto&) const = default;
};

// One card slot's widgets: image ImgCarta(k) and frame ShpCarta(k).
struct SlotGrafico {
    Punto immagine;                       // ImgCarta(k) left, top
    Punto cornice;                        // ShpCarta(k) left, top
    bool visibile = false;                // image and frame together
    bool scoperta = false;                // true: the face of Carta[k]; false: the back
    Colore riempimento = colore::Bianco;  // fill of ShpCarta(k): white face up, the back colour otherwise
    bool bordo = false;                   // ImgCarta(k) drawn with a one-line border
    std::string figura;                   // ImgCarta(k)'s picture, an installation path; "" = none
    void Sposta(Punto img) {
        immagine = img;
        cornice = {img.left - kScartoCornice, img.top - kScartoCornice};
    }
};

// A label, caption or button: its text, whether it is shown, whether it is highlighted (the
// opaque background of the names H and PC), whether it is enabled (buttons).
struct Etichetta {
    std::string testo;
    bool visibile = true;
    bool evidenziata = false;
    bool abilitata = true;
};

// The end-of-game frame fraFineGioco with its two messages and its button.
struct FrameFineGioco {
    bool visibile = false;
    Punto posizione{3420, 3030};
    std::string messaggio1;
    std::string messaggio2;
    Etichetta cmdContinuaOIniziaPartita{"Continua", true, false, false};
};

// Hand and table places, image positions.
inline constexpr Punto PosizioneDiManoDelloSlot(int k) {
    if (k == 7) return {9315, 2655};
    if (k == 8) return {9315, 4005};
    const int colonna = (k - 1) % 3;  // slots 1,4 -> 0; 2,5 -> 1; 3,6 -> 2
    return {3600 + 1800 * colonna, k <= 3 ? 360 : 6300};
}
inline constexpr Punto kPostoInTavolaPC{4500, 3330};
inline constexpr Punto kPostoInTavolaH{6300, 3330};

struct Presentazione {
    Presentazione();

    Da1<SlotGrafico, 8> Slot;  // the eight card slots

    Etichetta NomeH;           // label H: the human's name; evidenziata = to move / took last
    Etichetta NomePC;          // label PC: "Mr. VELTO A".."Mr. VELTO E"
    Etichetta PuntiH;          // the scores, shown by "Visualizzazione Punteggio:"
    Etichetta PuntiPC;
    Etichetta PuntiHScritta;   // their captions
    Etichetta PuntiPCScritta;
    Etichetta CarteRimaste;         // the stock counter (NumeroCarteRimaste)
    Etichetta CarteRimasteScritta;  // its caption "Carte rimaste:"
    Etichetta cmdEffettuaLaPresa;   // the take button (shown when "Presa automatica:" is "No")

    // The won-game markers shpPuntiH(1..5) and shpPuntiPC(1..5): shown ones count the games won in
    // the match. NumeroColonnePallini: how many columns the match needs (3, 4 or 5).
    Da1<bool, 5> PallinoH;
    Da1<bool, 5> PallinoPC;
    int NumeroColonnePallini = 4;

    FrameFineGioco FineGioco;             // fraFineGioco
    bool EsciVisibile = false;            // fraEsci, the exit question (refuses card clicks)
    Etichetta IstruzioneIniziale;         // lblIstruzioneIniziale, hidden at the first move
    Colore ColoreTavolo = rgb(169, 88, 65);  // window and panels ("Colore Tavolo e Pannelli:")
    Colore ColoreRetro = rgb(125, 95, 66);  // the back colour: fill of a covered slot and the dots
    int BordoCarteOpzionali = 0;          // the optional deck's faces get a border when not 0
};

}  // namespace mrvelto
