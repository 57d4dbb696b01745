// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SistemaReale.h"

#include <chrono>
#include <ctime>

namespace mrvelto {

OraMinSec OraDiSistema() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_min, tm.tm_sec};
}

DataOra DataOraDiSistema() {
    const std::time_t adesso = std::time(nullptr);
    std::tm locale{};
    localtime_r(&adesso, &locale);
    DataOra d;
    d.giorno = locale.tm_mday;
    d.mese = locale.tm_mon + 1;
    d.anno = locale.tm_year + 1900;
    d.ora = locale.tm_hour;
    d.minuto = locale.tm_min;
    d.secondo = locale.tm_sec;
    return d;
}

std::unique_ptr<CasoConSeme> CasoDiSistema() {
    const auto ora = std::chrono::system_clock::now().time_since_epoch();
    const auto seme = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(ora).count());
    return std::make_unique<CasoConSeme>(seme, OraDiSistema);
}

}  // namespace mrvelto
