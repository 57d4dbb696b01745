// SPDX-License-Identifier: GPL-3.0-or-later
// The options panel in the window (clicks and mouse moves reach the core) and the picture cache.
#include <gtest/gtest.h>

#include <QTextDocument>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <filesystem>

#include "ui/CacheImmagini.h"
#include "ui/FinestraPrincipale.h"
#include "ui/GeometriaTavolo.h"
#include "ui/PannelloOpzioniQt.h"

namespace mrvelto {
namespace {

void Manda(FinestraPrincipale& f, QEvent::Type tipo, QPoint twip) {
    const QPointF pixel = f.Trasformazione().map(QPointF(twip));
    QMouseEvent e(tipo, pixel, f.mapToGlobal(pixel), tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &e);
}

QRect Pannello(FinestraPrincipale& f) {
    const StatoPannello& s = f.Cornice().Menu().fraPannello[PannelloOpzioniIdx];
    return {s.posizione.left, s.posizione.top, geometria::kLarghezzaPannelloDestro, geometria::kAltezzaPannelloDestro};
}

TEST(PannelloOpzioniQt, ClicEMouseArrivanoAlNucleo) {
    AvvioFinestra a;
    a.seme = 5;
    FinestraPrincipale f(a);
    f.show();
    Manda(f, QEvent::MouseButtonPress, geometria::VoceMenu(ComandoOpzioni).center());
    ASSERT_TRUE(f.Cornice().Menu().fraPannello[PannelloOpzioniIdx].visibile);
    const QRect r = Pannello(f);
    const std::string prima = f.Tavolo_().Opz().Testo(OpzMotivoRetro);
    Manda(f, QEvent::MouseButtonPress, RigaDidascalia(r, OpzMotivoRetro).center());
    EXPECT_NE(f.Tavolo_().Opz().Testo(OpzMotivoRetro), prima);
    // a click on a value changes nothing
    const std::string stile = f.Tavolo_().Opz().Testo(OpzStileCarte);
    Manda(f, QEvent::MouseButtonPress, RigaValore(r, OpzStileCarte).center());
    EXPECT_EQ(f.Tavolo_().Opz().Testo(OpzStileCarte), stile);
    Manda(f, QEvent::MouseMove, RigaDidascalia(r, OpzRumori).center());
    EXPECT_EQ(f.Programma_().Opzioni_().lblOpzioneMouse(), OpzRumori);
    EXPECT_TRUE(f.Programma_().Opzioni_().Riga(OpzRumori).evidenziato);
    Manda(f, QEvent::MouseMove, RigaValore(r, OpzRumori).center());
    EXPECT_EQ(f.Programma_().Opzioni_().lblOpzioneMouse(), 21);
    // Rich text, so that the tooltip wraps; the text itself unchanged, quotes and all.
    for (int n = 0; n < kNumeroOpzioni; ++n) {
        const QString suggerimento = SuggerimentoOpzione(n);
        EXPECT_TRUE(Qt::mightBeRichText(suggerimento)) << n;
        QTextDocument documento;
        documento.setHtml(suggerimento);
        EXPECT_EQ(documento.toPlainText().toStdString(), SpiegazioneOpzione(n)) << n;
    }
}

TEST(CacheImmagini, LeggeUnaVoltaEScalaPerDimensione) {
    QTemporaryDir cartella;
    const std::filesystem::path media = cartella.path().toStdString();
    std::filesystem::create_directories(media / "Piacenti");
    QImage faccia(237, 483, QImage::Format_RGB32);
    faccia.fill(Qt::red);
    ASSERT_TRUE(faccia.save(QString::fromStdString((media / "Piacenti" / "Rb2.jpg").string()), "JPG"));
    CacheImmagini cache(Radici{media, media});
    const QPixmap a = cache.Immagine("C:\\Programmi\\MrVelto\\Piacenti\\Rb2.jpg", {79, 161});
    ASSERT_FALSE(a.isNull());
    EXPECT_EQ(a.size(), QSize(79, 161));
    EXPECT_EQ(cache.Immagine("C:\\Programmi\\MrVelto\\Piacenti\\Rb2.jpg", {79, 161}).cacheKey(), a.cacheKey());
    EXPECT_EQ(cache.Immagine("C:\\Programmi\\MrVelto\\Piacenti\\Rb2.jpg", {158, 322}).size(), QSize(158, 322));
    EXPECT_EQ(cache.Lette(), 1) << "one read for both sizes";
    EXPECT_TRUE(cache.Immagine("C:\\Programmi\\MrVelto\\Piacenti\\Ad2.jpg", {79, 161}).isNull()) << "a missing file draws nothing";
    EXPECT_TRUE(cache.Immagine("", {79, 161}).isNull());
}

}  // namespace
}  // namespace mrvelto
