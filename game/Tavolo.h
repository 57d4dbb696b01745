// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's table: owns the game state, the option values, the presentation state and the
// data panel, registers the flow's named timers on the clock and wires each to its step. What
// happened is published on Eventi(); the computer player answers through the Giocatore port; the
// ceremony, the option locks and the records answer through their ports. Everything else reads
// the table through its const accessors and acts through its named input and commands.
//
//   OrologioVirtuale orologio;                          // pumped by real time or event to event
//   CasoConSeme caso(seme, OraDaOrologioVirtuale(orologio));
//   Tavolo tavolo(orologio, caso, calendario);          // options at their initial values
//   tavolo.ImpostaGiocatorePC(&velto);
//   auto iscrizione = tavolo.Eventi().Iscrivi([](const Evento& e) { ... });
//   tavolo.Avvia();                                     // shuffles and arms the deal of the first game
//   ... tavolo.ImgCarta_Click(5); tavolo.cmdEffettuaLaPresa_Click(); tavolo.TastoInvio();
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cards/Caso.h"
#include "game/DataOra.h"
#include "game/Eventi.h"
#include "game/Giocatore.h"
#include "game/Opzioni.h"
#include "game/OrologioVirtuale.h"
#include "game/PannelloDati.h"
#include "game/PortaOpzioni.h"
#include "game/PortaRecord.h"
#include "game/PortaCerimonia.h"
#include "game/Presentazione.h"
#include "game/StatoGioco.h"
#include "game/TimerTavolo.h"
#include "game/VistaTavolo.h"

namespace mrvelto {

// What a finished game looked like; published with evento::GiocoConcluso.
struct EsitoGioco {
    int PuntiH = 0;
    int PuntiPC = 0;
    Chi Vincitore = Chi::Nessuno;  // as it was at ConcludiGioco: who passed 60
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
    Tavolo(OrologioVirtuale& orologio, FonteCasuale& caso, Calendario calendario, Opzioni opzioni = Opzioni{});
    ~Tavolo();
    Tavolo(const Tavolo&) = delete;
    Tavolo& operator=(const Tavolo&) = delete;

    // ---- Ports. Not owned: each must outlive the table. nullptr puts back the built-in default
    // (the computer plays its first card; no ceremony; no locks; match count in memory).
    void ImpostaGiocatorePC(Giocatore* giocatore);
    void ImpostaMusica(MusicaECerimonia* musica);
    void ImpostaBlocchiOpzioni(BlocchiOpzioni* blocchi);
    void ImpostaRecord(RecordPartite* record);

    // What happened, in order. The computer's player hears each event first.
    CanaleEventi& Eventi() { return eventi_; }

    // The human's name: label H and data cell 1.
    void ImpostaNomeGiocatore(const std::string& nome);

    // Start of the main window (the last step of its start-up): sets up the first game as NuovoGioco does
    // (shuffle, deal armed) without touching the match counts.
    void Avvia();

    // ---- Commands of the window around the table.
    // An option changed in the options panel: its value, then what it drives (timer intervals,
    // scores, dot columns, colours) and what it shows at once on the cards (deck style, back
    // pattern, the computer's cards shown or covered, the peek flag).
    // Option `n` takes its value from `valori`.
    void ImpostaOpzione(int n, const Opzioni& valori);
    // An option written by the random graphic variations: its value and its colours only; a new
    // pattern shows when a slot is next covered.
    void VariaOpzione(int n, const Opzioni& valori);
    // The optional deck's border flag, read with the deck at start-up.
    void ImpostaBordoCarteOpzionali(int bordo) { schermo_.ImpostaBordoCarteOpzionali(bordo); }
    // The settings read at start-up: the options as saved, applied but for the timer intervals,
    // which the settings file keeps on its own lines (RipristinaIntervalli).
    void RipristinaOpzioni(const Opzioni& opzioni);
    // Applies every option: the timer intervals they set (response speed, take speed,
    // animation) and the presentation they drive (scores, back colour, won-game columns, level).
    void ApplicaOpzioni();
    // Applies what option `n` alone drives.
    void ApplicaOpzione(int n);
    // The timer intervals kept in the settings file, restored as they were saved.
    using IntervalliSalvati = TimerTavolo::IntervalliSalvati;
    void RipristinaIntervalli(const IntervalliSalvati& intervalli) { timer_.Ripristina(intervalli); }
    // The score labels' visibility as the settings file kept it.
    using PunteggiVisibili = VistaTavolo::PunteggiVisibili;
    void RipristinaPunteggi(const PunteggiVisibili& p) { schermo_.RipristinaPunteggi(p); }
    // The data panel's two heading lines.
    void ImpostaIntestazioneDati(std::string riga1, std::string riga2);
    // The peek flag as the settings file kept it.
    void RipristinaSbirciata(bool sbirciata) { stato_.Sbirciata = sbirciata; }
    // Who leads the first game (before Avvia).
    void ImpostaChiIniziaIlPrimoGioco(Chi chi) { stato_.GiocoIniziatoDa = chi; }
    // The exit question is shown: card clicks are refused meanwhile.
    void ImpostaDomandaUscita(bool visibile) { schermo_.ImpostaDomandaUscita(visibile); }
    // The program is ending: a decided match whose end-of-game frame has not run yet (the ceremony
    // still plays) goes into the records now. Does nothing otherwise; the frame will not repeat it.
    void RegistraPartitaConclusa();
    // A sound or comment is playing / has ended (the end-of-game frame waits for it).
    void ImpostaInterdiciSuoni(bool si) { stato_.InterdiciSuoni = si; }
    // The opening comment of this deal has had its turn (the deal clears it at its end).
    void SegnaCommentoIniziale() { stato_.CommentoIniziale = true; }

