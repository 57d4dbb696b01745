#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace mrvelto::sim {
// `mrvelto-sim choose`: one position in as JSON, the computer's decision and working tables out.
int ComandoChoose(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
}
