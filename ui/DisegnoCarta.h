#pragma once
// Draws a card: its face (until the decks' pictures exist, a white card with its rank and a
// drawn suit mark) or its back in a colour.
#include <QColor>
#include <QRectF>
#include <string_view>

class QPainter;

namespace mrvelto {

void DisegnaFaccia(QPainter& p, const QRectF& r, std::string_view codice, bool cornice);
void DisegnaRetro(QPainter& p, const QRectF& r, const QColor& colore);
// The suit mark alone, centred in `r`: denari a coin, spade a sword, coppe a cup, bastoni a club.
void DisegnaSeme(QPainter& p, const QRectF& r, char seme);

}  // namespace mrvelto
