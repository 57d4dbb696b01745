// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options panel on screen: its 21 rows in three groups and the two notes, drawn from the
// core's panel; clicks, mouse moves and tooltips over it forwarded to the core.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace mrvelto {

class PannelloOpzioni;

struct ColoriPannelli;

// The panel's rows: where caption n and its value sit inside panel `r` (twips).
QRect RigaDidascalia(const QRect& r, int n);
QRect RigaValore(const QRect& r, int n);

void DisegnaPannelloOpzioni(QPainter& p, const QRect& r, const PannelloOpzioni& pannello, const ColoriPannelli& colori);

// What lies under `t` (twips) in panel `r`.
struct SottoIlMouse {
    int didascalia = -1;  // caption n, or -1
    int valore = -1;      // value n, or -1
};
SottoIlMouse CosaCeSotto(const QRect& r, QPoint t);

// The tooltip of option n, in Italian, as rich text: Qt wraps only rich-text tooltips, and a plain
// one ran off both sides of the window.
QString SuggerimentoOpzione(int n);

}  // namespace mrvelto
