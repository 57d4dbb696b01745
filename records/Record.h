// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records kept between runs: the ranking of the ten best players (MVeClass.txt, with the
// computer's results per level), the match log LstAlbo (MVeAlbo.txt) and the number of matches
// logged (MVePart.txt).
#include <string>
#include <string_view>
#include <vector>

#include "cards/Indici.h"

namespace mrvelto {

inline constexpr int kRigheClassifica = 10;
inline constexpr int kLivelli = 5;  // A..E
inline constexpr int kRigheFileClassifica = 7 * kRigheClassifica + 2 * kLivelli;  // 80
// The log keeps at most this many matches; beyond it the oldest entries make room.
inline constexpr int kMassimoAlbo = 32768;
// The largest count the ranking holds; a count stops there rather than become one the reader refuses.
inline constexpr int kMassimoConteggio = 1000000;
// The largest number a log entry carries; numbering goes on past the entries the log can hold.
inline constexpr int kMassimoNumeroVoce = 999999999;
inline constexpr std::string_view kNomeMrVelto = "Mr. VELTO";

inline constexpr std::string_view kFileClassifica = "C:\\Programmi\\MrVelto\\Dati\\MVeClass.txt";
inline constexpr std::string_view kFileAlbo = "C:\\Programmi\\MrVelto\\Dati\\MVeAlbo.txt";
inline constexpr std::string_view kFilePartite = "C:\\Programmi\\MrVelto\\Dati\\MVePart.txt";

// One ranking row. A row without a name is empty: its counts are 0 and its labels hidden.
struct RigaClassifica {
    std::string NomeVincitore;
    int NumeroPartiteVinte = 0;   // "V"
    int NumeroPartitePerse = 0;   // "P"
    std::string DataPartitaVinta; // "Ultima Data", d/m/yy: the last match won (none yet: empty)
    bool PosizioneVisibile = false;  // lblPosizioneClassifica(i)
    bool VinteVisibile = false;      // lblNumeroPartiteVinte(i)
    bool PerseVisibile = false;      // lblNumeroPartitePerse(i)

    bool Vuota() const { return NomeVincitore.empty(); }
    bool operator==(const RigaClassifica&) const = default;
};

struct Record {
    Record();
    Da1<RigaClassifica, kRigheClassifica> Classifica;
    Da1<int, kLivelli> VittoriePCVariLivelli;   // matches the computer won at level A..E
    Da1<int, kLivelli> SconfittePCVariLivelli;  // and lost
    // The list box: the entries of the matches logged, then one empty entry (as the file holds it).
    std::vector<std::string> LstAlbo;
    int TotalePartite = 0;

    // The entries before the first empty one: the matches logged.
    int VociAlbo() const;
    bool operator==(const Record&) const = default;
};

// The three files' bytes, as SalvaRecord writes them (CR LF, Windows-1252).
struct FileRecord {
    std::string classifica;  // MVeClass.txt, 80 lines
    std::string albo;        // MVeAlbo.txt, n + 1 lines
    std::string partite;     // MVePart.txt, n
};

// Writes the three files' bytes; `r.TotalePartite` becomes n, the entries logged.
FileRecord ScriviRecord(Record& r);

// What reading found, file by file: intact, or what was wrong.
struct EsitoLetturaRecord {
    bool classificaIntegra = true;
    bool alboIntegro = true;
    bool partiteIntegro = true;
    bool totaleCorretto = false;  // MVePart.txt did not match the log; the log was counted instead
    bool Integro() const { return classificaIntegra && alboIntegro && partiteIntegro && !totaleCorretto; }
};

// Whether a log entry has the shape AggiornaClassifica gives it.
bool FormaVoceAlbo(std::string_view voce);

// Reads what each file holds into `r` (files given as bytes; an absent file is nullptr and keeps
// the initial values without complaint). Nothing of a file is kept when any row, count or entry of it
// fails: a file is taken whole or not at all, so that a damaged or foreign file (a text without
// quotes, a log line without the entry's shape, a ranking row without its fields) brings no junk
// in; it keeps the initial values. The log ends at its closing empty entry; when MVePart.txt
// disagrees with the number of entries (a file lost or cut), the entries win.
EsitoLetturaRecord LeggiRecordDa(const std::string* classifica, const std::string* albo, const std::string* partite, Record& r);

}  // namespace mrvelto
