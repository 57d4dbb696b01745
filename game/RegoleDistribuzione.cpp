// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RegoleDistribuzione.h"

#include "game/Procedure.h"

namespace mrvelto {

int EstraiNelloSlot(StatoGioco& s, int slot, FonteCasuale& caso) {
    s.ContatoreCarteEstratte = slot;
    if (EstraiACasoUnaCarta(s, s, slot, caso) == 0) return 0;
    return s.Carta[slot].Posizione();
}

void ImpostaNuovoGioco(StatoGioco& s, bool primo, FonteCasuale& caso) {
    for (int k = 1; k <= 8; ++k) s.Svuota(k);
    if (!s.PartitaInCorso) {
        s.PartitePC = s.PartiteH = 0;
        if (!primo) s.Sbirciata = false;
        s.NumeroGioco = 1;
    } else {
        ++s.NumeroGioco;
    }
    s.AzzeraSegni();
    if (!primo) {
        const Chi prossimo = s.GiocoIniziatoDa == Chi::H ? Chi::PC : Chi::H;
        s.GiocoIniziatoDa = s.AChiTocca = s.TurnoDiGioco = prossimo;
    } else {
        s.AChiTocca = s.TurnoDiGioco = s.GiocoIniziatoDa;
    }
    s.PuntiPC = s.PuntiH = 0;
    s.NumeroCarteRimaste = 34;
    s.Manche = 1;
    s.Vincitore = Chi::Nessuno;
    s.ContatoreDistribuisciCarte = 1;
    s.NumeroCartaGiocataDaH = s.NumeroCartaGiocataDaPC = 0;
    s.CartaPCDaGiocare = 0;
    s.NumeroCartaAnalizzata = 1;
    MescolaCarte(s, caso);
    // The click stays refused until the deal sets GiocoInCorso.
    s.PuoiGiocare = true;
}

Estrazione DistribuisciUnaCarta(StatoGioco& s, FonteCasuale& caso) {
    const int slot = SlotDellaDistribuzione(s.ContatoreDistribuisciCarte, s.GiocoIniziatoDa);
    s.AChiTocca = s.GiocoIniziatoDa == Chi::H ? Chi::H : Chi::PC;
    return {slot, EstraiNelloSlot(s, slot, caso)};
}

bool AvanzaDistribuzione(StatoGioco& s) {
    if (s.ContatoreDistribuisciCarte < 8) {
        ++s.ContatoreDistribuisciCarte;
        return false;
    }
    s.ContatoreDistribuisciCarte = 1;
    return true;
}

void TurnoAllUmano(StatoGioco& s) { s.PuoiGiocare = s.GiocoInCorso = s.PartitaInCorso = true; }

}  // namespace mrvelto
