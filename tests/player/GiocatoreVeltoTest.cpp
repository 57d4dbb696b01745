#include <gtest/gtest.h>

#include <set>

#include "Posizioni.h"
#include "game/Avversario.h"
#include "game/Conduttore.h"
#include "game/Tavolo.h"
#include "player/DecisionePC.h"
#include "player/GiocatoreVelto.h"

namespace mrvelto {
namespace {

struct Banco {
    OrologioVirtuale orologio;
    CasoConSeme caso{3, [] { return OraMinSec{10, 20}; }};
    Opzioni opzioni;
    StatoGioco stato;
    OrologioVirtuale::Id attesa = orologio.AggiungiTimer("TimerAttesaDelPCaMuovere", {}, 500);
    ContestoPC ctx{stato, opzioni, caso, orologio, attesa};
    GiocatoreVelto velto;
    Banco() { velto.Collega(ctx); }
};

TEST(GiocatoreVelto, TheChoiceFollowsTheAnalysisTenMillisecondsLaterAndArmsTheMove) {
    Banco b;
    b.stato = test::ConMazzo('b', {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"});
    b.velto.CalcolaPuntiPotenziali(b.ctx);
    b.velto.AnalizzaInizioPC(b.ctx);
    EXPECT_TRUE(b.orologio.Abilitato(b.velto.TimerValoreAggiuntivo()));
    EXPECT_EQ(b.orologio.Intervallo(b.velto.TimerValoreAggiuntivo()), 10);
    EXPECT_FALSE(b.orologio.Abilitato(b.attesa));
    EXPECT_TRUE(b.velto.Tabelle().Convenienza[9].Piena());  // the pair table is built at once
    b.orologio.Avanza(9);
    EXPECT_FALSE(b.orologio.Abilitato(b.attesa));
    b.orologio.Avanza(1);
    EXPECT_FALSE(b.orologio.Abilitato(b.velto.TimerValoreAggiuntivo()));
    EXPECT_TRUE(b.orologio.Abilitato(b.attesa));
    EXPECT_TRUE(b.stato.GiocoInCorso);
    EXPECT_TRUE(b.stato.PartitaInCorso);
    EXPECT_EQ(b.stato.CartaPCDaGiocare, 2);
}

TEST(GiocatoreVelto, AnswersThroughTheSameTimer) {
    Banco b;
    b.stato = test::ConMazzo('b', {"3d", "2b", "5c"}, {"Ad", "7s", "4s"}, 34, Chi::H, 4);
    b.velto.CalcolaPuntiPotenziali(b.ctx);
    b.velto.AnalizzaRispostaPC(b.ctx);
    b.orologio.Avanza(10);
    EXPECT_EQ(b.stato.CartaPCDaGiocare, 2);
    EXPECT_TRUE(b.orologio.Abilitato(b.attesa));
}

TEST(GiocatoreVelto, SecondToLastLeadArmsTheMoveAndLetsTheHumanPlay) {
    Banco b;
    b.stato = test::ConMazzo('b', {"3b", "Fd", ""}, {"2d", "", "Ad"}, -2, Chi::PC);
    b.velto.PenultimaGiocataIniziaPC(b.ctx);
    EXPECT_EQ(b.stato.CartaPCDaGiocare, 1);
    EXPECT_TRUE(b.orologio.Abilitato(b.attesa));
    EXPECT_TRUE(b.stato.PuoiGiocare);
}

TEST(GiocatoreVelto, ThinkingTimeMovesTheNextMovesInterval) {
    Banco b;
    std::set<int> visti;
    for (int n = 0; n < 400; ++n) {
        b.orologio.ImpostaIntervallo(b.attesa, 1000);
        b.velto.VariaTempoDiRisposta(b.ctx);
        visti.insert(b.orologio.Intervallo(b.attesa));
    }
    EXPECT_EQ(visti, (std::set<int>{850, 900, 950, 1000, 1050, 1100, 1150}));
}

TEST(GiocatoreVelto, AdoptedTwiceByTheSameTableAddsOneTimer) {
    Banco b;
    const auto id = b.velto.TimerValoreAggiuntivo();
    b.velto.Collega(b.ctx);
    EXPECT_EQ(b.velto.TimerValoreAggiuntivo(), id);
}

// Whole games through the real flow: the table's default player is Mr. VELTO, every game ends
// cleanly, and at level A no choice is ever replaced.
TEST(GiocatoreVelto, PlaysWholeGamesOnTheTable) {
    OrologioVirtuale orologio;
    CasoConSeme caso(9, [] { return OraMinSec{1, 2}; });
    Opzioni opzioni;
    opzioni[OpzConclusioneGioco] = "Fino all'ultima presa";
    Tavolo tavolo(orologio, caso, opzioni);
    AvversarioCasuale avversario(5);
    Conduttore conduttore(tavolo, avversario);
    int giochi = 0, vinti = 0;
    tavolo.AlTermineDelGioco = [&](const EsitoGioco& e) {
        ++giochi;
        vinti += e.Vincitore == 1;
        EXPECT_EQ(e.PuntiH + e.PuntiPC, 120);
        EXPECT_EQ(e.prese, 20);
    };
    tavolo.Avvia();
    ASSERT_TRUE(conduttore.FinoAGiochi(40, 10'000'000));
    EXPECT_EQ(giochi, 40);
    EXPECT_EQ(tavolo.Anomalie(), 0u);
    EXPECT_GT(vinti, 30);  // it sees the random player's hand
}

}  // namespace
}  // namespace mrvelto
