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

TEST(CarteOpzionali, NoThirdDeckTheInstalledOneAndValuesOfAnyForm) {
    CarteOpzionali c;
    EXPECT_TRUE(LeggiCarteOpzionaliDa(Campione("MVeOpzio.txt"), c));
    EXPECT_EQ(c.CarteOpzionali, "No");
    EXPECT_EQ(c.BordoCarteOpzionali, "0");
    EXPECT_EQ(c.NomeCarteOpzionali, "Opzionali");
    EXPECT_FALSE(c.Installate());
    EXPECT_FALSE(c.ConBordo());
    // The build installs the high-legibility deck, framed.
    CarteOpzionali installate;
    EXPECT_TRUE(LeggiCarteOpzionaliDa(test::LeggiByte(test::CartellaCampioni() / "../../../assets/MVeOpzio.txt"), installate));
    EXPECT_TRUE(installate.Installate());
    EXPECT_TRUE(installate.ConBordo());
    EXPECT_EQ(installate.NomeCarteOpzionali, "Grandi Indici");
    // Values of any form are kept as texts.
    c = CarteOpzionali{};
    EXPECT_TRUE(LeggiCarteOpzionaliDa("\"Carte Opzionali inserite\"\n1.5\nSiciliane", c));
    EXPECT_TRUE(c.Installate());
    EXPECT_TRUE(c.ConBordo());
    EXPECT_EQ(c.NomeCarteOpzionali, "Siciliane");
    CarteOpzionali corto;
    EXPECT_FALSE(LeggiCarteOpzionaliDa("\"Carte Opzionali inserite\"\r\n", corto));
    EXPECT_TRUE(corto.Installate());
    EXPECT_EQ(corto.NomeCarteOpzionali, "Opzionali");
    CarteOpzionali vuoto;
    EXPECT_FALSE(LeggiCarteOpzionaliDa("\"x\"\r\n0\r\n\"\"\r\n", vuoto));
    EXPECT_EQ(vuoto.NomeCarteOpzionali, "Opzionali");
}

}  // namespace
}  // namespace mrvelto
