// SPDX-License-Identifier: GPL-3.0-or-later
// `mrvelto-sim match`: plays N games on virtual time through the real flow and prints a summary.
#include "sim/ComandoMatch.h"

#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "sim/AvversarioEsterno.h"
#include "sim/Avversari.h"
#include "sim/OpzioniMatch.h"
#include "sim/Simulazione.h"
#include "sim/SimulazioneAppaiata.h"

namespace mrvelto::sim {

namespace {

std::string Esadecimale(std::uint64_t x) {
    std::ostringstream s;
    s << std::hex << std::setw(16) << std::setfill('0') << x;
    return s.str();
}

double Media(std::uint64_t totale, std::uint64_t n) { return n ? static_cast<double>(totale) / static_cast<double>(n) : 0.0; }

// Mr. VELTO's win rate (a draw counts half) and the half-width of its 95 % interval, game by game.
std::pair<double, double> TassoDiVittoria(std::uint64_t vinti, std::uint64_t pareggi, std::uint64_t giochi) {
    if (giochi == 0) return {0.0, 0.0};
    const double n = static_cast<double>(giochi), v = static_cast<double>(vinti), p = static_cast<double>(pareggi);
    const double m = (v + 0.5 * p) / n;
    const double persi = n - v - p;
    const double var = giochi > 1 ? (v * (1 - m) * (1 - m) + p * (0.5 - m) * (0.5 - m) + persi * m * m) / (n - 1) : 0.0;
    return {m, MezzoIntervallo95(m, var, giochi)};
}

// A summary line's label, its values lined up in one column.
std::string Etichetta(const std::string& testo) { return testo + ":" + std::string(testo.size() < 28 ? 28 - testo.size() : 1, ' '); }

// The computer's side as the summary names it: "Mr. VELTO A", or the player seated by --pc.
std::string LatoPC(const OpzioniMatch& o) { return o.giocatorePC == "velto" ? std::string("Mr. VELTO ") + o.livello : o.giocatorePC; }

std::string Livelli(const OpzioniMatch& o) {
    std::string r = LatoPC(o) + " contro " + o.avversario;
    if (o.avversario == "velto") r += std::string(" ") + o.livelloAvversario;
    return r;
}

int ComandoMatchAppaiato(const OpzioniMatch& o, std::ostream& out, std::ostream& err) {
    const RisultatoAppaiato r = SimulaAppaiata(o);
    const double giochiAlSecondo = r.secondiReali > 0 ? static_cast<double>(r.giochi) / r.secondiReali : 0.0;
    if (o.json) {
        nlohmann::ordered_json j;
        j["games"] = r.giochi;
        j["seed"] = o.seme;
        j["paired"] = true;
        j["level"] = std::string(1, o.livello);
        // The *_velto figures below are this player's when it is not Mr. VELTO.
        if (o.giocatorePC != "velto") j["pc"] = o.giocatorePC;
        j["opponent"] = o.avversario;
        if (o.avversario == "velto") j["opponent_level"] = std::string(1, o.livelloAvversario);
        j["wins_velto"] = r.vinti;
        j["wins_opponent"] = r.persi;
        j["draws"] = r.pareggi;
        j["points_per_game_velto"] = Media(r.punti, r.giochi);
        j["points_per_game_opponent"] = Media(r.puntiAvversario, r.giochi);
        j["win_rate"] = r.tasso;
        j["win_rate_ci95"] = {r.tasso - r.intervallo, r.tasso + r.intervallo};
        j["games_per_second"] = giochiAlSecondo;
        j["wall_seconds"] = r.secondiReali;
        j["signature"] = Esadecimale(r.firma);
        j["checks"] = r.violazione.empty() ? "ok" : "failed";
        if (!r.violazione.empty()) j["violation"] = r.violazione;
        out << j.dump(2) << "\n";
    } else {
        out << std::fixed << std::setprecision(2);
        out << "giochi appaiati:             " << r.giochi << " (" << Livelli(o) << ", posti scambiati a ogni smazzata)\n"
            << Etichetta("vinti (" + LatoPC(o) + ")") << r.vinti << "\n"
            << "vinti (avversario):          " << r.persi << "\n"
            << "pareggi (60-60):             " << r.pareggi << "\n"
            << Etichetta("punti per gioco " + (o.giocatorePC == "velto" ? std::string("VELTO") : o.giocatorePC))
            << Media(r.punti, r.giochi) << "\n"
            << "punti per gioco avversario:  " << Media(r.puntiAvversario, r.giochi) << "\n"
            << std::setprecision(4)
            << "vittorie (pari = 1/2):       " << r.tasso << "  intervallo al 95% [" << r.tasso - r.intervallo << ", "
            << r.tasso + r.intervallo << "]\n"
            << std::setprecision(0)
            << "giochi al secondo:           " << giochiAlSecondo << "\n"
            << "firma:                       " << Esadecimale(r.firma) << "\n"
            << "controlli:                   " << (r.violazione.empty() ? "ok" : "FALLITI") << "\n";
    }
    if (!r.violazione.empty()) {
        err << "mrvelto-sim match: controllo fallito nel gioco " << r.giocoViolazione << " (seme " << o.seme << "): " << r.violazione
            << "\nper riprodurlo: " << o.RigaDiComando(r.giochi) << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

static int EseguiMatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            out << "uso: mrvelto-sim match [opzioni]\n";
            AiutoOpzioniMatch(out);
            out << "giocatori per --opponent e --pc:\n";
            for (const auto& v : Avversari()) out << "  " << v.nome << "\n      " << v.descrizione << "\n";
            return 0;
        }
    const auto opzioni = LeggiOpzioniMatch(args, err);
    if (!opzioni) return 2;
    if (!AvversarioNoto(*opzioni)) {
        err << "mrvelto-sim match: avversario sconosciuto \"" << opzioni->avversario << "\"\n";
        return 2;
    }

    if (opzioni->appaiati) return ComandoMatchAppaiato(*opzioni, out, err);

    const RisultatoSimulazione r = Simula(*opzioni);
    const auto [tasso, intervallo] = TassoDiVittoria(r.vintiPC, r.pareggi, r.giochi);
    const double giochiAlSecondo = r.secondiReali > 0 ? static_cast<double>(r.giochi) / r.secondiReali : 0.0;
    const double secondiVirtuali = Media(static_cast<std::uint64_t>(r.millisecondiVirtuali), r.giochi) / 1000.0;

    if (opzioni->json) {
        nlohmann::ordered_json j;
        j["games"] = r.giochi;
        j["seed"] = opzioni->seme;
        j["opponent"] = opzioni->avversario;
        j["wins_h"] = r.vintiH;
        j["wins_pc"] = r.vintiPC;
        j["draws"] = r.pareggi;
        j["matches"] = r.partite;
        j["avg_points_h"] = Media(r.puntiH, r.giochi);
        j["avg_points_pc"] = Media(r.puntiPC, r.giochi);
        j["level"] = std::string(1, opzioni->livello);
        if (opzioni->giocatorePC != "velto") j["pc"] = opzioni->giocatorePC;
        if (opzioni->avversario == "velto") j["opponent_level"] = std::string(1, opzioni->livelloAvversario);
        j["points_per_game_velto"] = Media(r.puntiPC, r.giochi);
        j["points_per_game_opponent"] = Media(r.puntiH, r.giochi);
        j["win_rate"] = tasso;
        j["win_rate_ci95"] = {tasso - intervallo, tasso + intervallo};
        j["tricks_per_game"] = Media(r.prese, r.giochi);
        j["virtual_seconds_per_game"] = secondiVirtuali;
        j["games_per_second"] = giochiAlSecondo;
        j["wall_seconds"] = r.secondiReali;
        j["steps"] = r.passi;
        j["signature"] = Esadecimale(r.firma);
        j["checks"] = r.violazione.empty() ? "ok" : "failed";
        if (!r.violazione.empty()) {
            j["violation"] = r.violazione;
            j["violation_game"] = r.giocoViolazione;
            j["reproduce"] = r.riproduci;
        }
        out << j.dump(2) << "\n";
    } else {
        out << std::fixed << std::setprecision(2);
        out << "giochi:                      " << r.giochi << "\n"
            << "vinti (lato umano):          " << r.vintiH << " (" << opzioni->avversario << ")\n"
            << "vinti (lato computer):       " << r.vintiPC << " (" << LatoPC(*opzioni) << ")\n"
            << "pareggi (60-60):             " << r.pareggi << "\n"
            << "partite concluse:            " << r.partite << "\n"
            << "punti medi umano:            " << Media(r.puntiH, r.giochi) << "\n"
            << "punti medi Mr. VELTO:        " << Media(r.puntiPC, r.giochi) << "\n"
            << "prese per gioco:             " << Media(r.prese, r.giochi) << "\n"
            << std::setprecision(4)
            << "vittorie Mr. VELTO " << opzioni->livello << ":        " << tasso << "  intervallo al 95% [" << tasso - intervallo << ", "
            << tasso + intervallo << "] (pari = 1/2)\n"
            << std::setprecision(2)
            << "secondi virtuali per gioco:  " << secondiVirtuali << "\n"
            << "giochi al secondo:           " << std::setprecision(0) << giochiAlSecondo << "\n"
            << "firma:                       " << Esadecimale(r.firma) << "\n"
            << "controlli:                   " << (r.violazione.empty() ? "ok" : "FALLITI") << "\n";
    }
    if (!r.violazione.empty()) {
        err << "mrvelto-sim match: controllo fallito nel gioco " << r.giocoViolazione << " (seme " << opzioni->seme
            << "): " << r.violazione << "\n"
            << "per riprodurlo: " << r.riproduci << "\n";
        return 1;
    }
    return 0;
}

// A failing --opponent-cmd program ends the run: one line naming the game, the move and what came
// back, and status 3 (the program has been killed by then).
int ComandoMatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        return EseguiMatch(args, out, err);
    } catch (const ErroreAvversarioEsterno& e) {
        err << "mrvelto-sim match: avversario esterno: " << e.what() << "\n";
        return 3;
    }
}

}  // namespace mrvelto::sim
