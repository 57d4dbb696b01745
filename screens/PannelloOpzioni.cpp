// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/PannelloOpzioni.h"

#include <algorithm>

namespace mrvelto {

const std::array<GruppoOpzioni, 3>& GruppiOpzioni() {
    static const std::array<GruppoOpzioni, 3> gruppi{{
        {"Opzioni Grafiche:", {0, 1, 3, 4, 5, 6, 7, 13}},
        {"Opzioni Audio:", {2, 8, 9, 10, 20}},
        {"Opzioni di Gioco:", {11, 12, 14, 15, 16, 17, 18, 19}},
    }};
    return gruppi;
}

std::string ValoreSuccessivo(int n, std::string_view valore, std::string_view nomeCarteOpzionali) {
    std::vector<std::string_view> ciclo = CicloOpzione(n);
    if (n == OpzStileCarte && !nomeCarteOpzionali.empty()) ciclo.push_back(nomeCarteOpzionali);
    const auto it = std::find(ciclo.begin(), ciclo.end(), valore);
    if (it == ciclo.end()) return n == OpzStileCarte ? std::string(ciclo.front()) : std::string(valore);
    const auto dopo = std::next(it);
    return std::string(dopo == ciclo.end() ? ciclo.front() : *dopo);
}

std::string_view SpiegazioneOpzione(int n) {
    static constexpr std::array<std::string_view, kNumeroOpzioni> testi{
        "Cambia a caso il colore del tavolo, quello del retro delle carte e il loro motivo: mai, a ogni nuova Partita "
        "oppure a ogni nuovo Gioco.",
        "Il colore del tavolo e dei pannelli laterali. Il cambio è immediato.",
        "Quando cambiare il brano musicale: alla fine di quello in corso oppure a ogni nuovo Gioco.",
        "Il mazzo con cui si gioca: carte Napoletane, Piacentine (con la cornice) o il mazzo opzionale ad alta "
        "leggibilità, con indici grandi e semi ben distinti.",
        "Il colore del retro delle carte coperte, del mazzo e dei pallini delle vittorie.",
        "Il disegno sul retro delle carte coperte; si vede dalla prossima carta coperta.",
        "Le carte giocate scivolano sul tavolo e quelle prese vanno verso chi le ha vinte, veloci, medie o lente; "
        "con \"No\" compaiono subito al loro posto.",
        "Di chi mostrare i punti durante il Gioco: di tutti e due, di uno solo o di nessuno.",
        "Quanto spesso suona la musica tra un Gioco e l'altro.",
        "I rumori delle carte distribuite, giocate e prese.",
        "Quanto parla Mr. Velto durante il Gioco: da taciturno a pettegolo.",
        "Quanto presto Mr. Velto si spazientisce se tardi a giocare.",
        "La forza di gioco di Mr. Velto, dal livello A (il più forte) al livello E. Non si cambia a Partita iniziata.",
        "Mostra il titolo del brano musicale che sta suonando.",
        "Dopo quanto tempo le due carte giocate vengono prese da sole; con \"No\" si prende col pulsante \"Prendi\".",
        "Il Gioco finisce appena uno supera 60 punti, oppure si gioca fino all'ultima presa. Non si cambia a Gioco "
        "iniziato.",
        "Quanti Giochi bisogna vincere per aggiudicarsi la Partita. Non si cambia a Partita iniziata.",
        "Quando suonare l'inno per il vincitore: mai, a ogni Gioco o alla fine della Partita.",
        "Scopre le carte in mano a Mr. Velto. La Partita giocata così viene segnata come sbirciata.",
        "Quanto tempo Mr. Velto si prende per giocare la sua carta.",
        "Che cosa si sente mentre si rivede una Partita: niente, solo i rumori, tutto come nel Gioco o solo la "
        "musica.",
    };
    if (n < 0 || n >= kNumeroOpzioni) return {};
    return testi[static_cast<std::size_t>(n)];
}

PannelloOpzioni::PannelloOpzioni(Tavolo& tavolo, VociOpzioni& voci, const CarteOpzionali& opzionali)
    : tavolo_(tavolo), voci_(voci), opzionali_(opzionali) {}

RigaOpzione PannelloOpzioni::Riga(int n) const {
    return {voci_.Didascalia(n), voci_.ColoreVoce(n), tavolo_.Opz().Testo(n), evidenziato_.at(static_cast<std::size_t>(n))};
}

bool PannelloOpzioni::lblVoce_Click(int n) {
    if (n < 0 || n >= kNumeroOpzioni || !voci_.Libera(n)) return false;
    const std::string nome = opzionali_.Installate() ? opzionali_.NomeCarteOpzionali : std::string();
    const std::string prima = tavolo_.Opz().Testo(n);
    const std::string dopo = ValoreSuccessivo(n, prima, nome);
    Opzioni nuove = tavolo_.Opz();
    if (dopo == prima || !nuove.ImpostaTesto(n, dopo)) return false;
    tavolo_.ImpostaOpzione(n, nuove);
    return true;
}

void PannelloOpzioni::lblVoce_MouseMove(int n) {
    if (n < 0 || n >= kNumeroOpzioni || n == mouse_) return;
    evidenziato_.fill(false);
    if (voci_.Libera(n)) evidenziato_[static_cast<std::size_t>(n)] = true;
    mouse_ = n;
}

void PannelloOpzioni::Opzione_MouseMove() {
    evidenziato_.fill(false);
    mouse_ = kNessunaOpzione;
}

}  // namespace mrvelto
