// SPDX-License-Identifier: GPL-3.0-or-later
// mrvelto-sim: the game's core without a window. Runs matches on virtual time and analyses
// single positions; see `mrvelto-sim --help`.
#include <cstring>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "sim/ComandoAnalizza.h"
#include "sim/ComandoChoose.h"
#include "sim/ComandoMatch.h"
#include "sim/ProcessoFiglio.h"

namespace {

void Uso(std::ostream& out) {
    out << "uso: mrvelto-sim match --games N --seed S [--end-of-game TESTO] [--json] ...\n"
           "     mrvelto-sim choose < posizione.json\n"
           "     mrvelto-sim analizza FILE.txt [--campioni N] [--seed S] [--jobs J] [--json]\n"
           "     mrvelto-sim COMANDO --help: le opzioni di un comando\n";
}

}  // namespace

int main(int argc, char** argv) {
    // A bot's processes live in groups of their own, which Ctrl-C at the terminal does not reach.
    mrvelto::sim::FineAlSegnale();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        Uso(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    const std::string comando = args[0];
    args.erase(args.begin());
    // The edge: what no command caught (a pipe or a process the system refused, memory) ends the
    // run with one line and status 1, never with an abort.
    try {
        if (comando == "match") return mrvelto::sim::ComandoMatch(args, std::cout, std::cerr);
        if (comando == "analizza") return mrvelto::sim::ComandoAnalizza(args, std::cout, std::cerr);
        if (comando == "choose") return mrvelto::sim::ComandoChoose(args, std::cin, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "mrvelto-sim " << comando << ": memoria esaurita\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "mrvelto-sim " << comando << ": errore: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "mrvelto-sim: comando sconosciuto: " << comando << "\n";
    Uso(std::cerr);
    return 2;
}
