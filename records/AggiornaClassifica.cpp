// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/AggiornaClassifica.h"

#include <algorithm>

#include "records/NomeGiocatore.h"
#include "game/TestoDataOra.h"

namespace mrvelto {

namespace {

using Righe = Da1<RigaClassifica, kRigheClassifica>;

// a ranks strictly above b.
bool Precede(const RigaClassifica& a, const RigaClassifica& b) {
    if (a.Vuota() != b.Vuota()) return b.Vuota();
    if (a.NumeroPartiteVinte != b.NumeroPartiteVinte) return a.NumeroPartiteVinte > b.NumeroPartiteVinte;
    return a.NumeroPartitePerse < b.NumeroPartitePerse;
}

int Cerca(const Righe& righe, const std::string& nome) {
    for (int i = 1; i <= kRigheClassifica; ++i)
        if (!righe[i].Vuota() && righe[i].NomeVincitore == nome) return i;
    return 0;
}

void Mostra(RigaClassifica& r) { r.PosizioneVisibile = r.VinteVisibile = r.PerseVisibile = true; }

void Aggiungi(int& conteggio) { conteggio = std::min(conteggio + 1, kMassimoConteggio); }

// The number of the next log entry: one past the last entry's, so that numbering goes on once the
// log is full and its oldest entries make room.
int ProssimoNumero(const Record& r) {
    int n = r.TotalePartite;
    if (const int voci = r.VociAlbo(); voci > 0) {
        const std::string& ultima = r.LstAlbo[static_cast<std::size_t>(voci - 1)];
        int numero = 0;
        for (std::size_t i = 0; i < ultima.size() && i < 9 && ultima[i] >= '0' && ultima[i] <= '9'; ++i) numero = numero * 10 + (ultima[i] - '0');
        n = std::max(n, numero);
    }
    return std::min(n + 1, kMassimoNumeroVoce);
}

// Makes room at row `i`: rows i..9 move down one, row 10 drops out.
void Inserisci(Righe& righe, int i, RigaClassifica nuova) {
    for (int k = kRigheClassifica; k > i; --k) righe[k] = righe[k - 1];
    righe[i] = std::move(nuova);
}

// A loss leaves "Ultima Data" alone: it is the date of the last match won.
void Perdente(Righe& righe, const std::string& nome) {
    if (int i = Cerca(righe, nome)) {
        Aggiungi(righe[i].NumeroPartitePerse);
        Mostra(righe[i]);
        // Down past the following rows with the same wins and fewer losses.
        int fine = i;
        while (fine < kRigheClassifica && !righe[fine + 1].Vuota() && righe[fine + 1].NumeroPartiteVinte == righe[i].NumeroPartiteVinte &&
               righe[fine + 1].NumeroPartitePerse < righe[i].NumeroPartitePerse)
            ++fine;
        RigaClassifica r = righe[i];
        for (int k = i; k < fine; ++k) righe[k] = righe[k + 1];
        righe[fine] = std::move(r);
        return;
    }
    for (int i = 1; i <= kRigheClassifica; ++i) {
        if (righe[i].Vuota() || righe[i].NumeroPartiteVinte == 0) {
            RigaClassifica r{nome, 0, 1, ""};
            Mostra(r);
            Inserisci(righe, i, std::move(r));
            return;
        }
    }
}

void Vincitore(Righe& righe, const std::string& nome, const std::string& data) {
    if (int i = Cerca(righe, nome)) {
        Aggiungi(righe[i].NumeroPartiteVinte);
        righe[i].DataPartitaVinta = data;
        Mostra(righe[i]);
        int inizio = i;
        while (inizio > 1 && Precede(righe[i], righe[inizio - 1])) --inizio;
        RigaClassifica r = righe[i];
        for (int k = i; k > inizio; --k) righe[k] = righe[k - 1];
        righe[inizio] = std::move(r);
        return;
    }
    RigaClassifica r{nome, 1, 0, data};
    Mostra(r);
    for (int i = 1; i <= kRigheClassifica; ++i) {
        if (Precede(r, righe[i])) {
            Inserisci(righe, i, std::move(r));
            return;
        }
    }
}

}  // namespace

std::string VoceAlbo(int numero, const EsitoPartita& esito) {
    const std::string nomeH = NormalizzaNome(esito.nomeH);
    const std::string livello = std::string(" ") + esito.letteraLivello;
    const std::string quando = TestoData(esito.quando) + "  " + TestoOraMinuti(esito.quando);
    const std::string mrVelto = std::string(kNomeMrVelto) + livello;
    std::string v = std::to_string(numero) + ")  ";
    if (esito.vincitore == Chi::PC) {
        v += mrVelto + " - " + nomeH + (esito.Sbirciata ? " *    " : "    ") + std::to_string(esito.PartitePC) + "-" +
             std::to_string(esito.PartiteH);
    } else {
        v += nomeH + (esito.Sbirciata ? " * - " : " - ") + mrVelto + "    " + std::to_string(esito.PartiteH) + "-" +
             std::to_string(esito.PartitePC);
    }
    return v + "   " + quando;
}

void AggiornaRighe(Righe& righe, const std::string& vincitore, const std::string& perdente, const std::string& data) {
    Perdente(righe, perdente);
    Vincitore(righe, vincitore, data);
}

std::string AggiornaClassifica(Record& r, const EsitoPartita& esito) {
    const bool vinceIlPC = esito.vincitore == Chi::PC;
    const int livello = std::clamp(esito.letteraLivello - 'A' + 1, 1, kLivelli);
    Aggiungi(vinceIlPC ? r.VittoriePCVariLivelli[livello] : r.SconfittePCVariLivelli[livello]);

    // Rows go by name as the files hold it, so that the player is found again after a restart.
    const std::string nomeH = NormalizzaNome(esito.nomeH);
    if (!esito.Sbirciata && !nomeH.empty() && nomeH != kNomeMrVelto) {
        const std::string mrVelto(kNomeMrVelto);
        AggiornaRighe(r.Classifica, vinceIlPC ? mrVelto : nomeH, vinceIlPC ? nomeH : mrVelto, TestoData(esito.quando));
    }

    // The new entry goes before the closing empty one, which the file format needs last.
    int n = r.VociAlbo();
    const std::string voce = VoceAlbo(ProssimoNumero(r), esito);
    if (n >= kMassimoAlbo) {
        r.LstAlbo.erase(r.LstAlbo.begin());
        --n;
    }
    r.LstAlbo.insert(r.LstAlbo.begin() + n, voce);
    if (static_cast<int>(r.LstAlbo.size()) == n + 1) r.LstAlbo.emplace_back();
    return voce;
}

}  // namespace mrvelto
