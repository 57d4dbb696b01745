// SPDX-License-Identifier: GPL-3.0-or-later
// End of game and match: the 60-point rule, the last trick, the match target,
// the ceremony seam, the end-of-game frame, the records seam and the leader's alternation.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "BancoDiProva.h"

namespace mrvelto::test {
namespace {

class CerimoniaFinta : public MusicaECerimonia {
public:
    std::vector<Chi> cerimonie;
    std::function<void()> alTermine;
    bool Cerimonia(Chi vincitore, std::function<void()> fine) override {
        cerimonie.push_back(vincitore);
        alTermine = std::move(fine);
        return true;
    }
};

// Speaks the final comment when the table says it is time, holding the sounds while `parla`.
class SuoniFinti {
public:
    explicit SuoniFinti(Tavolo& tavolo)
        : ascolto_(tavolo.Eventi().Iscrivi([this, &tavolo](const Evento& e) {
              if (!std::holds_alternative<evento::CommentoFinale>(e)) return;
              ++commentiFinali;
              if (parla) tavolo.ImpostaInterdiciSuoni(true);
          })) {}
    int commentiFinali = 0;
    bool parla = false;

private:
    CanaleEventi::Iscrizione ascolto_;
};

class RecordFinti : public RecordPartite {
public:
    std::vector<EsitoPartita> esiti;
    int salvataggi = 0;
    void AggiornaClassifica(const EsitoPartita& e) override { esiti.push_back(e); }
    void SalvaRecord() override { ++salvataggi; }
    int TotalePartite() const override { return static_cast<int>(esiti.size()); }
};

TEST(FineGioco, SixtyPointRuleEndsTheGameAtTheTakeThatPassesSixty) {
    int anticipati = 0;
    for (std::uint64_t seme = 1; seme <= 30; ++seme) {
        Banco b(seme);
        b.tavolo.Avvia();
        ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == 1; }));
        const EsitoGioco& e = b.tavolo.GiocoCorrente();
        if (e.prese == 20) continue;  // nobody passed 60 before the end
        ++anticipati;
        ASSERT_TRUE(e.PuntiH > 60 || e.PuntiPC > 60);
        // Before the last take both were at 60 or below: the cells of the previous trick.
        const int b0 = 6 * (e.prese - 1);
        if (e.prese > 1) {
            EXPECT_LE(std::stoi(b.tavolo.Dati()[b0 + 11].testo), 60);
            EXPECT_LE(std::stoi(b.tavolo.Dati()[b0 + 12].testo), 60);
        }
        EXPECT_EQ(e.Vincitore, e.PuntiH > 60 ? Chi::H : Chi::PC);
        EXPECT_FALSE(b.s().GiocoInCorso);
        // Cards are still in the hands: they are not played.
        int inMano = 0;
        for (int k = 1; k <= 6; ++k) inMano += !b.s().Carta[k].Vuota();
        EXPECT_GT(inMano, 0);
        // Nothing else runs but the final comment's timer; the frame is shown.
        EXPECT_TRUE(b.v().FineGioco.visibile);
        EXPECT_EQ(b.v().FineGioco.posizione, (Punto{3420, 3030}));
        EXPECT_TRUE(b.Armato(b.t().CommentiFinali));
        EXPECT_FALSE(b.Armato(b.t().Pesca));
        EXPECT_FALSE(b.Armato(b.t().AttesaDelPCaMuovere));
        EXPECT_EQ(b.s().Vincitore, Chi::Nessuno) << "reset by MostraFineGioco";
    }
    EXPECT_GT(anticipati, 20);
}

