#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "ui/TestoAdattato.h"

namespace mrvelto {
namespace {

struct Esito {
    int usato = 0;
    bool intero = false;  // the whole text fits r at the size used
    std::vector<TestoTagliato> tagliati;
};

Esito Disegna(const QRect& r, const QString& testo, int px, int minimo, bool unaRiga = false) {
    QImage img(400, 200, QImage::Format_RGB32);
    QPainter p(&img);
    QFont f;
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    Esito e;
    TestiTagliati() = &e.tagliati;
    e.usato = TestoAdattato(p, r, Qt::AlignCenter, testo, minimo, unaRiga);
    TestiTagliati() = nullptr;
    EXPECT_EQ(p.font().pixelSize(), px) << "the painter's font is given back";
    f.setPixelSize(e.usato);
    p.setFont(f);
    const QRect occupato = p.fontMetrics().boundingRect(r, unaRiga ? Qt::AlignCenter : Qt::AlignCenter | Qt::TextWordWrap, testo);
    e.intero = occupato.width() <= r.width() && occupato.height() <= r.height();
    return e;
}

const QString kLungo = QStringLiteral(
    "Se vuoi continuare subito la Partita con un nuovo Gioco premi il tasto INVIO, altrimenti clicca su una delle seguenti opzioni:");

TEST(TestoAdattato, WrapsFirstThenShrinksToTheFloorThenCutsKeepingTheWholeForTheTooltip) {
    // "Mano seguente" on a button too narrow for one line but tall enough for two: same size.
    Esito e = Disegna(QRect(150, 80, 60, 28), QStringLiteral("Mano seguente"), 10, 8);
    EXPECT_TRUE(e.intero);
    EXPECT_EQ(e.usato, 10);
    // A message a little too long shrinks, whole, and stays above the floor.
    e = Disegna(QRect(100, 60, 240, 60), kLungo, 14, 8);
    EXPECT_TRUE(e.intero);
    EXPECT_LT(e.usato, 14);
    EXPECT_GE(e.usato, 8);
    EXPECT_TRUE(e.tagliati.empty());
    // Far too long for its box: never below the floor; cut, and the whole text kept for a tooltip.
    e = Disegna(QRect(100, 60, 240, 30), kLungo, 14, 12);
    EXPECT_EQ(e.usato, 12);
    ASSERT_EQ(e.tagliati.size(), 1u);
    EXPECT_EQ(e.tagliati[0].testo, kLungo);
    // A long name on a one-line label: cut on its line, not wrapped.
    e = Disegna(QRect(10, 10, 120, 30), QStringLiteral("Massimiliano Bartolomeo Crisostomo"), 20, 16, true);
    EXPECT_EQ(e.usato, 16);
    EXPECT_EQ(e.tagliati.size(), 1u);
}

}  // namespace
}  // namespace mrvelto
