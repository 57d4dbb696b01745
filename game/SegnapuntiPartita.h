// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The match display: a row of dots for each side (shpPuntiPC(1..5) above, shpPuntiH(1..5) below),
// one dot per game won, in a box closed by the strokes ShpLineaV(1) and ShpLineaV(5). The games
// a match needs (3, 4 or 5) set how many dot columns there are and where the inner strokes
// ShpLineaV(2..4) stand. Positions in twips.
//
// The first and the last column stay put and the columns in between spread evenly, so that the
// display keeps its width whatever the length of the match. Inner strokes stand midway between
// columns: with 4 columns all three are needed; with 3 the middle one (ShpLineaV(3)) would fall on
// a dot and is hidden; with 5 only the two beside the middle column are drawn, so that the
// decisive third dot stands framed. The two rows always share each column's left.
#include "cards/Indici.h"

namespace mrvelto {

struct SegnapuntiPartita {
    Da1<float, 5> SinistraPuntiPC;
    Da1<float, 5> SinistraPuntiH;
    Da1<float, 5> SinistraLineaV;
    Da1<bool, 5> LineaVVisibile;
    bool operator==(const SegnapuntiPartita&) const = default;
};

inline constexpr float kLatoPunto = 165;       // width and height of a dot
inline constexpr float kAltoPuntiPC = 330;     // top of the computer's row
inline constexpr float kAltoPuntiH = 630;      // top of the human's row
inline constexpr float kLarghezzaLineaV = 15;
inline constexpr float kAltoLineaV = 270;      // strokes run from here...
inline constexpr float kAltezzaLineaV = 555;   // ...this far down, across both rows

// The layout for a match of `giochi` won games (3, 4 or 5; anything else counts as 4).
SegnapuntiPartita DisposizioneSegnapunti(int giochi);

}  // namespace mrvelto
