// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's root: owns the clock, the random source, the calendar, the paths, the table with
// Mr. VELTO and the main window's logic, and knows which of its three modes is on. The windows
// draw it and forward input to it; the platform pumps its clock with real time.
//
//   Programma programma(ambiente, avvio);   // the real things come from platform/
//   programma.Avvia();                      // the main window's start-up and the first deal
//   ... programma.Tavolo_().ImgCarta_Click(5); programma.Cornice().lblComandi_Click(3);
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "audio/ImpiantoAudio.h"
#include "audio/Lettore.h"
#include "cards/Caso.h"
#include "game/Conduttore.h"
#include "game/DataOra.h"
#include "game/Giocatore.h"
#include "game/OrologioVirtuale.h"
#include "game/Tavolo.h"
#include "records/Percorsi.h"
#include "screens/Analisi.h"
#include "screens/CornicePrincipale.h"
#include "screens/FinestraIniziale.h"
#include "screens/PannelloOpzioni.h"
#include "table/VociOpzioni.h"

namespace mrvelto {

// Avvio: the start-up window (name, symbols, theme tune); Gioco: the table; Analisi: the review
// of a saved or just-finished game.
enum class Modo { Avvio, Gioco, Analisi };

// What the program takes from outside the core.
struct AmbienteProgramma {
    // The random source, given the program's clock (a seeded source reads its minute and second).
    std::function<std::unique_ptr<FonteCasuale>(const OrologioVirtuale&)> caso;
    Calendario calendario;
    Radici radici;
    // The sound engine's players; a missing one is silent (every timer runs the same).
    std::unique_ptr<Lettore> effetti, musica, inno, sigla;
};

// How this run starts.
struct AvvioProgramma {
    std::string nome = "Giocatore";
    bool autoplay = false;  // a built-in player clicks for the human
    std::uint64_t semeAutoplay = 0;
    int partite = 0;        // with autoplay: matches to play before leaving (0 = no limit)
    bool finestraIniziale = false;  // open on the start-up window (the autoplay types `nome` there)
};

// The end-of-game frame's links.
inline constexpr std::string_view kLinkApri = "- Apri un Gioco già salvato";
inline constexpr std::string_view kLinkRivedi = "- Rivedi il Gioco appena concluso";
inline constexpr std::string_view kLinkSalva = "- Salva il Gioco appena concluso";

// The data panel's note lblSpiegaPannelloDati.
inline constexpr std::string_view kSpiegaPannelloDati =
    "Al termine di ciascun Gioco potrai azionare i pulsanti (di caricamento e salvataggio dati) che appariranno su questo Pannello";

// The review's buttons on the data panel.
struct PulsantiAnalisi {
    bool cmdInizioAnalisi = false, cmdTornaAlGioco = false, cmdScegliManche = false, cmdLoad = false, cmdSave = false;
};

class Programma {
public:
    Programma(AmbienteProgramma ambiente, AvvioProgramma avvio);
    ~Programma();
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;

    // The program's start: the start-up window when this run asks for it, otherwise straight to
    // the main window's start-up (settings, records, the first deal) and mode Gioco.
    void Avvia();

    // ---- The start-up window (mode Avvio).
    // nullptr unless this run opens on the start-up window.
    FinestraIniziale* Iniziale() { return iniziale_.get(); }
    const FinestraIniziale* Iniziale() const { return iniziale_.get(); }
    char SessoGiocatore() const { return SessoGiocatore_; }

