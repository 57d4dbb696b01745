#pragma once
// Text that must fit its box: the game's messages and captions are fixed, and some are longer than
// the place the table has for them.
#include <QRect>
#include <QString>

class QPainter;

namespace mrvelto {

// Draws `testo` in `r`, word-wrapped unless `unaRiga`, with the painter's font made smaller step by
// step (down to `minimo` times its size) until it fits: it may shrink, it is never cut (drawText
// clips what overflows its box). The painter's font is left as it was; returns the pixel size used.
int TestoAdattato(QPainter& p, const QRect& r, int allineamento, const QString& testo, double minimo = 0.6, bool unaRiga = false);

}  // namespace mrvelto
