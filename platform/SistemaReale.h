// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real things the core takes as parameters: the wall clock's minute and second, the civil
// date and time, and a random source seeded once from the clock.
#include <memory>

#include "cards/Caso.h"
#include "game/DataOra.h"

namespace mrvelto {

OraMinSec OraDiSistema();
DataOra DataOraDiSistema();
std::unique_ptr<CasoConSeme> CasoDiSistema();

}  // namespace mrvelto
