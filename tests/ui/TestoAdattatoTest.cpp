#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "ui/TestoAdattato.h"

namespace mrvelto {
namespace {

// Draws `testo` in `r` at `px` and says whether, at the size it chose, the whole text fits `r`
// (drawText would cut what does not); `usato` gets that size.
bool TuttoDentro(const QRect& r, const QString& testo, int px, int& usato) {
    QImage img(400, 200, QImage::Format_RGB32);
    QPainter p(&img);
    QFont f;
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    usato = TestoAdattato(p, r, Qt::AlignCenter, testo);
    EXPECT_EQ(p.font().pixelSize(), px) << "the painter's font is given back";
    f.setPixelSize(usato);
    p.setFont(f);
    const QRect occupato = p.fontMetrics().boundingRect(r, Qt::AlignCenter | Qt::TextWordWrap, testo);
    return occupato.width() <= r.width() && occupato.height() <= r.height();
}

TEST(TestoAdattato, ALongMessageShrinksUntilItIsWhole) {
    // The end-of-game message that lost its first and last line in its band.
    const QString lungo = QStringLiteral(
        "Se vuoi continuare subito la Partita con un nuovo Gioco premi il tasto INVIO, altrimenti clicca su una delle seguenti opzioni:");
    int usato = 0;
    EXPECT_TRUE(TuttoDentro(QRect(100, 60, 240, 60), lungo, 14, usato));
    EXPECT_LT(usato, 14);
    EXPECT_GE(usato, 14 * 6 / 10);
}

TEST(TestoAdattato, WhatFitsKeepsItsSizeWrappingFirst) {
    int usato = 0;
    EXPECT_TRUE(TuttoDentro(QRect(100, 60, 200, 48), QStringLiteral("Continua"), 14, usato));
    EXPECT_EQ(usato, 14);
    // "Mano seguente" on a button too narrow for one line but tall enough for two.
    EXPECT_TRUE(TuttoDentro(QRect(150, 80, 60, 28), QStringLiteral("Mano seguente"), 10, usato));
    EXPECT_EQ(usato, 10);
}

// A long player's name on its one-line label: smaller, on one line, whole.
TEST(TestoAdattato, ANameOnOneLineShrinksInsteadOfWrapping) {
    QImage img(400, 200, QImage::Format_RGB32);
    QPainter p(&img);
    QFont f;
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    const QRect etichetta(10, 10, 160, 30);
    const QString nome = QStringLiteral("Massimiliano Bartolomeo");
    const int usato = TestoAdattato(p, etichetta, Qt::AlignLeft | Qt::AlignVCenter, nome, 0.5, true);
    EXPECT_LT(usato, 20);
    f.setPixelSize(usato);
    p.setFont(f);
    EXPECT_LE(p.fontMetrics().horizontalAdvance(nome), etichetta.width());
}

}  // namespace
}  // namespace mrvelto
