// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/Caso.h"

#include <chrono>
#include <ctime>

namespace mrvelto {

int IndiceCasuale(int n, FonteCasuale& fonte) {
    const double r = fonte.Uniforme();
    const OraMinSec ora = fonte.Ora();
    return IndiceCasuale(n, r, ora.minuto, ora.secondo);
}

CasoConSeme::CasoConSeme(std::uint64_t seme, Orologio orologio) : gen_(seme), orologio_(std::move(orologio)) {}

double CasoConSeme::Uniforme() {
    // 53 random bits scaled into [0, 1): exact and the same on every platform.
    return static_cast<double>(gen_() >> 11) * 0x1.0p-53;
}

}  // namespace mrvelto
