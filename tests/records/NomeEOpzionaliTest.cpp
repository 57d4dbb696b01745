// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Campioni.h"
#include "records/CarteOpzionali.h"
#include "records/NomeGiocatore.h"

namespace mrvelto {
namespace {

using test::Campione;

TEST(NomeGiocatore, IsStoredTrimmedInQuotesAndReadBack) {
    test::CartellaTemporanea dir;
    const auto file = dir() / "Dati" / "MVeNome.txt";
    Avvisi avvisi;
    EXPECT_EQ(LeggiNomeGiocatore(file, avvisi), "");
    EXPECT_EQ(SalvaNomeGiocatore(file, "   Niccolò  ", avvisi), "Niccolò");
    EXPECT_EQ(test::LeggiByte(file), Campione("MVeNome.txt"));
    EXPECT_EQ(LeggiNomeGiocatore(file, avvisi), "Niccolò");
    EXPECT_TRUE(avvisi.Vuoto());
}

TEST(NomeGiocatore, QuotesAndForeignCharactersAreStoredSoThatTheFileStaysValid) {
    EXPECT_EQ(NormalizzaNome(" Il \"Mago\" Łukasz "), "Il ”Mago” ?ukasz");
    EXPECT_EQ(NormalizzaNome("a\tb\nc"), "a b c");
    EXPECT_EQ(NormalizzaNome(std::string(100, 'z')).size(), kMassimoCaratteriNome);
    EXPECT_EQ(NormalizzaNome(std::string(60, 'e') + "è"), std::string(40, 'e'));
    EXPECT_EQ(NormalizzaNome(std::string(39, 'z') + " y"), std::string(39, 'z'));  // nor a blank the cut leaves last
    test::CartellaTemporanea dir;
    Avvisi avvisi;
    const auto file = dir() / "MVeNome.txt";
    const std::string nome = SalvaNomeGiocatore(file, "Il \"Mago\" 王", avvisi);
    EXPECT_EQ(test::LeggiByte(file), "\"Il \x94Mago\x94 ?\"\r\n");
    EXPECT_EQ(LeggiNomeGiocatore(file, avvisi), nome);
}

TEST(NomeGiocatore, ADamagedFileOffersNoNameAndSaysSoOnce) {
    test::CartellaTemporanea dir;
    const auto file = dir() / "MVeNome.txt";
    Avvisi avvisi;
    test::ScriviByte(file, "\"Primo\"\r\n\"Secondo\"\r\n");
    EXPECT_EQ(LeggiNomeGiocatore(file, avvisi), "");
    test::ScriviByte(file, "\"aperto");
    EXPECT_EQ(LeggiNomeGiocatore(file, avvisi), "");
    EXPECT_EQ(avvisi.Prendi().size(), 1u);
    EXPECT_TRUE(avvisi.Vuoto());
    test::ScriviByte(file, "Bare\n");  // a bare token is a text too
    EXPECT_EQ(LeggiNomeGiocatore(file, avvisi), "Bare");
}

// Values of any form are kept as texts; what is missing or not a name keeps its initial value.
TEST(CarteOpzionali, NoThirdDeckTheInstalledOneAndValuesOfAnyForm) {
    const struct {
        std::string byte;
        bool integro, installate, bordo;
        const char* nome;
    } casi[] = {
        {Campione("MVeOpzio.txt"), true, false, false, "Opzionali"},
        // The build installs the high-legibility deck, framed.
        {test::LeggiByte(test::CartellaCampioni() / "../../../assets/MVeOpzio.txt"), true, true, true, "Grandi Indici"},
        {"\"Carte Opzionali inserite\"\n1.5\nSiciliane", true, true, true, "Siciliane"},
        {"\"Carte Opzionali inserite\"\r\n", false, true, false, "Opzionali"},
        {"\"x\"\r\n0\r\n\"\"\r\n", false, false, false, "Opzionali"},
    };
    for (const auto& caso : casi) {
        CarteOpzionali c;
        EXPECT_EQ(LeggiCarteOpzionaliDa(caso.byte, c), caso.integro) << caso.byte;
        EXPECT_EQ(c.Installate(), caso.installate) << caso.byte;
        EXPECT_EQ(c.ConBordo(), caso.bordo) << caso.byte;
        EXPECT_EQ(c.NomeCarteOpzionali, caso.nome) << caso.byte;
    }
}

}  // namespace
}  // namespace mrvelto
