// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <filesystem>

#include "ui/FinestraDiProva.h"
#include "ui/FinestraPrincipale.h"
#include "ui/GeometriaTavolo.h"

namespace mrvelto {
namespace {

using test::Avvio;
using test::Clicca;

AvvioFinestra Avvio() { return test::Avvio(21, QStringLiteral("Giocatore")); }

// A click on an entry toggles its panel; which panels exclude which is the menu's own test.
TEST(MenuComandiQt, EachEntryOpensAndClosesItsPanel) {
    FinestraPrincipale f(Avvio());
    f.show();
    const MenuComandi& m = f.Cornice().Menu();
    for (int k = ComandoPartita; k <= ComandoOpzioni; ++k) {
        const bool aperta = m.Aperta(k);
        Clicca(f, geometria::VoceMenu(k).center());
        EXPECT_NE(m.Aperta(k), aperta) << k;
        EXPECT_FALSE(f.grab().toImage().isNull()) << k;  // every panel draws
        Clicca(f, geometria::VoceMenu(k).center());
        EXPECT_EQ(m.Aperta(k), aperta) << k;
    }
}

TEST(MenuComandiQt, AClickOnTheLogAtTheEndOfAGameHandsEnterBackToTheMatch) {
    FinestraPrincipale f(Avvio());
    f.show();
    test::FinoAFineGioco(f);
    Clicca(f, geometria::VoceMenu(ComandoAlbo).center());
    ASSERT_TRUE(f.Cornice().Menu().fraPannello[PannelloAlboIdx].visibile);
    Clicca(f, geometria::ListaAlbo().center());
    EXPECT_FALSE(f.Cornice().Menu().fraPannello[PannelloAlboIdx].visibile);
    EXPECT_FALSE(f.Cornice().Menu().Aperta(ComandoAlbo));
}

TEST(UscitaQt, NoKeepsPlayingYesSavesAndLeavesAfterItsTimer) {
    FinestraPrincipale f(Avvio());
    QSignalSpy finito(&f, &FinestraPrincipale::Finito);
    f.show();
    const auto impostazioni = f.Cornice().PercorsoImpostazioni();
    std::filesystem::remove(impostazioni);

    // The window manager's close asks first.
    f.close();
    EXPECT_TRUE(f.isVisible());
    const UscitaProgramma& u = f.Cornice().Uscita();
    ASSERT_TRUE(u.DomandaVisibile());
    const Posizione pos = u.PosizioneDomanda();
    Clicca(f, geometria::RispostaUscita(pos.left, pos.top, false).center());
    EXPECT_FALSE(u.DomandaVisibile());
    EXPECT_TRUE(f.isVisible());

    Clicca(f, geometria::VoceMenu(ComandoEsci).center());
    ASSERT_TRUE(u.DomandaVisibile());
    Clicca(f, geometria::RispostaUscita(pos.left, pos.top, true).center());
    EXPECT_TRUE(std::filesystem::exists(impostazioni));
    EXPECT_EQ(finito.count(), 0);  // the timer's exact length is pinned in UscitaProgramma's own test
    f.Orologio().Avanza(kIntervalloTimerEsci);
    EXPECT_EQ(finito.count(), 1);
    EXPECT_FALSE(f.isVisible());
}

}  // namespace
}  // namespace mrvelto
