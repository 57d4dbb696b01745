#include "records/Record.h"

#include "records/FormatoRiga.h"

namespace mrvelto {

namespace {

constexpr int kMassimoConteggio = 1000000;

// A count held as text: "" is 0 (an empty row), digits their value.
bool ConteggioTesto(LettoreRighe& in, int& destinazione) {
    std::string v;
    if (!in.Testo(v)) return false;
    if (v.empty()) {
        destinazione = 0;
        return true;
    }
    const auto n = ComeIntero(ValoreRiga{ValoreRiga::Tipo::Nudo, v});
    if (!n || *n < 0 || *n > kMassimoConteggio) {
        in.Scarta();
        return false;
    }
    destinazione = static_cast<int>(*n);
    return true;
}

}  // namespace

Record::Record() : LstAlbo{""} {
    VittoriePCVariLivelli.fill(0);
    SconfittePCVariLivelli.fill(0);
}

int Record::VociAlbo() const {
    int n = 0;
    while (n < static_cast<int>(LstAlbo.size()) && !LstAlbo[static_cast<std::size_t>(n)].empty()) ++n;
    return n;
}

FileRecord ScriviRecord(Record& r) {
    FileRecord f;
    ScrittoreRighe c;
    for (int i = 1; i <= kRigheClassifica; ++i) {
        const RigaClassifica& riga = r.Classifica[i];
        const bool vuota = riga.Vuota();
        c.Testo(riga.NomeVincitore);
        c.Testo(vuota ? "" : std::to_string(riga.NumeroPartiteVinte));
        c.Testo(vuota ? "" : std::to_string(riga.NumeroPartitePerse));
        c.Testo(vuota ? "" : riga.DataPartitaVinta);
        c.SiNo(!vuota && riga.PosizioneVisibile);
        c.SiNo(!vuota && riga.VinteVisibile);
        c.SiNo(!vuota && riga.PerseVisibile);
    }
    for (int k = 1; k <= kLivelli; ++k) {
        c.Testo(std::to_string(r.VittoriePCVariLivelli[k]));
        c.Testo(std::to_string(r.SconfittePCVariLivelli[k]));
    }
    f.classifica = c.Byte();

    const int n = std::min(r.VociAlbo(), kMassimoAlbo);
    ScrittoreRighe a;
    for (int i = 0; i < n; ++i) a.Testo(r.LstAlbo[static_cast<std::size_t>(i)]);
    a.Testo("");
    f.albo = a.Byte();

    ScrittoreRighe p;
    p.Intero(n);
    f.partite = p.Byte();
    r.TotalePartite = n;
    return f;
}

EsitoLetturaRecord LeggiRecordDa(const std::string* classifica, const std::string* albo, const std::string* partite, Record& r) {
    EsitoLetturaRecord esito;
    if (classifica) {
        LettoreRighe in(*classifica);
        for (int i = 1; i <= kRigheClassifica; ++i) {
            RigaClassifica riga = r.Classifica[i];
            in.Testo(riga.NomeVincitore);
            ConteggioTesto(in, riga.NumeroPartiteVinte);
            ConteggioTesto(in, riga.NumeroPartitePerse);
            in.Testo(riga.DataPartitaVinta);
            in.SiNo(riga.PosizioneVisibile);
            in.SiNo(riga.VinteVisibile);
            in.SiNo(riga.PerseVisibile);
            // A nameless row is empty whatever else the file says: nothing to show, nothing to rank.
            if (riga.Vuota()) riga = RigaClassifica{};
            r.Classifica[i] = riga;
        }
        for (int k = 1; k <= kLivelli; ++k) {
            ConteggioTesto(in, r.VittoriePCVariLivelli[k]);
            ConteggioTesto(in, r.SconfittePCVariLivelli[k]);
        }
        esito.classificaIntegra = in.Integro();
    }

    int totale = r.TotalePartite;
    if (partite) {
        LettoreRighe in(*partite);
        esito.partiteIntegro = in.Intero(totale, 0, kMassimoAlbo) && in.Integro();
    }

    if (albo) {
        LettoreRighe in(*albo);
        std::vector<std::string> voci;
        bool chiuso = false;
        while (in.Posizione() < in.RigheTotali() && static_cast<int>(voci.size()) <= kMassimoAlbo) {
            std::string voce;
            if (!in.Testo(voce)) continue;  // a malformed line: counted, skipped
            if (voce.empty()) {
                chiuso = true;
                break;
            }
            voci.push_back(std::move(voce));
        }
        if (static_cast<int>(voci.size()) > kMassimoAlbo) voci.erase(voci.begin(), voci.end() - kMassimoAlbo);
        esito.alboIntegro = chiuso && in.Integro();
        r.LstAlbo = std::move(voci);
        r.LstAlbo.emplace_back();
        const int trovate = static_cast<int>(r.LstAlbo.size()) - 1;
        // Without a readable count the log is simply counted; a count that disagrees is reported.
        if (partite && esito.partiteIntegro && trovate != totale) esito.totaleCorretto = true;
        r.TotalePartite = trovate;
    } else if (partite && totale != 0) {
        // Matches counted but no log to show them: the log starts again.
        esito.totaleCorretto = true;
        r.TotalePartite = r.VociAlbo();
    } else {
        r.TotalePartite = r.VociAlbo();
    }
    return esito;
}

}  // namespace mrvelto
