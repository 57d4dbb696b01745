#pragma once
// Where the front end places the labels and buttons that the core describes without a position.
// All in twips, like the core's card positions.
#include <QRect>

namespace mrvelto::geometria {

inline constexpr int kLarghezzaTavolo = 12000;
inline constexpr int kAltezzaTavolo = 9500;

inline const QRect kNomePC{300, 600, 2800, 450};
inline const QRect kPuntiPCScritta{300, 1150, 1300, 400};
inline const QRect kPuntiPC{1600, 1150, 1500, 400};
inline const QRect kNomeH{300, 7300, 2800, 450};
inline const QRect kPuntiHScritta{300, 7850, 1300, 400};
inline const QRect kPuntiH{1600, 7850, 1500, 400};
// Won-game markers: one column per game the match needs; the computer's row above the human's.
inline QRect PallinoPC(int i) { return {300 + (i - 1) * 540, 1750, 380, 380}; }
inline QRect PallinoH(int i) { return {300 + (i - 1) * 540, 6700, 380, 380}; }
inline const QRect kCarteRimasteScritta{9000, 7000, 2200, 400};
inline const QRect kCarteRimaste{11050, 7000, 800, 400};
inline const QRect kPresa{9135, 7600, 1560, 520};
inline const QRect kIstruzione{3420, 9100, 5200, 350};
inline constexpr int kLarghezzaFineGioco = 5160;
inline constexpr int kAltezzaFineGioco = 3000;
inline QRect PulsanteFineGioco(int left, int top) { return {left + 1680, top + 2360, 1800, 480}; }

}  // namespace mrvelto::geometria
