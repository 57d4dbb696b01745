// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/TabellaCoppie.h"

#include "player/PotenzialeCarte.h"
#include "player/RicercaTerzultima.h"

namespace mrvelto {

float BonusBriscola(int valore) {
    switch (valore) {
        case 44: return 13.794872f;
        case 40: return 11.743590f;
        case 16: return 5.487179f;
        case 12: return 4.256410f;
        case 8: return 3.179487f;
        default: return 1.538462f;
    }
}

void ValutaCoppia(const StatoGioco& stato, TabellePC& tab, int k, int i, int j) {
    const char briscola = stato.SemeBriscola();
    const EsitoPresa esito = DecidiPresa(stato.TurnoDiGioco, stato.Carta[i], stato.Carta[j], briscola);
    const bool prendePC = esito.vincitore == Chi::PC;
    CasellaI& normale = tab.TotaliNormali[k];
    if (prendePC) {
        normale.valore = stato.PuntiPC + esito.punti;
    } else {
        normale.valore = stato.PuntiH + esito.punti;
        normale.segno = Segno::VinceUmano;
    }
    const float t = *tab.PuntiPotenziali[i] + *tab.PuntiPotenziali[j];
    tab.TotaliPotenziali[k].valore = t;
    // The bonus belongs to the card of the side that loses the pair.
    const int perdente = prendePC ? j : i;
    const float b = stato.Carta[perdente].Seme() == briscola ? BonusBriscola(stato.Carta[perdente].Valore()) : *tab.PuntiPotenziali[perdente];
    tab.Convenienza[k].valore = prendePC ? t - *tab.Potenziale[i] + b : -(t - *tab.Potenziale[j] + b);
    tab.ContatoreCaselle = k + 1;
}

void AnalizzaInizioPC(const StatoGioco& stato, TabellePC& tab) {
    CalcolaPotenzialeCarte(stato, tab);
    for (int i = 1; i <= 3; ++i)
        for (int j = 4; j <= 6; ++j) ValutaCoppia(stato, tab, 3 * (i - 1) + (j - 3), i, j);
}

void AnalizzaRispostaPC(const StatoGioco& stato, TabellePC& tab) {
    CalcolaPotenzialeCarte(stato, tab);
    for (int i = 1; i <= 3; ++i) ValutaCoppia(stato, tab, i, i, stato.NumeroCartaGiocataDaH);
}

void AzzeraTabelleAnalisi(TabellePC& tab) {
    tab.ContatoreRisposteMultiple = 1;
    tab.NumeroBriscole = 0;
    tab.TotaliValoriAggiuntivi = 0;
    tab.TotaliRossi = 0;
    tab.TotaliVerdi = 0;
    tab.ValorePiuAlto.reset();
    tab.Filtro60Punti = false;
    for (VocePresa& v : tab.PreseVirtuali) {
        v.punti.reset();
        // A select, not a branch: the played cards follow no pattern a predictor could learn.
        v.stato = v.stato == StatoCarta::Giocata ? StatoCarta::Giocata : StatoCarta::NonVista;
    }
    for (int k = 1; k <= 9; ++k) {
        tab.TotaliNormali[k].Svuota();
        tab.TotaliPotenziali[k].Svuota();
        tab.Convenienza[k].Svuota();
    }
    for (auto& v : tab.ValAgg) v.Svuota();
    tab.ContatoreCaselle = 1;
}

void AzzeraTabelleAnalisiFinale(TabellePC& tab) {
    RiazzeraValori(tab);
    tab.Filtro60Punti = false;
}

}  // namespace mrvelto
