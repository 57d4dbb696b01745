// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordSuFile.h"

#include <algorithm>
#include <optional>

#include "records/AggiornaClassifica.h"
#include "records/FileDati.h"
#include "records/GiornaleRecord.h"
#include "records/RiparaRecord.h"

namespace mrvelto {

namespace {

struct Letto {
    std::filesystem::path percorso;
    std::size_t massimo;
    FileLetto file;
    std::optional<std::string> byte() const {
        if (file.stato == FileLetto::Stato::Letto) return file.byte;
        return std::nullopt;
    }
    bool presente() const { return file.stato != FileLetto::Stato::Mancante; }
    // A link that leads back to itself holds nothing to lose: it is set aside like a damaged file.
    bool illeggibile() const {
        return (file.stato == FileLetto::Stato::Illeggibile && !file.collegamentoInCiclo) || file.stato == FileLetto::Stato::NonUnFile;
    }
};

std::string Elenco(const std::vector<std::string>& nomi) {
    std::string r;
    for (std::size_t i = 0; i < nomi.size(); ++i) r += (i == 0 ? "" : i + 1 == nomi.size() ? " e " : ", ") + nomi[i];
    return r;
}

}  // namespace

RecordSuFile::RecordSuFile(const Radici& radici, Avvisi& avvisi)
    : classifica_(MappaPercorso(kFileClassifica, radici)),
      albo_(MappaPercorso(kFileAlbo, radici)),
      partite_(MappaPercorso(kFilePartite, radici)),
      avvisi_(avvisi) {
    cartella_ = classifica_.parent_path();
    giornale_ = cartella_ / std::string(kGiornaleRecord);
}

std::optional<FileRecord> RecordSuFile::Giornale(const DataOra& adesso) {
    const FileLetto g = LeggiFile(giornale_, kMassimoFileClassifica + kMassimoFileAlbo + kMassimoFilePartite + 1024);
    if (g.stato == FileLetto::Stato::Mancante) return std::nullopt;
    auto f = g.stato == FileLetto::Stato::Letto ? DecodificaGiornale(g.byte) : std::nullopt;
    if (!f) {
        // Never one of ours half-written (it is renamed into place whole): something else put it there.
        std::string testo = "Il file " + giornale_.filename().string() + " nella cartella dei record non è un giornale valido";
        if (const auto copia = MettiDaParte(giornale_, adesso)) testo += ": è stato conservato come " + copia->filename().string() + ".";
        else testo += " e non è stato possibile metterlo da parte.";
        avvisi_.Aggiungi(std::move(testo));
        return std::nullopt;
    }
    std::string errore;
    if (!ApplicaGiornale(giornale_, *f, classifica_, albo_, partite_, &errore))
        avvisi_.Aggiungi("L'ultimo salvataggio dei record non si è potuto completare. " + errore +
                         " I record restano al sicuro nel file " + giornale_.filename().string() +
                         " e i tre file saranno completati al prossimo salvataggio.");
    return f;
}

bool RecordSuFile::Carica(Record& r, const DataOra& adesso, std::string& illeggibile, bool avvisaDisaccordo, bool* ricostruita) {
    if (ricostruita) *ricostruita = false;
    // A journal left by a save cut short holds what the three files must become: it wins.
    if (const auto g = Giornale(adesso)) {
        r = Record{};
        LeggiRecordDa(&g->classifica, &g->albo, &g->partite, r);
        illeggibile.clear();
        return true;
    }
    Letto c{classifica_, kMassimoFileClassifica, LeggiFile(classifica_, kMassimoFileClassifica)};
    Letto a{albo_, kMassimoFileAlbo, LeggiFile(albo_, kMassimoFileAlbo)};
    Letto p{partite_, kMassimoFilePartite, LeggiFile(partite_, kMassimoFilePartite)};
    illeggibile.clear();
    // A folder that cannot be searched fails all three the same way: said once.
    if (c.file.cartella) {
        illeggibile = AvvisoIlleggibile(classifica_, c.file);
    } else {
        for (const Letto* l : {&c, &a, &p})
            if (l->illeggibile()) illeggibile += (illeggibile.empty() ? "" : " ") + AvvisoIlleggibile(l->percorso, l->file);
    }
    if (!illeggibile.empty()) return false;

    const auto bc = c.byte(), ba = a.byte(), bp = p.byte();
    r = Record{};
    const EsitoLetturaRecord esito = LeggiRecordDa(bc ? &*bc : nullptr, ba ? &*ba : nullptr, bp ? &*bp : nullptr, r);
    const bool guastoC = c.presente() && (!bc || !esito.classificaIntegra);
    const bool guastoA = a.presente() && (!ba || !esito.alboIntegro);
    const bool guastoP = p.presente() && (!bp || !esito.partiteIntegro);
    // A ranking that is missing or set aside comes back from a log that holds every match.
    RiparazioneClassifica riparazione;
    if (!guastoA) riparazione = RiparaClassifica(r, c.presente() && !guastoC);
    if (ricostruita) *ricostruita = riparazione.ricostruita;
    if (!guastoC && !guastoA && !guastoP) {
        // Said at start-up only: a disagreement left as it is would otherwise come back after each
        // match, and a count put right is written right by the next save.
        if (avvisaDisaccordo && !riparazione.testo.empty())
            avvisi_.Aggiungi((riparazione.ricostruita ? "Il file " + classifica_.filename().string() + " mancava. " : std::string()) +
                             riparazione.testo);
        if (esito.totaleCorretto && avvisaDisaccordo)
            avvisi_.Aggiungi("Il numero delle partite registrate in " + partite_.filename().string() +
                             " non corrispondeva all'albo d'oro: è stato ricontato (" + std::to_string(r.TotalePartite) + ").");
        return true;
    }

    std::string testo = "I file dei record non erano integri.";
    std::vector<std::string> letti;
    auto aggiungi = [&](bool guasto, const Letto& l) {
        const std::string nome = l.percorso.filename().string();
        if (!guasto) {
            if (l.presente()) letti.push_back(nome);
            return;
        }
        testo += " ";
        if (l.file.stato == FileLetto::Stato::TroppoGrande) testo += AvvisoTroppoGrande(l.percorso, l.file.dimensione, l.massimo);
        else if (l.file.collegamentoInCiclo) testo += "Il file " + nome + " è un collegamento che rimanda a se stesso: non c'era nulla da leggere.";
        else testo += "Il file " + nome + " è incompleto o danneggiato: non ne è stato importato nulla.";
        if (const auto copia = MettiDaParte(l.percorso, adesso)) testo += " È stato conservato come " + copia->filename().string() + ".";
        else testo += " Non è stato possibile metterlo da parte.";
    };
    aggiungi(guastoC, c);
    aggiungi(guastoA, a);
    aggiungi(guastoP, p);
    if (esito.totaleCorretto && a.presente() && !guastoA)
        testo += " Il numero delle partite registrate non corrispondeva all'albo: è stato ricontato (" +
                 std::to_string(r.TotalePartite) + ").";
    if (riparazione.ricostruita)
        testo += (letti.empty() ? "" : " Sono stati letti per intero: " + Elenco(letti) + ".") + " " + riparazione.testo;
    else
        testo += letti.empty() ? " I record ripartono dai valori iniziali."
                               : " Sono stati letti per intero: " + Elenco(letti) + "; il resto riparte dai valori iniziali.";
    avvisi_.Aggiungi(std::move(testo));
    return true;
}

void RecordSuFile::LeggiRecord(const DataOra& adesso) {
    letturaIniziale_ = adesso;
    if (!presenza_.blocco) presenza_ = AnnunciaFinestra(cartella_);
    if (presenza_.altre)
        avvisi_.Aggiungi(
            "Mr. VELTO è già aperto in un'altra finestra con la stessa cartella dei dati. Puoi giocare lo stesso: le partite di "
            "tutte e due le finestre vengono registrate nell'albo d'oro e in classifica; le impostazioni salvate saranno quelle "
            "dell'ultima finestra chiusa.");
    const auto blocco = BloccoCartella::Prendi(cartella_, kBloccoRecord, BloccoCartella::Modo::Esclusivo);
    // Alone under the lock: nobody else is half-way through a write.
    RimuoviTemporaneiAbbandonati(cartella_);
    std::string illeggibile;
    Record letto;
    bool ricostruita = false;
    if (!Carica(letto, adesso, illeggibile, true, &ricostruita)) {
        letto = Record{};
        avvisi_.Aggiungi("I record non si sono potuti leggere. " + illeggibile +
                         " Il file è stato lasciato com'è e non verrà sovrascritto: finché non si potrà leggere, le partite "
                         "giocate non saranno registrate.");
    }
    // Written now, so that the next start finds the files agreeing and says nothing more.
    if (ricostruita) Scrivi(letto);
    record_ = std::move(letto);
    daSalvare_.clear();
    ++versione_;
}

bool RecordSuFile::Scrivi(Record& r) {
    const FileRecord f = ScriviRecord(r);
    std::string errore;
    // Once the journal is in place the matches are saved, whatever happens to the three files after.
    if (!ScriviFileAtomico(giornale_, CodificaGiornale(f), &errore)) {
        avvisi_.Aggiungi("I record non sono stati salvati. " + errore);
        return false;
    }
    if (!ApplicaGiornale(giornale_, f, classifica_, albo_, partite_, &errore))
        avvisi_.Aggiungi("I record sono stati salvati nel file " + giornale_.filename().string() +
                         ", ma i tre file dei record non si sono potuti aggiornare. " + errore +
                         " Saranno completati al prossimo salvataggio o avvio.");
    return true;
}

bool RecordSuFile::Salva() {
    std::string errore;
    const auto blocco = BloccoCartella::Prendi(cartella_, kBloccoRecord, BloccoCartella::Modo::Esclusivo, &errore);
    const DataOra quando = daSalvare_.empty() ? letturaIniziale_ : daSalvare_.back().quando;
    Record unito;
    std::string illeggibile;
    if (!Carica(unito, quando, illeggibile, false)) {
        avvisi_.Aggiungi("I record non sono stati salvati. " + illeggibile + " Il file non è stato sovrascritto.");
        return false;
    }
    for (const EsitoPartita& e : daSalvare_) {
        mrvelto::AggiornaClassifica(unito, e);
        unito.TotalePartite = std::min(unito.VociAlbo(), kMassimoAlbo);  // as each save would have left it
    }
    if (!Scrivi(unito)) return false;
    record_ = std::move(unito);
    daSalvare_.clear();
    ++versione_;
    return true;
}

void RecordSuFile::AggiornaClassifica(const EsitoPartita& esito) {
    mrvelto::AggiornaClassifica(record_, esito);
    daSalvare_.push_back(esito);
    ++versione_;
}

}  // namespace mrvelto
