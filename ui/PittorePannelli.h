// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws what surrounds the table: the command menu, the side panels (match, data, records,
// options), the exit question and the won-game dots, from the core's state.
#include <QColor>
#include <QRect>

class QPainter;

namespace mrvelto {

class CornicePrincipale;
class PannelloOpzioni;
class ScorrimentoLista;
class Tavolo;
struct PannelloDati;

struct ColoriPannelli {
    QColor tavolo;
    QColor pannello;  // panels: the table's colour
    QColor testo;
};

void DisegnaMenu(QPainter& p, const CornicePrincipale& c, const ColoriPannelli& colori);
// `albo` is where the match log is scrolled to; `spiegaDati` shows the data panel's note.
// `sinistro` and `destro`: whether the open left and right panels are in view (a frame opened
// later over one of them hides it whole).
void DisegnaPannelli(QPainter& p, CornicePrincipale& c, const Tavolo& t, const PannelloOpzioni& opzioni, const ColoriPannelli& colori,
                     const ScorrimentoLista& albo, bool spiegaDati, bool sinistro = true, bool destro = true);
// Where the data panel at `pannello` shows cell 14 (the review's "Fine Analisi"): across the
// row after the last trick played.
QRect RettangoloFineAnalisi(const QRect& pannello, const PannelloDati& dati);
// How many log entries the records panel's list box shows at once.
int RigheListaAlbo();
void DisegnaSegnapunti(QPainter& p, CornicePrincipale& c, const Tavolo& t);
void DisegnaDomandaUscita(QPainter& p, const CornicePrincipale& c, const ColoriPannelli& colori);

}  // namespace mrvelto
