// SPDX-License-Identifier: GPL-3.0-or-later
// The music's presentation on the table: the flags, painted or read from Grafica/, and the tune's
// title drawn where the core puts it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>

#include "ui/DisegnoMusica.h"

namespace mrvelto {
namespace {

QImage Tela(int w = 150, int h = 100) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

bool Simile(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 && std::abs(a.blue() - b.blue()) < 40;
}

// The tricolour green, white and red from the left; the Union Jack's red cross, white border and
// blue fields.
TEST(Bandiere, DipinteConIColoriAlPostoGiusto) {
    const QColor rosso(200, 16, 46), blu(1, 33, 105), bianco(255, 255, 255);
    const struct {
        Chi chi;
        int x, y;
        QColor colore;
    } punti[] = {{Chi::H, 25, 50, QColor(0, 146, 70)}, {Chi::H, 75, 50, QColor(245, 245, 240)}, {Chi::H, 125, 50, QColor(206, 43, 55)},
                 {Chi::PC, 75, 50, rosso}, {Chi::PC, 75, 5, rosso}, {Chi::PC, 5, 50, rosso},
                 {Chi::PC, 62, 20, bianco}, {Chi::PC, 40, 8, blu}, {Chi::PC, 110, 92, blu}};
    for (const auto& punto : punti) {
        QImage img = Tela();
        {
            QPainter p(&img);
            DisegnaBandieraDipinta(p, QRectF(0, 0, 150, 100), punto.chi);
        }
        EXPECT_TRUE(Simile(img.pixelColor(punto.x, punto.y), punto.colore)) << punto.x << "," << punto.y;
    }
}

TEST(Bandiere, LaBitmapDellaCartellaMediaVinceSulDisegno) {
    QTemporaryDir media;
    std::filesystem::create_directories(std::filesystem::path(media.path().toStdString()) / "Grafica");
    QImage viola(30, 20, QImage::Format_RGB32);
    viola.fill(QColor(128, 0, 128));
    ASSERT_TRUE(viola.save(media.path() + QStringLiteral("/Grafica/Italia.bmp")));
    QImage img = Tela();
    {
        QPainter p(&img);
        DisegnaBandiera(p, QRectF(0, 0, 150, 100), Chi::H, media.path().toStdString(), "Grafica/Italia.bmp");
    }
    EXPECT_TRUE(Simile(img.pixelColor(25, 50), QColor(128, 0, 128)));
    EXPECT_TRUE(Simile(img.pixelColor(125, 50), QColor(128, 0, 128)));
    // A flag whose bitmap is missing is painted.
    QImage altra = Tela();
    {
        QPainter p(&altra);
        DisegnaBandiera(p, QRectF(0, 0, 150, 100), Chi::PC, media.path().toStdString(), "Grafica/Inghil.bmp");
    }
    EXPECT_TRUE(Simile(altra.pixelColor(75, 50), QColor(200, 16, 46)));
}

// The table's music at 1 pixel for 20 twips (a 12000-twip table), on black.
QImage Disegnata(const VistaMusica& v, bool titoloCoperto = false) {
    QImage img = Tela(600, 475);
    QPainter p(&img);
    p.scale(0.05, 0.05);
    DisegnaMusica(p, v, {}, QFont(), titoloCoperto);
    return img;
}

// Rows of `img` holding light (text) pixels.
std::pair<int, int> RigheChiare(const QImage& img) {
    int prima = -1, ultima = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).lightness() > 200) {
                if (prima < 0) prima = y;
                ultima = y;
                break;
            }
    return {prima, ultima};
}

TEST(TitoloBrano, StaAllAltezzaDataECentrato) {
    VistaMusica v;
    v.Titolo = {"'La bella Gigogin' - Canto popolare", true};
    v.TitoloTop = 1550;
    const QImage img = Disegnata(v);
    const auto [prima, ultima] = RigheChiare(img);
    ASSERT_GE(prima, 0) << "no title drawn";
    EXPECT_GE(prima, 1550 / 20);
    EXPECT_LE(prima, 1550 / 20 + 8);
    EXPECT_LE(ultima, (1550 + 900) / 20);
    // Centred in its column left of the hands: as much room on the left of the text as on the right.
    int sinistra = img.width(), destra = 0;
    for (int y = prima; y <= ultima; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).lightness() > 200) {
                sinistra = std::min(sinistra, x);
                destra = std::max(destra, x);
            }
    EXPECT_GE(sinistra, kSinistraTitolo / 20);
    EXPECT_LE(destra, (kSinistraTitolo + kLarghezzaTitolo) / 20);
    EXPECT_NEAR(sinistra - kSinistraTitolo / 20, (kSinistraTitolo + kLarghezzaTitolo) / 20 - 1 - destra, 6);
    // Hidden: nothing is drawn.
    v.Titolo.visibile = false;
    EXPECT_EQ(RigheChiare(Disegnata(v)).first, -1);
    // Under a left panel the title, wider than the panel, is left out rather than cut; a flag
    // crossing the table is still drawn.
    v.Titolo.visibile = true;
    v.BandieraVisibile = true;
    v.BandieraDi = Chi::H;
    v.Bandiera = {6000, 6000};
    const QImage coperta = Disegnata(v, true);
    EXPECT_EQ(RigheChiare(coperta.copy(0, 0, 600, 300)).first, -1);
    EXPECT_TRUE(Simile(coperta.pixelColor((6000 + kLarghezzaBandiera / 6) / 20, (6000 + kAltezzaBandiera / 2) / 20), QColor(0, 146, 70)));
}

}  // namespace
}  // namespace mrvelto
