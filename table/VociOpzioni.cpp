// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/VociOpzioni.h"

#include "game/AspettoCarte.h"
#include "game/ColoriTavolo.h"

namespace mrvelto {

VociOpzioni::VociOpzioni(Tavolo& tavolo, FonteCasuale& caso) : tavolo_(tavolo), caso_(caso) {
    colori_.fill(kVoceLibera);
    tavolo_.ImpostaBlocchiOpzioni(this);
}

VociOpzioni::~VociOpzioni() { tavolo_.ImpostaBlocchiOpzioni(nullptr); }

std::string VociOpzioni::Didascalia(int n) const {
    if (n == OpzVariazioniGrafiche) return voce0_;
    return std::string(DidascaliaOpzione(n));
}

void VociOpzioni::BloccaOpzioni(bool giocoInCorso, bool partitaInCorso) {
    if (giocoInCorso) colori_[OpzConclusioneGioco] = kVoceBloccata;
    if (partitaInCorso) colori_[OpzAbilita] = colori_[OpzConclusionePartita] = kVoceBloccata;
}

void VociOpzioni::SbloccaOpzioni(bool partitaFinita) {
    colori_[OpzConclusioneGioco] = kVoceLibera;
    if (partitaFinita) colori_[OpzAbilita] = colori_[OpzConclusionePartita] = kVoceLibera;
}

void VociOpzioni::VariazioniGrafiche(bool nuovaPartita) {
    const opz::Variazioni quando = tavolo_.Opz().VariazioniGrafiche;
    if (quando == opz::Variazioni::OgniGioco || (quando == opz::Variazioni::InizioPartita && nuovaPartita)) Varia();
}

void VociOpzioni::ScegliColoreCasuale() {
    const int n = IndiceCasuale(24, caso_);
    int bersaglio = OpzColoreRetro;
    if (voce0_ == kVoce0ConDuePunti) {
        voce0_ = kVoce0SenzaDuePunti;
        bersaglio = OpzColoreTavolo;
    } else {
        voce0_ = kVoce0ConDuePunti;
    }
    Opzioni nuove = tavolo_.Opz();
    const int colore = n >= 1 && n <= 24 ? n - 1 : 0;
    if (bersaglio == OpzColoreTavolo) nuove.ColoreTavolo = colore;
    else nuove.ColoreRetro = colore;
    tavolo_.VariaOpzione(bersaglio, nuove);
}

void VociOpzioni::ScegliMotivoCasuale() {
    const int n = IndiceCasuale(13, caso_);
    const auto& tabella = TabellaMotivi();
    Opzioni nuove = tavolo_.Opz();
    nuove.MotivoRetro = n >= 1 && n <= 13 ? tabella[static_cast<std::size_t>(n - 1)].motivo : tabella[0].motivo;
    tavolo_.VariaOpzione(OpzMotivoRetro, nuove);
}

void VociOpzioni::Varia() {
    // Each colour is applied as it is written (ColoraTavolo, then ColoraRetroCarte).
    ScegliColoreCasuale();
    ScegliColoreCasuale();
    ScegliMotivoCasuale();
}

void VociOpzioni::ColoriAllAvvio(bool casuali) {
    if (casuali) {
        Varia();
    } else {
        tavolo_.ApplicaOpzione(OpzColoreTavolo);
        tavolo_.ApplicaOpzione(OpzColoreRetro);
    }
}

}  // namespace mrvelto
