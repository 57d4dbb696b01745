#include <gtest/gtest.h>

#include <random>
#include <set>

#include "Posizioni.h"
#include "TavolaDiProva.h"
#include "player/DecisionePC.h"
#include "player/GiocatoreVelto.h"
#include "player/GiocatoriDiRiferimento.h"

namespace mrvelto {
namespace {

CasoConSeme Caso(std::uint64_t seme) { return CasoConSeme(seme, [] { return OraMinSec{10, 20}; }); }

// The events that bring a player to the first move of a game dealt as `s`.
void Distribuisci(Giocatore& g, const StatoGioco& s) {
    g.Osserva(evento::GiocoImpostato{false, false}, s);
    g.Osserva(evento::DistribuzioneFinita{}, s);
}

TEST(GiocatoreVelto, ChoosesAtOnceWhatTheStagesAnalysisGives) {
    auto caso = Caso(3);
    {
        GiocatoreVelto velto(caso);
        const StatoGioco s = test::ConMazzo('b', {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"}).stato;
        Distribuisci(velto, s);
        EXPECT_EQ(velto.Scegli(s, Chi::PC), 2);
        EXPECT_TRUE(velto.Tabelle().Convenienza[9].Piena());  // the whole pair table of a lead
    }
    {
        GiocatoreVelto velto(caso);
        const StatoGioco s = test::ConMazzo('b', {"3d", "2b", "5c"}, {"Ad", "7s", "4s"}, 34, Chi::H, 4).stato;
        Distribuisci(velto, s);
        velto.Osserva(evento::CartaGiocata{Chi::H, 4, false}, s);
        EXPECT_EQ(velto.Scegli(s, Chi::PC), 2);
        EXPECT_FALSE(velto.Tabelle().Convenienza[4].Piena());  // three pairs when answering
    }
    {
        GiocatoreVelto velto(caso);
        EXPECT_EQ(velto.Scegli(test::ConMazzo('b', {"3b", "Fd", ""}, {"2d", "", "Ad"}, -2, Chi::PC).stato, Chi::PC), 1);
        EXPECT_EQ(velto.Scegli(test::ConMazzo('b', {"", "", "Rd"}, {"", "Ad", ""}, -5, Chi::H, 5).stato, Chi::PC), 3);
    }
}

TEST(GiocatoreVelto, ThinkingTimeMovesTheNextMoveByTheTabledSteps) {
    auto caso = Caso(4);
    GiocatoreVelto velto(caso);
    std::set<int> visti;
    for (int n = 0; n < 400; ++n) visti.insert(velto.VariaTempoDiRisposta());
    EXPECT_EQ(visti, (std::set<int>{-150, -100, -50, 0, 50, 100, 150}));
}

TEST(VistaDalPosto, SwapsTheSidesAndLeavesTheAnsweredCardUnseen) {
    auto [s, tab] = test::ConMazzo('b', {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"}, 32, Chi::PC, 0, {"2d", "4d", "5d", "6d"}, 7, 3);
    s.NumeroCartaGiocataDaPC = 1;
    tab.PreseVirtuali[PosizioneNelMazzo("Ad")].stato = StatoCarta::Giocata;  // marked when played
    const StatoGioco m = VistaDalPosto(s, Chi::H);
    CartaDaRispondereNonVista(m, tab);
    EXPECT_EQ(m.Carta[1], "3d");
    EXPECT_EQ(m.Carta[6], "Rc");
    EXPECT_EQ(m.TurnoDiGioco, Chi::H);
    EXPECT_EQ(m.NumeroCartaGiocataDaH, 4);
    EXPECT_EQ(m.PuntiPC, 3);
    EXPECT_EQ(m.PuntiH, 7);
    EXPECT_EQ(tab.PreseVirtuali[PosizioneNelMazzo("Ad")].stato, StatoCarta::NonVista);
    EXPECT_EQ(tab.PreseVirtuali[PosizioneNelMazzo("2d")].stato, StatoCarta::Giocata);
    EXPECT_EQ(FaseDi(m), Fase::RispondeConMazzo);
}

TEST(GiocatoreVelto, OnTheHumansSeatChoosesAsTheComputerWouldInTheMirror) {
    const StatoGioco s = test::ConMazzo('b', {"3d", "Fb", "7c"}, {"Ad", "2s", "Rc"}, 34, Chi::H).stato;
    GiocatoreVelto v(1, 'A');
    EXPECT_EQ(v.Scegli(s, Chi::H), 5);  // the 2s, as the computer leads it with this hand
}

// Whole games on the computer's seat: every game ends cleanly, and Mr. VELTO, who sees the
// random player's hand, wins most games.
TEST(GiocatoreVelto, PlaysWholeGamesFollowingTheTablesEvents) {
    auto caso = Caso(9);
    GiocatoreVelto velto(caso);
    GiocatoreCasuale avversario(5);
    test::TavolaDiProva tavola{velto, avversario};
    std::mt19937 gen(17);
    int vinti = 0;
    for (int g = 0; g < 40; ++g) {
        const auto esito = tavola.Gioca(g % 2 ? Chi::PC : Chi::H, gen);
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ(esito.puntiPC + esito.puntiH, 120);
        EXPECT_EQ(esito.prese, 20);
        vinti += esito.puntiPC > 60;
    }
    EXPECT_GT(vinti, 30);
}

}  // namespace
}  // namespace mrvelto
