// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the review (mode Analisi) on the table: the hands, the briscola and the stock of the trick
// reached, the two cards of that trick with the taker's marked, the trick in words and the review's
// buttons; and, in play, the end-of-game frame's three links. Clicks are mapped back here too.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <array>
#include <functional>

class QPainter;

namespace mrvelto {

class CacheImmagini;
class Programma;

// One review button: where it is drawn, whether it is shown and enabled, and what it does.
struct PulsanteAnalisiQt {
    const char* testo;
    bool visibile;
    bool abilitato;
    std::function<void()> azione;
};

// The review's buttons in their row order (geometria::PulsanteAnalisi(i)).
std::array<PulsanteAnalisiQt, 5> PulsantiDellAnalisi(Programma& programma);

// `coperto` tells a card's body (twips) that an open panel or frame would half cover: it is left out.
void DisegnaAnalisi(QPainter& p, Programma& programma, CacheImmagini& immagini, const QFont& base,
                    const std::function<bool(const QRect&)>& coperto = {});
// The links lblApri, lblRivedi, lblSalva inside the end-of-game frame (only in play).
void DisegnaLinkFineGioco(QPainter& p, const Programma& programma, const QFont& base);

// A click at `twip` on a review button or on a link: runs it and returns true.
bool ClickAnalisi(Programma& programma, QPoint twip);

}  // namespace mrvelto
