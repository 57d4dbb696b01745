// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace mrvelto::sim {
// `mrvelto-sim match ...`: plays games on virtual time and prints a summary. Returns the exit status.
int ComandoMatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
}
