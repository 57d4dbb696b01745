// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "records/ArchivioPartita.h"
#include "records/FormatoRiga.h"
#include "screens/BancoProgramma.h"
#include "support/TestoOpzioni.h"

namespace mrvelto {
namespace {

using test::Imposta;

using test::BancoProgramma;
using test::CartellaTemporanea;
namespace fs = std::filesystem;

TEST(NomeFilePartita, PaddedMatchAndGame) {
    EXPECT_EQ(NomeFilePartita(6, true, 3), "007-03.txt");
    EXPECT_EQ(NomeFilePartita(12, false, 11), "012-11.txt");
    EXPECT_EQ(NomeFilePartita(11, true, 11), "012-11.txt");
    EXPECT_EQ(NomeFilePartita(0, true, 1), "001-01.txt");
    EXPECT_EQ(NomeFilePartita(1233, true, 123), "1234-123.txt");
}

// One finished game of a seeded program, its end-of-game frame shown.
struct GiocoFinito : ::testing::Test {
    CartellaTemporanea casa;
    BancoProgramma banco{casa.percorso, 21, false, "Pietà"};
    Programma& p = *banco.programma;
    fs::path file = casa.percorso / "Archivio" / "prova.txt";
    void SetUp() override {
        p.Avvia();
        ASSERT_TRUE(banco.FinoAFineGioco());
        banco.scelta = file;
    }
    // What the window shows and a load could change.
    std::string Fotografia() const {
        std::string f = ScriviPartita(p.Tavolo_().Dati()) + "|" + p.Tavolo_().Vista().NomeH.testo;
        return f + "|" + std::to_string(static_cast<int>(p.ModoCorrente())) + "|" + std::to_string(p.Analisi_().Vista().Manche);
    }
};

TEST_F(GiocoFinito, SaveProposesTheDefaultNameAndWritesTheWholePanel) {
    p.lblSalva_Click();
    ASSERT_EQ(banco.proposte.size(), 1u);
    EXPECT_EQ(banco.proposte[0], casa.percorso / "Archivio" / "001-01.txt");
    EXPECT_EQ(p.ModoCorrente(), Modo::Gioco);
    const std::string byte = test::LeggiByte(file);
    const auto righe = DividiRighe(byte);
    ASSERT_EQ(righe.size(), 268u);
    EXPECT_EQ(std::count(byte.begin(), byte.end(), '\n'), 268);
    EXPECT_EQ(std::count(byte.begin(), byte.end(), '\r'), 268);
    EXPECT_EQ(righe[0], "\"Partita n. 1 - Gioco n. 1\"");
    EXPECT_EQ(righe[4], "16777215");
    EXPECT_EQ(righe[5], "\"Piet\xE0\"");  // Windows-1252
    const PannelloDati& d = p.Tavolo_().Dati();
    for (int i = 0; i < 133; ++i) {
        EXPECT_EQ(righe[2 + 2 * i], std::to_string(d[i].sfondo)) << i;
        EXPECT_TRUE(i == 1 || righe[3 + 2 * i] == "\"" + d[i].testo + "\"") << i;
    }
}

// "Archivio" is a file: saving and opening say why and go on, and a game saved in another folder
// leaves nothing there but itself (no lock file, no temporary file).
TEST_F(GiocoFinito, AnArchiveThatIsAFileIsSaidAndAnotherFolderGetsOnlyTheGame) {
    test::ScriviByte(casa.percorso / "Archivio", "non una cartella");
    const std::string cartella = "La cartella " + (casa.percorso / "Archivio").string() + " non si può creare (";
    const fs::path altrove = casa.percorso / "altrove";
    fs::create_directories(altrove);
    banco.scelta = file;
    p.lblSalva_Click();
    ASSERT_EQ(banco.messaggi.size(), 2u);
    EXPECT_EQ(banco.messaggi[0].rfind(cartella, 0), 0u) << banco.messaggi[0];
    EXPECT_EQ(banco.messaggi[1].rfind("Il Gioco non è stato salvato. Impossibile scrivere il file", 0), 0u) << banco.messaggi[1];
    banco.messaggi.clear();
    banco.scelta = altrove / "sera.txt";
    p.lblSalva_Click();
    ASSERT_EQ(banco.messaggi.size(), 1u);  // the folder, said again; the game saved
    EXPECT_EQ(test::LeggiByte(altrove / "sera.txt"), ScriviPartita(p.Tavolo_().Dati()));
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(altrove)) nomi.push_back(e.path().filename().string());
    EXPECT_EQ(nomi, std::vector<std::string>{"sera.txt"});
    banco.messaggi.clear();
    p.lblApri_Click();
    ASSERT_FALSE(banco.messaggi.empty());
    EXPECT_EQ(banco.messaggi[0].rfind(cartella, 0), 0u) << banco.messaggi[0];
    EXPECT_EQ(p.ModoCorrente(), Modo::Analisi);
}

// Saving leaves the tune playing unless "Audio durante l'Analisi:" asks for silence; then the
// music only waits for the next deal.
TEST_F(GiocoFinito, SavingKeepsTheTuneByOptionTwenty) {
    Musica& m = p.Audio().Musica_();
    ASSERT_TRUE(p.Orologio().Abilitato(m.Timer().FermaBrano));
    Imposta(p.Tavolo_(), OpzAudioAnalisi, "Come nel Gioco");
    p.lblSalva_Click();
    EXPECT_TRUE(p.Orologio().Abilitato(m.Timer().FermaBrano));
    EXPECT_FALSE(m.MusicaInterrotta());
    Imposta(p.Tavolo_(), OpzAudioAnalisi, "Interrompi la Musica");
    p.lblSalva_Click();
    EXPECT_TRUE(p.Orologio().Abilitato(m.Timer().FermaBrano));
    EXPECT_TRUE(m.MusicaInterrotta());
}

TEST_F(GiocoFinito, RoundTripGivesBackCellsColoursHeadingsAndTheName) {
    p.lblSalva_Click();
    // Another player's game loaded into the review: H shows its name, the review starts, and the
    // panel it fills is written back byte for byte.
    std::string altro = test::LeggiByte(file);
    altro.replace(altro.find("\"Piet\xE0\""), 7, "\"Zaira\"");
    test::ScriviByte(file, altro);
    p.lblApri_Click();
    EXPECT_EQ(p.ModoCorrente(), Modo::Analisi);
    EXPECT_EQ(p.Tavolo_().Vista().NomeH.testo, "Zaira");
    EXPECT_FALSE(p.Cornice().Menu().lblComandi[ComandoAlbo].abilitata);
    EXPECT_TRUE(p.Cornice().Menu().fraPannello[PannelloDatiIdx].visibile);
    p.Orologio().Avanza(20);  // TimerCaricaPartita
    EXPECT_TRUE(p.Analisi_().Attiva());
    EXPECT_EQ(p.Tavolo_().Dati()[14].testo, "");
    EXPECT_EQ(ScriviPartita(p.Tavolo_().Dati()), altro);
}

TEST_F(GiocoFinito, ReviewStepsTrickByTrickToFineAnalisi) {
    p.lblRivedi_Click();
    ASSERT_EQ(p.ModoCorrente(), Modo::Analisi) << (banco.messaggi.empty() ? "" : banco.messaggi[0]);
    const PannelloDati& d = p.Tavolo_().Dati();
    const VistaAnalisi& v = p.Analisi_().Vista();
    EXPECT_EQ(std::string(v.manoH[0].Codice()), d[5].testo);
    EXPECT_EQ(v.descrizione, "Le carte distribuite. Inizia Pietà.");
    int passi = 0;
    while (!v.finita && passi < 30) {
        p.TastoInvio();
        ++passi;
        if (v.finita) break;
        EXPECT_EQ(std::string(v.inTavolaPC.Codice()), d(v.Manche, ColonnaDati::CartaPC).testo);
        EXPECT_EQ(std::string(v.inTavolaH.Codice()), d(v.Manche, ColonnaDati::CartaH).testo);
        EXPECT_EQ(std::to_string(v.PuntiH), d(v.Manche, ColonnaDati::PuntiH).testo);
        EXPECT_NE(v.descrizione.find("Mano " + std::to_string(v.Manche) + ":"), std::string::npos);
    }
    EXPECT_TRUE(v.finita);
    EXPECT_EQ(passi, static_cast<int>(p.Tavolo_().Stato().Manche));  // tricks played + the final press
    EXPECT_EQ(d[14].testo, "Fine Analisi");
    // A whole game, or one ended at the take that passed 60 points.
    EXPECT_TRUE(v.PuntiH + v.PuntiPC == 120 || v.PuntiH > 60 || v.PuntiPC > 60);
    EXPECT_EQ(v.PuntiH, p.Tavolo_().Stato().PuntiH);
    EXPECT_EQ(v.PuntiPC, p.Tavolo_().Stato().PuntiPC);
    // Back to the table: a new game, the player's own name.
    p.cmdTornaAlGioco_Click();
    EXPECT_EQ(p.ModoCorrente(), Modo::Gioco);
    EXPECT_EQ(p.Tavolo_().Vista().NomeH.testo, "Pietà");
    EXPECT_TRUE(p.Cornice().Menu().lblComandi[ComandoAlbo].abilitata);
    EXPECT_TRUE(p.Orologio().Abilitato(p.Tavolo_().Timer().DistribuisciCarte));
}

TEST_F(GiocoFinito, ForeignOrDamagedFilesAreRefusedWithNothingChanged) {
    p.lblSalva_Click();
    const std::string buono = test::LeggiByte(file);
    p.lblRivedi_Click();
    p.TastoInvio();
    p.TastoInvio();
    const std::string prima = Fotografia();
    auto cambia = [&](int n, const std::string& nuova) {
        auto righe = DividiRighe(buono);
        std::string out;
        for (std::size_t i = 0; i < righe.size(); ++i) out += (static_cast<int>(i) == n - 1 ? nuova : std::string(righe[i])) + "\r\n";
        return out;
    };
    const PannelloDati& d = p.Tavolo_().Dati();
    const int cartaPC1 = CellaDellaManche(1, ColonnaDati::CartaPC), puntiH1 = CellaDellaManche(1, ColonnaDati::PuntiH);
    auto rigaTesto = [](int cella) { return 4 + 2 * cella; };
    auto rigaColore = [](int cella) { return 3 + 2 * cella; };
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"testo qualsiasi", "Caro diario,\r\noggi ho giocato a briscola.\r\n"},
        {"file vuoto", ""},
        {"corto", buono.substr(0, buono.rfind("\r\n", buono.size() - 3) + 2)},
        {"lungo", buono + "\"altro\"\r\n"},
        {"impostazioni", test::LeggiByte(casa.percorso / "Dati" / "MVeImpo.txt")},
        {"colore ignoto", cambia(rigaColore(20), "12345")},
        {"colore non numero", cambia(rigaColore(20), "\"rosso\"")},
        {"carta inventata", cambia(rigaTesto(3), "\"Zz\"")},
        {"carta doppia", cambia(rigaTesto(cartaPC1), "\"" + d[5].testo + "\"")},
        {"punti sbagliati", cambia(rigaTesto(puntiH1), "\"99\"")},
        {"vincitore sbagliato", cambia(rigaColore(puntiH1), d[puntiH1].sfondo == colore::Bianco ? "8421631" : "16777215")},
        {"cella di servizio", cambia(rigaTesto(11), "\"x\"")},
        {"testo senza virgolette", cambia(1, "Partita n. 1")},
        {"riga riempita", buono + std::string(70000, 'x')},
    };
    for (const auto& [nome, byte] : casi) {
        test::ScriviByte(file, byte);
        banco.messaggi.clear();
        p.cmdLoad_Click();
        p.Orologio().Avanza(20);
        ASSERT_EQ(banco.messaggi.size(), 1u) << nome;
        EXPECT_TRUE(banco.messaggi[0].rfind("Il file scelto non è un Gioco salvato da Mr. VELTO", 0) == 0) << nome << ": " << banco.messaggi[0];
        if (nome == "colore ignoto") {
            EXPECT_NE(banco.messaggi[0].find(": la riga 43 non è il colore della casella 20 del Pannello Dati."), std::string::npos)
                << banco.messaggi[0];
        }
        EXPECT_EQ(Fotografia(), prima) << nome;
    }
    // A missing file and a cancelled dialog change nothing either.
    fs::remove(file);
    banco.messaggi.clear();
    p.cmdLoad_Click();
    EXPECT_EQ(banco.messaggi.size(), 1u);
    banco.scelta.reset();
    banco.messaggi.clear();
    p.cmdLoad_Click();
    EXPECT_TRUE(banco.messaggi.empty());
    EXPECT_EQ(Fotografia(), prima);
}

