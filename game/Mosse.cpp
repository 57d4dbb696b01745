// SPDX-License-Identifier: GPL-3.0-or-later
// The moves: the human's click, the computer's move, the movement of a played card,
// the human's last card, and the answer dispatch AvviaRispostaPC.
#include "game/Procedure.h"
#include "game/RegoleMossa.h"
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
    schermo_.NascondiIstruzione();
    blocchi_->BloccaOpzioni(s.GiocoInCorso, s.PartitaInCorso);
    // 3, 4 and 6. Step 6 comes first here: the card is registered before the computer is asked to
    // answer (AvviaRispostaPC registers it too); registering is idempotent.
    s.PuoiGiocare = false;
    schermo_.Evidenzia(Chi::H, false);
    GiocaCarta(s, Chi::H, indice);
    FermaImpazienza();
    SegnaSbirciata();
    Pubblica(evento::CartaGiocata{Chi::H, indice, s.TurnoDiGioco == Chi::PC});
    // 5. Move the card.
    if (opzioni_.IntervalloAnimazione() > 0) {
        orologio_.Abilita(timer_.AnimazionecarteH, true);
    } else {
        schermo_.InTavola(indice);
        DopoMossaH();
    }
}

void Tavolo::DopoMossaH() {
    StatoGioco& s = stato_;
    if (s.TurnoDiGioco == Chi::PC) {
        // 5.1 The human answered: the trick is complete.
        s.AChiTocca = Chi::Nessuno;
        Pubblica(evento::CartaArrivata{Chi::H, s.NumeroCartaGiocataDaH, true});
        AvviaPresa();
    } else {
        // 5.2 The human led: the computer answers.
        s.AChiTocca = Chi::PC;
        Pubblica(evento::CartaArrivata{Chi::H, s.NumeroCartaGiocataDaH, false});
        AvviaRispostaPC();
    }
}

void Tavolo::AvviaRispostaPC() {
    StatoGioco& s = stato_;
    s.AChiTocca = Chi::PC;
    if (s.NumeroCartaGiocataDaH >= 4 && s.NumeroCartaGiocataDaH <= 6) {
        s.CartaGiocata = {s.Carta[s.NumeroCartaGiocataDaH], Chi::H};
        RegistraCartaGiocata(s);
    }
    const int n = s.NumeroCarteRimaste;
    if (n >= 0) {
        SceltaPC();
        ArmaValoreAggiuntivo();
    } else if (n == -1 || n == -3) {
        SceltaPC();
        orologio_.Abilita(timer_.AttesaDelPCaMuovere, true);
    } else if (n == -5) {
        ScegliUltimaCartaPC();
        orologio_.Abilita(timer_.AttesaDelPCaMuovere, true);
    }
}

void Tavolo::ScegliUltimaCartaPC() {
    if (const int k = UltimaCartaDelPC(stato_); k != 0) stato_.CartaPCDaGiocare = k;
}

void Tavolo::AvviaPresa() {
    const int presa = opzioni_.IntervalloPresa();
    if (presa == 0) {
        schermo_.PulsantePresa(true);
        return;
    }
    if (orologio_.Intervallo(timer_.EffettuaLaPresa) != presa) orologio_.ImpostaIntervallo(timer_.EffettuaLaPresa, presa);
    orologio_.Abilita(timer_.EffettuaLaPresa, true);
}

void Tavolo::TimerAttesaDelPCaMuovere_Timer() {
    // 1. Disarm; the interval of the next move from the speed option.
    orologio_.Abilita(timer_.AttesaDelPCaMuovere, false);
    orologio_.ImpostaIntervallo(timer_.AttesaDelPCaMuovere, opzioni_.IntervalloRisposta());
    // 2. The player's adjustment of that interval (it times the next move), and its playing level.
    if (const int delta = pc_->VariaTempoDiRisposta(); delta != 0)
        orologio_.ImpostaIntervallo(timer_.AttesaDelPCaMuovere, orologio_.Intervallo(timer_.AttesaDelPCaMuovere) + delta);
    if (opzioni_.Abilita != opz::Livello::A && stato_.NumeroCarteRimaste >= 1)
        stato_.CartaPCDaGiocare = pc_->ApplicaLivelloDiGioco(VistaPer(stato_, Chi::PC, *pc_), opzioni_.LetteraLivello(), stato_.CartaPCDaGiocare);
    // 3.
    GiocaCartaPC();
}

