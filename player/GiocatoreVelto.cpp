// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/GiocatoreVelto.h"

#include <variant>

#include "player/DecisionePC.h"
#include "player/LivelliDiGioco.h"
#include "player/PosizioneDallaVista.h"
#include "player/PotenzialeCarte.h"
#include "player/RicercaTerzultima.h"
#include "player/TabellaCoppie.h"

namespace mrvelto {

GiocatoreVelto::GiocatoreVelto(FonteCasuale& caso, char livello) : caso_(caso), livello_(livello) {}

GiocatoreVelto::GiocatoreVelto(std::uint64_t seme, char livello)
    : casoProprio_(std::make_unique<CasoConSeme>(seme, [] { return OraMinSec{}; })), caso_(*casoProprio_), livello_(livello) {}

int GiocatoreVelto::Scegli(const VistaGiocatore& vista) {
    PosizioneDallaVista(vista, posizione_);
    if (vista.posto == Chi::H) return ScegliAlPostoH();
    tab_.SostituitaDalLivello = false;
    AnalisiEScelta(posizione_, tab_, caso_, FaseDi(posizione_));
    return tab_.CartaPCDaGiocare;
}

int GiocatoreVelto::ScegliAlPostoH() {
    // Fresh tables for every move (one move per trick, so the 60-point filter starts off), with the cards seen so far.
    TabellePC tab;
    tab.PreseVirtuali = tab_.PreseVirtuali;
    CartaDaRispondereNonVista(posizione_, tab);
    const int scelta = DecidiMossa(posizione_, tab, caso_, livello_).scelta;
    return scelta == 0 ? 0 : scelta + 3;
}

int GiocatoreVelto::VariaTempoDiRisposta() { return mrvelto::VariaTempoDiRisposta(caso_); }

int GiocatoreVelto::ApplicaLivelloDiGioco(const VistaGiocatore& vista, char livello, int scelta) {
    tab_.CartaPCDaGiocare = scelta;
    mrvelto::ApplicaLivelloDiGioco(vista.NumeroCarteRimaste, tab_, livello, caso_);
    return tab_.CartaPCDaGiocare;
}

void GiocatoreVelto::Osserva(const Evento& e, const VistaPigra& vista) {
    if (std::holds_alternative<evento::GiocoImpostato>(e)) {
        DimenticaCarte(tab_);
        tab_.CartaPCDaGiocare = 0;
    } else if (std::holds_alternative<evento::DistribuzioneFinita>(e)) {
        PosizioneDallaVista(*vista, posizione_);
        CalcolaPuntiPotenziali(posizione_, tab_);
        SegnaBriscole(posizione_, tab_);
    } else if (std::holds_alternative<evento::CartaGiocata>(e)) {
        // Every card the seat has seen played, the one just played included.
        vista->giocate.PerOgni([this](CartaDaGioco c) { tab_.PreseVirtuali[c.Posizione()].stato = StatoCarta::Giocata; });
    } else if (std::holds_alternative<evento::PresaEffettuata>(e)) {
        if (vista->NumeroCarteRimaste > 0)
            AzzeraTabelleAnalisi(tab_);
        else
            AzzeraTabelleAnalisiFinale(tab_);
    } else if (std::holds_alternative<evento::PescaFinita>(e)) {
        PosizioneDallaVista(*vista, posizione_);
        CalcolaPuntiPotenziali(posizione_, tab_);
    } else if (std::holds_alternative<evento::GiocoConcluso>(e)) {
        tab_.Filtro60Punti = false;  // a game may end inside a trick
    }
}

void CartaDaRispondereNonVista(const StatoGioco& posizione, TabellePC& tab) {
    if (posizione.TurnoDiGioco != Chi::H || posizione.NumeroCartaGiocataDaH == 0) return;
    const int n = posizione.Carta[posizione.NumeroCartaGiocataDaH].Posizione();
    if (n != 0) tab.PreseVirtuali[n].stato = StatoCarta::NonVista;
}

}  // namespace mrvelto
