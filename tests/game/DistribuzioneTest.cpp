// SPDX-License-Identifier: GPL-3.0-or-later
// The deal: order by leader, timing, what is shown, the state after it.
#include <gtest/gtest.h>

#include <vector>

#include "BancoDiProva.h"
#include "game/Procedure.h"

namespace mrvelto::test {
namespace {

// Runs the deal firing by firing and returns the slot each firing filled, with the time it fired.
std::vector<std::pair<int, Millisecondi>> OrdineDistribuzione(Banco& b) {
    std::vector<std::pair<int, Millisecondi>> ordine;
    for (int guardia = 0; b.Armato(b.t().DistribuisciCarte) && guardia < 100; ++guardia) {
        Da1<bool, 8> prima;
        for (int k = 1; k <= 8; ++k) prima[k] = b.v().Slot[k].visibile;
        b.orologio.EseguiProssimo();
        for (int k = 1; k <= 8; ++k)
            if (!prima[k] && b.v().Slot[k].visibile) ordine.emplace_back(k, b.orologio.Adesso());
    }
    return ordine;
}

TEST(Distribuzione, TheDealerStartsWithTheLeadersFirstSlot) {
    Banco b;
    EXPECT_EQ(b.s().GiocoIniziatoDa, Chi::H);
    b.tavolo.Avvia();
    const Millisecondi t0 = b.orologio.Adesso();
    const auto ordine = OrdineDistribuzione(b);
    ASSERT_EQ(ordine.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(ordine[static_cast<std::size_t>(i)].first, "41526378"[i] - '0') << "firing " << i + 1;
        EXPECT_EQ(ordine[static_cast<std::size_t>(i)].second, t0 + 450 * (i + 1)) << "firing " << i + 1;
    }
    EXPECT_EQ(b.s().AChiTocca, Chi::H);
    EXPECT_TRUE(b.s().PuoiGiocare);
    EXPECT_TRUE(b.s().GiocoInCorso);
    EXPECT_TRUE(b.s().PartitaInCorso);
    EXPECT_TRUE(b.v().NomeH.evidenziata);
    EXPECT_FALSE(b.v().NomePC.evidenziata);
    // The computer leads the second game, so the human deals starting with slot 1.
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == 1; }));
    ASSERT_TRUE(b.Fino([&] { return b.Armato(b.t().DistribuisciCarte); }));
    EXPECT_EQ(b.s().GiocoIniziatoDa, Chi::PC);
    const auto secondo = OrdineDistribuzione(b);
    ASSERT_EQ(secondo.size(), 8u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(secondo[static_cast<std::size_t>(i)].first, "14253678"[i] - '0') << "firing " << i + 1;
    EXPECT_EQ(b.s().AChiTocca, Chi::PC);
    EXPECT_TRUE(b.v().NomePC.evidenziata);
    // The computer's choice is made at once; while the stock lasts it completes 10 ms later,
    // when the move is armed.
    EXPECT_EQ(b.s().CartaPCDaGiocare, 1);
    EXPECT_TRUE(b.Armato(b.t().ValoreAggiuntivo));
    EXPECT_FALSE(b.Armato(b.t().AttesaDelPCaMuovere));
    b.orologio.Avanza(10);
    EXPECT_TRUE(b.Armato(b.t().AttesaDelPCaMuovere));
    EXPECT_TRUE(b.s().GiocoInCorso && b.s().PartitaInCorso);
}

TEST(Distribuzione, AfterTheDealEverySlotIsFilledAndShownByTheRules) {
    Banco b;
    b.Distribuisci();
    EXPECT_EQ(b.s().NumeroCarteRimaste, 34);
    EXPECT_EQ(b.s().ContatoreDistribuisciCarte, 1);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_FALSE(b.s().Carta[k].Vuota()) << k;
        EXPECT_TRUE(b.v().Slot[k].visibile) << k;
        EXPECT_EQ(b.v().Slot[k].immagine, PosizioneDiManoDelloSlot(k)) << k;
        EXPECT_EQ(b.v().Slot[k].cornice.left, PosizioneDiManoDelloSlot(k).left - 180) << k;
        EXPECT_EQ(b.v().Slot[k].cornice.top, PosizioneDiManoDelloSlot(k).top - 180) << k;
    }
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(b.v().Slot[k].scoperta) << k;
    for (int k = 4; k <= 7; ++k) EXPECT_TRUE(b.v().Slot[k].scoperta) << k;
    EXPECT_FALSE(b.v().Slot[8].scoperta);
    EXPECT_NE(b.v().Slot[8].riempimento, colore::Bianco);
    EXPECT_EQ(b.v().Slot[4].riempimento, colore::Bianco);
    EXPECT_TRUE(b.v().CarteRimaste.visibile);
    EXPECT_EQ(b.v().CarteRimaste.testo, "34");
    EXPECT_EQ(b.v().CarteRimasteScritta.testo, "Carte rimaste:");
    EXPECT_TRUE(b.v().CarteRimasteScritta.visibile);
    EXPECT_FALSE(b.s().Sbirciata);
    const char seme = b.s().SemeBriscola();
    // Eight cards drawn, none played.
    EXPECT_EQ(b.s().Estratte.Conta(), 8);
    EXPECT_TRUE(b.s().Giocate.Vuoto());
    // Data panel: cells 2..8 are the dealt cards of slots 1..7; the briscola cell by leader.
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(b.tavolo.Dati()[i + 1].testo, b.s().Carta[i].Codice()) << i;
    EXPECT_EQ(b.tavolo.Dati()[8].sfondo, colore::RosaUmano);
    for (int i = 1; i <= 6; ++i) {
        const bool briscola = b.s().Carta[i].Seme() == seme;
        EXPECT_EQ(b.tavolo.Dati()[i + 1].sfondo, briscola ? colore::GialloChiaro : colore::Bianco) << i;
    }
    // The computer's dealt cards are not revealed in the panel while its cards are covered.
    EXPECT_FALSE(b.tavolo.Dati()[2].visibile);
    EXPECT_TRUE(b.tavolo.Dati()[5].visibile);
}

TEST(Distribuzione, DealtCardsAreFortyDistinctCodesOverAGame) {
    Banco b(5, ConOpzioni({{OpzConclusioneGioco, "Fino all'ultima presa"}}));
    b.tavolo.Avvia();
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == 1; }));
    for (int n = 1; n <= 40; ++n) EXPECT_EQ(b.tavolo.GiocoCorrente().estrazioni[static_cast<std::size_t>(n)], 1) << n;
}

}  // namespace
}  // namespace mrvelto::test
