// SPDX-License-Identifier: GPL-3.0-or-later
// The moves: every refused click, the thinking time by option, the card movement.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "BancoDiProva.h"
#include "game/Procedure.h"

namespace mrvelto::test {
namespace {

// What an accepted click would change.
struct Impronta {
    int giocataH, rimaste, mancheo;
    bool puoi;
    Chi tocca;
    std::vector<Punto> posti;
    std::vector<bool> visibili;
    bool animH, presa, attesa;
    bool operator==(const Impronta&) const = default;
};

Impronta Prendi(Banco& b) {
    Impronta i{b.s().NumeroCartaGiocataDaH, b.s().NumeroCarteRimaste, b.s().Manche, b.s().PuoiGiocare, b.s().AChiTocca,
               {}, {}, b.Armato(b.t().AnimazionecarteH), b.Armato(b.t().EffettuaLaPresa), b.Armato(b.t().AttesaDelPCaMuovere)};
    for (int k = 1; k <= 8; ++k) {
        i.posti.push_back(b.v().Slot[k].immagine);
        i.visibili.push_back(b.v().Slot[k].visibile);
    }
    return i;
}

void AttendiRifiuto(Banco& b, int indice, const char* perche) {
    const Impronta prima = Prendi(b);
    EXPECT_FALSE(b.tavolo.ClickAccettato(indice)) << perche;
    b.tavolo.ImgCarta_Click(indice);
    EXPECT_TRUE(Prendi(b) == prima) << perche << ": click on " << indice << " changed the state";
}

// The side panel's list of played cards reads the deck's marks: exactly the cards played in this
// game, whoever played them, and none after a new game.
TEST(CarteGiocate, ThePlayedCardsOfTheGameAndNoOthers) {
    Banco b(21);
    b.Distribuisci();
    auto giocate = [&] {
        std::vector<int> g;
        for (int n = 1; n <= 40; ++n)
            if (CartaGiocataNelGioco(b.s(), n)) g.push_back(n);
        return g;
    };
    EXPECT_TRUE(giocate().empty());
    std::vector<int> attese;
    auto ascolto = b.tavolo.Eventi().Iscrivi([&](const Evento& e) {
        if (const auto* g = std::get_if<evento::CartaGiocata>(&e)) attese.push_back(b.s().Carta[g->slot].Posizione());
    });
    ASSERT_TRUE(b.Fino([&] { return b.s().Manche == 4; }));
    std::sort(attese.begin(), attese.end());
    EXPECT_EQ(attese.size(), 6u);
    EXPECT_EQ(giocate(), attese);
    ASSERT_TRUE(b.Fino([&] { return b.s().NumeroGioco == 2 && b.s().Manche == 1 && b.s().GiocoInCorso; }));
    EXPECT_LE(giocate().size(), 1u);  // at most the first card of the new game
}

TEST(ClickRifiutato, ComputerCardsBriscolaStockAndWhileAFrameIsShown) {
    Banco b;
    b.Distribuisci();
    for (int k : {1, 2, 3}) AttendiRifiuto(b, k, "computer's card");
    AttendiRifiuto(b, 7, "briscola");
    AttendiRifiuto(b, 8, "stock");
    AttendiRifiuto(b, 0, "no slot");
    AttendiRifiuto(b, 9, "no slot");
    b.tavolo.ImpostaDomandaUscita(true);
    for (int k : {4, 5, 6}) AttendiRifiuto(b, k, "exit frame shown");
    b.tavolo.ImpostaDomandaUscita(false);
    // The same moment accepts a hand card: the refusals above were not a dead table.
    EXPECT_TRUE(b.tavolo.ClickAccettato(5));
    b.tavolo.ImgCarta_Click(5);
    EXPECT_EQ(b.s().NumeroCartaGiocataDaH, 5);
    EXPECT_FALSE(b.s().PuoiGiocare);
    EXPECT_FALSE(b.v().IstruzioneIniziale.visibile);
    // A second click after the move is refused (PuoiGiocare "No").
    AttendiRifiuto(b, 4, "after the human's move");
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == 1; }));
    ASSERT_TRUE(b.v().FineGioco.visibile);
    for (int k : {4, 5, 6}) AttendiRifiuto(b, k, "end-of-game frame");
}

