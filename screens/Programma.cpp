#include "screens/Programma.h"

#include "player/GiocatoreVelto.h"
#include "player/GiocatoriDiRiferimento.h"

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
    if (avvio_.autoplay) {
        // Its own random stream: its choices never move the game's draws.
        automatico_ = CreaGiocatore("random", 'A', avvio_.semeAutoplay ^ 0x5eed);
        conduttore_ = std::make_unique<Conduttore>(*tavolo_, orologio_, *automatico_);
    }
}

Programma::~Programma() { orologio_.FermaTutti(); }

void Programma::Avvia() {
    modo_ = Modo::Gioco;
    cornice_->Avvio();
}

bool Programma::AgisciAutomatico() {
    if (!conduttore_ || concluso_) return false;
    const bool agito = conduttore_->Agisci() != Conduttore::Azione::Nessuna;
    ControllaFineAutoplay();
    return agito;
}

bool Programma::PassoAutomatico() {
    if (!conduttore_) return false;
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
