// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a slot shows its card: the face picture of the chosen deck, the frame, the back colour and
// pattern, and the colours of the table. The flow and the options panel both call these; they
// write only the presentation state.
#include <array>
#include <string>
#include <string_view>

#include "cards/Carta.h"
#include "game/Opzioni.h"
#include "game/Presentazione.h"

namespace mrvelto {

// The installation folder every picture path starts with (the front end maps it).
inline constexpr std::string_view kPrefissoMedia = "C:\\Programmi\\MrVelto\\";

// A played card lies with its body's top edge here; nothing covers it.
inline constexpr int kTopFilaCentrale = 3150;
inline bool InFilaCentrale(const SlotGrafico& s) { return s.cornice.top == kTopFilaCentrale; }

struct MotivoNominato {
    opz::Motivo motivo;
    std::string_view file;  // under Grafica\, cut to eight characters; "" for "Nessuno"
};
// The 13 patterns in the order of the random choice ("Nessuno" first).
const std::array<MotivoNominato, 13>& TabellaMotivi();

// The picture of a pattern as a full installation path, "" for "Nessuno". The paths are built
// once: a slot shows a new picture at every deal, draw and play.
const std::string& FileMotivo(opz::Motivo motivo);
// The face picture of `codice` in deck style `stile`: Napoleta\<c>1.jpg, Piacenti\<c>2.jpg or,
// for the optional deck, Opzional\<c>3.jpg; "" for a code outside the 40.
const std::string& FileFaccia(opz::Mazzo stile, std::string_view codice);
const std::string& FileFaccia(opz::Mazzo stile, CartaDaGioco carta);

// Face-up fill: white. Any other fill shows the back.
inline bool Bianco(const SlotGrafico& s) { return s.riempimento == colore::Bianco; }

// Shows the face of slot k if it holds a card and is white; sets its frame by the deck style.
void VisualizzaCarte(int k, CartaDaGioco carta, const Opzioni& opzioni, Presentazione& vista);
// Covers slot k with the back colour and pattern, unless it lies in the middle row or the
// computer's cards are shown (then only the stock is covered).
void MotivoRetro(int k, const Opzioni& opzioni, Presentazione& vista);
// Option 4 on the stock, on the computer's covered hand and on the won-game dots.
void ColoraRetroCarte(const Opzioni& opzioni, Presentazione& vista);
// Option 1 on the window and its panels.
void ColoraTavolo(const Opzioni& opzioni, Presentazione& vista);

}  // namespace mrvelto
