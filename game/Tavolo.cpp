// The table object: construction, timer wiring, seams, options and the input entry points.
// The steps live in Distribuzione.cpp (deal), Mosse.cpp (moves and their movement),
// PresaEPesca.cpp (take and draw) and FineGioco.cpp (end of game and match, new game).
#include "game/Tavolo.h"

#include "game/Procedure.h"
#include "player/GiocatoreVelto.h"
#include "game/ColoriTavolo.h"

namespace mrvelto {

Tavolo::Tavolo(OrologioVirtuale& orologio, FonteCasuale& caso, Opzioni opzioni)
    : orologio_(orologio),
      caso_(caso),
      opzioni_(std::move(opzioni)),
      ctxPC_{stato_, opzioni_, caso_, orologio_, -1},
      ctx_{stato_, opzioni_, caso_, orologio_, vista_, dati_},
      pcProvvisorio_(std::make_unique<GiocatoreVelto>()),
      calendario_(DataOraDiSistema) {
    auto aggiungi = [this](const char* nome, void (Tavolo::*passo)(), int intervallo) {
        return orologio_.AggiungiTimer(nome, [this, passo] {
            (this->*passo)();
            Notifica();
        }, intervallo);
    };
    timer_.DistribuisciCarte = aggiungi("TimerDistribuisciCarte", &Tavolo::TimerDistribuisciCarte_Timer, 450);
    timer_.AttesaDelPCaMuovere = aggiungi("TimerAttesaDelPCaMuovere", &Tavolo::TimerAttesaDelPCaMuovere_Timer, 500);
    timer_.AnimazionecarteH = aggiungi("TimerAnimazionecarteH", &Tavolo::TimerAnimazionecarteH_Timer, 40);
    timer_.AnimazionecartePC = aggiungi("TimerAnimazionecartePC", &Tavolo::TimerAnimazionecartePC_Timer, 40);
    timer_.UltimacartaH = aggiungi("TimerUltimacartaH", &Tavolo::TimerUltimacartaH_Timer, 550);
    timer_.EffettuaLaPresa = aggiungi("TimerEffettuaLaPresa", &Tavolo::TimerEffettuaLaPresa_Timer, 750);
    timer_.Prendicarte = aggiungi("TimerPrendicarte", &Tavolo::TimerPrendicarte_Timer, 100);
    timer_.Pesca = aggiungi("TimerPesca", &Tavolo::TimerPesca_Timer, 530);
    timer_.PescaUltimeDue = aggiungi("TimerPescaUltimeDue", &Tavolo::TimerPescaUltimeDue_Timer, 500);
    timer_.CommentiFinali = aggiungi("TimerCommentiFinali", &Tavolo::TimerCommentiFinali_Timer, 900);
    ctxPC_.TimerAttesaDelPCaMuovere = timer_.AttesaDelPCaMuovere;

    suoni_ = &suoniNulli_;
    musica_ = &musicaNulla_;
    blocchi_ = &blocchiNulli_;
    record_ = &recordInMemoria_;
    ImpostaGiocatorePC(nullptr);

    MostraNomeLivello();
    ApplicaOpzioni();
}

Tavolo::~Tavolo() = default;

void Tavolo::ImpostaGiocatorePC(GiocatorePC* giocatore) {
    pc_ = giocatore ? giocatore : pcProvvisorio_.get();
    // Collega once per player: a player adds its own timers to the clock there.
    for (const GiocatorePC* g : pcCollegati_)
        if (g == pc_) return;
    pcCollegati_.push_back(pc_);
    pc_->Collega(ctxPC_);
}
void Tavolo::ImpostaSuoni(SuoniECommenti* suoni) {
    suoni_ = suoni ? suoni : &suoniNulli_;
    suoni_->Collega(ctx_);
}
void Tavolo::ImpostaMusica(MusicaECerimonia* musica) {
    musica_ = musica ? musica : &musicaNulla_;
    musica_->Collega(ctx_);
}
void Tavolo::ImpostaBlocchiOpzioni(BlocchiOpzioni* blocchi) {
    blocchi_ = blocchi ? blocchi : &blocchiNulli_;
    blocchi_->Collega(ctx_);
}
void Tavolo::ImpostaRecord(RecordPartite* record) { record_ = record ? record : &recordInMemoria_; }
void Tavolo::ImpostaCalendario(Calendario calendario) {
    calendario_ = calendario ? std::move(calendario) : Calendario(DataOraDiSistema);
}

void Tavolo::ImpostaNomeGiocatore(const std::string& nome) {
    vista_.NomeH.testo = nome;
    dati_[1].testo = nome;
    dati_[1].visibile = true;
    Notifica();
}

void Tavolo::Notifica() {
    if (Cambiato) Cambiato();
}

void Tavolo::ApplicaOpzioni() {
    auto imposta = [this](OrologioVirtuale::Id id, int ms) {
        if (ms > 0 && orologio_.Intervallo(id) != ms) orologio_.ImpostaIntervallo(id, ms);
    };
    imposta(timer_.AttesaDelPCaMuovere, opzioni_.IntervalloRisposta());
    imposta(timer_.AnimazionecarteH, opzioni_.IntervalloAnimazione());
    imposta(timer_.AnimazionecartePC, opzioni_.IntervalloAnimazione());
    // "Presa automatica:" "No" leaves the interval to the take button (10 ms at its click).
    imposta(timer_.EffettuaLaPresa, opzioni_.IntervalloPresa());
    ApplicaPresentazioneOpzioni();
}

void Tavolo::ApplicaPresentazioneOpzioni() {
    // The back colour: the covered slots and the won-game dots.
    if (const ColoreNominato* retro = CercaColore(opzioni_[OpzColoreRetro])) {
        for (SlotGrafico& g : vista_.Slot)
            if (g.riempimento == vista_.ColoreRetro) g.riempimento = retro->retro;
        vista_.ColoreRetro = retro->retro;
    }
    vista_.NumeroColonnePallini = opzioni_.GiochiPerPartita();
    if (stato_.GiocoInCorso || !vista_.FineGioco.visibile) VisibilitaPunteggi(false);
    MostraNomeLivello();
    Notifica();
}

void Tavolo::VisibilitaPunteggi(bool tutti) {
    const std::string& v = opzioni_[OpzPunteggio];
    const bool h = tutti || v == "Tutti e due i Giocatori" || v == "Solo il Giocatore umano";
    const bool pc = tutti || v == "Tutti e due i Giocatori" || v == "Solo Mr. Velto";
    vista_.PuntiH.visibile = vista_.PuntiHScritta.visibile = h;
    vista_.PuntiPC.visibile = vista_.PuntiPCScritta.visibile = pc;
}

void Tavolo::ImpostaPunteggi() {
    vista_.PuntiH.testo = std::to_string(stato_.PuntiH);
    vista_.PuntiPC.testo = std::to_string(stato_.PuntiPC);
}

void Tavolo::MostraSlot(int slot) {
    SlotGrafico& s = vista_.Slot[slot];
    if (SlotScoperto(slot, opzioni_))
        Scopri(slot);
    else
        s.scoperta = false, s.riempimento = vista_.ColoreRetro;
    s.visibile = true;
}

void Tavolo::Scopri(int slot) {
    SlotGrafico& s = vista_.Slot[slot];
    s.scoperta = true;
    s.riempimento = colore::Bianco;
    s.bordo = BordoDelMazzo(opzioni_, vista_.BordoCarteOpzionali);
}

void Tavolo::Estrai(int slot) {
    stato_.ContatoreCarteEstratte = slot;
    if (EstraiACasoUnaCarta(stato_, stato_, slot, caso_) == 0) {
        ++corrente_.estrazioni[0];  // a draw from an empty deck: counted as an anomaly
        return;
    }
    ++corrente_.estrazioni[static_cast<std::size_t>(PosizioneNelMazzo(stato_.Carta[slot]))];
}

// ---- Input entry points -------------------------------------------------------------------------

bool Tavolo::ClickAccettato(int indice) const {
    return !vista_.EsciVisibile && stato_.NumeroCarteRimaste > -4 && indice >= 4 && indice <= 6 &&
           stato_.GiocoInCorso && stato_.PuoiGiocare && stato_.AChiTocca == Chi::H &&
           !orologio_.Abilitato(timer_.AnimazionecartePC) &&
           // an image that is hidden cannot be clicked, nor an empty slot
           vista_.Slot[indice].visibile && !stato_.Carta[indice].empty();
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
    musica_->ChiudiInno();
    NuovoGioco();
    Notifica();
}

void Tavolo::TastoInvio() { cmdContinuaOIniziaPartita_Click(); }

void Tavolo::cmdTornaAlGioco_Click() {
    stato_.InterdiciSuoni = false;
    NuovoGioco();
    Notifica();
}

}  // namespace mrvelto
