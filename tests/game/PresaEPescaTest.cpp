// SPDX-License-Identifier: GPL-3.0-or-later
// Taking the trick and drawing, and the count of the last three tricks.
#include <gtest/gtest.h>

#include <vector>

#include "BancoDiProva.h"

namespace mrvelto::test {
namespace {

Opzioni FinoAllUltima(std::initializer_list<std::pair<int, const char*>> altre = {}) {
    Opzioni o = ConOpzioni(altre);
    Imposta(o, OpzConclusioneGioco, "Fino all'ultima presa");
    return o;
}

TEST(Presa, NumeroCarteRimasteRunsFrom34DownToMinus6OneByOne) {
    for (std::uint64_t seme : {1u, 2u, 3u}) {
        Banco b(seme, FinoAllUltima());
        b.tavolo.Avvia();
        std::vector<int> valori{b.s().NumeroCarteRimaste};
        while (b.tavolo.GiochiConclusi() == 0) {
            ASSERT_LT(valori.size(), 100u);
            ASSERT_LT(b.orologio.PassiEseguiti(), 100000u);
            ASSERT_TRUE(b.conduttore.Passo());
            if (b.s().NumeroCarteRimaste != valori.back()) valori.push_back(b.s().NumeroCarteRimaste);
            if (b.s().NumeroCarteRimaste > 0 && b.v().CarteRimaste.visibile) {
                EXPECT_EQ(b.v().CarteRimaste.testo, std::to_string(b.s().NumeroCarteRimaste));
            }
        }
        ASSERT_EQ(valori.size(), 41u);
        for (std::size_t i = 0; i < valori.size(); ++i) EXPECT_EQ(valori[i], 34 - static_cast<int>(i));
    }
}

TEST(Presa, TheWinnerDrawsFirstIntoTheSlotItPlayedFrom) {
    Banco b(4, FinoAllUltima());
    b.tavolo.Avvia();
    int controllate = 0;
    while (b.s().NumeroCarteRimaste > 2) {
        ASSERT_LT(controllate, 20);
        // Up to the take.
        const int manche = b.s().Manche;
        ASSERT_TRUE(b.Fino([&] { return b.s().Manche != manche; }));
        ASSERT_TRUE(b.Armato(b.t().Pesca));
        const Chi vincitore = b.s().TurnoDiGioco;
        const int slotV = vincitore == Chi::H ? b.s().NumeroCartaGiocataDaH : b.s().NumeroCartaGiocataDaPC;
        const int slotP = vincitore == Chi::H ? b.s().NumeroCartaGiocataDaPC : b.s().NumeroCartaGiocataDaH;
        // With the animation off the played cards vanish at the take.
        EXPECT_FALSE(b.v().Slot[slotV].visibile);
        EXPECT_FALSE(b.v().Slot[slotP].visibile);
        const Millisecondi t0 = b.orologio.Adesso();
        const int n0 = b.s().NumeroCarteRimaste;
        b.orologio.EseguiProssimo();
        EXPECT_EQ(b.orologio.Adesso(), t0 + 530);
        EXPECT_EQ(b.s().ContatoreCarteEstratte, slotV);
        EXPECT_TRUE(b.v().Slot[slotV].visibile);
        EXPECT_EQ(b.v().Slot[slotV].immagine, PosizioneDiManoDelloSlot(slotV));
        EXPECT_FALSE(b.v().Slot[slotP].visibile) << "the loser drew first";
        EXPECT_EQ(b.s().NumeroCarteRimaste, n0 - 1);
        b.orologio.EseguiProssimo();
        EXPECT_EQ(b.orologio.Adesso(), t0 + 1060);
        EXPECT_EQ(b.s().ContatoreCarteEstratte, slotP);
        EXPECT_TRUE(b.v().Slot[slotP].visibile);
        EXPECT_EQ(b.s().NumeroCarteRimaste, n0 - 2);
        EXPECT_EQ(b.s().NumeroCartaGiocataDaH, 0);
        EXPECT_EQ(b.s().NumeroCartaGiocataDaPC, 0);
        EXPECT_FALSE(b.Armato(b.t().Pesca));
        EXPECT_EQ(b.s().AChiTocca, vincitore);
        ++controllate;
    }
    EXPECT_EQ(controllate, 16);
}

TEST(Presa, AfterThe17thTrickTheWinnerHoldsTheCoveredCardAndTheLoserTheBriscola) {
    for (std::uint64_t seme = 1; seme <= 6; ++seme) {
        Banco b(seme, FinoAllUltima());
        b.tavolo.Avvia();
        ASSERT_TRUE(b.Fino([&] { return b.s().Manche == 18; }));  // the 17th trick is taken
        ASSERT_EQ(b.s().NumeroCarteRimaste, 2);
        ASSERT_TRUE(b.Armato(b.t().PescaUltimeDue));
        const std::string coperta(b.s().Carta[8].Codice());
        const std::string briscola(b.s().Carta[7].Codice());
        const Chi vincitore = b.s().TurnoDiGioco;
        const int slotV = vincitore == Chi::H ? b.s().NumeroCartaGiocataDaH : b.s().NumeroCartaGiocataDaPC;
        const int slotP = vincitore == Chi::H ? b.s().NumeroCartaGiocataDaPC : b.s().NumeroCartaGiocataDaH;
        const Millisecondi t0 = b.orologio.Adesso();
        b.orologio.EseguiProssimo();
        EXPECT_EQ(b.orologio.Adesso(), t0 + 500);
        EXPECT_EQ(b.s().Carta[slotV].Codice(), coperta);
        EXPECT_FALSE(b.v().Slot[8].visibile);
        EXPECT_EQ(b.s().NumeroCarteRimaste, 1);
        b.orologio.EseguiProssimo();
        EXPECT_EQ(b.orologio.Adesso(), t0 + 1000);
        EXPECT_EQ(b.s().Carta[slotP].Codice(), briscola);
        EXPECT_EQ(b.s().Carta[slotP].Seme(), briscola[1]);
        EXPECT_FALSE(b.v().Slot[7].visibile);
        EXPECT_FALSE(b.v().CarteRimaste.visibile);
        EXPECT_FALSE(b.v().CarteRimasteScritta.visibile);
        EXPECT_EQ(b.s().NumeroCarteRimaste, 0);
        // The briscola suit stays known for the rest of the game.
        EXPECT_EQ(b.s().SemeBriscola(), briscola[1]);
        // A human card stays face up; a computer card stays covered.
        if (slotP <= 3) EXPECT_FALSE(b.v().Slot[slotP].scoperta);
        else EXPECT_TRUE(b.v().Slot[slotP].scoperta);
        // No card is drawn in the last three tricks, and the played slots are emptied at the take.
        const auto estratte = b.tavolo.GiocoCorrente().estrazioni;
        ASSERT_TRUE(b.Fino([&] { return b.s().Manche == 19; }));
        EXPECT_EQ(b.tavolo.GiocoCorrente().estrazioni, estratte);
        EXPECT_TRUE(b.s().Carta[b.s().NumeroCartaGiocataDaH].Vuota());
        EXPECT_TRUE(b.s().Carta[b.s().NumeroCartaGiocataDaPC].Vuota());
        EXPECT_EQ(b.s().NumeroCarteRimaste, -2);
    }
}

TEST(Presa, DataPanelCellsOfATrick) {
    Banco b(6);
    b.Distribuisci();
    const char briscola = b.s().SemeBriscola();
    b.tavolo.ImgCarta_Click(5);
    const std::string cartaH(b.s().Carta[5].Codice());
    ASSERT_TRUE(b.SoloOrologioFino([&] { return b.s().Manche == 2; }));
    const int q = b.s().NumeroCartaGiocataDaPC;
    const std::string cartaPC(b.s().Carta[q].Codice());
    const PannelloDati& d = b.tavolo.Dati();
    // b = 6 × Manche = 6 for the first trick: cells 15..20.
    EXPECT_EQ(d[15].testo, cartaPC);
    EXPECT_EQ(d[16].testo, cartaH);
    EXPECT_EQ(d[15].coloreTesto, colore::Blu);
    EXPECT_EQ(d[16].coloreTesto, colore::Blu);
    EXPECT_EQ(d[15].sfondo, cartaPC[1] == briscola ? colore::GialloChiaro : colore::Bianco);
    EXPECT_EQ(d[16].sfondo, cartaH[1] == briscola ? colore::GialloChiaro : colore::Bianco);
    EXPECT_EQ(d[17].testo, std::to_string(b.s().PuntiPC));
    EXPECT_EQ(d[18].testo, std::to_string(b.s().PuntiH));
    const EsitoPresa e = DecidiPresa(Chi::H, cartaPC[1], ValoreDiCarta(cartaPC), cartaH[1], ValoreDiCarta(cartaH), briscola);
    EXPECT_EQ(b.s().TurnoDiGioco, e.vincitore);
    EXPECT_EQ(e.vincitore == Chi::H ? b.s().PuntiH : b.s().PuntiPC, e.punti);
    EXPECT_EQ(d[17].sfondo, e.vincitore == Chi::PC ? colore::Rosso : colore::Bianco);
    EXPECT_EQ(d[18].sfondo, e.vincitore == Chi::H ? colore::RosaUmano : colore::Bianco);
    EXPECT_EQ((e.vincitore == Chi::H ? b.v().NomeH : b.v().NomePC).evidenziata, true);
    EXPECT_EQ(b.v().PuntiH.testo, std::to_string(b.s().PuntiH));
    EXPECT_EQ(b.v().PuntiPC.testo, std::to_string(b.s().PuntiPC));
    // Who took the cards is kept for the computer player; none stays on the table.
    const InsiemeCarte presa = InsiemeCarte::Di(CartaDaGioco::DaCodice(cartaPC)).Con(InsiemeCarte::Di(CartaDaGioco::DaCodice(cartaH)));
    EXPECT_EQ(e.vincitore == Chi::PC ? b.s().PreseDaPC : b.s().PreseDaH, presa);
    EXPECT_TRUE((e.vincitore == Chi::PC ? b.s().PreseDaH : b.s().PreseDaPC).Vuoto());
    EXPECT_TRUE(b.s().InTavola().Vuoto());
    // The draw fills b+13 (the computer's new card) and b+14 (the human's).
    ASSERT_TRUE(b.SoloOrologioFino([&] { return !b.Armato(b.t().Pesca); }));
    EXPECT_EQ(d[19].testo, b.s().Carta[q].Codice());
    EXPECT_EQ(d[20].testo, b.s().Carta[5].Codice());
    EXPECT_EQ(d[19].coloreTesto, colore::Nero);
    EXPECT_EQ(d[20].sfondo, b.s().Carta[5].Seme() == briscola ? colore::GialloChiaro : colore::Bianco);
    // The computer's drawn card is not revealed in the panel during the game.
    EXPECT_FALSE(d[19].visibile);
    EXPECT_TRUE(d[17].visibile);
}

TEST(Presa, TakenCardsMoveSixTicksTowardsTheWinnerWithTheAnimationOn) {
    Banco b(7, ConOpzioni({{OpzAnimazione, "Veloce"}}));
    b.Distribuisci();
    b.tavolo.ImgCarta_Click(4);
    ASSERT_TRUE(b.SoloOrologioFino([&] { return b.Armato(b.t().Prendicarte); }));
    const Chi vincitore = b.s().TurnoDiGioco;
    const int h = b.s().NumeroCartaGiocataDaH;
    const int pc = b.s().NumeroCartaGiocataDaPC;
    int ticks = 0;
    std::vector<int> tops;
    while (b.Armato(b.t().Prendicarte)) {
        ASSERT_LT(ticks, 100);
        b.orologio.EseguiProssimo();
        ++ticks;
        tops.push_back(b.v().Slot[h].immagine.top);
    }
    EXPECT_EQ(ticks, 6);
    EXPECT_EQ(tops[4], vincitore == Chi::H ? 3330 + 5 * 495 : 3330 - 5 * 495);
    EXPECT_EQ(b.orologio.Intervallo(b.t().Prendicarte), 30) << "copies the animation tick";
    // Back at their hand places, hidden, and the draw armed.
    EXPECT_EQ(b.v().Slot[h].immagine, PosizioneDiManoDelloSlot(h));
    EXPECT_EQ(b.v().Slot[pc].immagine, PosizioneDiManoDelloSlot(pc));
    EXPECT_FALSE(b.v().Slot[h].visibile);
    EXPECT_TRUE(b.Armato(b.t().Pesca));
}

}  // namespace
}  // namespace mrvelto::test
