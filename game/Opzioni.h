// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 21 options as typed values. Their Italian display texts (shown, saved and passed on the
// command line) are met only through Testo/ImpostaTesto and the cycles below; the game compares
// the enums, so a misspelt value cannot compile into a silent change of the rules.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mrvelto {

inline constexpr int kNumeroOpzioni = 21;

enum IndiceOpzione : int {
    OpzVariazioniGrafiche = 0,
    OpzColoreTavolo = 1,
    OpzCambioBrano = 2,
    OpzStileCarte = 3,
    OpzColoreRetro = 4,
    OpzMotivoRetro = 5,
    OpzAnimazione = 6,
    OpzPunteggio = 7,
    OpzFrequenzaMusica = 8,
    OpzRumori = 9,
    OpzLoquacita = 10,
    OpzCarattere = 11,
    OpzAbilita = 12,
    OpzTitoli = 13,
    OpzPresaAutomatica = 14,
    OpzConclusioneGioco = 15,
    OpzConclusionePartita = 16,
    OpzCerimonia = 17,
    OpzMostraCarte = 18,
    OpzVelocitaRisposta = 19,
    OpzAudioAnalisi = 20,
};

// Each enum lists its values in the order of the option's click cycle.
namespace opz {
enum class Variazioni : std::uint8_t { No, InizioPartita, OgniGioco };
enum class CambioBrano : std::uint8_t { DopoNuovoGioco, DopoBranoPrecedente };
enum class Mazzo : std::uint8_t { Napoletane, Piacentine, Opzionale };
enum class Motivo : std::uint8_t {
    Nessuno, Rombi, Decoro, Greche, Arzigogoli, Scacchiera, Stelle, Diagonali, Arabeschi, Intrecci, Asterischi, Spirali, Ornamenti
};
enum class Animazione : std::uint8_t { No, Veloce, Media, Lenta };
enum class Punteggio : std::uint8_t { Tutti, SoloPC, Nessuno, SoloH };
enum class FrequenzaMusica : std::uint8_t { OgniTanto, Raramente, Mai, Sempre, Spesso };
enum class Loquacita : std::uint8_t { Taciturno, Riservato, Gentleman, Loquace, Pettegolo };
enum class Carattere : std::uint8_t { Pacifico, AbbastanzaTollerante, Impaziente, Nervosetto, AssaiNervoso };
enum class Livello : std::uint8_t { A, B, C, D, E };
enum class Presa : std::uint8_t { No, MoltoLenta, Lenta, Media, Veloce, MoltoVeloce };
enum class ConclusioneGioco : std::uint8_t { AppenaSessanta, UltimaPresa };
enum class ConclusionePartita : std::uint8_t { AlMeglioDi3, AlMeglioDi4, AlMeglioDi5 };
enum class Cerimonia : std::uint8_t { No, OgniGioco, FinePartita };
enum class Risposta : std::uint8_t { MoltoLenta, Lenta, Media, Veloce, MoltoVeloce };
enum class AudioAnalisi : std::uint8_t { Silenzio, InterrompiMusica, ComeNelGioco, SpegniRumori };
}  // namespace opz

std::string_view DidascaliaOpzione(int n);       // "Animazione Carte:" ...
std::string_view ValoreInizialeOpzione(int n);   // "No" ...
// The values a click steps through, in order. Options 1 and 4 list the 24 colour names; option 3
// lists the two built-in decks (the optional deck's name is added by the caller when installed).
std::vector<std::string_view> CicloOpzione(int n);

struct Opzioni {
    opz::Variazioni VariazioniGrafiche = opz::Variazioni::InizioPartita;
    int ColoreTavolo;  // position in TabellaColori
    opz::CambioBrano CambioBrano = opz::CambioBrano::DopoBranoPrecedente;
    opz::Mazzo StileCarte = opz::Mazzo::Piacentine;
    std::string NomeMazzoOpzionale;  // the optional deck's name, when StileCarte is Opzionale
    int ColoreRetro;                 // position in TabellaColori
    opz::Motivo MotivoRetro = opz::Motivo::Nessuno;
    opz::Animazione Animazione = opz::Animazione::No;
    opz::Punteggio Punteggio = opz::Punteggio::Tutti;
    opz::FrequenzaMusica FrequenzaMusica = opz::FrequenzaMusica::OgniTanto;
    bool Rumori = true;
    opz::Loquacita Loquacita = opz::Loquacita::Pettegolo;
    opz::Carattere Carattere = opz::Carattere::AssaiNervoso;
    opz::Livello Abilita = opz::Livello::A;
    bool Titoli = true;
    opz::Presa PresaAutomatica = opz::Presa::MoltoVeloce;
    opz::ConclusioneGioco ConclusioneGioco = opz::ConclusioneGioco::AppenaSessanta;
    opz::ConclusionePartita ConclusionePartita = opz::ConclusionePartita::AlMeglioDi4;
    opz::Cerimonia Cerimonia = opz::Cerimonia::No;
    bool MostraCarte = false;
    opz::Risposta VelocitaRisposta = opz::Risposta::MoltoVeloce;
    opz::AudioAnalisi AudioAnalisi = opz::AudioAnalisi::Silenzio;

    Opzioni();
    bool operator==(const Opzioni&) const = default;

    // Option n as its display text ("Molto Veloce"), and back: false (and nothing changed) for a
    // text that is not one of its values. The deck style takes any non-empty text, the optional
    // deck's name being known only later.
    std::string Testo(int n) const;
    bool ImpostaTesto(int n, std::string_view testo);
    // Option n copies its value from `altre`.
    void Copia(int n, const Opzioni& altre);

    // The playing level letter 'A'..'E'.
    char LetteraLivello() const { return static_cast<char>('A' + static_cast<int>(Abilita)); }
    // Interval of TimerAttesaDelPCaMuovere by "Velocità risposta di Mr. Velto:".
    int IntervalloRisposta() const;
    // Interval of TimerEffettuaLaPresa by "Presa automatica:": 0 means the take waits for a click.
    int IntervalloPresa() const;
    // Tick of the card animation timers by "Animazione Carte:"; 0 means no animation.
    int IntervalloAnimazione() const;
    // TimerImpazienza by "Carattere di Mr. Velto:"; 0 for "Pacifico" (it never runs).
    int IntervalloImpazienza() const;
    bool FinoUltimaPresa() const { return ConclusioneGioco == opz::ConclusioneGioco::UltimaPresa; }
    // Games needed to win the match: 3, 4 or 5 by "Conclusione della Partita:".
    int GiochiPerPartita() const { return 3 + static_cast<int>(ConclusionePartita); }
    bool MostraCartePC() const { return MostraCarte; }
    bool RumoriAttivi() const { return Rumori; }
};

}  // namespace mrvelto
