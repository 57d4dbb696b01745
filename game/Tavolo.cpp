// SPDX-License-Identifier: GPL-3.0-or-later
// The table object: construction, timer wiring, seams, options and the input entry points.
// The steps live in Distribuzione.cpp (deal), Mosse.cpp (moves and their movement),
// PresaEPesca.cpp (take and draw) and FineGioco.cpp (end of game and match, new game).
#include "game/Tavolo.h"

#include "game/AspettoCarte.h"
#include "game/Procedure.h"

namespace mrvelto {

namespace {

// The computer's default until a player is plugged in: its first card.
class PrimaCarta : public Giocatore {
public:
    int Scegli(const VistaGiocatore& vista) override {
        const int primo = vista.posto == Chi::PC ? 1 : 4;
        for (int i = 0; i < 3; ++i)
            if (vista.mano[static_cast<std::size_t>(i)]) return primo + i;
        return 0;
    }
};

}  // namespace

Tavolo::Tavolo(OrologioVirtuale& orologio, FonteCasuale& caso, Calendario calendario, Opzioni opzioni)
    : orologio_(orologio),
      caso_(caso),
      calendario_(std::move(calendario)),
      opzioni_(std::move(opzioni)),
      primaCarta_(std::make_unique<PrimaCarta>()) {
    // Each step is the table and a plain function pointer: small enough for std::function to hold
    // in place, so the clock copies it at every firing without allocating.
    auto aggiungi = [this](const char* nome, void (*passo)(Tavolo&), int intervallo) {
        return orologio_.AggiungiTimer(nome, [this, passo] { passo(*this); }, intervallo);
    };
    timer_.DistribuisciCarte = aggiungi("TimerDistribuisciCarte", &PassoDelTimer<&Tavolo::TimerDistribuisciCarte_Timer>, 450);
    timer_.AttesaDelPCaMuovere = aggiungi("TimerAttesaDelPCaMuovere", &PassoDelTimer<&Tavolo::TimerAttesaDelPCaMuovere_Timer>, 500);
    timer_.AnimazionecarteH = aggiungi("TimerAnimazionecarteH", &PassoDelTimer<&Tavolo::TimerAnimazionecarteH_Timer>, 40);
    timer_.AnimazionecartePC = aggiungi("TimerAnimazionecartePC", &PassoDelTimer<&Tavolo::TimerAnimazionecartePC_Timer>, 40);
    timer_.UltimacartaH = aggiungi("TimerUltimacartaH", &PassoDelTimer<&Tavolo::TimerUltimacartaH_Timer>, 550);
    timer_.EffettuaLaPresa = aggiungi("TimerEffettuaLaPresa", &PassoDelTimer<&Tavolo::TimerEffettuaLaPresa_Timer>, 750);
    timer_.Prendicarte = aggiungi("TimerPrendicarte", &PassoDelTimer<&Tavolo::TimerPrendicarte_Timer>, 100);
    timer_.Pesca = aggiungi("TimerPesca", &PassoDelTimer<&Tavolo::TimerPesca_Timer>, 530);
    timer_.PescaUltimeDue = aggiungi("TimerPescaUltimeDue", &PassoDelTimer<&Tavolo::TimerPescaUltimeDue_Timer>, 500);
    timer_.CommentiFinali = aggiungi("TimerCommentiFinali", &PassoDelTimer<&Tavolo::TimerCommentiFinali_Timer>, 900);
    timer_.ValoreAggiuntivo = aggiungi("TimerValoreAggiuntivo", &PassoDelTimer<&Tavolo::TimerValoreAggiuntivo_Timer>, 10);

    musica_ = &musicaNulla_;
    blocchi_ = &blocchiNulli_;
    record_ = &recordInMemoria_;
    pc_ = primaCarta_.get();

    MostraNomeLivello();
    ApplicaOpzioni();
}

Tavolo::~Tavolo() {
    // The timers' steps point at this table: the clock may outlive it.
    for (OrologioVirtuale::Id id : {timer_.DistribuisciCarte, timer_.AttesaDelPCaMuovere, timer_.AnimazionecarteH, timer_.AnimazionecartePC,
                                    timer_.UltimacartaH, timer_.EffettuaLaPresa, timer_.Prendicarte, timer_.Pesca, timer_.PescaUltimeDue,
                                    timer_.CommentiFinali, timer_.ValoreAggiuntivo})
        orologio_.RilasciaTimer(id);
}

void Tavolo::ImpostaGiocatorePC(Giocatore* giocatore) { pc_ = giocatore ? giocatore : primaCarta_.get(); }
void Tavolo::ImpostaMusica(MusicaECerimonia* musica) { musica_ = musica ? musica : &musicaNulla_; }
void Tavolo::ImpostaBlocchiOpzioni(BlocchiOpzioni* blocchi) { blocchi_ = blocchi ? blocchi : &blocchiNulli_; }
void Tavolo::ImpostaRecord(RecordPartite* record) { record_ = record ? record : &recordInMemoria_; }

void Tavolo::Pubblica(const Evento& e) {
    pc_->Osserva(e, VistaPer(stato_, Chi::PC, *pc_));
    eventi_.Pubblica(e);
}

void Tavolo::Notifica() { eventi_.Pubblica(evento::PassoConcluso{}); }

void Tavolo::ImpostaOpzione(int n, const Opzioni& valori) {
    opzioni_.Copia(n, valori);
    ApplicaOpzione(n);
    // What a change shows on the cards already on the table.
    switch (n) {
        case OpzStileCarte:
            for (int k = 1; k <= 7; ++k) VisualizzaCarte(k, stato_.Carta[k], opzioni_, vista_);
            break;
        case OpzMotivoRetro:
            for (int k : {1, 2, 3, kSlotMazzo}) MotivoRetro(k, opzioni_, vista_);
            break;
        case OpzMostraCarte:
            for (int k = 1; k <= 3; ++k) {
                SlotGrafico& g = vista_.Slot[k];
                if (InFilaCentrale(g)) continue;
                if (opzioni_.MostraCartePC()) {
                    g.riempimento = colore::Bianco;
                    VisualizzaCarte(k, stato_.Carta[k], opzioni_, vista_);
                } else {
                    MotivoRetro(k, opzioni_, vista_);
                }
            }
            if (stato_.PartitaInCorso) SegnaSbirciata();
            break;
        default: break;
    }
    Pubblica(evento::OpzioneCambiata{n});
    Notifica();
}

void Tavolo::VariaOpzione(int n, const Opzioni& valori) {
    opzioni_.Copia(n, valori);
    ApplicaOpzione(n);
    Pubblica(evento::OpzioneCambiata{n});
}

void Tavolo::RipristinaOpzioni(const Opzioni& opzioni) {
    opzioni_ = opzioni;
    for (int n = 0; n < kNumeroOpzioni; ++n)
        if (n != OpzVelocitaRisposta && n != OpzAnimazione && n != OpzPresaAutomatica) ApplicaOpzione(n);
    Notifica();
}

void Tavolo::ImpostaNomeGiocatore(const std::string& nome) {
    vista_.NomeH.testo = nome;
    dati_[1].testo = nome;
    dati_[1].visibile = true;
    Notifica();
}

void Tavolo::ApplicaOpzioni() {
    for (int n = 0; n < kNumeroOpzioni; ++n) ApplicaOpzione(n);
    Notifica();
}

// What option `n` drives. A changed option applies only its own effects, so that the intervals a
// settings file restored stay as they were until the option behind them changes.
void Tavolo::ApplicaOpzione(int n) {
    auto imposta = [this](OrologioVirtuale::Id id, int ms) {
        if (ms > 0 && orologio_.Intervallo(id) != ms) orologio_.ImpostaIntervallo(id, ms);
    };
    switch (n) {
        case OpzVelocitaRisposta: imposta(timer_.AttesaDelPCaMuovere, opzioni_.IntervalloRisposta()); break;
        case OpzAnimazione:
            imposta(timer_.AnimazionecarteH, opzioni_.IntervalloAnimazione());
            imposta(timer_.AnimazionecartePC, opzioni_.IntervalloAnimazione());
            break;
        // "Presa automatica:" "No" leaves the interval to the take button (10 ms at its click).
        case OpzPresaAutomatica: imposta(timer_.EffettuaLaPresa, opzioni_.IntervalloPresa()); break;
        case OpzColoreTavolo: ColoraTavolo(opzioni_, vista_); break;
        case OpzColoreRetro: ColoraRetroCarte(opzioni_, vista_); break;
        case OpzConclusionePartita: vista_.NumeroColonnePallini = opzioni_.GiochiPerPartita(); break;
        case OpzPunteggio:
            if (stato_.GiocoInCorso || !vista_.FineGioco.visibile) VisibilitaPunteggi(false);
            break;
        case OpzAbilita: MostraNomeLivello(); break;
        default: break;
    }
}

void Tavolo::RipristinaIntervalli(const IntervalliSalvati& i) {
    orologio_.ImpostaIntervallo(timer_.AttesaDelPCaMuovere, i.AttesaDelPCaMuovere);
    orologio_.ImpostaIntervallo(timer_.EffettuaLaPresa, i.EffettuaLaPresa);
    orologio_.ImpostaIntervallo(timer_.AnimazionecartePC, i.AnimazionecartePC);
    orologio_.ImpostaIntervallo(timer_.AnimazionecarteH, i.AnimazionecarteH);
}

void Tavolo::RipristinaPunteggi(const PunteggiVisibili& p) {
    vista_.PuntiPC.visibile = p.PuntiPC;
    vista_.PuntiPCScritta.visibile = p.PuntiPCScritta;
    vista_.PuntiH.visibile = p.PuntiH;
    vista_.PuntiHScritta.visibile = p.PuntiHScritta;
}

void Tavolo::ImpostaIntestazioneDati(std::string riga1, std::string riga2) {
    dati_.Intestazione1 = std::move(riga1);
    dati_.Intestazione2 = std::move(riga2);
}

void Tavolo::VisibilitaPunteggi(bool tutti) {
    const opz::Punteggio v = opzioni_.Punteggio;
    const bool h = tutti || v == opz::Punteggio::Tutti || v == opz::Punteggio::SoloH;
    const bool pc = tutti || v == opz::Punteggio::Tutti || v == opz::Punteggio::SoloPC;
    vista_.PuntiH.visibile = vista_.PuntiHScritta.visibile = h;
    vista_.PuntiPC.visibile = vista_.PuntiPCScritta.visibile = pc;
}

void Tavolo::ImpostaPunteggi() {
    vista_.PuntiH.testo = std::to_string(stato_.PuntiH);
    vista_.PuntiPC.testo = std::to_string(stato_.PuntiPC);
}

void Tavolo::MostraSlot(int slot) {
    if (SlotScoperto(slot, opzioni_))
        Scopri(slot);
    else
        MotivoRetro(slot, opzioni_, vista_);
    vista_.Slot[slot].visibile = true;
}

void Tavolo::Scopri(int slot) {
    vista_.Slot[slot].riempimento = colore::Bianco;
    VisualizzaCarte(slot, stato_.Carta[slot], opzioni_, vista_);
}

void Tavolo::AvviaImpazienza() { Pubblica(evento::TurnoUmanoIniziato{}); }
void Tavolo::FermaImpazienza() { Pubblica(evento::TurnoUmanoFinito{}); }

void Tavolo::SegnaSbirciata() {
    if (!opzioni_.MostraCartePC()) return;
    const bool prima = !stato_.Sbirciata;
    stato_.Sbirciata = true;
    if (prima) Pubblica(evento::Sbirciata{});
}

void Tavolo::Estrai(int slot) {
    stato_.ContatoreCarteEstratte = slot;
    if (EstraiACasoUnaCarta(stato_, stato_, slot, caso_) == 0) {
        ++corrente_.estrazioni[0];  // a draw from an empty deck: counted as an anomaly
        return;
    }
    ++corrente_.estrazioni[static_cast<std::size_t>(stato_.Carta[slot].Posizione())];
}

// ---- Input entry points -------------------------------------------------------------------------

bool Tavolo::ClickAccettato(int indice) const {
    return !vista_.EsciVisibile && stato_.NumeroCarteRimaste > -4 && indice >= 4 && indice <= 6 &&
           stato_.GiocoInCorso && stato_.PuoiGiocare && stato_.AChiTocca == Chi::H &&
           !orologio_.Abilitato(timer_.AnimazionecartePC) &&
           // an image that is hidden cannot be clicked, nor an empty slot
           vista_.Slot[indice].visibile && !stato_.Carta[indice].Vuota();
}

void Tavolo::cmdEffettuaLaPresa_Click() {
    if (!vista_.cmdEffettuaLaPresa.visibile || orologio_.Abilitato(timer_.EffettuaLaPresa)) return;
    vista_.cmdEffettuaLaPresa.visibile = false;
    orologio_.ImpostaIntervallo(timer_.EffettuaLaPresa, 10);
    orologio_.Abilita(timer_.EffettuaLaPresa, true);
    Notifica();
}

void Tavolo::cmdContinuaOIniziaPartita_Click() {
    const Etichetta& pulsante = vista_.FineGioco.cmdContinuaOIniziaPartita;
    if (!vista_.FineGioco.visibile || !pulsante.abilitata || stato_.InterdiciSuoni) return;
    orologio_.Abilita(timer_.CommentiFinali, false);
    Pubblica(evento::ContinuaDopoFineGioco{});
    NuovoGioco();
    Notifica();
}

void Tavolo::TastoInvio() { cmdContinuaOIniziaPartita_Click(); }

void Tavolo::CaricaPannelloDati(const PannelloDati& dati) {
    dati_ = dati;
    RipristinaColoriDati(dati_);
    vista_.NomeH.testo = dati_[1].testo;
    Notifica();
}

void Tavolo::ImpostaCellaDati(int i, std::string testo, Colore sfondo) {
    CellaDati& c = dati_[i];
    c.visibile = !testo.empty();
    c.testo = std::move(testo);
    c.sfondo = sfondo;
    Notifica();
}

void Tavolo::ColoraTestoDati(int i, Colore coloreTesto) {
    dati_[i].coloreTesto = coloreTesto;
    Notifica();
}

void Tavolo::cmdTornaAlGioco_Click() {
    stato_.InterdiciSuoni = false;
    NuovoGioco();
    Notifica();
}

}  // namespace mrvelto
