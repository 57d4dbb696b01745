// SPDX-License-Identifier: GPL-3.0-or-later
// The rules on a bare game state, without a table: the take and its 60-point boundary, the draw
// order, a game scored into the match, the ceremony and a new game.
#include <gtest/gtest.h>

#include "cards/Caso.h"
#include "game/RegoleDistribuzione.h"
#include "game/RegoleFineGioco.h"
#include "game/RegoleMossa.h"
#include "game/RegolePresa.h"

namespace mrvelto::test {
namespace {

// The computer led the ace of "d" from slot 2, the human trumped it from slot 5 (briscola "c").
StatoGioco TrickSulTavolo(int puntiH) {
    StatoGioco s;
    s.Metti(kSlotBriscola, "5c");
    s.Metti(2, "Ad");
    s.Metti(5, "2c");
    s.TurnoDiGioco = Chi::PC;
    s.NumeroCarteRimaste = 10;
    s.NumeroCartaAnalizzata = 2;
    s.Manche = 7;
    s.PuntiH = puntiH;
    GiocaCarta(s, Chi::PC, 2);
    GiocaCarta(s, Chi::H, 5);
    return s;
}

TEST(Regole, ATakeScoresLeadsKeepsTheCardsAndPassingSixtyDecides) {
    StatoGioco s = TrickSulTavolo(49);
    const Presa presa = EffettuaPresa(s);
    EXPECT_EQ(presa.vincitore, Chi::H);
    EXPECT_EQ(presa.punti, 11);
    EXPECT_EQ(presa.manche, 7);
    EXPECT_EQ(s.PuntiH, 60);
    EXPECT_TRUE(s.TurnoDiGioco == Chi::H && s.AChiTocca == Chi::H);
    EXPECT_EQ(s.PreseDaH.Conta(), 2);
    EXPECT_TRUE(s.InTavola().Vuoto());
    EXPECT_EQ(s.Manche, 8);
    EXPECT_EQ(s.NumeroCartaAnalizzata, 1) << "the draw starts at its first firing";
    EXPECT_EQ(s.Vincitore, Chi::Nessuno) << "60 is not above 60";
    Opzioni o;
    EXPECT_FALSE(PresaConcludeGioco(s, o));

    s = TrickSulTavolo(50);
    EffettuaPresa(s);
    EXPECT_EQ(s.Vincitore, Chi::H);
    EXPECT_TRUE(PresaConcludeGioco(s, o));
    o.ConclusioneGioco = opz::ConclusioneGioco::UltimaPresa;
    EXPECT_FALSE(PresaConcludeGioco(s, o));
}

TEST(Regole, TheWinnerDrawsFirstAndTakesTheCoveredCardAtTheLastDraw) {
    // The computer took: it draws first into slot 2, the human second into slot 5.
    CasoConSeme caso(3, [] { return OraMinSec{}; });
    StatoGioco s;
    MescolaCarte(s, caso);
    s.NumeroCarteRimaste = 10;
    s.TurnoDiGioco = Chi::PC;
    s.NumeroCartaGiocataDaPC = 2;
    s.NumeroCartaGiocataDaH = 5;
    Pescata p = Pesca(s, caso);
    EXPECT_EQ(p.slot, 2);
    EXPECT_FALSE(p.seconda);
    EXPECT_EQ(p.posizione, s.Carta[2].Posizione());
    p = Pesca(s, caso);
    EXPECT_EQ(p.slot, 5);
    EXPECT_TRUE(p.seconda);
    EXPECT_EQ(s.NumeroCarteRimaste, 8);
    EXPECT_EQ(s.Estratte.Conta(), 2);

    // The last draw: the winner (now the human) gets the covered card, the loser the briscola.
    s.Metti(kSlotMazzo, "Rb");
    s.Metti(kSlotBriscola, "4s");
    s.NumeroCarteRimaste = 2;
    s.TurnoDiGioco = Chi::H;
    EXPECT_EQ(PescaUltimeDue(s).da, kSlotMazzo);
    EXPECT_TRUE(PescaUltimeDue(s).seconda);
    EXPECT_EQ(s.Carta[5].Codice(), "Rb");
    EXPECT_EQ(s.Carta[2].Codice(), "4s");
    EXPECT_EQ(s.NumeroCarteRimaste, 0);
}

TEST(Regole, AGameIntoTheMatchTheCeremonyAndTheNextGame) {
    Opzioni o;
    o.ConclusionePartita = opz::ConclusionePartita::AlMeglioDi3;
    o.Cerimonia = opz::Cerimonia::OgniGioco;
    StatoGioco s;
    s.GiocoInCorso = s.PartitaInCorso = true;
    s.PartiteH = 2;
    s.UltimoVincitore = Chi::H;
    // 60 to 60: nobody's game, no ceremony even at every game.
    EXPECT_EQ(SegnaGiocoNellaPartita(s, o), Chi::Nessuno);
    EXPECT_FALSE(s.GiocoInCorso);
    EXPECT_EQ(s.PartiteH + s.PartitePC, 2);
    EXPECT_EQ(s.UltimoVincitore, Chi::Nessuno);
    EXPECT_FALSE(CerimoniaDovuta(s, o));
    // The second won game of the computer does not end a match of 3; the human's third does.
    s.PartitePC = 1;
    s.Vincitore = Chi::PC;
    EXPECT_EQ(SegnaGiocoNellaPartita(s, o), Chi::PC);
    EXPECT_TRUE(s.PartitaInCorso);
    o.Cerimonia = opz::Cerimonia::FinePartita;
    EXPECT_FALSE(CerimoniaDovuta(s, o));
    s.Vincitore = Chi::H;
    SegnaGiocoNellaPartita(s, o);
    EXPECT_EQ(s.PartiteH, 3);
    EXPECT_FALSE(s.PartitaInCorso);
    EXPECT_TRUE(CerimoniaDovuta(s, o));

    // The next game starts a new match with the other leader, its counts and peek flag cleared.
    s.GiocoIniziatoDa = Chi::H;
    s.Sbirciata = true;
    CasoConSeme caso(5, [] { return OraMinSec{}; });
    ImpostaNuovoGioco(s, false, caso);
    EXPECT_EQ(s.PartiteH + s.PartitePC, 0);
    EXPECT_FALSE(s.Sbirciata);
    EXPECT_EQ(s.NumeroGioco, 1);
    EXPECT_TRUE(s.GiocoIniziatoDa == Chi::PC && s.TurnoDiGioco == Chi::PC);
    EXPECT_EQ(s.Vincitore, Chi::Nessuno);
    EXPECT_EQ(s.NumeroCarteRimaste, 34);
    // Within a match the game number moves on.
    s.PartitaInCorso = true;
    ImpostaNuovoGioco(s, false, caso);
    EXPECT_EQ(s.NumeroGioco, 2);
    EXPECT_EQ(s.GiocoIniziatoDa, Chi::H);
}

}  // namespace
}  // namespace mrvelto::test
