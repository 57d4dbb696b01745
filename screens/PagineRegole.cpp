// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/PagineRegole.h"

#include <initializer_list>

namespace mrvelto {

namespace {

std::string Unisci(std::initializer_list<std::string_view> parti) {
    std::string s;
    for (std::string_view p : parti) s += p;
    return s;
}

}  // namespace

TestoRegole PaginaDelleRegole(int pagina) {
    switch (pagina) {
        case 2:
            return {kTitoloRegole,
                    Unisci({" Il giocatore che ha effettuato la presa raccoglie le due carte e le pone coperte davanti a sé, pescando poi "
                            "la prima carta dal mazzo (ed altrettanto farà l'avversario).",
                            " L'ultima carta del gioco ad essere pescata sarà la carta di briscola, dopodiché i giocatori proseguiranno "
                            "sino ad esaurimento delle proprie carte (pesca e gioca sempre per primo colui che s'è aggiudicato la presa "
                            "precedente).",
                            " Al termine del gioco vengono calcolati i punteggi finali sulla base dei seguenti valori: 11 punti per ogni "
                            "Asso catturato, 10 punti per i Tre, 4 per i Re, 3 per i Cavalli e 2 per i Fanti, mentre tutte le altre carte "
                            "non forniscono alcun punteggio utile.",
                            " Vincitore del singolo gioco è colui che realizza più di 60 punti, mentre la Partita è vinta al meglio di 3, "
                            "4 o 5 Giochi (a seconda degli accordi stipulati all'inizio fra i giocatori). Un gioco che termina in parità "
                            "(cioè a 60 punti cadauno) non viene conteggiato ai fini della Partita."})};
        case 3:
            return {kTitoloPresentazione,
                    Unisci({"Eccovi Mr. VELTO: un Giocatore Virtuale che non dorme, non si distrae, non si alza mai dal tavolo per "
                            "un caffè e, soprattutto, non accetta di perdere senza dire la sua.",
                            " Gioca la Briscola a due come la giocavano i nonni all'osteria: tiene a mente ogni carta uscita, conta i "
                            "punti senza sbagliare mai, sa quando caricare e quando lisciare, e non sbircia le vostre carte (al "
                            "contrario di qualcuno che conosciamo).",
                            " Potete scegliere quanto impegnarlo, dal Livello A, in cui dà il meglio di sé, ai livelli più "
                            "indulgenti, in cui ogni tanto si concede una distrazione, come un amico generoso dopo un buon pranzo."})};
        case 4:
            return {kTitoloPresentazione,
                    Unisci({"Mr. VELTO ha un carattere, e lo sentirete: commenta le prese, sbuffa se lo fate aspettare troppo, si "
                            "vanta quando vince e cerca scuse quando perde. Se preferite un avversario più tranquillo o più "
                            "silenzioso, il Pannello delle Opzioni vi permette di addolcirne il carattere e la loquacità.",
                            " Dallo stesso pannello potete cambiare il colore del tavolo, lo stile delle carte (Napoletane o "
                            "Piacentine), il motivo del retro, la musica e la velocità del Gioco.",
                            " Il menu in basso a sinistra apre il Pannello della Partita, con le carte già giocate, il Pannello "
                            "Dati, con la cronaca di ogni mano, e l'Albo, dove i migliori sfidanti restano scritti per sempre."})};
        case 5:
            return {kTitoloPresentazione,
                    Unisci({"Al termine di ogni Gioco potete salvarlo e poi rivederlo mano per mano, con calma, per scoprire dove "
                            "Mr. VELTO vi ha teso la trappola (o dove, più di rado, ci è cascato lui).",
                            " Il ritratto qui sopra è stato eseguito dal vero, in una rara pausa fra una Partita e l'altra.",
                            " Buon divertimento, e che la briscola sia con voi!"}),
                    true};
        default:
            return {kTitoloRegole,
                    Unisci({"Nella Briscola a due si utilizza un mazzo italiano di 40 carte. In questo Gioco la carta più importante è "
                            "l'Asso, seguito dal Tre e poi, in ordine decrescente, da tutte le altre: Re, Cavallo, Fante, 7, 6, 5, 4, 2.",
                            " All 'inizio del gioco il mazziere distribuisce tre carte per sé e tre per l'avversario, ponendo la "
                            "settima carta (la cosiddetta 'carta di briscola') scoperta sul tavolo, con il mazzo sovrastante che la "
                            "ricopre per metà.",
                            " L'avversario del mazziere cala per primo una carta, e quest'ultimo risponde con una delle sue.",
                            " Se entrambe le due carte sono dello stesso seme, s'aggiudica la presa colui che ha giocato la carta più "
                            "alta, mentre una carta con il seme 'di briscola' ha sempre la meglio su qualsiasi valore di seme diverso.",
                            " Nel caso in cui nessuna delle due carte è di briscola ed i semi sono differenti, s'aggiudicherà la presa "
                            "colui che ha calato la carta per primo, indipendentemente dai valori delle carte stesse."})};
    }
}

}  // namespace mrvelto
