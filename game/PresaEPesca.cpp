// SPDX-License-Identifier: GPL-3.0-or-later
// Taking the trick and drawing: TimerEffettuaLaPresa, TimerPrendicarte, TimerPesca,
// TimerPescaUltimeDue, the dispatch after the take and GiocaUltimaCartaPC.
#include "game/RegoleDistribuzione.h"
#include "game/RegolePresa.h"
#include "game/Tavolo.h"

namespace mrvelto {

void Tavolo::TimerEffettuaLaPresa_Timer() {
    StatoGioco& s = stato_;
    // 1.
    orologio_.Abilita(timer_.EffettuaLaPresa, false);
    if (!PresaCompleta(s)) {
        ++anomalie_;
        return;
    }
    if (s.NumeroCarteRimaste != -6) Pubblica(evento::InizioPresa{});
    // 2-6. Decide, score, the winner leads and keeps the cards; the next trick.
    const Presa presa = EffettuaPresa(s);
    ++corrente_.prese;
    schermo_.ImpostaPunteggi(s);
    schermo_.Evidenzia(presa.vincitore, true);
    schermo_.DatiPresa(s);
    Pubblica(evento::PresaEffettuata{presa.vincitore, presa.punti, presa.manche});
    // 7. The 60-point rule ends the game here.
    if (PresaConcludeGioco(s, opzioni_)) {
        schermo_.RiponiCarteGiocate(s);
        LiberaPostiGiocati(s);
        ConcludiGioco();
        return;
    }
    // 8. The taken cards leave the table.
    if (opzioni_.IntervalloAnimazione() == 0)
        FinePresa();
    else
        orologio_.Abilita(timer_.Prendicarte, true);
    // 9. Undo the 10 ms of a button take.
    const int intervallo = opzioni_.IntervalloPresa();
    if (intervallo > 0 && orologio_.Intervallo(timer_.EffettuaLaPresa) != intervallo && !orologio_.Abilitato(timer_.EffettuaLaPresa))
        orologio_.ImpostaIntervallo(timer_.EffettuaLaPresa, intervallo);
}

void Tavolo::FinePresa() {
    schermo_.RiponiCarteGiocate(stato_);
    LiberaPostiGiocati(stato_);
    DispatchDopoPresa();
}

void Tavolo::DispatchDopoPresa() {
    StatoGioco& s = stato_;
    switch (FaseDopoLaPresa(s)) {
        case DopoLaPresa::Pesca: orologio_.Abilita(timer_.Pesca, true); break;
        case DopoLaPresa::PescaUltimeDue: orologio_.Abilita(timer_.PescaUltimeDue, true); break;
        case DopoLaPresa::Penultima:
            if (s.TurnoDiGioco == Chi::H) {
                TurnoAllUmano(s);
            } else {
                SceltaPC();
                ArmaMossa();
                s.PuoiGiocare = true;
            }
            break;
        case DopoLaPresa::Ultima:
            if (s.TurnoDiGioco == Chi::PC) {
                GiocaUltimaCartaPC();
            } else {
                TurnoAllUmano(s);
                orologio_.Abilita(timer_.UltimacartaH, true);
            }
            break;
        case DopoLaPresa::FineGioco: ConcludiGioco(); break;
        case DopoLaPresa::Nulla: break;
    }
}

void Tavolo::GiocaUltimaCartaPC() {
    ScegliUltimaCartaPC();
    orologio_.Abilita(timer_.AttesaDelPCaMuovere, true);
    stato_.GiocoInCorso = stato_.PartitaInCorso = stato_.PuoiGiocare = true;
}

void Tavolo::TimerPrendicarte_Timer() {
    const int ritmo = orologio_.Intervallo(timer_.AnimazionecartePC);
    if (ritmo > 0 && orologio_.Intervallo(timer_.Prendicarte) != ritmo) orologio_.ImpostaIntervallo(timer_.Prendicarte, ritmo);
    if (!schermo_.AvanzaVersoIlVincitore(stato_.NumeroCartaGiocataDaPC, stato_.NumeroCartaGiocataDaH, stato_.TurnoDiGioco == Chi::H))
        return;
    orologio_.Abilita(timer_.Prendicarte, false);
    FinePresa();
}

void Tavolo::TimerPesca_Timer() {
    StatoGioco& s = stato_;
    const Pescata p = Pesca(s, caso_);
    ContaEstrazione(p.posizione);
    schermo_.CarteRimaste(s.NumeroCarteRimaste);
    schermo_.MostraSlot(p.slot, s, opzioni_);
    Pubblica(evento::CartaPescata{p.slot <= 3 ? Chi::PC : Chi::H, p.slot});
    if (!p.seconda) return;
    FinePesca();
    Pubblica(evento::PescaFinita{});
    if (s.TurnoDiGioco == Chi::PC) {
        SceltaPC();
        ArmaValoreAggiuntivo();
    }
    orologio_.Abilita(timer_.Pesca, false);
    PescaFinita();
}

void Tavolo::FinePesca() {
    schermo_.DatiPesca(stato_, opzioni_);
    ChiudiPesca(stato_);
}

void Tavolo::TimerPescaUltimeDue_Timer() {
    StatoGioco& s = stato_;
    const Pescata p = PescaUltimeDue(s);
    schermo_.Nascondi(p.da);
    schermo_.MostraSlot(p.slot, s, opzioni_);
    schermo_.CarteRimaste(s.NumeroCarteRimaste);
    Pubblica(evento::CartaPescata{p.slot <= 3 ? Chi::PC : Chi::H, p.slot});
    if (!p.seconda) return;
    schermo_.MostraCarteRimaste(false);
    FinePesca();
    Pubblica(evento::PescaFinita{});
    if (s.TurnoDiGioco == Chi::PC) {
        SceltaPC();
        ArmaMossa();
    }
    orologio_.Abilita(timer_.PescaUltimeDue, false);
    PescaFinita();
}

// Both hands are full again: the human may play when it is his turn.
void Tavolo::PescaFinita() {
    StatoGioco& s = stato_;
    s.PuoiGiocare = true;
    if (s.AChiTocca == Chi::H) {
        schermo_.Evidenzia(Chi::H, true);
        AvviaImpazienza();
    }
}

}  // namespace mrvelto