    // ---- The archive and the review (mode Analisi).
    // The platform's file dialog: save (true) or open, with the proposed file; nullopt = cancelled.
    std::function<std::optional<std::filesystem::path>(bool salva, const std::filesystem::path& proposto)> DialogoFile;
    // A message for the player (a file refused, a failed save).
    std::function<void(const std::string&)> Messaggio;
    // The mode changed (the front end shows the other window, the review's buttons).
    std::function<void()> CambioModo;
    // The end-of-game frame's links.
    void lblApri_Click();    // review mode, then load
    void lblRivedi_Click();  // review the game just played
    void lblSalva_Click();   // save without entering review mode
    // The three links are shown with the end-of-game frame, in play only.
    bool LinkFineGiocoVisibili() const { return modo_ == Modo::Gioco && tavolo_->Vista().FineGioco.visibile; }
    // The data panel's buttons.
    void cmdSave_Click() { SalvaPartita(); }
    void cmdLoad_Click();
    void cmdInizioAnalisi_Click();
    void cmdScegliManche_Click();
    void cmdTornaAlGioco_Click();
    // Enter: the start-up window's "OK", a review step, or the table's continue.
    void TastoInvio();
    // SalvaPartita's default name, in the archive folder.
    std::filesystem::path PercorsoPredefinito() const;
    Analisi& Analisi_() { return *analisi_; }
    const Analisi& Analisi_() const { return *analisi_; }
    const PulsantiAnalisi& Pulsanti() const { return pulsanti_; }
    // The note on the data panel and the review's instruction.
    bool SpiegaPannelloDatiVisibile() const { return modo_ == Modo::Analisi; }
    void TimerCaricaPartita_Timer();

    Modo ModoCorrente() const { return modo_; }
    OrologioVirtuale& Orologio() { return orologio_; }
    Tavolo& Tavolo_() { return *tavolo_; }
    const Tavolo& Tavolo_() const { return *tavolo_; }
    CornicePrincipale& Cornice() { return *cornice_; }
    const CornicePrincipale& Cornice() const { return *cornice_; }
    const AvvioProgramma& Avvio() const { return avvio_; }
    PannelloOpzioni& Opzioni_() { return *pannelloOpzioni_; }
    const PannelloOpzioni& Opzioni_() const { return *pannelloOpzioni_; }
    VociOpzioni& Voci() { return *voci_; }
    ImpiantoAudio& Audio() { return *audio_; }
    const ImpiantoAudio& Audio() const { return *audio_; }

    // ---- Autoplay (nothing without it).
    // One action of the built-in player if the table accepts one now; true if it acted.
    bool AgisciAutomatico();
    // One event: the built-in player's action, or else the clock's next step (time jumps to it).
    // False when nothing can happen any more.
    bool PassoAutomatico();
    // The built-in player has played its matches: the exit question is answered yes (settings
    // written) and the exit's timer armed. Checked after each automatic action or step.
    bool AutoplayConcluso() const { return concluso_; }

    // Ends the program; the front end sets it (called when the exit's timer fires).
    std::function<void()> Chiudi;
    // The program must end now (a signal): at the table, as the exit's yes would leave it (the
    // decided match and the settings written) but without waiting; Chiudi is called either way.
    void EsciSubito();

private:
    void ControllaFineAutoplay();
    void EntraNelGioco(const std::string& nome, char sesso);
    void EntraInAnalisi();
    void MusicaAnalisi();
    void SalvaPartita();
    void CambiaModo(Modo m);
    bool DigitaNome();  // autoplay in the start-up window: one key

    AvvioProgramma avvio_;
    OrologioVirtuale orologio_;
    std::unique_ptr<FonteCasuale> caso_;
    Calendario calendario_;
    Radici radici_;
    std::unique_ptr<Giocatore> velto_;
    std::unique_ptr<Tavolo> tavolo_;
    std::array<std::unique_ptr<Lettore>, 4> lettori_;  // effects, music, anthem, theme
    std::unique_ptr<ImpiantoAudio> audio_;
    std::unique_ptr<VociOpzioni> voci_;
    std::unique_ptr<PassiCornice> passi_;
    std::unique_ptr<CornicePrincipale> cornice_;
    std::unique_ptr<PannelloOpzioni> pannelloOpzioni_;
    std::unique_ptr<Giocatore> automatico_;
    std::unique_ptr<Conduttore> conduttore_;
    std::unique_ptr<FinestraIniziale> iniziale_;
    std::unique_ptr<Analisi> analisi_;
    OrologioVirtuale::Id timerCaricaPartita_ = -1;
    PulsantiAnalisi pulsanti_;
    char SessoGiocatore_ = 'M';
    std::string nomeGiocatore_;   // H goes back to it after reviewing someone else's game
    int tastiDigitati_ = -1;      // autoplay: keys typed in the start-up window (-1: none yet)
    Modo modo_ = Modo::Avvio;
    bool concluso_ = false;
};

}  // namespace mrvelto
