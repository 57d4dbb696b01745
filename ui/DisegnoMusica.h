// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music on the table: the tune's title over the cloth and the winner's flag during the
// ceremony. The flags come from Grafica/ in the media folder when it has them; otherwise they are
// drawn.
#include <QPainter>
#include <filesystem>

#include "audio/Musica.h"

namespace mrvelto {

inline constexpr int kLarghezzaBandiera = 1500;
inline constexpr int kAltezzaBandiera = 1000;
// The title's column, band included: left of the right panels' place (2925) and of the hands.
inline constexpr int kSinistraTitolo = 120;
inline constexpr int kLarghezzaTitolo = 2745;
inline constexpr int kFondoTitolo = 2340;  // above the rules box

// `r` in the painter's units. Chi::H: Italy's tricolour; Chi::PC: the Union Jack.
void DisegnaBandieraDipinta(QPainter& p, const QRectF& r, Chi di);
// The flag's bitmap `file` (relative to `media`) if it reads, else the painted one.
void DisegnaBandiera(QPainter& p, const QRectF& r, Chi di, const std::filesystem::path& media, const char* file);
// Title and flag of `v`, in twips. `titoloCoperto`: a left panel lies over the title's column;
// the title is wider than the panel and would show as a cut-off fragment beside it, so it is
// left out until the panel closes.
void DisegnaMusica(QPainter& p, const VistaMusica& v, const std::filesystem::path& media, QFont font, bool titoloCoperto = false);

}  // namespace mrvelto
