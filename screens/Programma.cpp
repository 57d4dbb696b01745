// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Programma.h"

#include "player/GiocatoreVelto.h"
#include "player/GiocatoriDiRiferimento.h"
#include "records/ArchivioPartita.h"
#include "records/FileDati.h"

namespace mrvelto {

namespace {

// The window's start-up steps and menu effects that the sound and the table's colours answer.
class PassiAudio : public PassiCornice {
public:
    PassiAudio(ImpiantoAudio& audio, VociOpzioni& voci) : audio_(audio), voci_(voci) {}
    void Colori(bool casuali) override { voci_.ColoriAllAvvio(casuali); }
    void MostraTitoloBrano(bool) override { audio_.Musica_().MostraTitolo(); }
    void IntervalloImpazienza(int) override { audio_.Suoni().ImpostaCarattere(); }
    void FermaImpazienza() override { audio_.Suoni().SospendiImpazienza(); }
    void AvviaImpazienza() override { audio_.Suoni().RiprendiImpazienza(); }

private:
    ImpiantoAudio& audio_;
    VociOpzioni& voci_;
};

std::unique_ptr<Lettore> OMuto(std::unique_ptr<Lettore> l) {
    return l ? std::move(l) : std::make_unique<LettoreMuto>();
}

// The archive folder, made when missing. When it cannot be (a file in its place, no permission)
// the reason is said and the dialog still opens, so that another folder can be chosen.
std::string CreaCartella(const std::filesystem::path& cartella) {
    std::error_code ec;
    std::filesystem::create_directories(cartella, ec);
    if (!ec) return {};
    return "La cartella " + cartella.string() + " non si può creare (" + MotivoErrore(ec.value()) +
           "): scegli un'altra cartella.";
}

}  // namespace

Programma::Programma(AmbienteProgramma ambiente, AvvioProgramma avvio)
    : avvio_(std::move(avvio)),
      caso_(ambiente.caso(orologio_)),
      calendario_(std::move(ambiente.calendario)),
      radici_(std::move(ambiente.radici)) {
    velto_ = std::make_unique<GiocatoreVelto>(*caso_);
    tavolo_ = std::make_unique<Tavolo>(orologio_, *caso_, calendario_);
    tavolo_->ImpostaGiocatorePC(velto_.get());
    tavolo_->ImpostaNomeGiocatore(avvio_.nome);
    lettori_ = {OMuto(std::move(ambiente.effetti)), OMuto(std::move(ambiente.musica)), OMuto(std::move(ambiente.inno)),
                OMuto(std::move(ambiente.sigla))};
    audio_ = std::make_unique<ImpiantoAudio>(*tavolo_, orologio_, *caso_,
                                             LettoriAudio{*lettori_[0], *lettori_[1], *lettori_[2], *lettori_[3]}, radici_.media);
    voci_ = std::make_unique<VociOpzioni>(*tavolo_, *caso_);
    passi_ = std::make_unique<PassiAudio>(*audio_, *voci_);
    cornice_ = std::make_unique<CornicePrincipale>(*tavolo_, orologio_, radici_, calendario_, passi_.get());
    pannelloOpzioni_ = std::make_unique<PannelloOpzioni>(*tavolo_, *voci_, cornice_->Opzionali());
    cornice_->Chiudi = [this] {
        orologio_.FermaTutti();
        if (Chiudi) Chiudi();
    };
    if (avvio_.finestraIniziale) {
        // Its timer is armed as it is made: only a run that opens on it has one.
        iniziale_ = std::make_unique<FinestraIniziale>(orologio_, *caso_, *lettori_[3], radici_);
        iniziale_->EntraNelGioco = [this](const std::string& nome, char sesso) { EntraNelGioco(nome, sesso); };
    }
    analisi_ = std::make_unique<Analisi>(*tavolo_, *lettori_[0], radici_.media);
    timerCaricaPartita_ = orologio_.AggiungiTimer("TimerCaricaPartita", [this] { TimerCaricaPartita_Timer(); }, 10);
    nomeGiocatore_ = avvio_.nome;
    if (avvio_.autoplay) {
        // Its own random stream: its choices never move the game's draws.
        automatico_ = CreaGiocatore("random", 'A', avvio_.semeAutoplay ^ 0x5eed);
        conduttore_ = std::make_unique<Conduttore>(*tavolo_, orologio_, *automatico_);
    }
}

Programma::~Programma() { orologio_.FermaTutti(); }

void Programma::Avvia() {
    if (iniziale_ && modo_ == Modo::Avvio && !iniziale_->Aperta()) {
        iniziale_->Apri();
        return;
    }
    CambiaModo(Modo::Gioco);
    cornice_->Avvio();
}

void Programma::EsciSubito() {
    if (modo_ != Modo::Avvio) {
        cornice_->EsciSubito();
        return;
    }
    // Still at the start-up window: the settings were never read, and writing them now would put
    // the defaults over the player's own.
    orologio_.FermaTutti();
    if (Chiudi) Chiudi();
}

void Programma::CambiaModo(Modo m) {
    modo_ = m;
    pulsanti_ = {};
    if (m == Modo::Analisi) pulsanti_ = {true, true, true, true, true};
    if (CambioModo) CambioModo();
}

void Programma::EntraNelGioco(const std::string& nome, char sesso) {
    nomeGiocatore_ = nome;
    tavolo_->ImpostaNomeGiocatore(nome);
    SessoGiocatore_ = sesso;
    CambiaModo(Modo::Gioco);
    cornice_->Avvio();
    // What the start-up window found wrong with the stored name (or could not save) is said at the
    // table, with the other data files' messages.
    if (iniziale_)
        for (std::string& testo : iniziale_->AvvisiFile().Prendi()) cornice_->AvvisiFile().Aggiungi(std::move(testo));
}

bool Programma::DigitaNome() {
    // Like a player: the offered name cleared, then the name key by key, then Enter.
    const std::string& nome = avvio_.nome;
    if (tastiDigitati_ < 0) {
        iniziale_->ImpostaTesto("");
    } else if (static_cast<std::size_t>(tastiDigitati_) < nome.size()) {
        std::size_t fine = static_cast<std::size_t>(tastiDigitati_) + 1;
        while (fine < nome.size() && (static_cast<unsigned char>(nome[fine]) & 0xC0) == 0x80) ++fine;
        iniziale_->ImpostaTesto(nome.substr(0, fine));
        tastiDigitati_ = static_cast<int>(fine) - 1;
    } else {
        iniziale_->TastoInvio();
        // A name the window refuses is not typed again: the window waits, as for a person.
        if (iniziale_->Aperta()) return false;
        return true;
    }
    ++tastiDigitati_;
    return true;
}

std::filesystem::path Programma::PercorsoPredefinito() const {
    const StatoGioco& s = tavolo_->Stato();
    return MappaPercorso(std::string(kCartellaArchivio) + NomeFilePartita(cornice_->DatiRecord().TotalePartite, s.PartitaInCorso, s.NumeroGioco), radici_);
}

void Programma::SalvaPartita() {
    if (!DialogoFile) return;
    if (const std::string errore = CreaCartella(PercorsoPredefinito().parent_path()); !errore.empty() && Messaggio) Messaggio(errore);
    const auto scelto = DialogoFile(true, PercorsoPredefinito());
    if (!scelto) return;
    std::string errore;
    if (!SalvaPartitaSuFile(*scelto, tavolo_->Dati(), &errore) && Messaggio)
        Messaggio("Il Gioco non è stato salvato. " + errore);
}

void Programma::MusicaAnalisi() { audio_->Musica_().EntraInAnalisi(); }

void Programma::EntraInAnalisi() {
    MusicaAnalisi();
    cornice_->MenuAnalisi(true);
    CambiaModo(Modo::Analisi);
}

void Programma::lblSalva_Click() {
    if (modo_ != Modo::Gioco || !tavolo_->Vista().FineGioco.visibile) return;
    // Saving is no review: the tune in play goes on.
    audio_->Musica_().LinkFineGioco();
    SalvaPartita();
}

void Programma::lblRivedi_Click() {
    if (modo_ != Modo::Gioco || !tavolo_->Vista().FineGioco.visibile) return;
    if (auto errore = analisi_->Inizia()) {
        if (Messaggio) Messaggio(*errore);
        return;
    }
    EntraInAnalisi();
    analisi_->cmdInizioAnalisi_Click();
}

void Programma::lblApri_Click() {
    if (modo_ != Modo::Gioco || !tavolo_->Vista().FineGioco.visibile) return;
    EntraInAnalisi();
    cmdLoad_Click();
}

void Programma::cmdLoad_Click() {
    if (modo_ != Modo::Analisi || !DialogoFile) return;
    const std::filesystem::path cartella = MappaPercorso(kCartellaArchivio, radici_);
    if (const std::string errore = CreaCartella(cartella); !errore.empty() && Messaggio) Messaggio(errore);
    const auto scelto = DialogoFile(false, cartella);
    if (!scelto) return;
    PartitaLetta letta = LeggiPartitaDaFile(*scelto);
    if (const std::string* errore = std::get_if<std::string>(&letta)) {
        if (Messaggio) Messaggio(*errore);
        return;
    }
    tavolo_->CaricaPannelloDati(std::get<PannelloDati>(letta));
    orologio_.Abilita(timerCaricaPartita_, true);
}

void Programma::TimerCaricaPartita_Timer() {
    orologio_.Abilita(timerCaricaPartita_, false);
    // The panel was checked whole when read: the review starts on it.
    if (auto errore = analisi_->Inizia()) {
        if (Messaggio) Messaggio(*errore);
        return;
    }
    cmdInizioAnalisi_Click();
}

void Programma::cmdInizioAnalisi_Click() {
    if (modo_ != Modo::Analisi) return;
    if (!analisi_->Attiva() || analisi_->Vista().Manche > 0) {
        if (auto errore = analisi_->Inizia()) {
            if (Messaggio) Messaggio(*errore);
            return;
        }
    }
    analisi_->cmdInizioAnalisi_Click();
    if (CambioModo) CambioModo();
}

void Programma::cmdScegliManche_Click() {
    if (modo_ == Modo::Analisi) analisi_->cmdScegliManche_Click();
}

void Programma::cmdTornaAlGioco_Click() {
    if (modo_ != Modo::Analisi) return;
    analisi_->Termina();
    orologio_.Abilita(timerCaricaPartita_, false);
    cornice_->MenuAnalisi(false);
    tavolo_->ImpostaNomeGiocatore(nomeGiocatore_);
    CambiaModo(Modo::Gioco);
    tavolo_->cmdTornaAlGioco_Click();
}

void Programma::TastoInvio() {
    switch (modo_) {
        case Modo::Avvio:
            if (iniziale_) iniziale_->TastoInvio();
            break;
        case Modo::Analisi: cmdScegliManche_Click(); break;
        case Modo::Gioco: tavolo_->TastoInvio(); break;
    }
}

bool Programma::AgisciAutomatico() {
    if (!conduttore_ || concluso_) return false;
    if (modo_ == Modo::Avvio) return iniziale_ && iniziale_->Aperta() && DigitaNome();
    const bool agito = conduttore_->Agisci() != Conduttore::Azione::Nessuna;
    ControllaFineAutoplay();
    return agito;
}

bool Programma::PassoAutomatico() {
    if (!conduttore_) return false;
    if (modo_ == Modo::Avvio) return (iniziale_ && iniziale_->Aperta() && DigitaNome()) || orologio_.EseguiProssimo();
    // On the way out only the clock runs, until the exit's timer ends the program.
    const bool passo = concluso_ ? orologio_.EseguiProssimo() : conduttore_->Passo();
    ControllaFineAutoplay();
    return passo;
}

void Programma::ControllaFineAutoplay() {
    if (avvio_.partite <= 0 || concluso_) return;
    if (tavolo_->PartiteConcluse() < static_cast<std::uint64_t>(avvio_.partite)) return;
    // The program's own way out: the exit question answered yes (settings written), then the
    // exit timer ends the program.
    concluso_ = true;
    cornice_->lblComandi_Click(ComandoEsci);
    cornice_->RispostaSiUscita();
}

}  // namespace mrvelto
