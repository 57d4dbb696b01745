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
    const std::string& quando = tavolo_.Opz()[OpzVariazioniGrafiche];
    if (quando == "All'inizio di ogni Gioco" || (quando == "All'inizio della Partita" && nuovaPartita)) Varia();
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
    const auto& tabella = TabellaColori();
    const std::string_view nome = n >= 1 && n <= 24 ? tabella[static_cast<std::size_t>(n - 1)].nome : tabella[0].nome;
    tavolo_.VariaOpzione(bersaglio, std::string(nome));
}

void VociOpzioni::ScegliMotivoCasuale() {
    const int n = IndiceCasuale(13, caso_);
    const auto& tabella = TabellaMotivi();
    const std::string_view nome = n >= 1 && n <= 13 ? tabella[static_cast<std::size_t>(n - 1)].nome : tabella[0].nome;
    tavolo_.VariaOpzione(OpzMotivoRetro, std::string(nome));
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
