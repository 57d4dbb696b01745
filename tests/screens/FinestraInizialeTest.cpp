// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "records/NomeGiocatore.h"
#include "screens/BancoProgramma.h"

namespace mrvelto {
namespace {

using test::BancoProgramma;
using test::CartellaTemporanea;
namespace fs = std::filesystem;

struct Avvio : ::testing::Test {
    CartellaTemporanea casa;
    BancoProgramma banco{casa.percorso, 11, true, "Giocatore", false};
    Programma& p = *banco.programma;
    FinestraIniziale& f = *p.Iniziale();
    void SetUp() override { p.Avvia(); }
};

TEST_F(Avvio, OpensOnTheStartUpWindowWithTheThemeTune) {
    EXPECT_EQ(p.ModoCorrente(), Modo::Avvio);
    EXPECT_TRUE(f.Aperta());
    const std::vector<std::string> attesi = {"File ", "Close", "File " + (casa.percorso / "media" / "Musiche" / "MVeSigla.Mid").string(),
                                             "Open", "Prev", "Play"};
    EXPECT_EQ(banco.sigla->comandi, attesi);
    // The tune starts again every second tick of TimerSigla.
    banco.sigla->comandi.clear();
    p.Orologio().Avanza(40700);
    EXPECT_TRUE(banco.sigla->comandi.empty());
    p.Orologio().Avanza(40700);
    EXPECT_EQ(banco.sigla->comandi, (std::vector<std::string>{"Close", "Open", "Prev", "Play"}));
    EXPECT_EQ(f.Sigla(), 0);
    // The table waits: nothing is dealt while the window is open.
    EXPECT_EQ(p.Tavolo_().Stato().ContatoreDistribuisciCarte, 1);
    EXPECT_FALSE(p.Orologio().Abilitato(p.Tavolo_().Timer().DistribuisciCarte));
}

TEST_F(Avvio, ShortNamesGetTheirMessageAndTheWindowWaits) {
    EXPECT_EQ(f.Inserisci(), kTestoInserisci);
    for (const char* anonimo : {"", " "}) {
        f.ImpostaTesto(anonimo);
        p.TastoInvio();
        EXPECT_EQ(f.Inserisci(), kNienteAnonimi) << "[" << anonimo << "]";
        EXPECT_EQ(f.ColoreInserisci(), colore::Nero);
    }
    for (const char* sigla : {"ab", "  ", "x", "à"}) {
        f.ImpostaTesto(sigla);
        f.cmdOK_Click();
        EXPECT_EQ(f.Inserisci(), kNienteSigle) << sigla;
    }
    EXPECT_TRUE(f.Aperta());
    EXPECT_EQ(p.ModoCorrente(), Modo::Avvio);
    EXPECT_FALSE(std::filesystem::exists(casa.percorso / "Dati" / "MVeNome.txt"));
    // Told to end here (a signal), it ends without writing settings it never read.
    int chiusure = 0;
    p.Chiudi = [&] { ++chiusure; };
    p.EsciSubito();
    EXPECT_EQ(chiusure, 1);
    EXPECT_FALSE(std::filesystem::exists(p.Cornice().PercorsoImpostazioni()));
}

TEST_F(Avvio, AnAcceptedNameGoesToTheTableAndIsOfferedAgain) {
    f.ImpostaTesto("  Maria Rossa  ");
    p.TastoInvio();
    EXPECT_FALSE(f.Aperta());
    EXPECT_EQ(p.ModoCorrente(), Modo::Gioco);
    EXPECT_EQ(p.Tavolo_().Vista().NomeH.testo, "Maria Rossa");
    EXPECT_EQ(p.Tavolo_().Dati()[1].testo, "Maria Rossa");
    EXPECT_EQ(p.SessoGiocatore(), 'F');
    EXPECT_TRUE(p.Orologio().Abilitato(p.Tavolo_().Timer().DistribuisciCarte));
    EXPECT_FALSE(p.Orologio().Abilitato(f.IdInserisci()));
    EXPECT_FALSE(p.Orologio().Abilitato(f.IdSigla()));
    EXPECT_EQ(test::LeggiByte(casa.percorso / "Dati" / "MVeNome.txt"), "\"Maria Rossa\"\r\n");
    BancoProgramma dopo(casa.percorso, 12, true, "Giocatore", false);
    dopo.programma->Avvia();
    EXPECT_EQ(dopo.programma->Iniziale()->Testo(), "Maria Rossa");
}

// A stored name that is junk, too long or not a file is said at the table, as is a name that
// could not be saved; the player plays on.
TEST(AvvioNomeDanneggiato, WhatIsWrongWithTheStoredNameReachesThePlayer) {
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"junk", "Il file MVeNome.txt con il nome dell'ultimo giocatore è danneggiato"},
        {"nul", "Il file MVeNome.txt con il nome dell'ultimo giocatore è danneggiato"},
        {"long", "Il file MVeNome.txt è troppo grande (5000 byte"},
        {"folder", "Al posto del file MVeNome.txt c'è una cartella o un dispositivo."},
    };
    for (const auto& [caso, atteso] : casi) {
        SCOPED_TRACE(caso);
        CartellaTemporanea casa;
        const fs::path file = casa.percorso / "Dati" / "MVeNome.txt";
        if (caso == "junk") test::ScriviByte(file, "q\x9f,,\r\nzz\r\n");
        else if (caso == "nul") test::ScriviByte(file, std::string("\"Ma\0ria\"\r\n", 9) + std::string(3, '\0'));
        else if (caso == "long") test::ScriviByte(file, "\"" + std::string(4997, 'a') + "\"\n");
        else fs::create_directories(file);
        BancoProgramma banco{casa.percorso, 11, true, "Giocatore", false};
        Programma& p = *banco.programma;
        p.Avvia();
        p.Iniziale()->ImpostaTesto("Maria");
        p.TastoInvio();
        ASSERT_EQ(p.ModoCorrente(), Modo::Gioco);
        std::string tutti;
        for (const auto& t : p.Cornice().PrendiAvvisi()) tutti += t + "\n";
        EXPECT_NE(tutti.find(atteso), std::string::npos) << tutti;
        if (caso == "folder") {
            EXPECT_NE(tutti.find("Il nome del giocatore non è stato salvato."), std::string::npos) << tutti;
        } else {
            EXPECT_EQ(test::LeggiByte(file), "\"Maria\"\r\n");
        }
    }
}

