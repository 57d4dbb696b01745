// SPDX-License-Identifier: GPL-3.0-or-later
// End of game and match: ConcludiGioco, AggiornaPartita, MostraFineGioco,
// TimerCommentiFinali, NuovoGioco, MostraNomeLivello; and the first game's set-up.
#include "game/Procedure.h"
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
    const opz::Cerimonia cerimonia = opzioni_.Cerimonia;
    const bool dovuta = s.Vincitore != Chi::Nessuno && (cerimonia == opz::Cerimonia::OgniGioco ||
                                                        (cerimonia == opz::Cerimonia::FinePartita && !s.PartitaInCorso));
    if (dovuta) {
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
    // 1.
    s.GiocoInCorso = false;
    // 2.
    vista_.NomeH.evidenziata = vista_.NomePC.evidenziata = false;
    if (s.Vincitore == Chi::H) {
        ++s.PartiteH;
        vista_.NomeH.evidenziata = true;
        if (s.PartiteH >= 1 && s.PartiteH <= 5) vista_.PallinoH[s.PartiteH] = true;
        s.UltimoVincitore = Chi::H;
    } else if (s.Vincitore == Chi::PC) {
        ++s.PartitePC;
        vista_.NomePC.evidenziata = true;
        if (s.PartitePC >= 1 && s.PartitePC <= 5) vista_.PallinoPC[s.PartitePC] = true;
        s.UltimoVincitore = Chi::PC;
    } else {
        s.UltimoVincitore = Chi::Nessuno;
    }
    // 3.
    ImpostaPunteggi();
    VisibilitaPunteggi(true);
    // 4.
    const int n = opzioni_.GiochiPerPartita();
    if (s.PartitePC == n || s.PartiteH == n) s.PartitaInCorso = false;
    // 5.
    blocchi_->SbloccaOpzioni(!s.PartitaInCorso);
}

void Tavolo::MostraFineGioco() {
    StatoGioco& s = stato_;
    // 1.
    orologio_.Abilita(timer_.CommentiFinali, true);
    // 2.
    const bool finita = !s.PartitaInCorso;
    auto [m1, m2] = MessaggiFineGioco(finita);
    vista_.FineGioco.messaggio1 = std::move(m1);
    vista_.FineGioco.messaggio2 = std::move(m2);
    // 3. The records at the end of a match (unless the exit already wrote them).
    if (finita) RegistraPartitaConclusa();
    // 4.
    s.Vincitore = Chi::Nessuno;
    // 5.
    vista_.FineGioco.cmdContinuaOIniziaPartita.abilitata = true;
    vista_.FineGioco.posizione = {3420, 3030};
    vista_.FineGioco.visibile = true;
    for (int i = 2; i < PannelloDati::kCelle; ++i)
        if (!dati_[i].testo.empty()) dati_[i].visibile = true;
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
    esito.nomeH = vista_.NomeH.testo;
    esito.vincitore = s.PartiteH > s.PartitePC ? Chi::H : Chi::PC;
    esito.NomeVincitorePartita = esito.vincitore == Chi::H ? vista_.NomeH.testo : std::string("Mr. VELTO");
    esito.PartiteH = s.PartiteH;
    esito.PartitePC = s.PartitePC;
    esito.livello = opzioni_.Testo(OpzAbilita);
    esito.letteraLivello = opzioni_.LetteraLivello();
    esito.Sbirciata = s.Sbirciata;
    esito.quando = calendario_();
    record_->AggiornaClassifica(esito);
    record_->SalvaRecord();
    dati_.Intestazione2 = TestoDataOra(esito.quando);
    Pubblica(evento::PartitaConclusa{esito});
}

void Tavolo::TimerCommentiFinali_Timer() {
    stato_.InterdiciSuoni = false;
    orologio_.Abilita(timer_.CommentiFinali, false);
    if (opzioni_.Loquacita != opz::Loquacita::Taciturno) Pubblica(evento::CommentoFinale{});
}

void Tavolo::MostraNomeLivello() {
    vista_.NomePC.testo = NomeLivello(opzioni_);
    dati_[0].testo = vista_.NomePC.testo;
    dati_[0].visibile = true;
}

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
    vista_.FineGioco.cmdContinuaOIniziaPartita.abilitata = false;
    vista_.FineGioco.visibile = false;
    SvuotaPannelloDati(dati_);
    RipristinaColoriDati(dati_);
    vista_.NomeH.evidenziata = vista_.NomePC.evidenziata = false;
    MostraNomeLivello();
    // 2.
    if (!primo) blocchi_->VariazioniGrafiche(nuovaPartita);
    // 3. The table back to its places, every card hidden; the stock counter hidden.
    for (int k = 1; k <= 8; ++k) {
        vista_.Slot[k].visibile = false;
        vista_.Slot[k].Sposta(PosizioneDiManoDelloSlot(k));
        s.Svuota(k);
    }
    vista_.cmdEffettuaLaPresa.visibile = false;
    vista_.CarteRimaste.visibile = vista_.CarteRimasteScritta.visibile = false;
    // 4. Match and game numbers, the data panel's heading.
    if (nuovaPartita) {
        s.PartitePC = s.PartiteH = 0;
        if (!primo) s.Sbirciata = false;  // the first game keeps the flag the saved settings gave
        s.NumeroGioco = 1;
        vista_.PallinoH.fill(false);
        vista_.PallinoPC.fill(false);
    } else {
        ++s.NumeroGioco;
    }
    dati_.Intestazione1 = "Partita n. " + std::to_string(record_->TotalePartite() + 1) + " - Gioco n. " +
                          std::to_string(s.NumeroGioco);
    dati_.Intestazione2 = TestoDataOra(calendario_());
    // 5.
    VisibilitaPunteggi(false);
    // 6. Nothing drawn, played or taken yet.
    s.AzzeraSegni();
    // 7. The leader alternates (the first game keeps the initial one).
    if (!primo) {
        const Chi prossimo = s.GiocoIniziatoDa == Chi::H ? Chi::PC : Chi::H;
        s.GiocoIniziatoDa = s.AChiTocca = s.TurnoDiGioco = prossimo;
    } else {
        s.AChiTocca = s.TurnoDiGioco = s.GiocoIniziatoDa;
    }
    // 8. Scores and counters of a fresh game.
    s.PuntiPC = s.PuntiH = 0;
    s.NumeroCarteRimaste = 34;
    s.Manche = 1;
    s.Vincitore = Chi::Nessuno;
    s.ContatoreDistribuisciCarte = 1;
    s.NumeroCartaGiocataDaH = s.NumeroCartaGiocataDaPC = 0;
    s.CartaPCDaGiocare = 0;
    ImpostaPunteggi();
    vista_.CarteRimaste.testo = "34";
    corrente_ = EsitoGioco{};
    corrente_.GiocoIniziatoDa = s.GiocoIniziatoDa;
    corrente_.inizio = orologio_.Adesso();
    // 9.
    s.NumeroCartaAnalizzata = 1;
    MescolaCarte(s, caso_);
    orologio_.Abilita(timer_.DistribuisciCarte, true);
    // 10.
    s.PuoiGiocare = true;
    Pubblica(evento::GiocoImpostato{primo, nuovaPartita});
}

}  // namespace mrvelto
