// SPDX-License-Identifier: GPL-3.0-or-later
// The effects player over whole games: noises, comments, impatience and the one-clip lock.
#include <gtest/gtest.h>

#include "BancoAudio.h"
#include "support/TestoOpzioni.h"

namespace mrvelto::test {
namespace {

bool Inizia(const std::string& s, const char* prefisso) { return s.rfind(prefisso, 0) == 0; }

// Mr. VELTO grows impatient after 12 ticks of his temperament's pace, and speaks (always, when
// he is a gossip) exactly then.
TEST(Impazienza, TheFirstGrumbleComesAfterTwelveTicks) {
    for (const auto& [carattere, attesa] : {std::pair{"Assai nervoso", 3000}, std::pair{"Abbastanza tollerante", 8004}}) {
        BancoAudio b(3, ConOpzioni({{OpzCarattere, carattere}, {OpzLoquacita, "Pettegolo"}, {OpzRumori, "No"}}));
        b.banco.Distribuisci();
        ASSERT_EQ(b.s().AChiTocca, Chi::H);  // the human leads the first game
        const Millisecondi t0 = b.banco.orologio.Adesso();
        ASSERT_TRUE(b.banco.SoloOrologioFino([&] { return b.effetti.UltimoSuonato("Commenti/Impaz/") != nullptr; }));
        EXPECT_EQ(b.effetti.UltimoSuonato("Commenti/Impaz/")->quando - t0, attesa) << carattere;
        EXPECT_TRUE(b.s().InterdiciSuoni);
        // When the clip ends the count starts again while the human still thinks.
        b.banco.orologio.Avanza(DurateClip::kPredefinita);
        EXPECT_FALSE(b.s().InterdiciSuoni);
        EXPECT_TRUE(b.banco.orologio.Abilitato(b.audio.Suoni().Timer().Impazienza));
    }
}

TEST(Impazienza, StopsWhenTheHumanPlaysAndIsNeverThereForACalmOpponent) {
    BancoAudio b(3, ConOpzioni({{OpzCarattere, "Nervosetto"}, {OpzRumori, "No"}}));
    b.banco.Distribuisci();
    b.banco.orologio.Avanza(334 * 5);
    EXPECT_EQ(b.audio.Suoni().ContaImpaz(), 5);
    b.banco.tavolo.ImgCarta_Click(4);
    EXPECT_EQ(b.audio.Suoni().ContaImpaz(), 0);
    EXPECT_FALSE(b.banco.orologio.Abilitato(b.audio.Suoni().Timer().Impazienza));
    // "Pacifico" from the options panel: stopped at once, and it stays so at the human's turns.
    Imposta(b.banco.tavolo, OpzCarattere, "Pacifico");
    ASSERT_TRUE(b.banco.Fino([&] { return b.s().AChiTocca == Chi::H && b.s().PuoiGiocare; }));
    EXPECT_FALSE(b.banco.orologio.Abilitato(b.audio.Suoni().Timer().Impazienza));
    // A side panel stops it; closing it starts it again.
    Imposta(b.banco.tavolo, OpzCarattere, "Impaziente");
    b.audio.Suoni().RiprendiImpazienza();
    EXPECT_TRUE(b.banco.orologio.Abilitato(b.audio.Suoni().Timer().Impazienza));
    b.audio.Suoni().SospendiImpazienza();
    EXPECT_FALSE(b.banco.orologio.Abilitato(b.audio.Suoni().Timer().Impazienza));
}

// While a clip plays nothing else starts on the effects player.
TEST(Suoni, TheLockHoldsOffEveryOtherClip) {
    BancoAudio b(5, ConOpzioni({{OpzCarattere, "Pacifico"}}));
    b.banco.Distribuisci();
    b.banco.orologio.Avanza(6000);  // the opening comment is over
    const std::size_t prima = b.effetti.Suonati().size();
    b.banco.tavolo.ImpostaInterdiciSuoni(true);
    b.banco.tavolo.ImgCarta_Click(4);  // the human leads: no noise now
    EXPECT_EQ(b.effetti.Suonati().size(), prima);
    b.banco.tavolo.ImpostaInterdiciSuoni(false);
    ASSERT_TRUE(b.banco.Fino([&] { return b.s().AChiTocca == Chi::H && b.s().PuoiGiocare; }));
    EXPECT_GT(b.effetti.Suonati().size(), prima);
}

// A whole match with every sound on: no clip starts before the previous one's length has run
// (but the final comment, which the end of the game lets cut in), a led card makes the noise of
// its strength, and a gossip comments every answer he can (no noise).
TEST(Suoni, AWholeMatchNeverOverlapsClips) {
    BancoAudio b(11, ConOpzioni({{OpzLoquacita, "Pettegolo"}, {OpzCarattere, "Assai nervoso"},
                                 {OpzConclusionePartita, "Al meglio di 3 Giochi"}}));
    std::size_t visti = 0;
    int rumori = 0, commenti = 0;
    // Runs after the sounds' own subscriber: the clip an event started is already in the list.
    auto ascolto = b.banco.tavolo.Eventi().Iscrivi([&](const Evento& e) {
        const Ordine* nuovo = nullptr;
        for (std::size_t i = visti; i < b.effetti.ordini.size(); ++i)
            if (b.effetti.ordini[i].comando == "Play") nuovo = &b.effetti.ordini[i];
        visti = b.effetti.ordini.size();
        const auto* a = std::get_if<evento::CartaArrivata>(&e);
        if (!a || !nuovo) return;
        if (a->risposta) {
            ++commenti;
            EXPECT_TRUE(Inizia(nuovo->file, "Commenti/")) << nuovo->file;
        } else {
            ++rumori;
            const int v = b.s().UltimaCartaGiocata;
            const char* atteso = v < 8 ? "Rumori/liscio.wav" : v == 8 ? "Rumori/fante.wav" : v == 12 ? "Rumori/cavallo.wav"
                                 : v == 16 ? "Rumori/re.wav" : v == 40 ? "Rumori/tre.wav" : "Rumori/asso.wav";
            EXPECT_EQ(nuovo->file, atteso) << "strength " << v;
        }
    });
    b.banco.tavolo.Avvia();
    ASSERT_TRUE(b.banco.Fino([&] { return b.banco.tavolo.PartiteConcluse() == 1; }, 2000000));
    const auto suonati = b.effetti.Suonati();
    ASSERT_GT(suonati.size(), 20u);
    const DurateClip& d = b.audio.Durate();
    for (std::size_t i = 1; i < suonati.size(); ++i) {
        if (Inizia(suonati[i].file, "Commenti/Fine/")) continue;
        EXPECT_GE(suonati[i].quando, suonati[i - 1].quando + d.Durata(suonati[i - 1].file))
            << suonati[i - 1].file << " then " << suonati[i].file;
    }
    EXPECT_GT(rumori, 10);
    EXPECT_GT(commenti, 5);
}

// Silent on every card; the deal's opening comment is not a card's and still speaks.
TEST(Suoni, ASilentOpponentWithoutNoisesMakesNoSoundOnTheCards) {
    BancoAudio b(2, ConOpzioni({{OpzLoquacita, "Taciturno"}, {OpzRumori, "No"}, {OpzConclusionePartita, "Al meglio di 3 Giochi"}}));
    b.banco.tavolo.Avvia();
    ASSERT_TRUE(b.banco.Fino([&] { return b.banco.tavolo.PartiteConcluse() == 1; }, 2000000));
    const auto suonati = b.effetti.Suonati();
    ASSERT_GE(suonati.size(), 3u);
    for (const auto& o : suonati) EXPECT_TRUE(Inizia(o.file, "Commenti/Inizio/")) << o.file;
}

// The deal speaks once at its first step: a greeting at the window's first game, then a clip
// for the last game's outcome; the final comment follows the frame.
TEST(Suoni, OpeningAndFinalComments) {
    BancoAudio b(4, ConOpzioni({{OpzRumori, "No"}, {OpzCarattere, "Pacifico"}}));
    b.banco.Distribuisci();
    auto suonati = b.effetti.Suonati();
    ASSERT_EQ(suonati.size(), 1u);
    EXPECT_EQ(suonati[0].quando, 450);
    const int primo = std::stoi(suonati[0].file.substr(std::string("Commenti/Inizio/Inizio").size(), 2));
    EXPECT_GE(primo, 1);
    EXPECT_LE(primo, 12);
    ASSERT_TRUE(b.banco.Fino([&] { return b.banco.tavolo.Vista().FineGioco.visibile; }, 2000000));
    ASSERT_TRUE(b.banco.SoloOrologioFino([&] { return b.effetti.UltimoSuonato("Commenti/Fine/Fine") != nullptr; }));
    const Ordine fine = *b.effetti.UltimoSuonato("Commenti/Fine/Fine");
    const int n = std::stoi(fine.file.substr(std::string("Commenti/Fine/Fine").size(), 2));
    const Chi ultimo = b.s().UltimoVincitore;
    const int da = ultimo == Chi::PC ? 1 : ultimo == Chi::H ? 9 : 17;
    EXPECT_GE(n, da);
    EXPECT_LE(n, da + (ultimo == Chi::Nessuno ? 3 : 7));
    EXPECT_TRUE(b.s().InterdiciSuoni);  // the frame's button waits for it
    b.banco.orologio.Avanza(DurateClip::kPredefinita);
    EXPECT_FALSE(b.s().InterdiciSuoni);
    // The next game's greeting depends on who won this one.
    ASSERT_TRUE(b.banco.Fino([&] { return Inizia(b.effetti.Suonati().back().file, "Commenti/Inizio/"); }));
    EXPECT_EQ(b.s().NumeroGioco, 2);
    const std::string inizio = b.effetti.Suonati().back().file;
    ASSERT_TRUE(Inizia(inizio, "Commenti/Inizio/Inizio")) << inizio;
    const int k = std::stoi(inizio.substr(std::string("Commenti/Inizio/Inizio").size(), 2));
    const int base = ultimo == Chi::PC ? 17 : ultimo == Chi::H ? 21 : 13;
    EXPECT_GE(k, base);
    EXPECT_LE(k, base + 3);
}

}  // namespace
}  // namespace mrvelto::test
