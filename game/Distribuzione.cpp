// The deal: TimerDistribuisciCarte, one card per firing, 8 firings.
#include "game/Procedure.h"
#include "game/Tavolo.h"

namespace mrvelto {

void Tavolo::TimerDistribuisciCarte_Timer() {
    StatoGioco& s = stato_;
    // 1. Peek flag; the opening comment's turn.
    if (opzioni_.MostraCartePC()) s.Sbirciata = true;
    suoni_->CommentoIniziale();
    // 2. The receiving slot; who is to play.
    const int slot = SlotDellaDistribuzione(s.ContatoreDistribuisciCarte, s.GiocoIniziatoDa);
    s.AChiTocca = s.GiocoIniziatoDa == Chi::H ? Chi::H : Chi::PC;
    // 3, 4. Draw and show.
    Estrai(slot);
    MostraSlot(slot);
    // 5. Wait for the next firing.
    if (s.ContatoreDistribuisciCarte < 8) {
        ++s.ContatoreDistribuisciCarte;
        return;
    }
    // 6. Step 8: the deal is over.
    orologio_.Abilita(timer_.DistribuisciCarte, false);
    s.CommentoIniziale = false;
    const bool umanoInizia = s.AChiTocca == Chi::H;
    if (umanoInizia) suoni_->AvviaImpazienza();
    musica_->AvvioMusicaAllaDistribuzione();
    s.ContatoreDistribuisciCarte = 1;
    const char briscola = s.SemeBriscola();
    const bool segrete = opzioni_.MostraCartePC();
    for (int i = 1; i <= 7; ++i) ScriviCarta(dati_, i + 1, s.Carta[i], briscola, segrete || !CellaRiservata(i + 1));
    dati_[8].sfondo = umanoInizia ? colore::RosaUmano : colore::Rosso;
    vista_.CarteRimaste.testo = std::to_string(s.NumeroCarteRimaste);
    vista_.CarteRimaste.visibile = vista_.CarteRimasteScritta.visibile = true;
    pc_->CalcolaPuntiPotenziali(ctxPC_);
    SegnaBriscoleNelMazzo(s);
    // 7. The first move.
    if (umanoInizia) {
        vista_.NomeH.evidenziata = true;
        s.PuoiGiocare = s.GiocoInCorso = s.PartitaInCorso = true;
        return;
    }
    vista_.NomePC.evidenziata = true;
    if (s.NumeroCarteRimaste > 0) {
        pc_->AnalizzaInizioPC(ctxPC_);
    } else {
        pc_->TerzultimaGiocataIniziaPC(ctxPC_);
        pc_->AnalisiSecondoLivello(ctxPC_);
        ctxPC_.ArmaMossa();
    }
}

}  // namespace mrvelto
