// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/OrologioVirtuale.h"

namespace mrvelto {
namespace {

// A disabled timer, or one with a zero interval, never fires.
TEST(OrologioVirtuale, FiresEveryIntervalUntilDisarmed) {
    OrologioVirtuale o;
    std::vector<Millisecondi> quando;
    auto spento = o.AggiungiTimer("Spento", [&] { quando.push_back(-1); }, 100);
    o.Abilita(o.AggiungiTimer("Zero", [&] { quando.push_back(-2); }, 0), true);
    EXPECT_FALSE(o.ProssimaScadenza());
    OrologioVirtuale::Id id = 0;
    id = o.AggiungiTimer("T", [&] {
        quando.push_back(o.Adesso());
        if (quando.size() == 3) o.Abilita(id, false);
    }, 450);
    o.Abilita(id, true);
    o.Avanza(5000);
    EXPECT_EQ(quando, (std::vector<Millisecondi>{450, 900, 1350}));
    EXPECT_FALSE(o.Abilitato(spento));
}

TEST(OrologioVirtuale, ChangingTheIntervalOrReenablingRestartsTheCountdown) {
    OrologioVirtuale o;
    std::vector<Millisecondi> quando;
    auto id = o.AggiungiTimer("T", [&] { quando.push_back(o.Adesso()); }, 1000);
    o.Abilita(id, true);
    o.Avanza(700);
    o.ImpostaIntervallo(id, 500);  // due at 1200 now, not 1000 or 500
    o.Avanza(1300);
    EXPECT_EQ(quando, (std::vector<Millisecondi>{1200, 1700}));
    // Re-enabling an enabled timer does not restart it.
    o.Abilita(id, true);
    o.AvanzaFino(2200);
    EXPECT_EQ(quando.back(), 2200);
    // Disabling and enabling again does.
    o.Avanza(60);
    o.Abilita(id, false);
    o.Abilita(id, true);
    o.AvanzaFino(2760);
    EXPECT_EQ(quando.back(), 2760);
    EXPECT_EQ(quando.size(), 4u);
}

TEST(OrologioVirtuale, SimultaneousTimersFireInArmingOrder) {
    OrologioVirtuale o;
    std::string ordine;
    auto b = o.AggiungiTimer("B", [&] { ordine += 'B'; }, 300);
    auto a = o.AggiungiTimer("A", [&] { ordine += 'A'; }, 300);
    auto c = o.AggiungiTimer("C", [&] { ordine += 'C'; }, 300);
    o.Abilita(a, true);
    o.Abilita(c, true);
    o.Abilita(b, true);
    o.AvanzaFino(300);
    EXPECT_EQ(ordine, "ACB");
}

// Past the first 64 timers too, and a released timer's place taken by a timer not armed yet.
TEST(OrologioVirtuale, ManyTimersFireByDueTimeAndReleasedOnesNever) {
    OrologioVirtuale o;
    std::vector<int> fatti;
    std::vector<OrologioVirtuale::Id> id;
    for (int i = 0; i < 70; ++i) id.push_back(o.AggiungiTimer("T" + std::to_string(i), [&, i] {
        fatti.push_back(i);
        o.Abilita(id[static_cast<std::size_t>(i)], false);
    }, 1000 - 10 * i));
    for (int i : {0, 5, 63, 64, 69}) o.Abilita(id[static_cast<std::size_t>(i)], true);
    o.RilasciaTimer(id[5]);
    EXPECT_EQ(o.AggiungiTimer("Nuovo", [&] { fatti.push_back(-1); }, 1), id[5]);
    o.Avanza(2000);
    EXPECT_EQ(fatti, (std::vector<int>{69, 64, 63, 0}));
}

TEST(OrologioVirtuale, AStepThatArmsAnotherSeesItFireLater) {
    OrologioVirtuale o;
    std::vector<std::string> eventi;
    OrologioVirtuale::Id primo = 0, secondo = 0;
    secondo = o.AggiungiTimer("Secondo", [&] {
        o.Abilita(secondo, false);
        eventi.push_back("secondo@" + std::to_string(o.Adesso()));
    }, 1);
    primo = o.AggiungiTimer("Primo", [&] {
        o.Abilita(primo, false);
        eventi.push_back("primo inizio");
        o.Abilita(secondo, true);
        eventi.push_back("primo fine");
    }, 10);
    o.Abilita(primo, true);
    EXPECT_TRUE(o.EseguiProssimo());
    EXPECT_EQ(eventi, (std::vector<std::string>{"primo inizio", "primo fine"}));
    o.Avanza(100);
    EXPECT_EQ(eventi.back(), "secondo@11");
    EXPECT_EQ(o.PassiEseguiti(), 2u);
}

TEST(OrologioVirtuale, AdvanceRunsOnlyWhatIsDue) {
    OrologioVirtuale o;
    int colpi = 0;
    auto id = o.AggiungiTimer("T", [&] { ++colpi; }, 250);
    o.Abilita(id, true);
    EXPECT_EQ(o.AvanzaFino(999), 3);
    EXPECT_EQ(o.Adesso(), 999);
    EXPECT_EQ(*o.ProssimaScadenza(), 1000);
    o.FermaTutti();
    EXPECT_FALSE(o.EseguiProssimo());
    EXPECT_EQ(o.Cerca("T"), id);
    EXPECT_FALSE(o.Cerca("X"));
}

}  // namespace
}  // namespace mrvelto
