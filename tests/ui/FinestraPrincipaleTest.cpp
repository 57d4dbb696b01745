// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>

#include "game/ColoriTavolo.h"
#include "ui/FinestraDiProva.h"
#include "ui/FinestraPrincipale.h"
#include "ui/GeometriaTavolo.h"
#include "support/TestoOpzioni.h"

namespace mrvelto {
namespace {

using test::Imposta;

using test::Avvio;
using test::Clicca;
using test::Distribuisci;

QPointF CentroSlot(const FinestraPrincipale& f, int k) {
    auto& v = const_cast<FinestraPrincipale&>(f).Tavolo_().Vista().Slot[k];
    return {v.immagine.left + kLarghezzaImmagine / 2.0, v.immagine.top + kAltezzaImmagine / 2.0};
}

TEST(FinestraPrincipale, OpensWithTitleSizeAndTableColour) {
    FinestraPrincipale f(Avvio(1));
    f.show();
    QApplication::processEvents();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Mr. VELTO"));
    EXPECT_EQ(f.width(), 800);
    EXPECT_NEAR(f.height(), 633, 1);
    // The start-up draws the colours at random ("Variazioni grafiche casuali:" at its initial value):
    // the table shows the one now in "Colore Tavolo e Pannelli:".
    const ColoreNominato* colore = CercaColore(f.Tavolo_().Opz().Testo(OpzColoreTavolo));
    ASSERT_NE(colore, nullptr);
    const QColor atteso(rosso(colore->tavolo), verde(colore->tavolo), blu(colore->tavolo));
    EXPECT_EQ(f.ColoreTavolo(), atteso);
    const QImage img = f.grab().toImage();
    EXPECT_EQ(img.pixelColor(img.width() / 2, img.height() / 2), atteso);
}

TEST(FinestraPrincipale, ClickOnAHandCardPlaysItAtAnySize) {
    for (QSize dimensione : {QSize(800, 633), QSize(1600, 900), QSize(500, 700)}) {
        FinestraPrincipale f(Avvio(7));
        f.resize(dimensione);
        f.show();
        QApplication::processEvents();
        Distribuisci(f);
        auto& t = f.Tavolo_();
        if (t.Stato().AChiTocca != Chi::H) {
            // The computer leads: let it play first.
            while (!t.ClickAccettato(5)) ASSERT_TRUE(f.Orologio().EseguiProssimo());
        }
        // Clicks on the computer's hand, the briscola and the stock are refused.
        for (int k : {1, 7, 8}) Clicca(f, CentroSlot(f, k));
        EXPECT_EQ(t.Stato().NumeroCartaGiocataDaH, 0);
        const std::string carta(t.Stato().Carta[5].Codice());
        Clicca(f, CentroSlot(f, 5));
        EXPECT_EQ(t.Stato().NumeroCartaGiocataDaH, 5) << dimensione.width() << "x" << dimensione.height();
        EXPECT_EQ(t.Stato().CartaGiocata.carta.Codice(), carta);
    }
}

TEST(FinestraPrincipale, TakeButtonTakesTheTrickWhenTheTakeIsNotAutomatic) {
    FinestraPrincipale f(Avvio(13));
    f.show();
    auto& t = f.Tavolo_();
    Imposta(t, OpzPresaAutomatica, "No");
    Distribuisci(f);
    while (!t.ClickAccettato(4)) ASSERT_TRUE(f.Orologio().EseguiProssimo());
    Clicca(f, CentroSlot(f, 4));
    while (!t.Vista().cmdEffettuaLaPresa.visibile) ASSERT_TRUE(f.Orologio().EseguiProssimo());
    // Nothing takes the trick by itself...
    f.Orologio().Avanza(10000);
    EXPECT_EQ(t.Stato().Manche, 1);
    EXPECT_TRUE(t.Vista().cmdEffettuaLaPresa.visibile);
    // ...until the button is pressed.
    Clicca(f, QPointF(geometria::kPresa.center()));
    f.Orologio().Avanza(100);
    EXPECT_EQ(t.Stato().Manche, 2);
    EXPECT_EQ(t.Stato().PuntiH + t.Stato().PuntiPC, PuntiDiCarta(t.Dati()[15].testo) + PuntiDiCarta(t.Dati()[16].testo));
}

TEST(FinestraPrincipale, EndOfGameFrameContinuesOnEnter) {
    FinestraPrincipale f(Avvio(11));
    f.show();
    auto& t = f.Tavolo_();
    // The frame waits for Mr. VELTO's final comment to end.
    test::FinoAFineGioco(f);
    while (t.Stato().InterdiciSuoni) ASSERT_TRUE(f.Orologio().EseguiProssimo());
    // The frame is on the table, in the cloth's colour inside its dark border, with its button enabled.
    const QImage img = f.grab().toImage();
    const FrameFineGioco& fine = t.Vista().FineGioco;
    const QPoint corpo = f.Trasformazione().map(QPointF(fine.posizione.left + 100, fine.posizione.top + 1500)).toPoint();
    EXPECT_EQ(img.pixel(corpo), f.ColoreTavolo().rgb());
    const QPoint bordo = f.Trasformazione().map(QPointF(fine.posizione.left, fine.posizione.top + 1500)).toPoint();
    EXPECT_LT(img.pixelColor(bordo).lightness(), 60);
    const QRect pulsante = geometria::PulsanteFineGioco(fine.posizione.left, fine.posizione.top);
    const QPoint dentro = f.Trasformazione().map(QPointF(pulsante.left() + 150, pulsante.center().y())).toPoint();
    EXPECT_EQ(img.pixel(dentro), qRgb(235, 235, 225));
    QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&f, &invio);
    EXPECT_FALSE(t.Vista().FineGioco.visibile);
}

TEST(FinestraPrincipale, FastAutoplayEndsAfterItsMatches) {
    AvvioFinestra a = Avvio(5);
    a.autoplay = true;
    a.veloce = true;
    a.partite = 1;
    FinestraPrincipale f(a);
    QSignalSpy finito(&f, &FinestraPrincipale::Finito);
    f.show();
    QEventLoop ciclo;
    QObject::connect(&f, &FinestraPrincipale::Finito, &ciclo, &QEventLoop::quit);
    QTimer::singleShot(60000, &ciclo, &QEventLoop::quit);  // a safety net, never the expected path
    ciclo.exec();
    EXPECT_EQ(finito.count(), 1);
    EXPECT_EQ(f.Tavolo_().PartiteConcluse(), 1u);
}

}  // namespace
}  // namespace mrvelto
