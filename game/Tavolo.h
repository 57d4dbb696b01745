#pragma once
// The main window's logic: owns the game state, the option values, the
// presentation state and the data panel, registers the flow's named timers on the virtual clock
// and wires each to its step. The front end draws Vista() and Dati() and
// forwards clicks to the input entry points; the seams (computer player, sounds, music and
// ceremony, option locks, records) are plugged in from outside.
//
//   OrologioVirtuale orologio;                 // pumped by real time (Qt) or event to event (sim)
//   auto caso = CasoDiSistema();               // or CasoConSeme(seed, OraDaOrologioVirtuale(orologio))
//   Tavolo tavolo(orologio, *caso);            // options at their initial values
//   tavolo.ImpostaNomeGiocatore("Mario");
//   tavolo.Avvia();                            // shuffles and arms the deal of the first game
//   ... tavolo.ImgCarta_Click(5); tavolo.cmdEffettuaLaPresa_Click(); tavolo.TastoInvio();
//
// Every step runs from the clock's dispatch or from an input call, one at a time; after either,
// the front end redraws (the Cambiato hook is called at the end of each).
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/PorteAudio.h"
#include "cards/Caso.h"
#include "game/ContestoTavolo.h"
#include "game/DataOra.h"
#include "game/OrologioVirtuale.h"
#include "game/PannelloDati.h"
#include "game/Presentazione.h"
#include "game/StatoGioco.h"
#include "player/GiocatorePC.h"
#include "game/PortaRecord.h"
#include "game/Opzioni.h"
#include "game/PortaOpzioni.h"

namespace mrvelto {

// The flow's timers on the clock.
struct TimerTavolo {
    OrologioVirtuale::Id DistribuisciCarte = -1;    // 450 ms, 8 firings
    OrologioVirtuale::Id AttesaDelPCaMuovere = -1;  // by Opzione[19] (500 at start)
    OrologioVirtuale::Id AnimazionecarteH = -1;     // by Opzione[6] (40 at start)
    OrologioVirtuale::Id AnimazionecartePC = -1;
    OrologioVirtuale::Id UltimacartaH = -1;         // 550
    OrologioVirtuale::Id EffettuaLaPresa = -1;      // by Opzione[14] (750 at start); 10 after the button
    OrologioVirtuale::Id Prendicarte = -1;          // copies AnimazionecartePC's interval (100 at start)
    OrologioVirtuale::Id Pesca = -1;                // 530, 2 firings
    OrologioVirtuale::Id PescaUltimeDue = -1;       // 500, 2 firings
    OrologioVirtuale::Id CommentiFinali = -1;       // 900
};

// What a finished game looked like; handed to AlTermineDelGioco (simulator checks, autoplay).
struct EsitoGioco {
    int PuntiH = 0;
    int PuntiPC = 0;
    int Vincitore = 0;             // as it was at ConcludiGioco: 2 human, 1 computer, 0 nobody
    Chi UltimoVincitore = Chi::Nessuno;
    int prese = 0;                 // tricks taken in the game
    int NumeroCarteRimaste = 0;    // at the end: -6 after 20 tricks
    std::array<int, 41> estrazioni{};  // per deck position 1..40: times dealt or drawn this game
    bool partitaFinita = false;    // this game ended the match
    int PartiteH = 0;
    int PartitePC = 0;
    Chi GiocoIniziatoDa = Chi::H;
    Millisecondi inizio = 0;       // virtual time of the set-up and of the end
    Millisecondi fine = 0;
};

class Tavolo {
public:
    Tavolo(OrologioVirtuale& orologio, FonteCasuale& caso, Opzioni opzioni = Opzioni{});
    ~Tavolo();
    Tavolo(const Tavolo&) = delete;
    Tavolo& operator=(const Tavolo&) = delete;

    // ---- Seams. Not owned: each must outlive the table. nullptr puts back the built-in default
    // (Mr. VELTO, player/GiocatoreVelto.h; silent sounds; no ceremony; no locks; match count in
    // memory). A computer player is connected (GiocatorePC::Collega) once, the first time it is set.
    void ImpostaGiocatorePC(GiocatorePC* giocatore);
    void ImpostaSuoni(SuoniECommenti* suoni);
    void ImpostaMusica(MusicaECerimonia* musica);
    void ImpostaBlocchiOpzioni(BlocchiOpzioni* blocchi);
    void ImpostaRecord(RecordPartite* record);
    // The civil clock of the heading lines and the records (default: the system's local time).
    void ImpostaCalendario(Calendario calendario);

    // The human's name: label H and data cell 1.
    void ImpostaNomeGiocatore(const std::string& nome);

    // Start of the main window (the last step of its start-up): sets up the first game as NuovoGioco does
    // (shuffle, deal armed) without touching the match counts.
    void Avvia();
    // Re-reads the options that set timer intervals (response speed, take speed, animation) and
    // the presentation they drive (scores, won-game columns). The options panel calls it.
    void ApplicaOpzioni();
    // Only that presentation: the window's start-up, whose intervals are the saved ones.
    void ApplicaPresentazioneOpzioni();

