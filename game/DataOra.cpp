// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/DataOra.h"

#include <ctime>

namespace mrvelto {

namespace {
// Days from 1970-01-01 to a civil date and back (proleptic Gregorian; H. Hinnant's algorithms).
std::int64_t GiorniDaCivile(std::int64_t a, int m, int g) {
    a -= m <= 2;
    const std::int64_t era = (a >= 0 ? a : a - 399) / 400;
    const std::int64_t ae = a - era * 400;
    const std::int64_t ga = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + g - 1;
    const std::int64_t ge = ae * 365 + ae / 4 - ae / 100 + ga;
    return era * 146097 + ge - 719468;
}
void CivileDaGiorni(std::int64_t z, int& a, int& m, int& g) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t ge = z - era * 146097;
    const std::int64_t ae = (ge - ge / 1460 + ge / 36524 - ge / 146096) / 365;
    const std::int64_t ga = ge - (365 * ae + ae / 4 - ae / 100);
    const std::int64_t mp = (5 * ga + 2) / 153;
    g = static_cast<int>(ga - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    a = static_cast<int>(ae + era * 400 + (m <= 2));
}
}  // namespace



DataOra DataOraPiu(const DataOra& inizio, std::int64_t millisecondi) {
    std::int64_t secondi = GiorniDaCivile(inizio.anno, inizio.mese, inizio.giorno) * 86400 + inizio.ora * 3600 +
                           inizio.minuto * 60 + inizio.secondo + millisecondi / 1000;
    std::int64_t giorni = secondi >= 0 ? secondi / 86400 : (secondi - 86399) / 86400;
    std::int64_t resto = secondi - giorni * 86400;
    DataOra d;
    CivileDaGiorni(giorni, d.anno, d.mese, d.giorno);
    d.ora = static_cast<int>(resto / 3600);
    d.minuto = static_cast<int>((resto / 60) % 60);
    d.secondo = static_cast<int>(resto % 60);
    return d;
}

}  // namespace mrvelto
