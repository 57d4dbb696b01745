// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/MenuComandi.h"

namespace mrvelto {

namespace {

int PannelloDellaVoce(int k) {
    switch (k) {
        case ComandoPartita: return PannelloPartitaIdx;
        case ComandoDati: return PannelloDatiIdx;
        case ComandoAlbo: return PannelloAlboIdx;
        default: return PannelloOpzioniIdx;
    }
}

// The entry sharing the same place.
int Compagna(int k) {
    switch (k) {
        case ComandoPartita: return ComandoDati;
        case ComandoDati: return ComandoPartita;
        case ComandoAlbo: return ComandoOpzioni;
        default: return ComandoAlbo;
    }
}

bool Sinistra(int k) { return k == ComandoPartita || k == ComandoDati; }

}  // namespace

MenuComandi::MenuComandi() {
    const std::array<std::string_view, 5> testi{"Partita", "Dati", "Albo", "Opzioni", "Esci"};
    for (int k = 1; k <= 5; ++k) lblComandi[k].testo = testi[static_cast<std::size_t>(k - 1)];
}

void MenuComandi::Apri(int k) {
    const int altra = Compagna(k);
    auto& p = fraPannello[static_cast<std::size_t>(PannelloDellaVoce(k))];
    p.posizione = Sinistra(k) ? kPostoPannelloSinistro : kPostoPannelloDestro;
    p.visibile = true;
    fraPannello[static_cast<std::size_t>(PannelloDellaVoce(altra))].visibile = false;
    lblComandi[altra].coloreTesto = kVoceChiusa;
    lblComandi[k].coloreTesto = kVoceAperta;
    if (k == ComandoPartita) PannelloVisualizzato = PannelloLaterale::Partita;
    if (k == ComandoDati) PannelloVisualizzato = PannelloLaterale::Dati;
}

void MenuComandi::Chiudi(int k) {
    fraPannello[static_cast<std::size_t>(PannelloDellaVoce(k))].visibile = false;
    lblComandi[k].coloreTesto = kVoceChiusa;
    if (Sinistra(k)) PannelloVisualizzato = PannelloLaterale::Nessuno;
}

EffettoMenu MenuComandi::Click(int k) {
    if (k < 1 || k > 5 || !lblComandi[k].abilitata) return EffettoMenu::Nessuno;
    if (k == ComandoEsci) return EffettoMenu::ChiediUscita;
    const bool aperta = Aperta(k);
    if (aperta) Chiudi(k);
    else Apri(k);
    if (Sinistra(k)) return EffettoMenu::Nessuno;
    return aperta ? EffettoMenu::RiprendiImpazienza : EffettoMenu::FermaImpazienza;
}

void MenuComandi::ApriPannelloSalvato(PannelloLaterale p) {
    if (p == PannelloLaterale::Partita) Apri(ComandoPartita);
    else if (p == PannelloLaterale::Dati) Apri(ComandoDati);
}

Fuoco MenuComandi::cmdSetFocusAlbo(bool fineGiocoVisibile, bool istruzioneInizialeVisibile) {
    if (!fineGiocoVisibile || istruzioneInizialeVisibile) return Fuoco::Invariato;
    // The entry's state is its text colour: closing the panel turns it white again.
    Chiudi(ComandoAlbo);
    return Fuoco::ContinuaOIniziaPartita;
}

bool RiprendereImpazienza(bool tocca_a_H, opz::Carattere carattere, opz::Loquacita loquacita) {
    return tocca_a_H && carattere != opz::Carattere::Pacifico && loquacita != opz::Loquacita::Taciturno;
}

}  // namespace mrvelto