TEST(FineGioco, UntilTheLastTrickAlwaysPlays20TricksAndKeepsTheFirstWinner) {
    int passatiPrima = 0;
    for (std::uint64_t seme = 1; seme <= 30; ++seme) {
        Banco b(seme, ConOpzioni({{OpzConclusioneGioco, "Fino all'ultima presa"}}));
        b.tavolo.Avvia();
        Chi primo = Chi::Nessuno;
        int mancheDelPrimo = 0;
        while (b.tavolo.GiochiConclusi() == 0) {
            ASSERT_LT(b.orologio.PassiEseguiti(), 100000u);
            ASSERT_TRUE(b.conduttore.Passo());
            if (primo == Chi::Nessuno && b.s().Vincitore != Chi::Nessuno) {
                primo = b.s().Vincitore;
                mancheDelPrimo = b.s().Manche;
            }
            if (primo != Chi::Nessuno && b.tavolo.GiochiConclusi() == 0) {
                ASSERT_EQ(b.s().Vincitore, primo);
            }
        }
        const EsitoGioco& e = b.tavolo.GiocoCorrente();
        EXPECT_EQ(e.prese, 20);
        EXPECT_EQ(e.NumeroCarteRimaste, -6);
        EXPECT_EQ(e.PuntiH + e.PuntiPC, 120);
        EXPECT_EQ(e.Vincitore, e.PuntiH > 60 ? Chi::H : e.PuntiPC > 60 ? Chi::PC : Chi::Nessuno);
        // Passed 60 before the last take: the first winner is kept to the end. (A pass at the last
        // take is seen only in the game's result: MostraFineGioco resets Vincitore in that step.)
        if (primo != Chi::Nessuno) {
            EXPECT_EQ(e.Vincitore, primo);
            if (mancheDelPrimo <= 20) ++passatiPrima;
        }
    }
    EXPECT_GT(passatiPrima, 10) << "games in which a side passed 60 before the last trick";
}

TEST(FineGioco, CeremonyAtTheEndOfTheMatchOnly) {
    CerimoniaFinta cerimonia;
    Banco b(9, ConOpzioni({{OpzCerimonia, "Al termine della Partita"}, {OpzConclusionePartita, "Al meglio di 3 Giochi"}}));
    b.tavolo.ImpostaMusica(&cerimonia);
    b.tavolo.Avvia();
    for (int giochi = 0;; ++giochi) {
        ASSERT_LT(giochi, 20) << "the match never ended";
        const auto g = b.tavolo.GiochiConclusi();
        ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == g + 1; }));
        if (b.s().PartitaInCorso) {
            EXPECT_TRUE(cerimonia.cerimonie.empty());
            EXPECT_TRUE(b.v().FineGioco.visibile);
            continue;
        }
        ASSERT_EQ(cerimonia.cerimonie.size(), 1u);
        EXPECT_FALSE(b.v().FineGioco.visibile);
        cerimonia.alTermine();
        EXPECT_TRUE(b.v().FineGioco.visibile);
        int continuati = 0;
        auto ascolto = b.tavolo.Eventi().Iscrivi([&](const Evento& e) {
            continuati += std::holds_alternative<evento::ContinuaDopoFineGioco>(e);
        });
        b.orologio.Avanza(900);
        b.tavolo.TastoInvio();
        EXPECT_EQ(continuati, 1) << "the anthem's player hears the player go on";
        return;
    }
}

// The match target itself is a rule (RegoleTest); here the won-game dots and the closing message.
TEST(FineGioco, BestOfThreeEndsAtThreeWonGames) {
    Banco b(10, ConOpzioni({{OpzConclusionePartita, "Al meglio di 3 Giochi"}}));
    EXPECT_EQ(b.v().NumeroColonnePallini, 3);
    b.tavolo.Avvia();
    for (int giochi = 0; b.tavolo.PartiteConcluse() == 0; ++giochi) {
        ASSERT_LT(giochi, 20) << "the match never ended";
        const auto g = b.tavolo.GiochiConclusi();
        ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == g + 1; }));
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(b.v().PallinoH[i], i <= b.s().PartiteH);
            EXPECT_EQ(b.v().PallinoPC[i], i <= b.s().PartitePC);
        }
    }
    EXPECT_EQ(std::max(b.s().PartiteH, b.s().PartitePC), 3);
    EXPECT_EQ(b.v().FineGioco.messaggio1,
              "Se vuoi iniziare subito una nuova Partita premi il tasto INVIO, altrimenti clicca su una delle seguenti opzioni:");
}

