// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Campioni.h"
#include "records/Cp1252.h"
#include "records/FormatoRiga.h"
#include "records/Impostazioni.h"
#include "support/TestoOpzioni.h"

namespace mrvelto {
namespace {

using test::Campione;
using test::Imposta;

Impostazioni Modificate() {
    Impostazioni imp;
    const std::pair<int, const char*> valori[] = {
        {OpzAbilita, "Media (Livello C)"}, {OpzVelocitaRisposta, "Lenta"}, {OpzMostraCarte, "Si"}, {OpzPresaAutomatica, "No"},
        {OpzConclusioneGioco, "Fino all'ultima presa"}, {OpzConclusionePartita, "Al meglio di 3 Giochi"},
        {OpzCerimonia, "Al termine della Partita"}, {OpzVariazioniGrafiche, "No"}, {OpzColoreTavolo, "Caffé"},
        {OpzColoreRetro, "Verde Veronese"}, {OpzMotivoRetro, "Greche"}, {OpzStileCarte, "Napoletane"}, {OpzAnimazione, "Lenta"},
        {OpzPunteggio, "Solo Mr. Velto"}, {OpzTitoli, "No"}, {OpzCambioBrano, "Dopo un nuovo Gioco"},
        {OpzAudioAnalisi, "Come nel Gioco"}, {OpzFrequenzaMusica, "Raramente"}, {OpzRumori, "No"}, {OpzLoquacita, "Taciturno"},
        {OpzCarattere, "Nervosetto"}};
    for (const auto& [n, v] : valori) Imposta(imp.opzioni, n, v);
    imp.Sbirciata = true;
    imp.IntervalloAttesaDelPCaMuovere = 1250;
    imp.IntervalloEffettuaLaPresa = 0;
    imp.IntervalloAnimazionecartePC = 80;
    imp.IntervalloAnimazionecarteH = 80;
    imp.segnapunti = DisposizioneSegnapunti(3);
    imp.PuntiHVisibile = false;
    imp.PuntiHScrittaVisibile = false;
    imp.PannelloVisualizzato = PannelloLaterale::Dati;
    imp.Continuaregole = "Clicca qui per continuare > 3";
    return imp;
}

// Both samples byte for byte, and back: the initial one resets every value; extra lines make the
// file suspect but its values are read.
TEST(Impostazioni, WritesTheHandMadeSamplesByteForByteAndReadsThemBack) {
    EXPECT_EQ(ScriviImpostazioni(Impostazioni{}), Campione("MVeImpo-iniziale.txt"));
    EXPECT_EQ(ScriviImpostazioni(Modificate()), Campione("MVeImpo-modificato.txt"));
    Impostazioni letto = Modificate();
    EXPECT_TRUE(LeggiImpostazioniDa(Campione("MVeImpo-iniziale.txt"), letto));
    EXPECT_EQ(letto, Impostazioni{});
    EXPECT_FALSE(LeggiImpostazioniDa(Campione("MVeImpo-modificato.txt") + "\"altro\"\r\n", letto));
    EXPECT_EQ(letto, Modificate());
}

TEST(Impostazioni, ARoundTripRestoresEveryOptionIntervalLayoutPanelAndPage) {
    // Every option at every value of its cycle, in turn: text to value and back, and the file
    // written again from what was read is the same, byte for byte.
    for (int n = 0; n < kNumeroOpzioni; ++n) {
        std::vector<std::string_view> ciclo = CicloOpzione(n);
        if (n == OpzStileCarte) ciclo.push_back("Grandi Indici");  // an optional deck's name
        for (auto valore : ciclo) {
            Impostazioni imp = Modificate();
            ASSERT_TRUE(imp.opzioni.ImpostaTesto(n, valore)) << n << " " << valore;
            EXPECT_EQ(imp.opzioni.Testo(n), valore);
            const std::string byte = ScriviImpostazioni(imp);
            EXPECT_NE(byte.find("\"" + ACp1252(valore) + "\"\r\n"), std::string::npos) << n << " " << valore;
            Impostazioni letto;
            ASSERT_TRUE(LeggiImpostazioniDa(byte, letto)) << n << " " << valore;
            EXPECT_EQ(letto.opzioni, imp.opzioni) << n << " " << valore;
            EXPECT_EQ(ScriviImpostazioni(letto), byte) << n << " " << valore;
        }
        // A text the option does not know changes nothing.
        Opzioni o;
        EXPECT_FALSE(o.ImpostaTesto(n, n == OpzStileCarte ? "" : "Molto veloce")) << n;
        EXPECT_EQ(o, Opzioni{}) << n;
    }
    // Each layout of the dots with one of the panels.
    const PannelloLaterale pannelli[] = {PannelloLaterale::Nessuno, PannelloLaterale::Partita, PannelloLaterale::Dati};
    for (int giochi = 3; giochi <= 5; ++giochi) {
        Impostazioni imp;
        imp.segnapunti = DisposizioneSegnapunti(giochi);
        imp.segnapunti.SinistraLineaV[2] = 10800.5f;  // decimals survive
        imp.PannelloVisualizzato = pannelli[giochi - 3];
        imp.Continuaregole = "Clicca qui per ritornare > 5";
        Impostazioni letto = Modificate();
        ASSERT_TRUE(LeggiImpostazioniDa(ScriviImpostazioni(imp), letto));
        // Strokes 1 and 5 and the first and last column are not in the file: they never move.
        EXPECT_EQ(letto, imp) << giochi;
    }
}

TEST(Impostazioni, TheSecondRowOfDotsRepeatsTheFirst) {
    Impostazioni imp;
    imp.segnapunti = DisposizioneSegnapunti(5);
    imp.segnapunti.SinistraPuntiH[3] = 1;  // a row drawn out of line is still written as one column
    const std::string byte = ScriviImpostazioni(imp);
    const auto righe = DividiRighe(byte);
    ASSERT_EQ(righe.size(), 43u);
    for (std::size_t i : {14u, 16u, 18u}) EXPECT_EQ(righe[i + 1], righe[i]) << i;
    // Line 5 repeats line 4 and restores the peek flag.
    EXPECT_EQ(righe[4], righe[3]);
}

TEST(Impostazioni, AShortFileKeepsTheInitialValuesForWhatIsMissing) {
    const std::string completo = Campione("MVeImpo-modificato.txt");
    const auto righe = DividiRighe(completo);
    std::string dieci;
    for (int i = 0; i < 10; ++i) dieci += std::string(righe[static_cast<std::size_t>(i)]) + "\n";  // LF only
    Impostazioni letto;
    EXPECT_FALSE(LeggiImpostazioniDa(dieci, letto));
    EXPECT_EQ(letto.opzioni.Testo(OpzAbilita), "Media (Livello C)");
    EXPECT_EQ(letto.opzioni.Testo(OpzConclusionePartita), "Al meglio di 3 Giochi");
    EXPECT_FLOAT_EQ(letto.segnapunti.SinistraLineaV[2], 10800);
    EXPECT_FLOAT_EQ(letto.segnapunti.SinistraLineaV[4], DisposizioneSegnapunti(4).SinistraLineaV[4]);  // line 11 missing
    EXPECT_EQ(letto.opzioni.Testo(OpzCarattere), "Assai nervoso");
    EXPECT_EQ(letto.PannelloVisualizzato, PannelloLaterale::Nessuno);
}

TEST(Impostazioni, AWrongLineIsSkippedAndTheOthersAreStillRead) {
    std::string byte = Campione("MVeImpo-modificato.txt");
    auto sostituisci = [&](std::string_view da, std::string_view a) {
        const auto p = byte.find(da);
        ASSERT_NE(p, std::string::npos) << da;
        byte.replace(p, da.size(), a);
    };
    sostituisci("1250\r\n", "mille\r\n");                     // line 3: not a number
    sostituisci("\"Greche\"", "\"Pois\"");                    // line 25: not a pattern
    sostituisci("\"Dati\"", "\"Cucina\"");                    // line 36: not a panel
    sostituisci("10995\r\n10995", "10995\r\n4");              // line 16 must repeat line 15
    sostituisci("\"Lenta\"\r\n80\r\n", "\"Lenta\"\r\n0\r\n");  // line 28: 0 would stop the animation
    Impostazioni letto;
    EXPECT_FALSE(LeggiImpostazioniDa(byte, letto));
    EXPECT_EQ(letto.IntervalloAttesaDelPCaMuovere, 500);
    EXPECT_EQ(letto.opzioni.Testo(OpzMotivoRetro), "Nessuno");
    EXPECT_EQ(letto.PannelloVisualizzato, PannelloLaterale::Nessuno);
    EXPECT_FLOAT_EQ(letto.segnapunti.SinistraPuntiH[2], 10995);
    EXPECT_EQ(letto.IntervalloAnimazionecartePC, 40);
    // The rest is read.
    EXPECT_EQ(letto.opzioni.Testo(OpzColoreTavolo), "Caffé");
    EXPECT_EQ(letto.opzioni.Testo(OpzCarattere), "Nervosetto");
    EXPECT_EQ(letto.IntervalloAnimazionecarteH, 80);
}

TEST(Impostazioni, TheFileOperationsReportDamageOnceAndKeepACopy) {
    test::CartellaTemporanea dir;
    const auto file = dir() / "Dati" / "MVeImpo.txt";
    Avvisi avvisi;
    const DataOra adesso{6, 12, 2026, 9, 5, 7};

    Impostazioni imp;
    LeggiImpostazioni(file, imp, avvisi, adesso);  // missing: nothing said
    EXPECT_EQ(imp, Impostazioni{});
    EXPECT_TRUE(avvisi.Vuoto());

    ASSERT_TRUE(SalvaImpostazioni(file, Modificate(), avvisi));
    EXPECT_EQ(test::LeggiByte(file), Campione("MVeImpo-modificato.txt"));
    Impostazioni riletto;
    LeggiImpostazioni(file, riletto, avvisi, adesso);
    EXPECT_EQ(riletto, Modificate());
    EXPECT_TRUE(avvisi.Vuoto());

    test::ScriviByte(file, "\"Alta (Livello B)\"\r\n\"Lenta\"");
    Impostazioni corto;
    LeggiImpostazioni(file, corto, avvisi, adesso);
    EXPECT_EQ(corto.opzioni.Testo(OpzAbilita), "Alta (Livello B)");
    ASSERT_EQ(avvisi.Testi().size(), 1u);
    EXPECT_NE(avvisi.Testi()[0].find("MVeImpo.txt"), std::string::npos);
    EXPECT_EQ(test::LeggiByte(dir() / "Dati" / "MVeImpo-danneggiato-20261206-090507.txt"), "\"Alta (Livello B)\"\r\n\"Lenta\"");

    test::ScriviByte(file, std::string(kMassimoImpostazioni + 1, '\n'));
    avvisi.Prendi();
    Impostazioni grande;
    LeggiImpostazioni(file, grande, avvisi, adesso);
    EXPECT_EQ(grande, Impostazioni{});
    ASSERT_EQ(avvisi.Testi().size(), 1u);
    EXPECT_NE(avvisi.Testi()[0].find("troppo grande"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir() / "Dati" / "MVeImpo-danneggiato-20261206-090507-2.txt"));
}

// A file the game cannot read is never replaced at exit: the settings go beside it, and the
// message says where.
TEST(Impostazioni, AFileThatCannotBeReadIsNeverWrittenOverTheSettingsGoBesideIt) {
    for (const bool tubo : {true, false}) {
        SCOPED_TRACE(tubo ? "a FIFO" : "a folder");
        test::CartellaTemporanea dir;
        const auto file = dir() / "MVeImpo.txt";
        if (tubo) ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        else std::filesystem::create_directories(file / "dentro");
        Avvisi avvisi;
        Impostazioni imp;
        LeggiImpostazioni(file, imp, avvisi, {});
        EXPECT_EQ(avvisi.Prendi().size(), 1u);
        ASSERT_TRUE(SalvaImpostazioni(file, Modificate(), avvisi));
        ASSERT_EQ(avvisi.Testi().size(), 1u);
        EXPECT_EQ(avvisi.Testi()[0], "Al posto del file MVeImpo.txt c'è una cartella o un dispositivo. Non è stato sovrascritto: le "
                                     "impostazioni sono state salvate in " + (dir() / "MVeImpo-nuove.txt").string() + ".");
        EXPECT_EQ(tubo, std::filesystem::is_fifo(file));
        EXPECT_EQ(!tubo, std::filesystem::is_directory(file / "dentro"));
        EXPECT_EQ(test::LeggiByte(dir() / "MVeImpo-nuove.txt"), Campione("MVeImpo-modificato.txt"));
    }
}

}  // namespace
}  // namespace mrvelto
