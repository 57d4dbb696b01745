// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the front end places what the core describes without a position: names, scores, the
// stock counter, the take button, the command menu and the sizes of the panels. All in twips,
// like the core's own positions.
#include <QRect>

namespace mrvelto::geometria {

inline constexpr int kLarghezzaTavolo = 12000;
inline constexpr int kAltezzaTavolo = 9500;

// The right column: the computer above the briscola, the human below the stock.
inline const QRect kNomePC{9135, 1000, 2700, 450};
inline const QRect kPuntiPCScritta{9135, 1500, 1300, 400};
inline const QRect kPuntiPC{10450, 1500, 1300, 400};
inline const QRect kCarteRimasteScritta{9000, 6700, 2200, 400};
inline const QRect kCarteRimaste{11050, 6700, 800, 400};
inline const QRect kNomeH{9135, 7200, 2700, 450};
inline const QRect kPuntiHScritta{9135, 7700, 1300, 400};
inline const QRect kPuntiH{10450, 7700, 1300, 400};
inline const QRect kPresa{9135, 8350, 1560, 520};
inline const QRect kIstruzione{3420, 9050, 5200, 350};
// The box that frames the won-game dots.
inline const QRect kRiquadroSegnapunti{10380, 270, 1410, 555};

inline constexpr int kLarghezzaFineGioco = 5160;
inline constexpr int kAltezzaFineGioco = 3000;
inline QRect PulsanteFineGioco(int left, int top) { return {left + 1680, top + 2360, 1800, 480}; }
// The frame's links lblApri, lblRivedi, lblSalva (i = 0, 1, 2), one a line above the button.
inline QRect LinkFineGioco(int left, int top, int i) { return {left + 400, top + 1560 + i * 255, kLarghezzaFineGioco - 800, 245}; }

// The review: its buttons in a row under the human's hand, where the opening instruction sits in
// play; the trick in words in the free column between the middle row and the briscola.
inline constexpr int kPulsantiAnalisi = 5;
inline QRect PulsanteAnalisi(int i) { return {3420 + i * 1110, 8930, 1050, 440}; }
inline const QRect kDescrizioneAnalisi{7760, 3150, 1340, 2760};

// Command menu: a column at the bottom left, below the left panels.
inline QRect VoceMenu(int k) { return {300, 7150 + (k - 1) * 440, 2400, 420}; }
// The left panels end where the right ones begin (2925): neither covers the other.
inline constexpr int kLarghezzaPannelloSinistro = 2790;
inline constexpr int kAltezzaPannelloSinistro = 6950;
inline constexpr int kLarghezzaPannelloDestro = 6150;
// Down to just above the human's hand.
inline constexpr int kAltezzaPannelloDestro = 6060;
// The match log's box inside the records panel (at the right panels' place).
// The records panel's match log, below the ranking and the results by level: room for five
// entries at once (the wheel scrolls the rest).
inline constexpr int kTopListaAlbo = 4620;
inline QRect ListaAlbo() { return {2925 + 150, 30 + kTopListaAlbo, kLarghezzaPannelloDestro - 300, kAltezzaPannelloDestro - kTopListaAlbo - 100}; }
inline constexpr int kLarghezzaDomandaUscita = 5160;
inline constexpr int kAltezzaDomandaUscita = 1900;
inline QRect RispostaUscita(int left, int top, bool si) { return {left + (si ? 220 : 2640), top + 1150, 2300, 480}; }

}  // namespace mrvelto::geometria