TEST(FineGioco, TheLeaderAlternatesAcrossGamesAndMatches) {
    RecordFinti record;
    Banco b(14, ConOpzioni({{OpzConclusionePartita, "Al meglio di 3 Giochi"}}));
    b.tavolo.ImpostaRecord(&record);
    b.tavolo.Avvia();
    std::vector<Chi> capi;
    std::vector<std::string> intestazioni;
    while (b.tavolo.PartiteConcluse() < 3) {
        ASSERT_LT(capi.size(), 60u) << "three matches never ended";
        capi.push_back(b.s().GiocoIniziatoDa);
        intestazioni.push_back(b.tavolo.Dati().Intestazione1);
        const auto g = b.tavolo.GiochiConclusi();
        ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == g + 1; }));
        if (b.tavolo.PartiteConcluse() < 3) {
            ASSERT_TRUE(b.Fino([&] { return !b.v().FineGioco.visibile; }));
        }
    }
    ASSERT_GE(capi.size(), 9u);
    for (std::size_t i = 0; i < capi.size(); ++i) EXPECT_EQ(capi[i], i % 2 == 0 ? Chi::H : Chi::PC) << "game " << i + 1;
    EXPECT_EQ(intestazioni[0], "Partita n. 1 - Gioco n. 1");
    EXPECT_EQ(intestazioni[1], "Partita n. 1 - Gioco n. 2");
    // The records: one update and one save per match, with the match's result.
    ASSERT_EQ(record.esiti.size(), 3u);
    EXPECT_EQ(record.salvataggi, 3);
    const EsitoPartita& e = record.esiti[0];
    EXPECT_EQ(std::max(e.PartiteH, e.PartitePC), 3);
    EXPECT_EQ(e.vincitore, e.PartiteH == 3 ? Chi::H : Chi::PC);
    EXPECT_EQ(e.NomeVincitorePartita, e.vincitore == Chi::H ? "Prova" : "Mr. VELTO");
    EXPECT_EQ(e.nomeH, "Prova");
    EXPECT_EQ(e.livello, "Massima (Livello A)");
    EXPECT_EQ(e.letteraLivello, 'A');
    bool secondaPartita = false;
    for (const auto& t : intestazioni) secondaPartita = secondaPartita || t == "Partita n. 2 - Gioco n. 1";
    EXPECT_TRUE(secondaPartita);
}

TEST(FineGioco, FrameMessagesCommentAndContinue) {
    Banco b(15);
    SuoniFinti suoni(b.tavolo);
    b.tavolo.Avvia();
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() == 1; }));
    ASSERT_TRUE(b.s().PartitaInCorso);
    EXPECT_EQ(b.v().FineGioco.messaggio1,
              "Se vuoi continuare subito la Partita con un nuovo Gioco premi il tasto INVIO, altrimenti clicca su una delle seguenti opzioni:");
    EXPECT_EQ(b.v().FineGioco.messaggio2,
              "Ricordati che prima di continuare la Partita puoi ora modificare, se vuoi, anche l'opzione di 'Conclusione del Gioco' nell'apposito 'Pannello Opzioni'.");
    EXPECT_TRUE(b.v().FineGioco.cmdContinuaOIniziaPartita.abilitata);
    // Every filled data cell is now shown, the computer's cards included.
    for (int i = 0; i < PannelloDati::kCelle; ++i)
        if (!b.tavolo.Dati()[i].testo.empty()) {
            EXPECT_TRUE(b.tavolo.Dati()[i].visibile) << i;
        }
    // Both scores are shown whatever the option says.
    EXPECT_TRUE(b.v().PuntiH.visibile && b.v().PuntiPC.visibile);
    // The final comment comes 900 ms later and, while it speaks, Enter is refused.
    suoni.parla = true;
    const Millisecondi t0 = b.orologio.Adesso();
    b.SoloOrologioFino([&] { return !b.Armato(b.t().CommentiFinali); });
    EXPECT_EQ(b.orologio.Adesso(), t0 + 900);
    EXPECT_EQ(suoni.commentiFinali, 1);
    b.tavolo.TastoInvio();
    EXPECT_TRUE(b.v().FineGioco.visibile) << "continued while a comment was playing";
    b.tavolo.ImpostaInterdiciSuoni(false);
    b.tavolo.TastoInvio();
    EXPECT_FALSE(b.v().FineGioco.visibile);
    EXPECT_FALSE(b.v().FineGioco.cmdContinuaOIniziaPartita.abilitata);
    EXPECT_EQ(b.s().NumeroGioco, 2);
    EXPECT_EQ(b.s().GiocoIniziatoDa, Chi::PC);
    EXPECT_EQ(b.s().AChiTocca, Chi::PC);
    EXPECT_EQ(b.s().TurnoDiGioco, Chi::PC);
    EXPECT_EQ(b.s().PuntiH, 0);
    EXPECT_EQ(b.s().NumeroCarteRimaste, 34);
    EXPECT_TRUE(b.Armato(b.t().DistribuisciCarte));
    for (int k = 1; k <= 8; ++k) EXPECT_FALSE(b.v().Slot[k].visibile);
    for (int i = 2; i < PannelloDati::kCelle; ++i) EXPECT_TRUE(b.tavolo.Dati()[i].testo.empty()) << i;
    EXPECT_FALSE(b.v().CarteRimaste.visibile);
    EXPECT_EQ(b.tavolo.Dati().Intestazione1, "Partita n. 1 - Gioco n. 2");
    // A "Taciturno" computer says nothing at the end.
    Banco c(15, ConOpzioni({{OpzLoquacita, "Taciturno"}}));
    SuoniFinti muti(c.tavolo);
    c.tavolo.Avvia();
    ASSERT_TRUE(c.Fino([&] { return c.tavolo.GiochiConclusi() == 1; }));
    c.SoloOrologioFino([&] { return !c.Armato(c.t().CommentiFinali); });
    EXPECT_EQ(muti.commentiFinali, 0);
}

