#pragma once
// Draws the rules box in the left column (under the left panels, which cover it when open) with
// its page, the author's picture on page 5 and the link lblContinuaregole; maps the link's click.
#include <QPoint>
#include <QRect>

#include "screens/PagineRegole.h"

class QPainter;

namespace mrvelto {

class CornicePrincipale;
struct ColoriPannelli;

namespace geometria {
// Below the tune's title, left of the right panels' place (2925), above the command menu.
inline const QRect kRiquadroRegole{150, 2380, kLarghezzaRegole, kAltezzaRegole};
}  // namespace geometria

// Whether the box is in view: a left panel open hides it.
bool RegoleVisibili(const CornicePrincipale& c);
void DisegnaRegole(QPainter& p, const CornicePrincipale& c, const ColoriPannelli& colori);
// A click on the link turns the page; true if the click was on it.
bool ClickRegole(CornicePrincipale& c, QPoint twip);

}  // namespace mrvelto
