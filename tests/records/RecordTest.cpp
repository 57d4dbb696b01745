// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Campioni.h"
#include "records/AggiornaClassifica.h"
#include "records/FormatoRiga.h"
#include "records/RecordSuFile.h"

namespace mrvelto {
namespace {

using test::Campione;

EsitoPartita Esito(Chi vincitore, int h, int pc, char livello, bool sbirciata, DataOra quando) {
    return test::Esito("Pietà", vincitore, h, pc, livello, quando, sbirciata);
}

// The three matches behind the "-tre" samples.
void TrePartite(Record& r) {
    AggiornaClassifica(r, Esito(Chi::H, 4, 2, 'A', false, {6, 12, 2026, 9, 5, 0}));
    ScriviRecord(r);
    AggiornaClassifica(r, Esito(Chi::PC, 3, 4, 'C', true, {6, 12, 2026, 10, 30, 0}));
    ScriviRecord(r);
    AggiornaClassifica(r, Esito(Chi::PC, 0, 3, 'A', false, {7, 12, 2026, 21, 0, 0}));
}

TEST(VoceAlbo, NamesTheWinnerFirstAndMarksAPeek) {
    EXPECT_EQ(VoceAlbo(1, Esito(Chi::H, 4, 2, 'A', false, {6, 12, 2026, 9, 5, 0})), "1)  Pietà - Mr. VELTO A    4-2   6/12/26  9:05");
    EXPECT_EQ(VoceAlbo(12, Esito(Chi::H, 5, 0, 'E', true, {31, 1, 2009, 23, 59, 0})), "12)  Pietà * - Mr. VELTO E    5-0   31/1/09  23:59");
    EXPECT_EQ(VoceAlbo(2, Esito(Chi::PC, 3, 4, 'C', false, {6, 12, 2026, 0, 0, 0})), "2)  Mr. VELTO C - Pietà    4-3   6/12/26  0:00");
    EXPECT_EQ(VoceAlbo(2, Esito(Chi::PC, 3, 4, 'C', true, {6, 12, 2026, 10, 30, 0})), "2)  Mr. VELTO C - Pietà *    4-3   6/12/26  10:30");
}

TEST(Record, ANameWithQuotesIsFoundAgainAfterASaveAndAReload) {
    Record r;
    EsitoPartita e = Esito(Chi::H, 4, 1, 'A', false, {1, 1, 2027, 10, 0, 0});
    e.nomeH = "  Il \"Mago\" ";
    AggiornaClassifica(r, e);
    const FileRecord f = ScriviRecord(r);
    Record letto;
    ASSERT_TRUE(LeggiRecordDa(&f.classifica, &f.albo, &f.partite, letto).Integro());
    AggiornaClassifica(letto, e);
    EXPECT_EQ(letto.Classifica[1].NomeVincitore, "Il ”Mago”");
    EXPECT_EQ(letto.Classifica[1].NumeroPartiteVinte, 2);
    EXPECT_TRUE(letto.Classifica[3].Vuota());
    EXPECT_EQ(letto.LstAlbo[1], "2)  Il ”Mago” - Mr. VELTO A    4-1   1/1/27  10:00");
}

// Empty rows read back with their flags off: the samples have eight of them.
TEST(Record, NoneAndThreeMatchesWriteTheHandMadeSamplesAndReadBack) {
    Record r;
    const FileRecord vuoto = ScriviRecord(r);
    EXPECT_EQ(vuoto.classifica, Campione("MVeClass-vuoto.txt"));
    EXPECT_EQ(vuoto.albo, Campione("MVeAlbo-vuoto.txt"));
    EXPECT_EQ(vuoto.partite, Campione("MVePart-vuoto.txt"));
    TrePartite(r);
    const FileRecord f = ScriviRecord(r);
    EXPECT_EQ(r.TotalePartite, 3);
    EXPECT_EQ(f.classifica, Campione("MVeClass-tre.txt"));
    EXPECT_EQ(f.albo, Campione("MVeAlbo-tre.txt"));
    EXPECT_EQ(f.partite, Campione("MVePart-tre.txt"));

    Record letto;
    const std::string c = Campione("MVeClass-tre.txt"), a = Campione("MVeAlbo-tre.txt"), p = Campione("MVePart-tre.txt");
    EXPECT_TRUE(LeggiRecordDa(&c, &a, &p, letto).Integro());
    EXPECT_EQ(letto, r);
}

// Files that fail are refused whole: see FileDanneggiatiTest.cpp.
TEST(Record, ALostCountOrANamelessRowIsMendedNotRefused) {
    const std::string c = Campione("MVeClass-tre.txt");
    const std::string a = Campione("MVeAlbo-tre.txt");
    {  // the count of matches lost: the log is counted instead, nothing logged is dropped
        const std::string zero = "0\r\n";
        Record r;
        const auto esito = LeggiRecordDa(&c, &a, &zero, r);
        EXPECT_TRUE(esito.totaleCorretto);
        EXPECT_EQ(r.TotalePartite, 3);
        EXPECT_EQ(ScriviRecord(r).albo, a);
    }
    {  // a nameless row with counts is an empty row
        std::string strano = Campione("MVeClass-vuoto.txt");
        strano.replace(0, 16, "\"\"\r\n\"5\"\r\n\"2\"\r\n");
        Record r;
        LeggiRecordDa(&strano, nullptr, nullptr, r);
        EXPECT_EQ(r.Classifica[1], RigaClassifica{});
    }
}

// A second reader while the first lives is a second window: that, and no complaint about a file.
void SoloAltraFinestra(Avvisi& avvisi) {
    const auto testi = avvisi.Prendi();
    ASSERT_EQ(testi.size(), 1u);
    EXPECT_EQ(testi[0].rfind("Mr. VELTO è già aperto in un'altra finestra", 0), 0u) << testi[0];
}

TEST(RecordSuFile, MissingFilesGiveInitialValuesAndASaveCreatesThem) {
    test::CartellaDati c;
    test::Finestra f(c.radici);
    EXPECT_EQ(f.record.Dati(), Record{});
    EXPECT_TRUE(f.avvisi.Vuoto());
    ASSERT_TRUE(f.record.Salva());
    EXPECT_EQ(test::LeggiByte(c.dati / "MVeAlbo.txt"), "\"\"\r\n");
    EXPECT_EQ(test::LeggiByte(c.dati / "MVePart.txt"), "0\r\n");

    for (int i = 0; i < 3; ++i) {
        f.record.AggiornaClassifica(Esito(i % 2 ? Chi::PC : Chi::H, 4, 1, 'A', false, {1, 1, 2027, 10, i, 0}));
        f.record.SalvaRecord();
    }
    EXPECT_EQ(f.record.TotalePartite(), 3);
    EXPECT_EQ(DividiRighe(test::LeggiByte(c.dati / "MVeAlbo.txt")).size(), 4u);
    EXPECT_EQ(test::LeggiByte(c.dati / "MVePart.txt"), "3\r\n");

    test::Finestra dopo(c.radici);
    EXPECT_EQ(dopo.record.Dati(), f.record.Dati());
    SoloAltraFinestra(dopo.avvisi);
}

TEST(RecordSuFile, ADamagedFileIsKeptAsideBeforeItIsOverwritten) {
    test::CartellaDati c;
    const auto& dati = c.dati;
    const std::string rotto = "\"Piet\xE0\"\r\n\"1\"\r\n\"tre";  // Windows-1252 on disk
    test::ScriviByte(dati / "MVeClass.txt", rotto);
    test::ScriviByte(dati / "MVeAlbo.txt", Campione("MVeAlbo-tre.txt"));
    test::ScriviByte(dati / "MVePart.txt", std::string(kMassimoFilePartite + 1, '7'));
    test::Finestra f(c.radici, {6, 12, 2026, 18, 40, 2});
    // Nothing of the cut file: the ranking is rebuilt from the whole log, and written at once.
    EXPECT_EQ(f.record.TotalePartite(), 3);
    ASSERT_EQ(f.avvisi.Testi().size(), 1u);
    const std::string& testo = f.avvisi.Testi()[0];
    EXPECT_NE(testo.find("MVeClass-danneggiato-20261206-184002.txt"), std::string::npos) << testo;
    EXPECT_NE(testo.find("troppo grande"), std::string::npos) << testo;
    EXPECT_NE(testo.find("Sono stati letti per intero: MVeAlbo.txt. La classifica e i risultati di Mr. VELTO per livello sono "
                         "stati ricostruiti dalle 3 partite dell'albo d'oro."),
              std::string::npos)
        << testo;
    EXPECT_EQ(test::LeggiByte(dati / "MVeClass-danneggiato-20261206-184002.txt"), rotto);
    EXPECT_TRUE(std::filesystem::exists(dati / "MVePart-danneggiato-20261206-184002.txt"));
    EXPECT_FALSE(std::filesystem::exists(dati / "MVeAlbo-danneggiato-20261206-184002.txt"));
    EXPECT_EQ(test::LeggiByte(dati / "MVeClass.txt"), Campione("MVeClass-tre.txt"));
    // Moved aside: the next start neither finds nor reports it again, and loses nothing read.
    test::Finestra ancora(c.radici, {6, 12, 2026, 18, 41, 0});
    SoloAltraFinestra(ancora.avvisi);

    ASSERT_TRUE(f.record.Salva());
    EXPECT_EQ(test::LeggiByte(dati / "MVeClass-danneggiato-20261206-184002.txt"), rotto);
    EXPECT_EQ(test::LeggiByte(dati / "MVePart.txt"), "3\r\n");
}

// What the writer makes, the reader takes back, at the limits too: a count at its largest stays
// there, and a full log goes on numbering its new entries.
TEST(Record, CountsAndNumbersAtTheirLimitsAreWrittenAsTheReaderTakesThem) {
    Record r;
    r.Classifica[1] = RigaClassifica{"Pietà", kMassimoConteggio, kMassimoConteggio, "1/1/26", true, true, true};
    r.VittoriePCVariLivelli[1] = kMassimoConteggio;
    r.LstAlbo.clear();
    for (int i = 1; i <= kMassimoAlbo; ++i) r.LstAlbo.push_back(std::to_string(i) + ")  Pietà - Mr. VELTO A    4-2   6/12/26  9:05");
    r.LstAlbo.emplace_back();
    r.TotalePartite = kMassimoAlbo;
    for (int i = 0; i < 2; ++i) {
        AggiornaClassifica(r, Esito(i ? Chi::H : Chi::PC, 4, 2, 'A', false, {6, 12, 2026, 9, 5, 0}));
        const FileRecord f = ScriviRecord(r);
        Record letto;
        ASSERT_TRUE(LeggiRecordDa(&f.classifica, &f.albo, &f.partite, letto).Integro()) << i;
        EXPECT_EQ(letto, r);
        r = letto;
    }
    EXPECT_EQ(r.Classifica[1].NumeroPartiteVinte, kMassimoConteggio);
    EXPECT_EQ(r.Classifica[1].NumeroPartitePerse, kMassimoConteggio);
    EXPECT_EQ(r.VittoriePCVariLivelli[1], kMassimoConteggio);
    EXPECT_EQ(r.TotalePartite, kMassimoAlbo);
    EXPECT_EQ(r.LstAlbo[0].rfind("3)  ", 0), 0u);
    EXPECT_EQ(r.LstAlbo[kMassimoAlbo - 2].rfind("32769)  ", 0), 0u) << r.LstAlbo[kMassimoAlbo - 2];
    EXPECT_EQ(r.LstAlbo[kMassimoAlbo - 1].rfind("32770)  ", 0), 0u) << r.LstAlbo[kMassimoAlbo - 1];
}

}  // namespace
}  // namespace mrvelto
