// SPDX-License-Identifier: GPL-3.0-or-later
// The tune cycle, the titles and the award ceremony.
#include <gtest/gtest.h>

#include <set>

#include "BancoAudio.h"
#include "support/TestoOpzioni.h"

namespace mrvelto::test {
namespace {

TEST(Musica, EveryTuneOnceBeforeAnyRepeatsAndNeverTwiceInARow) {
    BancoAudio b(6);
    Musica& m = b.audio.Musica_();
    std::set<int> sentiti;
    int precedente = 0;
    for (int i = 1; i <= 21; ++i) {
        m.SCegliBrano();
        EXPECT_NE(m.BranoInCorso(), precedente);
        precedente = m.BranoInCorso();
        sentiti.insert(m.BranoInCorso());
        EXPECT_EQ(m.NumeroBraniAscoltati(), i);
    }
    EXPECT_EQ(sentiti.size(), 21u);
    // The 22nd choice clears the marks and starts again, never with the tune just heard.
    m.SCegliBrano();
    EXPECT_EQ(m.NumeroBraniAscoltati(), 1);
    EXPECT_NE(m.BranoInCorso(), precedente);
    int segnati = 0;
    for (int n = 1; n <= 21; ++n) segnati += m.Ascoltato(n);
    EXPECT_EQ(segnati, 1);
    // Each choice plays its file from the start.
    const auto suonati = b.musica.Suonati();
    ASSERT_EQ(suonati.size(), 22u);
    EXPECT_EQ(suonati.back().file, kBrani[static_cast<std::size_t>(m.BranoInCorso() - 1)].file);
}

TEST(Musica, TheFirstDealStartsATuneAndSempreTheNextTenMsAfterItsEnd) {
    BancoAudio b(7, ConOpzioni({{OpzFrequenzaMusica, "Sempre"}, {OpzCarattere, "Pacifico"}}));
    b.banco.Distribuisci();
    ASSERT_EQ(b.musica.Suonati().size(), 1u);
    const Ordine primo = b.musica.Suonati()[0];
    const int meta = kBrani[static_cast<std::size_t>(b.audio.Musica_().BranoInCorso() - 1)].metaDurata;
    ASSERT_TRUE(b.banco.SoloOrologioFino([&] { return b.musica.Suonati().size() == 2; }));
    EXPECT_EQ(b.musica.Suonati()[1].quando, primo.quando + 2 * meta + 10);
    EXPECT_NE(b.musica.Suonati()[1].file, primo.file);
    // The title of the tune that follows is shown as well.
    EXPECT_TRUE(b.audio.Musica_().Vista().Titolo.visibile);
}

TEST(Musica, TitlesFollowTheirOptionAndTheTwoLineOnesSitHigher) {
    BancoAudio b(8, ConOpzioni({{OpzTitoli, "No"}}));
    Musica& m = b.audio.Musica_();
    m.SCegliBrano();
    EXPECT_FALSE(m.Vista().Titolo.visibile);
    EXPECT_EQ(m.Vista().Titolo.testo, kBrani[static_cast<std::size_t>(m.BranoInCorso() - 1)].titolo);
    EXPECT_EQ(b.musica.Suonati().size(), 1u);  // the tune plays all the same
    Imposta(b.banco.tavolo, OpzTitoli, "Si");
    EXPECT_TRUE(m.Vista().Titolo.visibile);
    for (int i = 0; i < 21; ++i) {
        m.SCegliBrano();
        const int n = m.BranoInCorso();
        const bool due = n == 3 || n == 4 || n == 6 || n == 7 || n == 10 || n == 20;
        EXPECT_EQ(m.Vista().TitoloTop, due ? 1440 : 1550) << n;
    }
}

TEST(Musica, MaiStopsTheMusicAndLeavingItStartsATune) {
    BancoAudio b(9);
    Musica& m = b.audio.Musica_();
    m.SCegliBrano();
    Imposta(b.banco.tavolo, OpzFrequenzaMusica, "Mai");
    EXPECT_FALSE(b.banco.orologio.Abilitato(m.Timer().FermaBrano));
    EXPECT_FALSE(m.Vista().Titolo.visibile);
    EXPECT_EQ(b.musica.ordini.back().comando, "Close");
    Imposta(b.banco.tavolo, OpzFrequenzaMusica, "Sempre");
    EXPECT_EQ(b.musica.Suonati().size(), 2u);
    EXPECT_TRUE(b.banco.orologio.Abilitato(m.Timer().FermaBrano));
}

// The ceremony: the winner's anthem 10 ms in, the flag moving for 44 firings of 700 ms, and at
// the 45th the end-of-game frame; the music comes back with the next deal.
TEST(Cerimonia, AnthemAndFlagForFortyFiveFirings) {
    BancoAudio b(10, ConOpzioni({{OpzCarattere, "Pacifico"}}));
    Musica& m = b.audio.Musica_();
    b.banco.Distribuisci();
    const std::string titolo = m.Vista().Titolo.testo;
    int chiamate = 0;
    const Millisecondi t0 = b.banco.orologio.Adesso();
    ASSERT_TRUE(m.Cerimonia(Chi::H, [&] { ++chiamate; }));
    EXPECT_TRUE(m.MusicaInterrotta());
    EXPECT_TRUE(m.Vista().BandieraVisibile);
    EXPECT_EQ(m.Vista().Titolo.testo, kInnoItaliano.titolo);
    EXPECT_EQ(m.Vista().TitoloTop, 1550);
    b.banco.orologio.Avanza(10);
    ASSERT_EQ(b.inno.Suonati().size(), 1u);
    EXPECT_EQ(b.inno.Suonati()[0].file, "Musiche/Mameli.mid");
    std::set<std::pair<int, int>> posizioni;
    for (int k = 1; k <= 44; ++k) {
        b.banco.orologio.AvanzaFino(t0 + 700 * k);
        posizioni.insert({m.Vista().Bandiera.left, m.Vista().Bandiera.top});
        EXPECT_TRUE(m.Vista().BandieraVisibile) << k;
    }
    EXPECT_GT(posizioni.size(), 30u) << "the flag moves";
    EXPECT_EQ(chiamate, 0);
    b.banco.orologio.AvanzaFino(t0 + 700 * 45);
    EXPECT_EQ(chiamate, 1);
    EXPECT_FALSE(m.Vista().BandieraVisibile);
    EXPECT_FALSE(m.Vista().Titolo.visibile);
    EXPECT_EQ(m.Vista().Titolo.testo, titolo);
    EXPECT_FALSE(b.banco.orologio.Abilitato(m.Timer().Bandiera));
    EXPECT_FALSE(m.Cerimonia(Chi::Nessuno, [] {}));  // no ceremony without a winner
    EXPECT_TRUE(m.Cerimonia(Chi::PC, [] {}));
    b.banco.orologio.Avanza(10);
    EXPECT_EQ(b.inno.Suonati().back().file, "Musiche/GodSave.mid");
}

// Through the table: a won game with the ceremony asked for holds the frame until the flag is done.
TEST(Cerimonia, TheTableWaitsForItAndTheNextDealBringsTheMusicBack) {
    BancoAudio b(12, ConOpzioni({{OpzCerimonia, "Al termine di ogni Gioco"}, {OpzCarattere, "Pacifico"}}));
    b.banco.tavolo.Avvia();
    ASSERT_TRUE(b.banco.Fino([&] { return b.audio.Musica_().Vista().BandieraVisibile; }, 2000000));
    EXPECT_FALSE(b.banco.tavolo.Vista().FineGioco.visibile);
    const std::size_t brani = b.musica.Suonati().size();
    ASSERT_TRUE(b.banco.SoloOrologioFino([&] { return b.banco.tavolo.Vista().FineGioco.visibile; }));
    EXPECT_FALSE(b.audio.Musica_().Vista().BandieraVisibile);
    ASSERT_TRUE(b.banco.Fino([&] { return b.musica.Suonati().size() > brani; }, 2000000));
    EXPECT_FALSE(b.audio.Musica_().MusicaInterrotta());
}

}  // namespace
}  // namespace mrvelto::test