TEST(SampleFile, HandMadeSavedGameReadsAndWritesByteForByte) {
    const std::string byte = test::LeggiByte(fs::path(MRVELTO_DATI_TEST) / "Partita-esempio.txt");
    auto letto = LeggiPartita(byte);
    ASSERT_TRUE(std::holds_alternative<PannelloDati>(letto)) << std::get<std::string>(letto);
    const PannelloDati& d = std::get<PannelloDati>(letto);
    EXPECT_EQ(d[1].testo, "Niccolò");
    EXPECT_EQ(ScriviPartita(d), byte);
    // Mr. VELTO reaches exactly 60 at trick 13: a file that stops there, draws and all, is cut
    // short, not a game that ended (60 does not pass 60).
    auto righe = DividiRighe(byte);
    std::string tagliato;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const int cella = static_cast<int>(i) < 2 ? -1 : (static_cast<int>(i) - 2) / 2;
        const bool via = cella >= CellaDellaManche(13, ColonnaDati::PescaPC) && cella <= CellaDellaManche(14, ColonnaDati::PescaH);
        tagliato += (via ? (i % 2 == 0 ? std::string("16777215") : std::string("\"\"")) : std::string(righe[i])) + "\r\n";
    }
    ASSERT_EQ(d(13, ColonnaDati::PuntiPC).testo, "60");
    auto corto = LeggiPartita(tagliato);
    EXPECT_TRUE(std::holds_alternative<std::string>(corto) ||
                std::holds_alternative<std::string>(RicostruisciGioco(std::get<PannelloDati>(corto))));
    EXPECT_TRUE(std::holds_alternative<GiocoRicostruito>(RicostruisciGioco(d)));
}

}  // namespace
}  // namespace mrvelto
