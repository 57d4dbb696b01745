#include "records/RecordSuFile.h"

#include <optional>

#include "records/AggiornaClassifica.h"
#include "records/FileDati.h"

namespace mrvelto {

namespace {

struct Letto {
    FileLetto file;
    std::optional<std::string> byte() const {
        if (file.stato == FileLetto::Stato::Letto) return file.byte;
        return std::nullopt;
    }
    bool presente() const { return file.stato != FileLetto::Stato::Mancante; }
};

}  // namespace

RecordSuFile::RecordSuFile(const Radici& radici, Avvisi& avvisi)
    : classifica_(MappaPercorso(kFileClassifica, radici)),
      albo_(MappaPercorso(kFileAlbo, radici)),
      partite_(MappaPercorso(kFilePartite, radici)),
      avvisi_(avvisi) {}

void RecordSuFile::LeggiRecord(const DataOra& adesso) {
    const Letto c{LeggiFile(classifica_, kMassimoFileClassifica)};
    const Letto a{LeggiFile(albo_, kMassimoFileAlbo)};
    const Letto p{LeggiFile(partite_, kMassimoFilePartite)};
    const auto bc = c.byte(), ba = a.byte(), bp = p.byte();
    record_ = Record{};
    const EsitoLetturaRecord esito = LeggiRecordDa(bc ? &*bc : nullptr, ba ? &*ba : nullptr, bp ? &*bp : nullptr, record_);
    ++versione_;

    // A file that is there but could not be read whole is damaged, whatever the reason.
    const bool guastoC = c.presente() && (!bc || !esito.classificaIntegra);
    const bool guastoA = a.presente() && (!ba || !esito.alboIntegro);
    const bool guastoP = p.presente() && (!bp || !esito.partiteIntegro);
    if (!guastoC && !guastoA && !guastoP && !esito.totaleCorretto) return;

    std::string testo = "I file dei record (classifica e albo d'oro) non erano integri:";
    auto aggiungi = [&](bool guasto, const std::filesystem::path& percorso, const Letto& l, std::size_t massimo) {
        if (!guasto) return;
        testo += " ";
        if (l.file.stato == FileLetto::Stato::TroppoGrande) testo += AvvisoTroppoGrande(percorso, l.file.dimensione, massimo);
        else testo += "il file " + percorso.filename().string() + " è incompleto o danneggiato.";
        if (const auto copia = MettiDaParte(percorso, adesso)) testo += " È stato conservato come " + copia->filename().string() + ".";
        else testo += " Non è stato possibile metterlo da parte.";
    };
    aggiungi(guastoC, classifica_, c, kMassimoFileClassifica);
    aggiungi(guastoA, albo_, a, kMassimoFileAlbo);
    aggiungi(guastoP, partite_, p, kMassimoFilePartite);
    if (esito.totaleCorretto && !guastoA)
        testo += " Il numero delle partite registrate non corrispondeva all'albo: è stato ricontato (" +
                 std::to_string(record_.TotalePartite) + ").";
    testo += " Quello che non si è potuto leggere riparte dai valori iniziali.";
    avvisi_.Aggiungi(std::move(testo));
}

bool RecordSuFile::Salva() {
    const FileRecord f = ScriviRecord(record_);
    ++versione_;
    std::string errore;
    // The log first and its count last: a crash in between leaves a count the reader recounts.
    const bool ok = ScriviFileAtomico(classifica_, f.classifica, &errore) && ScriviFileAtomico(albo_, f.albo, &errore) &&
                    ScriviFileAtomico(partite_, f.partite, &errore);
    if (!ok) avvisi_.Aggiungi("I record non sono stati salvati. " + errore);
    return ok;
}

void RecordSuFile::AggiornaClassifica(const EsitoPartita& esito) {
    mrvelto::AggiornaClassifica(record_, esito);
    ++versione_;
}

}  // namespace mrvelto
