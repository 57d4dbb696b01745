// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour values in the 0xBBGGRR order the game stores them in. Several tables use a colour
// beside a text as a flag, so these values are state, not just paint.
#include <cstdint>

namespace mrvelto {

using Colore = std::uint32_t;

namespace colore {
inline constexpr Colore Nero = 0x000000;
inline constexpr Colore Rosso = 0x0000FF;        // 255: drawn / taken by the human / played by the computer
inline constexpr Colore Blu = 0xFF0000;          // text of a played card
inline constexpr Colore Bianco = 0xFFFFFF;
inline constexpr Colore Verde = 0x00FF00;
inline constexpr Colore Giallo = 0x00FFFF;       // briscola positions in PreseVirtuali
inline constexpr Colore GialloChiaro = 0x80FFFF; // a briscola in the data panel's cells
inline constexpr Colore RosaUmano = 0x8080FF;    // played by the human
}  // namespace colore

constexpr Colore rgb(int r, int g, int b) {
    return static_cast<Colore>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}
constexpr int rosso(Colore c) { return static_cast<int>(c & 0xFF); }
constexpr int verde(Colore c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blu(Colore c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace mrvelto
