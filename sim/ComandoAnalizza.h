// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace mrvelto::sim {
// `mrvelto-sim analizza FILE.txt`: every card the human played in a saved game, judged.
int ComandoAnalizza(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
}
