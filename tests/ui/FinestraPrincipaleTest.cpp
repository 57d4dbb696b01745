#include <gtest/gtest.h>

#include <QApplication>

#include "ui/FinestraPrincipale.h"

namespace mrvelto {
namespace {

TEST(FinestraPrincipale, OpensWithTitleSizeAndTableColour) {
    FinestraPrincipale f;
    f.show();
    QApplication::processEvents();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Mr. VELTO"));
    EXPECT_EQ(f.width(), 800);
    EXPECT_NEAR(f.height(), 633, 1);
    EXPECT_EQ(f.ColoreTavolo(), QColor(169, 88, 65));
    const QImage img = f.grab().toImage();
    EXPECT_EQ(img.pixelColor(img.width() / 2, img.height() / 2), QColor(169, 88, 65));
    f.close();
}

}  // namespace
}  // namespace mrvelto