void Tavolo::GiocaCartaPC() {
    StatoGioco& s = stato_;
    const int q = s.CartaPCDaGiocare;
    if (q < 1 || q > 3 || s.Carta[q].Vuota() || !Vista().Slot[q].visibile) {
        ++anomalie_;  // no legal choice: the state stays as it is
        return;
    }
    GiocaCarta(s, Chi::PC, q);
    schermo_.NascondiIstruzione();
    schermo_.Evidenzia(Chi::PC, false);
    Pubblica(evento::CartaGiocata{Chi::PC, q, s.TurnoDiGioco == Chi::H});
    const bool animazione = opzioni_.IntervalloAnimazione() > 0;
    if (!animazione) {
        s.ContatoreCarteEstratte = q;
        schermo_.Scopri(q, s, opzioni_);
        schermo_.InTavola(q);
    } else {
        orologio_.Abilita(timer_.AnimazionecartePC, true);
    }
    if (s.TurnoDiGioco == Chi::H) {
        // The computer answered: with the movement on, comment and take come when it ends.
        if (!animazione) {
            Pubblica(evento::CartaArrivata{Chi::PC, q, true});
            AvviaPresa();
        }
    } else {
        s.AChiTocca = Chi::H;
        s.PuoiGiocare = true;
        AvviaImpazienza();
        if (!animazione) Pubblica(evento::CartaArrivata{Chi::PC, q, false});
    }
    if (s.NumeroCarteRimaste == -5) orologio_.Abilita(timer_.UltimacartaH, true);
}

void Tavolo::TimerAnimazionecarteH_Timer() {
    const int k = stato_.NumeroCartaGiocataDaH;
    if (k < 4 || k > 6) {
        orologio_.Abilita(timer_.AnimazionecarteH, false);
        return;
    }
    if (!schermo_.AvanzaVersoLaTavola(k)) return;
    orologio_.Abilita(timer_.AnimazionecarteH, false);
    DopoMossaH();
}

void Tavolo::TimerAnimazionecartePC_Timer() {
    const int k = stato_.NumeroCartaGiocataDaPC;
    if (k < 1 || k > 3) {
        orologio_.Abilita(timer_.AnimazionecartePC, false);
        return;
    }
    if (!schermo_.AvanzaVersoLaTavola(k)) return;
    orologio_.Abilita(timer_.AnimazionecartePC, false);
    stato_.ContatoreCarteEstratte = k;
    schermo_.Scopri(k, stato_, opzioni_);
    if (stato_.TurnoDiGioco == Chi::PC) {
        Pubblica(evento::CartaArrivata{Chi::PC, k, false});
    } else {
        Pubblica(evento::CartaArrivata{Chi::PC, k, true});
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
        if (Vista().Slot[k].visibile && !s.Carta[k].Vuota()) indice = k;
    if (indice == 0) {
        ++anomalie_;
        return;
    }
    GiocaCartaH(indice);
}

}  // namespace mrvelto

namespace mrvelto {

void Tavolo::SceltaPC() { stato_.CartaPCDaGiocare = pc_->Scegli(VistaPer(stato_, Chi::PC, *pc_)); }

void Tavolo::ArmaValoreAggiuntivo() {
    orologio_.ImpostaIntervallo(timer_.ValoreAggiuntivo, 10);
    orologio_.Abilita(timer_.ValoreAggiuntivo, true);
}

void Tavolo::TimerValoreAggiuntivo_Timer() {
    orologio_.Abilita(timer_.ValoreAggiuntivo, false);
    ArmaMossa();
}

void Tavolo::ArmaMossa() {
    orologio_.Abilita(timer_.AttesaDelPCaMuovere, true);
    stato_.GiocoInCorso = true;
    stato_.PartitaInCorso = true;
}

}  // namespace mrvelto
