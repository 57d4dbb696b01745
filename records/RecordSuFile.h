// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records subsystem as the game flow sees it (RecordPartite): the ranking, the per-level
// results and the match log, read from and written to the three files under Dati\.
//
//   RecordSuFile record(radici, avvisi);
//   record.LeggiRecord(adesso);          // main window start-up, step 10
//   tavolo.ImpostaRecord(&record);       // end of a match: AggiornaClassifica, then SalvaRecord
//   record.PuntiPC_Click();              // the click on the computer's points display saves them
//
// More than one window may run on the same folder: each save re-reads the files under the
// folder's lock and adds this window's matches not yet saved to what it finds, so that no
// window's matches are lost.
#include <filesystem>
#include <optional>
#include <vector>

#include "game/DataOra.h"
#include "game/PortaRecord.h"
#include "records/Avvisi.h"
#include "records/BloccoCartella.h"
#include "records/Percorsi.h"
#include "records/Record.h"

namespace mrvelto {

inline constexpr std::size_t kMassimoFileClassifica = 64 * 1024;
inline constexpr std::size_t kMassimoFileAlbo = 16 * 1024 * 1024;
inline constexpr std::size_t kMassimoFilePartite = 4 * 1024;

class RecordSuFile : public RecordPartite {
public:
    RecordSuFile(const Radici& radici, Avvisi& avvisi);

    // Reads the three files and claims the folder for this window. A missing file gives the
    // initial values; a damaged one gives them too (nothing of it is taken), is moved aside under a
    // dated name and reported; one that cannot be read is left where it is, reported, and nothing
    // is written over it. Another window on the same folder is reported.
    void LeggiRecord(const DataOra& adesso);
    // Under the folder's lock: re-reads the files, adds the matches not yet saved and rewrites the
    // three files whole. A failure is reported; the matches stay to be saved by the next call.
    bool Salva();

    void AggiornaClassifica(const EsitoPartita& esito) override;
    void SalvaRecord() override { Salva(); }
    int TotalePartite() const override { return record_.TotalePartite; }

    // The click on the computer's points display PuntiPC.
    void PuntiPC_Click() { Salva(); }

    const Record& Dati() const { return record_; }
    // Bumped by every change of the records, so that the records panel knows when to refresh.
    unsigned Versione() const { return versione_; }
    // Another window held the folder when this one read it.
    bool AltreFinestre() const { return presenza_.altre; }

private:
    // Reads the files into `r`. Sets aside and reports damaged files (dated `adesso`); false with
    // the reason in `illeggibile` when a file is there but cannot be read.
    // `avvisaDisaccordo`: report a ranking that disagrees with the log (start-up only).
    // `ricostruita`: the ranking was rebuilt from the log and is to be written.
    bool Carica(Record& r, const DataOra& adesso, std::string& illeggibile, bool avvisaDisaccordo, bool* ricostruita = nullptr);
    // Writes `r` to the three files through the journal (see GiornaleRecord.h). False, with the
    // reason reported, when the journal could not be written: then nothing changed.
    bool Scrivi(Record& r);

    // A journal left by a save cut short: rolled forward (or reported), its contents returned.
    std::optional<FileRecord> Giornale(const DataOra& adesso);

    std::filesystem::path cartella_, classifica_, albo_, partite_, giornale_;
    Avvisi& avvisi_;
    Record record_;
    std::vector<EsitoPartita> daSalvare_;
    DataOra letturaIniziale_{};
    PresenzaFinestra presenza_;
    unsigned versione_ = 0;
};

}  // namespace mrvelto
