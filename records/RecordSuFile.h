#pragma once
// The records subsystem as the game flow sees it (RecordPartite): the ranking, the per-level
// results and the match log, read from and written to the three files under Dati\.
//
//   RecordSuFile record(radici, avvisi);
//   record.LeggiRecord(adesso);          // main window start-up, step 10
//   tavolo.ImpostaRecord(&record);       // end of a match: AggiornaClassifica, then SalvaRecord
//   record.PuntiPC_Click();              // the click on the computer's points display saves them
#include <filesystem>

#include "game/DataOra.h"
#include "records/Avvisi.h"
#include "records/Percorsi.h"
#include "records/Record.h"
#include "game/PortaRecord.h"

namespace mrvelto {

inline constexpr std::size_t kMassimoFileClassifica = 64 * 1024;
inline constexpr std::size_t kMassimoFileAlbo = 16 * 1024 * 1024;
inline constexpr std::size_t kMassimoFilePartite = 4 * 1024;

class RecordSuFile : public RecordPartite {
public:
    RecordSuFile(const Radici& radici, Avvisi& avvisi);

    // Reads the three files. A missing file gives the initial values; a damaged one is read as far
    // as it goes, moved aside under a dated name (before anything can overwrite it) and reported
    // once through the avvisi.
    void LeggiRecord(const DataOra& adesso);
    // Rewrites the three files whole; a failed write is reported once. Returns true on success.
    bool Salva();

    void AggiornaClassifica(const EsitoPartita& esito) override;
    void SalvaRecord() override { Salva(); }
    int TotalePartite() const override { return record_.TotalePartite; }

    // The click on the computer's points display PuntiPC.
    void PuntiPC_Click() { Salva(); }

    const Record& Dati() const { return record_; }
    Record& Dati() { return record_; }
    // Bumped by every change of the records, so that the records panel knows when to refresh.
    unsigned Versione() const { return versione_; }

private:
    std::filesystem::path classifica_, albo_, partite_;
    Avvisi& avvisi_;
    Record record_;
    unsigned versione_ = 0;
};

}  // namespace mrvelto
