// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "game/OrologioVirtuale.h"
#include "game/LinkRegole.h"
#include "screens/MenuComandi.h"
#include "screens/PannelloRecord.h"
#include "game/SegnapuntiPartita.h"
#include "screens/UscitaProgramma.h"

namespace mrvelto {
namespace {

TEST(MenuComandi, LeftPanelsExcludeEachOtherAndASecondClickCloses) {
    MenuComandi m;
    EXPECT_EQ(m.lblComandi[1].testo, "Partita");
    EXPECT_EQ(m.lblComandi[5].testo, "Esci");
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(m.lblComandi[k].coloreTesto, 0xFFFFFFu);
    EXPECT_EQ(m.Click(ComandoPartita), EffettoMenu::Nessuno);
    EXPECT_EQ(m.lblComandi[1].coloreTesto, 65280u);
    EXPECT_TRUE(m.fraPannello[PannelloPartitaIdx].visibile);
    EXPECT_EQ(m.fraPannello[PannelloPartitaIdx].posizione, (Posizione{110, 30}));
    EXPECT_EQ(m.PannelloVisualizzato, PannelloLaterale::Partita);
    m.Click(ComandoDati);
    EXPECT_EQ(m.lblComandi[1].coloreTesto, 0xFFFFFFu);
    EXPECT_FALSE(m.fraPannello[PannelloPartitaIdx].visibile);
    EXPECT_TRUE(m.fraPannello[PannelloDatiIdx].visibile);
    EXPECT_EQ(m.PannelloVisualizzato, PannelloLaterale::Dati);
    m.Click(ComandoDati);
    EXPECT_FALSE(m.fraPannello[PannelloDatiIdx].visibile);
    EXPECT_EQ(m.lblComandi[2].coloreTesto, 0xFFFFFFu);
    EXPECT_EQ(m.PannelloVisualizzato, PannelloLaterale::Nessuno);
}

TEST(MenuComandi, RightPanelsStopAndRestartTheImpatienceAndLeaveTheSavedPanelAlone) {
    MenuComandi m;
    m.ApriPannelloSalvato(PannelloLaterale::Dati);
    EXPECT_EQ(m.Click(ComandoAlbo), EffettoMenu::FermaImpazienza);
    EXPECT_TRUE(m.fraPannello[PannelloAlboIdx].visibile);
    EXPECT_EQ(m.fraPannello[PannelloAlboIdx].posizione, (Posizione{2925, 30}));
    EXPECT_EQ(m.Click(ComandoOpzioni), EffettoMenu::FermaImpazienza);
    EXPECT_FALSE(m.fraPannello[PannelloAlboIdx].visibile);
    EXPECT_EQ(m.lblComandi[3].coloreTesto, 0xFFFFFFu);
    EXPECT_EQ(m.Click(ComandoOpzioni), EffettoMenu::RiprendiImpazienza);
    EXPECT_EQ(m.PannelloVisualizzato, PannelloLaterale::Dati);
    EXPECT_TRUE(m.fraPannello[PannelloDatiIdx].visibile);
    EXPECT_EQ(m.Click(ComandoEsci), EffettoMenu::ChiediUscita);
    m.lblComandi[3].abilitata = false;
    EXPECT_EQ(m.Click(ComandoAlbo), EffettoMenu::Nessuno);
    EXPECT_FALSE(m.fraPannello[PannelloAlboIdx].visibile);
    EXPECT_TRUE(RiprendereImpazienza(true, opz::Carattere::Nervosetto, opz::Loquacita::Loquace));
    EXPECT_FALSE(RiprendereImpazienza(true, opz::Carattere::Pacifico, opz::Loquacita::Loquace));
    EXPECT_FALSE(RiprendereImpazienza(true, opz::Carattere::Nervosetto, opz::Loquacita::Taciturno));
    EXPECT_FALSE(RiprendereImpazienza(false, opz::Carattere::Nervosetto, opz::Loquacita::Loquace));
}

TEST(MenuComandi, TheLogHandsTheFocusToTheContinueButtonOnlyAtTheEndOfAGame) {
    MenuComandi m;
    m.Click(ComandoAlbo);
    EXPECT_EQ(m.LstAlbo_Click(), Fuoco::SetFocusAlbo);
    EXPECT_EQ(m.cmdSetFocusAlbo(false, false), Fuoco::Invariato);
    EXPECT_EQ(m.cmdSetFocusAlbo(true, true), Fuoco::Invariato);
    EXPECT_TRUE(m.fraPannello[PannelloAlboIdx].visibile);
    EXPECT_EQ(m.cmdSetFocusAlbo(true, false), Fuoco::ContinuaOIniziaPartita);
    EXPECT_FALSE(m.fraPannello[PannelloAlboIdx].visibile);
    EXPECT_EQ(m.lblComandi[3].coloreTesto, 0xFFFFFFu);
}

TEST(UscitaProgramma, YesSavesAndEndsAfterTimerEsciNoHidesTheQuestionADeadOneIsNeverCalled) {
    OrologioVirtuale orologio;
    int salvataggi = 0, chiusure = 0;
    UscitaProgramma u(orologio, [&] { ++salvataggi; }, [&] { ++chiusure; });
    EXPECT_EQ(kDomandaUscita, "Vuoi davvero lasciarmi?");
    EXPECT_EQ(kRispostaSiUscita, "- Si, purtroppo!");
    u.RispostaSi();  // no question shown: nothing
    EXPECT_EQ(salvataggi, 0);
    u.Chiedi();
    EXPECT_TRUE(u.DomandaVisibile());
    EXPECT_EQ(u.PosizioneDomanda(), (Posizione{3420, 3030}));
    u.RispostaNo();
    EXPECT_FALSE(u.DomandaVisibile());
    u.Chiedi();
    u.RispostaSi();
    EXPECT_EQ(salvataggi, 1);
    EXPECT_FALSE(u.RisposteAbilitate());
    u.RispostaSi();
    u.RispostaNo();
    EXPECT_EQ(salvataggi, 1);
    orologio.Avanza(1499);
    EXPECT_EQ(chiusure, 0);
    EXPECT_FALSE(u.PuoChiudere());
    orologio.Avanza(1);
    EXPECT_EQ(chiusure, 1);
    EXPECT_TRUE(u.PuoChiudere());
    EXPECT_FALSE(orologio.Abilitato(u.TimerEsci()));
    // A clock that outlives the exit never calls it back.
    {
        UscitaProgramma v(orologio, [] {}, [&] { ++chiusure; });
        v.Chiedi();
        v.RispostaSi();
    }
    orologio.Avanza(kIntervalloTimerEsci * 2);
    EXPECT_EQ(chiusure, 1);
}

TEST(SegnapuntiPartita, ColumnsSpreadBetweenFixedEndsAndStrokesStandBetweenThem) {
    for (int giochi = 3; giochi <= 5; ++giochi) {
        const auto s = DisposizioneSegnapunti(giochi);
        EXPECT_EQ(s.SinistraPuntiPC, s.SinistraPuntiH);
        EXPECT_FLOAT_EQ(s.SinistraPuntiPC[1], DisposizioneSegnapunti(4).SinistraPuntiPC[1]);
        EXPECT_FLOAT_EQ(s.SinistraPuntiPC[giochi], DisposizioneSegnapunti(5).SinistraPuntiPC[5]);
        EXPECT_TRUE(s.LineaVVisibile[1] && s.LineaVVisibile[5]);
        EXPECT_EQ(s.LineaVVisibile[3], giochi == 4);
        const float passo = s.SinistraPuntiPC[2] - s.SinistraPuntiPC[1];
        for (int k = 2; k <= giochi; ++k) EXPECT_FLOAT_EQ(s.SinistraPuntiPC[k] - s.SinistraPuntiPC[k - 1], passo);
        // Each visible inner stroke lies in a gap between two dots, never across one.
        for (int v = 2; v <= 4; ++v) {
            if (!s.LineaVVisibile[v]) continue;
            for (int k = 1; k <= giochi; ++k) {
                const float x = s.SinistraLineaV[v];
                EXPECT_FALSE(x + kLarghezzaLineaV > s.SinistraPuntiPC[k] && x < s.SinistraPuntiPC[k] + kLatoPunto) << giochi << " " << v;
            }
        }
    }
    EXPECT_EQ(DisposizioneSegnapunti(9), DisposizioneSegnapunti(4));
}

TEST(PannelloRecord, HeadingsRowsLevelsAndLog) {
    Record r;
    r.Classifica[1] = RigaClassifica{"Pietà", 3, 1, "6/12/26", true, true, true};
    r.VittoriePCVariLivelli[2] = 4;
    r.SconfittePCVariLivelli[5] = 2;
    const PannelloRecord p = ComponiPannelloRecord(r);
    EXPECT_EQ(kIntestazioniClassifica[0], "N.");
    EXPECT_EQ(kIntestazioniClassifica[1], "Nome del Giocatore");
    EXPECT_EQ(kIntestazioniClassifica[4], "Ultima Data");
    EXPECT_EQ(p.righe[1].posizione, "1");
    EXPECT_EQ(p.righe[1].vinte, "3");
    EXPECT_TRUE(p.righe[1].perseVisibile);
    EXPECT_EQ(p.righe[10].posizione, "10");
    EXPECT_EQ(p.righe[2].vinte, "");
    EXPECT_FALSE(p.righe[2].posizioneVisibile);
    EXPECT_EQ(p.livelli[2].nome, "Mr. VELTO B");
    EXPECT_EQ(p.livelli[2].livello, "Alta (Livello B)");
    EXPECT_EQ(p.livelli[2].vittorie, 4);
    EXPECT_EQ(p.livelli[5].sconfitte, 2);
}

TEST(ScorrimentoLista, FollowsTheEndReachesEveryEntryAndStaysInside) {
    ScorrimentoLista s;
    EXPECT_EQ(s.Prima(10, 3), 7);
    EXPECT_EQ(s.Prima(2, 3), 0);  // all in view
    s.Scorri(-1, 10, 3);
    EXPECT_EQ(s.Prima(10, 3), 6);
    s.Scorri(-100, 10, 3);
    EXPECT_EQ(s.Prima(10, 3), 0);
    // Stepping down one entry at a time brings every entry into view once.
    std::vector<int> viste;
    for (int passo = 0; passo < 12; ++passo) {
        const int prima = s.Prima(10, 3);
        for (int i = prima; i < prima + 3; ++i)
            if (std::find(viste.begin(), viste.end(), i) == viste.end()) viste.push_back(i);
        s.Scorri(1, 10, 3);
    }
    EXPECT_EQ(viste.size(), 10u);
    EXPECT_EQ(s.Prima(10, 3), 7);
    // At the end it follows new entries; scrolled back it stays where the player left it.
    EXPECT_EQ(s.Prima(11, 3), 8);
    s.Scorri(-2, 11, 3);
    EXPECT_EQ(s.Prima(12, 3), 6);
}

// The five-page cycle itself is walked through the frame in CornicePrincipaleTest.
TEST(LinkRegole, CaptionsOffTheCycleStartAgainAtTheFirstPage) {
    EXPECT_EQ(CaptionRegoleSeguente("Clicca qui per continuare > 5"), kPrimaPaginaRegole);
    EXPECT_EQ(CaptionRegoleSeguente("boh"), kPrimaPaginaRegole);
    EXPECT_EQ(PaginaRegole("Clicca qui per ritornare > 5"), 5);
    EXPECT_FALSE(CaptionRegoleValida("Clicca qui per continuare > 6"));
}

}  // namespace
}  // namespace mrvelto
