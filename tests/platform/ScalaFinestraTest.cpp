// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/ScalaFinestra.h"

namespace mrvelto {
namespace {

TEST(ScalaFinestra, TheLargestStepInNinetyPercentOfTheScreenAndTheOverride) {
    const QSize tavolo(800, 633);
    EXPECT_EQ(ScalaFinestra(tavolo, QSize(2560, 1440)), 2.0);
    EXPECT_EQ(ScalaFinestra(tavolo, QSize(1920, 1040)), 1.25);  // 1.5 would want 950 of its 936 rows
    EXPECT_EQ(ScalaFinestra(tavolo, QSize(1920, 1200)), 1.5);
    EXPECT_EQ(ScalaFinestra(tavolo, QSize(1024, 768)), 1.0);
    EXPECT_EQ(ScalaFinestra(tavolo, QSize(640, 480)), 1.0);  // too small for any: the smallest
    EXPECT_EQ(LeggiScala(QStringLiteral("1,5")), 1.5);
    EXPECT_EQ(LeggiScala(QStringLiteral(" 2 ")), 2.0);
    for (const char* rifiutata : {"0.5", "grande", "nan"}) EXPECT_FALSE(LeggiScala(QString::fromUtf8(rifiutata))) << rifiutata;
}

}  // namespace
}  // namespace mrvelto
