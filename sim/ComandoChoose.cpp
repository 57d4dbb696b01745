#include "sim/ComandoChoose.h"

#include <ostream>

namespace mrvelto::sim {
int ComandoChoose(const std::vector<std::string>&, std::istream&, std::ostream&, std::ostream& err) {
    err << "mrvelto-sim choose: non ancora disponibile\n";
    return 2;
}
}  // namespace mrvelto::sim
