// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the records tests: the hand-made sample files beside these tests, a data folder of
// one's own, a match's outcome and one window's records.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "records/Percorsi.h"
#include "records/RecordSuFile.h"
#include "support/FileDiProva.h"

namespace mrvelto::test {

inline std::filesystem::path CartellaCampioni() { return std::filesystem::path(__FILE__).parent_path() / "data"; }

inline std::string Campione(const std::string& nome) {
    const auto p = CartellaCampioni() / nome;
    EXPECT_TRUE(std::filesystem::exists(p)) << p;
    return LeggiByte(p);
}

// A data folder of its own, with the three records files of the hand-made samples on request.
struct CartellaDati {
    CartellaTemporanea dir;
    std::filesystem::path dati = dir() / "Dati";
    Radici radici{"/nessun/media", dir()};
    void Tre() {
        ScriviByte(dati / "MVeClass.txt", Campione("MVeClass-tre.txt"));
        ScriviByte(dati / "MVeAlbo.txt", Campione("MVeAlbo-tre.txt"));
        ScriviByte(dati / "MVePart.txt", Campione("MVePart-tre.txt"));
    }
};

// A match of `nome` against Mr. VELTO, won by `vincitore`, `h` games to `pc`.
inline EsitoPartita Esito(const std::string& nome, Chi vincitore, int h, int pc, char livello, DataOra quando, bool sbirciata = false) {
    return {nome, vincitore == Chi::PC ? "Mr. VELTO" : nome, vincitore, h, pc, "", livello, sbirciata, quando};
}

// Mr. VELTO's matches won and lost, over all levels.
inline int PerLivello(const Record& r) {
    int n = 0;
    for (int k = 1; k <= kLivelli; ++k) n += r.VittoriePCVariLivelli[k] + r.SconfittePCVariLivelli[k];
    return n;
}

// What the player was told and not yet shown, one text a line.
inline std::string Testo(Avvisi& avvisi) {
    std::string t;
    for (const auto& s : avvisi.Prendi()) t += s + "\n";
    return t;
}

// One window's records, read from the folder at `adesso`.
struct Finestra {
    explicit Finestra(const Radici& radici, DataOra adesso = {}) : record(radici, avvisi) { record.LeggiRecord(adesso); }
    Avvisi avvisi;
    RecordSuFile record;
};

}  // namespace mrvelto::test
