// SPDX-License-Identifier: GPL-3.0-or-later
// Taking the trick and drawing: TimerEffettuaLaPresa, TimerPrendicarte, TimerPesca,
// TimerPescaUltimeDue, the dispatch after the take and GiocaUltimaCartaPC.
#include "game/Procedure.h"
#include "game/Tavolo.h"

namespace mrvelto {

void Tavolo::TimerEffettuaLaPresa_Timer() {
    StatoGioco& s = stato_;
    const int pc = s.NumeroCartaGiocataDaPC;
    const int h = s.NumeroCartaGiocataDaH;
    // 1.
    orologio_.Abilita(timer_.EffettuaLaPresa, false);
    if (pc < 1 || pc > 3 || h < 4 || h > 6) {
        ++anomalie_;  // no complete trick on the table
        return;
    }
    if (s.NumeroCarteRimaste != -6) Pubblica(evento::InizioPresa{});
    // 2. Decide, score, the winner leads.
    const EsitoPresa esito = DecidiPresa(s.TurnoDiGioco, s.Carta[pc], s.Carta[h], s.SemeBriscola());
    int& totale = esito.vincitore == Chi::H ? s.PuntiH : s.PuntiPC;
    totale += esito.punti;
    ImpostaPunteggi();
    s.TurnoDiGioco = s.AChiTocca = esito.vincitore;
    (esito.vincitore == Chi::H ? vista_.NomeH : vista_.NomePC).evidenziata = true;
    // 3. Who took the two played cards.
    InsiemeCarte& prese = esito.vincitore == Chi::PC ? s.PreseDaPC : s.PreseDaH;
    prese = prese.Con(s.InTavola());
    // 4.
    const int manche = s.Manche;
    RegistraPresa(s, dati_);
    ++corrente_.prese;
    // 5. The draw starts from its first firing; the players' per-trick reset.
    if (s.NumeroCarteRimaste > 0) s.NumeroCartaAnalizzata = 1;
    Pubblica(evento::PresaEffettuata{esito.vincitore, esito.punti, manche});
    // 6.
    if (totale > 60) s.Vincitore = esito.vincitore;
    // 7. The 60-point rule ends the game here.
    if (!opzioni_.FinoUltimaPresa() && s.Vincitore != Chi::Nessuno) {
        RiponiCarteGiocate(s, vista_);
        if (s.NumeroCarteRimaste < 1) {
            s.Svuota(pc);
            s.Svuota(h);
        }
        ConcludiGioco();
        return;
    }
    // 8. The taken cards leave the table.
    if (opzioni_.IntervalloAnimazione() == 0)
        FinePresa();
    else
        orologio_.Abilita(timer_.Prendicarte, true);
    // 9. Undo the 10 ms of a button take.
    const int presa = opzioni_.IntervalloPresa();
    if (presa > 0 && orologio_.Intervallo(timer_.EffettuaLaPresa) != presa && !orologio_.Abilitato(timer_.EffettuaLaPresa))
        orologio_.ImpostaIntervallo(timer_.EffettuaLaPresa, presa);
}

void Tavolo::FinePresa() {
    StatoGioco& s = stato_;
    RiponiCarteGiocate(s, vista_);
    if (s.NumeroCarteRimaste < 1) {
        s.Svuota(s.NumeroCartaGiocataDaPC);
        s.Svuota(s.NumeroCartaGiocataDaH);
    }
    DispatchDopoPresa();
}

void Tavolo::DispatchDopoPresa() {
    StatoGioco& s = stato_;
    const int n = s.NumeroCarteRimaste;
    if (n > 2) {
        orologio_.Abilita(timer_.Pesca, true);
    } else if (n == 2) {
        orologio_.Abilita(timer_.PescaUltimeDue, true);
    } else if (n == -2) {
        if (s.TurnoDiGioco == Chi::H) {
            s.GiocoInCorso = s.PartitaInCorso = s.PuoiGiocare = true;
        } else {
            SceltaPC();
            ArmaMossa();
            s.PuoiGiocare = true;
        }
    } else if (n == -4) {
        if (s.TurnoDiGioco == Chi::PC) {
            GiocaUltimaCartaPC();
        } else {
            s.GiocoInCorso = s.PartitaInCorso = s.PuoiGiocare = true;
            orologio_.Abilita(timer_.UltimacartaH, true);
        }
    } else if (n == -6) {
        ConcludiGioco();
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
    const bool versoH = stato_.TurnoDiGioco == Chi::H;
    const int passo = versoH ? 495 : -495;
    const int meta = versoH ? 6300 : 360;
    bool arrivato = false;
    for (int k : {stato_.NumeroCartaGiocataDaPC, stato_.NumeroCartaGiocataDaH}) {
        if (k < 1 || k > 6) continue;
        SlotGrafico& g = vista_.Slot[k];
        g.Sposta({g.immagine.left, g.immagine.top + passo});
        arrivato = versoH ? g.immagine.top >= meta : g.immagine.top <= meta;
    }
    if (!arrivato) return;
    orologio_.Abilita(timer_.Prendicarte, false);
    FinePresa();
}

void Tavolo::TimerPesca_Timer() {
    StatoGioco& s = stato_;
    const bool prima = s.NumeroCartaAnalizzata == 1;
    const int slot = SlotCheRiceve();
    --s.NumeroCarteRimaste;
    vista_.CarteRimaste.testo = std::to_string(s.NumeroCarteRimaste);
    Estrai(slot);
    MostraSlot(slot);
    Pubblica(evento::CartaPescata{slot <= 3 ? Chi::PC : Chi::H, slot});
    if (prima) return;
    // Second firing.
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
    StatoGioco& s = stato_;
    const int manche = s.Manche - 1;  // the trick just taken
    const char briscola = s.SemeBriscola();
    const bool visibili = opzioni_.MostraCartePC();
    if (manche <= kManchePannello) {
        ScriviCarta(dati_, CellaDellaManche(manche, ColonnaDati::PescaPC), s.Carta[s.NumeroCartaGiocataDaPC], briscola, visibili);
        ScriviCarta(dati_, CellaDellaManche(manche, ColonnaDati::PescaH), s.Carta[s.NumeroCartaGiocataDaH], briscola, visibili);
        dati_(manche, ColonnaDati::PescaPC).coloreTesto = dati_(manche, ColonnaDati::PescaH).coloreTesto = colore::Nero;
    }
    s.NumeroCartaGiocataDaPC = 0;
    s.NumeroCartaGiocataDaH = 0;
}

void Tavolo::TimerPescaUltimeDue_Timer() {
    StatoGioco& s = stato_;
    const bool prima = s.NumeroCartaAnalizzata == 1;
    // First firing: the winner takes the covered stock card; second: the loser the briscola card.
    const int slot = SlotCheRiceve();
    const int da = prima ? kSlotMazzo : kSlotBriscola;
    s.Carta[slot] = s.Carta[da];
    s.ContatoreCarteEstratte = slot;
    vista_.Slot[da].visibile = false;
    MostraSlot(slot);
    --s.NumeroCarteRimaste;
    vista_.CarteRimaste.testo = std::to_string(s.NumeroCarteRimaste);
    Pubblica(evento::CartaPescata{slot <= 3 ? Chi::PC : Chi::H, slot});
    if (prima) return;
    // Second firing.
    vista_.CarteRimaste.visibile = vista_.CarteRimasteScritta.visibile = false;
    FinePesca();
    Pubblica(evento::PescaFinita{});
    if (s.TurnoDiGioco == Chi::PC) {
        SceltaPC();
        ArmaMossa();
    }
    orologio_.Abilita(timer_.PescaUltimeDue, false);
    PescaFinita();
}

// The winner draws at the first firing, the loser at the second; NumeroCartaAnalizzata counts
// the firings.
int Tavolo::SlotCheRiceve() {
    StatoGioco& s = stato_;
    const bool vinceH = s.TurnoDiGioco == Chi::H;
    const bool prima = s.NumeroCartaAnalizzata == 1;
    s.NumeroCartaAnalizzata = prima ? 2 : 1;
    if (prima == vinceH) return s.NumeroCartaGiocataDaH;
    return s.NumeroCartaGiocataDaPC;
}

// Both hands are full again: the human may play when it is his turn.
void Tavolo::PescaFinita() {
    StatoGioco& s = stato_;
    s.PuoiGiocare = true;
    if (s.AChiTocca == Chi::H) {
        vista_.NomeH.evidenziata = true;
        AvviaImpazienza();
    }
}

}  // namespace mrvelto