// An end of game that never completes fails in a moment, never hangs the driver: a ceremony that
// never hands back while its anthem keeps the clock stepping runs into the default budget
// (200 000 steps per game still to play, nine games' worth for a match); a final comment that
// holds the sounds for ever, with nothing left to fire, is a stuck flow at once.
TEST(FineGioco, AnEndOfGameThatNeverCompletesFailsFast) {
    CerimoniaFinta cerimonia;
    Banco b(9, ConOpzioni({{OpzCerimonia, "Al termine di ogni Gioco"}}));
    b.tavolo.ImpostaMusica(&cerimonia);
    const auto inno = b.orologio.AggiungiTimer("InnoSenzaFine", [] {}, 100);
    b.orologio.Abilita(inno, true);
    b.tavolo.Avvia();
    ASSERT_TRUE(b.conduttore.FinoAGiochi(1));
    ASSERT_EQ(cerimonia.cerimonie.size(), 1u) << "the first game must have a winner";
    for (const bool partita : {false, true}) {
        SCOPED_TRACE(partita ? "FinoAPartite" : "FinoAGiochi");
        const std::uint64_t prima = b.orologio.PassiEseguiti();
        EXPECT_FALSE(partita ? b.conduttore.FinoAPartite(1) : b.conduttore.FinoAGiochi(2));
        EXPECT_TRUE(b.conduttore.LimiteRaggiunto());
        EXPECT_EQ(b.orologio.PassiEseguiti() - prima, (partita ? 9 : 1) * Conduttore::kPassiPerGioco);
        EXPECT_EQ(b.tavolo.GiochiConclusi(), 1u);
    }

    Banco c(15);
    SuoniFinti suoni(c.tavolo);
    suoni.parla = true;
    c.tavolo.Avvia();
    ASSERT_TRUE(c.conduttore.FinoAGiochi(1));
    const std::uint64_t prima = c.orologio.PassiEseguiti();
    EXPECT_FALSE(c.conduttore.FinoAGiochi(2));
    EXPECT_FALSE(c.conduttore.LimiteRaggiunto());
    EXPECT_TRUE(c.s().InterdiciSuoni);
    EXPECT_LT(c.orologio.PassiEseguiti() - prima, 10u);
}

TEST(FineGioco, ScoreDisplayOptionAndLevelName) {
    Banco b(16, ConOpzioni({{OpzPunteggio, "Solo Mr. Velto"}, {OpzAbilita, "Minima (Livello E)"}}));
    b.tavolo.Avvia();
    EXPECT_FALSE(b.v().PuntiH.visibile);
    EXPECT_FALSE(b.v().PuntiHScritta.visibile);
    EXPECT_TRUE(b.v().PuntiPC.visibile);
    EXPECT_EQ(b.v().NomePC.testo, "Mr. VELTO E");
    EXPECT_EQ(b.tavolo.Dati()[0].testo, "Mr. VELTO E");
    EXPECT_EQ(b.tavolo.Dati()[1].testo, "Prova");
    EXPECT_EQ(b.tavolo.Dati().Intestazione2, "1/1/00 - 0:00");
}

}  // namespace
}  // namespace mrvelto::test
