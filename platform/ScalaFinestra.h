// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How large the windows open: the table is laid out at 15 twips a pixel (its smallest size) and
// opens at the largest of a few whole steps that fits the screen, so that its type reads well on
// a large screen without the player resizing it by hand.
#include <QSize>
#include <QString>
#include <optional>

namespace mrvelto {

inline constexpr double kScale[] = {1.0, 1.25, 1.5, 2.0};

// The largest of kScale at which `base` fits within 90 % of `disponibile` (both sides); 1 when
// none does.
double ScalaFinestra(QSize base, QSize disponibile);

// The value of --scala: a number from 1 to 4 ("1,5" as well as "1.5"); nothing when it is not one.
std::optional<double> LeggiScala(const QString& testo);

}  // namespace mrvelto