TEST(ClickRifiutato, DuringTheDealAndBeforeTheComputerLeads) {
    Banco b;
    b.tavolo.Avvia();
    b.orologio.EseguiProssimo();
    b.orologio.EseguiProssimo();
    AttendiRifiuto(b, 4, "during the deal");
    // Second game: the computer leads; until it has played, it is not the human's turn.
    b.SoloOrologioFino([&] { return !b.Armato(b.t().DistribuisciCarte); });
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == 1; }));
    ASSERT_TRUE(b.Fino([&] { return b.s().GiocoInCorso && b.Armato(b.t().AttesaDelPCaMuovere); }));
    ASSERT_EQ(b.s().AChiTocca, Chi::PC);
    for (int k : {4, 5, 6}) AttendiRifiuto(b, k, "not the human's turn");
}

TEST(ClickRifiutato, WhileTheComputersCardIsMoving) {
    Banco b(2, ConOpzioni({{OpzAnimazione, "Lenta"}}));
    b.tavolo.Avvia();
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == 1; }));
    // Game 2: the computer leads and its card moves for 6 ticks.
    ASSERT_TRUE(b.Fino([&] { return b.Armato(b.t().AnimazionecartePC); }));
    ASSERT_EQ(b.s().AChiTocca, Chi::H);
    ASSERT_TRUE(b.s().PuoiGiocare);
    for (int k : {4, 5, 6}) AttendiRifiuto(b, k, "computer's card moving");
    b.SoloOrologioFino([&] { return !b.Armato(b.t().AnimazionecartePC); });
    EXPECT_TRUE(b.tavolo.ClickAccettato(4));
}

TEST(ClickRifiutato, InTheLastTrickTheHumansCardIsPlayedAutomatically) {
    // Find a game in which the human leads the last trick.
    for (std::uint64_t seme = 1; seme < 60; ++seme) {
        Banco b(seme, ConOpzioni({{OpzConclusioneGioco, "Fino all'ultima presa"}}));
        b.tavolo.Avvia();
        ASSERT_TRUE(b.Fino([&] { return b.s().NumeroCarteRimaste == -4 || b.tavolo.GiochiConclusi() == 1; }));
        ASSERT_TRUE(b.Fino([&] { return b.s().Manche == 20; }));
        if (b.s().TurnoDiGioco != Chi::H) continue;
        ASSERT_TRUE(b.Armato(b.t().UltimacartaH));
        ASSERT_TRUE(b.s().PuoiGiocare);
        int rimasta = 0;
        for (int k = 4; k <= 6; ++k)
            if (b.v().Slot[k].visibile) rimasta = k;
        ASSERT_NE(rimasta, 0);
        AttendiRifiuto(b, rimasta, "last trick");
        const Millisecondi t0 = b.orologio.Adesso();
        // (NumeroCartaGiocataDaH still names the slot played in the previous trick: the played
        // slots are emptied only by a draw.)
        b.SoloOrologioFino([&] { return b.s().NumeroCarteRimaste == -5; });
        EXPECT_EQ(b.orologio.Adesso() - t0, 550);
        EXPECT_EQ(b.s().NumeroCartaGiocataDaH, rimasta);
        EXPECT_EQ(b.s().NumeroCarteRimaste, -5);
        return;
    }
    FAIL() << "no game with the human leading the last trick";
}

// The delays from each arming of `timer` to the next change of `segno` to a value other than 0,
// over the first `giochi` games: the computer's move (the card it played) or the take (the trick).
std::vector<Millisecondi> Attese(Banco& b, std::uint64_t giochi, OrologioVirtuale::Id timer, const std::function<int()>& segno) {
    std::vector<Millisecondi> attese;
    bool armato = false;
    Millisecondi t0 = 0;
    b.tavolo.Avvia();
    for (int guardia = 0, prima = segno(); b.tavolo.GiochiConclusi() < giochi && guardia < 100000; ++guardia) {
        if (!b.conduttore.Passo()) break;
        const bool ora = b.Armato(timer);
        if (ora && !armato) t0 = b.orologio.Adesso();
        armato = ora;
        if (segno() != prima && segno() != 0) attese.push_back(b.orologio.Adesso() - t0);
        prima = segno();
    }
    return attese;
}
std::vector<Millisecondi> AttesePC(Banco& b, int giochi) {
    return Attese(b, static_cast<std::uint64_t>(giochi), b.t().AttesaDelPCaMuovere, [&] { return b.s().NumeroCartaGiocataDaPC; });
}
std::vector<Millisecondi> AttesePresa(Banco& b) { return Attese(b, 1, b.t().EffettuaLaPresa, [&] { return b.s().Manche; }); }

