// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The civil date and time that the data panel's heading and the records read.
#include <chrono>
#include <cstdint>
#include <functional>

namespace mrvelto {

struct DataOra {
    int giorno = 1;
    int mese = 1;
    int anno = 2000;
    int ora = 0;
    int minuto = 0;
    int secondo = 0;
};

using Calendario = std::function<DataOra()>;

// A fixed starting moment plus `millisecondi` (for virtual time): the simulator's calendar.
DataOra DataOraPiu(const DataOra& inizio, std::int64_t millisecondi);

}  // namespace mrvelto
