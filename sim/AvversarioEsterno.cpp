// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/AvversarioEsterno.h"

#include "sim/OpzioniMatch.h"
#include "sim/RispostaEsterna.h"
#include "game/Opzioni.h"

namespace mrvelto::sim {

SessioneEsterna::SessioneEsterna(std::string comando, int timeoutMs) : comando_(std::move(comando)), timeoutMs_(timeoutMs) {}

SessioneEsterna::~SessioneEsterna() {
    if (processo_) processo_->Chiudi(timeoutMs_);
}

void SessioneEsterna::Avvia() {
    if (processo_) return;
    try {
        processo_ = std::make_unique<ProcessoFiglio>(comando_);
    } catch (const std::runtime_error& e) {
        throw ErroreAvversarioEsterno(std::string("non riesco ad avviare l'avversario: ") + e.what());
    }
}

void SessioneEsterna::Collega(Tavolo& tavolo) {
    contesto_.conclusioneGioco = tavolo.Opz().Testo(OpzConclusioneGioco);
    contesto_.conclusionePartita = tavolo.Opz().Testo(OpzConclusionePartita);
    sequenza_.Azzera();
    giocoAperto_ = false;
    tavolo_ = &tavolo;
    ascolto_ = tavolo.Eventi().Iscrivi([this, &tavolo](const Evento& e) {
        sequenza_.Osserva(e, tavolo.Stato());
        if (const auto* fine = std::get_if<evento::GiocoConcluso>(&e)) FineGioco(fine->esito);
    });
}

std::string SessioneEsterna::DoveMossa() const {
    return "gioco " + std::to_string(contesto_.gioco) + ", mossa " + std::to_string(contesto_.mossa) + " (presa " +
           std::to_string(presa_) + ")";
}

void SessioneEsterna::Errore(const std::string& dove, const std::string& motivo, const std::string& ricevuto) {
    if (processo_) processo_->Uccidi();
    throw ErroreAvversarioEsterno(dove + ": " + motivo + "; ricevuto: " + (ricevuto.empty() ? "niente" : SuUnaRiga(ricevuto)));
}

void SessioneEsterna::Invia(const nlohmann::ordered_json& riga, const std::string& dove) {
    switch (processo_->ScriviRiga(riga.dump(), timeoutMs_)) {
        case ProcessoFiglio::Esito::Ok: return;
        case ProcessoFiglio::Esito::Scaduto:
            Errore(dove, "l'avversario non ha letto il suo ingresso entro " + std::to_string(timeoutMs_) + " ms", processo_->Parziale());
        default: {
            const std::string come = processo_->ComeETerminato(timeoutMs_);
            Errore(dove, "l'avversario " + come + " (il suo ingresso è chiuso)", processo_->Parziale());
        }
    }
}

int SessioneEsterna::Scegli(const StatoGioco& s, Chi posto, std::uint64_t seme, const std::function<bool(int)>& ammessa) {
    Avvia();
    if (!giocoAperto_) {
        ++giochi_;
        if (s.NumeroGioco == 1 || partite_ == 0) ++partite_;
        contesto_.posto = posto;
        contesto_.gioco = giochi_;
        contesto_.partita = partite_;
        contesto_.giocoNellaPartita = s.NumeroGioco;
        contesto_.mossa = 0;
        giocoAperto_ = true;
        Invia(RigaInizio(s, contesto_, seme), "gioco " + std::to_string(giochi_) + ", riga di inizio");
    }
    ++contesto_.mossa;
    presa_ = s.Manche;
    std::string riga;
    // Start and end lines get no answer: a line already waiting would be taken for this move's.
    if (processo_->CiSonoDatiInAttesa()) {
        const ProcessoFiglio::Esito esito = processo_->LeggiRiga(riga, 0);
        if (esito == ProcessoFiglio::Esito::Chiuso) {
            const std::string come = processo_->ComeETerminato(timeoutMs_);
            Errore(DoveMossa(), "l'avversario " + come + " prima della domanda", processo_->Parziale());
        }
        Errore(DoveMossa(), "una riga inviata prima della domanda (le righe di inizio e di fine non vogliono risposta)",
               esito == ProcessoFiglio::Esito::Ok ? riga : processo_->Parziale());
    }
    Invia(RigaMossa(s, contesto_, sequenza_.Giocate()), DoveMossa());
    switch (processo_->LeggiRiga(riga, timeoutMs_)) {
        case ProcessoFiglio::Esito::Ok: break;
        case ProcessoFiglio::Esito::Scaduto:
            Errore(DoveMossa(), "nessuna risposta entro " + std::to_string(timeoutMs_) + " ms", processo_->Parziale());
        case ProcessoFiglio::Esito::TroppoLunga:
            Errore(DoveMossa(), "una risposta più lunga di " + std::to_string(ProcessoFiglio::kLimiteRiga) + " byte", processo_->Parziale());
        case ProcessoFiglio::Esito::Chiuso: {
            const std::string come = processo_->ComeETerminato(timeoutMs_);
            Errore(DoveMossa(), "l'avversario " + come + " prima di rispondere", processo_->Parziale());
        }
    }
    const RispostaEsterna r = LeggiRispostaEsterna(riga, s, posto, ammessa);
    if (r.slot == 0) Errore(DoveMossa(), r.errore, riga);
    return r.slot;
}

void SessioneEsterna::FineGioco(const EsitoGioco& e) {
    if (!giocoAperto_) return;
    giocoAperto_ = false;
    Invia(RigaFine(e, contesto_, sequenza_.Giocate()), "gioco " + std::to_string(contesto_.gioco) + ", riga di fine");
    sequenza_.Azzera();
}

int SessioneEsterna::Scegli(const VistaGiocatore& vista, std::uint64_t seme) {
    if (!tavolo_) throw ErroreAvversarioEsterno("l'avversario esterno non è collegato a un tavolo");
    const int primo = SlotDellaMano(vista.posto)[0];
    return Scegli(tavolo_->Stato(), vista.posto, seme, [&vista, primo](int k) {
        return k >= primo && k < primo + 3 && static_cast<bool>(vista.mano[static_cast<std::size_t>(k - primo)]);
    });
}

int GiocatoreEsterno::Scegli(const VistaGiocatore& vista) { return sessione_->Scegli(vista, seme_); }

std::unique_ptr<SessioneEsterna> CreaSessioneEsterna(const OpzioniMatch& o) {
    if (o.avversario != kNomeAvversarioEsterno || o.comandoAvversario.empty()) return nullptr;
    return std::make_unique<SessioneEsterna>(o.comandoAvversario, o.timeoutAvversarioMs);
}

}  // namespace mrvelto::sim