TEST(Intervalli, ResponseSpeedTimesTheComputersMove) {
    const std::pair<const char*, int> velocita[] = {
        {"Molto Lenta", 1500}, {"Lenta", 1250}, {"Media", 1000}, {"Veloce", 750}, {"Molto Veloce", 500}};
    for (auto [testo, ms] : velocita) {
        Banco b(11, ConOpzioni({{OpzVelocitaRisposta, testo}}));
        EXPECT_EQ(b.orologio.Intervallo(b.t().AttesaDelPCaMuovere), ms) << testo;
        auto attese = AttesePC(b, 2);
        ASSERT_GT(attese.size(), 20u) << testo;
        for (Millisecondi a : attese) EXPECT_EQ(a, ms) << testo;
    }
}

TEST(Intervalli, ThePlayersAdjustmentTimesTheNextMoveWithin150) {
    Banco b(12, ConOpzioni({{OpzVelocitaRisposta, "Molto Lenta"}}));
    b.pc.variazione = 150;
    auto attese = AttesePC(b, 2);
    ASSERT_GT(attese.size(), 20u);
    EXPECT_EQ(attese.front(), 1500);  // set by the option before any adjustment
    for (std::size_t i = 1; i < attese.size(); ++i) EXPECT_EQ(attese[i], 1650);
    // Level A never asks for the playing level.
    EXPECT_EQ(b.pc.chiamateLivello, 0);
}

TEST(Intervalli, PlayingLevelIsAskedOnlyBelowLevelAWhileTheStockLasts) {
    Banco b(13, ConOpzioni({{OpzAbilita, "Alta (Livello B)"}, {OpzConclusioneGioco, "Fino all'ultima presa"}}));
    b.tavolo.Avvia();
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == 1; }));
    EXPECT_EQ(b.pc.chiamateLivello, 17);  // one computer move in each trick with the stock not empty
    EXPECT_EQ(b.v().NomePC.testo, "Mr. VELTO B");
}

TEST(Intervalli, TakeSpeedByOption) {
    const std::pair<const char*, int> velocita[] = {
        {"Molto Veloce", 750}, {"Veloce", 1150}, {"Media", 1550}, {"Lenta", 1950}, {"Molto Lenta", 2350}};
    for (auto [testo, ms] : velocita) {
        Banco b(21, ConOpzioni({{OpzPresaAutomatica, testo}}));
        auto attese = AttesePresa(b);
        ASSERT_GE(attese.size(), 5u) << testo;
        for (Millisecondi a : attese) EXPECT_EQ(a, ms) << testo;
        EXPECT_FALSE(b.v().cmdEffettuaLaPresa.visibile);
    }
}

TEST(Intervalli, TakeButtonTakesAfter10msAndASecondClickDoesNothing) {
    Banco b(22, ConOpzioni({{OpzPresaAutomatica, "No"}}));
    b.Distribuisci();
    b.tavolo.ImgCarta_Click(4);
    // The computer answers; then the take waits for the button.
    ASSERT_TRUE(b.SoloOrologioFino([&] { return b.v().cmdEffettuaLaPresa.visibile; }));
    EXPECT_FALSE(b.Armato(b.t().EffettuaLaPresa));
    EXPECT_FALSE(b.orologio.EseguiProssimo()) << "nothing happens until the button is clicked";
    const Millisecondi t0 = b.orologio.Adesso();
    b.tavolo.cmdEffettuaLaPresa_Click();
    EXPECT_FALSE(b.v().cmdEffettuaLaPresa.visibile);
    EXPECT_TRUE(b.Armato(b.t().EffettuaLaPresa));
    ASSERT_EQ(b.orologio.ProssimaScadenza(), t0 + 10);
    b.orologio.Avanza(5);
    b.tavolo.cmdEffettuaLaPresa_Click();
    EXPECT_EQ(b.orologio.ProssimaScadenza(), t0 + 10) << "a second click restarted the take";
    b.orologio.EseguiProssimo();
    EXPECT_EQ(b.s().Manche, 2);
    EXPECT_EQ(b.orologio.Adesso(), t0 + 10);
}

struct Tick {
    Millisecondi t;
    Punto immagine, cornice;
};

// Every step of a card's movement in `slot` while `timer` stays armed.
std::vector<Tick> Movimento(Banco& b, OrologioVirtuale::Id timer, int slot) {
    std::vector<Tick> ticks;
    while (b.Armato(timer) && ticks.size() < 100) {
        b.orologio.EseguiProssimo();
        ticks.push_back({b.orologio.Adesso(), b.v().Slot[slot].immagine, b.v().Slot[slot].cornice});
    }
    return ticks;
}

