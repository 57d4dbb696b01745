// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the rules box in the left column (under the left panels, which cover it when open) with
// its page, the author's picture on page 5 and the link lblContinuaregole; maps the link's click.
#include <QPoint>
#include <QRect>
#include <QString>
#include <algorithm>

#include "screens/PagineRegole.h"

class QPainter;

namespace mrvelto {

class CornicePrincipale;
struct ColoriPannelli;

namespace geometria {
// Below the tune's title, left of the right panels' place (2925), above the command menu.
inline const QRect kRiquadroRegole{150, 2380, kLarghezzaRegole, kAltezzaRegole};
}  // namespace geometria

// Where the page's text is scrolled to: a rules page is longer than the column holds at a
// readable size, and the wheel over the text moves it by lines. A new page starts at its top.
struct ScorrimentoRegole {
    int prima = 0;     // the first line shown
    int righe = 0;     // the page's lines, as last drawn
    int visibili = 0;  // how many the box shows
    QString pagina;    // the text they belong to
    void Scorri(int passi) { prima = std::clamp(prima + passi, 0, std::max(0, righe - visibili)); }
};

// Whether the box is in view: a left panel open hides it.
bool RegoleVisibili(const CornicePrincipale& c);
void DisegnaRegole(QPainter& p, const CornicePrincipale& c, const ColoriPannelli& colori, ScorrimentoRegole& scorrimento);
// The page's text area (twips).
QRect AreaTestoRegole(const CornicePrincipale& c);
// A click on the link turns the page; true if the click was on it.
bool ClickRegole(CornicePrincipale& c, QPoint twip);

}  // namespace mrvelto
