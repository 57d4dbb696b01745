// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SuoniECommenti.h"

#include "audio/Loquacita.h"

#include <cstdio>

namespace mrvelto {

namespace {

std::string Numerato(const char* formato, int n) {
    char nome[64];
    std::snprintf(nome, sizeof nome, formato, n);
    return nome;
}

}  // namespace

const char* RumoreDelValore(int v) {
    if (v < 8) return "Rumori/liscio.wav";
    switch (v) {
        case 8: return "Rumori/fante.wav";
        case 12: return "Rumori/cavallo.wav";
        case 16: return "Rumori/re.wav";
        case 40: return "Rumori/tre.wav";
        case 44: return "Rumori/asso.wav";
        default: return nullptr;
    }
}

SuoniECommenti::SuoniECommenti(Tavolo& tavolo, OrologioVirtuale& orologio, FonteCasuale& caso, Lettore& effetti,
                               std::filesystem::path media, const DurateClip& durate)
    : tavolo_(tavolo), orologio_(orologio), caso_(caso), effetti_(effetti), media_(std::move(media)), durate_(durate) {
    auto fine = [this](OrologioVirtuale::Id& id, const char* nome) {
        id = orologio_.AggiungiTimer(nome);
        const OrologioVirtuale::Id mio = id;
        orologio_.ImpostaPasso(id, [this, mio] { FineClip(mio); });
    };
    fine(timer_.FineRumoreCarte, "TimerFineRumoreCarte");
    fine(timer_.FinisciCommento, "TimerFinisciCommento");
    fine(timer_.DurataCommentoFinale, "TimerDurataCommentoFinale");
    fine(timer_.InterdiciSuoni, "TimerInterdiciSuoni");
    timer_.Impazienza = orologio_.AggiungiTimer("TimerImpazienza", [this] {
        if (++contaImpaz_ < 12) return;
        contaImpaz_ = 0;
        if (tavolo_.Stato().InterdiciSuoni) return;
        orologio_.Abilita(timer_.Impazienza, false);
        tavolo_.ImpostaInterdiciSuoni(true);
        CommentaImpazienza();
    });
    timer_.FineImpazienza = orologio_.AggiungiTimer("TimerFineImpazienza", [this] {
        orologio_.Abilita(timer_.FineImpazienza, false);
        tavolo_.ImpostaInterdiciSuoni(false);
        contaImpaz_ = 0;
        if (tavolo_.Stato().AChiTocca == Chi::H) AvviaImpazienza();
    });
    ImpostaCarattere();
    ascolto_ = tavolo_.Eventi().Iscrivi([this](const Evento& e) { Osserva(e); });
}

SuoniECommenti::~SuoniECommenti() {
    ascolto_.Rilascia();
    for (OrologioVirtuale::Id id : {timer_.FineRumoreCarte, timer_.FinisciCommento, timer_.DurataCommentoFinale,
                                    timer_.InterdiciSuoni, timer_.Impazienza, timer_.FineImpazienza})
        orologio_.RilasciaTimer(id);
}

void SuoniECommenti::Osserva(const Evento& e) {
    if (const auto* a = std::get_if<evento::CartaArrivata>(&e)) {
        // The answer completes the trick: a comment on it, or the noise; a lead only makes its noise.
        if (a->risposta)
            SuonaCartaOCommenta();
        else if (RumoriAmmessi())
            SuonaRumoreCarta();
    } else if (std::holds_alternative<evento::PassoDistribuzione>(e)) {
        if (!tavolo_.Stato().CommentoIniziale) CommentaInizioGioco();
    } else if (std::holds_alternative<evento::CartaDistribuita>(e) || std::holds_alternative<evento::CartaPescata>(e)) {
        if (RumoriAmmessi()) RumoreDistribuzione();
    } else if (std::holds_alternative<evento::InizioPresa>(e)) {
        if (RumoriAmmessi()) RumorePresa();
    } else if (std::holds_alternative<evento::TurnoUmanoIniziato>(e)) {
        AvviaImpazienza();
    } else if (std::holds_alternative<evento::TurnoUmanoFinito>(e)) {
        FermaImpazienza();
    } else if (const auto* g = std::get_if<evento::GiocoConcluso>(&e)) {
        ultimoEsito_ = g->esito.PuntiPC > g->esito.PuntiH ? Chi::PC : g->esito.PuntiH > g->esito.PuntiPC ? Chi::H : Chi::Nessuno;
    } else if (std::holds_alternative<evento::CommentoFinale>(e)) {
        CommentoFinale();
    } else if (const auto* o = std::get_if<evento::OpzioneCambiata>(&e)) {
        if (o->n == OpzCarattere) ImpostaCarattere();
    }
}

bool SuoniECommenti::RumoriAmmessi() const {
    return tavolo_.Opz().Rumori && !tavolo_.Stato().InterdiciSuoni;
}

void SuoniECommenti::Suona(const std::string& clip, OrologioVirtuale::Id fine) {
    // The clip this one cuts short must not release the lock when its own length has run.
    for (OrologioVirtuale::Id id : {timer_.FineRumoreCarte, timer_.FinisciCommento, timer_.DurataCommentoFinale,
                                    timer_.InterdiciSuoni, timer_.FineImpazienza})
        orologio_.Abilita(id, false);
    FermaLettore(effetti_);
    tavolo_.ImpostaInterdiciSuoni(true);
    ultima_ = clip;
    orologio_.ImpostaIntervallo(fine, durate_.Durata(clip));
    orologio_.Abilita(fine, true);
    effetti_.ImpostaFile((media_ / clip).string());
    effetti_.Comando("Open");
    effetti_.Comando("Prev");
    effetti_.Comando("Play");
}

void SuoniECommenti::FineClip(OrologioVirtuale::Id id) {
    orologio_.Abilita(id, false);
    tavolo_.ImpostaInterdiciSuoni(false);
}

void SuoniECommenti::SuonaCartaOCommenta() {
    const int n = IndiceCasuale(48, caso_);
    if (CommentaLaCarta(tavolo_.Opz().Loquacita, n))
        ScegliCommento();
    else if (RumoriAmmessi())
        SuonaRumoreCarta();
}

void SuoniECommenti::SuonaRumoreCarta() {
    const char* clip = RumoreDelValore(tavolo_.Stato().UltimaCartaGiocata);
    if (!clip) return;
    Suona(clip, timer_.FineRumoreCarte);
}

void SuoniECommenti::ScegliCommento() {
    const StatoGioco& s = tavolo_.Stato();
    if (s.InterdiciSuoni || s.NumeroCarteRimaste <= -5) return;
    const int pc = s.NumeroCartaGiocataDaPC, h = s.NumeroCartaGiocataDaH;
    if (pc < 1 || pc > 3 || h < 4 || h > 6) return;
    const GruppoCommento g = GruppoDellaPresa(s);
    // The lock is taken before the draw, as with every clip.
    tavolo_.ImpostaInterdiciSuoni(true);
    const int n = IndiceCasuale(g.K, caso_);
    // The suit clips name the suit of Mr. VELTO's winning card.
    Suona(ClipDelGruppo(g, n, s.Carta[pc].Seme()), timer_.FinisciCommento);
}

void SuoniECommenti::RumoreDistribuzione() {
    tavolo_.ImpostaInterdiciSuoni(true);
    const int n = IndiceCasuale(4, caso_);
    Suona(Numerato("Rumori/carta%d.wav", n), timer_.FineRumoreCarte);
}

void SuoniECommenti::RumorePresa() {
    tavolo_.ImpostaInterdiciSuoni(true);
    const int n = IndiceCasuale(2, caso_);
    Suona(Numerato("Rumori/Presa%d.wav", n), timer_.FineRumoreCarte);
}

void SuoniECommenti::CommentaInizioGioco() {
    tavolo_.SegnaCommentoIniziale();
    const StatoGioco& s = tavolo_.Stato();
    if (s.InterdiciSuoni) return;
    tavolo_.ImpostaInterdiciSuoni(true);
    int numero;
    if (!s.EtichettaAperturaGioco) {
        numero = Specchio(IndiceCasuale(24, caso_), 12);  // the greetings, 01..12
    } else {
        // After a game: four clips each for a draw, Mr. VELTO's win and the player's.
        const int primo = s.UltimoVincitore == Chi::PC ? 17 : s.UltimoVincitore == Chi::H ? 21 : 13;
        numero = primo + Specchio(IndiceCasuale(24, caso_), 4) - 1;
    }
    Suona(Numerato("Commenti/Inizio/Inizio%02d.wav", numero), timer_.InterdiciSuoni);
}

void SuoniECommenti::AvviaImpazienza() {
    if (orologio_.Intervallo(timer_.Impazienza) <= 0) return;
    orologio_.Abilita(timer_.Impazienza, true);
}

void SuoniECommenti::FermaImpazienza() {
    orologio_.Abilita(timer_.Impazienza, false);
    contaImpaz_ = 0;
}

void SuoniECommenti::ImpostaCarattere() {
    FermaImpazienza();
    orologio_.ImpostaIntervallo(timer_.Impazienza, tavolo_.Opz().IntervalloImpazienza());
}

void SuoniECommenti::SospendiImpazienza() { orologio_.Abilita(timer_.Impazienza, false); }

void SuoniECommenti::RiprendiImpazienza() { AvviaImpazienza(); }

void SuoniECommenti::CommentaImpazienza() {
    const int n = IndiceCasuale(12, caso_);
    if (SbuffaImpaziente(tavolo_.Opz().Loquacita, n))
        SuonaImpazienza();
    else
        tavolo_.ImpostaInterdiciSuoni(false);
}

void SuoniECommenti::SuonaImpazienza() {
    const int n = Specchio(IndiceCasuale(48, caso_), 24);
    Suona(Numerato("Commenti/Impaz/Impaz%02d.wav", n), timer_.FineImpazienza);
}

void SuoniECommenti::CommentoFinale() {
    // Eight clips each for Mr. VELTO's win and the player's, four for a draw.
    int numero;
    if (ultimoEsito_ == Chi::Nessuno)
        numero = 17 + Specchio(IndiceCasuale(8, caso_), 4) - 1;
    else
        numero = (ultimoEsito_ == Chi::PC ? 1 : 9) + Specchio(IndiceCasuale(16, caso_), 8) - 1;
    Suona(Numerato("Commenti/Fine/Fine%02d.wav", numero), timer_.DurataCommentoFinale);
}

}  // namespace mrvelto
