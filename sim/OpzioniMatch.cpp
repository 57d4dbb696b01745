// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/OpzioniMatch.h"

#include <charconv>
#include <functional>
#include <ostream>

#include "game/Opzioni.h"
#include "sim/Avversari.h"
#include "sim/InParallelo.h"

namespace mrvelto::sim {

namespace {

bool Numero(const std::string& testo, std::uint64_t& valore) {
    const char* fine = testo.data() + testo.size();
    auto [p, ec] = std::from_chars(testo.data(), fine, valore);
    return ec == std::errc{} && p == fine && !testo.empty();
}

// A value must be one of the option's cycle (the exact Italian display text).
bool ValoreAmmesso(int n, const std::string& valore) {
    for (auto v : CicloOpzione(n))
        if (v == valore) return true;
    return false;
}

struct Flag {
    const char* nome;
    const char* argomento;  // nullptr: a switch without value
    const char* aiuto;
    std::function<std::string(OpzioniMatch&, const std::string&)> applica;  // returns an error or ""
};

const std::vector<Flag>& Flags() {
    static const std::vector<Flag> flags = {
        {"--games", "N", "numero di giochi da giocare (predefinito 100)",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             return Numero(v, o.giochi) && o.giochi > 0 ? "" : "--games vuole un numero intero positivo";
         }},
        {"--seed", "S", "seme del caso del gioco (predefinito 1)",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             return Numero(v, o.seme) ? "" : "--seed vuole un numero intero";
         }},
        {"--end-of-game", "TESTO",
         "\"Conclusione del Gioco:\": \"Appena uno supera 60 punti\" (predefinito) o \"Fino all'ultima presa\"",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             if (!ValoreAmmesso(OpzConclusioneGioco, v)) return "--end-of-game: valore sconosciuto \"" + v + "\"";
             o.opzioni.emplace_back(OpzConclusioneGioco, v);
             return "";
         }},
        {"--option", "N=TESTO", "imposta l'opzione N (0..20) a TESTO, uno dei valori che mostra",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             const auto uguale = v.find('=');
             std::uint64_t n = 0;
             if (uguale == std::string::npos || !Numero(v.substr(0, uguale), n) || n >= kNumeroOpzioni)
                 return "--option vuole N=TESTO con N fra 0 e 20";
             const std::string valore = v.substr(uguale + 1);
             if (!ValoreAmmesso(static_cast<int>(n), valore))
                 return "--option " + std::to_string(n) + ": valore sconosciuto \"" + valore + "\"";
             o.opzioni.emplace_back(static_cast<int>(n), valore);
             return "";
         }},
        {"--opponent", "NOME", "giocatore al posto dell'umano (predefinito random)",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             o.avversario = v;
             return "";
         }},
        {"--pc", "NOME",
         "giocatore al posto del computer (predefinito velto, cioè Mr. VELTO al livello --level); con --paired i due giocatori si scambiano i posti",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             if (!GiocatoreRegistrato(v)) {
                 std::string nomi;
                 for (const VoceAvversario& g : Avversari()) nomi += (nomi.empty() ? "" : ", ") + g.nome;
                 return "--pc: giocatore sconosciuto \"" + v + "\" (" + nomi + ")";
             }
             o.giocatorePC = v;
             return "";
         }},
        {"--opponent-cmd", "\"COMANDO ARGOMENTI\"",
         "un programma esterno gioca da avversario (al posto dell'umano; a entrambi i posti con --paired), avviato da /bin/sh; protocollo: protocollo-avversario-esterno.md (docs/ nei sorgenti, share/doc/mrvelto/ installato)",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             if (v.find_first_not_of(" \t") == std::string::npos) return "--opponent-cmd vuole un comando";
             o.comandoAvversario = v;
             o.avversario = "external";
             return "";
         }},
        {"--opponent-timeout-ms", "MS", "quanto può metterci --opponent-cmd a rispondere a una mossa (predefinito 5000)",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             std::uint64_t ms = 0;
             if (!Numero(v, ms) || ms == 0 || ms > 3'600'000) return "--opponent-timeout-ms vuole un numero intero di ms fra 1 e 3600000";
             o.timeoutAvversarioMs = static_cast<int>(ms);
             return "";
         }},
        {"--level", "A..E", "livello di gioco di Mr. VELTO (predefinito A)",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             if (v.size() != 1 || v[0] < 'A' || v[0] > 'E') return "--level vuole una fra A, B, C, D, E";
             o.livello = v[0];
             o.opzioni.emplace_back(OpzAbilita, std::string(CicloOpzione(OpzAbilita)[static_cast<std::size_t>(v[0] - 'A')]));
             return "";
         }},
        {"--opponent-level", "A..E", "livello di --opponent velto (predefinito A)",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             if (v.size() != 1 || v[0] < 'A' || v[0] > 'E') return "--opponent-level vuole una fra A, B, C, D, E";
             o.livelloAvversario = v[0];
             return "";
         }},
        {"--paired", nullptr, "gioca ogni smazzata due volte, scambiando i posti dei giocatori (stesso mescolamento, stesso posto di mano); --games conta entrambi i giochi di ogni smazzata",
         [](OpzioniMatch& o, const std::string&) -> std::string {
             o.appaiati = true;
             return "";
         }},
        {"--max-steps", "N", "eventi dopo i quali un gioco si considera bloccato (predefinito 1000000)",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             return Numero(v, o.limitePassiPerGioco) && o.limitePassiPerGioco > 0 ? "" : "--max-steps vuole un numero intero positivo";
         }},
        {"--jobs", "N", "thread su cui dividere i giochi (predefinito: uno per core); il riepilogo e la firma non cambiano",
         [](OpzioniMatch& o, const std::string& v) -> std::string {
             std::uint64_t n = 0;
             if (!Numero(v, n) || n == 0 || n > 1024) return "--jobs vuole un numero intero fra 1 e 1024";
             o.fili = static_cast<unsigned>(n);
             return "";
         }},
        {"--json", nullptr, "stampa il riepilogo in JSON",
         [](OpzioniMatch& o, const std::string&) -> std::string {
             o.json = true;
             return "";
         }},
    };
    return flags;
}

