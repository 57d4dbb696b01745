// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/TestoDataOra.h"

namespace mrvelto {

std::string TestoData(const DataOra& d) {
    const int aa = ((d.anno % 100) + 100) % 100;
    return std::to_string(d.giorno) + "/" + std::to_string(d.mese) + "/" + (aa < 10 ? "0" : "") + std::to_string(aa);
}

std::string TestoOraMinuti(const DataOra& d) {
    return std::to_string(d.ora) + ":" + (d.minuto < 10 ? "0" : "") + std::to_string(d.minuto);
}

std::string TestoDataOra(const DataOra& d) { return TestoData(d) + " - " + TestoOraMinuti(d); }

}  // namespace mrvelto