TEST_F(Avvio, ThreeBlanksPassTheLengthCheckAndLeaveAnEmptyName) {
    f.ImpostaTesto("   ");
    f.cmdOK_Click();
    EXPECT_TRUE(p.ModoCorrente() == Modo::Gioco && f.NomeConcorrente().empty() && p.SessoGiocatore() == 'M');
}

TEST(SessoDalNome, FinalAAndTheTwoLists) {
    const std::vector<std::pair<const char*, char>> casi = {
        {"Maria", 'F'},       {"GIULIA", 'F'},       {"Mario", 'M'},      {"andrea", 'M'}, {"AnDrEa", 'M'},
        {"Luca", 'M'},        {"gian luca", 'M'},    {"Pier Maria", 'M'}, {"Leonida", 'M'}, {"NEMESIS", 'F'},
        {"Ada Lovelace", 'F'}, {"Andrea Rossa", 'F'}, {"Andrea Rossi", 'M'}, {"Ada", 'F'},   {"Lovelace", 'M'},
        {"Nemesis X", 'M'},   {"x", 'M'}};
    for (const auto& [nome, sesso] : casi) EXPECT_EQ(SessoDalNome(nome), sesso) << nome;
}

TEST_F(Avvio, PromptBlinksThreeTicksOnOneOff) {
    std::string visto;
    for (int i = 0; i < 12; ++i) {
        f.TimerInserisci_Timer();
        visto += f.InserisciVisibile() ? '1' : '0';
        EXPECT_EQ(f.InserisciVisibile(), f.Scritta2Visibile());
    }
    EXPECT_EQ(visto, "110111011101");
}

TEST_F(Avvio, SymbolsFollowTheirRulesOverManyTicks) {
    std::vector<int> posti;
    std::array<int, 5> prima{};
    for (int k = 1; k <= 4; ++k) prima[static_cast<std::size_t>(k)] = f.ImgSimbolo(k).numero;
    std::set<int> simboliVisti;
    for (int i = 0; i < 3000; ++i) {
        p.Orologio().Avanza(450);  // one TimerInserisci tick, the minute and second moving on
        const int posto = f.NumeroImage();
        const FinestraIniziale::Simbolo& s = f.ImgSimbolo(posto);
        ASSERT_GE(posto, 1);
        ASSERT_LE(posto, 4);
        EXPECT_NE(s.numero, prima[static_cast<std::size_t>(posto)]) << "tick " << i;
        EXPECT_TRUE(s.visibile);
        EXPECT_EQ(s.larghezza, s.numero >= 5 ? 1680 : 2325);
        EXPECT_TRUE(i < 4 || posto != posti.back()) << "tick " << i;
        for (int k = 1; k <= 4; ++k) EXPECT_TRUE(k == posto || f.ImgSimbolo(k).numero == prima[static_cast<std::size_t>(k)]) << k;
        prima[static_cast<std::size_t>(posto)] = s.numero;
        posti.push_back(posto);
        simboliVisti.insert(s.numero);
    }
    EXPECT_EQ(std::vector<int>(posti.begin(), posti.begin() + 4), (std::vector<int>{1, 3, 2, 4}));
    EXPECT_EQ(simboliVisti.size(), 8u);
    EXPECT_EQ(std::set<int>(posti.begin(), posti.end()).size(), 4u);
}

TEST(FileSimbolo, Names) {
    EXPECT_EQ(FileSimbolo(1), "C:\\Programmi\\MrVelto\\Grafica\\BasNap.gif");
    EXPECT_EQ(FileSimbolo(6), "C:\\Programmi\\MrVelto\\Grafica\\DenPia.gif");
    EXPECT_EQ(FileSimbolo(8), "C:\\Programmi\\MrVelto\\Grafica\\CopPia.gif");
}

TEST(AutoplayAvvio, TypesItsNameLikeAPlayerAndPlays) {
    CartellaTemporanea casa;
    test::ScriviByte(casa.percorso / "Dati" / "MVeNome.txt", "\"Qualcun altro\"\r\n");
    BancoProgramma banco(casa.percorso, 5, true, "Niccolò");
    Programma& p = *banco.programma;
    p.Avvia();
    EXPECT_EQ(p.Iniziale()->Testo(), "Qualcun altro");
    std::vector<std::string> testi;
    while (p.ModoCorrente() == Modo::Avvio) {
        ASSERT_TRUE(p.AgisciAutomatico());
        testi.push_back(p.Iniziale()->Testo());
    }
    EXPECT_EQ(testi.front(), "");
    EXPECT_EQ(testi[3], "Nic");
    EXPECT_EQ(testi[testi.size() - 2], "Niccolò");
    EXPECT_EQ(p.Tavolo_().Vista().NomeH.testo, "Niccolò");
    EXPECT_EQ(p.SessoGiocatore(), 'M');
    EXPECT_TRUE(banco.FinoAFineGioco());
}

}  // namespace
}  // namespace mrvelto
