// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ui/FinestraAvvio.h"
#include "ui/FinestraDiProva.h"

namespace mrvelto {
namespace {

// The table must be up the moment the name is taken. A fast autoplay types the name and goes on
// playing in the same turn of the event loop: had the switch waited for the start-up window's next
// redraw, whole games would go by with nothing shown.
TEST(FinestraAvvioQt, TheTableComesUpAsSoonAsTheAutoplayEntersTheName) {
    AvvioFinestra avvio = test::Avvio(5, QStringLiteral("Mario"));
    avvio.finestraIniziale = true;
    avvio.autoplay = true;
    avvio.veloce = true;
    FinestraPrincipale f(avvio);
    FinestraAvvio a(f.Programma_(), &f);
    a.show();
    ASSERT_EQ(f.Programma_().ModoCorrente(), Modo::Avvio);
    EXPECT_FALSE(f.isVisible());
    for (int i = 0; i < 100 && f.Programma_().ModoCorrente() == Modo::Avvio; ++i) f.Programma_().PassoAutomatico();
    ASSERT_EQ(f.Programma_().ModoCorrente(), Modo::Gioco);
    // No events processed in between.
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(a.isVisible());
}

// The start-up window hands the main window's own mode hook back when it goes.
TEST(FinestraAvvioQt, TheMainWindowKeepsItsModeHook) {
    AvvioFinestra avvio = test::Avvio(5, QStringLiteral("Mario"));
    avvio.finestraIniziale = true;
    FinestraPrincipale f(avvio);
    int chiamate = 0;
    f.Programma_().CambioModo = [&chiamate] { ++chiamate; };
    {
        FinestraAvvio a(f.Programma_(), &f);
        a.Casella()->setText(QStringLiteral("Mario"));
        f.Programma_().Iniziale()->ImpostaTesto("Mario");
        f.Programma_().TastoInvio();
        EXPECT_EQ(chiamate, 1);
        EXPECT_TRUE(f.isVisible());
    }
    ASSERT_TRUE(f.Programma_().CambioModo);
    f.Programma_().CambioModo();
    EXPECT_EQ(chiamate, 2);
}

}  // namespace
}  // namespace mrvelto
