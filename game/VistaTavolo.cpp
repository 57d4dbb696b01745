// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/VistaTavolo.h"

#include "game/AspettoCarte.h"

namespace mrvelto {

void VistaTavolo::ApplicaOpzione(int n, const Opzioni& o, bool giocoInCorso) {
    switch (n) {
        case OpzColoreTavolo: ColoraTavolo(o, vista_); break;
        case OpzColoreRetro: ColoraRetroCarte(o, vista_); break;
        case OpzConclusionePartita: vista_.NumeroColonnePallini = o.GiochiPerPartita(); break;
        case OpzPunteggio:
            if (giocoInCorso || !vista_.FineGioco.visibile) VisibilitaPunteggi(false, o);
            break;
        case OpzAbilita: MostraNomeLivello(o); break;
        default: break;
    }
}

void VistaTavolo::MostraOpzioneSulleCarte(int n, const StatoGioco& s, const Opzioni& o) {
    switch (n) {
        case OpzStileCarte:
            for (int k = 1; k <= 7; ++k) VisualizzaCarte(k, s.Carta[k], o, vista_);
            break;
        case OpzMotivoRetro:
            for (int k : {1, 2, 3, kSlotMazzo}) MotivoRetro(k, o, vista_);
            break;
        case OpzMostraCarte:
            for (int k = 1; k <= 3; ++k) {
                SlotGrafico& g = vista_.Slot[k];
                if (InFilaCentrale(g)) continue;
                if (o.MostraCartePC()) {
                    g.riempimento = colore::Bianco;
                    VisualizzaCarte(k, s.Carta[k], o, vista_);
                } else {
                    MotivoRetro(k, o, vista_);
                }
            }
            break;
        default: break;
    }
}

void VistaTavolo::MostraNomeLivello(const Opzioni& o) {
    vista_.NomePC.testo = NomeLivello(o);
    dati_[0].testo = vista_.NomePC.testo;
    dati_[0].visibile = true;
}

void VistaTavolo::ImpostaNomeGiocatore(const std::string& nome) {
    vista_.NomeH.testo = nome;
    dati_[1].testo = nome;
    dati_[1].visibile = true;
}

void VistaTavolo::Evidenzia(Chi chi, bool si) { (chi == Chi::H ? vista_.NomeH : vista_.NomePC).evidenziata = si; }

void VistaTavolo::ImpostaPunteggi(const StatoGioco& s) {
    vista_.PuntiH.testo = std::to_string(s.PuntiH);
    vista_.PuntiPC.testo = std::to_string(s.PuntiPC);
}

void VistaTavolo::VisibilitaPunteggi(bool tutti, const Opzioni& o) {
    const opz::Punteggio v = o.Punteggio;
    const bool h = tutti || v == opz::Punteggio::Tutti || v == opz::Punteggio::SoloH;
    const bool pc = tutti || v == opz::Punteggio::Tutti || v == opz::Punteggio::SoloPC;
    vista_.PuntiH.visibile = vista_.PuntiHScritta.visibile = h;
    vista_.PuntiPC.visibile = vista_.PuntiPCScritta.visibile = pc;
}

void VistaTavolo::RipristinaPunteggi(const PunteggiVisibili& p) {
    vista_.PuntiPC.visibile = p.PuntiPC;
    vista_.PuntiPCScritta.visibile = p.PuntiPCScritta;
    vista_.PuntiH.visibile = p.PuntiH;
    vista_.PuntiHScritta.visibile = p.PuntiHScritta;
}

void VistaTavolo::PulsantePresa(bool visibile) {
    vista_.cmdEffettuaLaPresa.visibile = visibile;
    if (visibile) vista_.cmdEffettuaLaPresa.abilitata = true;
}

void VistaTavolo::MostraSlot(int slot, const StatoGioco& s, const Opzioni& o) {
    if (SlotScoperto(slot, o))
        Scopri(slot, s, o);
    else
        MotivoRetro(slot, o, vista_);
    vista_.Slot[slot].visibile = true;
}

void VistaTavolo::Scopri(int slot, const StatoGioco& s, const Opzioni& o) {
    vista_.Slot[slot].riempimento = colore::Bianco;
    VisualizzaCarte(slot, s.Carta[slot], o, vista_);
}

void VistaTavolo::InTavola(int slot) {
    SlotGrafico& g = vista_.Slot[slot];
    g.Sposta(slot >= 4 ? kPostoInTavolaH : kPostoInTavolaPC);
    g.visibile = true;
}

bool VistaTavolo::AvanzaVersoLaTavola(int slot) {
    SlotGrafico& g = vista_.Slot[slot];
    const Punto passo = PassoAnimazione(slot);
    g.Sposta({g.immagine.left + passo.left, g.immagine.top + passo.top});
    const bool umano = slot >= 4;
    const Punto posto = umano ? kPostoInTavolaH : kPostoInTavolaPC;
    if (umano ? g.immagine.top > posto.top : g.immagine.top < posto.top) return false;
    g.Sposta(posto);
    return true;
}

bool VistaTavolo::AvanzaVersoIlVincitore(int pc, int h, bool versoH) {
    const int passo = versoH ? 495 : -495;
    const int meta = versoH ? 6300 : 360;
    bool arrivato = false;
    for (int k : {pc, h}) {
        if (k < 1 || k > 6) continue;
        SlotGrafico& g = vista_.Slot[k];
        g.Sposta({g.immagine.left, g.immagine.top + passo});
        arrivato = versoH ? g.immagine.top >= meta : g.immagine.top <= meta;
    }
    return arrivato;
}

void VistaTavolo::RiponiCarteGiocate(const StatoGioco& s) { mrvelto::RiponiCarteGiocate(s, vista_); }

void VistaTavolo::SgombraTavolo() {
    for (int k = 1; k <= 8; ++k) {
        vista_.Slot[k].visibile = false;
        vista_.Slot[k].Sposta(PosizioneDiManoDelloSlot(k));
    }
    vista_.cmdEffettuaLaPresa.visibile = false;
    MostraCarteRimaste(false);
}

void VistaTavolo::GiocoVinto(Chi vincitore, int giochiVinti) {
    Evidenzia(vincitore, true);
    auto& pallini = vincitore == Chi::H ? vista_.PallinoH : vista_.PallinoPC;
    if (giochiVinti >= 1 && giochiVinti <= 5) pallini[giochiVinti] = true;
}

void VistaTavolo::MostraFineGioco(bool partitaFinita) {
    auto [m1, m2] = MessaggiFineGioco(partitaFinita);
    vista_.FineGioco.messaggio1 = std::move(m1);
    vista_.FineGioco.messaggio2 = std::move(m2);
}

void VistaTavolo::ApriFineGioco() {
    vista_.FineGioco.cmdContinuaOIniziaPartita.abilitata = true;
    vista_.FineGioco.posizione = {3420, 3030};
    vista_.FineGioco.visibile = true;
    for (int i = 2; i < PannelloDati::kCelle; ++i)
        if (!dati_[i].testo.empty()) dati_[i].visibile = true;
}

void VistaTavolo::ChiudiFineGioco() {
    vista_.FineGioco.cmdContinuaOIniziaPartita.abilitata = false;
    vista_.FineGioco.visibile = false;
    SvuotaPannelloDati(dati_);
    RipristinaColoriDati(dati_);
    SpegniNomi();
}

void VistaTavolo::AzzeraPallini() {
    vista_.PallinoH.fill(false);
    vista_.PallinoPC.fill(false);
}

void VistaTavolo::ImpostaIntestazioneDati(std::string riga1, std::string riga2) {
    dati_.Intestazione1 = std::move(riga1);
    dati_.Intestazione2 = std::move(riga2);
}

void VistaTavolo::DatiDistribuzione(const StatoGioco& s, const Opzioni& o, bool umanoInizia) {
    const char briscola = s.SemeBriscola();
    const bool segrete = o.MostraCartePC();
    for (int i = 1; i <= 7; ++i) ScriviCarta(dati_, i + 1, s.Carta[i], briscola, segrete || !CellaRiservata(i + 1));
    dati_[8].sfondo = umanoInizia ? colore::RosaUmano : colore::Rosso;
}

void VistaTavolo::DatiPesca(const StatoGioco& s, const Opzioni& o) {
    const int manche = s.Manche - 1;  // the trick just taken
    if (manche > kManchePannello) return;
    const char briscola = s.SemeBriscola();
    const bool visibili = o.MostraCartePC();
    ScriviCarta(dati_, CellaDellaManche(manche, ColonnaDati::PescaPC), s.Carta[s.NumeroCartaGiocataDaPC], briscola, visibili);
    ScriviCarta(dati_, CellaDellaManche(manche, ColonnaDati::PescaH), s.Carta[s.NumeroCartaGiocataDaH], briscola, visibili);
    dati_(manche, ColonnaDati::PescaPC).coloreTesto = dati_(manche, ColonnaDati::PescaH).coloreTesto = colore::Nero;
}

void VistaTavolo::CaricaPannelloDati(const PannelloDati& dati) {
    dati_ = dati;
    RipristinaColoriDati(dati_);
    vista_.NomeH.testo = dati_[1].testo;
}

void VistaTavolo::ImpostaCellaDati(int i, std::string testo, Colore sfondo) {
    CellaDati& c = dati_[i];
    c.visibile = !testo.empty();
    c.testo = std::move(testo);
    c.sfondo = sfondo;
}

}  // namespace mrvelto
