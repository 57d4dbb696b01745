// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include <cstddef>

namespace mrvelto::sim {
// The most `choose` reads: far more than any position, far less than memory.
inline constexpr std::size_t kMassimoIngressoChoose = 1 << 20;
// `mrvelto-sim choose`: one position in as JSON, the computer's decision and working tables out.
int ComandoChoose(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
}
