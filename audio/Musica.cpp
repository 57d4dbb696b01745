// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/Musica.h"

namespace mrvelto {

Musica::Musica(Tavolo& tavolo, OrologioVirtuale& orologio, FonteCasuale& caso, Lettore& musica, Lettore& inno,
               std::filesystem::path media)
    : tavolo_(tavolo), orologio_(orologio), caso_(caso), musica_(musica), inno_(inno), media_(std::move(media)) {
    timer_.FermaBrano = orologio_.AggiungiTimer("TimerFermaBrano", [this] { TimerFermaBrano_Timer(); });
    timer_.FrequenzaMusica = orologio_.AggiungiTimer("TimerFrequenzaMusica", [this] { TimerFrequenzaMusica_Timer(); }, 10);
    timer_.IniziaInno = orologio_.AggiungiTimer("TimerIniziaInno", [this] {
        orologio_.Abilita(timer_.IniziaInno, false);
        inno_.Comando("Open");
        inno_.Comando("Prev");
        inno_.Comando("Play");
    }, 10);
    timer_.Bandiera = orologio_.AggiungiTimer("TimerBandiera", [this] { TimerBandiera_Timer(); }, 700);
    mai_ = tavolo_.Opz().FrequenzaMusica == opz::FrequenzaMusica::Mai;
    ascolto_ = tavolo_.Eventi().Iscrivi([this](const Evento& e) { Osserva(e); });
}

Musica::~Musica() {
    ascolto_.Rilascia();
    for (OrologioVirtuale::Id id : {timer_.FermaBrano, timer_.FrequenzaMusica, timer_.IniziaInno, timer_.Bandiera})
        orologio_.RilasciaTimer(id);
}

void Musica::Osserva(const Evento& e) {
    if (std::holds_alternative<evento::DistribuzioneFinita>(e)) {
        FineDistribuzione();
    } else if (std::holds_alternative<evento::ContinuaDopoFineGioco>(e)) {
        FermaLettore(inno_);
    } else if (const auto* o = std::get_if<evento::OpzioneCambiata>(&e)) {
        if (o->n == OpzFrequenzaMusica) CambioFrequenza();
        if (o->n == OpzTitoli) MostraTitolo();
    }
}

void Musica::MostraTitolo() {
    vista_.Titolo.visibile = tavolo_.Opz().Titoli && !vista_.Titolo.testo.empty();
}

void Musica::SCegliBrano() {
    // 1-3. Every tune once before any repeats, and never the same tune twice in a row.
    int n = IndiceCasuale(21, caso_);
    for (;;) {
        if (numeroBraniAscoltati_ == 21) {
            ascoltati_.fill(false);
            numeroBraniAscoltati_ = 0;
            n = IndiceCasuale(21, caso_);
            continue;
        }
        if (ascoltati_[static_cast<std::size_t>(n - 1)] || n == branoInCorso_) {
            n = IndiceCasuale(21, caso_);
            continue;
        }
        break;
    }
    // 4.
    ascoltati_[static_cast<std::size_t>(n - 1)] = true;
    numeroBraniAscoltati_ = numeroBraniAscoltati_ == -1 ? 1 : numeroBraniAscoltati_ + 1;
    musica_.Comando("Close");
    orologio_.Abilita(timer_.FermaBrano, false);
    branoInCorso_ = n;
    contatoreBrano_ = 0;
    // 5.
    const Brano& b = kBrani[static_cast<std::size_t>(n - 1)];
    orologio_.ImpostaIntervallo(timer_.FermaBrano, b.metaDurata);
    musica_.ImpostaFile(Percorso(b.file));
    vista_.Titolo.testo = b.titolo;
    vista_.TitoloTop = b.dueRighe ? 1440 : 1550;
    titoloInMemoria_ = b.titolo;
    musica_.Comando("Open");
    musica_.Comando("Prev");
    musica_.Comando("Play");
    branoTerminato_ = false;
    orologio_.Abilita(timer_.FermaBrano, true);
    MostraTitolo();
}

void Musica::RiprendiBrano() {
    if (branoInCorso_ < 1) {
        SCegliBrano();
        return;
    }
    const Brano& b = kBrani[static_cast<std::size_t>(branoInCorso_ - 1)];
    contatoreBrano_ = 0;
    orologio_.ImpostaIntervallo(timer_.FermaBrano, b.metaDurata);
    musica_.Comando("Close");
    musica_.ImpostaFile(Percorso(b.file));
    musica_.Comando("Open");
    musica_.Comando("Prev");
    musica_.Comando("Play");
    vista_.Titolo.testo = titoloInMemoria_;
    vista_.TitoloTop = b.dueRighe ? 1440 : 1550;
    MostraTitolo();
    branoTerminato_ = false;
    orologio_.Abilita(timer_.FermaBrano, true);
}

void Musica::TimerFermaBrano_Timer() {
    if (++contatoreBrano_ < 2) return;
    contatoreBrano_ = 0;
    branoTerminato_ = true;
    orologio_.Abilita(timer_.FermaBrano, false);
    musica_.Comando("Close");
    vista_.Titolo.visibile = false;
    vista_.Titolo.testo.clear();
    const int pausa = PausaMusica(tavolo_.Opz().FrequenzaMusica);
    if (pausa > 0) {
        orologio_.ImpostaIntervallo(timer_.FrequenzaMusica, pausa);
        orologio_.Abilita(timer_.FrequenzaMusica, true);
    }
}

void Musica::TimerFrequenzaMusica_Timer() {
    orologio_.Abilita(timer_.FrequenzaMusica, false);
    inno_.Comando("Close");
    if (musicaInterrotta_ || mai_) return;
    if (tavolo_.Opz().CambioBrano == opz::CambioBrano::DopoBranoPrecedente) {
        SCegliBrano();
    } else if (confrontaGiocoPerIlCambioDelBrano_ == tavolo_.Stato().NumeroGioco) {
        RiprendiBrano();  // the same tune until a new game begins
    } else {
        confrontaGiocoPerIlCambioDelBrano_ = tavolo_.Stato().NumeroGioco;
        SCegliBrano();
    }
}

void Musica::FineDistribuzione() {
    mai_ = tavolo_.Opz().FrequenzaMusica == opz::FrequenzaMusica::Mai;  // the settings may have been read since
    if (mai_) return;
    if (!tavolo_.Stato().EtichettaAperturaGioco) {
        SCegliBrano();  // the window's first deal
        return;
    }
    if (!musicaInterrotta_) return;
    // After an anthem the music comes back with the next deal, and runs its cycle again.
    musicaInterrotta_ = false;
    if (tavolo_.Opz().CambioBrano == opz::CambioBrano::DopoNuovoGioco || branoTerminato_)
        SCegliBrano();
    else
        RiprendiBrano();
}

void Musica::CambioFrequenza() {
    const bool mai = tavolo_.Opz().FrequenzaMusica == opz::FrequenzaMusica::Mai;
    if (mai && !mai_) {
        InterrompiBrano();
        orologio_.Abilita(timer_.FrequenzaMusica, false);
    }
    const bool riparte = mai_ && !mai;
    mai_ = mai;
    if (riparte && !musicaInterrotta_) SCegliBrano();
}

void Musica::InterrompiBrano() {
    musica_.Comando("Close");
    contatoreBrano_ = 0;
    orologio_.Abilita(timer_.FermaBrano, false);
    vista_.Titolo.visibile = false;
}

bool Musica::LinkFineGioco() {
    const opz::AudioAnalisi audio = tavolo_.Opz().AudioAnalisi;
    const bool silenzio = audio == opz::AudioAnalisi::Silenzio || audio == opz::AudioAnalisi::InterrompiMusica;
    if (silenzio) musicaInterrotta_ = true;
    FermaLettore(inno_);
    return silenzio;
}

void Musica::EntraInAnalisi() {
    if (LinkFineGioco()) InterrompiBrano();
}

bool Musica::Cerimonia(Chi vincitore, std::function<void()> alTermine) {
    if (vincitore != Chi::H && vincitore != Chi::PC) return false;
    fineCerimonia_ = std::move(alTermine);
    if (vincitore == Chi::PC)
        InnoInglese();
    else
        InnoItaliano();
    return true;
}

void Musica::InnoInglese() { Inno(kInnoInglese, Chi::PC); }
void Musica::InnoItaliano() { Inno(kInnoItaliano, Chi::H); }

void Musica::Inno(const struct Inno& inno, Chi di) {
    musica_.Comando("Close");
    vista_.BandieraDi = di;
    vista_.FileBandiera = inno.bandiera;
    vista_.Bandiera = {VistaMusica::kBandieraLeft, VistaMusica::kBandieraTop};
    vista_.BandieraVisibile = true;
    musicaInterrotta_ = true;
    contatoreBandiera_ = 0;
    orologio_.Abilita(timer_.Bandiera, true);
    orologio_.Abilita(timer_.FermaBrano, false);
    orologio_.Abilita(timer_.FrequenzaMusica, false);
    titoloInMemoria_ = vista_.Titolo.testo;
    posizioneTitolo_ = vista_.TitoloTop;
    vista_.TitoloTop = 1550;
    vista_.Titolo.testo = inno.titolo;
    MostraTitolo();
    inno_.ImpostaFile(Percorso(inno.file));
    orologio_.Abilita(timer_.IniziaInno, true);
}

void Musica::TimerBandiera_Timer() {
    ++contatoreBandiera_;
    const int c = contatoreBandiera_;
    // The flag crosses the table and back, waving: a step sideways and a bob each firing.
    if (c >= 2 && c <= 20) {
        vista_.Bandiera.left += 120;
        vista_.Bandiera.top += c % 2 == 0 ? -90 : 90;
    } else if (c >= 25 && c <= 44) {
        vista_.Bandiera.left -= 114;
        vista_.Bandiera.top += c % 2 == 0 ? 90 : -90;
    } else if (c >= 45) {
        vista_.BandieraVisibile = false;
        orologio_.Abilita(timer_.Bandiera, false);
        contatoreBandiera_ = 0;
        vista_.Titolo.visibile = false;
        vista_.Titolo.testo = titoloInMemoria_;
        vista_.TitoloTop = posizioneTitolo_;
        if (auto fine = std::move(fineCerimonia_)) {
            fineCerimonia_ = nullptr;
            fine();
        }
    }
}

}  // namespace mrvelto
