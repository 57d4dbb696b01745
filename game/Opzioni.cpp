// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Opzioni.h"

#include "game/ColoriTavolo.h"

#include <type_traits>

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

// Option n as its position in its cycle, and back (the deck style's third place is the optional deck).
int Posizione(const Opzioni& o, int n) {
    auto e = [](auto v) { return static_cast<int>(v); };
    switch (n) {
        case OpzVariazioniGrafiche: return e(o.VariazioniGrafiche);
        case OpzColoreTavolo: return o.ColoreTavolo;
        case OpzCambioBrano: return e(o.CambioBrano);
        case OpzStileCarte: return e(o.StileCarte);
        case OpzColoreRetro: return o.ColoreRetro;
        case OpzMotivoRetro: return e(o.MotivoRetro);
        case OpzAnimazione: return e(o.Animazione);
        case OpzPunteggio: return e(o.Punteggio);
        case OpzFrequenzaMusica: return e(o.FrequenzaMusica);
        case OpzRumori: return o.Rumori ? 0 : 1;
        case OpzLoquacita: return e(o.Loquacita);
        case OpzCarattere: return e(o.Carattere);
        case OpzAbilita: return e(o.Abilita);
        case OpzTitoli: return o.Titoli ? 0 : 1;
        case OpzPresaAutomatica: return e(o.PresaAutomatica);
        case OpzConclusioneGioco: return e(o.ConclusioneGioco);
        case OpzConclusionePartita: return e(o.ConclusionePartita);
        case OpzCerimonia: return e(o.Cerimonia);
        case OpzMostraCarte: return o.MostraCarte ? 1 : 0;
        case OpzVelocitaRisposta: return e(o.VelocitaRisposta);
        case OpzAudioAnalisi: return e(o.AudioAnalisi);
        default: return 0;
    }
}

void ImpostaPosizione(Opzioni& o, int n, int i) {
    auto e = [i](auto& campo) { campo = static_cast<std::remove_reference_t<decltype(campo)>>(i); };
    switch (n) {
        case OpzVariazioniGrafiche: e(o.VariazioniGrafiche); break;
        case OpzColoreTavolo: o.ColoreTavolo = i; break;
        case OpzCambioBrano: e(o.CambioBrano); break;
        case OpzStileCarte: e(o.StileCarte); break;
        case OpzColoreRetro: o.ColoreRetro = i; break;
        case OpzMotivoRetro: e(o.MotivoRetro); break;
        case OpzAnimazione: e(o.Animazione); break;
        case OpzPunteggio: e(o.Punteggio); break;
        case OpzFrequenzaMusica: e(o.FrequenzaMusica); break;
        case OpzRumori: o.Rumori = i == 0; break;
        case OpzLoquacita: e(o.Loquacita); break;
        case OpzCarattere: e(o.Carattere); break;
        case OpzAbilita: e(o.Abilita); break;
        case OpzTitoli: o.Titoli = i == 0; break;
        case OpzPresaAutomatica: e(o.PresaAutomatica); break;
        case OpzConclusioneGioco: e(o.ConclusioneGioco); break;
        case OpzConclusionePartita: e(o.ConclusionePartita); break;
        case OpzCerimonia: e(o.Cerimonia); break;
        case OpzMostraCarte: o.MostraCarte = i == 1; break;
        case OpzVelocitaRisposta: e(o.VelocitaRisposta); break;
        case OpzAudioAnalisi: e(o.AudioAnalisi); break;
        default: break;
    }
}

int PosizioneColore(std::string_view nome) {
    const auto& t = TabellaColori();
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i].nome == nome) return static_cast<int>(i);
    return 0;
}

}  // namespace

std::string_view DidascaliaOpzione(int n) { return D(n).didascalia; }
std::string_view ValoreInizialeOpzione(int n) { return D(n).iniziale; }
std::vector<std::string_view> CicloOpzione(int n) { return D(n).ciclo; }

Opzioni::Opzioni()
    : ColoreTavolo(PosizioneColore(ValoreInizialeOpzione(OpzColoreTavolo))),
      ColoreRetro(PosizioneColore(ValoreInizialeOpzione(OpzColoreRetro))) {}

std::string Opzioni::Testo(int n) const {
    if (n == OpzStileCarte && StileCarte == opz::Mazzo::Opzionale) return NomeMazzoOpzionale;
    const auto& ciclo = D(n).ciclo;
    const auto i = static_cast<std::size_t>(Posizione(*this, n));
    return i < ciclo.size() ? std::string(ciclo[i]) : std::string();
}

bool Opzioni::ImpostaTesto(int n, std::string_view testo) {
    if (n < 0 || n >= kNumeroOpzioni) return false;
    const auto& ciclo = D(n).ciclo;
    for (std::size_t i = 0; i < ciclo.size(); ++i) {
        if (ciclo[i] != testo) continue;
        ImpostaPosizione(*this, n, static_cast<int>(i));
        if (n == OpzStileCarte) NomeMazzoOpzionale.clear();
        return true;
    }
    if (n != OpzStileCarte || testo.empty()) return false;
    StileCarte = opz::Mazzo::Opzionale;
    NomeMazzoOpzionale = std::string(testo);
    return true;
}

void Opzioni::Copia(int n, const Opzioni& altre) {
    ImpostaPosizione(*this, n, Posizione(altre, n));
    if (n == OpzStileCarte) NomeMazzoOpzionale = altre.NomeMazzoOpzionale;
}

int Opzioni::IntervalloImpazienza() const {
    static constexpr std::array<int, 5> ms{0, 667, 500, 334, 250};
    return ms[static_cast<std::size_t>(Carattere)];
}

int Opzioni::IntervalloRisposta() const {
    static constexpr std::array<int, 5> ms{1500, 1250, 1000, 750, 500};
    return ms[static_cast<std::size_t>(VelocitaRisposta)];
}

int Opzioni::IntervalloPresa() const {
    static constexpr std::array<int, 6> ms{0, 2350, 1950, 1550, 1150, 750};
    return ms[static_cast<std::size_t>(PresaAutomatica)];
}

int Opzioni::IntervalloAnimazione() const {
    static constexpr std::array<int, 4> ms{0, 30, 45, 80};
    return ms[static_cast<std::size_t>(Animazione)];
}

}  // namespace mrvelto
