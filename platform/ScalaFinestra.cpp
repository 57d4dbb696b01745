// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScalaFinestra.h"

namespace mrvelto {

double ScalaFinestra(QSize base, QSize disponibile) {
    double scelta = 1.0;
    for (double s : kScale)
        if (base.width() * s <= disponibile.width() * 0.9 && base.height() * s <= disponibile.height() * 0.9) scelta = s;
    return scelta;
}

std::optional<double> LeggiScala(const QString& testo) {
    bool ok = false;
    QString t = testo.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const double s = t.toDouble(&ok);
    if (!ok || !(s >= 1.0 && s <= 4.0)) return std::nullopt;
    return s;
}

}  // namespace mrvelto
