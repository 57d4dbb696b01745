// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <filesystem>
#include <unistd.h>

#include "game/Conduttore.h"
#include "player/GiocatoriDiRiferimento.h"
#include "ui/FinestraDiProva.h"
#include "ui/FinestraPrincipale.h"
#include "ui/GeometriaTavolo.h"
#include "ui/PittorePannelli.h"
#include "ui/PittoreRegole.h"

namespace mrvelto {
namespace {

using test::Avvio;
using test::Clicca;

void Rotella(FinestraPrincipale& f, QPointF twip, int tacche) {
    const QPointF pixel = f.Trasformazione().map(twip);
    QWheelEvent e(pixel, f.mapToGlobal(pixel), QPoint(), QPoint(0, 120 * tacche), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&f, &e);
}

using test::FinoAFineGioco;

TEST(AnalisiSulloSchermo, LinksAndButtonsStepTheReviewToFineAnalisiAndBack) {
    FinestraPrincipale f(Avvio(11));
    f.show();
    FinoAFineGioco(f);
    Programma& p = f.Programma_();
    const Punto fine = f.Tavolo_().Vista().FineGioco.posizione;
    ASSERT_TRUE(p.LinkFineGiocoVisibili());
    // "- Rivedi il Gioco appena concluso".
    Clicca(f, geometria::LinkFineGioco(fine.left, fine.top, 1).center());
    ASSERT_EQ(p.ModoCorrente(), Modo::Analisi);
    EXPECT_FALSE(p.LinkFineGiocoVisibili());
    // The first button steps; Enter does the same.
    const int mani = static_cast<int>(f.Tavolo_().Stato().Manche);
    Clicca(f, geometria::PulsanteAnalisi(0).center());
    EXPECT_EQ(p.Analisi_().Vista().Manche, 1);
    // The review's cards are on the table, not the table's own (empty after the game).
    const QImage img = f.grab().toImage();
    const QPoint carta = f.Trasformazione().map(QPointF(kPostoInTavolaH.left + 20, kPostoInTavolaH.top + 20)).toPoint();
    EXPECT_NE(img.pixelColor(carta), f.ColoreTavolo());
    for (int i = 0; i < 40 && !p.Analisi_().Vista().finita; ++i) {
        QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&f, &invio);
    }
    EXPECT_TRUE(p.Analisi_().Vista().finita);
    EXPECT_EQ(f.Tavolo_().Dati()[14].testo, "Fine Analisi");
    EXPECT_EQ(p.Analisi_().Vista().Manche, mani - 1);
    // ... and the data panel shows it, in a white cell below the last trick.
    const StatoPannello& dati = f.Cornice().Menu().fraPannello[PannelloDatiIdx];
    ASSERT_TRUE(dati.visibile);
    const QRect pannello(dati.posizione.left, dati.posizione.top, geometria::kLarghezzaPannelloSinistro, geometria::kAltezzaPannelloSinistro);
    const QRect cella = RettangoloFineAnalisi(pannello, f.Tavolo_().Dati());
    const QImage schermo = f.grab().toImage();
    const QPoint bordo = f.Trasformazione().map(QPointF(cella.left() + 30, cella.center().y())).toPoint();
    EXPECT_EQ(schermo.pixelColor(bordo), QColor(Qt::white));
    // "Da capo" starts again from the deal; a click on the table's cards does nothing.
    Clicca(f, geometria::PulsanteAnalisi(1).center());
    EXPECT_EQ(p.Analisi_().Vista().Manche, 0);
    EXPECT_FALSE(p.Analisi_().Vista().finita);
    Clicca(f, QPointF(PosizioneDiManoDelloSlot(5).left + 300, PosizioneDiManoDelloSlot(5).top + 300));
    EXPECT_EQ(p.Analisi_().Vista().Manche, 0);
    // "Torna al Gioco": a new game is dealt.
    Clicca(f, geometria::PulsanteAnalisi(4).center());
    EXPECT_EQ(p.ModoCorrente(), Modo::Gioco);
    EXPECT_TRUE(f.Orologio().Abilitato(f.Tavolo_().Timer().DistribuisciCarte));
}

TEST(AnalisiSulloSchermo, SaveAndOpenLinksGoThroughTheFileDialog) {
    FinestraPrincipale f(Avvio(12));
    f.show();
    FinoAFineGioco(f);
    Programma& p = f.Programma_();
    const std::filesystem::path file = std::filesystem::temp_directory_path() / ("mrvelto-ui-" + std::to_string(getpid()) + ".txt");
    std::vector<bool> chiamate;
    p.DialogoFile = [&](bool salva, const std::filesystem::path&) -> std::optional<std::filesystem::path> {
        chiamate.push_back(salva);
        return file;
    };
    const Punto fine = f.Tavolo_().Vista().FineGioco.posizione;
    Clicca(f, geometria::LinkFineGioco(fine.left, fine.top, 2).center());  // "- Salva ..."
    EXPECT_EQ(p.ModoCorrente(), Modo::Gioco);
    ASSERT_TRUE(std::filesystem::exists(file));
    Clicca(f, geometria::LinkFineGioco(fine.left, fine.top, 0).center());  // "- Apri ..."
    EXPECT_EQ(p.ModoCorrente(), Modo::Analisi);
    EXPECT_EQ(chiamate, (std::vector<bool>{true, false}));
    f.Orologio().Avanza(20);  // the load's timer starts the review
    EXPECT_TRUE(p.Analisi_().Attiva());
    std::filesystem::remove(file);
}

TEST(RegoleSulloSchermo, TheLinkTurnsThePageOnlyWhileNoLeftPanelCoversIt) {
    FinestraPrincipale f(Avvio(3));
    f.show();
    CornicePrincipale& c = f.Cornice();
    if (!RegoleVisibili(c)) {
        // The settings may open a left panel at start: close it.
        c.lblComandi_Click(c.Menu().fraPannello[PannelloDatiIdx].visibile ? ComandoDati : ComandoPartita);
    }
    ASSERT_TRUE(RegoleVisibili(c));
    const QRect link = geometria::kRiquadroRegole.adjusted(kAreaLinkRegole.left, kAreaLinkRegole.top, 0, 0);
    const QPointF sopra(link.left() + kAreaLinkRegole.larghezza - 200, link.top() + kAreaLinkRegole.altezza / 2);
    Clicca(f, sopra);
    EXPECT_EQ(c.Continuaregole(), "Clicca qui per continuare > 2");
    c.lblComandi_Click(ComandoPartita);
    Clicca(f, sopra);
    EXPECT_EQ(c.Continuaregole(), "Clicca qui per continuare > 2");
}

// The rules link is underlined; the panels drawn after the box were underlined with it, every
// line of the records and options panels.
TEST(RegoleSulloSchermo, TheRulesBoxLeavesThePaintersFontAsItFoundIt) {
    FinestraPrincipale f(Avvio(3));
    QImage img(800, 633, QImage::Format_RGB32);
    QPainter p(&img);
    p.scale(1.0 / 15, 1.0 / 15);
    QFont base = f.font();
    base.setPixelSize(140);
    p.setFont(base);
    ScorrimentoRegole scorrimento;
    DisegnaRegole(p, f.Cornice(), {Qt::darkGreen, Qt::darkGreen, Qt::white}, scorrimento);
    EXPECT_FALSE(p.font().underline());
    EXPECT_EQ(p.font(), base);
}

TEST(PannelliSulloSchermo, TheRecordsLogScrollsWithTheWheel) {
    FinestraPrincipale f(Avvio(4));
    f.show();
    auto& t = f.Tavolo_();
    GiocatoreCasuale giocatore(5);
    Conduttore c(t, f.Orologio(), giocatore);
    // More matches than the log box shows at once.
    ASSERT_TRUE(c.FinoAPartite(6, 1000000));
    f.Cornice().lblComandi_Click(ComandoAlbo);
    const int totale = static_cast<int>(f.Cornice().PannelloAlbo().LstAlbo.size());
    const int righe = RigheListaAlbo();
    ASSERT_GT(totale, righe);
    const QPointF lista = geometria::ListaAlbo().center();
    EXPECT_EQ(f.ScorrimentoAlbo().Prima(totale, righe), totale - righe);
    Rotella(f, lista, 1);
    EXPECT_EQ(f.ScorrimentoAlbo().Prima(totale, righe), totale - righe - 1);
    Rotella(f, lista, 100);
    EXPECT_EQ(f.ScorrimentoAlbo().Prima(totale, righe), 0);
    // Outside the list the wheel does nothing to it.
    Rotella(f, QPointF(6000, 1000), -5);
    EXPECT_EQ(f.ScorrimentoAlbo().Prima(totale, righe), 0);
    Rotella(f, lista, -100);
    EXPECT_EQ(f.ScorrimentoAlbo().Prima(totale, righe), totale - righe);
}

}  // namespace
}  // namespace mrvelto
