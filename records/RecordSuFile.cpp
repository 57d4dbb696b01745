#include "records/RecordSuFile.h"

#include <algorithm>
#include <optional>

#include "records/AggiornaClassifica.h"
#include "records/FileDati.h"

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
    bool illeggibile() const { return file.stato == FileLetto::Stato::Illeggibile || file.stato == FileLetto::Stato::NonUnFile; }
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
}

bool RecordSuFile::Carica(Record& r, const DataOra& adesso, std::string& illeggibile) {
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
    if (!guastoC && !guastoA && !guastoP && !esito.totaleCorretto) return true;

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
        else testo += "Il file " + nome + " è incompleto o danneggiato: non ne è stato importato nulla.";
        if (const auto copia = MettiDaParte(l.percorso, adesso)) testo += " È stato conservato come " + copia->filename().string() + ".";
        else testo += " Non è stato possibile metterlo da parte.";
    };
    aggiungi(guastoC, c);
    aggiungi(guastoA, a);
    aggiungi(guastoP, p);
    if (esito.totaleCorretto && !guastoA)
        testo += " Il numero delle partite registrate non corrispondeva all'albo: è stato ricontato (" +
                 std::to_string(r.TotalePartite) + ").";
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
    if (!Carica(letto, adesso, illeggibile)) {
        letto = Record{};
        avvisi_.Aggiungi("I record non si sono potuti leggere. " + illeggibile +
                         " Il file è stato lasciato com'è e non verrà sovrascritto: finché non si potrà leggere, le partite "
                         "giocate non saranno registrate.");
    }
    record_ = std::move(letto);
    daSalvare_.clear();
    ++versione_;
}

bool RecordSuFile::Salva() {
    std::string errore;
    const auto blocco = BloccoCartella::Prendi(cartella_, kBloccoRecord, BloccoCartella::Modo::Esclusivo, &errore);
    const DataOra quando = daSalvare_.empty() ? letturaIniziale_ : daSalvare_.back().quando;
    Record unito;
    std::string illeggibile;
    if (!Carica(unito, quando, illeggibile)) {
        avvisi_.Aggiungi("I record non sono stati salvati. " + illeggibile + " Il file non è stato sovrascritto.");
        return false;
    }
    for (const EsitoPartita& e : daSalvare_) {
        mrvelto::AggiornaClassifica(unito, e);
        unito.TotalePartite = std::min(unito.VociAlbo(), kMassimoAlbo);  // as each save would have left it
    }
    const FileRecord f = ScriviRecord(unito);
    // The log first and its count last: a crash in between leaves a count the reader recounts.
    const bool ok = ScriviFileAtomico(classifica_, f.classifica, &errore) && ScriviFileAtomico(albo_, f.albo, &errore) &&
                    ScriviFileAtomico(partite_, f.partite, &errore);
    if (!ok) {
        avvisi_.Aggiungi("I record non sono stati salvati. " + errore);
        return false;
    }
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
