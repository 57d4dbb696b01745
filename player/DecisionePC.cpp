// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/DecisionePC.h"

#include "player/LivelliDiGioco.h"
#include "player/PotenzialeCarte.h"
#include "player/RicercaPenultima.h"
#include "player/RicercaTerzultima.h"
#include "player/SceltaInizio.h"
#include "player/SceltaRisposta.h"
#include "player/TabellaCoppie.h"

namespace mrvelto {

namespace {

int UnicaCarta(const StatoGioco& stato) {
    for (int s = 1; s <= 3; ++s)
        if (!stato.Carta[s].Vuota()) return s;
    return 0;
}

}  // namespace

Fase FaseDi(const StatoGioco& stato) {
    const int n = stato.NumeroCarteRimaste;
    if (stato.TurnoDiGioco == Chi::PC) {
        if (n > 0) return Fase::IniziaConMazzo;
        if (n == 0) return Fase::IniziaTerzultima;
        if (n == -2) return Fase::IniziaPenultima;
        if (n == -4) return Fase::Ultima;
        return Fase::Nessuna;
    }
    if (n >= 0) return Fase::RispondeConMazzo;
    if (n == -1) return Fase::RispondeTerzultima;
    if (n == -3) return Fase::RispondePenultima;
    if (n == -5) return Fase::Ultima;
    return Fase::Nessuna;
}

bool AvviaRispostaPC(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso) {
    switch (stato.NumeroCarteRimaste) {
        case -1:
            TerzultimaGiocataRispondePC(stato, tab);
            AnalisiSecondoLivelloBis(stato, tab, caso);
            return true;
        case -3:
            PenultimaGiocataRispondePC(stato, tab);
            return true;
        case -5:
            tab.CartaPCDaGiocare = UnicaCarta(stato);
            return true;
        default:
            if (stato.NumeroCarteRimaste < 0) return false;
            AnalizzaRispostaPC(stato, tab);
            ValoreAggiuntivo(stato, tab);
            return true;
    }
}

void AnalisiEScelta(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso, Fase fase) {
    switch (fase) {
        case Fase::IniziaConMazzo:
            AnalizzaInizioPC(stato, tab);
            ValoreAggiuntivoIniziaPC(stato, tab);
            break;
        case Fase::IniziaTerzultima:
            TerzultimaGiocataIniziaPC(stato, tab);
            AnalisiSecondoLivello(stato, tab, caso);
            break;
        case Fase::IniziaPenultima:
            PenultimaGiocataIniziaPC(stato, tab);
            break;
        case Fase::Ultima:
            tab.CartaPCDaGiocare = UnicaCarta(stato);
            break;
        case Fase::RispondeConMazzo:
        case Fase::RispondeTerzultima:
        case Fase::RispondePenultima:
            AvviaRispostaPC(stato, tab, caso);
            break;
        case Fase::Nessuna:
            break;
    }
}

EsitoDecisione DecidiMossa(const StatoGioco& stato, TabellePC& tab, FonteCasuale& caso, char livello) {
    EsitoDecisione esito;
    esito.fase = FaseDi(stato);
    tab.SostituitaDalLivello = false;
    if (esito.fase == Fase::Nessuna) return esito;
    if (esito.fase == Fase::IniziaConMazzo || esito.fase == Fase::RispondeConMazzo) CalcolaPuntiPotenziali(stato, tab);
    AnalisiEScelta(stato, tab, caso, esito.fase);
    esito.calcolata = tab.CartaPCDaGiocare;
    // The move's own draws: the thinking time first, then the level while the stock lasts.
    VariaTempoDiRisposta(caso);
    if (livello != 'A' && stato.NumeroCarteRimaste >= 1) esito.sostituita = ApplicaLivelloDiGioco(stato, tab, livello, caso);
    esito.scelta = tab.CartaPCDaGiocare;
    if (esito.fase == Fase::IniziaTerzultima || esito.fase == Fase::RispondeTerzultima) {
        for (int i = 1; i <= 3; ++i)
            if (tab.Peggiore[i].segno == Segno::Migliore) esito.candidati.push_back(i);
    } else {
        esito.candidati = {esito.scelta};
    }
    return esito;
}

}  // namespace mrvelto
