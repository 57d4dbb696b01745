// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Opzioni.h"

#include "game/ColoriTavolo.h"

namespace mrvelto {

namespace {

struct DescrizioneOpzione {
    std::string_view didascalia;
    std::string_view iniziale;
    std::vector<std::string_view> ciclo;
};

const std::array<DescrizioneOpzione, kNumeroOpzioni>& Descrizioni() {
    static const std::array<DescrizioneOpzione, kNumeroOpzioni> d = [] {
        std::vector<std::string_view> colori;
        for (const auto& c : TabellaColori()) colori.push_back(c.nome);
        return std::array<DescrizioneOpzione, kNumeroOpzioni>{{
            {"Variazioni grafiche casuali:", "All'inizio della Partita", {"No", "All'inizio della Partita", "All'inizio di ogni Gioco"}},
            {"Colore Tavolo e Pannelli:", "Rosso mattone", colori},
            {"Cambio Brano:", "Dopo il brano precedente", {"Dopo un nuovo Gioco", "Dopo il brano precedente"}},
            {"Stile Carte:", "Piacentine", {"Napoletane", "Piacentine"}},
            {"Colore Retro Carte:", "Grigio cemento", colori},
            {"Motivo Retro Carte:", "Nessuno", {"Nessuno", "Rombi", "Decoro", "Greche", "Arzigogoli", "Scacchiera", "Stelle", "Diagonali", "Arabeschi", "Intrecci", "Asterischi", "Spirali", "Ornamenti"}},
            {"Animazione Carte:", "No", {"No", "Veloce", "Media", "Lenta"}},
            {"Visualizzazione Punteggio:", "Tutti e due i Giocatori", {"Tutti e due i Giocatori", "Solo Mr. Velto", "Nessuno dei due Giocatori", "Solo il Giocatore umano"}},
            {"Frequenza Musica:", "Ogni tanto", {"Ogni tanto", "Raramente", "Mai", "Sempre", "Spesso"}},
            {"Rumori di Gioco:", "Si", {"Si", "No"}},
            {"Loquacità di Mr. Velto:", "Pettegolo", {"Taciturno", "Riservato", "Gentleman", "Loquace", "Pettegolo"}},
            {"Carattere di Mr. Velto:", "Assai nervoso", {"Pacifico", "Abbastanza tollerante", "Impaziente", "Nervosetto", "Assai nervoso"}},
            {"Abilità di Mr. Velto:", "Massima (Livello A)", {"Massima (Livello A)", "Alta (Livello B)", "Media (Livello C)", "Bassa (Livello D)", "Minima (Livello E)"}},
            {"Visualizzazione Titoli:", "Si", {"Si", "No"}},
            {"Presa automatica:", "Molto Veloce", {"No", "Molto Lenta", "Lenta", "Media", "Veloce", "Molto Veloce"}},
            {"Conclusione del Gioco:", "Appena uno supera 60 punti", {"Appena uno supera 60 punti", "Fino all'ultima presa"}},
            {"Conclusione della Partita:", "Al meglio di 4 Giochi", {"Al meglio di 3 Giochi", "Al meglio di 4 Giochi", "Al meglio di 5 Giochi"}},
            {"Cerimonia di Premiazione:", "No", {"No", "Al termine di ogni Gioco", "Al termine della Partita"}},
            {"Mostra carte di Mr. Velto:", "No", {"No", "Si"}},
            {"Velocità risposta di Mr. Velto:", "Molto Veloce", {"Molto Lenta", "Lenta", "Media", "Veloce", "Molto Veloce"}},
            {"Audio durante l'Analisi:", "Silenzio assoluto", {"Silenzio assoluto", "Interrompi la Musica", "Come nel Gioco", "Spegni i Rumori"}},
        }};
    }();
    return d;
}

const DescrizioneOpzione& D(int n) { return Descrizioni().at(static_cast<std::size_t>(n)); }

}  // namespace

std::string_view DidascaliaOpzione(int n) { return D(n).didascalia; }
std::string_view ValoreInizialeOpzione(int n) { return D(n).iniziale; }
std::vector<std::string_view> CicloOpzione(int n) { return D(n).ciclo; }

Opzioni::Opzioni() {
    for (int n = 0; n < kNumeroOpzioni; ++n) Opzione[static_cast<std::size_t>(n)] = std::string(ValoreInizialeOpzione(n));
}

char Opzioni::LetteraLivello() const {
    const std::string& v = Opzione[OpzAbilita];
    // "Massima (Livello A)": the letter sits before the closing parenthesis.
    if (v.size() >= 2 && v.back() == ')') {
        char c = v[v.size() - 2];
        if (c >= 'A' && c <= 'E') return c;
    }
    return 'A';
}

int Opzioni::IntervalloImpazienza() const {
    const std::string& v = Opzione[OpzCarattere];
    if (v == "Abbastanza tollerante") return 667;
    if (v == "Impaziente") return 500;
    if (v == "Nervosetto") return 334;
    if (v == "Assai nervoso") return 250;
    return 0;
}

int Opzioni::IntervalloRisposta() const {
    const std::string& v = Opzione[OpzVelocitaRisposta];
    if (v == "Molto Lenta") return 1500;
    if (v == "Lenta") return 1250;
    if (v == "Media") return 1000;
    if (v == "Veloce") return 750;
    return 500;
}

int Opzioni::IntervalloPresa() const {
    const std::string& v = Opzione[OpzPresaAutomatica];
    if (v == "No") return 0;
    if (v == "Molto Lenta") return 2350;
    if (v == "Lenta") return 1950;
    if (v == "Media") return 1550;
    if (v == "Veloce") return 1150;
    return 750;
}

int Opzioni::IntervalloAnimazione() const {
    const std::string& v = Opzione[OpzAnimazione];
    if (v == "Veloce") return 30;
    if (v == "Media") return 45;
    if (v == "Lenta") return 80;
    return 0;
}

int Opzioni::GiochiPerPartita() const {
    const std::string& v = Opzione[OpzConclusionePartita];
    if (v == "Al meglio di 3 Giochi") return 3;
    if (v == "Al meglio di 5 Giochi") return 5;
    return 4;
}

}  // namespace mrvelto
