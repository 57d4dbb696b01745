// SPDX-License-Identifier: GPL-3.0-or-later
// The table object: construction, timer wiring, seams, options and the input entry points.
// The steps live in Distribuzione.cpp (deal), Mosse.cpp (moves and their movement),
// PresaEPesca.cpp (take and draw) and FineGioco.cpp (end of game and match, new game); what
// each does to the game state is in the rules units (RegoleDistribuzione, RegoleMossa,
// RegolePresa, RegoleFineGioco), which the steps call before they show and schedule.
#include "game/Tavolo.h"

#include "game/AspettoCarte.h"
#include "game/RegoleMossa.h"

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
      primaCarta_(std::make_unique<PrimaCarta>()),
      timer_(orologio, Passi()) {
    musica_ = &musicaNulla_;
    blocchi_ = &blocchiNulli_;
    record_ = &recordInMemoria_;
    pc_ = primaCarta_.get();

    MostraNomeLivello();
    ApplicaOpzioni();
}

Tavolo::~Tavolo() = default;

TimerTavolo::Passi Tavolo::Passi() {
    // Each step holds only the table's address: small enough for std::function to keep in place,
    // so the clock copies it at every firing without allocating.
    TimerTavolo::Passi p;
    p.DistribuisciCarte = [this] { PassoDelTimer<&Tavolo::TimerDistribuisciCarte_Timer>(); };
    p.AttesaDelPCaMuovere = [this] { PassoDelTimer<&Tavolo::TimerAttesaDelPCaMuovere_Timer>(); };
    p.AnimazionecarteH = [this] { PassoDelTimer<&Tavolo::TimerAnimazionecarteH_Timer>(); };
    p.AnimazionecartePC = [this] { PassoDelTimer<&Tavolo::TimerAnimazionecartePC_Timer>(); };
    p.UltimacartaH = [this] { PassoDelTimer<&Tavolo::TimerUltimacartaH_Timer>(); };
    p.EffettuaLaPresa = [this] { PassoDelTimer<&Tavolo::TimerEffettuaLaPresa_Timer>(); };
    p.Prendicarte = [this] { PassoDelTimer<&Tavolo::TimerPrendicarte_Timer>(); };
    p.Pesca = [this] { PassoDelTimer<&Tavolo::TimerPesca_Timer>(); };
    p.PescaUltimeDue = [this] { PassoDelTimer<&Tavolo::TimerPescaUltimeDue_Timer>(); };
    p.CommentiFinali = [this] { PassoDelTimer<&Tavolo::TimerCommentiFinali_Timer>(); };
    p.ValoreAggiuntivo = [this] { PassoDelTimer<&Tavolo::TimerValoreAggiuntivo_Timer>(); };
    return p;
}

void Tavolo::ImpostaGiocatorePC(Giocatore* giocatore) { pc_ = giocatore ? giocatore : primaCarta_.get(); }
void Tavolo::ImpostaMusica(MusicaECerimonia* musica) { musica_ = musica ? musica : &musicaNulla_; }
void Tavolo::ImpostaBlocchiOpzioni(BlocchiOpzioni* blocchi) { blocchi_ = blocchi ? blocchi : &blocchiNulli_; }
void Tavolo::ImpostaRecord(RecordPartite* record) { record_ = record ? record : &recordInMemoria_; }

void Tavolo::Pubblica(const Evento& e) {
    pc_->Osserva(e, VistaPigra(stato_, Chi::PC, *pc_));
    eventi_.Pubblica(e);
}

void Tavolo::Notifica() { eventi_.Pubblica(evento::PassoConcluso{}); }

void Tavolo::ImpostaOpzione(int n, const Opzioni& valori) {
    opzioni_.Copia(n, valori);
    ApplicaOpzione(n);
    schermo_.MostraOpzioneSulleCarte(n, stato_, opzioni_);
    if (n == OpzMostraCarte && stato_.PartitaInCorso) SegnaSbirciata();
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
    schermo_.ImpostaNomeGiocatore(nome);
    Notifica();
}

void Tavolo::ApplicaOpzioni() {
    for (int n = 0; n < kNumeroOpzioni; ++n) ApplicaOpzione(n);
    Notifica();
}

// What option `n` drives. A changed option applies only its own effects, so that the intervals a
// settings file restored stay as they were until the option behind them changes.
void Tavolo::ApplicaOpzione(int n) {
    timer_.ApplicaOpzione(n, opzioni_);
    schermo_.ApplicaOpzione(n, opzioni_, stato_.GiocoInCorso);
}

void Tavolo::ImpostaIntestazioneDati(std::string riga1, std::string riga2) {
    schermo_.ImpostaIntestazioneDati(std::move(riga1), std::move(riga2));
}

void Tavolo::AvviaImpazienza() { Pubblica(evento::TurnoUmanoIniziato{}); }
void Tavolo::FermaImpazienza() { Pubblica(evento::TurnoUmanoFinito{}); }

void Tavolo::SegnaSbirciata() {
    if (mrvelto::SegnaSbirciata(stato_, opzioni_)) Pubblica(evento::Sbirciata{});
}

// Position 0 is a draw from an empty deck: counted as an anomaly.
void Tavolo::ContaEstrazione(int posizione) { ++corrente_.estrazioni[static_cast<std::size_t>(posizione)]; }

// ---- Input entry points -------------------------------------------------------------------------

bool Tavolo::ClickAccettato(int indice) const {
    const Presentazione& vista = schermo_.Vista();
    return UmanoPuoGiocare(stato_, indice) && !vista.EsciVisibile && !orologio_.Abilitato(timer_.AnimazionecartePC) &&
           vista.Slot[indice].visibile;  // an image that is hidden cannot be clicked
}

void Tavolo::cmdEffettuaLaPresa_Click() {
    if (!Vista().cmdEffettuaLaPresa.visibile || orologio_.Abilitato(timer_.EffettuaLaPresa)) return;
    schermo_.PulsantePresa(false);
    orologio_.ImpostaIntervallo(timer_.EffettuaLaPresa, 10);
    orologio_.Abilita(timer_.EffettuaLaPresa, true);
    Notifica();
}

void Tavolo::cmdContinuaOIniziaPartita_Click() {
    const Etichetta& pulsante = Vista().FineGioco.cmdContinuaOIniziaPartita;
    if (!Vista().FineGioco.visibile || !pulsante.abilitata || stato_.InterdiciSuoni) return;
    orologio_.Abilita(timer_.CommentiFinali, false);
    Pubblica(evento::ContinuaDopoFineGioco{});
    NuovoGioco();
    Notifica();
}

void Tavolo::TastoInvio() { cmdContinuaOIniziaPartita_Click(); }

void Tavolo::CaricaPannelloDati(const PannelloDati& dati) {
    schermo_.CaricaPannelloDati(dati);
    Notifica();
}

void Tavolo::ImpostaCellaDati(int i, std::string testo, Colore sfondo) {
    schermo_.ImpostaCellaDati(i, std::move(testo), sfondo);
    Notifica();
}

void Tavolo::ColoraTestoDati(int i, Colore coloreTesto) {
    schermo_.ColoraTestoDati(i, coloreTesto);
    Notifica();
}

void Tavolo::cmdTornaAlGioco_Click() {
    stato_.InterdiciSuoni = false;
    NuovoGioco();
    Notifica();
}

}  // namespace mrvelto