    // ---- Input entry points.
    // Click on card image `indice` (1..8). Ignored unless every guard of the human move holds.
    void ImgCarta_Click(int indice);
    // The guard of ImgCarta_Click step 1, for the front end (cursor) and the reference opponents.
    bool ClickAccettato(int indice) const;
    // Click on the take button: arms the take at 10 ms unless the take is already armed.
    void cmdEffettuaLaPresa_Click();
    // Click on the end-of-game frame's button (refused while a sound or comment plays).
    void cmdContinuaOIniziaPartita_Click();
    // The Enter key: continues from the end-of-game frame while it is shown and its button enabled.
    void TastoInvio();
    // cmdTornaAlGioco of the archive and data panels.
    void cmdTornaAlGioco_Click();

    // ---- State.
    StatoGioco& Stato() { return stato_; }
    const StatoGioco& Stato() const { return stato_; }
    Opzioni& Opz() { return opzioni_; }
    const Opzioni& Opz() const { return opzioni_; }
    const Presentazione& Vista() const { return vista_; }
    Presentazione& Vista() { return vista_; }
    const PannelloDati& Dati() const { return dati_; }
    PannelloDati& Dati() { return dati_; }
    const TimerTavolo& Timer() const { return timer_; }
    OrologioVirtuale& Orologio() { return orologio_; }
    const OrologioVirtuale& Orologio() const { return orologio_; }
    FonteCasuale& Caso() { return caso_; }
    ContestoPC& ContestoGiocatore() { return ctxPC_; }

    // Counters for drivers and tests (not part of the game's own state).
    std::uint64_t GiochiConclusi() const { return giochiConclusi_; }
    std::uint64_t PartiteConcluse() const { return partiteConcluse_; }
    // The running game's audit: tricks taken and cards dealt or drawn so far.
    const EsitoGioco& GiocoCorrente() const { return corrente_; }
    // Steps that found nothing to do where the flow guarantees something (no card to play, no
    // complete trick, a draw from an exhausted deck): always 0 in a sound flow.
    std::uint64_t Anomalie() const { return anomalie_ + static_cast<std::uint64_t>(corrente_.estrazioni[0]); }
    // The award ceremony is running (MostraFineGioco waits for it).
    bool CerimoniaInCorso() const { return cerimoniaInCorso_; }

    // Hooks. AlTermineDelGioco runs in ConcludiGioco after AggiornaPartita; Cambiato at the end of
    // every step and input call.
    std::function<void(const EsitoGioco&)> AlTermineDelGioco;
    std::function<void()> Cambiato;

    // ---- The steps (public so that tests can drive them; normally run by the clock).
    void TimerDistribuisciCarte_Timer();
    void TimerAttesaDelPCaMuovere_Timer();
    void TimerAnimazionecarteH_Timer();
    void TimerAnimazionecartePC_Timer();
    void TimerUltimacartaH_Timer();
    void TimerEffettuaLaPresa_Timer();
    void TimerPrendicarte_Timer();
    void TimerPesca_Timer();
    void TimerPescaUltimeDue_Timer();
    void TimerCommentiFinali_Timer();

    // The game's named procedures.
    void GiocaCartaPC();
    void GiocaUltimaCartaH();
    void GiocaUltimaCartaPC();
    void ScegliUltimaCartaPC();
    void AvviaRispostaPC();
    void ConcludiGioco();
    void AggiornaPartita();
    void MostraFineGioco();
    void NuovoGioco();
    void MostraNomeLivello();

private:
    void Notifica();
    // Human move after the guards: the card leaves the hand for the table.
    void GiocaCartaH(int indice);
    // Human move, the part after the card reached the table (steps 5.1 / 5.2).
    void DopoMossaH();
    // Computer move reached the table: the take or nothing.
    void DopoMossaPCArrivata();
    void AvviaPresa();  // take button or TimerEffettuaLaPresa by Opzione[14]
    void DispatchDopoPresa();
    void FinePresa();   // RiponiCarteGiocate, empty played slots, dispatch
    void FinePesca();
    int SlotCheRiceve();  // the hand slot that receives this firing's card
    void PescaFinita();   // data cells of the drawn cards, played slots forgotten
    void Estrai(int slot);
    void MostraSlot(int slot);  // a freshly dealt or drawn card: face or back by the rules
    void Scopri(int slot);      // face up (fill white, the deck's image border)
    void ImpostaPunteggi();
    void VisibilitaPunteggi(bool tutti);
    void ImpostaGioco(bool primo);

    OrologioVirtuale& orologio_;
    FonteCasuale& caso_;
    StatoGioco stato_;
    Opzioni opzioni_;
    Presentazione vista_;
    PannelloDati dati_;
    TimerTavolo timer_;
    ContestoPC ctxPC_;
    ContestoTavolo ctx_;

    std::unique_ptr<GiocatorePC> pcProvvisorio_;
    SuoniECommenti suoniNulli_;
    MusicaECerimonia musicaNulla_;
    BlocchiOpzioni blocchiNulli_;
    RecordInMemoria recordInMemoria_;
    GiocatorePC* pc_ = nullptr;
    std::vector<const GiocatorePC*> pcCollegati_;
    SuoniECommenti* suoni_ = nullptr;
    MusicaECerimonia* musica_ = nullptr;
    BlocchiOpzioni* blocchi_ = nullptr;
    RecordPartite* record_ = nullptr;
    Calendario calendario_;

    bool cerimoniaInCorso_ = false;
    std::uint64_t anomalie_ = 0;
    std::uint64_t giochiConclusi_ = 0;
    std::uint64_t partiteConcluse_ = 0;
    EsitoGioco corrente_;
};

}  // namespace mrvelto
