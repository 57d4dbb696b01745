// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which comment fits a trick, and which clip of it a draw plays. The groups are named as their
// folders: first character 1 when Mr. VELTO led, 2 when the player did; p when he loses the
// trick, v when he wins it. A group is split into sub-tables by what happened in the trick, each
// with its own clips; a draw 1..K maps onto them mirrored (1, 2, ... n, n ... 2, 1, ...), so that
// every clip comes up equally often.
#include <string>
#include <string_view>

#include "game/StatoGioco.h"

namespace mrvelto {

struct GruppoCommento {
    std::string_view cartella;  // under Commenti/: "1p", "1v", "2p", "2v" (compared by its text)
    int primo;             // number of the sub-table's first clip ("2v07" → 7)
    int clip;              // general clips of the sub-table
    int K;                 // range of the draw
    bool semi;             // two suit clips (2v21..2v28, by suit) join the draw as targets 5 and 6
    bool operator==(const GruppoCommento&) const = default;
};

namespace gruppo {
// Mr. VELTO led and lost: his card trumped; beaten in its suit; his briscola beaten by a higher one.
inline constexpr GruppoCommento k1pTagliata{"1p", 1, 9, 18, false};
inline constexpr GruppoCommento k1pSuperata{"1p", 10, 9, 18, false};
inline constexpr GruppoCommento k1pBriscolaSuperata{"1p", 19, 6, 18, false};
// Mr. VELTO led and won: with a briscola; above the player's card of the suit; the player left the suit.
inline constexpr GruppoCommento k1vBriscola{"1v", 1, 12, 24, false};
inline constexpr GruppoCommento k1vSuperiore{"1v", 13, 12, 24, false};
inline constexpr GruppoCommento k1vAltroSeme{"1v", 25, 6, 24, false};
// The player led and Mr. VELTO lost: his briscola beaten by a higher one; the player trumped; he
// left the suit; he stayed below in the suit.
inline constexpr GruppoCommento k2pBriscolaSuperata{"2p", 1, 6, 24, false};
inline constexpr GruppoCommento k2pTagliata{"2p", 7, 6, 24, false};
inline constexpr GruppoCommento k2pAltroSeme{"2p", 13, 6, 24, false};
inline constexpr GruppoCommento k2pInferiore{"2p", 19, 6, 24, false};
// The player led and Mr. VELTO won: above in the suit, rich (a) or poor (b); with a briscola,
// rich (c) or poor (d).
inline constexpr GruppoCommento k2vA{"2v", 1, 6, 12, false};
inline constexpr GruppoCommento k2vB{"2v", 7, 4, 10, true};
inline constexpr GruppoCommento k2vC{"2v", 11, 6, 12, false};
inline constexpr GruppoCommento k2vD{"2v", 17, 4, 10, true};
}  // namespace gruppo

// The group for the trick on the table: the computer's card in slot NumeroCartaGiocataDaPC, the
// human's in NumeroCartaGiocataDaH, the briscola suit of slot 7, the leader in TurnoDiGioco.
GruppoCommento GruppoDellaPresa(const StatoGioco& s);

// Points at stake: the two strengths, each below 8 counted as 0, over 4.
int PuntiInGioco(int valorePC, int valoreH);

// A draw 1..2n (or any multiple) over n targets, mirrored: 1..n, n..1, 1..n, ...
int Specchio(int estratto, int n);

// The clip file (path under the media folder, forward slashes) that draw `estratto` of `g`
// plays; `seme` picks the suit clips ('d', 's', 'c', 'b').
std::string ClipDelGruppo(const GruppoCommento& g, int estratto, char seme);

}  // namespace mrvelto
