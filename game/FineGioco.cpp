// SPDX-License-Identifier: GPL-3.0-or-later
// End of game and match: ConcludiGioco, AggiornaPartita, MostraFineGioco,
// TimerCommentiFinali, NuovoGioco, MostraNomeLivello; and the first game's set-up.
#include "game/RegoleDistribuzione.h"
#include "game/RegoleFineGioco.h"
#include "game/Tavolo.h"
#include "game/TestoDataOra.h"

namespace mrvelto {

void Tavolo::ConcludiGioco() {
    StatoGioco& s = stato_;
    // 1.
    AggiornaPartita();
    ++giochiConclusi_;
    if (!s.PartitaInCorso) {
        ++partiteConcluse_;
        partitaDaRegistrare_ = true;
    }
    corrente_.PuntiH = s.PuntiH;
    corrente_.PuntiPC = s.PuntiPC;
    corrente_.Vincitore = s.Vincitore;
    corrente_.UltimoVincitore = s.UltimoVincitore;
    corrente_.NumeroCarteRimaste = s.NumeroCarteRimaste;
    corrente_.partitaFinita = !s.PartitaInCorso;
    corrente_.PartiteH = s.PartiteH;
    corrente_.PartitePC = s.PartitePC;
    corrente_.GiocoIniziatoDa = s.GiocoIniziatoDa;
    corrente_.fine = orologio_.Adesso();
    Pubblica(evento::GiocoConcluso{corrente_});
    // 2.
    FermaImpazienza();
    // 3. The award ceremony, held only for a winner.
    if (CerimoniaDovuta(s, opzioni_)) {
        const Chi vincitore = s.Vincitore;
        cerimoniaInCorso_ = true;
        if (musica_->Cerimonia(vincitore, [this] {
                cerimoniaInCorso_ = false;
                MostraFineGioco();
                Notifica();
            }))
            return;
        cerimoniaInCorso_ = false;
    }
    MostraFineGioco();
}

void Tavolo::AggiornaPartita() {
    StatoGioco& s = stato_;
    // 1, 2, 4. The game into the match.
    const Chi vincitore = SegnaGiocoNellaPartita(s, opzioni_);
    schermo_.SpegniNomi();
    if (vincitore != Chi::Nessuno) schermo_.GiocoVinto(vincitore, vincitore == Chi::H ? s.PartiteH : s.PartitePC);
    // 3.
    schermo_.ImpostaPunteggi(s);
    schermo_.VisibilitaPunteggi(true, opzioni_);
    // 5.
    blocchi_->SbloccaOpzioni(!s.PartitaInCorso);
}

void Tavolo::MostraFineGioco() {
    StatoGioco& s = stato_;
    // 1.
    orologio_.Abilita(timer_.CommentiFinali, true);
    // 2.
    const bool finita = !s.PartitaInCorso;
    schermo_.MostraFineGioco(finita);
    // 3. The records at the end of a match (unless the exit already wrote them).
    if (finita) RegistraPartitaConclusa();
    // 4.
    s.Vincitore = Chi::Nessuno;
    // 5.
    schermo_.ApriFineGioco();
    // 6.
    FermaImpazienza();
    Pubblica(evento::FineGiocoMostrata{});
}

// A decided match reaches the records exactly once: at the end-of-game frame, or earlier when the
// program ends before that frame (during the ceremony).
void Tavolo::RegistraPartitaConclusa() {
    if (!partitaDaRegistrare_) return;
    partitaDaRegistrare_ = false;
    const StatoGioco& s = stato_;
    EsitoPartita esito;
    esito.nomeH = Vista().NomeH.testo;
    esito.vincitore = s.PartiteH > s.PartitePC ? Chi::H : Chi::PC;
    esito.NomeVincitorePartita = esito.vincitore == Chi::H ? Vista().NomeH.testo : std::string("Mr. VELTO");
    esito.PartiteH = s.PartiteH;
    esito.PartitePC = s.PartitePC;
    esito.livello = opzioni_.Testo(OpzAbilita);
    esito.letteraLivello = opzioni_.LetteraLivello();
    esito.Sbirciata = s.Sbirciata;
    esito.quando = calendario_();
    record_->AggiornaClassifica(esito);
    record_->SalvaRecord();
    schermo_.ImpostaIntestazione2(TestoDataOra(esito.quando));
    Pubblica(evento::PartitaConclusa{esito});
}

void Tavolo::TimerCommentiFinali_Timer() {
    stato_.InterdiciSuoni = false;
    orologio_.Abilita(timer_.CommentiFinali, false);
    if (opzioni_.Loquacita != opz::Loquacita::Taciturno) Pubblica(evento::CommentoFinale{});
}

void Tavolo::MostraNomeLivello() { schermo_.MostraNomeLivello(opzioni_); }

void Tavolo::NuovoGioco() { ImpostaGioco(false); }

void Tavolo::Avvia() {
    ImpostaGioco(true);
    Notifica();
}

// NuovoGioco, and (primo) the first game of the window's start-up, which keeps the initial leader
// and only shuffles and deals.
void Tavolo::ImpostaGioco(bool primo) {
    StatoGioco& s = stato_;
    const bool nuovaPartita = !s.PartitaInCorso;
    // 1.
    schermo_.ChiudiFineGioco();
    MostraNomeLivello();
    // 2.
    if (!primo) blocchi_->VariazioniGrafiche(nuovaPartita);
    // 3-10 on the game state: the slots emptied, the match counts, the leader, a fresh game, the
    // shuffle. The first game keeps the peek flag the saved settings gave.
    ImpostaNuovoGioco(s, primo, caso_);
    corrente_ = EsitoGioco{};
    corrente_.GiocoIniziatoDa = s.GiocoIniziatoDa;
    corrente_.inizio = orologio_.Adesso();
    // 3. The table back to its places, every card hidden; the stock counter hidden.
    schermo_.SgombraTavolo();
    // 4. The data panel's heading.
    if (nuovaPartita) schermo_.AzzeraPallini();
    schermo_.ImpostaIntestazioneDati(
        "Partita n. " + std::to_string(record_->TotalePartite() + 1) + " - Gioco n. " + std::to_string(s.NumeroGioco),
        TestoDataOra(calendario_()));
    // 5.
    schermo_.VisibilitaPunteggi(false, opzioni_);
    // 8.
    schermo_.ImpostaPunteggi(s);
    schermo_.CarteRimasteNuovoGioco();
    // 9.
    orologio_.Abilita(timer_.DistribuisciCarte, true);
    Pubblica(evento::GiocoImpostato{primo, nuovaPartita});
}

}  // namespace mrvelto
