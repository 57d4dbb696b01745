// `mrvelto-sim match`: plays N games on virtual time through the real flow and prints a summary.
#include "sim/ComandoMatch.h"

#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "sim/Avversari.h"
#include "sim/OpzioniMatch.h"
#include "sim/Simulazione.h"

namespace mrvelto::sim {

namespace {

std::string Esadecimale(std::uint64_t x) {
    std::ostringstream s;
    s << std::hex << std::setw(16) << std::setfill('0') << x;
    return s.str();
}

double Media(std::uint64_t totale, std::uint64_t n) { return n ? static_cast<double>(totale) / static_cast<double>(n) : 0.0; }

}  // namespace

int ComandoMatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            out << "uso: mrvelto-sim match [opzioni]\n";
            AiutoOpzioniMatch(out);
            out << "  opponents:";
            for (const auto& v : Avversari()) out << " " << v.nome;
            out << "\n";
            return 0;
        }
    const auto opzioni = LeggiOpzioniMatch(args, err);
    if (!opzioni) return 2;
    if (!CreaAvversario(opzioni->avversario, 0, *opzioni)) {
        err << "mrvelto-sim match: unknown opponent \"" << opzioni->avversario << "\"\n";
        return 2;
    }

    const RisultatoSimulazione r = Simula(*opzioni);
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
        out << "games:                    " << r.giochi << "\n"
            << "wins (human side):        " << r.vintiH << " (" << opzioni->avversario << ")\n"
            << "wins (Mr. VELTO):         " << r.vintiPC << "\n"
            << "draws (60-60):            " << r.pareggi << "\n"
            << "matches completed:        " << r.partite << "\n"
            << "average points human:     " << Media(r.puntiH, r.giochi) << "\n"
            << "average points Mr. VELTO: " << Media(r.puntiPC, r.giochi) << "\n"
            << "tricks per game:          " << Media(r.prese, r.giochi) << "\n"
            << "virtual seconds per game: " << secondiVirtuali << "\n"
            << "games per second:         " << std::setprecision(0) << giochiAlSecondo << "\n"
            << "signature:                " << Esadecimale(r.firma) << "\n"
            << "checks:                   " << (r.violazione.empty() ? "ok" : "FAILED") << "\n";
    }
    if (!r.violazione.empty()) {
        err << "mrvelto-sim match: check failed in game " << r.giocoViolazione << " (seed " << opzioni->seme
            << "): " << r.violazione << "\n"
            << "reproduce with: " << r.riproduci << "\n";
        return 1;
    }
    return 0;
}

}  // namespace mrvelto::sim
