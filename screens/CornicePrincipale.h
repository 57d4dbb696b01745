// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window holds around the table: its start-up from the saved settings and records,
// the command menu and its panels, the records panel, the match display's layout and the exit.
// The table (game state, options, presentation) is the flow's Tavolo; this object reads and
// writes it at start-up and exit.
//
//   Tavolo tavolo(orologio, caso, calendario);
//   CornicePrincipale cornice(tavolo, orologio, radici, calendario);
//   cornice.Chiudi = [&] { window.close(); };
//   cornice.Avvio();                               // the window's start-up, steps 1..14
//   for (auto& testo : cornice.PrendiAvvisi()) ... // show each once
//   cornice.lblComandi_Click(3);                   // menu; cornice.Menu() / PannelloAlbo() to draw
//   cornice.RispostaSiUscita();                    // settings saved, TimerEsci armed
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/DataOra.h"
#include "game/Tavolo.h"
#include "records/Avvisi.h"
#include "records/CarteOpzionali.h"
#include "records/Impostazioni.h"
#include "records/Percorsi.h"
#include "records/RecordSuFile.h"
#include "screens/MenuComandi.h"
#include "screens/PagineRegole.h"
#include "screens/PannelloRecord.h"
#include "game/SegnapuntiPartita.h"
#include "screens/ScritteColonneDati.h"
#include "screens/UscitaProgramma.h"

namespace mrvelto {

// The start-up steps and menu effects that belong to other parts of the window (rules pages, data
// panel columns, music title, colours, impatience). They do nothing until those parts plug in.
class PassiCornice {
public:
    virtual ~PassiCornice() = default;
    virtual void SeminaCaso() {}                                      // step 1 (the production source seeds itself)
    virtual void MostraPaginaRegole(std::string_view caption) { (void)caption; }  // step 5
    // Step 6: the data panel's cells lblDati(i), lblDati(i+1) for i = 19, 25, ... 115 and the
    // headings lblScritteRecord(6) and (13) are shown only when the computer's cards are.
    virtual void MostraColonneCartePC(bool mostra) { (void)mostra; }
    virtual void MostraTitoloBrano(bool visibile) { (void)visibile; }  // step 8
    // Step 9: random colours and pattern (`casuali`), or the table and back colours of the options.
    virtual void Colori(bool casuali) { (void)casuali; }
    virtual void IntervalloImpazienza(int ms) { (void)ms; }           // step 13
    virtual void FermaImpazienza() {}                                 // a right panel opened
    virtual void AvviaImpazienza() {}                                 // a right panel closed, the human to play
};


class CornicePrincipale {
public:
    // `passi` may be nullptr (nothing done for those steps); it must outlive this object.
    // `orologio` is the table's clock (the exit's timer lives there); `calendario` the civil clock.
    CornicePrincipale(Tavolo& tavolo, OrologioVirtuale& orologio, const Radici& radici, Calendario calendario,
                      PassiCornice* passi = nullptr);
    CornicePrincipale(const CornicePrincipale&) = delete;
    CornicePrincipale& operator=(const CornicePrincipale&) = delete;
    ~CornicePrincipale();

    // The main window's start-up: settings, level name, saved panel, rules page, score display,
    // colours, records, optional deck, data panel heading, impatience, and the first deal. Plugs
    // the records into the table (its end of a match updates and saves them).
    void Avvio();

    // ---- Input.
    void lblComandi_Click(int k);
    Fuoco LstAlbo_Click() { return menu_.LstAlbo_Click(); }
    Fuoco cmdSetFocusAlbo();
    void PuntiPC_Click() { record_.PuntiPC_Click(); }
    // The window manager wants to close the window: ask, as "Esci" does. True when the window may
    // close now (TimerEsci has fired).
    bool ChiusuraRichiesta();
    // The exit question's answers: yes saves the settings and arms TimerEsci; no hides it.
    void RispostaSiUscita();
    void RispostaNoUscita();
    // The program must end now (a signal): the decided match and the settings are written as by
    // the yes (once, whatever the yes already did), then Chiudi is called.
    void EsciSubito() { uscita_.EsciSubito(); }
    // The review: the data panel shown at the left place; the entries that would take it away,
    // or open the right panels, disabled until the review ends (false).
    void MenuAnalisi(bool analisi);

    // ---- State to draw.
    const MenuComandi& Menu() const { return menu_; }
    PannelloRecord PannelloAlbo() const { return ComponiPannelloRecord(record_.Dati()); }
    const Record& DatiRecord() const { return record_.Dati(); }
    // The dot columns and strokes for the match length the table shows now.
    const SegnapuntiPartita& Segnapunti();
    const CarteOpzionali& Opzionali() const { return opzionali_; }
    const std::string& Continuaregole() const { return continuaregole_; }
    void ImpostaContinuaregole(std::string caption) { continuaregole_ = std::move(caption); }
    // The rules box: the link moves to its next caption and the box shows that page.
    void lblContinuaregole_Click();
    // Fills the box with the page the link names (start-up step 5 and after each click).
    void MostraPaginaRegole();
    const RiquadroRegole& Regole() const { return regole_; }
    // The data panel's column headings, as start-up step 6 left them.
    const ScritteRecord& lblScritteRecord() const { return scritteRecord_; }
    UscitaProgramma& Uscita() { return uscita_; }
    const UscitaProgramma& Uscita() const { return uscita_; }
    // Messages about data files, each to be shown once (taking them empties the list).
    std::vector<std::string> PrendiAvvisi() { return avvisi_.Prendi(); }
    Avvisi& AvvisiFile() { return avvisi_; }

    // ---- Files.
    const std::filesystem::path& PercorsoImpostazioni() const { return percorsoImpostazioni_; }
    Impostazioni ImpostazioniCorrenti();
    // Writes MVeImpo.txt from the window's state (the exit's yes does it).
    bool SalvaImpostazioni();
    RecordSuFile& Archivio() { return record_; }

    // Ends the program; called when TimerEsci fires. The front end sets it.
    std::function<void()> Chiudi;

private:
    void ApplicaImpostazioni(const Impostazioni& imp);

    Tavolo& tavolo_;
    Radici radici_;
    PassiCornice passiNulli_;
    PassiCornice* passi_;
    Calendario calendario_;
    Avvisi avvisi_;
    RecordSuFile record_;
    MenuComandi menu_;
    UscitaProgramma uscita_;
    CarteOpzionali opzionali_;
    SegnapuntiPartita segnapunti_ = DisposizioneSegnapunti(4);
    int colonneSegnapunti_ = 4;
    std::string continuaregole_ = "Clicca qui per continuare > 1";
    RiquadroRegole regole_;
    ScritteRecord scritteRecord_ = kScritteRecord0;
    std::filesystem::path percorsoImpostazioni_;
};

}  // namespace mrvelto
