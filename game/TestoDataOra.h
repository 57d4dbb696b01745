// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the records and the data panel print a date and a time.
#include <string>

#include "game/DataOra.h"

namespace mrvelto {

// "6/12/26": day and month without leading zeros, two-digit year.
std::string TestoData(const DataOra& d);
// "9:05": the hour as it is, the minute always with two digits.
std::string TestoOraMinuti(const DataOra& d);
// "6/12/26 - 9:05", the second heading line of the data panel.
std::string TestoDataOra(const DataOra& d);

}  // namespace mrvelto
