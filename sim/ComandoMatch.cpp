#include "sim/ComandoMatch.h"

#include <ostream>

namespace mrvelto::sim {
int ComandoMatch(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "mrvelto-sim match: non ancora disponibile\n";
    return 2;
}
}  // namespace mrvelto::sim
