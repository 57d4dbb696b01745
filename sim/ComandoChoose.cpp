// SPDX-License-Identifier: GPL-3.0-or-later
// `mrvelto-sim choose`: one position in as JSON on standard input, the computer's decision and
// working tables out. Bad input: one line on standard error, exit status 2.
#include "sim/ComandoChoose.h"

#include <istream>
#include <iterator>
#include <ostream>

#include <nlohmann/json.hpp>

#include "sim/SceltaJson.h"

namespace mrvelto::sim {

int ComandoChoose(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        if (args[0] == "--help" || args[0] == "-h") {
            out << "uso: mrvelto-sim choose < posizione.json\n"
                   "  {\"level\": \"A\", \"briscola_suit\": \"b\", \"stock\": 34, \"turn\": \"PC\",\n"
                   "   \"hand_pc\": [\"Ad\", \"2s\", \"Rc\"], \"hand_h\": [\"3d\", \"Fb\", \"7c\"],\n"
                   "   \"played_h\": null, \"played\": [], \"points_pc\": 0, \"points_h\": 0, \"seed\": 1}\n";
            return 0;
        }
        err << "mrvelto-sim choose: argomento sconosciuto: " << args[0] << "\n";
        return 2;
    }
    // A position is a few hundred bytes: an endless input (/dev/zero) is refused, not held.
    std::string testo(kMassimoIngressoChoose + 1, '\0');
    in.read(testo.data(), static_cast<std::streamsize>(testo.size()));
    testo.resize(static_cast<std::size_t>(in.gcount()));
    if (testo.size() > kMassimoIngressoChoose) {
        err << "mrvelto-sim choose: l'ingresso supera " << kMassimoIngressoChoose << " byte: non è una posizione\n";
        return 2;
    }
    const nlohmann::json j = nlohmann::json::parse(testo, nullptr, false);
    if (j.is_discarded()) {
        err << "mrvelto-sim choose: l'ingresso non è JSON valido\n";
        return 2;
    }
    try {
        out << RispostaScelta(LeggiRichiestaScelta(j)).dump(2) << "\n";
    } catch (const std::invalid_argument& e) {
        err << "mrvelto-sim choose: " << e.what() << "\n";
        return 2;
    }
    return 0;
}

}  // namespace mrvelto::sim
