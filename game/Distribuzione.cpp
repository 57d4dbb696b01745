// SPDX-License-Identifier: GPL-3.0-or-later
// The deal: TimerDistribuisciCarte, one card per firing, 8 firings.
#include "game/Procedure.h"
#include "game/Tavolo.h"

namespace mrvelto {

void Tavolo::TimerDistribuisciCarte_Timer() {
    StatoGioco& s = stato_;
    // 1. Peek flag; the opening comment's turn.
    SegnaSbirciata();
    Pubblica(evento::PassoDistribuzione{s.ContatoreDistribuisciCarte});
    // 2. The receiving slot; who is to play.
    const int slot = SlotDellaDistribuzione(s.ContatoreDistribuisciCarte, s.GiocoIniziatoDa);
    s.AChiTocca = s.GiocoIniziatoDa == Chi::H ? Chi::H : Chi::PC;
    // 3, 4. Draw and show.
    Estrai(slot);
    MostraSlot(slot);
    Pubblica(evento::CartaDistribuita{slot, s.ContatoreDistribuisciCarte});
    // 5. Wait for the next firing.
    if (s.ContatoreDistribuisciCarte < 8) {
        ++s.ContatoreDistribuisciCarte;
        return;
    }
    // 6. Step 8: the deal is over.
    orologio_.Abilita(timer_.DistribuisciCarte, false);
    s.CommentoIniziale = false;
    const bool umanoInizia = s.AChiTocca == Chi::H;
    s.ContatoreDistribuisciCarte = 1;
    const char briscola = s.SemeBriscola();
    const bool segrete = opzioni_.MostraCartePC();
    for (int i = 1; i <= 7; ++i) ScriviCarta(dati_, i + 1, s.Carta[i], briscola, segrete || !CellaRiservata(i + 1));
    dati_[8].sfondo = umanoInizia ? colore::RosaUmano : colore::Rosso;
    vista_.CarteRimaste.testo = std::to_string(s.NumeroCarteRimaste);
    vista_.CarteRimaste.visibile = vista_.CarteRimasteScritta.visibile = true;
    Pubblica(evento::DistribuzioneFinita{});
    // Read by the music and the opening comment during the event: this was the window's first deal.
    s.EtichettaAperturaGioco = true;
    // 7. The first move.
    if (umanoInizia) {
        vista_.NomeH.evidenziata = true;
        s.PuoiGiocare = s.GiocoInCorso = s.PartitaInCorso = true;
        AvviaImpazienza();
        return;
    }
    vista_.NomePC.evidenziata = true;
    SceltaPC();
    if (s.NumeroCarteRimaste > 0)
        ArmaValoreAggiuntivo();
    else
        ArmaMossa();
}

}  // namespace mrvelto
