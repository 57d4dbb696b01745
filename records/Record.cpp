// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Record.h"

#include "records/FormatoRiga.h"

namespace mrvelto {

namespace {

// A count held as text: "" is 0 (an empty row), digits their value.
bool ConteggioTesto(LettoreRighe& in, int& destinazione) {
    std::string v;
    if (!in.TestoVirgolettato(v)) return false;
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

// "d/m/yy" as the ranking keeps the date of the last match won.
bool FormaData(std::string_view d) {
    auto cifre = [&](std::size_t& i, std::size_t minimo, std::size_t massimo) {
        std::size_t n = 0;
        while (i < d.size() && d[i] >= '0' && d[i] <= '9' && n < massimo) ++i, ++n;
        return n >= minimo;
    };
    std::size_t i = 0;
    return cifre(i, 1, 2) && i < d.size() && d[i++] == '/' && cifre(i, 1, 2) && i < d.size() && d[i++] == '/' && cifre(i, 2, 2) &&
           i == d.size();
}

}  // namespace

// "N)  <one> - <other>    a-b   d/m/yy  h:mm", read from both ends: the names between may hold
// anything, but the number, the score, the date and the time are where the game puts them.
bool FormaVoceAlbo(std::string_view v) {
    auto cifra = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    while (i < v.size() && i < 9 && cifra(v[i])) ++i;
    if (i == 0 || v.substr(i, 3) != ")  ") return false;
    const std::size_t inizioNomi = i + 3;
    std::size_t f = v.size();
    // Backwards over digits: at least `minimo`, at most `massimo`.
    auto cifreIndietro = [&](std::size_t minimo, std::size_t massimo) {
        std::size_t n = 0;
        while (f > inizioNomi && cifra(v[f - 1]) && n < massimo) --f, ++n;
        return n >= minimo;
    };
    auto testoIndietro = [&](std::string_view t) {
        if (f < inizioNomi + t.size() || v.substr(f - t.size(), t.size()) != t) return false;
        f -= t.size();
        return true;
    };
    if (!(cifreIndietro(2, 2) && testoIndietro(":") && cifreIndietro(1, 2) && testoIndietro("  ") && cifreIndietro(2, 2) &&
          testoIndietro("/") && cifreIndietro(1, 2) && testoIndietro("/") && cifreIndietro(1, 2) && testoIndietro("   ") &&
          cifreIndietro(1, 3) && testoIndietro("-") && cifreIndietro(1, 3) && testoIndietro(" ")))
        return false;
    const std::string_view nomi = v.substr(inizioNomi, f - inizioNomi);
    return nomi.find(" - ") != std::string_view::npos && nomi.find(kNomeMrVelto) != std::string_view::npos;
}

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
        Record letto = r;
        for (int i = 1; i <= kRigheClassifica; ++i) {
            RigaClassifica riga = letto.Classifica[i];
            in.TestoVirgolettato(riga.NomeVincitore);
            ConteggioTesto(in, riga.NumeroPartiteVinte);
            ConteggioTesto(in, riga.NumeroPartitePerse);
            if (in.TestoVirgolettato(riga.DataPartitaVinta) && !riga.DataPartitaVinta.empty() && !FormaData(riga.DataPartitaVinta)) in.Scarta();
            in.SiNo(riga.PosizioneVisibile);
            in.SiNo(riga.VinteVisibile);
            in.SiNo(riga.PerseVisibile);
            // A nameless row is empty whatever else the file says: nothing to show, nothing to rank.
            if (riga.Vuota()) riga = RigaClassifica{};
            letto.Classifica[i] = riga;
        }
        for (int k = 1; k <= kLivelli; ++k) {
            ConteggioTesto(in, letto.VittoriePCVariLivelli[k]);
            ConteggioTesto(in, letto.SconfittePCVariLivelli[k]);
        }
        esito.classificaIntegra = in.Integro();
        if (esito.classificaIntegra) {
            r.Classifica = letto.Classifica;
            r.VittoriePCVariLivelli = letto.VittoriePCVariLivelli;
            r.SconfittePCVariLivelli = letto.SconfittePCVariLivelli;
        }
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
            if (!in.TestoVirgolettato(voce)) break;
            if (voce.empty()) {
                chiuso = true;
                break;
            }
            if (!FormaVoceAlbo(voce)) {
                in.Scarta();
                break;
            }
            voci.push_back(std::move(voce));
        }
        esito.alboIntegro = chiuso && in.Integro() && static_cast<int>(voci.size()) <= kMassimoAlbo;
        if (!esito.alboIntegro) voci.clear();
        r.LstAlbo = std::move(voci);
        r.LstAlbo.emplace_back();
        const int trovate = static_cast<int>(r.LstAlbo.size()) - 1;
        // Without a readable count the log is simply counted; a count that disagrees is reported
        // (not for a log set aside: the message says so already).
        if (partite && esito.partiteIntegro && esito.alboIntegro && trovate != totale) esito.totaleCorretto = true;
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
