// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RegolePresa.h"

#include "game/RegoleDistribuzione.h"

namespace mrvelto {

bool PresaCompleta(const StatoGioco& s) {
    const int pc = s.NumeroCartaGiocataDaPC;
    const int h = s.NumeroCartaGiocataDaH;
    return pc >= 1 && pc <= 3 && h >= 4 && h <= 6;
}

Presa EffettuaPresa(StatoGioco& s) {
    const int pc = s.NumeroCartaGiocataDaPC;
    const int h = s.NumeroCartaGiocataDaH;
    const EsitoPresa esito = DecidiPresa(s.TurnoDiGioco, s.Carta[pc], s.Carta[h], s.SemeBriscola());
    int& totale = esito.vincitore == Chi::H ? s.PuntiH : s.PuntiPC;
    totale += esito.punti;
    s.TurnoDiGioco = s.AChiTocca = esito.vincitore;
    InsiemeCarte& prese = esito.vincitore == Chi::PC ? s.PreseDaPC : s.PreseDaH;
    prese = prese.Con(s.InTavola());
    const Presa presa{esito.vincitore, esito.punti, s.Manche};
    ++s.Manche;
    if (s.NumeroCarteRimaste > 0) s.NumeroCartaAnalizzata = 1;
    if (totale > 60) s.Vincitore = esito.vincitore;
    return presa;
}

bool PresaConcludeGioco(const StatoGioco& s, const Opzioni& o) { return !o.FinoUltimaPresa() && s.Vincitore != Chi::Nessuno; }

void LiberaPostiGiocati(StatoGioco& s) {
    if (s.NumeroCarteRimaste >= 1) return;
    s.Svuota(s.NumeroCartaGiocataDaPC);
    s.Svuota(s.NumeroCartaGiocataDaH);
}

DopoLaPresa FaseDopoLaPresa(const StatoGioco& s) {
    switch (const int n = s.NumeroCarteRimaste; n) {
        case 2: return DopoLaPresa::PescaUltimeDue;
        case -2: return DopoLaPresa::Penultima;
        case -4: return DopoLaPresa::Ultima;
        case -6: return DopoLaPresa::FineGioco;
        default: return n > 2 ? DopoLaPresa::Pesca : DopoLaPresa::Nulla;
    }
}

namespace {

// The slot that receives this firing's card; flips the firing count.
int SlotCheRiceve(StatoGioco& s, bool prima) {
    s.NumeroCartaAnalizzata = prima ? 2 : 1;
    if (prima == (s.TurnoDiGioco == Chi::H)) return s.NumeroCartaGiocataDaH;
    return s.NumeroCartaGiocataDaPC;
}

}  // namespace

Pescata Pesca(StatoGioco& s, FonteCasuale& caso) {
    const bool prima = s.NumeroCartaAnalizzata == 1;
    Pescata p;
    p.slot = SlotCheRiceve(s, prima);
    p.seconda = !prima;
    --s.NumeroCarteRimaste;
    p.posizione = EstraiNelloSlot(s, p.slot, caso);
    return p;
}

Pescata PescaUltimeDue(StatoGioco& s) {
    const bool prima = s.NumeroCartaAnalizzata == 1;
    Pescata p;
    p.slot = SlotCheRiceve(s, prima);
    p.seconda = !prima;
    p.da = prima ? kSlotMazzo : kSlotBriscola;
    s.Carta[p.slot] = s.Carta[p.da];
    s.ContatoreCarteEstratte = p.slot;
    --s.NumeroCarteRimaste;
    return p;
}

void ChiudiPesca(StatoGioco& s) { s.NumeroCartaGiocataDaPC = s.NumeroCartaGiocataDaH = 0; }

}  // namespace mrvelto
