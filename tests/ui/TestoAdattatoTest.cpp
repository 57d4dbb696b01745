// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/TestoAdattato.h"

namespace mrvelto {
namespace {

// Draws `testo` in `r` from `px` with the floor `minimo`: the size used, and what was cut.
std::pair<int, std::vector<TestoTagliato>> Disegna(const QRect& r, const QString& testo, int px, int minimo, bool unaRiga = false) {
    QImage img(400, 200, QImage::Format_RGB32);
    QPainter p(&img);
    QFont f;
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    std::vector<TestoTagliato> tagliati;
    TestiTagliati() = &tagliati;
    const int usato = TestoAdattato(p, r, Qt::AlignCenter, testo, minimo, unaRiga);
    TestiTagliati() = nullptr;
    EXPECT_EQ(p.font().pixelSize(), px) << "the painter's font is given back";
    return {usato, tagliati};
}

TEST(TestoAdattato, WrapsFirstThenShrinksToTheFloorThenCutsKeepingTheWholeForTheTooltip) {
    const QString lungo = QStringLiteral(
        "Se vuoi continuare subito la Partita con un nuovo Gioco premi il tasto INVIO, altrimenti clicca su una delle seguenti opzioni:");
    // "Mano seguente" on a button too narrow for one line but tall enough for two: same size.
    EXPECT_EQ(Disegna(QRect(150, 80, 60, 28), QStringLiteral("Mano seguente"), 10, 8).first, 10);
    // A little too long: smaller, whole, above the floor.
    auto [usato, tagliati] = Disegna(QRect(100, 60, 240, 60), lungo, 14, 8);
    EXPECT_LT(usato, 14);
    EXPECT_GE(usato, 8);
    EXPECT_TRUE(tagliati.empty());
    // Far too long: never below the floor; cut, the whole text kept for a tooltip.
    std::tie(usato, tagliati) = Disegna(QRect(100, 60, 240, 30), lungo, 14, 12);
    EXPECT_EQ(usato, 12);
    ASSERT_EQ(tagliati.size(), 1u);
    EXPECT_EQ(tagliati[0].testo, lungo);
    // A long name on a one-line label shorter than its type: cut for its width only.
    std::tie(usato, tagliati) = Disegna(QRect(10, 10, 120, 8), QStringLiteral("Massimiliano Bartolomeo Crisostomo"), 20, 16, true);
    EXPECT_EQ(usato, 16);
    EXPECT_EQ(tagliati.size(), 1u);
    std::tie(usato, tagliati) = Disegna(QRect(10, 10, 120, 8), QStringLiteral("Mario"), 20, 16, true);
    EXPECT_TRUE(tagliati.empty()) << "a short name on a low label is whole";
}

}  // namespace
}  // namespace mrvelto