std::string Citato(const std::string& s) {
    std::string r = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') r += '\\';
        r += c;
    }
    return r + "\"";
}

}  // namespace

std::optional<OpzioniMatch> LeggiOpzioniMatch(const std::vector<std::string>& args, std::ostream& err) {
    OpzioniMatch o;
    o.fili = FiliPredefiniti();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Flag* flag = nullptr;
        for (const Flag& f : Flags())
            if (args[i] == f.nome) flag = &f;
        if (!flag) {
            err << "mrvelto-sim match: argomento sconosciuto: " << args[i] << "\n";
            return std::nullopt;
        }
        std::string valore;
        if (flag->argomento) {
            if (i + 1 >= args.size()) {
                err << "mrvelto-sim match: " << flag->nome << " vuole " << flag->argomento << "\n";
                return std::nullopt;
            }
            valore = args[++i];
        }
        if (std::string e = flag->applica(o, valore); !e.empty()) {
            err << "mrvelto-sim match: " << e << "\n";
            return std::nullopt;
        }
    }
    // Refused rather than rounded: a silent extra or missing game would change what was asked for.
    if (o.appaiati && o.giochi % 2 != 0) {
        err << "mrvelto-sim match: --paired gioca ogni smazzata due volte, quindi --games deve essere pari (usa " << o.giochi + 1
            << (o.giochi > 1 ? " o " + std::to_string(o.giochi - 1) : std::string()) << ")\n";
        return std::nullopt;
    }
    return o;
}

void AiutoOpzioniMatch(std::ostream& out) {
    for (const Flag& f : Flags())
        out << "  " << f.nome << (f.argomento ? std::string(" ") + f.argomento : std::string()) << "\n      " << f.aiuto << "\n";
}

std::string OpzioniMatch::RigaDiComando(std::uint64_t n) const {
    if (appaiati) n += n % 2;
    std::string r = "mrvelto-sim match --games " + std::to_string(n) + " --seed " + std::to_string(seme);
    if (avversario == "external")
        r += " --opponent-cmd " + Citato(comandoAvversario) + " --opponent-timeout-ms " + std::to_string(timeoutAvversarioMs);
    else if (avversario != "random")
        r += " --opponent " + avversario;
    if (avversario == "velto") r += std::string(" --opponent-level ") + livelloAvversario;
    if (giocatorePC != "velto") r += " --pc " + giocatorePC;
    if (appaiati) r += " --paired";
    if (limitePassiPerGioco != kLimitePassi) r += " --max-steps " + std::to_string(limitePassiPerGioco);
    for (const auto& [indice, valore] : opzioni) {
        if (indice == OpzAbilita && valore == CicloOpzione(OpzAbilita)[static_cast<std::size_t>(livello - 'A')])
            r += std::string(" --level ") + livello;
        else if (indice == OpzConclusioneGioco)
            r += " --end-of-game " + Citato(valore);
        else
            r += " --option " + Citato(std::to_string(indice) + "=" + valore);
    }
    return r;
}

}  // namespace mrvelto::sim
