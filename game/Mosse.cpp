// The moves: the human's click, the computer's move, the movement of a played card,
// the human's last card, and the answer dispatch AvviaRispostaPC.
#include "game/Procedure.h"
#include "game/Tavolo.h"

namespace mrvelto {

void Tavolo::ImgCarta_Click(int indice) {
    // 1. Guards.
    if (!ClickAccettato(indice)) return;
    GiocaCartaH(indice);
    Notifica();
}

// The human's move from step 2 on: a click that passed the guards, or the last card played for
// the human, which is played as a click on it would be.
void Tavolo::GiocaCartaH(int indice) {
    StatoGioco& s = stato_;
    // 2. Opening instruction; option locks.
    vista_.IstruzioneIniziale.visibile = false;
    blocchi_->BloccaOpzioni(s.GiocoInCorso, s.PartitaInCorso);
    // 3.
    s.PuoiGiocare = false;
    vista_.NomeH.evidenziata = false;
    s.NumeroCartaGiocataDaH = indice;
    s.UltimaCartaGiocata = s.Valore[indice];
    suoni_->FermaImpazienza();
    if (opzioni_.MostraCartePC()) s.Sbirciata = true;
    // 4. The last three tricks are counted by plays.
    if (s.NumeroCarteRimaste < 1) --s.NumeroCarteRimaste;
    // 6 comes first here: the card is registered before the computer is asked to answer
    // (AvviaRispostaPC registers it too); registering is idempotent.
    s.CartaGiocata = {s.Carta[indice], colore::RosaUmano, colore::Nero};
    RegistraCartaGiocata(s);
    // 5. Move the card.
    if (opzioni_.IntervalloAnimazione() > 0) {
        orologio_.Abilita(timer_.AnimazionecarteH, true);
    } else {
        vista_.Slot[indice].Sposta(kPostoInTavolaH);
        vista_.Slot[indice].visibile = true;
        DopoMossaH();
    }
}

void Tavolo::DopoMossaH() {
    StatoGioco& s = stato_;
    if (s.TurnoDiGioco == Chi::PC) {
        // 5.1 The human answered: the trick is complete.
        s.AChiTocca = Chi::Nessuno;
        suoni_->CommentoCarta(Chi::H);
        AvviaPresa();
    } else {
        // 5.2 The human led: the computer answers.
        s.AChiTocca = Chi::PC;
        suoni_->SuonoCarta(Chi::H);
        AvviaRispostaPC();
    }
}

void Tavolo::AvviaRispostaPC() {
    StatoGioco& s = stato_;
    s.AChiTocca = Chi::PC;
    if (s.NumeroCartaGiocataDaH >= 4 && s.NumeroCartaGiocataDaH <= 6) {
        s.CartaGiocata = {s.Carta[s.NumeroCartaGiocataDaH], colore::RosaUmano, colore::Nero};
        RegistraCartaGiocata(s);
    }
    const int n = s.NumeroCarteRimaste;
    if (n >= 0) {
        pc_->AnalizzaRispostaPC(ctxPC_);  // the player arms the move
    } else if (n == -1) {
        pc_->TerzultimaGiocataRispondePC(ctxPC_);
        pc_->AnalisiSecondoLivelloBis(ctxPC_);
        orologio_.Abilita(timer_.AttesaDelPCaMuovere, true);
    } else if (n == -3) {
        pc_->PenultimaGiocataRispondePC(ctxPC_);
        orologio_.Abilita(timer_.AttesaDelPCaMuovere, true);
    } else if (n == -5) {
        ScegliUltimaCartaPC();
        orologio_.Abilita(timer_.AttesaDelPCaMuovere, true);
    }
}

void Tavolo::ScegliUltimaCartaPC() {
    for (int k = 1; k <= 3; ++k)
        if (!stato_.Carta[k].empty()) {
            stato_.CartaPCDaGiocare = k;
            return;
        }
}

void Tavolo::AvviaPresa() {
    const int presa = opzioni_.IntervalloPresa();
    if (presa == 0) {
        vista_.cmdEffettuaLaPresa.visibile = true;
        vista_.cmdEffettuaLaPresa.abilitata = true;
        return;
    }
    if (orologio_.Intervallo(timer_.EffettuaLaPresa) != presa) orologio_.ImpostaIntervallo(timer_.EffettuaLaPresa, presa);
    orologio_.Abilita(timer_.EffettuaLaPresa, true);
}

void Tavolo::TimerAttesaDelPCaMuovere_Timer() {
    // 1. Disarm; the interval of the next move from the speed option.
    orologio_.Abilita(timer_.AttesaDelPCaMuovere, false);
    orologio_.ImpostaIntervallo(timer_.AttesaDelPCaMuovere, opzioni_.IntervalloRisposta());
    // 2. The player's adjustment of that interval, and its playing level.
    pc_->VariaTempoDiRisposta(ctxPC_);
    if (opzioni_[OpzAbilita] != "Massima (Livello A)" && stato_.NumeroCarteRimaste >= 1) pc_->ApplicaLivelloDiGioco(ctxPC_);
    // 3.
    GiocaCartaPC();
}

void Tavolo::GiocaCartaPC() {
    StatoGioco& s = stato_;
    const int q = s.CartaPCDaGiocare;
    if (q < 1 || q > 3 || s.Carta[q].empty() || !vista_.Slot[q].visibile) {
        ++anomalie_;  // no legal choice: the state stays as it is
        return;
    }
    vista_.IstruzioneIniziale.visibile = false;
    if (s.NumeroCarteRimaste < 1) --s.NumeroCarteRimaste;
    s.NumeroCartaGiocataDaPC = q;
    s.UltimaCartaGiocata = s.Valore[q];
    vista_.NomePC.evidenziata = false;
    const bool animazione = opzioni_.IntervalloAnimazione() > 0;
    if (!animazione) {
        SlotGrafico& g = vista_.Slot[q];
        g.Sposta(kPostoInTavolaPC);
        s.ContatoreCarteEstratte = q;
        Scopri(q);
        g.visibile = true;
    } else {
        orologio_.Abilita(timer_.AnimazionecartePC, true);
    }
    if (s.TurnoDiGioco == Chi::H) {
        // The computer answered: with the movement on, comment and take come when it ends.
        if (!animazione) {
            suoni_->CommentoCarta(Chi::PC);
            AvviaPresa();
        }
    } else {
        s.AChiTocca = Chi::H;
        s.PuoiGiocare = true;
        suoni_->AvviaImpazienza();
        if (!animazione) suoni_->SuonoCarta(Chi::PC);
    }
    s.CartaGiocata = {s.Carta[q], colore::Rosso, colore::Nero};
    RegistraCartaGiocata(s);
    if (s.NumeroCarteRimaste == -5) orologio_.Abilita(timer_.UltimacartaH, true);
}

void Tavolo::TimerAnimazionecarteH_Timer() {
    const int k = stato_.NumeroCartaGiocataDaH;
    if (k < 4 || k > 6) {
        orologio_.Abilita(timer_.AnimazionecarteH, false);
        return;
    }
    SlotGrafico& g = vista_.Slot[k];
    const Punto passo = PassoAnimazione(k);
    g.Sposta({g.immagine.left + passo.left, g.immagine.top + passo.top});
    if (g.immagine.top > kPostoInTavolaH.top) return;
    orologio_.Abilita(timer_.AnimazionecarteH, false);
    g.Sposta(kPostoInTavolaH);
    DopoMossaH();
}

void Tavolo::TimerAnimazionecartePC_Timer() {
    const int k = stato_.NumeroCartaGiocataDaPC;
    if (k < 1 || k > 3) {
        orologio_.Abilita(timer_.AnimazionecartePC, false);
        return;
    }
    SlotGrafico& g = vista_.Slot[k];
    const Punto passo = PassoAnimazione(k);
    g.Sposta({g.immagine.left + passo.left, g.immagine.top + passo.top});
    if (g.immagine.top < kPostoInTavolaPC.top) return;
    orologio_.Abilita(timer_.AnimazionecartePC, false);
    stato_.ContatoreCarteEstratte = k;
    Scopri(k);
    g.Sposta(kPostoInTavolaPC);
    if (stato_.TurnoDiGioco == Chi::PC) {
        suoni_->SuonoCarta(Chi::PC);
    } else {
        suoni_->CommentoCarta(Chi::PC);
        AvviaPresa();
    }
}

void Tavolo::TimerUltimacartaH_Timer() {
    orologio_.Abilita(timer_.UltimacartaH, false);
    GiocaUltimaCartaH();
}

void Tavolo::GiocaUltimaCartaH() {
    StatoGioco& s = stato_;
    int indice = 0;
    for (int k = 4; k <= 6 && indice == 0; ++k)
        if (vista_.Slot[k].visibile && !s.Carta[k].empty()) indice = k;
    if (indice == 0) {
        ++anomalie_;
        return;
    }
    GiocaCartaH(indice);
}

}  // namespace mrvelto
