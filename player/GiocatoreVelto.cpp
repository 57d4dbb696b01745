// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/GiocatoreVelto.h"

#include <variant>

#include "player/DecisionePC.h"
#include "player/LivelliDiGioco.h"
#include "player/PotenzialeCarte.h"
#include "player/RicercaTerzultima.h"
#include "player/TabellaCoppie.h"

namespace mrvelto {

GiocatoreVelto::GiocatoreVelto(FonteCasuale& caso, char livello) : caso_(caso), livello_(livello) {}

GiocatoreVelto::GiocatoreVelto(std::uint64_t seme, char livello)
    : casoProprio_(std::make_unique<CasoConSeme>(seme, [] { return OraMinSec{}; })), caso_(*casoProprio_), livello_(livello) {}

int GiocatoreVelto::Scegli(const StatoGioco& stato, Chi posto) {
    if (posto == Chi::H) return ScegliAlPostoH(stato);
    tab_.SostituitaDalLivello = false;
    AnalisiEScelta(stato, tab_, caso_, FaseDi(stato));
    return tab_.CartaPCDaGiocare;
}

int GiocatoreVelto::ScegliAlPostoH(const StatoGioco& stato) {
    const StatoGioco vista = VistaDalPosto(stato, Chi::H);
    // Fresh tables for every move (one move per trick, so the 60-point filter starts off), with the cards seen so far.
    TabellePC tab;
    tab.PreseVirtuali = tab_.PreseVirtuali;
    CartaDaRispondereNonVista(vista, tab);
    const int scelta = DecidiMossa(vista, tab, caso_, livello_).scelta;
    return scelta == 0 ? 0 : scelta + 3;
}

int GiocatoreVelto::VariaTempoDiRisposta() { return mrvelto::VariaTempoDiRisposta(caso_); }

int GiocatoreVelto::ApplicaLivelloDiGioco(const StatoGioco& stato, char livello, int scelta) {
    tab_.CartaPCDaGiocare = scelta;
    mrvelto::ApplicaLivelloDiGioco(stato, tab_, livello, caso_);
    return tab_.CartaPCDaGiocare;
}

void GiocatoreVelto::Osserva(const Evento& e, const StatoGioco& stato) {
    if (std::holds_alternative<evento::GiocoImpostato>(e)) {
        DimenticaCarte(tab_);
        tab_.CartaPCDaGiocare = 0;
    } else if (std::holds_alternative<evento::DistribuzioneFinita>(e)) {
        CalcolaPuntiPotenziali(stato, tab_);
        SegnaBriscole(stato, tab_);
    } else if (const auto* g = std::get_if<evento::CartaGiocata>(&e)) {
        SegnaCartaGiocata(stato, tab_, g->slot);
    } else if (std::holds_alternative<evento::PresaEffettuata>(e)) {
        if (stato.NumeroCarteRimaste > 0)
            AzzeraTabelleAnalisi(tab_);
        else
            AzzeraTabelleAnalisiFinale(tab_);
    } else if (std::holds_alternative<evento::PescaFinita>(e)) {
        CalcolaPuntiPotenziali(stato, tab_);
    } else if (std::holds_alternative<evento::GiocoConcluso>(e)) {
        tab_.Filtro60Punti = false;  // a game may end inside a trick
    }
}

StatoGioco VistaDalPosto(const StatoGioco& s, Chi posto) {
    StatoGioco m = s;
    if (posto == Chi::PC) return m;
    for (int k = 1; k <= 3; ++k) {
        m.Carta[k] = s.Carta[k + 3];
        m.Carta[k + 3] = s.Carta[k];
    }
    auto scambia = [](Chi c) { return c == Chi::PC ? Chi::H : c == Chi::H ? Chi::PC : c; };
    m.PuntiPC = s.PuntiH;
    m.PuntiH = s.PuntiPC;
    m.TurnoDiGioco = scambia(s.TurnoDiGioco);
    m.AChiTocca = scambia(s.AChiTocca);
    m.GiocoIniziatoDa = scambia(s.GiocoIniziatoDa);
    m.NumeroCartaGiocataDaH = s.NumeroCartaGiocataDaPC != 0 ? s.NumeroCartaGiocataDaPC + 3 : 0;
    m.NumeroCartaGiocataDaPC = s.NumeroCartaGiocataDaH != 0 ? s.NumeroCartaGiocataDaH - 3 : 0;
    return m;
}

void CartaDaRispondereNonVista(const StatoGioco& vista, TabellePC& tab) {
    if (vista.TurnoDiGioco != Chi::H || vista.NumeroCartaGiocataDaH == 0) return;
    const int n = vista.Carta[vista.NumeroCartaGiocataDaH].Posizione();
    if (n != 0) tab.PreseVirtuali[n].stato = StatoCarta::NonVista;
}

}  // namespace mrvelto
