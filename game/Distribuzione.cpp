// SPDX-License-Identifier: GPL-3.0-or-later
// The deal: TimerDistribuisciCarte, one card per firing, 8 firings.
#include "game/RegoleDistribuzione.h"
#include "game/Tavolo.h"

namespace mrvelto {

void Tavolo::TimerDistribuisciCarte_Timer() {
    StatoGioco& s = stato_;
    // 1. Peek flag; the opening comment's turn.
    SegnaSbirciata();
    const int passo = s.ContatoreDistribuisciCarte;
    Pubblica(evento::PassoDistribuzione{passo});
    // 2-4. Draw and show.
    const Estrazione carta = DistribuisciUnaCarta(s, caso_);
    ContaEstrazione(carta.posizione);
    schermo_.MostraSlot(carta.slot, s, opzioni_);
    Pubblica(evento::CartaDistribuita{carta.slot, passo});
    // 5. Wait for the next firing.
    if (!AvanzaDistribuzione(s)) return;
    // 6. Step 8: the deal is over.
    orologio_.Abilita(timer_.DistribuisciCarte, false);
    s.CommentoIniziale = false;
    const bool umanoInizia = s.AChiTocca == Chi::H;
    schermo_.DatiDistribuzione(s, opzioni_, umanoInizia);
    schermo_.CarteRimaste(s.NumeroCarteRimaste);
    schermo_.MostraCarteRimaste(true);
    Pubblica(evento::DistribuzioneFinita{});
    // Read by the music and the opening comment during the event: this was the window's first deal.
    s.EtichettaAperturaGioco = true;
    // 7. The first move.
    if (umanoInizia) {
        schermo_.Evidenzia(Chi::H, true);
        TurnoAllUmano(s);
        AvviaImpazienza();
        return;
    }
    schermo_.Evidenzia(Chi::PC, true);
    SceltaPC();
    if (s.NumeroCarteRimaste > 0)
        ArmaValoreAggiuntivo();
    else
        ArmaMossa();
}

}  // namespace mrvelto
