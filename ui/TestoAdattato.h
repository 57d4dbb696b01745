// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text that must fit its box: the game's messages, captions and names are fixed or typed by the
// player, and some are longer than the place the table has for them. Nothing is drawn smaller than
// a person reads at a glance; what still does not fit is cut with an ellipsis and keeps its whole
// text for a tooltip.
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace mrvelto {

// The smallest type on the table: 11 pixels at its smallest scale (15 twips a pixel).
inline constexpr int kCarattereMinimo = 165;

struct TestoTagliato {
    QRect r;        // painter units
    QString testo;  // the whole text
};
// Where the frame being painted leaves its cut texts (nullptr: nowhere).
std::vector<TestoTagliato>*& TestiTagliati();

// Draws `testo` in `r`, word-wrapped unless `unaRiga`. If it does not fit at the painter's size,
// the font gets smaller step by step down to `minimo` (painter units); if it still does not fit,
// the text is cut with an ellipsis and registered in TestiTagliati(). The painter's font is left as
// it was; returns the pixel size used.
int TestoAdattato(QPainter& p, const QRect& r, int allineamento, const QString& testo, int minimo = kCarattereMinimo, bool unaRiga = false);

}  // namespace mrvelto
