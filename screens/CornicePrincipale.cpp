// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/CornicePrincipale.h"

#include <algorithm>

#include "game/LinkRegole.h"
#include "game/TestoDataOra.h"

namespace mrvelto {

namespace {

// What a click on the take button sets on TimerEffettuaLaPresa.
constexpr int kIntervalloPresaDelPulsante = 10;

}  // namespace


CornicePrincipale::CornicePrincipale(Tavolo& tavolo, OrologioVirtuale& orologio, const Radici& radici, Calendario calendario,
                                     PassiCornice* passi)
    : tavolo_(tavolo),
      radici_(radici),
      passi_(passi ? passi : &passiNulli_),
      calendario_(std::move(calendario)),
      record_(radici, avvisi_),
      uscita_(orologio, [this] {
          // A match decided during the ceremony is not lost to the exit.
          tavolo_.RegistraPartitaConclusa();
          SalvaImpostazioni();
      }, [this] {
          if (Chiudi) Chiudi();
      }),
      percorsoImpostazioni_(MappaPercorso(kFileImpostazioni, radici)) {}

CornicePrincipale::~CornicePrincipale() {
    // Torn down some other way than by the exit: a decided match still reaches the records.
    tavolo_.RegistraPartitaConclusa();
    // The table outlives us in some owners: it must not keep a pointer to our records.
    tavolo_.ImpostaRecord(nullptr);
}

void CornicePrincipale::ApplicaImpostazioni(const Impostazioni& imp) {
    tavolo_.RipristinaOpzioni(imp.opzioni);
    tavolo_.RipristinaSbirciata(imp.Sbirciata);
    tavolo_.RipristinaIntervalli({imp.IntervalloAttesaDelPCaMuovere, imp.IntervalloEffettuaLaPresa, imp.IntervalloAnimazionecartePC,
                                  imp.IntervalloAnimazionecarteH});
    segnapunti_ = imp.segnapunti;
    colonneSegnapunti_ = imp.opzioni.GiochiPerPartita();
    tavolo_.RipristinaPunteggi({imp.PuntiPCVisibile, imp.PuntiPCScrittaVisibile, imp.PuntiHVisibile, imp.PuntiHScrittaVisibile});
    continuaregole_ = imp.Continuaregole;
}

Impostazioni CornicePrincipale::ImpostazioniCorrenti() {
    Impostazioni imp;
    imp.opzioni = tavolo_.Opz();
    imp.Sbirciata = tavolo_.Stato().Sbirciata;
    const OrologioVirtuale& o = tavolo_.Orologio();
    const TimerTavolo& t = tavolo_.Timer();
    imp.IntervalloAttesaDelPCaMuovere = std::max(1, o.Intervallo(t.AttesaDelPCaMuovere));
    // The take button's 10 ms outlives its trick when the take waits for the button (nothing puts
    // the interval back then): it is no setting, the option's own interval is.
    const int presa = o.Intervallo(t.EffettuaLaPresa);
    imp.IntervalloEffettuaLaPresa = presa == kIntervalloPresaDelPulsante ? tavolo_.Opz().IntervalloPresa() : presa;
    imp.IntervalloAnimazionecartePC = std::max(1, o.Intervallo(t.AnimazionecartePC));
    imp.IntervalloAnimazionecarteH = std::max(1, o.Intervallo(t.AnimazionecarteH));
    imp.segnapunti = Segnapunti();
    const Presentazione& v = tavolo_.Vista();
    imp.PuntiPCVisibile = v.PuntiPC.visibile;
    imp.PuntiPCScrittaVisibile = v.PuntiPCScritta.visibile;
    imp.PuntiHVisibile = v.PuntiH.visibile;
    imp.PuntiHScrittaVisibile = v.PuntiHScritta.visibile;
    imp.PannelloVisualizzato = menu_.PannelloVisualizzato;
    imp.Continuaregole = continuaregole_;
    return imp;
}

bool CornicePrincipale::SalvaImpostazioni() { return mrvelto::SalvaImpostazioni(percorsoImpostazioni_, ImpostazioniCorrenti(), avvisi_); }

const SegnapuntiPartita& CornicePrincipale::Segnapunti() {
    const int colonne = tavolo_.Vista().NumeroColonnePallini;
    if (colonne != colonneSegnapunti_) {
        segnapunti_ = DisposizioneSegnapunti(colonne);
        colonneSegnapunti_ = colonne;
    }
    return segnapunti_;
}

void CornicePrincipale::Avvio() {
    const DataOra adesso = calendario_();
    // 1.
    passi_->SeminaCaso();
    // 2.
    Impostazioni imp = ImpostazioniCorrenti();
    LeggiImpostazioni(percorsoImpostazioni_, imp, avvisi_, adesso);
    ApplicaImpostazioni(imp);
    // 3.
    tavolo_.MostraNomeLivello();
    // 4.
    menu_.ApriPannelloSalvato(imp.PannelloVisualizzato);
    // 5.
    MostraPaginaRegole();
    // 6.
    scritteRecord_ = ScritteConCartePC(tavolo_.Opz().MostraCarte);
    passi_->MostraColonneCartePC(tavolo_.Opz().MostraCarte);
    // 7. The score display by "Visualizzazione Punteggio:". Not the intervals the options imply:
    // those set at step 2 are the saved ones, which the computer's pace may have moved.
    tavolo_.ApplicaOpzione(OpzPunteggio);
    // 8.
    passi_->MostraTitoloBrano(tavolo_.Opz().Titoli);
    // 9.
    passi_->Colori(tavolo_.Opz().VariazioniGrafiche != opz::Variazioni::No);
    // 10.
    record_.LeggiRecord(adesso);
    tavolo_.ImpostaRecord(&record_);
    // 11. The deck style read at step 2 may name the optional deck only now known.
    LeggiCarteOpzionali(MappaPercorso(kFileCarteOpzionali, radici_), opzionali_, avvisi_);
    tavolo_.ImpostaBordoCarteOpzionali(opzionali_.ConBordo() ? 1 : 0);
    const Opzioni& letto = tavolo_.Opz();
    if (letto.StileCarte == opz::Mazzo::Opzionale && !(opzionali_.Installate() && letto.NomeMazzoOpzionale == opzionali_.NomeCarteOpzionali)) {
        const Opzioni iniziali;
        avvisi_.Aggiungi("Lo stile di carte \"" + letto.NomeMazzoOpzionale + "\" delle impostazioni non è disponibile: si torna alle carte " +
                         iniziali.Testo(OpzStileCarte) + ".");
        tavolo_.ImpostaOpzione(OpzStileCarte, iniziali);
    }
    // 12.
    tavolo_.ImpostaIntestazioneDati("Partita n. " + std::to_string(record_.TotalePartite() + 1) + " - Gioco n. 1", TestoDataOra(adesso));
    // 13.
    if (const int ms = tavolo_.Opz().IntervalloImpazienza()) passi_->IntervalloImpazienza(ms);
    // 14.
    tavolo_.Avvia();
}

void CornicePrincipale::lblContinuaregole_Click() {
    continuaregole_ = CaptionRegoleSeguente(continuaregole_);
    MostraPaginaRegole();
}

void CornicePrincipale::MostraPaginaRegole() {
    const int pagina = PaginaRegole(continuaregole_);
    TestoRegole t = PaginaDelleRegole(pagina);
    regole_.titolo = std::string(t.titolo);
    regole_.testo = std::move(t.testo);
    regole_.immagineVisibile = t.immagine;
    // Only page 5 moves the text area and only page 1 puts it back.
    if (pagina == 5) regole_.areaTesto = kAreaTestoConImmagine;
    if (pagina == 1) regole_.areaTesto = kAreaTestoRegole;
    passi_->MostraPaginaRegole(continuaregole_);
}

void CornicePrincipale::lblComandi_Click(int k) {
    switch (menu_.Click(k)) {
        case EffettoMenu::ChiediUscita:
            uscita_.Chiedi();
            tavolo_.ImpostaDomandaUscita(uscita_.DomandaVisibile());
            break;
        case EffettoMenu::FermaImpazienza:
            passi_->FermaImpazienza();
            break;
        case EffettoMenu::RiprendiImpazienza:
            if (RiprendereImpazienza(tavolo_.Stato().AChiTocca == Chi::H, tavolo_.Opz().Carattere, tavolo_.Opz().Loquacita))
                passi_->AvviaImpazienza();
            break;
        case EffettoMenu::Nessuno:
            break;
    }
}

Fuoco CornicePrincipale::cmdSetFocusAlbo() {
    const Presentazione& v = tavolo_.Vista();
    return menu_.cmdSetFocusAlbo(v.FineGioco.visibile, v.IstruzioneIniziale.visibile);
}

bool CornicePrincipale::ChiusuraRichiesta() {
    if (uscita_.PuoChiudere()) return true;
    uscita_.Chiedi();
    tavolo_.ImpostaDomandaUscita(uscita_.DomandaVisibile());
    return false;
}

void CornicePrincipale::RispostaSiUscita() { uscita_.RispostaSi(); }

void CornicePrincipale::RispostaNoUscita() {
    uscita_.RispostaNo();
    tavolo_.ImpostaDomandaUscita(uscita_.DomandaVisibile());
}

void CornicePrincipale::MenuAnalisi(bool analisi) {
    for (int k = ComandoPartita; k <= ComandoOpzioni; ++k) menu_.lblComandi[k].abilitata = !analisi;
    if (!analisi) return;
    menu_.fraPannello[PannelloPartitaIdx].visibile = false;
    menu_.lblComandi[ComandoPartita].coloreTesto = kVoceChiusa;
    menu_.fraPannello[PannelloDatiIdx] = {true, kPostoPannelloSinistro};
    menu_.lblComandi[ComandoDati].coloreTesto = kVoceAperta;
    menu_.PannelloVisualizzato = PannelloLaterale::Dati;
}

}  // namespace mrvelto