TEST(Animazione, TheHumansCardReachesItsTablePlaceInSixTicks) {
    const std::pair<const char*, int> ritmi[] = {{"Veloce", 30}, {"Media", 45}, {"Lenta", 80}};
    for (auto [testo, ms] : ritmi)
        for (int slot = 4; slot <= 6; ++slot) {
            Banco b(31, ConOpzioni({{OpzAnimazione, testo}}));
            b.Distribuisci();
            const Millisecondi t0 = b.orologio.Adesso();
            const Punto da = b.v().Slot[slot].immagine;
            b.tavolo.ImgCarta_Click(slot);
            ASSERT_TRUE(b.Armato(b.t().AnimazionecarteH));
            const std::vector<Tick> ticks = Movimento(b, b.t().AnimazionecarteH, slot);
            ASSERT_EQ(ticks.size(), 6u) << testo << " slot " << slot;
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(ticks[static_cast<std::size_t>(i)].t, t0 + ms * (i + 1));
                EXPECT_EQ(ticks[static_cast<std::size_t>(i)].immagine.top, da.top - 495 * (i + 1));
            }
            EXPECT_EQ(ticks.back().immagine, (Punto{6300, 3330}));
            EXPECT_EQ(ticks.back().cornice, (Punto{6120, 3150}));
            // The computer is asked for its answer only when the card has arrived.
            EXPECT_EQ(b.s().AChiTocca, Chi::PC);
            EXPECT_TRUE(b.Armato(b.t().ValoreAggiuntivo));
        }
}

TEST(Animazione, TheComputersCardReachesItsTablePlaceInSixTicksAndTurnsFaceUp) {
    for (int caso = 0; caso < 3; ++caso) {
        Banco b(40 + static_cast<std::uint64_t>(caso), ConOpzioni({{OpzAnimazione, "Media"}}));
        b.Distribuisci();
        b.tavolo.ImgCarta_Click(4 + caso);
        ASSERT_TRUE(b.SoloOrologioFino([&] { return b.Armato(b.t().AnimazionecartePC); }));
        const int q = b.s().NumeroCartaGiocataDaPC;
        const Millisecondi t0 = b.orologio.Adesso();
        EXPECT_FALSE(b.v().Slot[q].scoperta) << "covered while it moves";
        const std::vector<Tick> ticks = Movimento(b, b.t().AnimazionecartePC, q);
        ASSERT_EQ(ticks.size(), 6u);
        EXPECT_EQ(ticks.back().t, t0 + 6 * 45);
        EXPECT_EQ(ticks.back().immagine, (Punto{4500, 3330}));
        EXPECT_EQ(ticks.back().cornice, (Punto{4320, 3150}));
        EXPECT_TRUE(b.v().Slot[q].scoperta);
        EXPECT_EQ(b.v().Slot[q].riempimento, colore::Bianco);
        // The computer answered: the take is armed when its card arrives.
        EXPECT_TRUE(b.Armato(b.t().EffettuaLaPresa));
    }
}

TEST(Animazione, WithoutAnimationCardsArePlacedAtOnce) {
    Banco b(50);
    b.Distribuisci();
    b.tavolo.ImgCarta_Click(6);
    EXPECT_EQ(b.v().Slot[6].immagine, (Punto{6300, 3330}));
    EXPECT_EQ(b.v().Slot[6].cornice, (Punto{6120, 3150}));
    ASSERT_TRUE(b.SoloOrologioFino([&] { return b.s().NumeroCartaGiocataDaPC != 0; }));
    const int q = b.s().NumeroCartaGiocataDaPC;
    EXPECT_EQ(b.v().Slot[q].immagine, (Punto{4500, 3330}));
    EXPECT_TRUE(b.v().Slot[q].scoperta);
    // The played cards are registered.
    const CartaDaGioco h = b.s().Carta[6], pc = b.s().Carta[q];
    EXPECT_EQ(b.s().Giocate, InsiemeCarte::Di(h).Con(InsiemeCarte::Di(pc)));
    EXPECT_EQ(b.s().GiocateDaH, InsiemeCarte::Di(h));
    EXPECT_EQ(b.s().InTavola(), b.s().Giocate);
    EXPECT_EQ(b.s().CartaGiocata, (CartaDiChi{pc, Chi::PC}));
}

}  // namespace
}  // namespace mrvelto::test