    // ---- Input entry points.
    // Click on card image `indice` (1..8). Ignored unless every guard of the human move holds.
    void ImgCarta_Click(int indice);
    // The guard of ImgCarta_Click step 1, for the front end (cursor) and the drivers.
    bool ClickAccettato(int indice) const;
    // Click on the take button: arms the take at 10 ms unless the take is already armed.
    void cmdEffettuaLaPresa_Click();
    // Click on the end-of-game frame's button (refused while a sound or comment plays).
    void cmdContinuaOIniziaPartita_Click();
    // The Enter key: continues from the end-of-game frame while it is shown and its button enabled.
    void TastoInvio();
    // cmdTornaAlGioco of the archive and data panels.
    void cmdTornaAlGioco_Click();
    // A saved game loaded for review: its data panel whole (text colours set again) and its
    // player's name on H.
    void CaricaPannelloDati(const PannelloDati& dati);
    // The review writes its progress in the data panel ("Fine Analisi" in cell 14).
    void ImpostaCellaDati(int i, std::string testo, Colore sfondo);
    // ... and marks a cell by its text colour (shown, never saved).
    void ColoraTestoDati(int i, Colore coloreTesto);

    // ---- State, read-only.
    const StatoGioco& Stato() const { return stato_; }
    const Opzioni& Opz() const { return opzioni_; }
    const Presentazione& Vista() const { return schermo_.Vista(); }
    const PannelloDati& Dati() const { return schermo_.Dati(); }
    const TimerTavolo& Timer() const { return timer_; }
    const OrologioVirtuale& Orologio() const { return orologio_; }

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

    // ---- The steps (public so that tests can drive them; normally run by the clock).
    void TimerDistribuisciCarte_Timer();
    void TimerAttesaDelPCaMuovere_Timer();
    void TimerValoreAggiuntivo_Timer();
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
    // Each timer's step, followed by the end-of-step notice.
    TimerTavolo::Passi Passi();
    template <void (Tavolo::*Passo)()>
    void PassoDelTimer() {
        (this->*Passo)();
        Notifica();
    }
    void Pubblica(const Evento& e);
    void Notifica();
    // The computer's choice for the stage now, into CartaPCDaGiocare.
    void SceltaPC();
    // While the stock lasts the choice completes 10 ms later, on TimerValoreAggiuntivo.
    void ArmaValoreAggiuntivo();
    // The end of a choice: the computer's move armed; the game and the match are in progress.
    void ArmaMossa();
    // Human move after the guards: the card leaves the hand for the table.
    void GiocaCartaH(int indice);
    // Human move, the part after the card reached the table (steps 5.1 / 5.2).
    void DopoMossaH();
    void AvviaPresa();  // take button or TimerEffettuaLaPresa by Opzione[14]
    void DispatchDopoPresa();
    void FinePresa();   // RiponiCarteGiocate, empty played slots, dispatch
    void FinePesca();     // data cells of the drawn cards, played slots forgotten
    void PescaFinita();   // the human may play when it is his turn
    void ContaEstrazione(int posizione);  // into the running game's audit
    void ImpostaGioco(bool primo);
    void AvviaImpazienza();
    void FermaImpazienza();
    void SegnaSbirciata();

    OrologioVirtuale& orologio_;
    FonteCasuale& caso_;
    Calendario calendario_;
    StatoGioco stato_;
    Opzioni opzioni_;
    VistaTavolo schermo_;
    CanaleEventi eventi_;

    std::unique_ptr<Giocatore> primaCarta_;
    MusicaECerimonia musicaNulla_;
    BlocchiOpzioni blocchiNulli_;
    RecordInMemoria recordInMemoria_;
    Giocatore* pc_ = nullptr;
    MusicaECerimonia* musica_ = nullptr;
    BlocchiOpzioni* blocchi_ = nullptr;
    RecordPartite* record_ = nullptr;

    bool cerimoniaInCorso_ = false;
    bool partitaDaRegistrare_ = false;  // a match was decided and is not in the records yet
    std::uint64_t anomalie_ = 0;
    std::uint64_t giochiConclusi_ = 0;
    std::uint64_t partiteConcluse_ = 0;
    EsitoGioco corrente_;
    // Last: registered once the table is whole, released before anything else goes.
    TimerTavolo timer_;
};

}  // namespace mrvelto
